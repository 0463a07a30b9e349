// The level-selection window's logic.
#include "progress/SelectorNiveles.h"

#include "game/Juego.h"

namespace tumbla {

void Juego::AbrirSelectorNiveles() { plataforma_.mostrarSelectorNiveles(); }
void Juego::JugarNivel(int p) { (void)p; }

}  // namespace tumbla
