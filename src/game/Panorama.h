// What a person sees of a game, as a value the engine makes: the table as
// it shows (the board with its drop and plant, the falling piece and whether
// it was dropped, the "Siguiente" preview, the piece set chosen in the menu,
// the objective's count, the clear-together figure on the panel, the group's
// rules as its caption and icons tell them), whether the rising board's icon
// shows, the speed the pieces fall at, and whether a level is in play and
// not paused. What a person cannot see (the torpedo's charge, the rising
// board's countdown) is not in it. The computer player reads nothing else.
#pragma once

#include "game/Mesa.h"

namespace tumbla {

struct Panorama {
  Mesa mesa;               // only what shows: the rest as a fresh table has it
  bool subida = false;     // the board rises: its icon shows
  bool enJuego = false;    // a level in play, not paused
  int nivel = 0;           // the position in play
  int intervaloMs = 300;   // a row of the fall, in ms
};

}  // namespace tumbla
