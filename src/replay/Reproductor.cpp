#include "replay/Reproductor.h"

#include <algorithm>
#include <cstdio>
#include <random>

#include "replay/EjecutorGuion.h"

namespace tumbla {

namespace {

// A script's seconds: whole milliseconds.
std::string Segundos(int64_t ms) {
  char texto[32];
  std::snprintf(texto, sizeof texto, "%lld.%03lld", static_cast<long long>(ms / 1000), static_cast<long long>(ms % 1000));
  return texto;
}

int64_t Milisegundos(const std::string& t) {
  const auto punto = t.find('.');
  int64_t ms = std::stoll(t.substr(0, punto)) * 1000;
  if (punto != std::string::npos) {
    int64_t escala = 100;
    for (size_t k = punto + 1; k < t.size() && escala > 0; ++k, escala /= 10) ms += (t[k] - '0') * escala;
  }
  return ms;
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
    std::string linea = guion.substr(inicio, fin - inicio);
    inicio = fin + 1;
    int64_t antes = 0;
    int veces = 1;
    if (!linea.empty() && linea[0] == '+') {
      const size_t espacio = linea.find(' ');
      if (espacio == std::string::npos) continue;
      antes = Milisegundos(linea.substr(1, espacio - 1));
      linea.erase(0, espacio + 1);
    }
    if (const size_t estrella = linea.rfind(" *"); estrella != std::string::npos) {
      veces = std::max(1, std::atoi(linea.c_str() + estrella + 2));
      linea.erase(estrella);
    }
    if (linea.rfind("run ", 0) == 0) {
      t += antes + Milisegundos(linea.substr(4));
      pasos_.push_back({t, {}});
      continue;
    }
    for (int n = 0; n < veces; ++n) {
      t += antes;
      pasos_.push_back({t, linea});
    }
  }
  duracion_ = t;
  Empezar();
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
