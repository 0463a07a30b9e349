// Keys of the main window and of the shutter, and resuming from a pause.
#include "game/Juego.h"

namespace tumbla {

void Juego::TeclaPrincipal(int codigo) {
  if (e_.EnTurno) return;  // a key that arrives while a tick lands a piece is lost
  const bool mueve = e_.Jugando && !e_.Pausado;
  switch (codigo) {
    case tecla::kIzquierda:
    case tecla::kO:
      if (mueve && !e_.NoCabeForzado) Desplazar(-1);
      break;
    case tecla::kDerecha:
    case tecla::kP:
      if (mueve && !e_.NoCabeForzado) Desplazar(+1);
      break;
    case tecla::kAbajo:
    case tecla::kA:
      if (mueve && !e_.NoCabeForzado) Desplazar(+kAncho);  // never lands the piece
      break;
    case tecla::kArriba:
    case tecla::kQ:
      if (mueve) Girar();
      break;
    case tecla::kEspacio:
      if (mueve && e_.FichaActiva) {
        if (e_.Ficha == kFichaTorpedo) LanzarTorpedo();
        else BajarDeGolpe();
      }
      break;
    case tecla::k3:
    case tecla::k4:
      if (PuedeGirarTablero()) GirarTablero(codigo == tecla::k3);
      break;
    case tecla::kS:
      AlternarSonido();
      break;
    case tecla::kF3:
      if (e_.Jugando) {
        if (e_.Pausado) Reanudar();
        else e_.Orden = "pause";
      }
      break;
    default:
      break;
  }
}

void Juego::TeclaPersiana(int codigo) {
  switch (codigo) {
    case tecla::kIntro:
      ClicPersiana();
      break;
    case tecla::kF2:
      MenuNuevo();
      break;
    default:
      // S was already handled by the main window, which sees every key first.
      break;
  }
}

void Juego::Tecla(int codigo) {
  // The shutter holds the focus while it shows: it sees the key after the
  // main window, as things stood when the key went down.
  const bool persiana = p_.persianaVisible;
  TeclaPrincipal(codigo);
  if (persiana) TeclaPersiana(codigo);
}

void Juego::Disparar(Temporizador t) {
  switch (t) {
    case Temporizador::Juego: TickJuego(); break;
    case Temporizador::Gota: TickGota(); break;
    case Temporizador::BloqueExtra: TickBloqueExtra(); break;
  }
}

void Juego::Reanudar() {
  ReanudarReloj();
  ActivarTemporizador(Temporizador::BloqueExtra, e_.BloqueExtraAntesDePausa);
  ActivarTemporizador(Temporizador::Juego, true);
  p_.lblPausa.visible = false;
  p_.panelCambiado = true;
  e_.Pausado = false;
}

}  // namespace tumbla
