// The game's state record: every field the rules read and write, under the
// names the game's design uses for them. One record per game, private to
// it (the engine, Partida, owns it); the outside sees it through Vista and
// the screen model the presenter derives from it.
#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "game/Pieza.h"
#include "game/Plataforma.h"
#include "game/Tablero.h"

namespace tumbla {

class ReglasGrupo;

// A command left for the next play tick.
enum class Orden { Ninguna, Pausa, Nuevo };

struct Estado {
  Tablero tablero;

  // The falling piece: `Ficha` (a row of the catalogue) with its pivot at
  // `Posicion`. It is not in Tablero until it lands.
  int16_t Ficha = 0;
  int16_t Posicion = 0;
  int16_t FichaSiguiente = 0;
  bool NoCabeForzado = false;   // the next fit test fails (after a hard drop)
  int16_t CeldaMasBaja = 0;     // the largest index the piece has reached
  bool TorpedoPendiente = false;
  int16_t CargaTorpedo = 0;
  int16_t NumTiposFicha = 0;
  int16_t PrimerTipoFicha = 0;
  // False when no piece is falling: before the first level, after a failed
  // spawn, and once a level has ended.
  bool FichaActiva = false;
  long FichasEntradas = 0;  // pieces that entered since the level started

  // Flow.
  bool Jugando = false;
  bool Pausado = false;
  bool EnTurno = false;       // a play tick is running: keys and nested ticks wait
  Orden orden = Orden::Ninguna;

  // The level in play: its group's rules and the record's numbers.
  const ReglasGrupo* reglas = nullptr;
  int16_t NivelActual = 0;
  std::string TipoNivel;
  int16_t BorrarCada = 0;        // 0 until the first level sets it (1 or more)
  int16_t BorrarCadaRegistro = 0;  // as the record has it (0: rows go one by one)
  int PeriodoBloques = 0;        // seconds between extra blocks, 0 for none
  bool ObjetivoLineas = false;
  int16_t LineasRestantes = 0;
  bool ObjetivoAlcanzado = false;  // the drop, the drops or the pot: "x0"
  int16_t CeldaGota = 0;           // the blue drop, or the plant's tip
  bool GotaCayendo = false;
  std::vector<int16_t> Planta;
  int16_t DireccionPlanta = 0;
  int16_t IntervaloSubida = 0;
  int16_t ContadorSubida = 0;
  int16_t TurnosPendientes = 0;
  bool EnBloqueExtra = false;
  bool BloqueExtraAntesDePausa = false;
  bool NoGuardarProgreso = false;

  // Score and clock.
  int32_t Puntos = 0;
  int32_t PuntosAlEmpezar = 0;
  int32_t RecordNivel = 0;       // the best score ever made on this level
  double InicioReloj = 0;        // monotonic seconds
  int16_t SegundosLimite = 0;
  int16_t MinutosExtra = 0;
  // The level clock as shown: the seconds left when it last ran (it reads
  // 0:00 below zero), whether the level has a clock at all, and whether it
  // shows.
  int64_t SegundosReloj = 0;
  bool ConReloj = true;
  bool RelojVisible = false;
  bool Parpadeo = false;         // the frame in its red phase

  // The end of a level: the shutter coming down over the board, and its
  // caption once ENTER leads on.
  bool NivelTerminado = false;   // completed, until the next one starts
  bool BajandoPersiana = false;  // sliding down: menus that start games wait
  bool PersianaVisible = false;
  int FilasPersiana = 0;
  bool PersianaEspera = false;
  bool EnDialogo = false;        // a tick waits for a box or window it opened

  // What the screen shows besides the board: nothing of a level before the
  // first one and after a game is over; the position whose caption shows.
  bool Inicializado = false;
  bool PantallaLimpia = true;
  int16_t NivelEnPantalla = 0;
  // After a lost game the falling piece stays drawn under the message box
  // until the screen is cleared.
  bool FichaTrasFin = false;
  std::bitset<kAlto> FilasRecienQuitadas;  // for the window's flash

  // Options: the sound switch and the piece set's check marks (their
  // stored values too), the landing shadow.
  bool SonidoActivo = true;
  bool MarcaNormal = true;
  bool MarcaDificil = false;
  std::string Sonido = "S";
  std::string Dificultad = "N";
  bool SombraActiva = false;

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

  Pieza FichaEnJuego() const { return {Ficha, Posicion}; }
};

}  // namespace tumbla
