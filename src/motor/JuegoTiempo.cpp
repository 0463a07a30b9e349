// The play timer's tick: the deferred command, the level clock, then one
// step of gravity; and the pause.
#include "game/Pasos.h"
#include "motor/Juego.h"

namespace tumbla {

namespace {

constexpr double kPausaEntreDemos = 4;  // seconds a won demo shows before the next level

}  // namespace

void Juego::TickJuego() {
  // A won demo goes on to the next position by itself, like an attract mode.
  if (demo_.activa && persiana_.espera && plataforma_.reloj() - demo_.ganadoEn >= kPausaEntreDemos) {
    Continuar();
    return;
  }
  // The tick that asked the player something goes on with the answer.
  if (!flujo_.Jugando() || espera_.Hay()) return;
  if (!OrdenPendiente() || !RelojDelNivel()) return;
  Gravedad();
}

bool Juego::OrdenPendiente() {
  if (flujo_.orden == Orden::Pausa) {
    Pausar();
    return true;  // the pausing tick still makes its gravity step
  }
  if (flujo_.orden == Orden::Nuevo) {
    flujo_.orden = Orden::Ninguna;
    AbrirSelector(false);
    return false;
  }
  return true;
}

bool Juego::RelojDelNivel() {
  if (!reloj_.Existe()) return true;
  if (reloj_.Correr(plataforma_.reloj()) >= 1) return true;
  // Time is up: an extra minute, if the player has one and wants it.
  if (progreso_.MinutosExtra() < 1 || demo_.activa) {
    FinPartida(Derrota::Tiempo);
    return false;
  }
  Pedir(Peticion{TipoPeticion::Pregunta, Icono::Pregunta, kTituloVentana,
         "Te quedan " + std::to_string(progreso_.MinutosExtra()) +
             " minutos extra.\r\r¿Quieres usar uno para continuar?"},
        Despues::MinutoExtra);
  return false;
}

void Juego::Gravedad() {
  Paso([this](Suceso& s) { Caer(mesa_, azar_, s); });
}

void Juego::Pausar() {
  flujo_.pausaMenu = false;
  tiempos_.Activar(Temporizador::Juego, false);
  flujo_.bloqueoPausa = tiempos_[Temporizador::BloqueExtra].activo;
  tiempos_.Activar(Temporizador::BloqueExtra, false);
  flujo_.orden = Orden::Ninguna;
  demo_.pedida = false;
  flujo_.fase = Fase::Pausado;
}

void Juego::PausarYa() {
  // Between two ticks, with no gravity step: what the player last saw stays.
  // A level window already asked for opens at the next tick instead.
  if (flujo_.fase != Fase::Jugando || flujo_.orden == Orden::Nuevo) return;
  // The clock shows the time left now, which the pause key goes on from.
  if (reloj_.Existe()) reloj_.Correr(plataforma_.reloj());
  Pausar();
}

void Juego::Reanudar() {
  reloj_.Reanudar(plataforma_.reloj());
  tiempos_.Activar(Temporizador::BloqueExtra, flujo_.bloqueoPausa);
  tiempos_.Activar(Temporizador::Juego, true);
  flujo_.fase = Fase::Jugando;
}

}  // namespace tumbla
