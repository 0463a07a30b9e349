// The blue drop of the GOTEATOR and JUNTATOR levels. It falls one row per
// tick of the drop timer while the cell below is free, and it keeps falling
// during a pause: this tick looks at neither Jugando nor Pausado.
#include "game/Juego.h"
#include "game/FichaActiva.h"

namespace tumbla {

void Juego::TickGota() {
  const int antes = e_.CeldaGota;
  // Nothing to move when the drop is not on the board.
  if (antes < 0 || antes >= kCeldas || e_.tablero[antes] != kGotaAzul) return;
  const uint32_t gen = generacion_;

  const int abajo = antes + kAncho;
  // The falling piece is not in Tablero, but its cells are not free either:
  // a drop there would be covered by the piece when it lands.
  if (abajo < kCeldas && e_.tablero[abajo] == kLibre && !CubiertaPorFicha(*this, abajo)) {
    e_.GotaCayendo = true;
    e_.CeldaGota = static_cast<int16_t>(abajo);
    Sonar(sonido::kGota);
    EscribirCelda(antes, kLibre);
  } else {
    e_.GotaCayendo = false;
    // Rows the drop completed go; the drop stays, or moves down with the
    // stack when a row under it goes (its old cell then holds what fell).
    if (!PasadaTrasAterrizaje(false) || gen != generacion_) return;
  }
  EscribirCelda(e_.CeldaGota, kGotaAzul);

  // The drop reached the floor.
  if (e_.ModoGoteator && e_.CeldaGota >= kBaseFilaInferior + 1) {
    ActivarTemporizador(Temporizador::Gota, false);
    p_.lblObjetivo.texto = "x0";
    p_.panelCambiado = true;
    NivelCompletado();
  }
}

}  // namespace tumbla
