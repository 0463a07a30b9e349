// The falling piece: the commands of play, the entry, the choice of the next
// piece, the hard drop and the torpedo's drop through the stack.
#include "game/Pasos.h"
#include "game/Sonidos.h"

namespace tumbla {

void ElegirPieza(Mesa& m, Azar& azar) {
  const int n = azar.Sortear(Sorteo::Pieza, m.fichas.cuantas);
  m.siguiente = static_cast<int16_t>(Catalogo::EntradaLista(m.fichas.primera + n));
}

void Entrar(Mesa& m, Azar& azar) {
  m.celdaMasBaja = 0;
  m.ficha.posicion = kCeldaEntrada;
  const Pieza entrada{m.siguiente, kCeldaEntrada};
  if (m.tablero.Cabe(entrada)) {
    m.MoverFicha(entrada);
    m.hayFicha = true;
    ++m.fichasEntradas;
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

void RetirarFicha(Mesa& m) { m.hayFicha = false; }

void Actuar(Mesa& m, Comando c, Azar& azar, Suceso& s) {
  if (c == Comando::GirarCuadrado3 || c == Comando::GirarCuadrado4) {
    if (PuedeGirarCuadrado(m)) GirarCuadrado(m, azar, c == Comando::GirarCuadrado3, s);
    return;
  }
  if (!m.hayFicha) return;
  const bool torpedo = m.ficha.fila == kFichaTorpedo && c == Comando::Soltar;
  if (m.soltada && !torpedo) {
    if (c == Comando::Girar || c == Comando::GirarAlReves) m.soltada = false;
    return;
  }
  Pieza destino = m.ficha;
  if (!Llevar(m.tablero, destino, c)) return;
  m.MoverFicha(destino);
  if (c != Comando::Soltar) return;
  m.soltada = true;
  if (torpedo) s.Sonar(sonido::kTorpedoOBloque);
}

Pieza Soltada(const Tablero& t, const Pieza& p) {
  if (p.fila == kFichaTorpedo) return {p.fila, static_cast<int16_t>(DestinoTorpedo(t, p.posicion))};
  return Caida(t, p);
}

Pieza Caida(const Tablero& t, Pieza pieza) {
  while (t.Cabe(pieza.Movida(kAncho))) pieza = pieza.Movida(kAncho);
  return pieza;
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

bool PersianaBaja(const Tablero& t, int filas) {
  if (filas < 0 || filas >= kAlto - 1) return false;  // the floor
  const int base = kAncho * filas;
  for (int i = base + 1; i <= base + 11; ++i) {
    if (t[i] != kLibre) return false;
  }
  return true;
}

int FilasPersiana(const Tablero& t) {
  int filas = 0;
  while (PersianaBaja(t, filas)) ++filas;
  return filas;
}

}  // namespace tumbla
