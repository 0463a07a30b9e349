// The one writer of the screen model: everything the player sees, derived
// from the game's state, so that no rule ever writes or reads a picture.
#pragma once

#include "game/Estado.h"
#include "game/Pantalla.h"
#include "levels/Niveles.h"

namespace tumbla {

// The screen as the state `e` shows it.
Pantalla Presentar(const Estado& e, const CatalogoNiveles& niveles);

// What differs between two screens.
void Comparar(const Pantalla& antes, const Pantalla& ahora, Cambios& cambios);

}  // namespace tumbla
