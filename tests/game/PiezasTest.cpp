// The piece catalogue against its own geometry, read independently of the
// game's decoder, and the falling piece's fit at the board's edges.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "game/Pieza.h"

namespace tumbla {
namespace {

using Celda = std::pair<int, int>;  // (dx, dy), y grows downwards

// A token as a displacement: the digit is the distance; the two-row
// diagonals move one column only.
Celda Vector(const std::string& t) {
  if (t == "0") return {0, 0};
  const int d = t.back() - '0';
  const bool diagonal = t.size() == 3;
  Celda v{0, 0};
  for (char c : t.substr(0, t.size() - 1)) {
    if (c == 'U') v.second = -d;
    if (c == 'D') v.second = d;
    if (c == 'L') v.first = diagonal ? -1 : -d;
    if (c == 'R') v.first = diagonal ? 1 : d;
  }
  return v;
}

std::set<Celda> Celdas(int fila) {
  std::set<Celda> s;
  for (int k = 1; k <= Catalogo::NumCeldas(fila); ++k) s.insert(Vector(Catalogo::Comun().Campo(fila, k + 1)));
  return s;
}

TEST(Catalogo, cadaFilaEsSuGeometriaEnElTableroYEnLaVistaPrevia) {
  // Distinct cells (one for the torpedo), board offsets as the geometry says,
  // nothing above row 0 from the spawn cell, and the 26 pieces that can be
  // next inside the 5 x 4 preview around its pivot.
  const Catalogo& cat = Catalogo::Comun();
  std::set<int> siguientes{kFichaTorpedo};
  for (int n = 1; n <= 25; ++n) siguientes.insert(Catalogo::EntradaLista(n));
  EXPECT_EQ(siguientes.size(), 26u);
  for (int r = 0; r < kFilasCatalogo; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(Celdas(r).size(), r == kFichaTorpedo ? 1u : static_cast<size_t>(Catalogo::NumCeldas(r)));
    for (int k = 1; k <= Catalogo::NumCeldas(r); ++k) {
      const Celda v = Vector(cat.Campo(r, k + 1));
      EXPECT_EQ(cat.Desplazamiento(r, k), v.second * kAncho + v.first);
      EXPECT_GE(v.second, -2);
      if (!siguientes.count(r)) continue;
      const int img = 12 + Catalogo::DecodificarToken(cat.Campo(r, k + 1), false);
      EXPECT_TRUE(img >= 0 && img < 20 && img % 5 == 2 + v.first && img / 5 == 2 + v.second) << img;
    }
  }
}

TEST(Catalogo, cadaGiroEsUnCuartoDeVueltaYLosCiclosSeCierran) {
  // A turn keeps the colour and turns the cells a quarter counter-clockwise
  // about the pivot, then (sixteen steps) one column right or one row up;
  // every cycle closes within four steps, 26 cycles in all.
  const Catalogo& cat = Catalogo::Comun();
  const std::set<Celda> derecha = {{2, 3}, {6, 7}, {11, 12}, {15, 16}, {55, 56}, {59, 60}, {74, 73}};
  const std::set<Celda> arriba = {{5, 2}, {9, 6}, {14, 11}, {18, 15}, {58, 55}, {62, 59}, {64, 63}, {75, 76}, {77, 77}};
  std::set<std::set<int>> ciclos;
  for (int r = 0; r < kFilasCatalogo; ++r) {
    SCOPED_TRACE(r);
    const int s = cat.Siguiente(r);
    EXPECT_EQ(cat.Color(s), cat.Color(r));
    const int mx = derecha.count({r, s}) ? 1 : 0;
    const int my = arriba.count({r, s}) ? -1 : 0;
    std::set<Celda> girada;
    for (auto [dx, dy] : Celdas(r)) girada.insert({dy + mx, -dx + my});
    EXPECT_EQ(girada, Celdas(s));
    std::set<int> ciclo{r};
    for (int t = s, pasos = 1; t != r; t = cat.Siguiente(t), ++pasos) {
      ASSERT_LT(pasos, 4);
      ciclo.insert(t);
    }
    ciclos.insert(ciclo);
  }
  EXPECT_EQ(ciclos.size(), 26u);
}

TEST(Ficha, nadaCabeFueraDelTableroNiSobreUnBloque) {
  // The walls and the floor stop a piece; a five-block bar lying on the
  // floor cannot be turned upright below the board (it used to read past
  // the board's end); any block under a cell stops it.
  Tablero t;
  t.Amurallar();
  EXPECT_TRUE(t.Cabe({63, kCeldaEntrada}));
  EXPECT_FALSE(t.Cabe({64, 13 * kAncho + 1}));   // the flat I over column 0
  EXPECT_FALSE(t.Cabe(Pieza{1, 23 * kAncho + 6}.Girada()));  // upright bar below row 23
  EXPECT_TRUE(t.Cabe({1, 23 * kAncho + 6}));
  t.Poner(23 * kAncho + 8, 3);
  EXPECT_FALSE(t.Cabe({1, 23 * kAncho + 6}));
}

}  // namespace
}  // namespace tumbla
