// The key map: which command a key gives. The main window's handler knows
// the keys of play, and its menu has two shortcuts (F1 "Ayuda", F2 "Nuevo");
// the shutter, while it shows, has the focus and a handler of its own that
// sees a key after the main window's (ENTER leads on, F2 and S as in the
// main window). Keys are virtual key codes 1..255.
#pragma once

#include <array>

#include "motor/Comando.h"

namespace tumbla {

// Where a key arrives: the main window, or the shutter when it has the focus.
enum class Foco : uint8_t { Ventana, Persiana };

class Teclado {
 public:
  Teclado();  // the game's own keys, with O, P, A and Q beside the arrows

  // The main window's command for a key: its menu's shortcuts first when
  // the key arrives at the window itself, then its key handler's.
  Comando Principal(int codigo, Foco foco) const;
  // The shutter's own handler.
  static Comando DeLaPersiana(int codigo);
  // The first key of a command, 0 when none.
  int TeclaDe(Comando c) const;

 private:
  std::array<Comando, 256> principal_{};
};

}  // namespace tumbla
