// The steps of the rules, as functions on the table. Each changes the table
// and writes what happened into `s`, which it only adds to; chance comes
// from the source passed in. The engine runs them on the game's table at each
// key and timer event, and the computer player runs the very same steps on
// copies to look ahead.
#pragma once

#include "game/Azar.h"
#include "game/Mesa.h"
#include "game/Suceso.h"

namespace tumbla {

// ---- The falling piece ------------------------------------------------------
// The fit test. After a hard drop it fails once, whatever the board holds,
// so that the piece lands where it was drawn.
bool Cabe(Mesa& m, const Pieza& pieza);
// The preview becomes the falling piece at the entry cell, if it fits
// there, and a new preview is chosen (the torpedo when one is due).
void Entrar(Mesa& m, Azar& azar);
// A new preview drawn from the piece set, torpedo or not.
void ElegirPieza(Mesa& m, Azar& azar);
// -1, +1 or +13; false when the piece stays (a move never lands it).
bool Mover(Mesa& m, int d);
void Girar(Mesa& m, bool alReves = false);
void Soltar(Mesa& m);        // the hard drop: it lands at the next tick
// Where the hard drop takes a piece: as far down as it fits.
Pieza Caida(const Tablero& t, Pieza pieza);
// Where the torpedo fired from `posicion` settles.
int DestinoTorpedo(const Tablero& t, int posicion);
// The torpedo passes through the blocks under it into the first free cell
// below them, or stays on top.
void LanzarTorpedo(Mesa& m, Suceso& s);

// ---- The play loop ------------------------------------------------------------
// One gravity step: the piece falls a row, or lands (Aterrizar); then the
// rising board takes the steps it owes.
void Caer(Mesa& m, Azar& azar, Suceso& s);
// The landing of a piece that cannot fall: written into the board, scored,
// the after-landing pass, the next piece, and nothing left above the square
// where that rule holds.
void Aterrizar(Mesa& m, Azar& azar, Suceso& s);
// The after-landing pass: full rows go `borrarCada` at a time, square
// columns turn solid, the pass is scored and the objective checked; with
// `entrar`, the group's hooks run and the next piece enters.
void Pasada(Mesa& m, Azar& azar, bool entrar, Suceso& s);
// Keys 3 and 4: the square a quarter turn (3 counter-clockwise), then the pass.
bool PuedeGirarCuadrado(const Mesa& m);
void GirarCuadrado(Mesa& m, Azar& azar, bool antihorario, Suceso& s);
// The drop timer's and the extra-block timer's events, by the group's rules.
void PasoGota(Mesa& m, Azar& azar, Suceso& s);
void PasoBloqueExtra(Mesa& m, Azar& azar, Suceso& s);

}  // namespace tumbla
