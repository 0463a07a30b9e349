// What anyone outside the game may know of it, read-only: the table, the
// level and the flow, the clock, the score, the options, the timers and what
// the game waits for. The engine makes it from its parts; the game changes
// only through its entry points. The computer player reads only what a
// person sees of it, the panorama; the replay dump and the tests read all.
#pragma once

#include <cstdint>

#include "game/Marcador.h"
#include "game/Mesa.h"
#include "game/Panorama.h"
#include "levels/InicioNivel.h"
#include "motor/Flujo.h"
#include "motor/Plataforma.h"
#include "motor/RelojNivel.h"
#include "motor/Temporizadores.h"
#include "progress/Ajustes.h"
#include "progress/Progreso.h"

namespace tumbla {

class Vista {
 public:
  // The engine's parts it reads.
  struct Partes {
    const Mesa* mesa;
    const flujo::Situacion* flujo;
    const int16_t* nivelActual;
    const Nivel* nivel;
    const RelojNivel* reloj;
    const Marcador* marcador;
    const Ajustes* ajustes;
    const Progreso* progreso;
    const Temporizadores* tiempos;
  };
  explicit Vista(const Partes& partes) : p_(partes) {}

  const Mesa& mesa() const { return *p_.mesa; }
  int16_t Celda(int i) const { return mesa().tablero[i]; }
  bool HayFicha() const { return mesa().hayFicha; }
  Pieza FichaEnJuego() const { return mesa().ficha; }

  // What the game is doing (Flujo.h).
  const flujo::Situacion& situacion() const { return *p_.flujo; }
  // The board shows no level: before start-up, before the first level, or
  // cleared after a game.
  bool SinNivel() const;
  // A level is in play (its introduction showing, paused, under a box or
  // the level window), and one whose piece moves: neither paused nor held.
  bool Jugando() const;
  bool EnJuego() const;
  flujo::Pausa pausa() const;
  bool Pausado() const { return pausa() != flujo::Pausa::No; }
  // The level was completed: the shutter comes down, then waits for ENTER.
  const flujo::Persiana* persiana() const { return flujo::En<flujo::Persiana>(situacion()); }
  bool NivelTerminado() const { return persiana() != nullptr; }
  bool EnDemostracion() const { return flujo::En<flujo::Demostracion>(situacion()) != nullptr; }
  int NivelActual() const { return *p_.nivelActual; }
  // Why the last game was lost (Ninguna while a level goes on, after a won
  // one, and before any).
  Derrota derrota() const;
  // The level last set up (its position is the one on screen, 0 after a demo).
  const Nivel& nivel() const { return *p_.nivel; }
  // The name the replay dump gives the rules in force ("none" before any).
  const char* NombreModo() const;
  // What a person sees of the game now.
  Panorama panorama() const;

  const RelojNivel& reloj() const { return *p_.reloj; }
  const Marcador& marcador() const { return *p_.marcador; }
  const Ajustes& ajustes() const { return *p_.ajustes; }
  int MinutosExtra() const { return p_.progreso->MinutosExtra(); }
  const EstadoTemporizador& Temporizador(Temporizador t) const { return (*p_.tiempos)[t]; }
  // What the game waits for from the player (TipoPeticion::Ninguna: nothing).
  Peticion peticion() const { return flujo::PeticionDe(situacion()); }

 private:
  Partes p_;
};

}  // namespace tumbla
