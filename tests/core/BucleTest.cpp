// The play tick: gravity, landing, clearing rows in groups, scoring, the
// speed-up, the square-board columns, the overflow rule and the clock.
#include <gtest/gtest.h>

#include "Escena.h"

namespace tumbla {
namespace {

constexpr const char* kVacia = "...........";

// Vertical I tetromino (row 63: U2, U1, 0, D1) dropped into column c.
void SoltarPaloEn(Escena& s, int columna) {
  s.Entrar(63);
  while (Columna(s.e().Posicion) > columna) s.juego->TeclaPrincipal(tecla::kIzquierda);
  while (Columna(s.e().Posicion) < columna) s.juego->TeclaPrincipal(tecla::kDerecha);
  s.juego->TeclaPrincipal(tecla::kEspacio);
  s.juego->TickJuego();
}

TEST(Bucle, gravityMovesThePieceOneRowPerTickAndLandsIt) {
  // Each tick moves the piece one row down; when it cannot move it lands:
  // sound 103, its cells written with its colour, 5 points, the next piece
  // at the spawn cell.
  Escena s;
  s.TableroVacio();
  s.plataforma.aleatorios = {3};
  s.Entrar(77);  // O: UL1, U1, L1, 0 -> occupies rows 1..2
  for (int fila = 3; fila <= 23; ++fila) {
    s.juego->TickJuego();
    EXPECT_EQ(Fila(s.e().Posicion), fila);
  }
  EXPECT_EQ(s.e().Puntos, 0);
  EXPECT_TRUE(s.plataforma.sonidos.empty());
  s.juego->TickJuego();
  EXPECT_EQ(s.Filas(22, 23), "....22.....\n....22.....\n");
  EXPECT_EQ(s.e().Puntos, 5);
  EXPECT_EQ(s.plataforma.sonidos, std::vector<int>{sonido::kAterrizaje});
  EXPECT_EQ(s.e().Posicion, kCeldaEntrada);
  EXPECT_EQ(s.e().Ficha, 74);  // entry 19 + 3 of the spawn list was the next piece
  EXPECT_FALSE(s.e().EnTurno);
  // The landed cells keep their pictures; the new piece is drawn at the top.
  EXPECT_EQ(s.p().imgTablero[22 * 13 + 5], 2);
  EXPECT_EQ(s.p().imgTablero[kCeldaEntrada], 4);
}

TEST(Bucle, clearingRowsScoresByTheTableAndMovesTheStackDown) {
  // A vertical I into a four-row well clears four rows at once (300 points),
  // the blocks above fall by four rows, the play timer is 4 x 3 ms faster,
  // sound 107 plays for each removed row.
  Escena s;
  s.TableroVacio();
  s.Dibujar(18, {"...3.......",  // rests on the wall of the well
                 "...3.......",
                 "#####.#####",
                 "#####.#####",
                 "#####.#####",
                 "#####.#####"});
  s.e().LineasRestantes = 10;
  s.plataforma.aleatorios = {0, 0};
  SoltarPaloEn(s, 6);
  EXPECT_EQ(s.Filas(18, 23), std::string(kVacia) + "\n" + kVacia + "\n" + kVacia + "\n" + kVacia +
                                 "\n...3.......\n...3.......\n");
  EXPECT_EQ(s.e().Puntos, 5 + 300);
  EXPECT_EQ(s.e().timJuego.Interval, 300 - 4 * 3);
  EXPECT_EQ(s.e().LineasRestantes, 6);
  EXPECT_EQ(std::count(s.plataforma.sonidos.begin(), s.plataforma.sonidos.end(), sonido::kFila), 4);
  // Pictures follow the values.
  EXPECT_EQ(s.p().imgTablero[22 * 13 + 4], 3);
  EXPECT_EQ(s.p().imgTablero[18 * 13 + 4], 0);
}

TEST(Bucle, scoreTableForOneToFiveRowsInAPass) {
  // 1..5 rows in one pass score 50, 125, 200, 300, 400.
  const int puntos[] = {50, 125, 200, 300, 400};
  for (int filas = 1; filas <= 5; ++filas) {
    SCOPED_TRACE(filas);
    Escena s;
    s.TableroVacio();
    for (int f = 0; f < filas; ++f) s.Dibujar(23 - f, {"###########"});
    s.e().FichaActiva = false;
    EXPECT_TRUE(s.juego->PasadaTrasAterrizaje(false));
    EXPECT_EQ(s.e().Puntos, puntos[filas - 1]);
    EXPECT_EQ(s.e().timJuego.Interval, 300 - 3 * filas);
    EXPECT_EQ(s.Filas(23 - filas + 1, 23).find('#'), std::string::npos);
  }
}

TEST(Bucle, rowsOnlyGoInGroupsOfBorrarCada) {
  // With BorrarCada = 2 a single full row stays; when a second row is full at
  // the same time both go in one cycle for 125 points.
  Escena s;
  s.TableroVacio();
  s.e().BorrarCada = 2;
  s.Dibujar(22, {"#####.#####",
                 "###########"});
  EXPECT_TRUE(s.juego->PasadaTrasAterrizaje(false));
  EXPECT_EQ(s.Filas(23, 23), "###########\n");
  EXPECT_EQ(s.e().Puntos, 0);
  EXPECT_EQ(s.e().timJuego.Interval, 300);

  s.Dibujar(22, {"###########"});
  EXPECT_TRUE(s.juego->PasadaTrasAterrizaje(false));
  EXPECT_EQ(s.Filas(22, 23), std::string(kVacia) + "\n" + kVacia + "\n");
  EXPECT_EQ(s.e().Puntos, 125);
  EXPECT_EQ(s.e().timJuego.Interval, 297);  // one cycle

  // Three full rows with BorrarCada = 2: two go, the third waits.
  s.Dibujar(21, {"###########", "###########", "###########"});
  EXPECT_TRUE(s.juego->PasadaTrasAterrizaje(false));
  EXPECT_EQ(s.Filas(21, 23), std::string(kVacia) + "\n" + kVacia + "\n###########\n");
  EXPECT_EQ(s.e().Puntos, 250);
}

TEST(Bucle, speedUpStopsAtFiftyMilliseconds) {
  // From 300 ms the 84th clearing cycle reaches the 50 ms floor, where the
  // interval stays.
  Escena s;
  s.TableroVacio();
  for (int ciclo = 1; ciclo <= 90; ++ciclo) {
    s.Dibujar(23, {"###########"});
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
  s.Dibujar(0, {"5..........",
                "...........",
                "###########"});
  s.juego->PasadaTrasAterrizaje(false);
  EXPECT_EQ(s.Filas(0, 2), std::string(kVacia) + "\n5..........\n" + kVacia + "\n");

  s.Dibujar(0, {"###########"});
  s.juego->PasadaTrasAterrizaje(false);
  EXPECT_EQ(s.Filas(0, 1), std::string(kVacia) + "\n5..........\n");
  EXPECT_EQ(s.e().Puntos, 100);
  for (int c = 1; c <= 11; ++c) EXPECT_EQ(s.p().imgTablero[c], 0);
}

TEST(Bucle, aFallingPieceKeepsItsPicturesWhenRowsGoUnderIt) {
  // When rows are removed while a piece falls (drop timer, extra block), the
  // piece's pictures are neither copied into the stack nor erased.
  Escena s;
  s.TableroVacio();
  s.Entrar(63);  // upright I at rows 0..3 of column 6
  s.juego->TeclaPrincipal(tecla::kAbajo);
  s.Dibujar(20, {".....4.....",
                 "###########"});
  ASSERT_TRUE(s.juego->PasadaTrasAterrizaje(false));
  EXPECT_EQ(s.Filas(20, 21), std::string(kVacia) + "\n.....4.....\n");
  for (int fila = 1; fila <= 4; ++fila) {
    EXPECT_EQ(s.p().imgTablero[fila * 13 + 6], 7) << fila;
    EXPECT_EQ(s.e().tablero[fila * 13 + 6], 0) << fila;
  }
  EXPECT_EQ(s.p().imgTablero[5 * 13 + 6], 0);
  EXPECT_EQ(s.p().imgTablero[21 * 13 + 6], 4);
}

TEST(Bucle, squareColumnsFilledTopToBottomTurnSolidWithoutScoring) {
  // In the square-board modes a column filled over rows 13..23 becomes
  // neutral blocks (drops keep their values); nothing is removed or scored.
  Escena s;
  s.TableroVacio(Modo::Juntator);
  for (int fila = 13; fila <= 23; ++fila) s.juego->EscribirCelda(fila * 13 + 3, fila == 17 ? 10 : 4);
  s.juego->EscribirCelda(23 * 13 + 5, 4);
  s.juego->PasadaTrasAterrizaje(false);
  for (int fila = 13; fila <= 23; ++fila) {
    EXPECT_EQ(s.e().tablero[fila * 13 + 3], fila == 17 ? 10 : 8) << fila;
    EXPECT_EQ(s.p().imgTablero[fila * 13 + 3], fila == 17 ? 10 : 8) << fila;
  }
  EXPECT_EQ(s.e().tablero[23 * 13 + 5], 4);
  EXPECT_EQ(s.e().Puntos, 0);

  // The classic modes have no such rule.
  Escena c;
  c.TableroVacio();
  for (int fila = 13; fila <= 23; ++fila) c.juego->EscribirCelda(fila * 13 + 3, 4);
  c.juego->PasadaTrasAterrizaje(false);
  EXPECT_EQ(c.e().tablero[23 * 13 + 3], 4);
}

TEST(Bucle, squareModesRemoveOnlyTheRowAndTheTwelveAbove) {
  // On the square board a removed row pulls down the 12 rows above it only.
  Escena s;
  s.TableroVacio(Modo::Rotator);
  s.Dibujar(10, {"1..........",
                 "..2........",
                 "....3......"});
  s.Dibujar(23, {"###########"});
  s.juego->PasadaTrasAterrizaje(false);
  // Row 23's copy reaches row 11 (from row 10); row 10 stays as it was.
  EXPECT_EQ(s.Filas(10, 13), "1..........\n1..........\n..2........\n....3......\n");
}

TEST(Bucle, landingAboveTheSquareLosesEvenWhenRowsClear) {
  // An upright I completes row 14 in column 1; after the row goes, its upper
  // cells still reach row 12, above the square: the level is lost. (Column 1
  // is then full over the square and turns solid.)
  Escena s;
  s.TableroVacio(Modo::Rotator);
  s.Dibujar(14, {".##########"});
  for (int fila = 15; fila <= 23; ++fila) s.Dibujar(fila, {"#.........."});
  s.plataforma.aleatorios = {0, 0};
  SoltarPaloEn(s, 1);
  EXPECT_EQ(s.e().Puntos, 5 + 50);
  EXPECT_EQ(s.Filas(12, 14), "7..........\n#..........\n#..........\n");
  EXPECT_FALSE(s.e().Jugando);
}

TEST(Bucle, blockedEntryEndsTheLevelAtTheNextTick) {
  // When the next piece cannot enter, no piece falls: moves do nothing and
  // the next tick ends the level.
  Escena s;
  s.TableroVacio();
  for (int fila = 1; fila <= 23; ++fila) s.Dibujar(fila, {"#####.#####"});
  s.Dibujar(3, {"###########"});
  s.e().BorrarCada = 99;  // nothing clears
  s.plataforma.aleatorios = {0, 0};
  s.Entrar(77);  // the O does not fit at the spawn cell
  EXPECT_FALSE(s.e().FichaActiva);
  const auto antes = s.p().imgTablero;
  s.juego->TeclaPrincipal(tecla::kIzquierda);
  s.juego->TeclaPrincipal(tecla::kArriba);
  s.juego->TeclaPrincipal(tecla::kEspacio);
  EXPECT_EQ(s.p().imgTablero, antes);
  EXPECT_TRUE(s.e().Jugando);
  s.juego->TickJuego();
  EXPECT_FALSE(s.e().Jugando);
}

TEST(Bucle, pieceStuckAtTheSpawnCellLosesWithoutBeingWritten) {
  // A piece that cannot leave the spawn cell ends the level; it is not
  // written into the board.
  Escena s;
  s.TableroVacio();
  s.Dibujar(3, {"#####.#####"});
  s.juego->EscribirCelda(3 * 13 + 6, 4);
  s.Entrar(77);  // O at rows 1..2
  s.juego->TickJuego();
  EXPECT_FALSE(s.e().Jugando);
  EXPECT_EQ(s.e().tablero[2 * 13 + 6], 0);
  EXPECT_EQ(s.e().Puntos, 0);
}

TEST(Reloj, countsDownAndBlinksByTheParityOfTheSecondsLeft) {
  // The clock of a timed level shows m:ss; under 16 s left the frame turns
  // grey on odd and red on even seconds.
  Escena s;
  s.TableroVacio(Modo::Goteator);
  s.e().SegundosLimite = 150;
  s.e().InicioReloj = 10;
  s.Entrar(77);
  s.plataforma.ahora = 10.9;
  s.juego->TickJuego();
  EXPECT_EQ(s.p().lblTiempo.texto, "2:30");
  EXPECT_EQ(s.p().colorMarco, kColorGris);
  s.plataforma.ahora = 10 + 85;
  s.juego->TickJuego();
  EXPECT_EQ(s.p().lblTiempo.texto, "1:05");
  s.plataforma.ahora = 10 + 141.2;
  s.juego->TickJuego();
  EXPECT_EQ(s.p().lblTiempo.texto, "0:09");
  EXPECT_EQ(s.p().colorMarco, kColorGris);
  s.plataforma.ahora = 10 + 142;
  s.juego->TickJuego();
  EXPECT_EQ(s.p().lblTiempo.texto, "0:08");
  EXPECT_EQ(s.p().colorMarco, kColorRojo);
}

TEST(Reloj, classicLevelsHaveNoClock) {
  // Without a timed mode the clock label is never written.
  Escena s;
  s.TableroVacio();
  s.Entrar(77);
  s.plataforma.ahora = 1000;
  s.juego->TickJuego();
  EXPECT_EQ(s.p().lblTiempo.texto, "");
}

TEST(Reloj, textNeverShowsANegativeTimeAndReadsBackOnlyMSs) {
  // The label shows 0:00 at worst; reading it back accepts only m:ss.
  EXPECT_EQ(Juego::TextoReloj(-3), "0:00");
  EXPECT_EQ(Juego::TextoReloj(60), "1:00");
  EXPECT_EQ(Juego::TextoReloj(7), "0:07");
  int v = -1;
  EXPECT_TRUE(Juego::LeerTextoReloj("1:00", v));
  EXPECT_EQ(v, 60);
  EXPECT_TRUE(Juego::LeerTextoReloj("0:07", v));
  EXPECT_EQ(v, 7);
  for (const char* malo : {"", "x", ":07", "1:0", "1:000", "a:07", "1:7a", "1:75"}) {
    v = -1;
    EXPECT_FALSE(Juego::LeerTextoReloj(malo, v)) << malo;
    EXPECT_EQ(v, -1);
  }
}

}  // namespace
}  // namespace tumbla
