// The engine's small parts besides the clock: the three timers as the game
// set them (and as the host was told), the shutter over a completed level
// and the demo. (The score and the pace are the rules' own: game/Marcador.h.)
#pragma once

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

}  // namespace tumbla
