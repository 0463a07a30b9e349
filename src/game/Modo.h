// The eight rule sets a level can be played by.
#pragma once

namespace tumbla {

enum class Modo { Clasico, Panic, Superpanic, Goteator, Rotator, RotatorPlus, Juntator, Podator };

}  // namespace tumbla
