// Hands the computer player's commands to the game, at once or at a
// person's pace: a moment to think when a piece appears, then a delay before
// every command. The headless runner and the demo in the window both drive
// the game through it.
#pragma once

#include <cstdint>
#include <functional>

#include "jugador/JugadorAutomatico.h"

namespace tumbla {

class Juego;

class Conductor {
 public:
  static constexpr int64_t kNunca = INT64_MAX;

  // `dar` hands a command to the game (through whatever records it), as
  // the computer's: Juego::Ejecutar with Quien::Maquina.
  Conductor(const Juego& juego, std::function<void(Comando)> dar, bool ritmoPersona, int pensarMs = 400,
            int teclaMs = 80);

  // At `ahora` (ms of a monotonic clock): gives the command that is due, if
  // any, and says when there is something to do again (kNunca: not before
  // the game moves on). True when a command was given.
  bool Paso(int64_t ahora, int64_t& siguiente);
  long Teclas() const { return teclas_; }
  void PonerPesos(const TablaPesos* pesos) { jugador_.PonerPesos(pesos); }

 private:
  const Juego& juego_;
  JugadorAutomatico jugador_;
  std::function<void(Comando)> dar_;
  bool ritmoPersona_;
  int pensarMs_;
  int teclaMs_;
  int64_t proxima_ = 0;
  long fichaPensada_ = -1;
  int64_t aparecio_ = 0;  // when the piece in the air was first seen
  long teclas_ = 0;
};

}  // namespace tumbla
