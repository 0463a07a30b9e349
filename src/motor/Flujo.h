// The flow of a game: one phase, the command a key left for the next play
// tick, and what the engine waits for from the player.
#pragma once

#include <array>
#include <cstdint>

#include "game/Suceso.h"
#include "motor/Plataforma.h"

namespace tumbla {

enum class Fase : uint8_t {
  Apagado,     // before start-up
  SinNivel,    // no level: the start-up board, or the screen cleared after a game
  Jugando,
  Pausado,
  Completado,  // the objective met: the shutter comes down, then waits for ENTER
  Perdido,     // the game is over: the board shows under its box until it closes
};

// A command left for the next play tick, so that it never acts in the
// middle of one: pause, or open the level window.
enum class Orden : uint8_t { Ninguna, Pausa, Nuevo };

// What the engine does when the player answers what it waits for.
enum class Despues : uint8_t {
  Nada,
  MinutoExtra,   // the clock's question: the tick goes on, or the level is lost by time
  FinPartida,    // "GAME OVER" or the congratulation closed: the screen clears
  Introduccion,  // a group's introduction closed: the timers run again, the clock starts
  Reset,         // "¿Quieres resetear el juego?"
  ResetSeguro,   // "¿Estás seguro/a?"
  Selector,      // the level window answered
  Persiana,      // a row of the shutter's slide
  Aviso,         // the box saying that the settings cannot be stored
};

struct Espera {
  Peticion peticion;
  Despues despues = Despues::Nada;
  Derrota derrota = Derrota::Ninguna;  // FinPartida: why the level was lost (Ninguna: every level done)
  bool trasPerder = false;           // Selector: opened after a lost game
  std::array<bool, 3> temporizadores{};  // Introduccion: the timers held meanwhile
  bool Hay() const { return peticion.tipo != TipoPeticion::Ninguna; }
};

struct Flujo {
  Fase fase = Fase::Apagado;
  Orden orden = Orden::Ninguna;
  int16_t nivelActual = 0;      // the position in play, 0 before the first
  Derrota derrota = Derrota::Ninguna;  // why the last level was lost, until another begins
  bool noGuardar = false;       // chosen beyond the open levels: completions are not stored
  bool fichaTrasFin = false;    // the lost piece still shows under the box
  bool bloqueoPausa = false;    // the extra blocks ran when the game paused
  bool bloqueoSelector = false;  // ... and when the level window opened
  bool pausaMenu = false;       // the pause only holds play while a menu is open
  bool Jugando() const { return fase == Fase::Jugando || fase == Fase::Pausado; }
};

}  // namespace tumbla
