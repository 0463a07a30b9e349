#include "grabacion/ArchivoRepeticion.h"

#include <array>
#include <cstdio>
#include <utility>
#include <vector>

#include "game/Marcador.h"
#include "game/Reglas.h"
#include "levels/Niveles.h"
#include "game/Textos.h"

namespace tumbla {

namespace {

constexpr const char* kCabecera = kCabeceraRepeticion;
constexpr int64_t kDuracionMaxima = int64_t{30} * 24 * 3600 * 1000;  // a month of play, in ms
constexpr int32_t kPiezasMaximas = 99999999;

constexpr std::array<std::pair<Derrota, const char*>, 5> kMotivos{{
    {Derrota::Entrada, "entrada"},
    {Derrota::Desborde, "desborde"},
    {Derrota::Planta, "planta"},
    {Derrota::Tiempo, "tiempo"},
    {Derrota::Abandono, "abandono"},
}};

std::string Hex(uint64_t v) {
  char texto[17];
  std::snprintf(texto, sizeof texto, "%016llx", static_cast<unsigned long long>(v));
  return texto;
}

std::string Milisegundos(int64_t ms) {
  char texto[32];
  std::snprintf(texto, sizeof texto, "%lld.%03lld", static_cast<long long>(ms / 1000),
                static_cast<long long>(ms % 1000));
  return texto;
}

bool Digitos(std::string_view t, size_t minimo, size_t maximo) {
  if (t.size() < minimo || t.size() > maximo) return false;
  for (char c : t) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::vector<std::string_view> Palabras(std::string_view linea) {
  std::vector<std::string_view> w;
  size_t k = 0;
  while (k < linea.size()) {
    while (k < linea.size() && linea[k] == ' ') ++k;
    const size_t inicio = k;
    while (k < linea.size() && linea[k] != ' ') ++k;
    if (k > inicio) w.push_back(linea.substr(inicio, k - inicio));
  }
  return w;
}

// The head's lines one by one, and what is wrong with them.
class Lector {
 public:
  explicit Lector(std::string_view texto) : texto_(texto) {}

  // The next line's words after its field name, which must be `campo`.
  bool Campo(const char* campo, std::vector<std::string_view>& w) {
    ++numero_;
    const size_t fin = texto_.find('\n', pos_);
    if (fin == std::string_view::npos) return Falta(TUMBLA_TEXTO("Repeticiones", "falta la línea «%1»"), campo);
    std::string_view linea = texto_.substr(pos_, fin - pos_);
    pos_ = fin + 1;
    if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
    w = Palabras(linea);
    if (w.empty() || w[0] != campo) return Falta(TUMBLA_TEXTO("Repeticiones", "se esperaba la línea «%1»"), campo);
    w.erase(w.begin());
    return true;
  }
  // The first fault: what (a marked text, %1 the field) and on which line.
  bool Falta(const char* que, const char* campo = "") {
    if (que_ == nullptr) {
      que_ = que;
      campo_ = campo;
      linea_ = numero_;
    }
    return false;
  }
  // The read of a file damaged at the first fault.
  LecturaRepeticion Danada() const {
    LecturaRepeticion l;
    l.fallo = FalloRepeticion::Danada;
    l.motivo = que_;
    l.linea = linea_;
    l.detalle = campo_;
    return l;
  }
  std::string_view Resto() const { return texto_.substr(pos_); }

 private:
  std::string_view texto_;
  size_t pos_ = 0;
  int numero_ = 0;
  const char* que_ = nullptr;
  const char* campo_ = "";
  int linea_ = 0;
};

bool Numero(std::string_view t, int64_t maximo, int64_t& v) {
  if (!Digitos(t, 1, 18)) return false;
  v = 0;
  for (char c : t) v = v * 10 + (c - '0');
  return v <= maximo;
}

// "YYYY-MM-DD HH:MM:SS".
bool Jugada(const std::vector<std::string_view>& w) {
  if (w.size() != 2 || w[0].size() != 10 || w[1].size() != 8) return false;
  const std::string_view f = w[0], h = w[1];
  return Digitos(f.substr(0, 4), 4, 4) && f[4] == '-' && Digitos(f.substr(5, 2), 2, 2) && f[7] == '-' &&
         Digitos(f.substr(8, 2), 2, 2) && Digitos(h.substr(0, 2), 2, 2) && h[2] == ':' &&
         Digitos(h.substr(3, 2), 2, 2) && h[5] == ':' && Digitos(h.substr(6, 2), 2, 2);
}

// "m:ss", minutes of up to eight figures.
bool Reloj(std::string_view t) {
  const size_t dos = t.find(':');
  return dos != std::string_view::npos && Digitos(t.substr(0, dos), 1, 8) && Digitos(t.substr(dos + 1), 2, 2) &&
         t[dos + 1] < '6';
}

// Seconds with three decimals, as ms.
bool Duracion(std::string_view t, int64_t& ms) {
  const size_t punto = t.find('.');
  int64_t s = 0, m = 0;
  if (punto == std::string_view::npos || !Numero(t.substr(0, punto), kDuracionMaxima / 1000, s) ||
      !Digitos(t.substr(punto + 1), 3, 3) || !Numero(t.substr(punto + 1), 999, m)) {
    return false;
  }
  ms = s * 1000 + m;
  return ms <= kDuracionMaxima;
}

bool Bandera(const std::vector<std::string_view>& w, bool& b) {
  if (w.size() != 1 || (w[0] != "0" && w[0] != "1")) return false;
  b = w[0] == "1";
  return true;
}

// The level: position, key and the group's name, which must agree.
bool Nivel(const std::vector<std::string_view>& w, Resumen& r) {
  int64_t p = 0;
  if (w.size() != 3 || !Numero(w[0], kNumNiveles, p) || p < 1 || w[1].size() < 7 || w[1].size() > 9 ||
      w[1][5] != ',' || !Digitos(w[1].substr(6), 1, 3)) {
    return false;
  }
  const Grupo* g = BuscarGrupo(w[1].substr(0, 5));
  if (g == nullptr || w[2] != g->nombre) return false;
  r.posicion = static_cast<int>(p);
  r.clave = w[1];
  r.nombre = w[2];
  return true;
}

bool LeerResultado(const std::vector<std::string_view>& w, Resumen& r) {
  if (w.size() == 1 && w[0] == "ganado") {
    r.resultado = Resultado::Ganado;
    return true;
  }
  if (w.size() == 1 && w[0] == "sin-acabar") {
    r.resultado = Resultado::SinAcabar;
    return true;
  }
  if (w.size() != 2 || w[0] != "perdido") return false;
  for (const auto& [d, nombre] : kMotivos) {
    if (w[1] == nombre) {
      r.resultado = Resultado::Perdido;
      r.derrota = d;
      return true;
    }
  }
  return false;
}

// A script is text: no control characters but line ends and tabs.
bool TextoLimpio(std::string_view t) {
  for (unsigned char c : t) {
    if (c < 0x20 && c != '\n' && c != '\r' && c != '\t') return false;
    if (c == 0x7F) return false;
  }
  return true;
}

const char* Motivo(Derrota d) {
  for (const auto& [derrota, nombre] : kMotivos) {
    if (derrota == d) return nombre;
  }
  return "entrada";
}

}  // namespace

bool LeerHex(std::string_view t, uint64_t& v) {
  if (t.size() != 16) return false;
  v = 0;
  for (char c : t) {
    const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (d < 0) return false;
    v = v << 4 | static_cast<uint64_t>(d);
  }
  return true;
}

uint64_t Huella(std::string_view texto, uint64_t h) {
  for (unsigned char c : texto) h = (h ^ c) * 1099511628211ull;
  return h;
}

bool Resumen::MismoFinal(const Resumen& o) const {
  return posicion == o.posicion && clave == o.clave && resultado == o.resultado && derrota == o.derrota &&
         puntos == o.puntos && piezas == o.piezas && reloj == o.reloj && duracionMs == o.duracionMs &&
         tablero == o.tablero && demo == o.demo && pista == o.pista;
}

std::string EscribirRepeticion(const Grabacion& g, uint64_t huellaNiveles) {
  const Resumen& r = g.resumen;
  std::string t;
  t.reserve(g.guion.size() + 512);
  t += std::string(kCabecera) + " " + std::to_string(kVersionFormatoRepeticion) + "\n";
  t += "reglas " + std::to_string(kVersionReglas) + "\n";
  t += "niveles " + Hex(huellaNiveles) + "\n";
  t += "nivel " + std::to_string(r.posicion) + " " + r.clave + " " + r.nombre + "\n";
  t += "jugada " + r.jugada + "\n";
  t += "resultado ";
  t += r.resultado == Resultado::Ganado    ? std::string("ganado")
       : r.resultado == Resultado::Perdido ? std::string("perdido ") + Motivo(r.derrota)
                                           : std::string("sin-acabar");
  t += "\npuntos " + std::to_string(r.puntos) + "\n";
  t += "piezas " + std::to_string(r.piezas) + "\n";
  t += "reloj " + (r.reloj.empty() ? std::string("-") : r.reloj) + "\n";
  t += "duracion " + Milisegundos(r.duracionMs) + "\n";
  t += "tablero " + Hex(r.tablero) + "\n";
  t += std::string("demo ") + (r.demo ? "1" : "0") + "\n";
  t += std::string("pista ") + (r.pista ? "1" : "0") + "\n";
  t += "guion " + std::to_string(g.guion.size()) + " " + Hex(Huella(g.guion)) + "\n";
  t += g.guion;
  return t;
}

LecturaRepeticion LeerRepeticion(std::string_view texto, uint64_t huellaNiveles) {
  LecturaRepeticion l;
  const auto fallo = [&l](FalloRepeticion f, std::string detalle) {
    l.fallo = f;
    l.detalle = std::move(detalle);
    return l;
  };
  // Damaged, not at a line of the head.
  const auto danada = [&l](const char* motivo) {
    l.fallo = FalloRepeticion::Danada;
    l.motivo = motivo;
    return l;
  };
  if (texto.size() > kLargoMaximoRepeticion) return fallo(FalloRepeticion::Grande, "");
  if (texto.compare(0, 3, "\xEF\xBB\xBF") == 0) texto.remove_prefix(3);
  const std::string cabecera = std::string(kCabecera) + " ";
  if (texto.compare(0, cabecera.size(), cabecera) != 0) return fallo(FalloRepeticion::Ajena, "");

  Lector lector(texto);
  std::vector<std::string_view> w;
  Resumen& r = l.grabacion.resumen;
  int64_t n = 0;
  uint64_t h = 0;
  // What it was played with comes first: a replay of other rules or records
  // is told as such, whatever else it holds.
  if (!lector.Campo(kCabecera, w) || w.size() != 1 || !Numero(w[0], 999999, n)) {
    return danada(TUMBLA_TEXTO("Repeticiones", "no dice de qué versión es"));
  }
  if (n != kVersionFormatoRepeticion) return fallo(FalloRepeticion::Formato, std::string(w[0]));
  if (!lector.Campo("reglas", w) || w.size() != 1 || !Numero(w[0], 999999, n)) {
    lector.Falta(TUMBLA_TEXTO("Repeticiones", "no dice con qué reglas se jugó"));
    return lector.Danada();
  }
  if (n != kVersionReglas) return fallo(FalloRepeticion::Reglas, std::string(w[0]));
  if (!lector.Campo("niveles", w) || w.size() != 1 || !LeerHex(w[0], h)) {
    lector.Falta(TUMBLA_TEXTO("Repeticiones", "no dice con qué niveles se jugó"));
    return lector.Danada();
  }
  if (h != huellaNiveles) return fallo(FalloRepeticion::Niveles, "");

  const auto mal = [&](const char* que) {
    lector.Falta(que);
    return lector.Danada();
  };
  int64_t puntos = 0, piezas = 0, largo = 0;
  if (!lector.Campo("nivel", w) || !Nivel(w, r)) {
    return mal(TUMBLA_TEXTO("Repeticiones", "el nivel no es ninguno del juego"));
  }
  if (!lector.Campo("jugada", w) || !Jugada(w)) {
    return mal(TUMBLA_TEXTO("Repeticiones", "la fecha no es AAAA-MM-DD HH:MM:SS"));
  }
  r.jugada = std::string(w[0]) + " " + std::string(w[1]);
  if (!lector.Campo("resultado", w) || !LeerResultado(w, r)) {
    return mal(TUMBLA_TEXTO("Repeticiones", "el resultado no es ninguno del juego"));
  }
  if (!lector.Campo("puntos", w) || w.size() != 1 || !Numero(w[0], kPuntosMaximos, puntos)) {
    return mal(TUMBLA_TEXTO("Repeticiones", "los puntos no son un número"));
  }
  if (!lector.Campo("piezas", w) || w.size() != 1 || !Numero(w[0], kPiezasMaximas, piezas)) {
    return mal(TUMBLA_TEXTO("Repeticiones", "las piezas no son un número"));
  }
  if (!lector.Campo("reloj", w) || w.size() != 1 || (w[0] != "-" && !Reloj(w[0]))) {
    return mal(TUMBLA_TEXTO("Repeticiones", "el reloj no es m:ss ni -"));
  }
  r.reloj = w[0] == "-" ? "" : std::string(w[0]);
  if (!lector.Campo("duracion", w) || w.size() != 1 || !Duracion(w[0], r.duracionMs)) {
    return mal(TUMBLA_TEXTO("Repeticiones", "la duración no son segundos"));
  }
  if (!lector.Campo("tablero", w) || w.size() != 1 || !LeerHex(w[0], r.tablero)) {
    return mal(TUMBLA_TEXTO("Repeticiones", "el tablero no es una huella"));
  }
  if (!lector.Campo("demo", w) || !Bandera(w, r.demo)) return mal(TUMBLA_TEXTO("Repeticiones", "demo no es 0 ni 1"));
  if (!lector.Campo("pista", w) || !Bandera(w, r.pista)) return mal(TUMBLA_TEXTO("Repeticiones", "pista no es 0 ni 1"));
  if (!lector.Campo("guion", w) || w.size() != 2 || !Numero(w[0], kLargoMaximoGuion, largo) || !LeerHex(w[1], h)) {
    return mal(TUMBLA_TEXTO("Repeticiones", "el guion no dice su largo y su huella"));
  }
  r.puntos = static_cast<int32_t>(puntos);
  r.piezas = static_cast<int32_t>(piezas);
  const std::string_view guion = lector.Resto();
  if (guion.size() < static_cast<size_t>(largo)) return danada(TUMBLA_TEXTO("Repeticiones", "el guion está cortado"));
  if (guion.size() > static_cast<size_t>(largo)) return danada(TUMBLA_TEXTO("Repeticiones", "hay algo tras el guion"));
  if (Huella(guion) != h) return danada(TUMBLA_TEXTO("Repeticiones", "el guion no es el que se grabó"));
  if (!TextoLimpio(guion)) return danada(TUMBLA_TEXTO("Repeticiones", "el guion no es texto"));
  l.grabacion.guion = guion;
  return l;
}

std::string TextoFallo(const LecturaRepeticion& l, const std::string& nombre, const Traductor& t) {
  const auto texto = [&t](const char* plantilla, std::initializer_list<std::string_view> valores) {
    return Formato(t.traducir("Repeticiones", plantilla), valores);
  };
  switch (l.fallo) {
    case FalloRepeticion::Ninguno:
      break;
    case FalloRepeticion::Grande:
      return texto(
          TUMBLA_TEXTO("Repeticiones", "«%1» es demasiado grande para ser una repetición de Tumbla (más de 1 MB)."),
          {nombre});
    case FalloRepeticion::Ajena:
      return texto(TUMBLA_TEXTO("Repeticiones", "«%1» no es una repetición de Tumbla."), {nombre});
    case FalloRepeticion::Formato:
      return texto(TUMBLA_TEXTO("Repeticiones", "«%1» es una repetición de otra versión de Tumbla (formato %2), "
                                                "que esta no sabe leer."),
                   {nombre, l.detalle});
    case FalloRepeticion::Reglas:
      return texto(TUMBLA_TEXTO("Repeticiones", "«%1» se grabó con otra versión de las reglas (la %2; esta versión "
                                                "juega con la %3): aquí no se jugaría igual, así que no se reproduce."),
                   {nombre, l.detalle, std::to_string(kVersionReglas)});
    case FalloRepeticion::Niveles:
      return texto(TUMBLA_TEXTO("Repeticiones", "«%1» se grabó con otros registros de niveles: con los de este juego "
                                                "no se jugaría igual, así que no se reproduce."),
                   {nombre});
    case FalloRepeticion::Danada: {
      const std::string motivo = l.motivo != nullptr ? texto(l.motivo, {l.detalle}) : l.detalle;
      if (l.linea == 0) return texto(TUMBLA_TEXTO("Repeticiones", "«%1» está dañada (%2)."), {nombre, motivo});
      return texto(TUMBLA_TEXTO("Repeticiones", "«%1» está dañada (línea %2: %3)."),
                   {nombre, std::to_string(l.linea), motivo});
    }
  }
  return {};
}

std::string TextoResultado(const Resumen& r) {
  switch (r.resultado) {
    case Resultado::Ganado:
      return TUMBLA_TEXTO("Repeticiones", "Ganado");
    case Resultado::SinAcabar:
      return TUMBLA_TEXTO("Repeticiones", "Sin acabar");
    case Resultado::Perdido:
      break;
  }
  switch (r.derrota) {
    case Derrota::Abandono: return TUMBLA_TEXTO("Repeticiones", "Abandonado");
    case Derrota::Tiempo: return TUMBLA_TEXTO("Repeticiones", "Perdido (tiempo)");
    case Derrota::Planta: return TUMBLA_TEXTO("Repeticiones", "Perdido (planta)");
    case Derrota::Desborde: return TUMBLA_TEXTO("Repeticiones", "Perdido (desborde)");
    default: break;
  }
  return TUMBLA_TEXTO("Repeticiones", "Perdido (sin sitio)");
}

}  // namespace tumbla
