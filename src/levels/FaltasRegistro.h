// What makes a level record one the game can play: numbers where numbers go,
// no handicap beyond what the game can time, cells in the field and out of
// the rows where pieces enter, the square board's blocks inside the square,
// drops on free cells, the pot on the floor, no row full before the first
// piece, an objective that is not met before play. A fault in the built-in
// records stops the game; a designer's file and a player's own levels are
// told what is wrong, field by field.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/Textos.h"
#include "levels/Niveles.h"

namespace tumbla {

// Where a fault lies, as a level's maker sees the level: its fields and its
// starting board.
enum class CampoNivel : uint8_t {
  Tipo,          // the record is not of the group's type
  Lineas,        // the line target
  BloquesExtra,  // seconds between extra blocks
  Subida,        // rows between two rises of the board
  BorrarCada,    // rows that clear together
  Gota,          // the blue drop's cell
  GotaRosa,      // the pink drop's cell
  Maceta,        // the plant's pot (the first cell of a PODATOR list)
  Tablero,       // the cells of the starting board
};

struct FaltaNivel {
  CampoNivel campo;
  std::string motivo;  // for the level's maker, in the language it was asked in
};

// Every fault of one record played as a level of `grupo`, at most one per
// field, in field order. Fields the group does not use are only checked to
// hold numbers the game reads. The reasons come in `t`'s language.
std::vector<FaltaNivel> FaltasEnRegistro(const CamposRegistro& campos, const Grupo& grupo,
                                         const Traductor& t = SinTraducir());

// Records from a file (a designer trying boards) are checked before any is
// played: "" when every position finds its record and every such record
// holds what the game can play as that position's group, else the first
// fault.
std::string FaltaEnRegistros(const CatalogoNiveles& niveles);

}  // namespace tumbla
