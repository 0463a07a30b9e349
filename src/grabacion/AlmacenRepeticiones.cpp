#include "grabacion/AlmacenRepeticiones.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <set>

#include "almacen/Ini.h"

namespace tumbla {

namespace fs = std::filesystem;

namespace {

// A write cut short leaves ".NAME.tumbla.<16 hex>" beside its file; one this
// old belongs to no save under way.
constexpr auto kRestoViejo = std::chrono::minutes(10);
// The newest games stay whatever the folder's size.
constexpr int kIntocables = 5;

bool Termina(const std::string& t, const std::string& fin) {
  return t.size() >= fin.size() && t.compare(t.size() - fin.size(), fin.size(), fin) == 0;
}

bool EsResto(const std::string& nombre) {
  const std::string marca = std::string(kExtensionRepeticion) + ".";
  const size_t k = nombre.rfind(marca);
  return !nombre.empty() && nombre[0] == '.' && k != std::string::npos && nombre.size() == k + marca.size() + 16 &&
         nombre.find_first_not_of("0123456789abcdef", k + marca.size()) == std::string::npos;
}

// "20240501-183205-013-9f3a2c1b.tumbla": when it was played, the level, and
// eight figures no other copy of the game will draw.
std::string NombreNuevo(const Resumen& r) {
  std::string dia;
  for (char c : r.jugada) {
    if (c >= '0' && c <= '9') dia += c;
    if (dia.size() == 8 && c == ' ') dia += '-';
  }
  static std::random_device azar;
  const uint64_t v = (uint64_t{azar()} << 32 | azar()) ^
                     static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  char resto[32];
  std::snprintf(resto, sizeof resto, "-%03d-%08llx", r.posicion, static_cast<unsigned long long>(v & 0xFFFFFFFFull));
  return dia + resto + kExtensionRepeticion;
}

struct Entrada {
  RepeticionGuardada r;
  fs::file_time_type cuando;
};

}  // namespace

AlmacenRepeticiones::AlmacenRepeticiones(std::string carpeta, uint64_t huellaNiveles)
    : carpeta_(std::move(carpeta)), huella_(huellaNiveles) {
  std::error_code ec;
  const fs::path ruta = RutaDesdeTexto(carpeta_);
  carpeta_ = TextoRuta(fs::absolute(ruta, ec));
  if (!fs::exists(ruta, ec) && fs::create_directories(ruta, ec)) {
    fs::permissions(ruta, fs::perms::owner_all, ec);
  }
}

std::string AlmacenRepeticiones::Ruta(const std::string& archivo) const {
  return TextoRuta(RutaDesdeTexto(carpeta_) / RutaDesdeTexto(archivo));
}

bool AlmacenRepeticiones::Guardar(const Grabacion& g, std::string* nombre) {
  const std::string n = NombreNuevo(g.resumen);
  std::string ruta;
  if (!EscribirArchivoPrivado(carpeta_, n, EscribirRepeticion(g, huella_), ruta)) return false;
  if (nombre != nullptr) *nombre = n;
  // Copies of the game prune the folder one at a time; one that holds it up
  // too long leaves the pruning to the next save.
  CambiarArchivo(Ruta(".poda"), [this](const std::string&) -> const std::string* {
    Podar();
    return nullptr;
  });
  return true;
}

bool AlmacenRepeticiones::GuardarTexto(const std::string& texto, std::string* nombre) {
  const LecturaRepeticion l = LeerRepeticion(texto, huella_);
  return l.Valida() && Guardar(l.grabacion, nombre);
}

std::vector<RepeticionGuardada> AlmacenRepeticiones::Listar(const Traductor& t) const {
  std::vector<Entrada> entradas;
  std::error_code ec;
  for (fs::directory_iterator it(RutaDesdeTexto(carpeta_), ec), fin; !ec && it != fin; it.increment(ec)) {
    const std::string nombre = TextoRuta(it->path().filename());
    if (nombre.empty() || nombre[0] == '.' || !Termina(nombre, kExtensionRepeticion)) continue;
    std::error_code e;
    Entrada x;
    x.r.archivo = nombre;
    x.cuando = it->last_write_time(e);
    x.r.tamano = it->is_regular_file(e) ? it->file_size(e) : 0;
    std::string texto;
    LecturaRepeticion l;
    if (x.r.tamano > kLargoMaximoRepeticion) {
      l.fallo = FalloRepeticion::Grande;
    } else if (LeerArchivoEntero(Ruta(nombre), texto) != Lectura::Leida) {
      const char* plantilla = TUMBLA_TEXTO("Repeticiones", "No se puede leer «%1».");
      x.r.fallo = Formato(t.traducir("Repeticiones", plantilla), {nombre});
    } else {
      l = LeerRepeticion(texto, huella_);
    }
    x.r.legible = x.r.fallo.empty() && l.Valida();
    if (!l.Valida()) x.r.fallo = TextoFallo(l, nombre, t);
    if (x.r.legible) x.r.resumen = std::move(l.grabacion.resumen);
    entradas.push_back(std::move(x));
  }
  std::sort(entradas.begin(), entradas.end(), [](const Entrada& a, const Entrada& b) {
    return a.cuando != b.cuando ? a.cuando > b.cuando : a.r.archivo > b.r.archivo;
  });
  // Each level's best won game: the most points, the first to make them.
  std::map<int, size_t> mejores;
  for (size_t k = entradas.size(); k-- > 0;) {
    const Resumen& r = entradas[k].r.resumen;
    if (!entradas[k].r.legible || r.resultado != Resultado::Ganado || r.demo || r.pista) continue;
    const auto m = mejores.find(r.posicion);
    if (m == mejores.end() || entradas[m->second].r.resumen.puntos < r.puntos) mejores[r.posicion] = k;
  }
  for (const auto& [posicion, k] : mejores) entradas[k].r.mejor = true;
  std::vector<RepeticionGuardada> lista;
  lista.reserve(entradas.size());
  for (Entrada& x : entradas) lista.push_back(std::move(x.r));
  return lista;
}

void AlmacenRepeticiones::Podar() {
  const std::vector<RepeticionGuardada> lista = Listar();
  std::set<std::string> quedan;
  int jugadas = 0, demos = 0;
  for (const RepeticionGuardada& r : lista) {
    if (!r.legible) continue;
    if (r.mejor || (r.resumen.demo ? demos++ < kDemos : jugadas++ < kUltimas)) quedan.insert(r.archivo);
  }
  // Within the size, the oldest go first, but the newest games stay.
  uint64_t total = 0;
  for (const RepeticionGuardada& r : lista) total += quedan.count(r.archivo) ? r.tamano : 0;
  int nuevas = 0;
  std::set<std::string> intocables;
  for (const RepeticionGuardada& r : lista) {
    if (r.legible && !r.resumen.demo && nuevas++ < kIntocables) intocables.insert(r.archivo);
  }
  for (size_t k = lista.size(); k-- > 0 && total > kTope;) {
    if (quedan.count(lista[k].archivo) && !intocables.count(lista[k].archivo)) {
      quedan.erase(lista[k].archivo);
      total -= lista[k].tamano;
    }
  }
  std::error_code ec;
  for (const RepeticionGuardada& r : lista) {
    if (r.legible && !quedan.count(r.archivo)) fs::remove(RutaDesdeTexto(Ruta(r.archivo)), ec);
  }
  const auto ahora = fs::file_time_type::clock::now();
  for (fs::directory_iterator it(RutaDesdeTexto(carpeta_), ec), fin; !ec && it != fin; it.increment(ec)) {
    std::error_code e;
    if (EsResto(TextoRuta(it->path().filename())) && ahora - it->last_write_time(e) > kRestoViejo) {
      fs::remove(it->path(), e);
    }
  }
}

bool AlmacenRepeticiones::Borrar(const std::string& archivo) {
  if (archivo.find_first_of("/\\") != std::string::npos || archivo.empty() || archivo[0] == '.') return false;
  std::error_code ec;
  return fs::remove(RutaDesdeTexto(Ruta(archivo)), ec);
}

Lectura AlmacenRepeticiones::Leer(const std::string& archivo, std::string& texto) const {
  if (archivo.find_first_of("/\\") != std::string::npos || archivo.empty() || archivo[0] == '.') {
    return Lectura::Error;
  }
  return LeerArchivoEntero(Ruta(archivo), texto);
}

}  // namespace tumbla
