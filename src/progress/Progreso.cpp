#include "progress/Progreso.h"

#include <algorithm>
#include <cstdio>

#include "levels/Niveles.h"

namespace tumbla {

namespace {

constexpr int kMaximoMinutos = 32767;
constexpr const char* kMinutos = "LAGUNTZA";
constexpr const char* kSuperados = "AMAITUTAKOA";

// The stored count: a decimal number, held to 0..32767; anything else is 0.
int16_t LeerMinutos(const std::string& texto) {
  size_t i = (!texto.empty() && texto[0] == '+') ? 1 : 0;
  if (i == texto.size()) return 0;
  long n = 0;
  for (; i < texto.size(); ++i) {
    if (texto[i] < '0' || texto[i] > '9') return 0;
    n = std::min<long>(kMaximoMinutos, n * 10 + (texto[i] - '0'));
  }
  return static_cast<int16_t>(n);
}

int LeerSuperados(const std::string& texto) {
  // A stored value out of range must neither scroll past the end nor grey
  // out every level.
  return static_cast<int>(std::clamp<long>(LeerNumeroLeniente(texto), 0, kNumNiveles));
}

int32_t LeerRecord(const std::string& texto) {
  return static_cast<int32_t>(std::clamp<long>(LeerNumeroLeniente(texto), 0, kPuntosMaximos));
}

}  // namespace

std::string Progreso::TextoFecha(const Fecha& f) {
  char texto[32];
  std::snprintf(texto, sizeof texto, "%04d/%02d/%02d", f.anio, f.mes, f.dia);
  return texto;
}

bool Progreso::PremioDiario(const Fecha& hoy) {
  const std::string texto = TextoFecha(hoy);
  std::string stock;
  std::string ultimo;
  bool premio = false;
  const bool guardado = almacen_.Cambiar([&](TextoIni& t) {
    ultimo = t.Leer(kSeccionIni, "AZKENA");
    stock = LeerClave(t, kMinutos, "0");
    minutos_ = LeerMinutos(stock);
    premio = texto != ultimo;
    if (!premio) return;
    minutos_ = static_cast<int16_t>(std::min(kMaximoMinutos, minutos_ + 1));
    t.Escribir(kSeccionIni, kMinutos, std::to_string(minutos_));
    t.Escribir(kSeccionIni, "AZKENA", texto);
  });
  if (!premio || guardado) return premio;
  // Held for this run only: the minute is not given.
  almacen_.Cambiar([&](TextoIni& t) {
    t.Escribir(kSeccionIni, kMinutos, stock);
    t.Escribir(kSeccionIni, "AZKENA", ultimo);
  });
  minutos_ = LeerMinutos(stock);
  return false;
}

void Progreso::CambiarMinutos(int delta) {
  almacen_.Cambiar([&](TextoIni& t) {
    minutos_ = static_cast<int16_t>(std::clamp(LeerMinutos(t.Leer(kSeccionIni, kMinutos)) + delta, 0, kMaximoMinutos));
    t.Escribir(kSeccionIni, kMinutos, std::to_string(minutos_));
  });
}

int Progreso::Superados() { return LeerSuperados(almacen_.LeerClave(kSuperados, "0")); }

bool Progreso::NivelSuperado(int posicion, bool guardar, int32_t puntos) {
  bool record = false;
  almacen_.Cambiar([&](TextoIni& t) {
    minutos_ = static_cast<int16_t>(std::min(kMaximoMinutos, LeerMinutos(t.Leer(kSeccionIni, kMinutos)) + 1));
    t.Escribir(kSeccionIni, kMinutos, std::to_string(minutos_));
    // Progress only grows, and only from levels that were open when chosen.
    if (LeerSuperados(LeerClave(t, kSuperados, "0")) < posicion && guardar) {
      t.Escribir(kSeccionIni, kSuperados, std::to_string(posicion));
    }
    const std::string clave = std::to_string(posicion);
    record = puntos > LeerRecord(t.Leer(kSeccionRecords, clave));
    if (record) t.Escribir(kSeccionRecords, clave, std::to_string(std::min(puntos, kPuntosMaximos)));
  });
  return record;
}

int Progreso::SuperadosPaquete(const std::string& seccion) const {
  return static_cast<int>(std::clamp<long>(LeerNumeroLeniente(almacen_.Leer(seccion, kSuperados)), 0, 1 << 20));
}

int32_t Progreso::RecordPaquete(const std::string& seccion, int numero) const {
  return LeerRecord(almacen_.Leer(seccion, std::to_string(numero)));
}

void Progreso::PaqueteSuperado(const std::string& seccion, int numero, int32_t puntos) {
  almacen_.Cambiar([&](TextoIni& t) {
    if (LeerNumeroLeniente(t.Leer(seccion, kSuperados)) < numero) t.Escribir(seccion, kSuperados, std::to_string(numero));
    const std::string clave = std::to_string(numero);
    if (puntos > LeerRecord(t.Leer(seccion, clave))) t.Escribir(seccion, clave, std::to_string(std::min(puntos, kPuntosMaximos)));
  });
}

void Progreso::Reset() { almacen_.EscribirClave(kSuperados, "0"); }

int32_t Progreso::Record(int posicion) const {
  return LeerRecord(almacen_.Leer(kSeccionRecords, std::to_string(posicion)));
}

}  // namespace tumbla
