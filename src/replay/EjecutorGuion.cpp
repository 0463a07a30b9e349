#include "replay/EjecutorGuion.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include <optional>

#include "grabacion/NombresComando.h"
#include "motor/Juego.h"
#include "almacen/Ini.h"
#include "replay/Volcado.h"

namespace tumbla {

namespace {

constexpr int kPrimeraPosicion = 1;
constexpr int kMaximoTicks = 1000000;          // keeps every run short
constexpr int64_t kMaximoEspera = 86400000;    // one day, in ms
constexpr int kMaximoValor = 999999999;        // nine digits never overflow

std::vector<std::string> Palabras(std::string_view texto) {
  const auto almohadilla = texto.find('#');
  if (almohadilla != std::string_view::npos) texto = texto.substr(0, almohadilla);
  std::vector<std::string> palabras;
  size_t k = 0;
  while (k < texto.size()) {
    while (k < texto.size() && (texto[k] == ' ' || texto[k] == '\t' || texto[k] == '\r')) ++k;
    const size_t inicio = k;
    while (k < texto.size() && texto[k] != ' ' && texto[k] != '\t' && texto[k] != '\r') ++k;
    if (k > inicio) palabras.emplace_back(texto.substr(inicio, k - inicio));
  }
  return palabras;
}

bool SoloDigitos(std::string_view t) {
  if (t.empty()) return false;
  for (char c : t) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// A decimal number 0..maximo.
int Numero(const std::string& t, int maximo, const char* que) {
  if (!SoloDigitos(t) || t.size() > 9) throw ErrorGuion("bad number '" + t + "' for " + que);
  const int v = std::stoi(t);
  if (v > maximo) {
    throw ErrorGuion(std::string(que) + " " + t + " outside 0.." + std::to_string(maximo));
  }
  return v;
}

int Posicion(const std::string& t) {
  if (!SoloDigitos(t) || t.size() > 9) throw ErrorGuion("bad number '" + t + "' for position");
  const int p = std::stoi(t);
  if (p < kPrimeraPosicion || p > kNumNiveles) {
    throw ErrorGuion("position " + t + " outside 1.." + std::to_string(kNumNiveles));
  }
  return p;
}

// Seconds with at most three decimals, as whole milliseconds.
int64_t Milisegundos(const std::string& t) {
  if (!t.empty() && t[0] == '-') throw ErrorGuion("negative wait '" + t + "'");
  const auto punto = t.find('.');
  const std::string entera = t.substr(0, punto);
  const std::string decimales = punto == std::string::npos ? "" : t.substr(punto + 1);
  if (!SoloDigitos(entera) || entera.size() > 9 ||
      (punto != std::string::npos && !SoloDigitos(decimales))) {
    throw ErrorGuion("bad number '" + t + "' for wait");
  }
  if (decimales.size() > 3) throw ErrorGuion("wait '" + t + "' has more than three decimals");
  int64_t ms = std::stoll(entera) * 1000;
  int64_t escala = 100;
  for (char c : decimales) {
    ms += (c - '0') * escala;
    escala /= 10;
  }
  if (ms > kMaximoEspera) throw ErrorGuion("wait '" + t + "' longer than a day");
  return ms;
}

Fecha LeerFecha(const std::string& t) {
  const bool forma = t.size() == 10 && t[4] == '/' && t[7] == '/' && SoloDigitos(t.substr(0, 4)) &&
                     SoloDigitos(t.substr(5, 2)) && SoloDigitos(t.substr(8, 2));
  if (!forma) throw ErrorGuion("bad date '" + t + "' (YYYY/MM/DD)");
  Fecha f{std::stoi(t.substr(0, 4)), std::stoi(t.substr(5, 2)), std::stoi(t.substr(8, 2))};
  if (f.mes < 1 || f.mes > 12 || f.dia < 1 || f.dia > 31) throw ErrorGuion("bad date '" + t + "'");
  return f;
}

bool EsSeccion(const std::string& palabra) {
  return palabra.size() > 2 && palabra.front() == '[' && palabra.back() == ']' &&
         palabra.find_first_of("[]", 1) == palabra.size() - 1;
}

Temporizador TemporizadorDe(const std::string& cual) {
  if (cual == "juego") return Temporizador::Juego;
  if (cual == "gota") return Temporizador::Gota;
  if (cual == "bloque") return Temporizador::BloqueExtra;
  throw ErrorGuion("unknown timer '" + cual + "' (juego, gota or bloque)");
}

void Argumentos(const std::vector<std::string>& w, size_t minimo, size_t maximo) {
  const size_t n = w.size() - 1;
  if (n < minimo) throw ErrorGuion("'" + w[0] + "' needs " + (minimo == 1 ? "an argument" : "more arguments"));
  if (n > maximo) throw ErrorGuion("too many arguments for '" + w[0] + "'");
}

std::filesystem::path CarpetaNueva() {
  std::random_device semilla;
  const auto base = std::filesystem::temp_directory_path();
  for (int intento = 0; intento < 100; ++intento) {
    std::ostringstream nombre;
    nombre << "tumbla-replay-" << std::hex << semilla() << '-'
           << std::chrono::steady_clock::now().time_since_epoch().count();
    const auto carpeta = base / nombre.str();
    if (std::filesystem::create_directory(carpeta)) return carpeta;
  }
  throw ErrorGuion("could not create a temporary folder");
}

}  // namespace

InformeContado::int_type InformeContado::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  if (traits_type::to_char_type(c) == '\n') ++lineas_;
  return destino_.sputc(traits_type::to_char_type(c));
}

std::streamsize InformeContado::xsputn(const char* s, std::streamsize n) {
  lineas_ += std::count(s, s + n, '\n');
  return destino_.sputn(s, n);
}

EjecutorGuion::EjecutorGuion(std::ostream& informe, LimitesGuion limites, CatalogoNiveles niveles)
    : limites_(limites),
      contado_(informe),
      informe_(&contado_),
      plataforma_(informe_),
      carpeta_(CarpetaNueva()),
      ini_(carpeta_ / "tumbla.ini"),
      niveles_(std::move(niveles)) {
  plataforma_.carpeta = TextoRuta(carpeta_);
}

EjecutorGuion::~EjecutorGuion() {
  juego_.reset();
  std::error_code ec;
  std::filesystem::permissions(ini_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(carpeta_, ec);
}

void EjecutorGuion::Linea(std::string_view texto) {
  auto w = Palabras(texto);
  // "+S COMMAND": a live script's clock runs S seconds first. "COMMAND *N":
  // N times over (with the run before each).
  int64_t antes = -1;
  int veces = 1;
  if (!w.empty() && w[0][0] == '+') {
    antes = Milisegundos(w[0].substr(1));
    w.erase(w.begin());
    if (w.empty()) throw ErrorGuion("a time with no command after it");
  }
  if (w.size() > 1 && w.back()[0] == '*') {
    static const std::set<std::string> kRepetibles{"key", "shutter", "held", "command", "cpu", "click", "reply"};
    if (kRepetibles.count(w[0]) == 0) throw ErrorGuion("'" + w[0] + "' takes no count");
    veces = Numero(w.back().substr(1), kMaximoTicks, "count");
    if (veces < 1) throw ErrorGuion("a count must be at least 1");
    w.pop_back();
  }
  if (antes >= 0) {
    RequiereArranque("+");
    Vivo("+", true);
  }
  for (int n = 0; n < veces && !w.empty(); ++n) {
    if (antes >= 0) Adelantar(antes);
    Comando(w);
    LimiteInforme();
  }
  LimiteInforme();
}

void EjecutorGuion::LimiteInforme() const {
  if (contado_.lineas() > limites_.lineasInforme) {
    throw ErrorGuion("the report is longer than " + std::to_string(limites_.lineasInforme) + " lines");
  }
}

void EjecutorGuion::RequiereArranque(const std::string& comando) const {
  if (!juego_) throw ErrorGuion("'" + comando + "' before start");
}

void EjecutorGuion::Comando(const std::vector<std::string>& w) {
  using Orden = void (EjecutorGuion::*)(const std::vector<std::string>&);
  static const std::map<std::string, Orden> kOrdenes = {
      {"date", &EjecutorGuion::FijarFecha},   {"ini", &EjecutorGuion::Ini},       {"start", &EjecutorGuion::Arranque},
      {"rand", &EjecutorGuion::Azar},     {"window", &EjecutorGuion::Ventana}, {"play", &EjecutorGuion::Jugar},
      {"key", &EjecutorGuion::Tecla},     {"shutter", &EjecutorGuion::Tecla},  {"held", &EjecutorGuion::Tecla},  {"menu", &EjecutorGuion::Menu},
      {"answer", &EjecutorGuion::Respuesta}, {"tick", &EjecutorGuion::Tick},   {"wait", &EjecutorGuion::Espera},
      {"dump", &EjecutorGuion::Volcado},   {"live", &EjecutorGuion::Vivo},      {"run", &EjecutorGuion::Correr},
      {"reply", &EjecutorGuion::Contestar}, {"choose", &EjecutorGuion::Escoger}, {"phase", &EjecutorGuion::Fase},
      {"command", &EjecutorGuion::Orden},  {"cpu", &EjecutorGuion::Orden},     {"click", &EjecutorGuion::Clic},
      {"assign", &EjecutorGuion::Asignar}, {"level", &EjecutorGuion::Seguir},   {"nostore", &EjecutorGuion::SinGuardar}};
  const auto orden = kOrdenes.find(w[0]);
  if (orden == kOrdenes.end()) throw ErrorGuion("unknown command '" + w[0] + "'");
  (this->*orden->second)(w);
}

void EjecutorGuion::FijarFecha(const std::vector<std::string>& w) {
  Argumentos(w, 1, 1);
  const Fecha f = LeerFecha(w[1]);
  if (juego_) throw ErrorGuion("'date' after start");
  plataforma_.fecha = f;
}

void EjecutorGuion::Ini(const std::vector<std::string>& w) {
  Argumentos(w, 1, SIZE_MAX);
  for (size_t k = 1; k < w.size(); ++k) {
    const auto igual = w[k].find('=');
    if (EsSeccion(w[k])) continue;
    if (igual == std::string::npos || igual == 0 || w[k][0] == '[' || w[k][0] == ';') {
      throw ErrorGuion("bad settings line '" + w[k] + "' (KEY=VALUE or [SECTION])");
    }
  }
  if (juego_) throw ErrorGuion("'ini' after start");
  // Each command begins in section OROKORRA; a [SECTION] word takes the
  // words after it to that section.
  if (seccionAparte_) lineasIni_.push_back(std::string("[") + kSeccionIni + "]");
  seccionAparte_ = false;
  for (size_t k = 1; k < w.size(); ++k) {
    if (EsSeccion(w[k])) seccionAparte_ = true;
    lineasIni_.push_back(w[k]);
  }
}

void EjecutorGuion::Arranque(const std::vector<std::string>& w) {
  Argumentos(w, 0, 0);
  if (juego_) throw ErrorGuion("start given twice");
  Empezar();
}

void EjecutorGuion::Azar(const std::vector<std::string>& w) {
  Argumentos(w, 1, SIZE_MAX);
  std::vector<int> valores;
  for (size_t k = 1; k < w.size(); ++k) valores.push_back(Numero(w[k], kMaximoValor, "rand"));
  plataforma_.aleatorios.insert(plataforma_.aleatorios.end(), valores.begin(), valores.end());
}

void EjecutorGuion::Ventana(const std::vector<std::string>& w) {
  Argumentos(w, 1, SIZE_MAX);
  std::vector<int> respuestas;
  for (size_t k = 1; k < w.size(); ++k) {
    respuestas.push_back(w[k] == "escape" ? PlataformaGuion::kEscape : Posicion(w[k]));
  }
  RequiereArranque(w[0]);
  Vivo(w[0], false);
  plataforma_.ventanas.insert(plataforma_.ventanas.end(), respuestas.begin(), respuestas.end());
}

void EjecutorGuion::Jugar(const std::vector<std::string>& w) {
  Argumentos(w, 1, 1);
  const int p = Posicion(w[1]);
  RequiereArranque(w[0]);
  if (!plataforma_.vivo) plataforma_.ventanas.push_back(p);
  grabadora_->Ejecutar(Comando::Nuevo);
  // A live script chooses at once, when the window opened at once.
  if (plataforma_.vivo && juego_->vista().peticion().tipo == TipoPeticion::Selector) {
    grabadora_->Elegir(juego_->selector().ElegirPosicion(p));
  }
  Atender();
}

void EjecutorGuion::Tecla(const std::vector<std::string>& w) {
  Argumentos(w, 1, 1);
  const int codigo = Numero(w[1], 255, "key code");
  RequiereArranque(w[0]);
  // The main window sees its menus' shortcuts (F1, F2, F10, F11); the
  // shutter, which has the focus while it shows, sees a key after the board;
  // a held key's repeat comes to the board.
  if (w[0] == "held") {
    grabadora_->Tecla(codigo, Contexto::Tablero, /*repeticion=*/true);
  } else {
    grabadora_->Tecla(codigo, w[0] == "shutter" ? Contexto::Tablero : Contexto::Ventana);
  }
  Atender();
}

void EjecutorGuion::Menu(const std::vector<std::string>& w) {
  Argumentos(w, 1, 1);
  // Every menu item, by the name the input table gives it.
  const Entrada* item = EntradaDeGuion(w[1]);
  if (item == nullptr) throw ErrorGuion("unknown menu item '" + w[1] + "'");
  RequiereArranque(w[0]);
  grabadora_->Ejecutar(item->comando);
  Atender();
}

void EjecutorGuion::Respuesta(const std::vector<std::string>& w) {
  Argumentos(w, 1, SIZE_MAX);
  std::vector<bool> respuestas;
  for (size_t k = 1; k < w.size(); ++k) {
    if (w[k] != "ok" && w[k] != "cancel") throw ErrorGuion("bad answer '" + w[k] + "' (ok or cancel)");
    respuestas.push_back(w[k] == "ok");
  }
  RequiereArranque(w[0]);
  Vivo(w[0], false);
  plataforma_.respuestas.insert(plataforma_.respuestas.end(), respuestas.begin(), respuestas.end());
}

void EjecutorGuion::Tick(const std::vector<std::string>& w) {
  Argumentos(w, 1, 2);
  const std::string& cual = w[1];
  TemporizadorDe(cual);
  int veces = 1;
  if (w.size() == 3) {
    veces = Numero(w[2], kMaximoTicks, "tick count");
    if (veces < 1) throw ErrorGuion("tick count must be at least 1");
  }
  RequiereArranque(w[0]);
  if (ticks_ + veces > limites_.ticks) {
    throw ErrorGuion("more than " + std::to_string(limites_.ticks) + " timer events in the script");
  }
  ticks_ += veces;
  Ticks(cual, veces);
}

void EjecutorGuion::Espera(const std::vector<std::string>& w) {
  Argumentos(w, 1, 1);
  const int64_t ms = Milisegundos(w[1]);
  RequiereArranque(w[0]);
  Vivo(w[0], false);
  plataforma_.milisegundos += ms;
}

const char* EjecutorGuion::NombreTemporizador(Temporizador t) {
  return t == Temporizador::Juego ? "juego" : t == Temporizador::Gota ? "gota" : "bloque";
}

void EjecutorGuion::Volcado(const std::vector<std::string>& w) {
  Argumentos(w, 0, 0);
  RequiereArranque(w[0]);
  EscribirVolcado(informe_, *juego_, ini_);
}

void EjecutorGuion::Empezar() {
  if (!lineasIni_.empty() || sinGuardar_) {
    std::ofstream f(ini_, std::ios::binary);
    f << '[' << kSeccionIni << "]\n";
    for (const auto& l : lineasIni_) f << l << '\n';
    if (!f) throw ErrorGuion("could not write the settings file");
  }
  if (sinGuardar_) SoloLectura();
  grabadora_ = std::make_unique<Grabadora>(plataforma_, plataforma_.agenda);
  juego_ = std::make_unique<Juego>(*grabadora_, TextoRuta(ini_), niveles_);
  grabadora_->Conectar(juego_.get(), regrabar_);
  grabadora_->Inicializar();
  Atender();
}

void EjecutorGuion::Atender() { plataforma_.Atender(*juego_); }

void EjecutorGuion::Terminar() {
  if (grabadora_) grabadora_->Terminar();
}

void EjecutorGuion::Ticks(const std::string& cual, int veces) {
  const Temporizador t = TemporizadorDe(cual);
  for (int n = 0; n < veces; ++n) {
    // A live script's timer event is the one due now.
    if (plataforma_.vivo && !plataforma_.agenda.Tomar(t)) throw ErrorGuion("no event of timer '" + cual + "' is due now");
    if (!grabadora_->Disparar(t)) informe_ << "skipped " << cual << '\n';
    Atender();
  }
}

void EjecutorGuion::Vivo(const std::string& comando, bool vivo) const {
  if (plataforma_.vivo == vivo) return;
  throw ErrorGuion("'" + comando + "' " + (vivo ? "only in a live script" : "has no place in a live script"));
}

void EjecutorGuion::Vivo(const std::vector<std::string>& w) {
  Argumentos(w, 0, 0);
  if (juego_) throw ErrorGuion("'live' after start");
  plataforma_.vivo = true;
}

void EjecutorGuion::Correr(const std::vector<std::string>& w) {
  Argumentos(w, 1, 1);
  const int64_t ms = Milisegundos(w[1]);
  RequiereArranque(w[0]);
  Vivo(w[0], true);
  Adelantar(ms);
}

void EjecutorGuion::Adelantar(int64_t ms) {
  // The timer events due before the time reached happen on the way; one
  // due just then waits for what comes next.
  const int64_t hasta = plataforma_.agenda.Ahora() + ms;
  while (const auto t = plataforma_.agenda.Siguiente(hasta, false)) {
    if (++ticks_ > limites_.ticks) {
      throw ErrorGuion("more than " + std::to_string(limites_.ticks) + " timer events in the script");
    }
    if (!grabadora_->Disparar(*t)) informe_ << "skipped " << NombreTemporizador(*t) << '\n';
    LimiteInforme();
  }
}

void EjecutorGuion::Contestar(const std::vector<std::string>& w) {
  Argumentos(w, 0, 1);
  if (w.size() == 2 && w[1] != "ok" && w[1] != "cancel") throw ErrorGuion("bad answer '" + w[1] + "' (ok or cancel)");
  RequiereArranque(w[0]);
  Vivo(w[0], true);
  const Peticion p = juego_->vista().peticion();
  if (p.tipo == TipoPeticion::Ninguna) throw ErrorGuion("nothing waits for a reply");
  if (p.tipo == TipoPeticion::Selector) throw ErrorGuion("the level window waits for 'choose'");
  const bool ok = w.size() == 1 || w[1] == "ok";
  if (p.tipo == TipoPeticion::Pregunta) plataforma_.Contestada(p, ok);
  grabadora_->Responder(ok);
}

void EjecutorGuion::Escoger(const std::vector<std::string>& w) {
  Argumentos(w, 1, 1);
  const int p = w[1] == "escape" ? PlataformaGuion::kEscape : Posicion(w[1]);
  RequiereArranque(w[0]);
  Vivo(w[0], true);
  if (juego_->vista().peticion().tipo != TipoPeticion::Selector) throw ErrorGuion("the level window is not open");
  SelectorNiveles& selector = juego_->selector();
  const Eleccion e = p == PlataformaGuion::kEscape ? selector.Continuar() : selector.ElegirPosicion(p);
  if (e.tipo == Eleccion::Ninguna) throw ErrorGuion("the level-selection window refused position " + w[1]);
  grabadora_->Elegir(e);
}

void EjecutorGuion::Fase(const std::vector<std::string>& w) {
  Argumentos(w, 1, 3);
  std::vector<std::pair<Temporizador, int64_t>> fases;
  for (size_t k = 1; k < w.size(); ++k) {
    const auto igual = w[k].find('=');
    if (igual == std::string::npos) throw ErrorGuion("bad phase '" + w[k] + "' (TIMER=SECONDS)");
    fases.emplace_back(TemporizadorDe(w[k].substr(0, igual)), Milisegundos(w[k].substr(igual + 1)));
  }
  RequiereArranque(w[0]);
  Vivo(w[0], true);
  for (const auto& [t, ms] : fases) {
    if (!grabadora_->Desfasar(t, ms)) throw ErrorGuion(std::string("timer '") + NombreTemporizador(t) + "' does not run");
  }
}

void EjecutorGuion::Orden(const std::vector<std::string>& w) {
  Argumentos(w, 1, 1);
  const tumbla::Comando c = ComandoDeNombre(w[1]);
  if (c == tumbla::Comando::Ninguno) throw ErrorGuion("unknown command '" + w[1] + "'");
  RequiereArranque(w[0]);
  grabadora_->Ejecutar(c, w[0] == "cpu" ? Quien::Maquina : Quien::Persona);
  Atender();
}

void EjecutorGuion::Clic(const std::vector<std::string>& w) {
  Argumentos(w, 0, 0);
  RequiereArranque(w[0]);
  grabadora_->Clic();
  Atender();
}

void EjecutorGuion::Asignar(const std::vector<std::string>& w) {
  Argumentos(w, 1, 2);
  if (w[1] == "default" && w.size() == 2) {
    RequiereArranque(w[0]);
    grabadora_->TeclasPredeterminadas();
    return Atender();
  }
  const tumbla::Comando c = ComandoDeNombre(w[1]);
  const auto acciones = Entradas().first(kAccionesTecla);
  if (std::none_of(acciones.begin(), acciones.end(), [c](const Entrada& a) { return a.comando == c; })) {
    throw ErrorGuion("'" + w[1] + "' takes no key (assign ACTION CODE, or assign default)");
  }
  if (w.size() != 3) throw ErrorGuion("'assign' needs a key code");
  const int codigo = Numero(w[2], 255, "key code");
  RequiereArranque(w[0]);
  tumbla::Comando ocupada = tumbla::Comando::Ninguno;
  grabadora_->AsignarTecla(c, codigo, ocupada);
  Atender();
}

void EjecutorGuion::Seguir(const std::vector<std::string>& w) {
  Argumentos(w, 3, 5);
  Continuacion c;
  c.posicion = Posicion(w[1]);
  c.puntos = Numero(w[2], kMaximoValor, "score");
  c.intervalo = Numero(w[3], 100000, "pace");
  for (size_t k = 4; k < w.size(); ++k) {
    if (w[k] != "grey" && w[k] != "demo") throw ErrorGuion("bad word '" + w[k] + "' for level (grey or demo)");
    (w[k] == "grey" ? c.gris : c.demo) = true;
  }
  RequiereArranque(w[0]);
  const int32_t antes = juego_->vista().nivel().orden;
  grabadora_->Retomar(c);
  if (juego_->vista().nivel().orden == antes) {
    throw ErrorGuion("no level can begin now (one is on, or the game waits for an answer)");
  }
  Atender();
}

void EjecutorGuion::SinGuardar(const std::vector<std::string>& w) {
  Argumentos(w, 0, 0);
  if (juego_) {
    SoloLectura();
  } else {
    sinGuardar_ = true;
  }
}

void EjecutorGuion::SoloLectura() {
  // A file nobody may write is never written.
  if (!std::filesystem::exists(ini_)) std::ofstream(ini_, std::ios::binary) << '[' << kSeccionIni << "]\n";
  std::error_code ec;
  std::filesystem::permissions(ini_, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read, ec);
  if (ec) throw ErrorGuion("could not make the settings file read-only");
}

int EjecutarGuion(const std::string& ruta, std::ostream& informe, std::ostream& errores) {
  std::string texto;
  if (ruta != "-") {
    // A replay file: refused with the player's message, or played and checked.
    const std::string nombre = std::filesystem::path(ruta).filename().string();
    const bool extension = nombre.size() > std::char_traits<char>::length(kExtensionRepeticion) &&
                           nombre.rfind(kExtensionRepeticion) == nombre.size() - std::char_traits<char>::length(kExtensionRepeticion);
    const auto sello = SelloArchivo(ruta);
    if (extension && sello && sello->tamano > kLargoMaximoRepeticion) {
      LecturaRepeticion grande;
      grande.fallo = FalloRepeticion::Grande;
      errores << TextoFallo(grande, nombre) << '\n';
      return 2;
    }
    if (LeerArchivoEntero(ruta, texto) == Lectura::Leida &&
        (extension || texto.compare(0, std::char_traits<char>::length(kCabeceraRepeticion), kCabeceraRepeticion) == 0)) {
      return ComprobarRepeticion(texto, nombre, informe, errores);
    }
    texto.clear();
  }
  if (ruta == "-") {
    texto.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else {
    std::ifstream f(std::filesystem::path(ruta), std::ios::binary);
    if (!f) {
      errores << "cannot read script " << ruta << '\n';
      return 2;
    }
    texto.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  }
  return EjecutarTextoGuion(std::move(texto), informe, errores);
}

namespace {

// Runs every line of `texto` through `ejecutor`, counting them in `numero`.
void Lineas(EjecutorGuion& ejecutor, std::string_view texto, int& numero) {
  size_t inicio = 0;
  while (inicio < texto.size()) {
    size_t fin = texto.find('\n', inicio);
    if (fin == std::string_view::npos) fin = texto.size();
    ++numero;
    ejecutor.Linea(texto.substr(inicio, fin - inicio));
    inicio = fin + 1;
  }
}

std::string Resumido(const Resumen& r) {
  char duracion[32];
  std::snprintf(duracion, sizeof duracion, "%lld.%03lld s", static_cast<long long>(r.duracionMs / 1000),
                static_cast<long long>(r.duracionMs % 1000));
  return "level " + std::to_string(r.posicion) + " " + r.clave + (r.demo ? " (demo)" : "") + ": " +
         TextoResultado(r) + ", " + std::to_string(r.puntos) + " points, " + std::to_string(r.piezas) + " pieces" +
         (r.reloj.empty() ? "" : ", clock " + r.reloj) + ", " + duracion;
}

// The first line where two scripts differ (1-based), 0 when they are alike.
int LineaDistinta(std::string_view a, std::string_view b) {
  int linea = 1;
  for (size_t k = 0; k < a.size() || k < b.size(); ++k) {
    if (k >= a.size() || k >= b.size() || a[k] != b[k]) return linea;
    linea += a[k] == '\n';
  }
  return 0;
}

}  // namespace

int EjecutarTextoGuion(std::string texto, std::ostream& informe, std::ostream& errores, LimitesGuion limites) {
  if (texto.compare(0, 3, "\xEF\xBB\xBF") == 0) texto.erase(0, 3);  // UTF-8 byte order mark

  int numero = 0;
  try {
    EjecutorGuion ejecutor(informe, limites);
    Lineas(ejecutor, texto, numero);
  } catch (const ErrorGuion& error) {
    informe.flush();
    errores << "line " << numero << ": " << error.what() << '\n';
    return 2;
  } catch (const std::exception& error) {
    informe.flush();
    errores << "line " << numero << ": internal error: " << error.what() << '\n';
    return 3;
  }
  informe.flush();
  return 0;
}

int ComprobarRepeticion(std::string_view texto, const std::string& nombre, std::ostream& informe,
                        std::ostream& errores, LimitesGuion limites) {
  const LecturaRepeticion leida = LeerRepeticion(texto, HuellaNiveles(CatalogoNiveles()));
  if (!leida.Valida()) {
    errores << TextoFallo(leida, nombre) << '\n';
    return 2;
  }
  std::optional<Grabacion> otra;
  int numero = 0;
  try {
    EjecutorGuion ejecutor(informe, limites);
    ejecutor.Regrabar([&otra](Grabacion g) {
      if (!otra) otra = std::move(g);
    });
    Lineas(ejecutor, leida.grabacion.guion, numero);
    ejecutor.Terminar();
  } catch (const ErrorGuion& error) {
    informe.flush();
    errores << nombre << ": script line " << numero << ": " << error.what() << '\n';
    return 2;
  } catch (const std::exception& error) {
    informe.flush();
    errores << nombre << ": script line " << numero << ": internal error: " << error.what() << '\n';
    return 3;
  }
  const Resumen& grabado = leida.grabacion.resumen;
  if (!otra) {
    informe << "replay: " << Resumido(grabado) << ": no level began when played again\n";
    return 1;
  }
  if (!otra->resumen.MismoFinal(grabado)) {
    informe << "replay: recorded " << Resumido(grabado) << "; played again " << Resumido(otra->resumen) << '\n';
    return 1;
  }
  // Recorded again as it plays, the level comes out as the same script.
  if (const int linea = LineaDistinta(otra->guion, leida.grabacion.guion)) {
    informe << "replay: " << Resumido(grabado) << ", but recorded again its script differs from line " << linea
            << '\n';
    return 1;
  }
  informe << "replay: " << Resumido(grabado) << ": as recorded\n";
  return 0;
}

}  // namespace tumbla
