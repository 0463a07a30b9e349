// The pass after a landing: clearing rows in groups, scoring, the speed-up,
// the square-board rules, and the end of a level when no piece can enter.
#include <gtest/gtest.h>

#include "Comprobaciones.h"
#include "Escena.h"

namespace tumbla {
namespace {

constexpr const char* kVacia = "...........";
constexpr const char* kLlena = "###########";

std::string Vacias(int n) {
  std::string r;
  for (int k = 0; k < n; ++k) r += std::string(kVacia) + "\n";
  return r;
}

TEST(Bucle, clearingScoresByTheTableAndMovesTheStackDown) {
  // 1..5 rows in one pass score 50, 125, 200, 300, 400, count towards the
  // target, play sound 107 each and make the play timer 3 ms faster each;
  // the block above them comes down to the floor.
  const int puntos[] = {50, 125, 200, 300, 400};
  for (int filas = 1; filas <= 5; ++filas) {
    SCOPED_TRACE(filas);
    Escena s;
    s.TableroVacio();
    s.e().LineasRestantes = 10;
    s.Dibujar(23 - filas, {"...3......."});
    for (int f = 0; f < filas; ++f) s.Dibujar(23 - f, {kLlena});
    EXPECT_TRUE(s.juego->PasadaTrasAterrizaje(false));
    EXPECT_EQ(s.Filas(17, 23), Vacias(6) + "...3.......\n");
    EXPECT_EQ(s.e().Puntos, puntos[filas - 1]);
    EXPECT_EQ(s.e().timJuego.Interval, 300 - 3 * filas);
    EXPECT_EQ(s.e().LineasRestantes, 10 - filas);
    EXPECT_EQ(Veces(s.plataforma.sonidos, sonido::kFila), filas);
    EXPECT_EQ(ImagenesErroneas(*s.juego), "");
  }
}

TEST(Bucle, rowsOnlyGoInGroupsOfBorrarCada) {
  // With BorrarCada = 2 a single full row stays; two full rows go in one
  // cycle for 125 points; of three, two go and the third waits.
  Escena s;
  s.TableroVacio();
  s.e().BorrarCada = 2;
  s.Dibujar(22, {"#####.#####", kLlena});
  EXPECT_TRUE(s.juego->PasadaTrasAterrizaje(false));
  EXPECT_EQ(s.Filas(23, 23), Lineas({kLlena}));
  EXPECT_EQ(s.e().Puntos, 0);
  EXPECT_EQ(s.e().timJuego.Interval, 300);

  s.Dibujar(22, {kLlena});
  EXPECT_TRUE(s.juego->PasadaTrasAterrizaje(false));
  EXPECT_EQ(s.Filas(22, 23), Vacias(2));
  EXPECT_EQ(s.e().Puntos, 125);
  EXPECT_EQ(s.e().timJuego.Interval, 297);

  s.Dibujar(21, {kLlena, kLlena, kLlena});
  EXPECT_TRUE(s.juego->PasadaTrasAterrizaje(false));
  EXPECT_EQ(s.Filas(21, 23), Vacias(2) + kLlena + "\n");
  EXPECT_EQ(s.e().Puntos, 250);
}

TEST(Bucle, speedUpStopsAtFiftyMilliseconds) {
  // From 300 ms the 84th clearing cycle reaches the 50 ms floor, where the
  // interval stays.
  Escena s;
  s.TableroVacio();
  for (int ciclo = 1; ciclo <= 90; ++ciclo) {
    s.Dibujar(23, {kLlena});
    s.juego->PasadaTrasAterrizaje(false);
    if (ciclo == 83) {
      EXPECT_EQ(s.e().timJuego.Interval, 51);
    }
  }
  EXPECT_EQ(s.e().timJuego.Interval, 50);
}

TEST(Bucle, rowZeroMovesDownAndEmptiesWhenARowGoes) {
  // Blocks in row 0 fall into row 1 like the rest of the stack; row 0 is left
  // empty (never duplicated), and a full row 0 is removed like any other.
  Escena s;
  s.TableroVacio();
  s.Dibujar(0, {"5..........", kVacia, kLlena});
  s.juego->PasadaTrasAterrizaje(false);
  EXPECT_EQ(s.Filas(0, 2), Lineas({kVacia, "5..........", kVacia}));

  s.Dibujar(0, {kLlena});
  s.juego->PasadaTrasAterrizaje(false);
  EXPECT_EQ(s.Filas(0, 1), Lineas({kVacia, "5.........."}));
  EXPECT_EQ(s.e().Puntos, 100);
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");
}

TEST(Bucle, aFallingPieceKeepsItsPicturesWhenRowsGoUnderIt) {
  // When rows are removed while a piece falls (drop timer, extra block), the
  // piece's pictures are neither copied into the stack nor erased.
  Escena s;
  s.TableroVacio();
  s.Entrar(63);  // upright I over rows 0..3 of column 6
  s.juego->TeclaPrincipal(tecla::kAbajo);
  s.Dibujar(20, {".....4.....", kLlena});
  ASSERT_TRUE(s.juego->PasadaTrasAterrizaje(false));
  EXPECT_EQ(s.Filas(0, 21), Vacias(21) + ".....4.....\n");  // nothing of the piece written
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");
}

TEST(Bucle, onlyTheSquareModesTurnAFullColumnSolid) {
  // A column filled over rows 13..23 becomes neutral blocks in the square
  // modes (a drop in it keeps its value) without scoring; in the classic
  // modes it stays as it is.
  for (Modo modo : {Modo::Juntator, Modo::Clasico}) {
    Escena s;
    s.TableroVacio(modo);
    for (int fila = 13; fila <= 23; ++fila) s.Dibujar(fila, {"..4........"});
    s.Dibujar(17, {"..b........"});
    s.Dibujar(23, {"..4.4......"});
    s.juego->PasadaTrasAterrizaje(false);
    const std::string x = modo == Modo::Juntator ? "#" : "4";
    EXPECT_EQ(s.Filas(16, 18), ".." + x + "........\n..b........\n.." + x + "........\n");
    EXPECT_EQ(s.Filas(23, 23), ".." + x + ".4......\n");
    EXPECT_EQ(s.e().Puntos, 0);
    EXPECT_EQ(ImagenesErroneas(*s.juego), "");
  }
}

TEST(Bucle, squareModesPullDownOnlyTheTwelveRowsAboveARemovedRow) {
  // On the square board a removed row pulls down the 12 rows above it only:
  // row 23's copy reaches row 11 (from row 10); row 10 stays as it was.
  Escena s;
  s.TableroVacio(Modo::Rotator);
  s.Dibujar(10, {"1..........", "..2........", "....3......"});
  s.Dibujar(23, {kLlena});
  s.juego->PasadaTrasAterrizaje(false);
  EXPECT_EQ(s.Filas(10, 13), Lineas({"1..........", "1..........", "..2........", "....3......"}));
}

TEST(Bucle, landingAboveTheSquareLosesEvenWhenRowsClear) {
  // An upright I completes row 14 in column 1; after the row goes, its upper
  // cells still reach row 12, above the square: the level is lost.
  Escena s;
  s.TableroVacio(Modo::Rotator);
  s.Dibujar(14, {".##########"});
  for (int fila = 15; fila <= 23; ++fila) s.Dibujar(fila, {"#.........."});
  s.plataforma.aleatorios = {0, 0};
  s.Entrar(63);
  for (int n = 0; n < 5; ++n) s.juego->TeclaPrincipal(tecla::kIzquierda);
  s.juego->TeclaPrincipal(tecla::kEspacio);
  s.juego->TickJuego();
  EXPECT_EQ(s.e().Puntos, 5 + 50);
  EXPECT_EQ(s.Filas(12, 14), Lineas({"7..........", "#..........", "#.........."}));
  EXPECT_FALSE(s.e().Jugando);
}

TEST(Bucle, blockedEntryEndsTheLevelAtTheNextTick) {
  // When the next piece cannot enter, no piece falls: moves do nothing and
  // the next tick ends the level.
  Escena s;
  s.TableroVacio();
  for (int fila = 1; fila <= 23; ++fila) s.Dibujar(fila, {"#####.#####"});
  s.Dibujar(3, {kLlena});
  s.e().BorrarCada = 99;  // nothing clears
  s.plataforma.aleatorios = {0, 0};
  s.Entrar(77);  // the O does not fit at the spawn cell
  EXPECT_FALSE(s.e().FichaActiva);
  const auto antes = s.p().imgTablero;
  for (int k : {tecla::kIzquierda, tecla::kArriba, tecla::kEspacio}) s.juego->TeclaPrincipal(k);
  EXPECT_EQ(s.p().imgTablero, antes);
  EXPECT_TRUE(s.e().Jugando);
  s.juego->TickJuego();
  EXPECT_FALSE(s.e().Jugando);
}

}  // namespace
}  // namespace tumbla
