#include "progress/Progreso.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "levels/Niveles.h"

namespace tumbla {

namespace {

constexpr int kMaximoMinutos = 32767;

// The stored count: a decimal number in 0..32767; anything else is 0.
int16_t LeerMinutos(const std::string& texto) {
  size_t i = (!texto.empty() && texto[0] == '+') ? 1 : 0;
  if (i == texto.size()) return 0;
  long n = 0;
  for (; i < texto.size(); ++i) {
    if (texto[i] < '0' || texto[i] > '9') return 0;
    n = n * 10 + (texto[i] - '0');
    if (n > kMaximoMinutos) return 0;
  }
  return static_cast<int16_t>(n);
}

}  // namespace

std::string Progreso::TextoFecha(const Fecha& f) {
  char texto[32];
  std::snprintf(texto, sizeof texto, "%04d/%02d/%02d", f.anio, f.mes, f.dia);
  return texto;
}

bool Progreso::PremioDiario(const Fecha& hoy) {
  const std::string ultimo = almacen_.LeerClave("AZKENA", "");
  minutos_ = LeerMinutos(almacen_.LeerClave("LAGUNTZA", "0"));
  const std::string texto = TextoFecha(hoy);
  if (texto == ultimo) return false;
  minutos_ = static_cast<int16_t>(std::min(kMaximoMinutos, minutos_ + 1));
  almacen_.EscribirClave("AZKENA", texto);
  almacen_.EscribirClave("LAGUNTZA", std::to_string(minutos_));
  return true;
}

void Progreso::CambiarMinutos(int delta) {
  minutos_ = static_cast<int16_t>(std::clamp(minutos_ + delta, 0, kMaximoMinutos));
  almacen_.EscribirClave("LAGUNTZA", std::to_string(minutos_));
}

int Progreso::Superados() {
  // A stored value out of range must neither scroll past the end nor grey
  // out every level.
  return static_cast<int>(std::clamp<long>(LeerNumeroLeniente(almacen_.LeerClave("AMAITUTAKOA", "0")), 0, kNumNiveles));
}

void Progreso::NivelSuperado(int posicion, bool guardar) {
  CambiarMinutos(+1);
  // Progress only grows, and only from levels that were open when chosen.
  if (Superados() < posicion && guardar) almacen_.EscribirClave("AMAITUTAKOA", std::to_string(posicion));
}

void Progreso::Reset() { almacen_.EscribirClave("AMAITUTAKOA", "0"); }

int32_t Progreso::Record(int posicion) const {
  const long record = LeerNumeroLeniente(almacen_.Leer(kSeccionRecords, std::to_string(posicion)));
  return static_cast<int32_t>(std::clamp<long>(record, 0, INT32_MAX));
}

void Progreso::GuardarRecord(int posicion, int32_t puntos) {
  if (puntos <= Record(posicion)) return;
  almacen_.Escribir(kSeccionRecords, std::to_string(posicion), std::to_string(puntos));
}

}  // namespace tumbla
