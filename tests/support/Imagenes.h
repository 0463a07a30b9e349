// Checks that the screen shows the board: every playable cell shows the
// picture of its value, except the cells of the falling piece, which show the
// piece. Returns a line per wrong cell (empty when all agree).
#pragma once

#include <string>

#include "game/Juego.h"

namespace tumbla {

inline std::string ImagenesErroneas(const Juego& juego) {
  const Estado& e = juego.estado();
  const Pantalla& p = juego.pantalla();
  std::string errores;
  for (int i = 0; i <= kBaseFilaInferior + 11; ++i) {
    if (Columna(i) == 0 || Columna(i) == 12) continue;
    const int v = e.tablero[i];
    int esperada = v >= 1 && v <= kImagenTorpedo ? v : kSinImagen;
    if (e.FichaActiva) {
      for (int k = 1; k <= Catalogo::NumCeldas(e.Ficha); ++k) {
        if (e.Posicion + juego.catalogo().Desplazamiento(e.Ficha, k) == i) {
          esperada = juego.catalogo().Color(e.Ficha);
        }
      }
    }
    const int vista = p.imgTablero[static_cast<size_t>(i)];
    if (vista != esperada) {
      errores += "cell " + std::to_string(i) + " shows " + std::to_string(vista) + ", expected " +
                 std::to_string(esperada) + "\n";
    }
  }
  return errores;
}

}  // namespace tumbla
