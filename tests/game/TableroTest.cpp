// The board's operations against independent oracles: the square's turns,
// the column shifts, the rising stack and the removal of a row.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

#include "game/Tablero.h"

namespace tumbla {
namespace {

// A board with every playable cell holding a value of its own, none of them
// a drop or a plant.
Tablero Numerado() {
  Tablero t;
  t.Amurallar();
  for (int i = 0; i < kBaseFilaInferior + kAncho; ++i) {
    if (!EsMuroExterior(i)) t.Poner(i, static_cast<int16_t>(100 + i));
  }
  return t;
}

int Cuadrado(int fila, int columna) { return 170 + kAncho * fila + columna; }

TEST(Tablero, losGirosDelCuadradoSonCuartosDeVuelta) {
  // Key 3 takes square cell (i, j) to (10 - j, i) and key 4 to (j, 10 - i);
  // four turns, and 3 then 4, give the square back; rows 0..12 never move.
  const Tablero antes = Numerado();
  for (const bool antihorario : {true, false}) {
    Tablero t = antes;
    t.GirarCuadrado(antihorario);
    for (int i = 0; i < 11; ++i) {
      for (int j = 0; j < 11; ++j) {
        const int destino = antihorario ? Cuadrado(10 - j, i) : Cuadrado(j, 10 - i);
        EXPECT_EQ(t[destino], antes[Cuadrado(i, j)]);
      }
    }
    for (int k = 0; k < 3; ++k) t.GirarCuadrado(antihorario);
    EXPECT_EQ(t, antes);
    t.GirarCuadrado(antihorario);
    t.GirarCuadrado(!antihorario);
    EXPECT_EQ(t, antes);
  }
}

TEST(Tablero, lasColumnasSeMuevenEnterasYElTableroSube) {
  // In order the columns move one to the left and the first comes back on
  // the right; any order moves whole columns, none lost or doubled; the
  // rising stack climbs a row and the bottom row opens empty.
  const Tablero antes = Numerado();
  std::array<int, 11> orden{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  Tablero t = antes;
  t.RotarColumnas(orden);
  for (int f = 0; f < 24; ++f) {
    for (int c = 1; c <= 11; ++c) EXPECT_EQ(t[f * kAncho + c], antes[f * kAncho + (c % 11) + 1]);
  }
  std::shuffle(orden.begin(), orden.end(), std::mt19937(7));
  t = antes;
  t.RotarColumnas(orden);
  for (int c = 1; c <= 11; ++c) {
    const bool hallada = std::any_of(orden.begin(), orden.end(), [&](int o) {
      for (int f = 0; f < 24; ++f) {
        if (t[f * kAncho + o + 1] != antes[f * kAncho + c]) return false;
      }
      return true;
    });
    EXPECT_TRUE(hallada) << "column " << c;
  }
  t = antes;
  t.Subir();
  for (int c = 1; c <= 11; ++c) {
    EXPECT_EQ(t[5 * kAncho + c], antes[6 * kAncho + c]);
    EXPECT_EQ(t[kBaseFilaInferior + c], kLibre);
  }
}

TEST(Tablero, unaFilaQuitadaBajaLoDeArribaYGuardaLasGotas) {
  // The rows above fall by one and row 0 empties; within the square's reach
  // only the twelve rows above move; a drop keeps its place and the block
  // right above it is the one lost, unless the drops go with the row.
  Tablero t = Numerado();
  const Tablero antes = t;
  t.QuitarFila(20 * kAncho, 1, false);
  EXPECT_EQ(t[20 * kAncho + 4], antes[19 * kAncho + 4]);
  EXPECT_EQ(t[1 * kAncho + 4], antes[0 * kAncho + 4]);
  EXPECT_EQ(t[4], kLibre);
  EXPECT_EQ(t[21 * kAncho + 4], antes[21 * kAncho + 4]);

  t = antes;
  t.QuitarFila(23 * kAncho, 11, false);
  EXPECT_EQ(t[11 * kAncho + 4], antes[10 * kAncho + 4]);
  EXPECT_EQ(t[10 * kAncho + 4], antes[10 * kAncho + 4]);

  t = antes;
  t.Poner(22 * kAncho + 3, kGotaAzul);
  const Tablero::Quitada q = t.QuitarFila(22 * kAncho, 1, false);
  EXPECT_EQ(t[22 * kAncho + 3], kGotaAzul);
  EXPECT_EQ(t[21 * kAncho + 3], antes[20 * kAncho + 3]);
  EXPECT_EQ(q.gotaAzulBajada, 0);

  t = antes;
  t.Poner(20 * kAncho + 3, kGotaAzul);
  EXPECT_EQ(t.QuitarFila(22 * kAncho, 1, false).gotaAzulBajada, 1);
  EXPECT_EQ(t[21 * kAncho + 3], kGotaAzul);
  EXPECT_EQ(t[20 * kAncho + 3], antes[19 * kAncho + 3]);
}

TEST(Tablero, columnasLlenasSeVuelvenNeutrasYSeCuentan) {
  // A square column full from row 13 to 23 turns its blocks neutral and
  // keeps its drops; the count of neutral blocks and the test of anything
  // left above the square follow.
  Tablero t;
  t.Amurallar();
  for (int f = 13; f < 24; ++f) t.Poner(f * kAncho + 2, f == 18 ? kGotaAzul : 5);
  t.Poner(15 * kAncho + 3, 5);
  t.SolidificarColumnas();
  EXPECT_EQ(t[14 * kAncho + 2], kMuro);
  EXPECT_EQ(t[18 * kAncho + 2], kGotaAzul);
  EXPECT_EQ(t[15 * kAncho + 3], 5);
  EXPECT_EQ(t.Neutros(), 10);
  EXPECT_FALSE(t.OcupadoSobreCuadrado());
  t.Poner(12 * kAncho + 11, 1);
  EXPECT_TRUE(t.OcupadoSobreCuadrado());
}

TEST(Tablero, laCuentaDeCadaFilaSigueASusCeldas) {
  // The taken cells each row keeps count of follow every operation: the
  // quick row removal and the one past drops and plants, the turn, the
  // column shifts, the rising stack and solid columns.
  std::mt19937 azar(3);
  constexpr int16_t kValores[] = {1, 5, kMuro, kGotaRosa, kGotaAzul, kFlorBlanca, kTalloVertical, kTorpedo};
  for (int vuelta = 0; vuelta < 300; ++vuelta) {
    Tablero t;
    t.Amurallar();
    const int especiales = vuelta % 2 == 0 ? 8 : 3;  // with drops and plants, or without
    for (int i = 0; i < kBaseFilaInferior + kAncho; ++i) {
      if (!EsMuroExterior(i) && azar() % 3 != 0) t.Poner(i, kValores[azar() % especiales]);
    }
    const int fila = 1 + static_cast<int>(azar() % 23);
    std::array<int, 11> orden{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    std::shuffle(orden.begin(), orden.end(), azar);
    switch (vuelta % 5) {
      case 0: t.QuitarFila(fila * kAncho, azar() % 2 ? 1 : std::max(1, fila - 12), azar() % 2 == 0); break;
      case 1: t.GirarCuadrado(azar() % 2 == 0); break;
      case 2: t.RotarColumnas(orden); break;
      case 3: t.Subir(); break;
      default: t.SolidificarColumnas(); break;
    }
    for (int f = 0; f < kAlto; ++f) {
      int n = 0;
      for (int c = 0; c < kAncho; ++c) n += t.Ocupada(f * kAncho + c);
      ASSERT_EQ(t.Ocupadas(f * kAncho), n) << "operation " << vuelta % 5 << ", row " << f;
    }
  }
}

}  // namespace
}  // namespace tumbla
