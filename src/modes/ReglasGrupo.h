// What makes the level groups differ. The play loop asks the rule set of
// the level in play at each point where a group may act, and names no group
// itself. One rule set per group, each in a file of its own:
//   Clasico.cpp      CLASIC, Panic and Superpanic, with the handicaps
//   Goteator.cpp     the blue drop to the floor
//   Rotator.cpp      the square board turned with 3 and 4
//   RotatorPlus.cpp  the square board cleared of its neutral blocks
//   Juntator.cpp     the two drops side by side
//   Podator.cpp      the plant cut down to its pot
// Rule sets hold no state: what they keep between events is in Estado.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/Pantalla.h"
#include "levels/Niveles.h"

namespace tumbla {

class Partida;
struct Estado;

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
  // unless the group gives them another meaning), drops, plant, objective.
  virtual void Preparar(Partida& p, const std::vector<int>& celdas, int gota, int gotaRosa) const;
  virtual ObjetivoVisible Objetivo(const Estado& e) const = 0;
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
  virtual bool CumplidoAlQuitar(const FilaLlena& /*ultima*/) const { return false; }
  // A removed row, for the counters of the group's own.
  virtual void FilaQuitada(Partida&) const {}
  // After a cycle's rows went: `limite` and `cortada` tell what they cut
  // of a plant.
  virtual void TrasQuitar(Partida&, int /*limite*/, bool /*cortada*/) const {}
  // After the clearing cycles: the objective met by what is left.
  virtual bool Cumplido(const Partida&) const { return false; }
  // Before the next piece enters after a landing. False when the hook
  // brought the piece in itself, or the level ended.
  virtual bool AntesDeFicha(Partida&) const { return true; }
  // At the end of every play tick's gravity step.
  virtual void TrasGravedad(Partida&) const {}

  // The drop timer's and the extra-block timer's events.
  virtual void TickGota(Partida&) const {}
  virtual void TickBloqueExtra(Partida&) const {}
};

const ReglasGrupo& ReglasDe(Modo modo);

// Shared by the groups with a blue drop. The drop starts in its cell (none
// when 0) and its timer runs while there is one.
void PonerGota(Partida& p, int gota);
// It falls a row while the cell
// below is free. True when it reached the bottom row (the level may have
// ended meanwhile: the caller checks).
bool BajarGota(Partida& p);

}  // namespace tumbla
