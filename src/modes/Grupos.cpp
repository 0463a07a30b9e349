// What every group shares unless its rules say otherwise, and the table of
// rule sets.
#include "modes/Grupos.h"

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

bool ReglasGrupo::Preparar(Mesa& m, const std::vector<int>& celdas, int, int) const {
  for (int c : celdas) m.tablero.Poner(c, kMuro);
  return false;
}

}  // namespace tumbla
