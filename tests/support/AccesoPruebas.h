// The tests' one door into the game's state, for the scene builder and the
// soak's invariants. Everything else in the tests goes through the entry
// points and the read-only view.
#pragma once

#include "game/Juego.h"
#include "game/Partida.h"

namespace tumbla {

class AccesoPruebas {
 public:
  static tumbla::Estado& Estado(Juego& juego) { return juego.partida_->e; }
  static const tumbla::Estado& Estado(const Juego& juego) { return juego.partida_->e; }
};

}  // namespace tumbla
