// The file calls of each system: POSIX (Linux, the BSDs, macOS) and Windows.
// Nothing else in the game core calls the operating system for files.
#include "almacen/SistemaArchivos.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <new>
#include <random>
#include <system_error>
#include <thread>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace tumbla {

namespace {

// Another copy of the game holds a file for milliseconds, or for a second or
// two when a busy disk is slow to flush; one that holds it longer than this
// is stopped or hung, and the write gives up (the rest of the run then keeps
// its settings in memory, so the wait errs on the long side).
constexpr auto kEsperaCerrojo = std::chrono::milliseconds(4000);
constexpr auto kPausaCerrojo = std::chrono::milliseconds(2);
constexpr int kIntentosNombre = 100;
constexpr int kMaximoEnlaces = 40;  // links in a chain, as the systems allow

#ifdef _WIN32
constexpr const char* kSeparadores = "/\\";
#else
constexpr const char* kSeparadores = "/";
#endif

// Sixteen hex digits that no other copy of the game and nobody else can
// foresee: names of temporary files and folders.
std::string Sufijo() {
  static std::atomic<uint64_t> contador{0};
  std::random_device azar;
  uint64_t v = (static_cast<uint64_t>(azar()) << 32) ^ azar();
  v ^= static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  v ^= (contador++ + 1) * 0x9E3779B97F4A7C15ull;
  char texto[17];
  std::snprintf(texto, sizeof texto, "%016llx", static_cast<unsigned long long>(v));
  return texto;
}

std::string Unir(const std::string& carpeta, const std::string& nombre) {
  if (!carpeta.empty() && std::string(kSeparadores).find(carpeta.back()) != std::string::npos) {
    return carpeta + nombre;
  }
  return carpeta + "/" + nombre;
}

enum class Cerrojo { Tomado, NoHay, Ocupado };

// Tries `intento` until it takes the lock, finds that there is no lock to
// take here (a file system without locks: the write goes on without one), or
// gives up.
template <typename Intento>
Cerrojo Esperar(Intento intento) {
  const auto limite = std::chrono::steady_clock::now() + kEsperaCerrojo;
  for (;;) {
    const Cerrojo c = intento();
    if (c != Cerrojo::Ocupado || std::chrono::steady_clock::now() >= limite) return c;
    std::this_thread::sleep_for(kPausaCerrojo);
  }
}

}  // namespace

#ifdef _WIN32
// ---------------------------------------------------------------------------
// Windows

namespace {

std::wstring Ancho(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
  return w;
}

class Asa {
 public:
  explicit Asa(HANDLE h) : h_(h) {}
  ~Asa() { Cerrar(); }
  Asa(const Asa&) = delete;
  Asa& operator=(const Asa&) = delete;
  HANDLE get() const { return h_; }
  bool valida() const { return h_ != INVALID_HANDLE_VALUE; }
  bool Cerrar() {
    const bool bien = !valida() || CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
    return bien;
  }

