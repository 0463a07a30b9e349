// The plant of the PODATOR levels.
#include "game/Juego.h"

namespace tumbla {

void Juego::PasoPlanta() { EntrarFicha(); }
int Juego::ElegirPasoPlanta() { return -1; }
int Juego::ElegirDireccionPlanta() { return -1; }
void Juego::PodarPlanta(int limite) { (void)limite; }

}  // namespace tumbla
