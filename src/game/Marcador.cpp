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

}  // namespace

void Marcador::Empezar() {
  puntos = 0;
  intervalo = kIntervaloInicial;
}

void Marcador::Anotar(const Suceso& s) {
  puntos += s.puntos;
  if (s.ciclos > 0) intervalo = static_cast<int16_t>(std::max(kIntervaloMinimo, intervalo - kPasoVelocidad * s.ciclos));
}

void Marcador::FilaPersiana() { puntos += kPuntosFilaPersiana; }

void Marcador::NivelSuperado() {
  puntos += kPuntosNivel;
  intervalo = static_cast<int16_t>(std::min(kIntervaloMaximo, intervalo + kFrenadoPorNivel));
}

}  // namespace tumbla
