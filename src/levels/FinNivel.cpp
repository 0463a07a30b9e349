// Level end: a completed level (the shutter comes down, points, the extra
// minute and progress, then ENTER for the next position) and the end of the
// game (lost, or every level done).
#include <algorithm>

#include "game/Juego.h"

namespace tumbla {

namespace {

constexpr int kPuntosFilaPersiana = 5;
constexpr int kPuntosNivel = 100;
constexpr int kFrenadoPorNivel = 30;   // ms added to the play timer
constexpr int kIntervaloMaximo = 300;
constexpr double kPasoPersiana = 0.05;  // seconds per shutter row
constexpr const char* kTextoPersiana = "Pulsa <INTRO> para continuar.";

}  // namespace

void Juego::NivelCompletado() {
  // 1. The level is over; whatever called this must stop (see Generacion).
  NuevaGeneracion();
  e_.Jugando = false;
  e_.Pausado = false;
  // A piece still in the air when a drop or a board turn completes the level
  // goes with the level rather than stay frozen on screen.
  if (e_.FichaActiva) {
    for (int k = 1; k <= Catalogo::NumCeldas(e_.Ficha); ++k) {
      RedibujarCelda(e_.Posicion + fichas_.Desplazamiento(e_.Ficha, k));
    }
  }
  e_.FichaActiva = false;
  e_.NivelTerminado = true;
  ActualizarSombra();
  // Menu commands that would start or reset a game wait until the shutter
  // is down and the progress is stored.
  e_.BajandoPersiana = true;
  // A level can be completed during a pause (the drop keeps falling): the
  // pause ends with it, or the play timer would stay off for good.
  ActivarTemporizador(Temporizador::Juego, true);
  p_.lblPausa.visible = false;

  // 2. Handicaps stop; the shutter starts from nothing.
  ActivarTemporizador(Temporizador::Gota, false);
  ActivarTemporizador(Temporizador::BloqueExtra, false);
  p_.filasPersiana = 0;
  p_.textoPersiana.clear();

  // 3.
  p_.colorMarco = kColorGris;
  p_.panelCambiado = true;
  plataforma_.procesarEventos();

  // 4. The shutter comes down over the empty top rows, one row per step,
  // 5 points a row. Pictures over empty cells (a falling piece) go.
  for (int s = 1; s < kBaseFilaInferior + kAncho; s += kAncho) {
    int libres = 0;
    for (int i = s; i <= s + 10; ++i) {
      if (e_.tablero[i] == kLibre) {
        OcultarImagen(i);
        ++libres;
      }
    }
    if (libres != 11) break;
    p_.filasPersiana += 1;
    p_.persianaVisible = true;
    p_.panelCambiado = true;
    plataforma_.esperar(kPasoPersiana);
    e_.Puntos += kPuntosFilaPersiana;
    MostrarPuntos();
  }
  // Shown even with no row to cover, so ENTER can always go on.
  p_.persianaVisible = true;

  // 5-6.
  p_.textoPersiana = kTextoPersiana;
  p_.panelCambiado = true;
  e_.Puntos += kPuntosNivel;
  MostrarPuntos();

  // 7. Each completed level gives the player a slower start.
  PonerTemporizador(Temporizador::Juego, true,
                    std::min(kIntervaloMaximo, e_.timJuego.Interval + kFrenadoPorNivel));

  // 8.
  Sonar(sonido::kNivelCompletado);

  // 9-10. The extra minute and the progress.
  GuardarProgreso();
  GuardarRecord();
  e_.BajandoPersiana = false;
  plataforma_.procesarEventos();
}

void Juego::FinPartida(int motivo) {
  // Everything stops before the message shows, so nothing can run on under
  // it (a drop completing the level, the clock running out again).
  NuevaGeneracion();
  ActivarTemporizador(Temporizador::Juego, false);
  ActivarTemporizador(Temporizador::Gota, false);
  ActivarTemporizador(Temporizador::BloqueExtra, false);
  e_.Jugando = false;
  e_.EnTurno = false;
  e_.Pausado = false;
  e_.Fijando = false;
  e_.FichaActiva = false;
  e_.NivelTerminado = false;
  e_.BajandoPersiana = false;
  ActualizarSombra();
  p_.colorMarco = kColorGris;
  p_.lblPausa.visible = false;
  p_.panelCambiado = true;

  if (e_.Demostrando) {
    Sonar(sonido::kFinPartida);
    TerminarDemostracion();
    return;
  }
  if (motivo != 0) {
    Sonar(sonido::kFinPartida);
    Mensaje(Icono::Informacion, "GAME OVER");
  } else {
    Mensaje(Icono::Informacion, "FELICIDADES!\r\rHas conseguido acabar el juego!");
  }

  // The screen is cleared; the board values stay as they were.
  p_.lblTipoJuego.visible = false;
  p_.imgObstaculo.fill(kSinImagen);
  p_.imgObjetivo.fill(kSinImagen);
  p_.lblObjetivo.visible = false;
  p_.lblTiempo.visible = false;
  p_.lblPuntos.visible = false;
  p_.lblRecord.visible = false;
  p_.lblInicio.visible = true;
  p_.persianaVisible = false;
  p_.filasPersiana = 0;
  p_.textoPersiana.clear();
  AjustarMarco(false);
  for (int i = 0; i < kCeldas; ++i) OcultarImagen(i);
  p_.imgNext.fill(kSinImagen);
  p_.panelCambiado = true;

  // After a loss the player picks the next level at once.
  if (motivo != 0) {
    MenuNuevo();
    if (!e_.Jugando) e_.NivelActual = 0;
  }
}

void Juego::ClicPersiana() {
  // Only the shutter that asks for ENTER leads on; during play its caption
  // is empty.
  if (p_.textoPersiana.empty()) return;
  p_.persianaVisible = false;
  p_.textoPersiana.clear();
  p_.panelCambiado = true;
  EmpezarNivel();
}

}  // namespace tumbla
