// Keys of the main window and of the shutter, and resuming from a pause.
#include "game/Partida.h"

namespace tumbla {

void Partida::Tecla(int codigo, bool persiana) {
  // The shutter holds the focus while it shows: it sees the key after the
  // main window.
  TeclaPrincipal(codigo);
  if (persiana && e.PersianaVisible) TeclaPersiana(codigo);
}

void Partida::TeclaPrincipal(int codigo) {
  if (e.EnTurno) return;  // a key that arrives while a tick lands a piece is lost
  const bool mueve = e.Jugando && !e.Pausado;
  switch (codigo) {
    case tecla::kIzquierda:
    case tecla::kO:
      if (mueve && !e.NoCabeForzado) Mover(-1);
      break;
    case tecla::kDerecha:
    case tecla::kP:
      if (mueve && !e.NoCabeForzado) Mover(+1);
      break;
    case tecla::kAbajo:
    case tecla::kA:
      if (mueve && !e.NoCabeForzado) Mover(+kAncho);  // never lands the piece
      break;
    case tecla::kArriba:
    case tecla::kQ:
      if (mueve) Girar();
      break;
    case tecla::kEspacio:
      if (mueve && e.FichaActiva) {
        if (e.Ficha == kFichaTorpedo) LanzarTorpedo();
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
      if (e.Jugando) {
        if (e.Pausado) Reanudar();
        else e.orden = Orden::Pausa;
      }
      break;
    default:
      break;
  }
}

void Partida::TeclaPersiana(int codigo) {
  // S was already handled by the main window, which sees every key first.
  if (codigo == tecla::kIntro) ClicPersiana();
  else if (codigo == tecla::kF2) MenuNuevo();
}

void Partida::Reanudar() {
  ReanudarReloj();
  ActivarTemporizador(Temporizador::BloqueExtra, e.BloqueExtraAntesDePausa);
  ActivarTemporizador(Temporizador::Juego, true);
  e.Pausado = false;
}

}  // namespace tumbla
