#include "replay/Reproductor.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <utility>
#include <vector>

#include "replay/EjecutorGuion.h"
#include "replay/PlataformaGuion.h"

namespace tumbla {

namespace {

// A script's seconds: whole milliseconds.
std::string Segundos(int64_t ms) {
  char texto[32];
  std::snprintf(texto, sizeof texto, "%lld.%03lld", static_cast<long long>(ms / 1000), static_cast<long long>(ms % 1000));
  return texto;
}

// Whole milliseconds of a script's seconds; the runner refuses what is no
// such number, and so does this.
int64_t Milisegundos(const std::string& t) {
  const auto punto = t.find('.');
  const std::string entera = t.substr(0, punto);
  if (entera.empty() || entera.size() > 9 || entera.find_first_not_of("0123456789") != std::string::npos) {
    throw ErrorGuion("bad time '" + t + "'");
  }
  int64_t ms = std::stoll(entera) * 1000;
  if (punto != std::string::npos) {
    int64_t escala = 100;
    for (size_t k = punto + 1; k < t.size() && escala > 0; ++k, escala /= 10) {
      if (t[k] < '0' || t[k] > '9') throw ErrorGuion("bad time '" + t + "'");
      ms += (t[k] - '0') * escala;
    }
  }
  return ms;
}

// A line's words, as the runner reads them (a comment cut off).
std::vector<std::string> Palabras(std::string linea) {
  linea = linea.substr(0, linea.find('#'));
  std::vector<std::string> w;
  std::string palabra;
  for (char c : linea + ' ') {
    if (c == ' ' || c == '\t' || c == '\r') {
      if (!palabra.empty()) w.push_back(std::exchange(palabra, {}));
    } else {
      palabra += c;
    }
  }
  return w;
}

constexpr int64_t kPasoPieza = 10;  // ms: how finely a piece is looked for

}  // namespace

Reproductor::Reproductor(Grabacion grabacion) : grabacion_(std::move(grabacion)) {
  // Each line at its time: "+S COMMAND *N" is N times S, then the command.
  int64_t t = 0;
  size_t inicio = 0;
  const std::string& guion = grabacion_.guion;
  while (inicio < guion.size()) {
    size_t fin = guion.find('\n', inicio);
    if (fin == std::string::npos) fin = guion.size();
    std::vector<std::string> w = Palabras(guion.substr(inicio, fin - inicio));
    inicio = fin + 1;
    int64_t antes = 0;
    int veces = 1;
    if (!w.empty() && w[0][0] == '+') {
      antes = Milisegundos(w[0].substr(1));
      w.erase(w.begin());
    }
    if (w.size() > 1 && w.back()[0] == '*') {
      veces = std::clamp(std::atoi(w.back().c_str() + 1), 1, 1000000);
      w.pop_back();
    }
    if (w.empty()) continue;
    if (w[0] == "run" && w.size() == 2) {
      t += antes + Milisegundos(w[1]);
      pasos_.push_back({t, {}});
      continue;
    }
    std::string orden = w[0];
    for (size_t k = 1; k < w.size(); ++k) orden += " " + w[k];
    for (int n = 0; n < veces; ++n) {
      t += antes;
      pasos_.push_back({t, orden});
    }
  }
  duracion_ = t;
  Empezar();
  if (ejecutor_->juego() == nullptr) throw ErrorGuion("the replay starts no game");
}

Reproductor::~Reproductor() = default;

Juego& Reproductor::juego() { return *ejecutor_->juego(); }

void Reproductor::Empezar() {
  informe_.str({});
  ejecutor_ = std::make_unique<EjecutorGuion>(informe_);
  siguiente_ = 0;
  ahora_ = 0;
  practica_ = false;
  Ir(0);
}

void Reproductor::Linea(const std::string& linea) {
  ejecutor_->Linea(linea);
  // Nobody reads what a watched replay reports.
  if (informe_.tellp() > (1 << 16)) informe_.str({});
}

void Reproductor::Anotar() {
  Juego* j = ejecutor_->juego();
  if (j != nullptr) piezas_.emplace(j->vista().mesa().fichasEntradas, ahora_);
}

void Reproductor::Ir(int64_t ms) {
  if (practica_) return;
  ms = std::clamp<int64_t>(ms, 0, duracion_);
  if (ms < ahora_) Empezar();
  while (siguiente_ < pasos_.size() && pasos_[siguiente_].hasta <= ms) {
    const Paso& p = pasos_[siguiente_++];
    if (p.hasta > ahora_) Linea("run " + Segundos(p.hasta - ahora_));
    ahora_ = std::max(ahora_, p.hasta);
    if (!p.orden.empty()) Linea(p.orden);
    Anotar();
  }
  if (ms > ahora_) {
    Linea("run " + Segundos(ms - ahora_));
    ahora_ = ms;
    Anotar();
  }
}

void Reproductor::Pieza(int sentido) {
  if (practica_) return;
  const int32_t buscada = juego().vista().mesa().fichasEntradas + (sentido > 0 ? 1 : -1);
  if (sentido < 0) {
    // Played again from the start (at full speed) to a moment before it:
    // one when the piece before it was in play, else the start.
    if (piezas_.empty() || buscada < piezas_.begin()->first) return Ir(0);
    const auto antes = piezas_.find(buscada - 1);
    Ir(antes != piezas_.end() ? antes->second : 0);
  }
  while (ahora_ < duracion_ && juego().vista().mesa().fichasEntradas < buscada) Ir(ahora_ + kPasoPieza);
}

void Reproductor::Practicar() {
  if (practica_) return;
  // The draws from here on are the game's own, as in any game.
  std::mt19937 azar(std::random_device{}());
  ejecutor_->plataforma().azarLibre = [azar](int n) mutable {
    return n <= 1 ? 0 : static_cast<int>(azar() % static_cast<uint32_t>(n));
  };
  practica_ = true;
}

void Reproductor::Correr(int64_t ms) {
  if (!practica_ || ms < 0) return;
  if (ms > 0) Linea("run " + Segundos(ms));
  ahora_ += ms;
  // A box the level asks for closes by itself, a question is answered no,
  // and the shutter slides: what a level's end brings, the practice ends at.
  for (int n = 0; n < 100; ++n) {
    const TipoPeticion tipo = juego().vista().peticion().tipo;
    if (tipo == TipoPeticion::Ninguna || tipo == TipoPeticion::Selector) break;
    Linea(tipo == TipoPeticion::Pregunta ? "reply cancel" : "reply");
  }
}

void Reproductor::Tecla(int codigo, bool repeticion) {
  if (!practica_ || codigo <= 0 || codigo > 255) return;
  Linea((repeticion ? "held " : "shutter ") + std::to_string(codigo));
  Correr(0);
}

}  // namespace tumbla
