// The piece catalogue, the preview and the falling piece's moves.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "Comprobaciones.h"
#include "Escena.h"

namespace tumbla {
namespace {

using Celda = std::pair<int, int>;  // (dx, dy), y grows downwards

// Reads a token as a displacement, independently of the game's decoder:
// the digit is the distance; two-row diagonals move one column only.
Celda Vector(const std::string& t) {
  if (t == "0") return {0, 0};
  const int d = t.back() - '0';
  const bool diagonal = t.size() == 3;
  int dx = 0;
  int dy = 0;
  for (char c : t.substr(0, t.size() - 1)) {
    if (c == 'U') dy = -d;
    if (c == 'D') dy = d;
    if (c == 'L') dx = diagonal ? -1 : -d;
    if (c == 'R') dx = diagonal ? 1 : d;
  }
  return {dx, dy};
}

std::set<Celda> Celdas(const Catalogo& cat, int fila) {
  std::set<Celda> s;
  for (int k = 1; k <= Catalogo::NumCeldas(fila); ++k) s.insert(Vector(cat.Campo(fila, k + 1)));
  return s;
}

TEST(Catalogo, everyRowDecodesToDistinctCellsOnTheBoardAndInThePreview) {
  // Pentomino rows have five different cells, tetromino rows four, the
  // torpedo one; the board offsets and, for the spawn entries and the
  // torpedo, the 5 x 4 preview cells agree with the geometry.
  Catalogo cat;
  std::set<int> enLista{kFichaTorpedo};
  for (int n = 1; n <= 25; ++n) enLista.insert(Catalogo::EntradaLista(n));
  for (int r = 0; r < kFilasCatalogo; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(Catalogo::NumCeldas(r), r < 63 ? 5 : 4);
    EXPECT_EQ(Celdas(cat, r).size(), r == kFichaTorpedo ? 1u : static_cast<size_t>(Catalogo::NumCeldas(r)));
    EXPECT_EQ(cat.Color(r) >= 1 && cat.Color(r) <= 7, r != kFichaTorpedo);
    for (int k = 1; k <= Catalogo::NumCeldas(r); ++k) {
      const Celda v = Vector(cat.Campo(r, k + 1));
      EXPECT_EQ(cat.Desplazamiento(r, k), v.second * kAncho + v.first);
      EXPECT_GE(v.second, -2);  // nothing above row 0 from the spawn cell
      if (enLista.count(r)) {
        const int img = 12 + Catalogo::DecodificarToken(cat.Campo(r, k + 1), false);
        EXPECT_TRUE(img >= 0 && img < 20 && img % 5 == 2 + v.first && img / 5 == 2 + v.second) << img;
      }
    }
  }
  EXPECT_EQ(enLista.size(), 26u);
}

TEST(Catalogo, eachTurnIsAQuarterTurnCounterClockwiseAndCyclesClose) {
  // Each step of a cycle keeps the colour and turns the cells a quarter
  // counter-clockwise on screen about the pivot, then (for sixteen steps)
  // one column right or one row up; every cycle comes back within four
  // steps, 26 cycles in all.
  Catalogo cat;
  const std::set<Celda> derecha = {{2, 3}, {6, 7}, {11, 12}, {15, 16}, {55, 56}, {59, 60}, {74, 73}};
  const std::set<Celda> arriba = {{5, 2},   {9, 6},   {14, 11}, {18, 15}, {58, 55},
                                  {62, 59}, {64, 63}, {75, 76}, {77, 77}};
  std::set<std::set<int>> ciclos;
  for (int r = 0; r < kFilasCatalogo; ++r) {
    SCOPED_TRACE(r);
    const int s = cat.Siguiente(r);
    EXPECT_EQ(cat.Color(s), cat.Color(r));
    const int mx = derecha.count({r, s}) ? 1 : 0;
    const int my = arriba.count({r, s}) ? -1 : 0;
    std::set<Celda> girada;
    for (auto [dx, dy] : Celdas(cat, r)) girada.insert({dy + mx, -dx + my});
    EXPECT_EQ(girada, Celdas(cat, s));
    std::set<int> ciclo{r};
    for (int t = s, pasos = 1; t != r; t = cat.Siguiente(t), ++pasos) {
      ASSERT_LT(pasos, 4) << "row " << r << " does not come back";
      ciclo.insert(t);
    }
    ciclos.insert(ciclo);
  }
  EXPECT_EQ(ciclos.size(), 26u);
}

TEST(Siguiente, theNextPieceIsPreviewedAndAPendingTorpedoComesWithoutADraw) {
  // Draw 6 of the "Normal" set is the T (row 78), shown stem up in the
  // 5 x 4 preview; a pending torpedo is next without a draw.
  Escena s;
  s.TableroVacio();
  s.plataforma.aleatorios = {6};
  s.juego->ElegirSiguiente();
  EXPECT_EQ(s.e().FichaSiguiente, 78);
  std::array<int8_t, 20> vista{};
  vista[7] = vista[11] = vista[12] = vista[13] = 1;
  EXPECT_EQ(s.p().imgNext, vista);

  s.e().TorpedoPendiente = true;
  const auto sorteos = s.plataforma.sorteos.size();
  s.juego->ElegirSiguiente();
  EXPECT_EQ(s.e().FichaSiguiente, kFichaTorpedo);
  EXPECT_FALSE(s.e().TorpedoPendiente);
  EXPECT_EQ(s.plataforma.sorteos.size(), sorteos);
  vista = {};
  vista[12] = 21;
  EXPECT_EQ(s.p().imgNext, vista);
}

TEST(FichaActiva, movesStopAtWallsFloorAndStackAndTurnsNeverKick) {
  // Arrows and O P A Q move the T alike; it stops at the walls, a turn that
  // would cross a wall or the floor is refused as it stands, and Down never
  // lands it. CeldaMasBaja keeps the largest index drawn since the spawn,
  // even after a turn raised the piece.
  Escena s;
  s.TableroVacio();
  s.Entrar(78);  // T, stem up
  s.juego->TeclaPrincipal(tecla::kO);
  s.juego->TeclaPrincipal(tecla::kP);
  s.juego->TeclaPrincipal(tecla::kP);
  s.juego->TeclaPrincipal(tecla::kA);
  EXPECT_EQ(s.e().Posicion, kCeldaEntrada + kAncho + 1);
  s.juego->TeclaPrincipal(tecla::kQ);
  EXPECT_EQ(s.e().Ficha, 79);
  for (int n = 0; n < 12; ++n) s.juego->TeclaPrincipal(tecla::kDerecha);
  EXPECT_EQ(Columna(s.e().Posicion), 11);
  s.juego->TeclaPrincipal(tecla::kArriba);  // stem down needs column 12
  EXPECT_EQ(s.e().Ficha, 79);
  for (int n = 0; n < 12; ++n) s.juego->TeclaPrincipal(tecla::kIzquierda);
  EXPECT_EQ(Columna(s.e().Posicion), 2);
  for (int n = 0; n < 30; ++n) s.juego->TeclaPrincipal(tecla::kAbajo);
  EXPECT_EQ(Fila(s.e().Posicion), 22);
  EXPECT_TRUE(s.e().FichaActiva);
  EXPECT_EQ(s.e().Puntos, 0);
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");

  s.Entrar(1);  // the five-block bar, lying
  for (int n = 0; n < 30; ++n) s.juego->TeclaPrincipal(tecla::kAbajo);
  s.juego->TeclaPrincipal(tecla::kArriba);  // upright it would reach row 25
  EXPECT_EQ(s.e().Ficha, 1);
  EXPECT_EQ(Fila(s.e().Posicion), 23);

  s.Entrar(63);  // upright I: lowest cell 45
  s.juego->TeclaPrincipal(tecla::kArriba);  // lying: lowest cell 34
  EXPECT_EQ(s.e().Ficha, 64);
  EXPECT_EQ(s.e().CeldaMasBaja, 45);
  s.juego->TeclaPrincipal(tecla::kAbajo);
  EXPECT_EQ(s.e().CeldaMasBaja, 46);

  // Space shows the O on the stack; Left, Right and Down are refused until
  // the tick lands it. Up after a hard drop tries a turn (the O turns into
  // itself) and clears the forced miss; the piece still lands.
  s.TableroVacio();
  s.Dibujar(23, {"###.#######"});
  s.Entrar(77);
  EXPECT_EQ(s.e().CeldaMasBaja, 32);
  s.juego->TeclaPrincipal(tecla::kEspacio);
  EXPECT_TRUE(s.e().NoCabeForzado);
  for (int k : {tecla::kIzquierda, tecla::kDerecha, tecla::kAbajo}) s.juego->TeclaPrincipal(k);
  s.juego->TickJuego();
  EXPECT_EQ(s.Filas(21, 23), "....22.....\n....22.....\n###.#######\n");
  EXPECT_EQ(s.e().Posicion, kCeldaEntrada);
  s.Entrar(77);
  s.juego->TeclaPrincipal(tecla::kEspacio);
  s.juego->TeclaPrincipal(tecla::kArriba);
  EXPECT_FALSE(s.e().NoCabeForzado);
  s.juego->TickJuego();
  EXPECT_EQ(s.Filas(19, 20), "....22.....\n....22.....\n");
}

}  // namespace
}  // namespace tumbla
