// The engine's ways out to its host: timers, sounds, message boxes and the
// settings file.
#include "game/Partida.h"

namespace tumbla {

Partida::Partida(Plataforma& plataforma, std::string rutaIni, CatalogoNiveles niveles)
    : plataforma_(plataforma), niveles_(std::move(niveles)), ini_(std::move(rutaIni)), selector_(*this) {}

EstadoTemporizador& Partida::Temp(Temporizador t) {
  switch (t) {
    case Temporizador::Juego: return e.timJuego;
    case Temporizador::Gota: return e.timGota;
    case Temporizador::BloqueExtra: break;
  }
  return e.timBloqueExtra;
}

void Partida::PonerTemporizador(Temporizador t, bool activo, int intervaloMs) {
  auto& tm = Temp(t);
  if (tm.activo == activo && tm.intervalo == intervaloMs) return;
  tm.activo = activo;
  tm.intervalo = intervaloMs;
  plataforma_.temporizador(t, activo, intervaloMs);
}

void Partida::ActivarTemporizador(Temporizador t, bool activo) {
  PonerTemporizador(t, activo, Temp(t).intervalo);
}

void Partida::Sonar(int id) { plataforma_.sonido(id, e.SonidoActivo); }

void Partida::Mensaje(Icono icono, const std::string& texto, const std::string& titulo) {
  plataforma_.mensaje(icono, titulo, texto);
}

bool Partida::Pregunta(Icono icono, const std::string& texto, const std::string& titulo) {
  return plataforma_.pregunta(icono, titulo, texto);
}

std::string Partida::LeerIni(const std::string& seccion, const std::string& clave, const std::string& defecto) {
  std::string valor = ini_.Leer(seccion, clave);
  const bool defectoEnBlanco = defecto.find_first_not_of(' ') == std::string::npos;
  if (!defectoEnBlanco && valor.empty()) {
    EscribirIni(seccion, clave, defecto);
    valor = defecto;
  }
  return valor;
}

void Partida::EscribirIni(const std::string& seccion, const std::string& clave, const std::string& valor) {
  if (e.Demostrando || e.DemostracionPedida) return;  // a demo stores nothing
  // A settings file that cannot be written is not the player's problem: the
  // game runs on with what it holds.
  (void)ini_.Escribir(seccion, clave, valor);
}

}  // namespace tumbla