 private:
  HANDLE h_;
};

constexpr DWORD kCompartir = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool NoEsta(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

// A quarter of the computer's memory.
size_t LargoPermitido() {
  MEMORYSTATUSEX m{};
  m.dwLength = sizeof m;
  if (!GlobalMemoryStatusEx(&m)) return size_t{1} << 30;
  return static_cast<size_t>(std::min<uint64_t>(m.ullTotalPhys / 4, std::numeric_limits<size_t>::max() / 4));
}

Sello SelloDe(HANDLE h) {
  BY_HANDLE_FILE_INFORMATION i{};
  if (!GetFileInformationByHandle(h, &i)) return {};
  Sello s;
  s.existe = true;
  s.dispositivo = i.dwVolumeSerialNumber;
  s.nodo = (static_cast<uint64_t>(i.nFileIndexHigh) << 32) | i.nFileIndexLow;
  s.tamano = (static_cast<uint64_t>(i.nFileSizeHigh) << 32) | i.nFileSizeLow;
  s.modificado = static_cast<int64_t>((static_cast<uint64_t>(i.ftLastWriteTime.dwHighDateTime) << 32) |
                                      i.ftLastWriteTime.dwLowDateTime) * 100;
  return s;
}

bool LeerTodo(HANDLE h, std::string& contenido) {
  contenido.clear();
  const size_t maximo = LargoPermitido();
  LARGE_INTEGER tamano{};
  if (GetFileSizeEx(h, &tamano) && static_cast<uint64_t>(tamano.QuadPart) > maximo) return false;
  try {
    contenido.resize(std::max<size_t>(static_cast<size_t>(tamano.QuadPart) + 1, 65536));
    size_t hecho = 0;
    for (;;) {
      if (hecho == contenido.size()) {
        if (hecho > maximo) return false;
        contenido.resize(std::min(maximo + 1, hecho * 2));
      }
      DWORD leidos = 0;
      const DWORD trozo = static_cast<DWORD>(std::min<size_t>(contenido.size() - hecho, 1u << 20));
      if (!ReadFile(h, contenido.data() + hecho, trozo, &leidos, nullptr)) return false;
      if (leidos == 0) break;
      hecho += leidos;
    }
    if (hecho > maximo) return false;
    contenido.resize(hecho);
    return true;
  } catch (const std::bad_alloc&) {
    std::string().swap(contenido);
    return false;
  }
}

// Where a link at `ruta` leads; a dangling link stays where it is.
std::wstring SeguirEnlaces(const std::wstring& ruta) {
  const DWORD atributos = GetFileAttributesW(ruta.c_str());
  if (atributos == INVALID_FILE_ATTRIBUTES || !(atributos & FILE_ATTRIBUTE_REPARSE_POINT)) return ruta;
  Asa h(CreateFileW(ruta.c_str(), 0, kCompartir, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!h.valida()) return ruta;
  std::wstring destino(32768, L'\0');
  const DWORD n = GetFinalPathNameByHandleW(h.get(), destino.data(), static_cast<DWORD>(destino.size()),
                                            FILE_NAME_NORMALIZED);
  if (n == 0 || n >= destino.size()) return ruta;
  destino.resize(n);
  return destino;
}

// A new file of a fresh name beside `destino`, created here and now.
HANDLE CrearTemporal(const std::wstring& destino, DWORD marcas, std::wstring& temporal) {
  const size_t barra = destino.find_last_of(L"/\\");
  const size_t inicioNombre = barra == std::wstring::npos ? 0 : barra + 1;
  const std::wstring base = destino.substr(0, inicioNombre) + L"." + destino.substr(inicioNombre) + L".";
  HANDLE h = INVALID_HANDLE_VALUE;
  for (int n = 0; n < kIntentosNombre && h == INVALID_HANDLE_VALUE; ++n) {
    temporal = base + Ancho(Sufijo());
    // CREATE_NEW takes nothing that is already there, a link included.
    h = CreateFileW(temporal.c_str(), GENERIC_WRITE | FILE_READ_ATTRIBUTES | DELETE, 0, nullptr, CREATE_NEW, marcas,
                    nullptr);
    if (h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return h;
  }
  return h;
}

bool Reemplazar(const std::wstring& destino, const std::string& contenido, Sello* nuevo) {
  std::wstring temporal;
  Asa f(CrearTemporal(destino, FILE_ATTRIBUTE_NORMAL, temporal));
  if (!f.valida()) return false;
  bool bien = true;
  for (size_t hecho = 0; bien && hecho < contenido.size();) {
    DWORD escritos = 0;
    const DWORD trozo = static_cast<DWORD>(std::min<size_t>(contenido.size() - hecho, 1u << 20));
    bien = WriteFile(f.get(), contenido.data() + hecho, trozo, &escritos, nullptr) && escritos > 0;
    hecho += escritos;
  }
  bien = bien && FlushFileBuffers(f.get());
  const Sello sello = SelloDe(f.get());
  bien = f.Cerrar() && bien;
  bien = bien && MoveFileExW(temporal.c_str(), destino.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!bien) DeleteFileW(temporal.c_str());
  if (bien && nuevo != nullptr) *nuevo = sello;
  return bien;
}

}  // namespace

Lectura LeerArchivoEntero(const std::string& ruta, std::string& contenido, Sello* sello) {
  contenido.clear();
  Asa f(CreateFileW(Ancho(ruta).c_str(), GENERIC_READ, kCompartir, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!f.valida()) return NoEsta(GetLastError()) ? Lectura::Falta : Lectura::Error;
  if (GetFileType(f.get()) != FILE_TYPE_DISK) return Lectura::Error;
  if (sello != nullptr) *sello = SelloDe(f.get());
  return LeerTodo(f.get(), contenido) ? Lectura::Leida : Lectura::Error;
}

std::optional<Sello> SelloArchivo(const std::string& ruta) {
  Asa f(CreateFileW(Ancho(ruta).c_str(), FILE_READ_ATTRIBUTES, kCompartir, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!f.valida()) return NoEsta(GetLastError()) ? std::optional(Sello{}) : std::nullopt;
  const Sello s = SelloDe(f.get());
  return s.existe ? std::optional(s) : std::nullopt;
}

bool CambiarArchivo(const std::string& ruta, const CambioArchivo& cambio, Sello* nuevo) {
  const std::wstring destino = SeguirEnlaces(Ancho(ruta));
  // Folders have no locks here: copies of the game meet at a lock file
  // beside the settings file instead.
  Asa cerrojo(CreateFileW((destino + L".cerrojo").c_str(), GENERIC_READ | GENERIC_WRITE, kCompartir, nullptr,
                          OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
  if (cerrojo.valida()) {
    const Cerrojo c = Esperar([&] {
      OVERLAPPED o{};
      if (LockFileEx(cerrojo.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &o)) {
        return Cerrojo::Tomado;
      }
      return GetLastError() == ERROR_LOCK_VIOLATION ? Cerrojo::Ocupado : Cerrojo::NoHay;
    });
    if (c == Cerrojo::Ocupado) return false;
  }
  std::string actual;
  Sello sello;
  const DWORD atributos = GetFileAttributesW(destino.c_str());
  if (atributos != INVALID_FILE_ATTRIBUTES) {
    if (atributos & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return false;
    Asa f(CreateFileW(destino.c_str(), GENERIC_READ | GENERIC_WRITE, kCompartir, nullptr, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f.valida() || GetFileType(f.get()) != FILE_TYPE_DISK) return false;
    sello = SelloDe(f.get());
    if (!LeerTodo(f.get(), actual)) return false;
  } else if (!NoEsta(GetLastError())) {
    return false;
  }
  const std::string* cambiado = nullptr;
  try {
    cambiado = cambio(std::move(actual));
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (cambiado != nullptr) return Reemplazar(destino, *cambiado, nuevo);
  // Nothing to write: the folder still has to take a new file.
  std::wstring temporal;
  Asa prueba(CrearTemporal(destino, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, temporal));
  if (!prueba.valida()) return false;
  if (nuevo != nullptr) *nuevo = sello;
  return true;
}

bool EscribirArchivoPrivado(const std::string& carpeta, const std::string& nombre,
                            const std::string& contenido, std::string& ruta) {
  // The temporary and settings folders here are under the player's own
  // profile, which other users cannot write.
  const DWORD atributos = GetFileAttributesW(Ancho(carpeta).c_str());
  if (atributos == INVALID_FILE_ATTRIBUTES || !(atributos & FILE_ATTRIBUTE_DIRECTORY)) return false;
  ruta = Unir(carpeta, nombre);
  return Reemplazar(Ancho(ruta), contenido, nullptr);
}

#else
// ---------------------------------------------------------------------------
// POSIX

namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() { Cerrar(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  bool valido() const { return fd_ >= 0; }
  bool Cerrar() {
    const bool bien = fd_ < 0 || ::close(fd_) == 0;
    fd_ = -1;
    return bien;
  }

 private:
  int fd_;
};

std::string CarpetaDe(const std::string& ruta) {
  const size_t barra = ruta.find_last_of(kSeparadores);
  if (barra == std::string::npos) return ".";
  return barra == 0 ? ruta.substr(0, 1) : ruta.substr(0, barra);
}

std::string NombreDe(const std::string& ruta) {
  const size_t barra = ruta.find_last_of(kSeparadores);
  return barra == std::string::npos ? ruta : ruta.substr(barra + 1);
}

// The fresh name beside `destino` that its new contents are written under.
std::string NombreTemporal(const std::string& destino) {
  return Unir(CarpetaDe(destino), "." + NombreDe(destino) + "." + Sufijo());
}

// Never the terminal, never a wait on a pipe, nothing left open in programs
// the game starts.
constexpr int kAbrir = O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// A quarter of the computer's memory.
size_t LargoPermitido() {
  const long paginas = ::sysconf(_SC_PHYS_PAGES);
  const long pagina = ::sysconf(_SC_PAGESIZE);
  if (paginas <= 0 || pagina <= 0) return size_t{1} << 30;
  const uint64_t cuarto = static_cast<uint64_t>(paginas) / 4 * static_cast<uint64_t>(pagina);
  return static_cast<size_t>(std::min<uint64_t>(cuarto, std::numeric_limits<size_t>::max() / 4));
}

Sello SelloDe(const struct stat& st) {
  Sello s;
  s.existe = true;
  s.dispositivo = static_cast<uint64_t>(st.st_dev);
  s.nodo = static_cast<uint64_t>(st.st_ino);
  s.tamano = static_cast<uint64_t>(st.st_size);
#ifdef __APPLE__
  s.modificado = static_cast<int64_t>(st.st_mtimespec.tv_sec) * 1000000000 + st.st_mtimespec.tv_nsec;
#else
  s.modificado = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
#endif
  return s;
}

// Reads what is left of `fd`, which is `tamano` bytes long unless it grows
// meanwhile.
bool LeerTodo(int fd, size_t tamano, std::string& contenido) {
  contenido.clear();
  const size_t maximo = LargoPermitido();
  if (tamano > maximo) return false;
  try {
    contenido.resize(std::max<size_t>(tamano + 1, 65536));
    size_t hecho = 0;
    for (;;) {
      if (hecho == contenido.size()) {
        if (hecho > maximo) return false;
        contenido.resize(std::min(maximo + 1, hecho * 2));
      }
      const ssize_t n = ::read(fd, contenido.data() + hecho, contenido.size() - hecho);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return false;
      if (n == 0) break;
      hecho += static_cast<size_t>(n);
    }
    if (hecho > maximo) return false;
    contenido.resize(hecho);
    return true;
  } catch (const std::bad_alloc&) {
    std::string().swap(contenido);
    return false;
  }
}

bool EscribirTodo(int fd, const std::string& texto) {
  for (size_t hecho = 0; hecho < texto.size();) {
    const ssize_t n = ::write(fd, texto.data() + hecho, texto.size() - hecho);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    hecho += static_cast<size_t>(n);
  }
  return true;
}

// The end of a chain of links at `ruta`: the path whose file changes (it may
// not exist yet). False for a chain too long, a link that cannot be read, or
// a link that neither the player nor the administrator made.
bool SeguirEnlaces(std::string ruta, std::string& final) {
  for (int n = 0; n < kMaximoEnlaces; ++n) {
    struct stat st {};
    if (::lstat(ruta.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
      final = ruta;
      return true;
    }
    if (st.st_uid != ::geteuid() && st.st_uid != 0) return false;
    std::string destino(256, '\0');
    for (;;) {
      const ssize_t largo = ::readlink(ruta.c_str(), destino.data(), destino.size());
      if (largo < 0) return false;
      if (static_cast<size_t>(largo) < destino.size()) {
        destino.resize(static_cast<size_t>(largo));
        break;
      }
      destino.resize(destino.size() * 2);
    }
    if (destino.empty()) return false;
    ruta = destino.front() == '/' ? destino : Unir(CarpetaDe(ruta), destino);
  }
  return false;
}

// Removes what writes cut short left of `destino` (a copy of the game killed
// in the middle of one): with the folder's lock held no other write is under
// way, so every temporary file of `destino` is such a leftover.
void BorrarRestos(const std::string& destino) {
  const std::string prefijo = "." + NombreDe(destino) + ".";
  std::error_code ec;
  for (std::filesystem::directory_iterator it(CarpetaDe(destino), ec), fin; !ec && it != fin; it.increment(ec)) {
    const std::string nombre = it->path().filename().string();
    if (nombre.size() == prefijo.size() + 16 && nombre.compare(0, prefijo.size(), prefijo) == 0 &&
        nombre.find_first_not_of("0123456789abcdef", prefijo.size()) == std::string::npos) {
      ::unlink(it->path().c_str());
    }
  }
}

// Holds the lock of the folder's descriptor: every copy of the game takes it
// before it reads a file of that folder to change it, and lets it go with
// the descriptor once the new file is in place.
Cerrojo TomarCerrojo(int carpeta) {
  return Esperar([carpeta] {
    for (;;) {
      if (::flock(carpeta, LOCK_EX | LOCK_NB) == 0) return Cerrojo::Tomado;
      if (errno == EINTR) continue;
      return errno == EWOULDBLOCK ? Cerrojo::Ocupado : Cerrojo::NoHay;
    }
  });
}

// A new file of a fresh name beside `destino`, open for writing.
int CrearTemporal(const std::string& destino, mode_t modo, std::string& temporal) {
  int crudo = -1;
  for (int n = 0; n < kIntentosNombre && crudo < 0; ++n) {
    temporal = NombreTemporal(destino);
    // Created here and now, or not at all: never a link, a pipe or a file
    // someone else put there.
    crudo = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | kAbrir, modo);
    if (crudo < 0 && errno != EEXIST) return -1;
  }
  return crudo;
}

// Writes `contenido` to a new file beside `destino` and puts it in its place.
// `anterior` is the file it replaces (its owner and permission bits carry
// over), or null for a new file (the usual bits for the user's new files).
bool Reemplazar(const std::string& destino, const std::string& contenido, const struct stat* anterior,
                Sello* nuevo) {
  std::string temporal;
  Descriptor f(CrearTemporal(destino, anterior != nullptr ? 0600 : 0666, temporal));
  if (!f.valido()) return false;
  bool bien = EscribirTodo(f.get(), contenido);
  if (bien && anterior != nullptr) {
    // The owner carries over where the system allows it (an administrator's
    // write); else the file becomes this user's, with the same bits.
    const bool mismoDueno = ::fchown(f.get(), anterior->st_uid, anterior->st_gid) == 0;
    (void)mismoDueno;
    bien = ::fchmod(f.get(), anterior->st_mode & 07777) == 0;
  }
  bien = bien && ::fsync(f.get()) == 0;
  struct stat escrito {};
  bien = bien && ::fstat(f.get(), &escrito) == 0;
  bien = f.Cerrar() && bien;
  bien = bien && ::rename(temporal.c_str(), destino.c_str()) == 0;
  if (!bien) {
    ::unlink(temporal.c_str());
    return false;
  }
  if (nuevo != nullptr) *nuevo = SelloDe(escrito);
  // The new name reaches the disk with its folder.
  Descriptor carpeta(::open(CarpetaDe(destino).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (carpeta.valido()) ::fsync(carpeta.get());
  return true;
}

// A folder that only this user may write: theirs, closed to everyone else.
bool EsPrivada(const struct stat& st) {
  return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// A folder of this user's own, closed to everyone else, inside the shared
// folder `compartida`: the same one from one request to the next, unless
// someone else took its name first; then a fresh one.
bool CarpetaPropia(const std::string& compartida, std::string& propia) {
  const std::string fija = Unir(compartida, "tumbla-" + std::to_string(::geteuid()));
  for (int n = 0; n <= kIntentosNombre; ++n) {
    const std::string nombre = n == 0 ? fija : fija + "-" + Sufijo();
    if (::mkdir(nombre.c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat st {};
    if (::lstat(nombre.c_str(), &st) == 0 && EsPrivada(st) && (st.st_mode & 077) == 0) {
      propia = nombre;
      return true;
    }
  }
  return false;
}

}  // namespace

Lectura LeerArchivoEntero(const std::string& ruta, std::string& contenido, Sello* sello) {
  contenido.clear();
  struct stat st {};
  if (::stat(ruta.c_str(), &st) != 0) return errno == ENOENT || errno == ENOTDIR ? Lectura::Falta : Lectura::Error;
  if (!S_ISREG(st.st_mode)) return Lectura::Error;
  Descriptor f(::open(ruta.c_str(), O_RDONLY | kAbrir));
  if (!f.valido()) return errno == ENOENT ? Lectura::Falta : Lectura::Error;
  // What was checked may have been swapped for something else meanwhile.
  if (::fstat(f.get(), &st) != 0 || !S_ISREG(st.st_mode)) return Lectura::Error;
  // The stamp from before the read: a change made during it shows as a
  // change at the next look.
  if (sello != nullptr) *sello = SelloDe(st);
  return LeerTodo(f.get(), static_cast<size_t>(st.st_size), contenido) ? Lectura::Leida : Lectura::Error;
}

std::optional<Sello> SelloArchivo(const std::string& ruta) {
  struct stat st {};
  if (::stat(ruta.c_str(), &st) == 0) return SelloDe(st);
  return errno == ENOENT || errno == ENOTDIR ? std::optional(Sello{}) : std::nullopt;
}

bool CambiarArchivo(const std::string& ruta, const CambioArchivo& cambio, Sello* nuevo) {
  std::string destino;
  if (!SeguirEnlaces(ruta, destino)) return false;
  // A folder the user may write to but not list still takes the file,
  // without the lock.
  Descriptor carpeta(::open(CarpetaDe(destino).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!carpeta.valido() && errno != EACCES) return false;
  const Cerrojo cerrojo = carpeta.valido() ? TomarCerrojo(carpeta.get()) : Cerrojo::NoHay;
  if (cerrojo == Cerrojo::Ocupado) return false;
  if (cerrojo == Cerrojo::Tomado) BorrarRestos(destino);

  std::string actual;
  struct stat st {};
  const bool existe = ::lstat(destino.c_str(), &st) == 0;
  if (!existe && errno != ENOENT) return false;
  if (existe) {
    // Only a regular file, and not one that nobody may write: the player
    // made it read-only, and an administrator's rights do not undo that.
    if (!S_ISREG(st.st_mode) || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    Descriptor f(::open(destino.c_str(), O_RDWR | O_NOFOLLOW | kAbrir));
    if (!f.valido() || ::fstat(f.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        !LeerTodo(f.get(), static_cast<size_t>(st.st_size), actual)) {
      return false;
    }
  }
  const std::string* cambiado = nullptr;
  try {
    cambiado = cambio(std::move(actual));
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (cambiado != nullptr) return Reemplazar(destino, *cambiado, existe ? &st : nullptr, nuevo);
  // Nothing to write: the folder still has to take a new file.
  std::string temporal;
  Descriptor prueba(CrearTemporal(destino, 0600, temporal));
  if (!prueba.valido()) return false;
  ::unlink(temporal.c_str());
  if (nuevo != nullptr) *nuevo = existe ? SelloDe(st) : Sello{};
  return true;
}

bool EscribirArchivoPrivado(const std::string& carpeta, const std::string& nombre,
                            const std::string& contenido, std::string& ruta) {
  struct stat st {};
  if (::stat(carpeta.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  std::string destino = carpeta;
  if (!EsPrivada(st)) {
    // A shared folder lets everyone add files but remove only their own
    // (the sticky bit), so a folder of this user's own in it stays theirs.
    const bool compartida = (st.st_mode & S_ISVTX) && (st.st_mode & S_IWOTH);
    if (!compartida || !CarpetaPropia(carpeta, destino)) return false;
  }
  ruta = Unir(destino, nombre);
  return Reemplazar(ruta, contenido, nullptr, nullptr);
}

#endif

}  // namespace tumbla
