// Handicaps of the classic levels: the Panic and Superpanic column shifts
// after every landing, extra blocks on a timer, and the rising board.
#include <algorithm>
#include <array>

#include "game/Juego.h"
#include "game/FichaActiva.h"

namespace tumbla {

namespace {

constexpr int kColumnas = 11;
constexpr int kFilasJuego = 24;  // rows 0..23

int CeldaDe(int fila, int columna) { return fila * kAncho + columna; }

}  // namespace

void Juego::DesplazarColumnas(int fuerza) {
  // The order of the columns (0 is column 1): each one takes the content of
  // the next, and the last takes the first's. In order, that moves the board
  // one column left and brings the leftmost column back on the right.
  std::array<int, kColumnas> orden{};
  if (fuerza == 2) {
    std::array<bool, kColumnas> usada{};
    for (int& columna : orden) {
      int v;
      do {
        v = plataforma_.aleatorio(Sorteo::Barajado, kColumnas);
      } while (v < 0 || v >= kColumnas || usada[static_cast<size_t>(v)]);
      usada[static_cast<size_t>(v)] = true;
      columna = v;
    }
  } else {
    for (int k = 0; k < kColumnas; ++k) orden[static_cast<size_t>(k)] = k;
  }

  std::array<int16_t, kFilasJuego> guardada{};
  for (int fila = 0; fila < kFilasJuego; ++fila) {
    guardada[static_cast<size_t>(fila)] = e_.tablero[CeldaDe(fila, orden[0] + 1)];
  }
  for (int k = 1; k < kColumnas; ++k) {
    const int destino = orden[static_cast<size_t>(k - 1)] + 1;
    const int origen = orden[static_cast<size_t>(k)] + 1;
    for (int fila = kFilasJuego - 1; fila >= 0; --fila) {
      EscribirCelda(CeldaDe(fila, destino), e_.tablero[CeldaDe(fila, origen)]);
    }
  }
  const int ultima = orden[kColumnas - 1] + 1;
  for (int fila = kFilasJuego - 1; fila >= 0; --fila) {
    EscribirCelda(CeldaDe(fila, ultima), guardada[static_cast<size_t>(fila)]);
  }
  RepintarFichaActiva(*this);
}

void Juego::TickBloqueExtra() {
  if (e_.EnTurno || !e_.Jugando) return;
  e_.EnBloqueExtra = true;
  e_.Fijando = true;

  // A column takes a block on the cell above its first block, unless the
  // column is filled to the top row, the falling piece covers that cell, or
  // the block would complete its row. The draw picks among those left.
  std::array<int, kColumnas> candidatas{};
  int m = 0;
  for (int col = 1; col <= kColumnas; ++col) {
    int k = col;
    while (k < kCeldas && !e_.tablero.Ocupada(k)) k += kAncho;  // the floor stops it
    if (k < kAncho || k >= kCeldas) continue;
    const int encima = k - kAncho;
    if (CubiertaPorFicha(*this, encima)) continue;
    const int base = encima - Columna(encima);
    int ocupadas = 0;
    for (int c = 0; c < kAncho; ++c) {
      if (e_.tablero.Ocupada(base + c)) ++ocupadas;
    }
    if (ocupadas + 1 >= kAncho) continue;
    candidatas[static_cast<size_t>(m++)] = encima;
  }
  if (m > 0) {
    const int elegida = std::clamp(plataforma_.aleatorio(Sorteo::Columna, m), 0, m - 1);
    EscribirCelda(candidatas[static_cast<size_t>(elegida)], kMuro);
    Sonar(sonido::kTorpedoOBloque);
  }

  e_.Fijando = false;
  // The pass sees EnBloqueExtra and brings in no piece.
  PasadaTrasAterrizaje(true);
  e_.EnBloqueExtra = false;
}

void Juego::SubirTablero() {
  // Each cell takes the value of the one below; the bottom row opens empty.
  for (int fila = 0; fila < kFilasJuego - 1; ++fila) {
    for (int col = 1; col <= kColumnas; ++col) {
      EscribirCelda(CeldaDe(fila, col), e_.tablero[CeldaDe(fila + 1, col)]);
    }
  }
  for (int col = 1; col <= kColumnas; ++col) EscribirCelda(CeldaDe(kFilasJuego - 1, col), kLibre);
  RepintarFichaActiva(*this);
}

}  // namespace tumbla
