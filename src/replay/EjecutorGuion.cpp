#include "replay/EjecutorGuion.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>

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
      niveles_(std::move(niveles)) {}

EjecutorGuion::~EjecutorGuion() {
  juego_.reset();
  std::error_code ec;
  std::filesystem::remove_all(carpeta_, ec);
}

void EjecutorGuion::Linea(std::string_view texto) {
  const auto w = Palabras(texto);
  if (!w.empty()) Comando(w);
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
      {"key", &EjecutorGuion::Tecla},     {"shutter", &EjecutorGuion::Tecla},  {"menu", &EjecutorGuion::Menu},
      {"answer", &EjecutorGuion::Respuesta}, {"tick", &EjecutorGuion::Tick},   {"wait", &EjecutorGuion::Espera},
      {"dump", &EjecutorGuion::Volcado}};
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
    if (igual == std::string::npos || igual == 0 || w[k][0] == '[' || w[k][0] == ';') {
      throw ErrorGuion("bad settings line '" + w[k] + "' (KEY=VALUE)");
    }
  }
  if (juego_) throw ErrorGuion("'ini' after start");
  lineasIni_.insert(lineasIni_.end(), w.begin() + 1, w.end());
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
  plataforma_.ventanas.insert(plataforma_.ventanas.end(), respuestas.begin(), respuestas.end());
}

void EjecutorGuion::Jugar(const std::vector<std::string>& w) {
  Argumentos(w, 1, 1);
  const int p = Posicion(w[1]);
  RequiereArranque(w[0]);
  plataforma_.ventanas.push_back(p);
  juego_->Ejecutar(Comando::Nuevo);
  plataforma_.Atender(*juego_);
}

void EjecutorGuion::Tecla(const std::vector<std::string>& w) {
  Argumentos(w, 1, 1);
  const int codigo = Numero(w[1], 255, "key code");
  RequiereArranque(w[0]);
  // The main window sees its menus' shortcuts (F1, F2, F10, F11); the
  // shutter, which has the focus while it shows, sees a key after the board.
  juego_->Tecla(codigo, w[0] == "shutter" ? Contexto::Tablero : Contexto::Ventana);
  plataforma_.Atender(*juego_);
}

void EjecutorGuion::Menu(const std::vector<std::string>& w) {
  Argumentos(w, 1, 1);
  // Every menu item, by the name the input table gives it.
  const Entrada* item = EntradaDeGuion(w[1]);
  if (item == nullptr) throw ErrorGuion("unknown menu item '" + w[1] + "'");
  RequiereArranque(w[0]);
  juego_->Ejecutar(item->comando);
  plataforma_.Atender(*juego_);
}

void EjecutorGuion::Respuesta(const std::vector<std::string>& w) {
  Argumentos(w, 1, SIZE_MAX);
  std::vector<bool> respuestas;
  for (size_t k = 1; k < w.size(); ++k) {
    if (w[k] != "ok" && w[k] != "cancel") throw ErrorGuion("bad answer '" + w[k] + "' (ok or cancel)");
    respuestas.push_back(w[k] == "ok");
  }
  RequiereArranque(w[0]);
  plataforma_.respuestas.insert(plataforma_.respuestas.end(), respuestas.begin(), respuestas.end());
}

void EjecutorGuion::Tick(const std::vector<std::string>& w) {
  Argumentos(w, 1, 2);
  const std::string& cual = w[1];
  if (cual != "juego" && cual != "gota" && cual != "bloque") {
    throw ErrorGuion("unknown timer '" + cual + "' (juego, gota or bloque)");
  }
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
  plataforma_.milisegundos += ms;
}

void EjecutorGuion::Volcado(const std::vector<std::string>& w) {
  Argumentos(w, 0, 0);
  RequiereArranque(w[0]);
  EscribirVolcado(informe_, *juego_, ini_);
}

void EjecutorGuion::Empezar() {
  if (!lineasIni_.empty()) {
    std::ofstream f(ini_, std::ios::binary);
    f << '[' << kSeccionIni << "]\n";
    for (const auto& l : lineasIni_) f << l << '\n';
    if (!f) throw ErrorGuion("could not write the settings file");
  }
  juego_ = std::make_unique<Juego>(plataforma_, TextoRuta(ini_), niveles_);
  juego_->Inicializar();
  plataforma_.Atender(*juego_);
}

void EjecutorGuion::Ticks(const std::string& cual, int veces) {
  const Temporizador t = cual == "juego" ? Temporizador::Juego : cual == "gota" ? Temporizador::Gota : Temporizador::BloqueExtra;
  for (int n = 0; n < veces; ++n) {
    if (!juego_->Disparar(t)) informe_ << "skipped " << cual << '\n';
    plataforma_.Atender(*juego_);
  }
}

int EjecutarGuion(const std::string& ruta, std::ostream& informe, std::ostream& errores) {
  std::string texto;
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

int EjecutarTextoGuion(std::string texto, std::ostream& informe, std::ostream& errores, LimitesGuion limites) {
  if (texto.compare(0, 3, "\xEF\xBB\xBF") == 0) texto.erase(0, 3);  // UTF-8 byte order mark

  int numero = 0;
  try {
    EjecutorGuion ejecutor(informe, limites);
    size_t inicio = 0;
    while (inicio < texto.size()) {
      size_t fin = texto.find('\n', inicio);
      if (fin == std::string::npos) fin = texto.size();
      ++numero;
      ejecutor.Linea(std::string_view(texto).substr(inicio, fin - inicio));
      inicio = fin + 1;
    }
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

}  // namespace tumbla
