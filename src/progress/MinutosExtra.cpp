// Extra minutes: one a day and one per completed level, spent when the clock
// of a timed level runs out. Also the progress a completed level records.
#include <algorithm>
#include <cstdio>

#include "game/Partida.h"

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

void Partida::PremioDiario() {
  const std::string ultimo = LeerIni(kSeccionIni, "AZKENA", "");
  e.MinutosExtra = LeerMinutos(LeerIni(kSeccionIni, "LAGUNTZA", "0"));
  const std::string hoy = TextoFecha(plataforma_.hoy());
  if (hoy != ultimo) {
    e.MinutosExtra = static_cast<int16_t>(std::min(kMaximoMinutos, e.MinutosExtra + 1));
    EscribirIni(kSeccionIni, "AZKENA", hoy);
    EscribirIni(kSeccionIni, "LAGUNTZA", std::to_string(e.MinutosExtra));
    Mensaje(Icono::Informacion, "Enhorabuena! Acabas de obtener otro minuto extra.\r\rYa tienes " +
                                    std::to_string(e.MinutosExtra) + " minutos extra acumulados.");
  }
}

void Partida::CambiarMinutosExtra(int delta) {
  e.MinutosExtra = static_cast<int16_t>(std::clamp(e.MinutosExtra + delta, 0, kMaximoMinutos));
  EscribirIni(kSeccionIni, "LAGUNTZA", std::to_string(e.MinutosExtra));
}

void Partida::GuardarProgreso() {
  if (e.Demostrando) return;  // no minute and no progress from a demo
  CambiarMinutosExtra(+1);
  const long hecho = std::clamp<long>(
      LeerNumeroLeniente(LeerIni(kSeccionIni, "AMAITUTAKOA", "0")), 0, kNumNiveles);
  // Progress only grows, and only from levels that were open when chosen.
  if (hecho < e.NivelActual && !e.NoGuardarProgreso) {
    EscribirIni(kSeccionIni, "AMAITUTAKOA", std::to_string(e.NivelActual));
  }
}

bool Partida::UsarMinutoExtra() {
  if (e.MinutosExtra < 1 || e.Demostrando) return false;
  if (!Pregunta(Icono::Pregunta, "Te quedan " + std::to_string(e.MinutosExtra) +
                                     " minutos extra.\r\r¿Quieres usar uno para continuar?")) {
    return false;
  }
  CambiarMinutosExtra(-1);
  e.SegundosReloj = e.SegundosLimite = 60;
  e.InicioReloj = Reloj();
  e.Parpadeo = false;
  return true;
}

}  // namespace tumbla
