// The settings file.
#include "progress/Ini.h"

#include "game/Juego.h"

namespace tumbla {

std::string ArchivoIni::Leer(const std::string&, const std::string&) const { return {}; }
bool ArchivoIni::Escribir(const std::string&, const std::string&, const std::string&) { return false; }

std::string Juego::LeerIni(const std::string& seccion, const std::string& clave,
                           const std::string& defecto) {
  (void)seccion; (void)clave;
  return defecto;
}
void Juego::EscribirIni(const std::string&, const std::string&, const std::string&) {}

}  // namespace tumbla
