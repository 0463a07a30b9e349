// The piece catalogue, the preview and the falling piece's moves.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "Escena.h"

namespace tumbla {
namespace {

using Celda = std::pair<int, int>;  // (dx, dy), y grows downwards

// Reads a token as a displacement, independently of the game's decoder:
// the digit is the distance; two-row diagonals move one column only.
Celda Vector(const std::string& t) {
  if (t == "0") return {0, 0};
  const int d = t.back() - '0';
  const std::string letras = t.substr(0, t.size() - 1);
  int dx = 0;
  int dy = 0;
  const bool diagonal = letras.size() == 2;
  for (char c : letras) {
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

TEST(Catalogo, tokensDecodeOnBoardAndPreview) {
  // The two-row diagonals move one column sideways only, on both grids.
  EXPECT_EQ(Catalogo::DecodificarToken("UR2", true), -25);
  EXPECT_EQ(Catalogo::DecodificarToken("UR2", false), -9);
  EXPECT_EQ(Catalogo::DecodificarToken("DL2", true), 25);
  EXPECT_EQ(Catalogo::DecodificarToken("DL2", false), 9);
  EXPECT_EQ(Catalogo::DecodificarToken("UL1", true), -14);
  EXPECT_EQ(Catalogo::DecodificarToken("R2", false), 2);
  // Anything else is a plain number.
  EXPECT_EQ(Catalogo::DecodificarToken("-7", true), -7);
  EXPECT_EQ(Catalogo::DecodificarToken("", true), 0);
}

TEST(Catalogo, everyRowDecodesToDistinctCellsWithTheRightCount) {
  // Pentomino rows have five different cells, tetromino rows four; the
  // torpedo's four tokens all name its pivot.
  Catalogo cat;
  for (int r = 0; r < kFilasCatalogo; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(Catalogo::NumCeldas(r), r < 63 ? 5 : 4);
    if (r == kFichaTorpedo) {
      EXPECT_EQ(Celdas(cat, r), (std::set<Celda>{{0, 0}}));
      EXPECT_EQ(cat.Color(r), 21);
      continue;
    }
    EXPECT_EQ(Celdas(cat, r).size(), static_cast<size_t>(Catalogo::NumCeldas(r)));
    EXPECT_GE(cat.Color(r), 1);
    EXPECT_LE(cat.Color(r), 7);
    // The decoder agrees with the geometry of every cell.
    for (int k = 1; k <= Catalogo::NumCeldas(r); ++k) {
      const Celda v = Vector(cat.Campo(r, k + 1));
      EXPECT_EQ(cat.Desplazamiento(r, k), v.second * 13 + v.first);
      // Nothing reaches above row 0 from the spawn cell in row 2.
      EXPECT_GE(v.second, -2);
    }
  }
}

TEST(Catalogo, rotationTurnsCounterClockwiseWithTheListedShifts) {
  // Each step of a cycle is a quarter turn counter-clockwise on screen about
  // the pivot, then (for sixteen steps) one column right or one row up.
  Catalogo cat;
  const std::set<std::pair<int, int>> derecha = {{2, 3},   {6, 7},   {11, 12}, {15, 16},
                                                 {55, 56}, {59, 60}, {74, 73}};
  const std::set<std::pair<int, int>> arriba = {{5, 2},   {9, 6},   {14, 11}, {18, 15}, {58, 55},
                                                {62, 59}, {64, 63}, {75, 76}, {77, 77}};
  for (int r = 0; r < kFilasCatalogo - 1; ++r) {
    SCOPED_TRACE(r);
    const int s = cat.Siguiente(r);
    EXPECT_EQ(cat.Color(s), cat.Color(r));
    int mx = 0;
    int my = 0;
    if (derecha.count({r, s})) mx = 1;
    if (arriba.count({r, s})) my = -1;
    std::set<Celda> girada;
    for (auto [dx, dy] : Celdas(cat, r)) girada.insert({dy + mx, -dx + my});
    EXPECT_EQ(girada, Celdas(cat, s));
  }
}

TEST(Catalogo, rotationCyclesCloseAsListed) {
  // Following the next orientation from any row comes back to it; the rows
  // form the 26 listed cycles.
  Catalogo cat;
  std::set<std::vector<int>> ciclos;
  for (int r = 0; r < kFilasCatalogo; ++r) {
    std::vector<int> ciclo{r};
    for (int s = cat.Siguiente(r); s != r; s = cat.Siguiente(s)) {
      ASSERT_LE(ciclo.size(), 4u) << "row " << r << " does not come back";
      ciclo.push_back(s);
    }
    std::sort(ciclo.begin(), ciclo.end());
    ciclos.insert(ciclo);
  }
  const std::set<std::vector<int>> esperados = {
      {0, 1},   {2, 3, 4, 5},     {6, 7, 8, 9},     {10},         {11, 12, 13, 14},
      {15, 16, 17, 18},   {19, 20, 21, 22},       {23, 24, 25, 26}, {27, 28}, {29, 30},
      {31, 32, 33, 34},   {35, 36, 37, 38},       {39, 40, 41, 42}, {43, 44, 45, 46},
      {47, 48, 49, 50},   {51, 52, 53, 54},       {55, 56, 57, 58}, {59, 60, 61, 62},
      {63, 64},           {65, 66, 67, 68},       {69, 70, 71, 72}, {73, 74},
      {75, 76},           {77},                   {78, 79, 80, 81}, {82}};
  EXPECT_EQ(ciclos, esperados);
}

TEST(Catalogo, spawnListNamesOneOrientationOfEachShape) {
  // The 25 entries are the listed rows; the preview shows each of them and
  // the torpedo inside the 5 x 4 grid with the board's shape.
  const std::vector<int> filas = {1,  3,  9,  10, 14, 16, 20, 26, 28, 30, 31, 35, 40,
                                  43, 48, 52, 56, 62, 64, 66, 72, 74, 76, 77, 78};
  Catalogo cat;
  for (int n = 1; n <= 25; ++n) {
    ASSERT_EQ(Catalogo::EntradaLista(n), filas[static_cast<size_t>(n - 1)]);
  }
  std::vector<int> previstas = filas;
  previstas.push_back(kFichaTorpedo);
  for (int r : previstas) {
    SCOPED_TRACE(r);
    for (int k = 1; k <= Catalogo::NumCeldas(r); ++k) {
      const Celda v = Vector(cat.Campo(r, k + 1));
      const int img = 12 + Catalogo::DecodificarToken(cat.Campo(r, k + 1), false);
      EXPECT_GE(img, 6);
      EXPECT_LE(img, 18);
      EXPECT_EQ(img % 5, 2 + v.first);
      EXPECT_EQ(img / 5, 2 + v.second);
    }
  }
}

TEST(Siguiente, drawsFromThePieceSetInForceAndPreviewsIt) {
  // "Normal" picks among the seven tetrominoes, "Difícil" among all 25
  // entries; the last value of a draw gives the last entry, never one past.
  Escena s;
  s.TableroVacio();
  s.plataforma.aleatorios = {0, 6};
  s.juego->ElegirSiguiente();
  EXPECT_EQ(s.e().FichaSiguiente, 64);
  s.juego->ElegirSiguiente();
  EXPECT_EQ(s.e().FichaSiguiente, 78);
  // The T tetromino (row 78, stem up) in the preview.
  std::array<int8_t, 20> t{};
  t[7] = t[11] = t[12] = t[13] = 1;
  EXPECT_EQ(s.p().imgNext, t);

  s.juego->FijarJuegoFichas(1);
  s.plataforma.aleatorios = {0, 24};
  s.juego->ElegirSiguiente();
  EXPECT_EQ(s.e().FichaSiguiente, 1);
  s.juego->ElegirSiguiente();
  EXPECT_EQ(s.e().FichaSiguiente, 78);

  // Any other set index changes nothing.
  s.juego->FijarJuegoFichas(2);
  EXPECT_EQ(s.e().NumTiposFicha, 25);
  EXPECT_EQ(s.e().PrimerTipoFicha, 1);

  // A pending torpedo comes next without a draw.
  s.e().TorpedoPendiente = true;
  const auto sorteos = s.plataforma.sorteos.size();
  s.juego->ElegirSiguiente();
  EXPECT_EQ(s.e().FichaSiguiente, kFichaTorpedo);
  EXPECT_FALSE(s.e().TorpedoPendiente);
  EXPECT_EQ(s.plataforma.sorteos.size(), sorteos);
  std::array<int8_t, 20> torpedo{};
  torpedo[12] = 21;
  EXPECT_EQ(s.p().imgNext, torpedo);
}

TEST(FichaActiva, shiftsStopAtTheWallsAndRotationNeverKicks) {
  // The T moves to column 1 and no further, to column 11 and no further; a
  // rotation against the wall fails and leaves the piece as it was.
  Escena s;
  s.TableroVacio();
  s.Entrar(78);  // T, stem up: cells 19, 31, 32, 33
  EXPECT_EQ(s.e().Posicion, kCeldaEntrada);
  for (int n = 0; n < 10; ++n) s.juego->TeclaPrincipal(tecla::kIzquierda);
  EXPECT_EQ(Columna(s.e().Posicion), 2);  // its left arm is in column 1
  EXPECT_EQ(s.p().imgTablero[27], 1);
  EXPECT_EQ(s.p().imgTablero[14], 0);

  // Stem left (row 79) fits; then stem down (row 80) would need column 1's
  // neighbour only, so turn on until a turn would cross the wall.
  s.juego->TeclaPrincipal(tecla::kArriba);
  EXPECT_EQ(s.e().Ficha, 79);
  for (int n = 0; n < 10; ++n) s.juego->TeclaPrincipal(tecla::kDerecha);
  EXPECT_EQ(Columna(s.e().Posicion), 11);  // stem left, vertical bar in column 11
  s.juego->TeclaPrincipal(tecla::kArriba);  // row 80 needs column 12: refused
  EXPECT_EQ(s.e().Ficha, 79);
  EXPECT_EQ(Columna(s.e().Posicion), 11);
  // The pictures are exactly the piece's cells.
  int dibujadas = 0;
  for (int i = 0; i < kCeldas; ++i) dibujadas += s.p().imgTablero[i] != 0 ? 1 : 0;
  EXPECT_EQ(dibujadas, 4);
  // The falling piece is never in the board.
  for (int i = 0; i < 300; ++i) {
    if (Columna(i) != 0 && Columna(i) != 12) {
      EXPECT_EQ(s.e().tablero[i], 0);
    }
  }
}

TEST(FichaActiva, aLongPieceOnTheFloorCannotTurnBelowTheBoard) {
  // The five-block bar lying on the floor (row 23) would reach row 25 when
  // turned upright: the turn is refused like any other that does not fit.
  Escena s;
  s.TableroVacio();
  s.Entrar(1);  // bar lying: L2, L1, 0, R1, R2
  for (int n = 0; n < 30; ++n) s.juego->TeclaPrincipal(tecla::kAbajo);
  ASSERT_EQ(Fila(s.e().Posicion), 23);
  s.juego->TeclaPrincipal(tecla::kArriba);
  EXPECT_EQ(s.e().Ficha, 1);
  EXPECT_EQ(Fila(s.e().Posicion), 23);
  // It still lands where it lies.
  s.juego->TickJuego();
  EXPECT_EQ(s.e().tablero[kBaseFilaInferior + 4], s.juego->catalogo().Color(1));
  EXPECT_EQ(s.e().tablero[kBaseFilaInferior + 8], s.juego->catalogo().Color(1));
}

TEST(FichaActiva, lowestCellRemembersTheLargestIndexDrawn) {
  // CeldaMasBaja is the largest index drawn since the spawn, even after a
  // rotation raised the piece's lowest cell.
  Escena s;
  s.TableroVacio();
  s.Entrar(63);  // I tetromino upright: U2, U1, 0, D1 -> lowest cell 45
  EXPECT_EQ(s.e().CeldaMasBaja, 45);
  s.juego->TeclaPrincipal(tecla::kArriba);  // lying (row 64): lowest cell 34
  EXPECT_EQ(s.e().Ficha, 64);
  EXPECT_EQ(s.e().CeldaMasBaja, 45);
  s.juego->TeclaPrincipal(tecla::kAbajo);
  EXPECT_EQ(s.e().CeldaMasBaja, 46);
  // A new spawn starts again.
  s.Entrar(77);
  EXPECT_EQ(s.e().CeldaMasBaja, 32);
}

TEST(FichaActiva, hardDropLandsOnTheNextTickWhereItWasDrawn) {
  // Space shows the piece on the stack; Left, Right and Down are refused
  // until the tick lands it; Up tries a rotation that fails and clears the
  // forced miss, after which the piece lands on the following tick anyway.
  Escena s;
  s.TableroVacio();
  s.Dibujar(23, {"###.#######"});
  s.plataforma.aleatorios = {0, 0, 0};
  s.Entrar(77);  // O tetromino: UL1, U1, L1, 0
  s.juego->TeclaPrincipal(tecla::kEspacio);
  EXPECT_EQ(Fila(s.e().Posicion), 22);
  EXPECT_TRUE(s.e().NoCabeForzado);
  const int16_t donde = s.e().Posicion;
  s.juego->TeclaPrincipal(tecla::kIzquierda);
  s.juego->TeclaPrincipal(tecla::kDerecha);
  s.juego->TeclaPrincipal(tecla::kAbajo);
  EXPECT_EQ(s.e().Posicion, donde);
  s.juego->TickJuego();
  EXPECT_EQ(s.Filas(21, 23), "....22.....\n....22.....\n###.#######\n");
  EXPECT_EQ(s.e().Puntos, 5);
  EXPECT_EQ(s.e().Posicion, kCeldaEntrada);

  // The O rotates into itself, so Up after a hard drop just clears the flag.
  s.Entrar(77);
  s.juego->TeclaPrincipal(tecla::kEspacio);
  s.juego->TeclaPrincipal(tecla::kArriba);
  EXPECT_FALSE(s.e().NoCabeForzado);
  s.juego->TickJuego();  // cannot descend: lands
  EXPECT_EQ(s.Filas(19, 20), "....22.....\n....22.....\n");
}

}  // namespace
}  // namespace tumbla
