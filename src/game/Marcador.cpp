#include "game/Marcador.h"

#include <algorithm>

namespace tumbla {

namespace {

constexpr int kIntervaloInicial = 300;  // ms, a level chosen in the level window
constexpr int kIntervaloMaximo = 300;
constexpr int kIntervaloMinimo = 50;
constexpr int kPasoVelocidad = 3;      // ms taken off per clearing cycle
constexpr int kFrenadoPorNivel = 30;   // ms added per completed level
constexpr int kPuntosFilaPersiana = 5;
constexpr int kPuntosNivel = 100;

// Points add up to the most a score holds, and stop there.
int32_t Sumados(int32_t puntos, int32_t mas) {
  return static_cast<int32_t>(std::min<int64_t>(int64_t{puntos} + mas, kPuntosMaximos));
}

}  // namespace

void Marcador::Empezar() {
  puntos = 0;
  intervalo = kIntervaloInicial;
}

void Marcador::Seguir(int32_t total, int intervaloMs) {
  puntos = std::clamp<int32_t>(total, 0, kPuntosMaximos);
  intervalo = static_cast<int16_t>(std::clamp(intervaloMs, kIntervaloMinimo, kIntervaloMaximo));
}

void Marcador::Anotar(const Suceso& s) {
  puntos = Sumados(puntos, s.puntos);
  if (s.ciclos > 0) intervalo = static_cast<int16_t>(std::max(kIntervaloMinimo, intervalo - kPasoVelocidad * s.ciclos));
}

void Marcador::FilaPersiana() { puntos = Sumados(puntos, kPuntosFilaPersiana); }

int32_t Marcador::PuntosAlSuperar(int filasPersiana) const {
  Marcador despues = *this;
  for (int k = 0; k < filasPersiana; ++k) despues.FilaPersiana();
  despues.NivelSuperado();
  return despues.PuntosNivel();
}

void Marcador::NivelSuperado() {
  puntos = Sumados(puntos, kPuntosNivel);
  intervalo = static_cast<int16_t>(std::min(kIntervaloMaximo, intervalo + kFrenadoPorNivel));
}

}  // namespace tumbla
