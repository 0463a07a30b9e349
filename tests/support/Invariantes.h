// The rules the game state keeps after every event, whatever the player or
// the timers did: the frame, the cell values and their pictures, the falling
// piece, the drops, the plant, the score and the counters. The soak test
// checks them after each event it plays.
#pragma once

#include <cstdint>
#include <string>

namespace tumbla {

class Juego;

class Invariantes {
 public:
  // Checks the state after one event. `nivelElegido` is true when the event
  // started a level from the level window (the score starts again from 0).
  // Returns one line per broken rule, empty when all hold.
  std::string Comprobar(const Juego& juego, bool nivelElegido);

 private:
  bool marcoPuesto_ = false;  // a level start has written the walls
  int32_t puntos_ = 0;
};

}  // namespace tumbla
