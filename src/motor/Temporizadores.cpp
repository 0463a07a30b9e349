#include "motor/Temporizadores.h"

namespace tumbla {

void Temporizadores::Poner(Temporizador t, bool activo, int intervaloMs) {
  auto& tm = t_[static_cast<size_t>(t)];
  if (tm.activo == activo && tm.intervalo == intervaloMs) return;
  tm = {activo, intervaloMs};
  plataforma_.temporizador(t, activo, intervaloMs);
}

void Temporizadores::Parar() {
  for (Temporizador t : {Temporizador::Juego, Temporizador::Gota, Temporizador::BloqueExtra}) Activar(t, false);
}

}  // namespace tumbla
