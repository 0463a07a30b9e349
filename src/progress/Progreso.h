// How far the player has come and what it earned: the levels completed
// (AMAITUTAKOA), the stock of extra minutes (LAGUNTZA) with the date of the
// last daily one (AZKENA), and the best score of each level. Everything is
// read from and written to the settings store as it happens.
#pragma once

#include <cstdint>
#include <string>

#include "progress/Almacen.h"

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
  // each day. True when today's minute was given.
  bool PremioDiario(const Fecha& hoy);
  int MinutosExtra() const { return minutos_; }
  // A minute earned (+1) or spent (-1), stored at once.
  void CambiarMinutos(int delta);

  // The positions completed, as stored (0..296).
  int Superados();
  // A level completed: a minute earned, and the progress raised when the
  // level was open when chosen (`guardar`) and lies beyond it.
  void NivelSuperado(int posicion, bool guardar);
  void Reset();  // progress back to none; minutes and options stay

  // The best score made on a position, 0 when none.
  int32_t Record(int posicion) const;
  // Keeps `puntos` as the position's best when it beats it.
  void GuardarRecord(int posicion, int32_t puntos);

  static std::string TextoFecha(const Fecha& f);

 private:
  Almacen& almacen_;
  int16_t minutos_ = 0;
};

}  // namespace tumbla
