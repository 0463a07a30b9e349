// The torpedo's hard drop: it passes through the blocks under it and settles
// in the first free cell below them, or on top of them when there is none.
#include "game/Juego.h"

namespace tumbla {

void Juego::LanzarTorpedo() {
  if (!e_.FichaActiva) return;
  const int fondo = Columna(e_.Posicion) + kBaseFilaInferior;  // its column in row 23

  int destino = e_.Posicion;
  for (int i = e_.Posicion; i <= fondo && !e_.tablero.Ocupada(i); i += kAncho) destino = i;
  for (int i = destino + kAncho; i <= fondo; i += kAncho) {
    if (!e_.tablero.Ocupada(i)) {
      destino = i;
      break;
    }
  }

  e_.PosicionAnterior = e_.Posicion;
  e_.Posicion = static_cast<int16_t>(destino);
  Redibujar(e_.Ficha, e_.FichaAnterior);
  e_.FichaAnterior = e_.Ficha;
  // The next tick lands it where it is drawn.
  e_.NoCabeForzado = true;
  Sonar(sonido::kTorpedoOBloque);
}

}  // namespace tumbla
