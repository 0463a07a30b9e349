// Where the rules take their chance from. Every random draw the game makes
// is named, so that a replay script can feed it, and the source is passed to
// the steps that draw: the game hands them the host's random numbers, the
// computer player its own assumptions.
#pragma once

namespace tumbla {

enum class Sorteo {
  Pieza,     // next piece: 0..(pieces in the set)-1
  Columna,   // extra block: index among the eligible columns
  Barajado,  // Superpanic shuffle: 0..10
  Lado,      // plant's sideways choice: 0 = right, 1 = left
};

class Azar {
 public:
  virtual ~Azar() = default;
  // A uniform integer in 0..n-1 (n >= 1).
  virtual int Sortear(Sorteo sorteo, int n) = 0;
};

}  // namespace tumbla
