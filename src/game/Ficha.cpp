// The falling piece: the fit test, the spawn, shifts, turns, the hard drop,
// the torpedo's drop through the stack, and the choice of the next piece.
#include "game/Partida.h"

namespace tumbla {

bool Partida::Cabe(const Pieza& pieza) {
  // After a hard drop the next fit test fails whatever the board holds, so
  // the piece lands where it was drawn.
  if (e.NoCabeForzado) {
    e.NoCabeForzado = false;
    return false;
  }
  return e.tablero.Cabe(pieza);
}

void Partida::MarcarCeldaMasBaja() {
  const Pieza ficha = e.FichaEnJuego();
  for (int k = 0; k < ficha.NumCeldas(); ++k) {
    if (ficha.Celda(k) > e.CeldaMasBaja) e.CeldaMasBaja = static_cast<int16_t>(ficha.Celda(k));
  }
}

bool Partida::CubiertaPorFicha(int i) const { return e.FichaActiva && e.FichaEnJuego().Cubre(i); }

void Partida::EntrarFicha() {
  e.CeldaMasBaja = 0;
  e.Posicion = kCeldaEntrada;
  if (Cabe({e.FichaSiguiente, kCeldaEntrada})) {
    e.Ficha = e.FichaSiguiente;
    e.FichaActiva = true;
    ++e.FichasEntradas;
    MarcarCeldaMasBaja();
  } else {
    // The entry is blocked: no piece falls; the next tick ends the level.
    e.FichaActiva = false;
  }
  ElegirSiguiente();
}

void Partida::Mover(int d) {
  if (!e.FichaActiva || !Cabe(e.FichaEnJuego().Movida(d))) return;
  e.Posicion = static_cast<int16_t>(e.Posicion + d);
  MarcarCeldaMasBaja();
}

void Partida::Girar() {
  // No wall kick: the turned piece fits where it is, or nothing happens.
  if (!e.FichaActiva || !Cabe(e.FichaEnJuego().Girada())) return;
  e.Ficha = e.FichaEnJuego().Girada().fila;
  MarcarCeldaMasBaja();
}

void Partida::BajarDeGolpe() {
  if (!e.FichaActiva) return;
  while (Cabe(e.FichaEnJuego().Movida(kAncho))) e.Posicion = static_cast<int16_t>(e.Posicion + kAncho);
  MarcarCeldaMasBaja();
  e.NoCabeForzado = true;
}

void Partida::LanzarTorpedo() {
  if (!e.FichaActiva) return;
  // It falls to the first block of its column, passes through the blocks
  // and settles in the first free cell below them, or stays on top.
  const int fondo = Columna(e.Posicion) + kBaseFilaInferior;
  int destino = e.Posicion;
  for (int i = e.Posicion; i <= fondo && !e.tablero.Ocupada(i); i += kAncho) destino = i;
  for (int i = destino + kAncho; i <= fondo; i += kAncho) {
    if (!e.tablero.Ocupada(i)) {
      destino = i;
      break;
    }
  }
  e.Posicion = static_cast<int16_t>(destino);
  MarcarCeldaMasBaja();
  e.NoCabeForzado = true;
  Sonar(sonido::kTorpedoOBloque);
}

void Partida::ElegirPieza() {
  const int n = Sortear(Sorteo::Pieza, e.NumTiposFicha);
  e.FichaSiguiente = static_cast<int16_t>(Catalogo::EntradaLista(e.PrimerTipoFicha + n));
}

void Partida::ElegirSiguiente() {
  if (e.TorpedoPendiente) {
    e.FichaSiguiente = kFichaTorpedo;
    e.TorpedoPendiente = false;
  } else {
    ElegirPieza();
  }
}

void Partida::FijarJuegoFichas(int indice) {
  if (indice == 0) {
    e.NumTiposFicha = 7;
    e.PrimerTipoFicha = 19;
  } else if (indice == 1) {
    e.NumTiposFicha = 25;
    e.PrimerTipoFicha = 1;
  }
}

}  // namespace tumbla
