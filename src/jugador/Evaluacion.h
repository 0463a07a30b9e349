// How the computer player judges the board a placement leaves: the classic
// measures of a good falling-block player (landing height, rows cleared,
// transitions, holes, wells) and the level's own objective (the blue drop
// nearer the floor, the neutral blocks gone, the two drops side by side, the
// pot's row filled with the plant kept short).
#pragma once

#include "jugador/Modelo.h"
#include "jugador/Pesos.h"

namespace tumbla {

constexpr double kGanado = 1e9;

// The worth of `despues`, the board left by landing row `fila` of the
// catalogue at `pos` on `antes`, by the weights of its group.
double Valorar(const Modelo& antes, const Modelo& despues, int fila, int pos, const Pesos& pesos);

}  // namespace tumbla
