// What makes the level groups differ. The steps of the rules ask the rule
// set of the level in play at each point where a group may act, and name no
// group themselves. The rule sets (src/modes, one file per group) hold no
// state: what they keep between events is in the table.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/Azar.h"
#include "game/Imagen.h"
#include "game/Mesa.h"
#include "game/Modo.h"
#include "game/Suceso.h"

namespace tumbla {

// The version of the rules. A game played again must meet the rules it was
// played under, so this goes up with every change that makes any game play
// otherwise (a step, a draw, a pace, a score); a replay names it, and one of
// another version is refused.
constexpr int kVersionReglas = 1;

// A full row the clearing scan found: the drops it holds (0 when none, the
// rightmost when several) and whether it holds the pot.
struct FilaLlena {
  int base = 0;
  int celdaRosa = 0;
  int celdaAzul = 0;
  bool conMaceta = false;
};

// The objective panel: up to two pictures and the caption.
struct ObjetivoVisible {
  std::array<Imagen, 2> imagenes{kSinImagen, kSinImagen};
  std::string texto;
};

class ReglasGrupo {
 public:
  virtual ~ReglasGrupo() = default;

  virtual Modo modo() const = 0;
  // The name the replay dump gives the group's rules.
  virtual const char* NombreModo() const = 0;

  // The level's board after the walls: the record's cells (neutral blocks
  // unless the group gives them another meaning), drops, plant. True when a
  // blue drop stands on it (its timer then runs).
  virtual bool Preparar(Mesa& m, const std::vector<int>& celdas, int gota, int gotaRosa) const;
  virtual ObjetivoVisible Objetivo(const Mesa& m) const = 0;
  // A handicap icon of the group's own (Panic, Superpanic).
  virtual Imagen Icono() const { return kSinImagen; }

  // The objective is a number of rows (the record's line target).
  virtual bool ObjetivoLineas() const { return false; }
  // Seconds on the level clock, 0 for none.
  virtual int SegundosReloj() const { return 0; }
  // The square board: turns with 3 and 4, rows removed within the square,
  // full columns turned neutral, the frame around the square.
  virtual bool Cuadrado() const { return false; }
  // Nothing may stay above the square after a landing.
  virtual bool Desborda() const { return Cuadrado(); }
  // Four removed rows earn a torpedo.
  virtual bool GanaTorpedos() const { return true; }

  // In the row that completes a clearing cycle: both drops side by side
  // (they then go with the row).
  virtual bool Juntadas(const FilaLlena&) const { return false; }
  // After a cycle removed its rows: the objective met by what went.
  virtual bool CumplidoAlQuitar(const FilaLlena&) const { return false; }
  // A removed row, for the counters of the group's own.
  virtual void FilaQuitada(Mesa&) const {}
  // After a cycle's rows went: `limite` and `cortada` tell what they cut
  // of a plant.
  virtual void TrasQuitar(Mesa&, int /*limite*/, bool /*cortada*/) const {}
  // After the clearing cycles: the objective met by what is left.
  virtual bool Cumplido(const Mesa&) const { return false; }
  // Before the next piece enters after a landing. False when the hook
  // brought the piece in itself, or ended the level.
  virtual bool AntesDeFicha(Mesa&, Azar&, Suceso&) const { return true; }
  // At the end of every play tick's gravity step.
  virtual void TrasGravedad(Mesa&) const {}

  // The drop timer's and the extra-block timer's events.
  virtual void TickGota(Mesa&, Azar&, Suceso&) const {}
  virtual void TickBloqueExtra(Mesa&, Azar&, Suceso&) const {}
};

}  // namespace tumbla
