// A piece: a row of the catalogue (kind and orientation) with its pivot on
// the board. A small value type; where its cells are comes from the
// catalogue alone.
#pragma once

#include <cstdint>

#include "game/Catalogo.h"
#include "game/Tablero.h"

namespace tumbla {

struct Pieza {
  int16_t fila = 0;
  int16_t posicion = 0;

  int NumCeldas() const { return Catalogo::NumCeldas(fila); }
  // Board index of cell k (0-based).
  int Celda(int k) const { return posicion + Catalogo::Comun().Desplazamiento(fila, k + 1); }
  int Color() const { return Catalogo::Comun().Color(fila); }
  bool Cubre(int i) const {
    for (int k = 0; k < NumCeldas(); ++k) {
      if (Celda(k) == i) return true;
    }
    return false;
  }
  Pieza Movida(int d) const { return {fila, static_cast<int16_t>(posicion + d)}; }
  Pieza Girada(bool alReves = false) const {
    const Catalogo& c = Catalogo::Comun();
    return {static_cast<int16_t>(alReves ? c.Anterior(fila) : c.Siguiente(fila)), posicion};
  }
  bool operator==(const Pieza&) const = default;
};

inline bool Tablero::Cabe(const Pieza& pieza) const {
  for (int k = 0; k < pieza.NumCeldas(); ++k) {
    const int i = pieza.Celda(k);
    if (i < 0 || i >= kCeldas || Ocupada(i)) return false;
  }
  return true;
}

}  // namespace tumbla
