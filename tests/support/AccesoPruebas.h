// The tests' one door into the game's state, for the scene builder and the
// soak's invariants. Everything else in the tests goes through the entry
// points and the read-only view.
#pragma once

#include "motor/Juego.h"

namespace tumbla {

class AccesoPruebas {
 public:
  static Mesa& mesa(Juego& j) { return j.mesa_; }
  static flujo::Situacion& flujo(Juego& j) { return j.flujo_; }
  static Marcador& marcador(Juego& j) { return j.marcador_; }
  // The scene set by hand stands as a step of the game would leave it: the
  // piece is a new one for the hint, and the screen shows it.
  static void Montado(Juego& j) {
    j.consejoPara_ = {-1, -1};
    j.Presentar();
  }
};

}  // namespace tumbla
