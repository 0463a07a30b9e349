// Level end: a completed level (the shutter comes down, points, the extra
// minute and progress, then ENTER for the next position) and the end of the
// game (lost, or every level done).
#include <algorithm>

#include "game/Partida.h"

namespace tumbla {

namespace {

constexpr int kPuntosFilaPersiana = 5;
constexpr int kPuntosNivel = 100;
constexpr int kFrenadoPorNivel = 30;    // ms added to the play timer
constexpr int kIntervaloMaximo = 300;
constexpr double kPasoPersiana = 0.05;  // seconds per shutter row

}  // namespace

void Partida::NivelCompletado() {
  // The level is over: whatever called this must stop (see Generacion). A
  // piece still in the air goes with the level; a level completed during a
  // pause (the drop keeps falling) ends the pause, or the play timer would
  // stay off for good.
  NuevaGeneracion();
  e.Jugando = false;
  e.Pausado = false;
  e.FichaActiva = false;
  e.NivelTerminado = true;
  // Menu commands that would start or reset a game wait until the shutter
  // is down and the progress is stored.
  e.BajandoPersiana = true;
  ActivarTemporizador(Temporizador::Juego, true);
  ActivarTemporizador(Temporizador::Gota, false);
  ActivarTemporizador(Temporizador::BloqueExtra, false);
  e.FilasPersiana = 0;
  e.PersianaEspera = false;
  e.Parpadeo = false;
  ProcesarEventos();

  // The shutter comes down over the empty top rows, one row per step, 5
  // points a row; it shows even with no row to cover, so that ENTER can
  // always go on.
  for (int s = 1; s < kBaseFilaInferior + kAncho; s += kAncho) {
    int libres = 0;
    for (int i = s; i <= s + 10; ++i) libres += e.tablero[i] == kLibre;
    if (libres != 11) break;
    e.FilasPersiana += 1;
    e.PersianaVisible = true;
    Esperar(kPasoPersiana);
    e.Puntos += kPuntosFilaPersiana;
  }
  e.PersianaVisible = true;
  e.PersianaEspera = true;
  e.Puntos += kPuntosNivel;

  // Each completed level gives the player a slower start.
  PonerTemporizador(Temporizador::Juego, true, std::min(kIntervaloMaximo, e.timJuego.intervalo + kFrenadoPorNivel));
  Sonar(sonido::kNivelCompletado);
  GuardarProgreso();
  GuardarRecord();
  e.BajandoPersiana = false;
  ProcesarEventos();
}

void Partida::FinPartida(int motivo) {
  // Everything stops before the message shows, so nothing can run on under
  // it (a drop completing the level, the clock running out again). The
  // falling piece stays drawn under the message.
  NuevaGeneracion();
  ActivarTemporizador(Temporizador::Juego, false);
  ActivarTemporizador(Temporizador::Gota, false);
  ActivarTemporizador(Temporizador::BloqueExtra, false);
  e.Jugando = e.EnTurno = e.Pausado = false;
  e.FichaTrasFin = e.FichaActiva;
  e.FichaActiva = false;
  e.NivelTerminado = e.BajandoPersiana = false;
  e.Parpadeo = false;

  if (e.Demostrando) {
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
  e.PantallaLimpia = true;
  e.FichaTrasFin = false;
  e.RelojVisible = false;
  e.PersianaVisible = e.PersianaEspera = false;
  e.FilasPersiana = 0;

  // After a loss the player picks the next level at once.
  if (motivo != 0) {
    MenuNuevo();
    if (!e.Jugando) e.NivelActual = 0;
  }
}

void Partida::ClicPersiana() {
  // Only the shutter that asks for ENTER leads on.
  if (!e.PersianaEspera) return;
  e.PersianaVisible = e.PersianaEspera = false;
  EmpezarNivel();
}

}  // namespace tumbla
