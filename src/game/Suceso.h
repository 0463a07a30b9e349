// What a step of the rules did: the sound it made, the rows it removed (each
// one sounds too), the points, the clearing cycles (each speeds the play
// timer up), the rows to flash where the player saw them, and whether the
// level's objective was met or the level was lost. The steps never play,
// draw, wait or store anything themselves; the engine does that with this.
#pragma once

#include <bitset>
#include <cstdint>

#include "game/Tablero.h"

namespace tumbla {

struct Suceso {
  int16_t sonido = 0;     // the step's own sound, played before the rows'; 0 for none
  int16_t filas = 0;      // rows removed
  int16_t ciclos = 0;     // clearing cycles
  int32_t puntos = 0;
  bool aterrizo = false;  // the falling piece landed
  bool cumplido = false;  // the objective is met: the level is won
  bool perdido = false;   // the board is full: the level is lost
  std::bitset<kAlto> filasVistas;

  bool Termina() const { return cumplido || perdido; }
};

}  // namespace tumbla
