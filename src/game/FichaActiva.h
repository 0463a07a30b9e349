// The falling piece as the mode rules see it. It is not in Tablero, so a rule
// that fills a cell asks whether the piece covers it, and a rule that moves
// cells (redrawing them from their values) draws the piece again on top.
#pragma once

namespace tumbla {

class Juego;

// True when the falling piece covers board cell i.
bool CubiertaPorFicha(const Juego& juego, int i);

// Draws the falling piece over whatever the board cells under it show.
void RepintarFichaActiva(Juego& juego);

}  // namespace tumbla
