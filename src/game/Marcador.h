// The score and the pace of play, which run on from level to level. Points
// come from the steps of the rules (Suceso), from each row the shutter covers
// over a completed level and from the completed level itself. The play
// timer's interval is at its longest when a level is chosen in the level
// window, each clearing cycle shortens it down to a floor, and each completed
// level lengthens it a little. The engine keeps one and runs its play timer
// at this interval.
#pragma once

#include <cstdint>

#include "game/Suceso.h"

namespace tumbla {

struct Marcador {
  // The running total, kept from level to level until a level is chosen in
  // the level window, and what it was when the level in play began.
  int32_t puntos = 0;
  int32_t alEmpezar = 0;
  int32_t record = 0;     // the best ever made on the level in play
  bool conPista = false;  // the hint showed during the level: its score makes no record
  int16_t intervalo = 300;  // ms between two gravity steps

  int32_t PuntosNivel() const { return puntos - alEmpezar; }
  // A level chosen in the level window: no points, the slowest pace.
  void Empezar();
  // A level begins: its own score counts from here.
  void EmpezarNivel() { alEmpezar = puntos; }
  // What a step of the rules scored; each of its clearing cycles speeds play up.
  void Anotar(const Suceso& s);
  // A row the shutter covers over a completed level.
  void FilaPersiana();
  // The level completed: its points, and a slower start for the next.
  void NivelSuperado();
};

}  // namespace tumbla
