// The one writer of the screen model: everything the player sees, derived
// from what the game shows, so that no rule ever writes or reads a picture.
#pragma once

#include <optional>

#include "game/Pieza.h"
#include "levels/Niveles.h"
#include "motor/Pantalla.h"
#include "motor/Vista.h"

namespace tumbla {

// The screen as the game seen through `v` shows it; `consejo` is where the
// computer player would put the piece in play, which the hint outlines.
// `enPaquete`: the board shows a level from outside the game's, the one of
// that place (from 1) in a pack of the player's or the one tried from the
// editor (which the flow tells); 0 for the game's own. The texts in the
// language of `tr`.
Pantalla Presentar(const Vista& v, const CatalogoNiveles& niveles, const std::optional<Pieza>& consejo,
                   int enPaquete = 0, const Traductor& tr = SinTraducir());

// What differs between two screens.
void Comparar(const Pantalla& antes, const Pantalla& ahora, Cambios& cambios);

}  // namespace tumbla
