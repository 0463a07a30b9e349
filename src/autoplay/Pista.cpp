#include "autoplay/Pista.h"

namespace tumbla {

std::optional<Pieza> Pista::Consejo(const Panorama& p) {
  if (p.mesa.fichasEntradas != fichaVista_ || p.nivel != nivelVisto_) {
    fichaVista_ = p.mesa.fichasEntradas;
    nivelVisto_ = p.nivel;
    // Where it would rest without turning the square: what the piece can
    // still reach from where it entered.
    const JugadorAutomatico::Jugada j = jugador_.Elegir(p, false);
    consejo_.reset();
    if (j.fila >= 0) consejo_ = Pieza{static_cast<int16_t>(j.fila), static_cast<int16_t>(j.pos)};
  }
  return consejo_;
}

}  // namespace tumbla
