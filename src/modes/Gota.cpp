// The blue drop of GOTEATOR and JUNTATOR: it falls a row per tick of its
// timer while the cell below is free, also during a pause; when it cannot,
// the rows it completes go, and it stays or comes down with the stack.
#include "game/Pasos.h"
#include "game/Sonidos.h"
#include "modes/Grupos.h"

namespace tumbla {

bool PonerGota(Mesa& m, int gota) {
  if (gota == 0) return false;
  m.celdaGota = static_cast<int16_t>(gota);
  m.tablero.Poner(gota, kGotaAzul);
  return true;
}

bool GotaEnTablero(const Mesa& m) {
  return m.celdaGota >= 0 && m.celdaGota < kCeldas && m.tablero[m.celdaGota] == kGotaAzul;
}

bool GotaCae(const Mesa& m) {
  if (!GotaEnTablero(m)) return false;
  const int abajo = m.celdaGota + kAncho;
  // The falling piece is not in the board, but its cells are not free
  // either: a drop there would be covered by the piece when it lands.
  return abajo < kCeldas && m.tablero[abajo] == kLibre && !m.Cubre(abajo);
}

bool BajarGota(Mesa& m, Azar& azar, Suceso& s) {
  // Nothing to move when the drop is not on the board.
  if (!GotaEnTablero(m)) return false;
  if (GotaCae(m)) {
    m.gotaCayendo = true;
    m.tablero.Poner(m.celdaGota, kLibre);
    m.celdaGota = static_cast<int16_t>(m.celdaGota + kAncho);
    s.Sonar(sonido::kGota);
  } else {
    m.gotaCayendo = false;
    // Rows the drop completed go; the drop stays, or moves down with the
    // stack when a row under it goes (its old cell then holds what fell).
    Pasada(m, azar, false, s);
    if (s.Termina()) return false;
  }
  m.tablero.Poner(m.celdaGota, kGotaAzul);
  return m.celdaGota >= kBaseFilaInferior + 1;
}

}  // namespace tumbla
