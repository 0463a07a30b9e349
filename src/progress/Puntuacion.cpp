// The score of the level in play and the best score of each level position,
// kept in a section of its own of the settings file so that the game's own
// keys keep their meaning.
#include <algorithm>
#include <climits>
#include <string>

#include "game/Juego.h"

namespace tumbla {

namespace {

std::string ClaveRecord(int posicion) { return std::to_string(posicion); }

}  // namespace

void Juego::MostrarPuntos() {
  const std::string texto = std::to_string(e_.Puntos - e_.PuntosAlEmpezar);
  if (p_.lblPuntos.texto == texto && p_.lblPuntos.visible) return;
  p_.lblPuntos = {texto, true};
  p_.panelCambiado = true;
}

void Juego::MostrarRecord() {
  // A blank default: reading never writes the key.
  const long record = LeerNumeroLeniente(LeerIni(kSeccionRecords, ClaveRecord(e_.NivelActual), ""));
  p_.lblRecord = {std::to_string(std::clamp<long>(record, 0, INT32_MAX)), true};
  p_.panelCambiado = true;
}

void Juego::GuardarRecord() {
  if (e_.Demostrando) return;  // a demo makes no record
  const std::string clave = ClaveRecord(e_.NivelActual);
  const long record = LeerNumeroLeniente(LeerIni(kSeccionRecords, clave, ""));
  const int32_t puntos = e_.Puntos - e_.PuntosAlEmpezar;
  if (puntos <= record) return;
  EscribirIni(kSeccionRecords, clave, std::to_string(puntos));
  p_.lblRecord = {std::to_string(puntos), true};
  p_.panelCambiado = true;
}

}  // namespace tumbla
