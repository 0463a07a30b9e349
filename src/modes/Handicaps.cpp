// Handicaps of the classic levels: Panic, Superpanic, extra blocks, rising board.
#include "game/Juego.h"

namespace tumbla {

void Juego::DesplazarColumnas(int fuerza) { (void)fuerza; }
void Juego::TickBloqueExtra() {}
void Juego::SubirTablero() {}

}  // namespace tumbla
