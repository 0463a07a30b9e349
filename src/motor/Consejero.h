// Where the computer player would put the falling piece: the outline the
// hint ("Pista") shows. The player lives above the engine, so the engine
// only knows it through this face, which the host hands it.
#pragma once

#include <optional>

#include "game/Panorama.h"
#include "game/Pieza.h"

namespace tumbla {

class Consejero {
 public:
  virtual ~Consejero() = default;
  // The resting place it would choose for the piece falling in what a
  // person sees, if any.
  virtual std::optional<Pieza> Consejo(const Panorama& p) = 0;
};

}  // namespace tumbla
