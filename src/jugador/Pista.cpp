#include "jugador/Pista.h"

#include "motor/Vista.h"

namespace tumbla {

Pista::Pista(const Vista& vista) : jugador_(vista, Catalogo::Comun()) {}

std::optional<Pieza> Pista::Consejo(const Vista& v) {
  const Mesa& m = v.mesa();
  if (m.fichasEntradas != fichaVista_ || v.NivelActual() != nivelVisto_) {
    fichaVista_ = m.fichasEntradas;
    nivelVisto_ = v.NivelActual();
    // Where it would rest without turning the square: what the piece can
    // still reach from where it entered.
    const JugadorAutomatico::Jugada j = jugador_.Elegir(false);
    consejo_.reset();
    if (j.fila >= 0) consejo_ = Pieza{static_cast<int16_t>(j.fila), static_cast<int16_t>(j.pos)};
  }
  return consejo_;
}

}  // namespace tumbla
