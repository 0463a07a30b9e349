// The demo: the player picks a level in the level window and the computer
// plays it; any key, click or menu command ends it (the window decides which
// of its events do) and the board is left as at start-up.
#include "game/Juego.h"

namespace tumbla {

void Juego::MenuDemostracion() {
  if (e_.BajandoPersiana || e_.EnDialogo) return;
  if (e_.Demostrando) TerminarDemostracion();
  e_.DemostracionPedida = true;
  AbrirNuevo();
  // A window that only opens at the next tick keeps the request till then.
  if (e_.Orden != "nuevo") e_.DemostracionPedida = false;
}

void Juego::TerminarDemostracion() {
  if (!e_.Demostrando) return;
  NuevaGeneracion();
  ActivarTemporizador(Temporizador::Juego, false);
  ActivarTemporizador(Temporizador::Gota, false);
  ActivarTemporizador(Temporizador::BloqueExtra, false);
  e_.Demostrando = false;
  e_.Jugando = e_.Pausado = e_.EnTurno = e_.Fijando = false;
  e_.FichaActiva = false;
  e_.NivelTerminado = e_.BajandoPersiana = false;
  e_.Orden.clear();
  e_.Puntos = 0;
  e_.NivelActual = e_.NivelAntesDemostracion;

  // The screen as the game starts: an empty board in its full frame.
  for (int i = 0; i < kCeldas; ++i) OcultarImagen(i);
  p_.imgNext.fill(kSinImagen);
  p_.imgObstaculo.fill(kSinImagen);
  p_.imgObjetivo.fill(kSinImagen);
  p_.lblTipoJuego = {"", false};
  p_.lblObjetivo = {"", false};
  p_.lblTiempo = {"0:00", true};
  p_.lblPausa.visible = false;
  p_.lblDemo.visible = false;
  p_.lblPuntos.visible = false;
  p_.lblRecord.visible = false;
  p_.lblInicio.visible = true;
  p_.persianaVisible = false;
  p_.filasPersiana = 0;
  p_.textoPersiana.clear();
  p_.colorMarco = kColorGris;
  AjustarMarco(false);
  p_.panelCambiado = true;
}

}  // namespace tumbla
