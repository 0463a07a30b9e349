// Levels from outside the game's own sequence: the level the editor holds,
// tried at once ("Probar"), and the levels of a player's pack. Each is
// played on records of its own at a position of them (its group's first
// level, whose record it takes the place of), so it runs on exactly the
// game's rules.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "levels/Niveles.h"

namespace tumbla {

struct NivelAjeno {
  CatalogoNiveles registros;
  int posicion = 1;
  std::string nombre;
};

struct PaqueteJugable {
  // The settings' section its progress and records are kept in, apart
  // from the game's levels'.
  std::string seccion;
  std::string nombre;
  std::vector<NivelAjeno> niveles;
};

}  // namespace tumbla
