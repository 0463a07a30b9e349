// Level end.
#include "game/Juego.h"

namespace tumbla {

void Juego::NivelCompletado() {
  NuevaGeneracion();
  e_.Jugando = false;
  e_.NivelTerminado = true;
}
void Juego::FinPartida(int motivo) {
  (void)motivo;
  NuevaGeneracion();
  e_.Jugando = false;
  e_.EnTurno = false;
  e_.FichaActiva = false;
  ActivarTemporizador(Temporizador::Juego, false);
}
void Juego::ClicPersiana() {}

}  // namespace tumbla
