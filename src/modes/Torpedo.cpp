// The torpedo's hard drop.
#include "game/Juego.h"

namespace tumbla {

void Juego::LanzarTorpedo() { BajarDeGolpe(); }

}  // namespace tumbla
