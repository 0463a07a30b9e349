// What every group shares unless its rules say otherwise, the blue drop of
// GOTEATOR and JUNTATOR, and the table of rule sets.
#include "modes/ReglasGrupo.h"

#include "game/Partida.h"

namespace tumbla {

const ReglasGrupo& ReglasClasico();
const ReglasGrupo& ReglasPanic();
const ReglasGrupo& ReglasSuperpanic();
const ReglasGrupo& ReglasGoteator();
const ReglasGrupo& ReglasRotator();
const ReglasGrupo& ReglasRotatorPlus();
const ReglasGrupo& ReglasJuntator();
const ReglasGrupo& ReglasPodator();

const ReglasGrupo& ReglasDe(Modo modo) {
  switch (modo) {
    case Modo::Clasico: return ReglasClasico();
    case Modo::Panic: return ReglasPanic();
    case Modo::Superpanic: return ReglasSuperpanic();
    case Modo::Goteator: return ReglasGoteator();
    case Modo::Rotator: return ReglasRotator();
    case Modo::RotatorPlus: return ReglasRotatorPlus();
    case Modo::Juntator: return ReglasJuntator();
    case Modo::Podator: break;
  }
  return ReglasPodator();
}

void ReglasGrupo::Preparar(Partida& p, const std::vector<int>& celdas, int, int) const {
  for (int c : celdas) p.e.tablero.Poner(c, kMuro);
  p.ActivarTemporizador(Temporizador::Gota, false);
}

void PonerGota(Partida& p, int gota) {
  if (gota != 0) {
    p.e.CeldaGota = static_cast<int16_t>(gota);
    p.e.tablero.Poner(gota, kGotaAzul);
  }
  p.ActivarTemporizador(Temporizador::Gota, gota != 0);
}

bool BajarGota(Partida& p) {
  Estado& e = p.e;
  const int antes = e.CeldaGota;
  // Nothing to move when the drop is not on the board.
  if (antes < 0 || antes >= kCeldas || e.tablero[antes] != kGotaAzul) return false;
  const uint32_t gen = p.Generacion();
  const int abajo = antes + kAncho;
  // The falling piece is not in the board, but its cells are not free
  // either: a drop there would be covered by the piece when it lands.
  if (abajo < kCeldas && e.tablero[abajo] == kLibre && !p.CubiertaPorFicha(abajo)) {
    e.GotaCayendo = true;
    e.CeldaGota = static_cast<int16_t>(abajo);
    p.Sonar(sonido::kGota);
    e.tablero.Poner(antes, kLibre);
  } else {
    e.GotaCayendo = false;
    // Rows the drop completed go; the drop stays, or moves down with the
    // stack when a row under it goes (its old cell then holds what fell).
    if (!p.PasadaTrasAterrizaje(false) || gen != p.Generacion()) return false;
  }
  e.tablero.Poner(e.CeldaGota, kGotaAzul);
  return e.CeldaGota >= kBaseFilaInferior + 1;
}

}  // namespace tumbla
