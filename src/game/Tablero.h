// The board: 13 columns by 25 rows of signed 16-bit cells, row 0 at the top.
// Columns 0 and 12 and row 24 are walls. A value type with the operations
// the rules are made of: the fit of a piece, a row removed, the square
// turned, columns shifted, the stack raised. Every access is range-checked.
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
constexpr int kFilaCuadrado = 13;        // top row of the square board
constexpr int kCeldaMasBajaGiro = 167;   // a piece below this has entered the square

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
constexpr bool EsGota(int v) { return v == kGotaRosa || v == kGotaAzul; }
constexpr bool EsMuroExterior(int i) { return Columna(i) == 0 || Columna(i) == kAncho - 1 || Fila(i) == kAlto - 1; }

// An index outside 0..324 is a programming error: the game stops at once
// rather than read or write outside the board.
[[noreturn]] inline void IndiceFueraDeRango(int i, const char* que) {
  std::fprintf(stderr, "tumbla: %s index %d outside the board\n", que, i);
  std::abort();
}

struct Pieza;

class Tablero {
 public:
  int16_t operator[](int i) const {
    if (i < 0 || i >= kCeldas) IndiceFueraDeRango(i, "board read");
    return celdas_[static_cast<size_t>(i)];
  }
  void Poner(int i, int16_t v) {
    if (i < 0 || i >= kCeldas) IndiceFueraDeRango(i, "board write");
    int16_t& celda = celdas_[static_cast<size_t>(i)];
    ocupadas_[static_cast<size_t>(Fila(i))] += static_cast<int8_t>((v >= 1) - (celda >= 1));
    celda = v;
  }
  // Occupied: 1 or more, walls included.
  bool Ocupada(int i) const { return (*this)[i] >= 1; }
  bool operator==(const Tablero&) const = default;

  // An empty field inside its walls and floor.
  void Amurallar();
  // Every cell of the piece on the board and free. A long piece turned
  // upright on the floor would reach below the board: it does not fit.
  bool Cabe(const Pieza& pieza) const;
  // The occupied cells of the row starting at `base` (walls included).
  int Ocupadas(int base) const {
    if (base < 0 || base + kAncho > kCeldas || Columna(base) != 0) IndiceFueraDeRango(base, "row");
    return ocupadas_[static_cast<size_t>(Fila(base))];
  }

  // What a removed row took with it.
  struct Quitada {
    int plantaPisada = 0;  // plant cells the falling rows overwrote
    int gotaAzulBajada = 0;  // rows the blue drop came down with the stack
  };
  // The row at `base` goes and every row above it down to row `ultimaFila`
  // falls by one; when `ultimaFila` is 1, row 0 empties. A drop keeps its
  // place unless `conGotas` (the block right above it is the one lost), and
  // is never copied twice.
  Quitada QuitarFila(int base, int ultimaFila, bool conGotas);

  // The square (rows 13..23) a quarter turn: key 3 (counter-clockwise) when
  // `antihorario`, key 4 otherwise. Returns where the blue drop went, or -1.
  int GirarCuadrado(bool antihorario);
  // Square columns filled top to bottom turn their blocks into neutral
  // ones; drops and other values stay.
  void SolidificarColumnas();
  // Columns shift along `orden` (columns 1..11, as 0..10): each takes what
  // the next one held, and the last what the first held.
  void RotarColumnas(const std::array<int, 11>& orden);
  // The stack climbs one row; the bottom row opens empty.
  void Subir();
  // Anything in columns 1..11 of rows 0..12.
  bool OcupadoSobreCuadrado() const;
  // Neutral blocks (8) in the playing field.
  int Neutros() const;

 private:
  // The rows taken again from the cells, after cells were written directly.
  void Recontar(int desde, int hasta);

  std::array<int16_t, kCeldas> celdas_{};
  std::array<int8_t, kAlto> ocupadas_{};  // occupied cells of each row, kept with the cells
};

}  // namespace tumbla
