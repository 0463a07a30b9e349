// The best score of each level position, kept in a section of its own of
// the settings file so that the game's own keys keep their meaning.
#include <algorithm>
#include <climits>
#include <string>

#include "game/Partida.h"

namespace tumbla {

int32_t Partida::RecordGuardado(int posicion) {
  // A blank default: reading never writes the key.
  const long record = LeerNumeroLeniente(LeerIni(kSeccionRecords, std::to_string(posicion), ""));
  return static_cast<int32_t>(std::clamp<long>(record, 0, INT32_MAX));
}

void Partida::GuardarRecord() {
  if (e.Demostrando) return;  // a demo makes no record
  const int32_t puntos = e.Puntos - e.PuntosAlEmpezar;
  if (puntos <= RecordGuardado(e.NivelActual)) return;
  EscribirIni(kSeccionRecords, std::to_string(e.NivelActual), std::to_string(puntos));
  e.RecordNivel = puntos;
}

}  // namespace tumbla
