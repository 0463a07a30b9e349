// The falling piece: the fit test, the entry, shifts, turns, the hard drop,
// the torpedo's drop through the stack, and the choice of the next piece.
#include "game/Pasos.h"
#include "game/Sonidos.h"

namespace tumbla {

namespace {

// The falling piece was drawn where it is: the lowest cell it reached.
void MarcarCeldaMasBaja(Mesa& m) {
  for (int k = 0; k < m.ficha.NumCeldas(); ++k) {
    if (m.ficha.Celda(k) > m.celdaMasBaja) m.celdaMasBaja = static_cast<int16_t>(m.ficha.Celda(k));
  }
}

}  // namespace

bool Cabe(Mesa& m, const Pieza& pieza) {
  if (m.soltada) {
    m.soltada = false;
    return false;
  }
  return m.tablero.Cabe(pieza);
}

void ElegirPieza(Mesa& m, Azar& azar) {
  const int n = azar.Sortear(Sorteo::Pieza, m.fichas.cuantas);
  m.siguiente = static_cast<int16_t>(Catalogo::EntradaLista(m.fichas.primera + n));
}

void Entrar(Mesa& m, Azar& azar) {
  m.celdaMasBaja = 0;
  m.ficha.posicion = kCeldaEntrada;
  if (Cabe(m, {m.siguiente, kCeldaEntrada})) {
    m.ficha.fila = m.siguiente;
    m.hayFicha = true;
    ++m.fichasEntradas;
    MarcarCeldaMasBaja(m);
  } else {
    // The entry is blocked: no piece falls; the next tick ends the level.
    m.hayFicha = false;
  }
  if (m.torpedoPendiente) {
    m.siguiente = kFichaTorpedo;
    m.torpedoPendiente = false;
  } else {
    ElegirPieza(m, azar);
  }
}

bool Mover(Mesa& m, int d) {
  if (!m.hayFicha || !Cabe(m, m.ficha.Movida(d))) return false;
  m.ficha = m.ficha.Movida(d);
  MarcarCeldaMasBaja(m);
  return true;
}

void Girar(Mesa& m, bool alReves) {
  // No wall kick: the turned piece fits where it is, or nothing happens.
  if (!m.hayFicha || !Cabe(m, m.ficha.Girada(alReves))) return;
  m.ficha = m.ficha.Girada(alReves);
  MarcarCeldaMasBaja(m);
}

Pieza Caida(const Tablero& t, Pieza pieza) {
  while (t.Cabe(pieza.Movida(kAncho))) pieza = pieza.Movida(kAncho);
  return pieza;
}

void Soltar(Mesa& m) {
  if (!m.hayFicha) return;
  // A fit test still owed by an earlier drop fails once: the piece stays.
  if (Cabe(m, m.ficha.Movida(kAncho))) m.ficha = Caida(m.tablero, m.ficha.Movida(kAncho));
  MarcarCeldaMasBaja(m);
  m.soltada = true;
}

int DestinoTorpedo(const Tablero& t, int posicion) {
  // It falls to the first block of its column, passes through the blocks
  // and settles in the first free cell below them, or stays on top.
  const int fondo = Columna(posicion) + kBaseFilaInferior;
  int destino = posicion;
  for (int i = posicion; i <= fondo && !t.Ocupada(i); i += kAncho) destino = i;
  for (int i = destino + kAncho; i <= fondo; i += kAncho) {
    if (!t.Ocupada(i)) return i;
  }
  return destino;
}

void LanzarTorpedo(Mesa& m, Suceso& s) {
  if (!m.hayFicha) return;
  m.ficha.posicion = static_cast<int16_t>(DestinoTorpedo(m.tablero, m.ficha.posicion));
  MarcarCeldaMasBaja(m);
  m.soltada = true;
  s.sonido = sonido::kTorpedoOBloque;
}

}  // namespace tumbla
