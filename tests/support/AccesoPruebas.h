// The tests' one door into the game's state, for the scene builder and the
// soak's invariants. Everything else in the tests goes through the entry
// points and the read-only view.
#pragma once

#include "motor/Juego.h"

namespace tumbla {

class AccesoPruebas {
 public:
  static Mesa& mesa(Juego& j) { return j.mesa_; }
  static Flujo& flujo(Juego& j) { return j.flujo_; }
  static Persiana& persiana(Juego& j) { return j.persiana_; }
  static Marcador& marcador(Juego& j) { return j.marcador_; }
  static Demostracion& demo(Juego& j) { return j.demo_; }
  static const Espera& espera(const Juego& j) { return j.espera_; }
};

}  // namespace tumbla
