// The engine's small parts besides the clock: the three timers as the game
// set them (and as the host was told), the shutter over a completed level,
// the demo, and the score of the level in play.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "motor/Plataforma.h"

namespace tumbla {

class Temporizadores {
 public:
  explicit Temporizadores(Plataforma& plataforma) : plataforma_(plataforma) {}
  const EstadoTemporizador& operator[](Temporizador t) const { return t_[static_cast<size_t>(t)]; }
  // Running: on, with an interval that fires.
  bool Vivo(Temporizador t) const { return (*this)[t].activo && (*this)[t].intervalo > 0; }
  void Poner(Temporizador t, bool activo, int intervaloMs);
  void Activar(Temporizador t, bool activo) { Poner(t, activo, (*this)[t].intervalo); }
  void Parar();  // all three off

 private:
  Plataforma& plataforma_;
  // Before any level the play timer waits at 300 ms and the drop's at 100.
  std::array<EstadoTemporizador, 3> t_{{{false, 300}, {false, 100}, {false, 0}}};
};

// The shutter comes down over the empty top rows of a completed level, a row
// at a time, and then asks for ENTER.
struct Persiana {
  bool visible = false;
  int filas = 0;
  bool espera = false;  // its caption shows: ENTER leads on
  void Quitar() { *this = {}; }
};

// The computer plays a level for the player to watch. It is asked for when
// the level window opens and begins when a level is chosen there; the game
// stores nothing meanwhile.
struct Demostracion {
  bool pedida = false;
  bool activa = false;
  int16_t nivelAntes = 0;  // the position to go back to when it ends
  double ganadoEn = 0;     // when its last level was won: the next follows a few seconds on
  bool GuardaNada() const { return pedida || activa; }
};

// The score: the running total (kept from level to level until a level is
// chosen in the level window), what it was when the level began, and the
// best ever made on the level in play.
struct Marcador {
  int32_t puntos = 0;
  int32_t alEmpezar = 0;
  int32_t record = 0;
  bool conPista = false;  // the hint showed during the level: its score makes no record
  // Points add up to the most a score holds, and stop there.
  void Sumar(int32_t p) { puntos = static_cast<int32_t>(std::min<int64_t>(int64_t{puntos} + p, kPuntosMaximos)); }
};

}  // namespace tumbla
