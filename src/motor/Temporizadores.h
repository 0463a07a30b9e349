// The three timers as the game set them, and as the host was told.
#pragma once

#include <array>

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

}  // namespace tumbla
