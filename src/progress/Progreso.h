// How far the player has come and what it earned: the levels completed
// (AMAITUTAKOA), the stock of extra minutes (LAGUNTZA) with the date of the
// last daily one (AZKENA), and the best score of each level. Everything is
// read from and written to the settings store as it happens.
#pragma once

#include <cstdint>
#include <string>

#include "game/Marcador.h"

#include "almacen/Almacen.h"

namespace tumbla {

struct Fecha {
  int anio = 2000;
  int mes = 1;
  int dia = 1;
};

class Progreso {
 public:
  explicit Progreso(Almacen& almacen) : almacen_(almacen) {}

  // Start-up: the stored stock, and one more minute on the first start of
  // each day, stored with the day's date in one write. True when today's
  // minute was given: never when it could not be stored, or it would come
  // again at every start.
  bool PremioDiario(const Fecha& hoy);
  int MinutosExtra() const { return minutos_; }
  // A minute earned (+1) or spent (-1): added to the stock as stored at that
  // moment, which another copy of the game may have changed.
  void CambiarMinutos(int delta);

  // The positions completed, as stored (0..296).
  int Superados();
  // A level completed, stored in one write: a minute earned, the progress
  // raised when the level was open when chosen (`guardar`) and lies beyond
  // it, and `puntos` kept as the position's best when they beat it (below 0:
  // no record). True when they made the record.
  bool NivelSuperado(int posicion, bool guardar, int32_t puntos = -1);
  void Reset();  // progress back to none; minutes and options stay

  // The best score made on a position, 0 when none.
  int32_t Record(int posicion) const;

  // A player's pack keeps its own progress in a section of its own: how
  // many of its levels are completed, in order, and each one's best score
  // (by its place in the pack, from 1). The game's levels' keys are never
  // touched, and no extra minute is earned.
  int SuperadosPaquete(const std::string& seccion) const;
  int32_t RecordPaquete(const std::string& seccion, int numero) const;
  void PaqueteSuperado(const std::string& seccion, int numero, int32_t puntos);

  static std::string TextoFecha(const Fecha& f);

 private:
  Almacen& almacen_;
  int16_t minutos_ = 0;
};

}  // namespace tumbla
