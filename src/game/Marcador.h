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

// The most points a score holds, and so the most a record can be: nine
// digits, which the panel shows whole. A level with a line target ends when
// its rows are done, but a timed level lasts as long as the extra minutes do
// (the stock holds up to 32767, some 23 days), and at the game's fastest (a
// landing every 50 ms) its score could near what a 32-bit counter holds. So a
// score stops here, which even at that pace takes days of play.
constexpr int32_t kPuntosMaximos = 999999999;

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
  // A game taken up from a running total and pace (a replay of a level the
  // player went on to with ENTER), each held to what play can reach.
  void Seguir(int32_t total, int intervaloMs);
  // A level begins: its own score counts from here.
  void EmpezarNivel() { alEmpezar = puntos; }
  // What a step of the rules scored; each of its clearing cycles speeds play up.
  void Anotar(const Suceso& s);
  // A row the shutter covers over a completed level.
  void FilaPersiana();
  // The level completed: its points, and a slower start for the next.
  void NivelSuperado();
  // What the level in play will have scored once the shutter has covered
  // `filasPersiana` rows and the level's own points are in: a win is stored
  // with it before the shutter comes down.
  int32_t PuntosAlSuperar(int filasPersiana) const;
};

}  // namespace tumbla
