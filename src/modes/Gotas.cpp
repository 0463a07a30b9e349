// The blue drop of the GOTEATOR and JUNTATOR levels.
#include "game/Juego.h"

namespace tumbla {

void Juego::TickGota() {}

}  // namespace tumbla
