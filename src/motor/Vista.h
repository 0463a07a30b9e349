// What anyone outside the game may know of it, read-only: the table, the
// level and the flow, the clock, the shutter, the score, the options and
// what the game waits for. The game changes only through its entry points.
// The computer player reads only what a person sees of it, the panorama;
// the replay dump and the tests read all.
#pragma once

#include <cstdint>

#include "game/Marcador.h"
#include "game/Mesa.h"
#include "game/Panorama.h"
#include "levels/InicioNivel.h"
#include "motor/Flujo.h"
#include "motor/Partes.h"
#include "motor/Plataforma.h"
#include "motor/RelojNivel.h"
#include "progress/Ajustes.h"

namespace tumbla {

class Juego;

class Vista {
 public:
  explicit Vista(const Juego& juego) : juego_(juego) {}

  const Mesa& mesa() const;
  int16_t Celda(int i) const { return mesa().tablero[i]; }
  bool HayFicha() const { return mesa().hayFicha; }
  Pieza FichaEnJuego() const { return mesa().ficha; }

  const Flujo& flujo() const;
  Fase fase() const { return flujo().fase; }
  bool Jugando() const { return flujo().Jugando(); }
  bool Pausado() const { return fase() == Fase::Pausado; }
  // The level was completed: the shutter comes down, then waits for ENTER.
  bool NivelTerminado() const { return fase() == Fase::Completado; }
  int NivelActual() const { return flujo().nivelActual; }
  // Why the last level was lost (Ninguna while a level goes on, after a
  // won one, and before any).
  Derrota derrota() const { return flujo().derrota; }
  // The level last set up (its position is the one on screen, 0 after a demo).
  const Nivel& nivel() const;
  // How many levels have begun since start-up: a new one began when it grows.
  int32_t NivelesEmpezados() const;
  // The name the replay dump gives the rules in force ("none" before any).
  const char* NombreModo() const;
  // What a person sees of the game now.
  Panorama panorama() const;

  const Demostracion& demo() const;
  const Persiana& persiana() const;
  const RelojNivel& reloj() const;
  const Marcador& marcador() const;
  const Ajustes& ajustes() const;
  int MinutosExtra() const;
  // The settings file takes what changes (else this run keeps it in memory).
  bool AjustesGuardados() const;
  const EstadoTemporizador& Temporizador(Temporizador t) const;
  // What the game waits for from the player (TipoPeticion::Ninguna: nothing).
  const Peticion& peticion() const;

 private:
  const Juego& juego_;
};

}  // namespace tumbla
