// Where the computer player would put the falling piece: the outline the
// hint ("Pista") shows. The player lives above the engine, so the engine
// only knows it through this face, which the host hands it.
#pragma once

#include <optional>

#include "game/Pieza.h"

namespace tumbla {

class Vista;

class Consejero {
 public:
  virtual ~Consejero() = default;
  // The resting place it would choose for the piece falling now, if any.
  virtual std::optional<Pieza> Consejo(const Vista& v) = 0;
};

}  // namespace tumbla
