#include "autoplay/Pista.h"

namespace tumbla {

std::optional<Pieza> Pista::Consejo(const Panorama& p) {
  // Where it would rest without turning the square: what the piece can
  // still reach from where it stands.
  const JugadorAutomatico::Jugada j = jugador_.Elegir(p, false);
  if (j.fila < 0) return std::nullopt;
  return Pieza{static_cast<int16_t>(j.fila), static_cast<int16_t>(j.pos)};
}

}  // namespace tumbla
