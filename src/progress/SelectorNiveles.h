// The level-selection window's logic: 50 level buttons, the scroll bar, the
// selection frame, the captions and the keys.
#pragma once

namespace tumbla {

class Juego;

class SelectorNiveles {
 public:
  explicit SelectorNiveles(Juego& juego) : juego_(juego) {}

 private:
  Juego& juego_;
};

}  // namespace tumbla
