// The hint: the computer player's choice for each new piece, as the outline
// the screen shows where it would put it. Worked out once per piece.
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
  long fichaVista_ = -1;
  int nivelVisto_ = -1;
  std::optional<Pieza> consejo_;
};

}  // namespace tumbla
