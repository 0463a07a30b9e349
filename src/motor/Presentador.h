// The one writer of the screen model: everything the player sees, derived
// from what the game shows, so that no rule ever writes or reads a picture.
#pragma once

#include "levels/Niveles.h"
#include "motor/Consejero.h"
#include "motor/Pantalla.h"
#include "motor/Vista.h"

namespace tumbla {

// The screen as the game seen through `v` shows it; the hint's outline
// comes from `consejero`, when there is one.
Pantalla Presentar(const Vista& v, const CatalogoNiveles& niveles, Consejero* consejero);

// What differs between two screens.
void Comparar(const Pantalla& antes, const Pantalla& ahora, Cambios& cambios);

}  // namespace tumbla
