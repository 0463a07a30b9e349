// Small checks shared by the scene tests.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "game/Juego.h"

namespace tumbla {

// Board rows as Escena::Filas writes them, one string per row.
inline std::string Lineas(std::initializer_list<const char*> filas) {
  std::string r;
  for (const char* f : filas) r += std::string(f) + "\n";
  return r;
}

template <typename T>
int Veces(const std::vector<T>& v, T x) {
  return static_cast<int>(std::count(v.begin(), v.end(), x));
}

// Every playable cell shows the picture of its value, except the cells of
// the falling piece, which show the piece. Returns a line per wrong cell
// (empty when all agree).
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
