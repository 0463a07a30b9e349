#include "progress/Almacen.h"

namespace tumbla {

std::string Almacen::LeerClave(const std::string& clave, const std::string& defecto) {
  std::string valor = Leer(kSeccionIni, clave);
  const bool defectoEnBlanco = defecto.find_first_not_of(' ') == std::string::npos;
  if (!defectoEnBlanco && valor.empty()) {
    Escribir(kSeccionIni, clave, defecto);
    valor = defecto;
  }
  return valor;
}

}  // namespace tumbla
