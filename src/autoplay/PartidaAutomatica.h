// One level played by the computer player, headless: a host of its own
// keeps a clock that jumps from event to event, fires the three timers at
// their intervals, draws the game's random numbers from a seed (the player
// never sees a draw before the game makes it) and answers the game's boxes.
// The player gives its commands at once, or at a person's pace: a moment to
// think when a piece appears, then a delay before each command.
//
// Every game can be written down as a replay script that tumbla-replay
// plays to the same end, and recorded as a player's game is.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "game/Comando.h"
#include "jugador/Pesos.h"
#include "grabacion/ArchivoRepeticion.h"

namespace tumbla {

class Juego;

// A hand at the controls: at `ahora` (ms) it gives the command that is due,
// if any, through `dar`, and says when it has something to do again (at
// `siguiente`; INT64_MAX: not before the game moves on). True when it gave
// a command.
using Mano = std::function<bool(const Juego& juego, const std::function<void(Comando)>& dar, int64_t ahora,
                                int64_t& siguiente)>;

struct OpcionesPartida {
  int posicion = 1;            // 1..296
  uint64_t semilla = 1;
  bool ritmoPersona = false;
  int pensarMs = 400;          // at a person's pace: before the first key of a piece
  int teclaMs = 80;            // and before every other key
  bool dificil = false;        // the "Difícil" piece set
  int limiteSegundos = 1800;   // a game that goes on longer is stopped
  std::ostream* guion = nullptr;  // where to write the replay script, if anywhere
  // Where the game goes recorded as a player's replay, if anywhere.
  std::function<void(Grabacion)> repeticion;
  // Level records to play instead of the built-in ones (a designer trying
  // boards, in which FaltaEnRegistros finds no fault); empty for the game's own.
  std::string registros;
  // The computer player's weights, when not the game's own (a tuning run).
  const TablaPesos* pesos = nullptr;
  // Another hand than the computer player's (tests, a game played again).
  Mano mano;
  // The draws to take instead of the seed's, in order: a game played again
  // from what it drew. A draw beyond them, or out of its range, stops the
  // game ("sorteo").
  const std::vector<int>* sorteos = nullptr;
  // Set from another thread: the game stops at its next event ("cancelada").
  const std::atomic<bool>* cancelar = nullptr;
};

struct ResultadoPartida {
  bool ganada = false;
  // Why a game was lost: "tiempo" (the clock ran out), "desborde" (a block
  // or the plant above the square after a landing), "planta" (the plant's
  // tip in the top row), "entrada" (no room for the next piece), "limite"
  // (stopped after limiteSegundos), "sorteo" or "cancelada" (stopped, see
  // OpcionesPartida).
  std::string motivo;
  long piezas = 0;
  double segundos = 0;         // of play, from the level's start to its end
  int segundosLimite = 0;      // the level's clock, 0 when it has none
  long teclas = 0;
  double avance = 0;           // of a level of rows to clear: the share cleared
};

ResultadoPartida JugarPartida(const OpcionesPartida& opciones);

}  // namespace tumbla
