// Extra minutes.
#include "game/Juego.h"

namespace tumbla {

void Juego::PremioDiario() {}
void Juego::CambiarMinutosExtra(int delta) { (void)delta; }
void Juego::GuardarProgreso() {}
bool Juego::UsarMinutoExtra() { return false; }

}  // namespace tumbla
