// The demo: the player picks a level in the level window and the computer
// plays it; any key, click or menu command ends it (the window decides which
// of its events do) and the board is left as at start-up.
#include "game/Partida.h"

namespace tumbla {

void Partida::MenuDemostracion() {
  if (e.BajandoPersiana || e.EnDialogo) return;
  if (e.Demostrando) TerminarDemostracion();
  e.DemostracionPedida = true;
  AbrirNuevo();
  // A window that only opens at the next tick keeps the request till then.
  if (e.orden != Orden::Nuevo) e.DemostracionPedida = false;
}

void Partida::TerminarDemostracion() {
  if (!e.Demostrando) return;
  NuevaGeneracion();
  ActivarTemporizador(Temporizador::Juego, false);
  ActivarTemporizador(Temporizador::Gota, false);
  ActivarTemporizador(Temporizador::BloqueExtra, false);
  e.Demostrando = false;
  e.Jugando = e.Pausado = e.EnTurno = false;
  e.FichaActiva = e.FichaTrasFin = false;
  e.NivelTerminado = e.BajandoPersiana = false;
  e.PersianaVisible = e.PersianaEspera = false;
  e.FilasPersiana = 0;
  e.orden = Orden::Ninguna;
  e.Puntos = 0;
  e.Parpadeo = false;
  e.NivelActual = e.NivelAntesDemostracion;
  // The screen as the game starts: an empty board in its full frame, the
  // clock at 0:00.
  e.PantallaLimpia = true;
  e.NivelEnPantalla = 0;
  e.ConReloj = e.RelojVisible = true;
  e.SegundosReloj = 0;
}

}  // namespace tumbla
