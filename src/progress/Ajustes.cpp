#include "progress/Ajustes.h"

namespace tumbla {

void Ajustes::Cargar() {
  sonido_ = almacen_.LeerClave("SOINUA", "S") == "S";
  const std::string fichas = almacen_.LeerClave("ZAILTASUNA", "N");
  if (fichas == "N" || fichas == "Z") fichas_ = fichas == "Z" ? 1 : 0;
  // Reading a key with a blank default never writes it.
  sombra_ = almacen_.LeerClave("ITZALA", "") == "S";
}

void Ajustes::CambiarSonido() {
  sonido_ = !sonido_;
  almacen_.EscribirClave("SOINUA", sonido_ ? "S" : "N");
}

void Ajustes::ElegirFichas(int indice) {
  if (indice != 0 && indice != 1) return;
  fichas_ = indice;
  almacen_.EscribirClave("ZAILTASUNA", indice == 1 ? "Z" : "N");
}

void Ajustes::CambiarSombra() {
  sombra_ = !sombra_;
  almacen_.EscribirClave("ITZALA", sombra_ ? "S" : "N");
}

}  // namespace tumbla
