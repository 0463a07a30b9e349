// The steps of the rules, as functions on the table. Each changes the table
// and writes what happened into `s`, which it only adds to; chance comes
// from the source passed in. The engine runs them on the game's table at each
// key and timer event, and the computer player runs the very same steps on
// copies to look ahead.
#pragma once

#include "game/Azar.h"
#include "game/Comando.h"
#include "game/Mesa.h"
#include "game/Suceso.h"

namespace tumbla {

// ---- The falling piece ------------------------------------------------------
// Where the hard drop takes a piece: as far down as it fits.
Pieza Caida(const Tablero& t, Pieza pieza);
// Where the torpedo fired from `posicion` settles: it passes through the
// blocks under it into the first free cell below them, or stays on top.
int DestinoTorpedo(const Tablero& t, int posicion);

// The drop at once: as far down as the piece fits or, for the torpedo,
// through the stack (DestinoTorpedo).
Pieza Soltada(const Tablero& t, const Pieza& p);

// The moves of the falling piece. Mueve: the commands that shift it, turn
// it either way or take it a row down. Mover: where such a command would
// put it, whether it fits there or not (no wall kick: a turn keeps the
// pivot); the piece as it is for any other command.
inline bool Mueve(Comando c) {
  return c == Comando::Izquierda || c == Comando::Derecha || c == Comando::Abajo || c == Comando::Girar ||
         c == Comando::GirarAlReves;
}
inline Pieza Mover(const Pieza& p, Comando c) {
  switch (c) {
    case Comando::Izquierda: return p.Movida(-1);
    case Comando::Derecha: return p.Movida(1);
    case Comando::Abajo: return p.Movida(kAncho);
    case Comando::Girar: return p.Girada();
    case Comando::GirarAlReves: return p.Girada(true);
    default: return p;
  }
}
// Llevar: takes `p` where command `c` takes it on board `t`: that move when
// the piece fits there (a move never lands it), or the drop at once
// (Soltada). False, and `p` as it was, when it does not fit there or `c`
// moves no piece. The game's table and the computer player's search both
// move pieces with these.
inline bool Llevar(const Tablero& t, Pieza& p, Comando c) {
  if (c == Comando::Soltar) {
    p = Soltada(t, p);
    return true;
  }
  const Pieza q = Mover(p, c);
  if (!Mueve(c) || !t.Cabe(q)) return false;
  p = q;
  return true;
}

// What a player's command of play does to the table: the falling piece
// shifted, turned, moved a row down, dropped at once or (the torpedo) fired
// through the stack; keys 3 and 4 turn the square while PuedeGirarCuadrado,
// then run its pass. A dropped piece no longer moves: the next gravity step
// lands it where it shows. Until then shifts and a second drop do nothing,
// and a turn fails and spends the drop's hold (the piece cannot fall
// anyway); only the torpedo fires again. Other commands leave the table alone.
void Actuar(Mesa& m, Comando c, Azar& azar, Suceso& s);

// The preview becomes the falling piece at the entry cell, if it fits
// there, and a new preview is chosen (the torpedo when one is due).
void Entrar(Mesa& m, Azar& azar);
// A new preview drawn from the piece set, torpedo or not.
void ElegirPieza(Mesa& m, Azar& azar);
// The level is over: no piece falls any more.
void RetirarFicha(Mesa& m);

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
// Keys 3 and 4 turn the square while the whole falling piece is above it
// (once part of it was inside, it is too late for this piece) and the blue
// drop is at rest.
bool TardeParaGirarCuadrado(const Mesa& m);
bool PuedeGirarCuadrado(const Mesa& m);
// The square a quarter turn (key 3 counter-clockwise), then the pass.
void GirarCuadrado(Mesa& m, Azar& azar, bool antihorario, Suceso& s);
// The drop timer's and the extra-block timer's events, by the group's rules.
void PasoGota(Mesa& m, Azar& azar, Suceso& s);
void PasoBloqueExtra(Mesa& m, Azar& azar, Suceso& s);

// ---- A completed level --------------------------------------------------------
// The shutter comes down over a completed level a row at a time, over the
// empty top rows: true when, `filas` rows down, it has another to cover.
bool PersianaBaja(const Tablero& t, int filas);
// The rows it will have covered when it stops.
int FilasPersiana(const Tablero& t);

}  // namespace tumbla
