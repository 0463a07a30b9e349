// Extra minutes: one a day and one per completed level, spent when the clock
// of a timed level runs out. Also the progress a completed level records.
#include <algorithm>
#include <cstdio>

#include "game/Juego.h"

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

std::string TextoFecha(const Fecha& f) {
  char texto[32];
  std::snprintf(texto, sizeof texto, "%04d/%02d/%02d", f.anio, f.mes, f.dia);
  return texto;
}

}  // namespace

void Juego::PremioDiario() {
  const std::string ultimo = LeerIni(kSeccionIni, "AZKENA", "");
  e_.MinutosExtra = LeerMinutos(LeerIni(kSeccionIni, "LAGUNTZA", "0"));
  const std::string hoy = TextoFecha(plataforma_.hoy());
  if (hoy != ultimo) {
    e_.MinutosExtra = static_cast<int16_t>(std::min(kMaximoMinutos, e_.MinutosExtra + 1));
    EscribirIni(kSeccionIni, "AZKENA", hoy);
    EscribirIni(kSeccionIni, "LAGUNTZA", std::to_string(e_.MinutosExtra));
    Mensaje(Icono::Informacion, "Enhorabuena! Acabas de obtener otro minuto extra.\r\rYa tienes " +
                                    std::to_string(e_.MinutosExtra) + " minutos extra acumulados.");
  }
  p_.menuMinutos = "Minutos extra: " + std::to_string(e_.MinutosExtra);
  p_.panelCambiado = true;
}

void Juego::CambiarMinutosExtra(int delta) {
  e_.MinutosExtra = static_cast<int16_t>(std::clamp(e_.MinutosExtra + delta, 0, kMaximoMinutos));
  EscribirIni(kSeccionIni, "LAGUNTZA", std::to_string(e_.MinutosExtra));
  p_.menuMinutos = "Minutos extra: " + std::to_string(e_.MinutosExtra);
  p_.panelCambiado = true;
}

void Juego::GuardarProgreso() {
  if (e_.Demostrando) return;  // no minute and no progress from a demo
  CambiarMinutosExtra(+1);
  const long hecho = std::clamp<long>(
      LeerNumeroLeniente(LeerIni(kSeccionIni, "AMAITUTAKOA", "0")), 0, kNumNiveles);
  // Progress only grows, and only from levels that were open when chosen.
  if (hecho < e_.NivelActual && !e_.NoGuardarProgreso) {
    EscribirIni(kSeccionIni, "AMAITUTAKOA", std::to_string(e_.NivelActual));
  }
}

bool Juego::UsarMinutoExtra() {
  if (e_.MinutosExtra < 1 || e_.Demostrando) return false;
  if (!Pregunta(Icono::Pregunta, "Te quedan " + std::to_string(e_.MinutosExtra) +
                                     " minutos extra.\r\r¿Quieres usar uno para continuar?")) {
    return false;
  }
  CambiarMinutosExtra(-1);
  p_.lblTiempo.texto = "1:00";
  e_.SegundosLimite = 60;
  e_.InicioReloj = plataforma_.reloj();
  p_.colorMarco = kColorGris;
  p_.panelCambiado = true;
  return true;
}

}  // namespace tumbla
