// The game's shared state record: every field the rules read and write, under
// the names the game's design uses for them. One record per game, owned by
// Juego; nothing is global.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/Tablero.h"

namespace tumbla {

struct EstadoTemporizador {
  bool Enabled = false;
  int Interval = 0;  // ms; 0 never fires
};

struct Estado {
  Tablero tablero;

  // The falling piece (rows of the piece catalogue).
  int16_t Ficha = 0;
  int16_t FichaAnterior = 0;
  int16_t Posicion = 0;
  int16_t PosicionAnterior = 0;
  int16_t FichaSiguiente = 0;
  bool Cabe = false;
  bool NoCabeForzado = false;
  int16_t CeldaMasBaja = 0;
  bool TorpedoPendiente = false;
  int16_t CargaTorpedo = 0;
  int16_t NumTiposFicha = 0;
  int16_t PrimerTipoFicha = 0;
  // False when no piece is falling: before the first level, after a failed
  // spawn, and once a level has ended.
  bool FichaActiva = false;
  // Pieces that have entered since the level started.
  long FichasEntradas = 0;

  // Flow flags.
  bool Jugando = false;
  bool Pausado = false;
  bool EnTurno = false;
  bool Fijando = false;
  std::string Orden;  // "pause", "nuevo" or ""

  // Mode flags: at most one is set, from the level key's group.
  bool ModoClasico = false;
  bool ModoPanic = false;
  bool ModoSuperpanic = false;
  bool ModoGoteator = false;
  bool ModoRotator = false;
  bool ModoRotatorPlus = false;
  bool ModoJuntator = false;
  bool ModoPodator = false;

  int16_t BorrarCada = 0;  // 0 until the first level sets it (1 or more)
  bool ObjetivoLineas = false;
  int16_t LineasRestantes = 0;

  // Score and clock.
  int32_t Puntos = 0;
  int32_t PuntosAlEmpezar = 0;  // Puntos when the level in play started
  double InicioReloj = 0;  // monotonic seconds
  int16_t SegundosLimite = 0;
  int16_t MinutosExtra = 0;

  // Level state.
  int16_t NivelActual = 0;
  std::string TipoNivel;
  int16_t CeldaGota = 0;
  bool GotaCayendo = false;
  std::vector<int16_t> Planta;
  int16_t DireccionPlanta = 0;
  int16_t IntervaloSubida = 0;
  int16_t ContadorSubida = 0;
  bool NoGuardarProgreso = false;
  std::string Sonido = "S";
  std::string Dificultad = "N";

  // Members of the main window.
  std::vector<int16_t> FilasLlenas;
  int16_t TurnosPendientes = 0;
  bool EnBloqueExtra = false;
  bool BloqueExtraAntesDePausa = false;

  // True from the moment a level is completed until the next one starts:
  // the shutter is (being) lowered over the board.
  bool NivelTerminado = false;
  // True while the shutter is sliding down; menu commands that would start
  // or reset a game wait until it is done.
  bool BajandoPersiana = false;
  // True while a tick waits for a modal box or window it opened itself.
  bool EnDialogo = false;

  // The computer plays a level for the player to watch: nothing is stored,
  // no box is shown, and the game goes back to where it was at start-up
  // when the demo ends. A demo is asked for when the level window opens and
  // begins when a level is chosen there.
  bool Demostrando = false;
  bool DemostracionPedida = false;
  int16_t NivelAntesDemostracion = 0;

  EstadoTemporizador timJuego{false, 300};
  EstadoTemporizador timGota{false, 100};
  EstadoTemporizador timBloqueExtra{false, 0};
};

// The eight mode flags helper sets, as the rules name them.
inline bool ModoCuadrado(const Estado& e) {
  return e.ModoRotator || e.ModoRotatorPlus || e.ModoJuntator;
}
inline bool ModoConTorpedo(const Estado& e) {
  return e.ModoGoteator || e.ModoRotator || e.ModoRotatorPlus || e.ModoJuntator ||
         e.ModoPodator;
}
inline bool ModoConReloj(const Estado& e) {
  return e.ModoGoteator || e.ModoJuntator || e.ModoRotatorPlus || e.ModoPodator;
}

}  // namespace tumbla
