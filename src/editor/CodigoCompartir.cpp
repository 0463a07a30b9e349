#include "editor/CodigoCompartir.h"

#include <cctype>
#include <cstring>
#include <memory>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

#include "autoplay/Conductor.h"
#include "game/Tablero.h"
#include "motor/Teclado.h"

namespace tumbla {

namespace {

constexpr int kVersion = 1;
constexpr size_t kMaxTeclas = 200000;
constexpr size_t kMaxSorteos = 500000;
constexpr int64_t kMaxMs = int64_t{1800} * 1000;  // the longest game the computer plays
constexpr const char* kBase64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

// A key of the proof: when, and which command of play.
struct TeclaPrueba {
  int64_t ms;
  Comando comando;
};

// What a proof is made of, beyond its timer events.
struct Jugada {
  std::optional<uint64_t> semilla;
  std::vector<int> sorteos;
  std::vector<TeclaPrueba> teclas;
};

bool EsTeclaDeJuego(Comando c) { return c >= Comando::Izquierda && c <= Comando::GirarCuadrado4; }

uint32_t Crc32(std::string_view datos) {
  uint32_t crc = 0xFFFFFFFFu;
  for (const char c : datos) {
    crc ^= static_cast<unsigned char>(c);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void Varint(std::string& s, uint64_t v) {
  for (; v >= 0x80; v >>= 7) s += static_cast<char>((v & 0x7F) | 0x80);
  s += static_cast<char>(v);
}

uint64_t ZigZag(int64_t v) { return (static_cast<uint64_t>(v) << 1) ^ static_cast<uint64_t>(v >> 63); }
int64_t DeZigZag(uint64_t v) { return static_cast<int64_t>(v >> 1) ^ -static_cast<int64_t>(v & 1); }

// Reads the bytes of a code; any read past the end or out of range fails.
class Lector {
 public:
  explicit Lector(std::string_view datos) : datos_(datos) {}
  bool Varint(uint64_t& v, uint64_t maximo) {
    v = 0;
    for (int desplazamiento = 0; desplazamiento < 64; desplazamiento += 7) {
      if (k_ >= datos_.size()) return false;
      const auto b = static_cast<unsigned char>(datos_[k_++]);
      v |= static_cast<uint64_t>(b & 0x7F) << desplazamiento;
      if ((b & 0x80) == 0) return v <= maximo;
    }
    return false;
  }
  bool Entero(int& v, int maximo) {
    uint64_t u = 0;
    if (!Varint(u, static_cast<uint64_t>(maximo))) return false;
    v = static_cast<int>(u);
    return true;
  }
  bool Texto(std::string& t, size_t maximo) {
    uint64_t n = 0;
    if (!Varint(n, maximo) || n > datos_.size() - k_) return false;
    t.assign(datos_.substr(k_, static_cast<size_t>(n)));
    k_ += static_cast<size_t>(n);
    return true;
  }
  bool AlFinal() const { return k_ == datos_.size(); }

 private:
  std::string_view datos_;
  size_t k_ = 0;
};

std::string Base64(std::string_view datos) {
  std::string t;
  uint32_t acumulado = 0;
  int bits = 0;
  for (const char c : datos) {
    acumulado = (acumulado << 8) | static_cast<unsigned char>(c);
    for (bits += 8; bits >= 6; bits -= 6) t += kBase64[(acumulado >> (bits - 6)) & 0x3F];
  }
  if (bits > 0) t += kBase64[(acumulado << (6 - bits)) & 0x3F];
  return t;
}

bool DeBase64(std::string_view texto, std::string& datos) {
  uint32_t acumulado = 0;
  int bits = 0;
  for (const char c : texto) {
    const char* donde = c == '\0' ? nullptr : std::strchr(kBase64, c);
    if (donde == nullptr) return false;
    acumulado = (acumulado << 6) | static_cast<uint32_t>(donde - kBase64);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      datos += static_cast<char>((acumulado >> bits) & 0xFF);
    }
  }
  return true;
}

// Milliseconds of a script's "wait S" (at most three decimals).
bool Milisegundos(const std::string& t, int64_t& ms) {
  const size_t punto = t.find('.');
  const std::string entera = t.substr(0, punto), decimales = punto == std::string::npos ? "" : t.substr(punto + 1);
  const auto digitos = [](const std::string& s) {
    return s.find_first_not_of("0123456789") == std::string::npos && s.size() <= 9;
  };
  if (entera.empty() || !digitos(entera) || !digitos(decimales) || decimales.size() > 3) return false;
  ms = std::stoll(entera) * 1000 + (decimales.empty() ? 0 : std::stoll((decimales + "00").substr(0, 3)));
  return true;
}

// The keys, draws and seed of a proof made by the headless host.
bool LeerJugada(const std::string& guion, Jugada& j) {
  const Teclado teclado;
  std::istringstream lineas(guion);
  std::string linea;
  int64_t ahora = 0;
  while (std::getline(lineas, linea)) {
    // "# position P, seed S, ...": the seed the host drew from.
    if (const size_t semilla = linea.find(", seed "); linea.rfind("# position ", 0) == 0 && semilla != linea.npos) {
      uint64_t s = 0;
      size_t k = semilla + 7;
      for (; k < linea.size() && std::isdigit(static_cast<unsigned char>(linea[k])) && s < UINT64_MAX / 10 - 9; ++k) {
        s = s * 10 + static_cast<uint64_t>(linea[k] - '0');
      }
      if (k > semilla + 7) j.semilla = s;
      continue;
    }
    std::istringstream palabras(linea.substr(0, linea.find('#')));
    std::string orden, valor;
    palabras >> orden;
    if (orden == "wait") {
      int64_t ms = 0;
      if (!(palabras >> valor) || !Milisegundos(valor, ms)) return false;
      ahora += ms;
    } else if (orden == "rand") {
      for (int v = 0; palabras >> v;) j.sorteos.push_back(v);
      if (!palabras.eof()) return false;
    } else if (orden == "key") {
      int codigo = 0;
      palabras >> codigo;
      const Comando c = teclado.Resolver(codigo, false, Contexto::Ventana);
      if (!EsTeclaDeJuego(c)) return false;
      j.teclas.push_back({ahora, c});
    }
  }
  return !j.teclas.empty() || !j.sorteos.empty();
}

// The game of those keys and draws played again by the headless host, with
// its whole script.
ResultadoPartida JugarOtraVez(const NivelPropio& nivel, const Jugada& j, bool conSemilla, std::string& guion) {
  auto teclas = std::make_shared<const std::vector<TeclaPrueba>>(j.teclas);
  OpcionesPartida o;
  o.semilla = conSemilla ? *j.semilla : 0;
  o.sorteos = conSemilla ? nullptr : &j.sorteos;
  // The win comes soon after the last key, or never.
  o.limiteSegundos = static_cast<int>((teclas->empty() ? 0 : teclas->back().ms) / 1000) + 120;
  o.mano = [teclas, i = size_t{0}](const Juego&, const std::function<void(Comando)>& dar, int64_t ahora,
                                   int64_t& siguiente) mutable {
    const bool toca = i < teclas->size() && (*teclas)[i].ms <= ahora;
    if (toca) dar((*teclas)[i++].comando);
    siguiente = i < teclas->size() ? (*teclas)[i].ms : Conductor::kNunca;
    return toca;
  };
  std::ostringstream escrito;
  o.guion = &escrito;
  const ResultadoPartida r = JugarNivel(nivel, o);
  guion = escrito.str();
  return r;
}

std::string Texto(const Traductor& t, const char* plantilla, std::initializer_list<std::string_view> valores = {}) {
  return Formato(t.traducir("CodigoCompartir", plantilla), valores);
}

}  // namespace

std::string CodigoDeNivel(const NivelDePaquete& n, std::string& error, const Traductor& traductor) {
  const Grupo* grupo = GrupoDe(n.nivel);
  Jugada j;
  if (grupo == nullptr || !n.Probado()) {
    error = Texto(traductor, TUMBLA_TEXTO("CodigoCompartir", "el nivel no tiene prueba de que se pueda ganar"));
    return {};
  }
  // The seed that made the draws when it makes them again, else the draws.
  std::string guion;
  if (!LeerJugada(n.prueba->guion, j)) {
    error = Texto(traductor, TUMBLA_TEXTO("CodigoCompartir", "su prueba no es una partida de teclas de juego"));
    return {};
  }
  const bool conSemilla = j.semilla && JugarOtraVez(n.nivel, j, true, guion).ganada;
  if (!conSemilla && !JugarOtraVez(n.nivel, j, false, guion).ganada) {
    error = Texto(traductor, TUMBLA_TEXTO("CodigoCompartir", "su prueba no se puede volver a jugar con sus teclas"));
    return {};
  }
  std::string d;
  d += static_cast<char>(grupo - Grupos().data());
  const NivelPropio& v = n.nivel;
  for (int campo : {v.lineas, v.bloquesExtra, v.subida, v.borrarCada, v.gota, v.gotaRosa, v.maceta}) {
    Varint(d, static_cast<uint64_t>(campo));
  }
  Varint(d, v.bloques.size());
  int antes = 0;
  for (int c : v.bloques) Varint(d, static_cast<uint64_t>(c - std::exchange(antes, c)));
  Varint(d, v.nombre.size());
  d += v.nombre;
  Varint(d, v.descripcion.size());
  d += v.descripcion;
  Varint(d, conSemilla ? 0 : 1);
  if (conSemilla) {
    Varint(d, *j.semilla);
  } else {
    Varint(d, j.sorteos.size());
    for (int s : j.sorteos) Varint(d, static_cast<uint64_t>(s));
  }
  Varint(d, j.teclas.size());
  int64_t t = 0, paso = 0;
  for (const TeclaPrueba& k : j.teclas) {
    const int64_t nuevo = k.ms - t;
    Varint(d, ZigZag(nuevo - paso) << 3 | static_cast<uint64_t>(static_cast<int>(k.comando) - 1));
    t = k.ms;
    paso = nuevo;
  }
  const uint32_t crc = Crc32(d);
  for (int k = 0; k < 4; ++k) d += static_cast<char>((crc >> (8 * k)) & 0xFF);
  return kPrefijoCodigo + Base64(d);
}

LecturaCodigo LeerCodigo(std::string_view codigo, const Traductor& t) {
  LecturaCodigo l;
  while (!codigo.empty() && std::isspace(static_cast<unsigned char>(codigo.front()))) codigo.remove_prefix(1);
  while (!codigo.empty() && std::isspace(static_cast<unsigned char>(codigo.back()))) codigo.remove_suffix(1);
  const std::string_view prefijo = kPrefijoCodigo;
  const auto fallo = [&](const char* plantilla, std::initializer_list<std::string_view> valores = {}) {
    l = {};
    l.error = Texto(t, plantilla, valores);
    return l;
  };
  if (codigo.size() > kLargoCodigo) return fallo(TUMBLA_TEXTO("CodigoCompartir", "el código es demasiado largo"));
  if (codigo.substr(0, 6) != prefijo.substr(0, 6)) {
    return fallo(TUMBLA_TEXTO("CodigoCompartir", "no es un código de nivel de Tumbla"));
  }
  if (codigo.substr(0, prefijo.size()) != prefijo) {
    return fallo(TUMBLA_TEXTO("CodigoCompartir", "es un código de otra versión del juego (este lee la %1)"),
                 {std::to_string(kVersion)});
  }
  std::string d;
  if (!DeBase64(codigo.substr(prefijo.size()), d)) {
    return fallo(TUMBLA_TEXTO("CodigoCompartir", "el código tiene caracteres que no son suyos"));
  }
  if (d.size() < 5) return fallo(TUMBLA_TEXTO("CodigoCompartir", "el código está incompleto"));
  uint32_t crc = 0;
  for (int k = 0; k < 4; ++k) crc |= static_cast<uint32_t>(static_cast<unsigned char>(d[d.size() - 4 + k])) << (8 * k);
  d.resize(d.size() - 4);
  if (crc != Crc32(d)) return fallo(TUMBLA_TEXTO("CodigoCompartir", "el código está incompleto o mal copiado"));
  return LeerBytesCodigo(d, t);
}

LecturaCodigo LeerBytesCodigo(std::string_view d, const Traductor& traductor) {
  LecturaCodigo l;
  const auto fallo = [&](const char* plantilla, std::initializer_list<std::string_view> valores = {}) {
    l = {};
    l.error = Texto(traductor, plantilla, valores);
    return l;
  };
  Lector r(d);
  NivelPropio& v = l.nivel.nivel;
  Jugada j;
  int grupo = 0, bloques = 0, modo = 0;
  bool bien = r.Entero(grupo, static_cast<int>(Grupos().size()) - 1);
  for (int* campo : {&v.lineas, &v.bloquesExtra, &v.subida, &v.borrarCada, &v.gota, &v.gotaRosa, &v.maceta}) {
    bien = bien && r.Entero(*campo, 9999);
  }
  bien = bien && r.Entero(bloques, kCeldas);
  for (int k = 0, c = 0, paso = 0; bien && k < bloques; ++k) {
    bien = r.Entero(paso, kCeldas) && (c += paso) < kCeldas && v.bloques.insert(c).second;
  }
  bien = bien && r.Texto(v.nombre, kLargoNombre * 4) && r.Texto(v.descripcion, kLargoDescripcion * 4) &&
         r.Entero(modo, 1);
  uint64_t semilla = 0, teclas = 0, sorteos = 0;
  if (bien && modo == 0) {
    bien = r.Varint(semilla, UINT64_MAX);
    j.semilla = semilla;
  } else if (bien) {
    bien = r.Varint(sorteos, kMaxSorteos);
    for (uint64_t k = 0; bien && k < sorteos; ++k) {
      int s = 0;
      bien = r.Entero(s, 1000);
      j.sorteos.push_back(s);
    }
  }
  bien = bien && r.Varint(teclas, kMaxTeclas);
  int64_t t = 0, paso = 0;
  for (uint64_t k = 0; bien && k < teclas; ++k) {
    uint64_t u = 0;
    bien = r.Varint(u, UINT64_MAX) && DeZigZag(u >> 3) >= -kMaxMs && DeZigZag(u >> 3) <= kMaxMs;
    paso += bien ? DeZigZag(u >> 3) : 0;
    t += paso;
    bien = bien && paso >= 0 && t <= kMaxMs;
    j.teclas.push_back({t, static_cast<Comando>((u & 7) + 1)});
  }
  if (!bien || !r.AlFinal()) return fallo(TUMBLA_TEXTO("CodigoCompartir", "el código no describe un nivel"));
  v.grupo = Grupos()[static_cast<size_t>(grupo)].codigo;
  if (std::string f = FaltaEnTexto(v.nombre, kLargoNombre, true, TextoDe::Nombre, traductor); !f.empty()) {
    return fallo("%1", {f});
  }
  if (std::string f = FaltaEnTexto(v.descripcion, kLargoDescripcion, false, TextoDe::Descripcion, traductor);
      !f.empty()) {
    return fallo("%1", {f});
  }
  if (const auto faltas = Faltas(v, traductor); !faltas.empty()) {
    return fallo(TUMBLA_TEXTO("CodigoCompartir", "el nivel no vale: %1"), {faltas.front().motivo});
  }
  // Fields the group does not use are 0, as the level's record has them.
  const std::string nombre = v.nombre, descripcion = v.descripcion;
  v = NivelDeRegistro(*GrupoDe(v), CamposDe(v));
  v.nombre = nombre;
  v.descripcion = descripcion;
  Prueba prueba{Huella(v), {}};
  JugarOtraVez(v, j, modo == 0, prueba.guion);
  if (const std::string f = VerificarPrueba(v, prueba, nullptr, traductor); !f.empty()) {
    return fallo(TUMBLA_TEXTO("CodigoCompartir", "su prueba no vale: %1"), {f});
  }
  l.nivel.prueba = std::move(prueba);
  return l;
}

}  // namespace tumbla
