// What a step of the rules did: the sounds it made, in the order they are
// heard (its own, then one for each row it removed), the rows it removed,
// the points, the clearing cycles (each speeds play up), the rows to flash
// where the player saw them, and whether the level's objective was met or
// the level was lost, and why. The steps never play, draw, wait or store
// anything themselves; the engine does that with this.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>

#include "game/Tablero.h"

namespace tumbla {

// Why a level was lost.
enum class Derrota : uint8_t {
  Ninguna,
  Entrada,   // no room for the next piece: it could not enter, or not leave the entry
  Desborde,  // a block or the plant above the square after a landing
  Planta,    // the plant's tip reached the top row
  Tiempo,    // the level's clock ran out (the engine's clock, never a step)
  Abandono,  // the player gave the level up (a command, never a step)
};

struct Suceso {
  // A step's own sound and one for each row it removes: a step never
  // removes more rows than the board holds, so this is room enough.
  static constexpr int kMaxSonidos = 2 * kAlto;

  std::array<int16_t, kMaxSonidos> sonidos{};
  int16_t numSonidos = 0;
  int16_t filas = 0;      // rows removed
  int16_t ciclos = 0;     // clearing cycles
  int32_t puntos = 0;
  bool aterrizo = false;  // the falling piece landed
  bool cumplido = false;  // the objective is met: the level is won
  Derrota derrota = Derrota::Ninguna;  // the level is lost
  std::bitset<kAlto> filasVistas;

  void Sonar(int id) {
    if (numSonidos < kMaxSonidos) sonidos[static_cast<size_t>(numSonidos++)] = static_cast<int16_t>(id);
  }
  bool Perdido() const { return derrota != Derrota::Ninguna; }
  bool Termina() const { return cumplido || Perdido(); }
};

}  // namespace tumbla
