// The rule set of each level group, one file each:
//   Clasico.cpp      CLASIC, Panic and Superpanic, with the handicaps
//   Goteator.cpp     the blue drop to the floor
//   Rotator.cpp      the square board turned with 3 and 4
//   RotatorPlus.cpp  the square board cleared of its neutral blocks
//   Juntator.cpp     the two drops side by side
//   Podator.cpp      the plant cut down to its pot
// and the blue drop GOTEATOR and JUNTATOR share (Gota.cpp).
#pragma once

#include "game/Reglas.h"

namespace tumbla {

const ReglasGrupo& ReglasDe(Modo modo);

// The blue drop starts in its cell (none when 0). True when there is one.
bool PonerGota(Mesa& m, int gota);
// The blue drop stands on the board; and, besides, the cell under it is
// free (the falling piece's cells are not): its next tick takes it down a row.
bool GotaEnTablero(const Mesa& m);
bool GotaCae(const Mesa& m);
// The drop tick: the drop falls a row while the cell below is free (and
// not under the falling piece), else the rows it completes go. True when it
// stands in the bottom row and the level goes on.
bool BajarGota(Mesa& m, Azar& azar, Suceso& s);

}  // namespace tumbla
