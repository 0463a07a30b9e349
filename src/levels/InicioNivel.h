// A level's start: the table set up for a position of the sequence (its
// group's rules, the walls, the record's handicaps, cells and objective) and
// its first piece brought in.
#pragma once

#include "game/Azar.h"
#include "game/Mesa.h"
#include "levels/Niveles.h"

namespace tumbla {

// The level in play as its record set it up, beyond the table.
struct Nivel {
  int posicion = 0;
  const Grupo* grupo = nullptr;  // none before the first level
  int periodoBloques = 0;        // seconds between extra blocks, 0 for none
  int borrarCadaRegistro = 0;    // as the record has it (0: rows go one by one)
  bool conGota = false;          // a blue drop falls: its timer runs
  int32_t orden = 0;             // levels begun since start-up, this one included (the game counts them)
};

// Sets the table up for the level at `posicion` (1..296) and brings its first
// piece in: two pieces are drawn, the preview and the one after it. What the
// table held before and a level of this group does not set stays as it was
// (the drop's cell, the rows left of a level without a row target). A
// position without a record is a fault of the built-in data: the program
// stops.
Nivel EmpezarMesa(Mesa& m, const CatalogoNiveles& niveles, int posicion, Azar& azar);

}  // namespace tumbla
