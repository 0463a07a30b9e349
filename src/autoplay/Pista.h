// The hint: the computer player's choice for the piece in play, as the
// outline the screen shows where it would put it. The engine asks once per
// piece.
#pragma once

#include <optional>

#include "jugador/JugadorAutomatico.h"
#include "motor/Consejero.h"

namespace tumbla {

class Pista : public Consejero {
 public:
  std::optional<Pieza> Consejo(const Panorama& p) override;

 private:
  JugadorAutomatico jugador_;
};

}  // namespace tumbla
