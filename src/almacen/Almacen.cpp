#include "almacen/Almacen.h"

namespace tumbla {

namespace {

bool DefectoEnBlanco(const std::string& defecto) { return defecto.find_first_not_of(' ') == std::string::npos; }

}  // namespace

std::string LeerClave(TextoIni& t, const std::string& clave, const std::string& defecto) {
  std::string valor = t.Leer(kSeccionIni, clave);
  if (!DefectoEnBlanco(defecto) && valor.empty()) {
    t.Escribir(kSeccionIni, clave, defecto);
    valor = defecto;
  }
  return valor;
}

std::string Almacen::LeerClave(const std::string& clave, const std::string& defecto) {
  std::string valor = Leer(kSeccionIni, clave);
  if (DefectoEnBlanco(defecto) || !valor.empty()) return valor;
  // Written only when still missing when the change is made (a store that
  // keeps nothing makes none).
  valor = defecto;
  Cambiar([&](TextoIni& t) { valor = tumbla::LeerClave(t, clave, defecto); });
  return valor;
}

void AlmacenIni::Abrir() {
  if (estado_ != Estado::Guarda) return;
  if (archivo_.Cargar() == Lectura::Error) {
    estado_ = Estado::SinLeer;
  } else if (!archivo_.Cambiar([](TextoIni&) {})) {
    estado_ = Estado::SinGuardar;
    memoria_ = archivo_.texto();
  }
}

std::string AlmacenIni::Leer(const std::string& seccion, const std::string& clave) const {
  return estado_ == Estado::Guarda ? archivo_.Leer(seccion, clave) : memoria_.Leer(seccion, clave);
}

bool AlmacenIni::Cambiar(const CambioIni& cambio) {
  if (estado_ == Estado::Guarda) {
    if (archivo_.Cambiar(cambio)) return true;
    estado_ = Estado::SinGuardar;
    memoria_ = archivo_.texto();
  }
  cambio(memoria_);
  return false;
}

}  // namespace tumbla
