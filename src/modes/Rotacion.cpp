// Turning the square board with the keys 3 and 4.
#include "game/Juego.h"

namespace tumbla {

bool Juego::PuedeGirarTablero() const {
  return e_.Jugando && !e_.Pausado && ModoCuadrado(e_) && e_.CeldaMasBaja <= 167 &&
         !e_.GotaCayendo;
}

void Juego::GirarTablero(bool antihorario) { (void)antihorario; }

}  // namespace tumbla
