// The board: 13 columns by 25 rows of signed 16-bit cells, row 0 at the top.
// Columns 0 and 12 and row 24 are walls; every access is range-checked.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tumbla {

constexpr int kAncho = 13;
constexpr int kAlto = 25;
constexpr int kCeldas = kAncho * kAlto;  // 325
constexpr int kCeldaEntrada = 32;        // spawn cell: row 2, column 6
constexpr int kBaseFilaInferior = 299;   // first index of row 23

// Cell values.
enum Valor : int16_t {
  kLibre = 0,
  kMuro = 8,          // wall, floor or neutral block
  kGotaRosa = 9,
  kGotaAzul = 10,
  kMaceta = 11,
  kFlorBlanca = 12,
  kFlorAmarilla = 13,
  kFlorRoja = 14,
  kTalloVertical = 15,
  kTalloHorizontal = 16,
  kTalloDerechaArriba = 17,
  kTalloIzquierdaArriba = 18,
  kTalloAbajoDerecha = 19,
  kTalloAbajoIzquierda = 20,
  kTorpedo = 21,
};

constexpr int Columna(int i) { return i % kAncho; }
constexpr int Fila(int i) { return i / kAncho; }
constexpr bool EsPlanta(int v) { return v >= kFlorBlanca && v <= kTalloAbajoIzquierda; }

// An index outside 0..324 is a programming error: the game stops at once
// rather than read or write outside the board.
[[noreturn]] inline void IndiceFueraDeRango(int i, const char* que) {
  std::fprintf(stderr, "tumbla: %s index %d outside the board\n", que, i);
  std::abort();
}

class Tablero {
 public:
  int16_t operator[](int i) const {
    if (i < 0 || i >= kCeldas) IndiceFueraDeRango(i, "board read");
    return celdas_[static_cast<size_t>(i)];
  }
  // Occupied: 1 or more, walls included.
  bool Ocupada(int i) const { return (*this)[i] >= 1; }

 private:
  friend class Juego;  // writes go through Juego::EscribirCelda with the picture
  void Poner(int i, int16_t v) {
    if (i < 0 || i >= kCeldas) IndiceFueraDeRango(i, "board write");
    celdas_[static_cast<size_t>(i)] = v;
  }
  std::array<int16_t, kCeldas> celdas_{};
};

}  // namespace tumbla
