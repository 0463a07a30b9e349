#include "game/FichaActiva.h"

#include "game/Juego.h"

namespace tumbla {

bool CubiertaPorFicha(const Juego& juego, int i) {
  const Estado& e = juego.estado();
  if (!e.FichaActiva) return false;
  for (int k = 1; k <= Catalogo::NumCeldas(e.Ficha); ++k) {
    if (e.Posicion + juego.catalogo().Desplazamiento(e.Ficha, k) == i) return true;
  }
  return false;
}

void RepintarFichaActiva(Juego& juego) {
  const Estado& e = juego.estado();
  if (!e.FichaActiva) return;
  const auto color = static_cast<int8_t>(juego.catalogo().Color(e.Ficha));
  for (int k = 1; k <= Catalogo::NumCeldas(e.Ficha); ++k) {
    juego.DibujarImagen(e.Posicion + juego.catalogo().Desplazamiento(e.Ficha, k), color);
  }
}

}  // namespace tumbla
