// The play timer's tick: the deferred command, the level clock, then one
// step of gravity; and the pause.
#include "game/Pasos.h"
#include "motor/Ayuda.h"
#include "motor/Juego.h"

namespace tumbla {

namespace {

constexpr double kPausaEntreDemos = 4;  // seconds a won demo shows before the next level

}  // namespace

void Juego::TickJuego() {
  // A won demo goes on to the next position by itself, like an attract mode.
  if (const auto* demo = std::get_if<flujo::Demostracion>(&flujo_)) {
    const auto* p = std::get_if<flujo::Persiana>(&demo->nivel);
    if (p != nullptr && !p->bajando && plataforma_.reloj() - demo->ganadoEn >= kPausaEntreDemos) {
      Continuar();
      return;
    }
  }
  // The tick that asked the player something goes on with the answer.
  const flujo::Jugando* j = flujo::Aqui<flujo::Jugando>(flujo_);
  if (j == nullptr || !OrdenPendiente(*j) || !RelojDelNivel()) return;
  Gravedad();
}

bool Juego::OrdenPendiente(const flujo::Jugando& j) {
  switch (j.orden) {
    case flujo::Orden::Ninguna:
      break;
    case flujo::Orden::Pausa:
      Pausar(flujo::Pausa::Pausado);
      return true;  // the pausing tick still makes its gravity step
    case flujo::Orden::Nuevo:
    case flujo::Orden::Demostracion: {
      // `j` is the flow's own value: the step below replaces it, so what it
      // asked for is read first.
      const flujo::Para para =
          j.orden == flujo::Orden::Demostracion ? flujo::Para::Demostracion : flujo::Para::Jugar;
      flujo::Jugando sigue = j;
      sigue.orden = flujo::Orden::Ninguna;
      PasarNivel(sigue);
      AbrirSelector(para);
      return false;
    }
  }
  return true;
}

bool Juego::RelojDelNivel() {
  if (!reloj_.Existe()) return true;
  if (reloj_.Correr(plataforma_.reloj()) >= 1) return true;
  // Time is up: an extra minute, if the player has one and wants it.
  // The extra minutes are the game's levels' own: a demo, a tried level and
  // a pack's spend none.
  if (progreso_.MinutosExtra() < 1 || vista_.EnDemostracion() || ajenos_) {
    FinPartida(Derrota::Tiempo);
    return false;
  }
  Pedir(Peticion{TipoPeticion::Pregunta, Icono::Pregunta, kTituloVentana,
                 Formato(Texto(TUMBLA_TEXTO("Juego",
                                            "Te quedan %1 minutos extra.\r\r¿Quieres usar uno para continuar?")),
                         {std::to_string(progreso_.MinutosExtra())})},
        flujo::Despues::MinutoExtra);
  return false;
}

void Juego::Gravedad() {
  Paso([this](Suceso& s) { Caer(mesa_, azar_, s); });
}

void Juego::Pausar(flujo::Pausa como) {
  flujo::Jugando j = *flujo::Aqui<flujo::Jugando>(flujo_);
  tiempos_.Activar(Temporizador::Juego, false);
  j.bloquesEnPausa = tiempos_[Temporizador::BloqueExtra].activo;
  tiempos_.Activar(Temporizador::BloqueExtra, false);
  j.pausa = como;
  j.orden = flujo::Orden::Ninguna;
  PasarNivel(j);
}

void Juego::PausarYa(flujo::Pausa como) {
  // Between two ticks, with no gravity step: what the player last saw stays.
  // A level window already asked for opens at the next tick instead.
  const flujo::Jugando* j = flujo::Aqui<flujo::Jugando>(flujo_);
  if (j == nullptr || j->pausa != flujo::Pausa::No || j->orden == flujo::Orden::Nuevo ||
      j->orden == flujo::Orden::Demostracion) {
    return;
  }
  // The clock shows the time left now, which the pause key goes on from.
  if (reloj_.Existe()) reloj_.Correr(plataforma_.reloj());
  Pausar(como);
}

void Juego::Reanudar() {
  flujo::Jugando j = *flujo::Aqui<flujo::Jugando>(flujo_);
  reloj_.Reanudar(plataforma_.reloj());
  tiempos_.Activar(Temporizador::BloqueExtra, j.bloquesEnPausa);
  tiempos_.Activar(Temporizador::Juego, true);
  j.pausa = flujo::Pausa::No;
  PasarNivel(j);
}

}  // namespace tumbla
