// Handicaps of the classic levels: Panic and Superpanic column shifts, extra
// blocks, and the rising board.
#include <gtest/gtest.h>

#include <set>

#include "Comprobaciones.h"
#include "Escena.h"

namespace tumbla {
namespace {

int Bloques(const Escena& s) {
  int n = 0;
  for (int i = 0; i < kBaseFilaInferior + 12; ++i) {
    if (Columna(i) >= 1 && Columna(i) <= 11 && s.juego->estado().tablero.Ocupada(i)) ++n;
  }
  return n;
}

void SoltarO(Escena& s) {
  s.Entrar(77);  // O over columns 5..6
  s.juego->TeclaPrincipal(tecla::kEspacio);
  s.juego->TickJuego();
}

TEST(Handicaps, panicMovesTheBoardOneColumnLeftAfterALanding) {
  // After the landing every column moves one to the left, column 1 coming
  // back as column 11; the new piece then enters as usual.
  Escena s;
  s.TableroVacio(Modo::Panic);
  s.Dibujar(23, {"3...4......"});
  SoltarO(s);
  EXPECT_EQ(s.Filas(20, 23), Lineas({"...........",
                                     "...22......",
                                     "...22......",
                                     "...4......3"}));
  EXPECT_TRUE(s.e().FichaActiva);
  EXPECT_EQ(s.e().Posicion, kCeldaEntrada);
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");
}

TEST(Handicaps, superpanicShufflesWholeColumns) {
  // The draws 3 3 0 10 0 1 2 4 5 6 7 8 9 (repeats drawn again) give the
  // order 3 0 10 1 2 4 5 6 7 8 9: each listed column takes the next one's
  // content and the last takes the first's. Every column survives intact.
  Escena s;
  s.TableroVacio(Modo::Superpanic);
  s.Dibujar(19, {"1..........",
                 "12.........",
                 "123.......#",
                 "1234...7.##",
                 "12345.67###"});
  s.Entrar(77);
  s.plataforma.sorteos.clear();
  s.plataforma.aleatorios = {3, 3, 0, 10, 0, 1, 2, 4, 5, 6, 7, 8, 9};
  s.juego->TeclaPrincipal(tecla::kEspacio);
  s.juego->TickJuego();
  // Before the shuffle the O stood on column 5's block, over columns 5..6.
  EXPECT_EQ(s.Filas(19, 23), Lineas({"...1.......",
                                     "...1......2",
                                     "#3212.....2",
                                     "#3212.7.#42",
                                     "#351.67##42"}));
  EXPECT_EQ(Veces(s.plataforma.sorteos, Sorteo::Barajado), 13);
  EXPECT_EQ(s.plataforma.sorteos.back(), Sorteo::Pieza);  // then the next piece
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");
}

TEST(Handicaps, superpanicWithRandomDrawsKeepsEveryColumn) {
  // Whatever the draws, the columns after a shuffle are the columns before,
  // each one once.
  Escena s;
  s.TableroVacio(Modo::Superpanic);
  s.Dibujar(20, {"1.3.5.7.#.2",
                 "12.45..7###",
                 "1234567#123",
                 "1.34567#12."});
  auto columnas = [&] {
    std::multiset<std::string> r;
    for (int c = 1; c <= 11; ++c) {
      std::string col;
      for (int f = 0; f <= 23; ++f) col += Escena::Simbolo(s.e().tablero[f * kAncho + c]);
      r.insert(col);
    }
    return r;
  };
  for (int n = 0; n < 20; ++n) {
    const auto antes = columnas();
    s.juego->DesplazarColumnas(2);
    EXPECT_EQ(columnas(), antes);
  }
  EXPECT_GE(Veces(s.plataforma.sorteos, Sorteo::Barajado), 20 * 11);
}

TEST(Handicaps, extraBlockGoesOnAnEligibleColumnChosenByItsRank) {
  // Column 1 is filled to the top, the falling O covers the cell above
  // column 5's block, and a block in column 11 would complete row 23: the
  // draw ranks the other columns (2 3 4 6 7 8 9 10). Rank 3 is column 6,
  // right under the piece. Then column 6 is covered too, and rank 6 of
  // 2 3 4 7 8 9 10 is column 10.
  Escena s;
  s.TableroVacio(Modo::Clasico);
  for (int fila = 0; fila <= 21; ++fila) s.Dibujar(fila, {"1.........."});
  s.Dibujar(22, {"1...3......", "1111111111."});
  s.Entrar(77);
  while (Fila(s.e().Posicion) < 21) s.juego->TeclaPrincipal(tecla::kAbajo);
  ASSERT_EQ(s.e().Posicion, 21 * kAncho + 6);
  s.juego->PonerTemporizador(Temporizador::BloqueExtra, true, 5000);

  s.plataforma.aleatorios = {3};
  s.juego->TickBloqueExtra();
  EXPECT_EQ(s.Filas(22, 23), Lineas({"1...3#.....", "1111111111."}));
  s.plataforma.aleatorios = {6};
  s.juego->TickBloqueExtra();
  EXPECT_EQ(s.Filas(21, 23), Lineas({"1..........", "1...3#...#.", "1111111111."}));

  EXPECT_EQ(Veces(s.plataforma.sorteos, Sorteo::Columna), 2);
  EXPECT_EQ(Veces(s.plataforma.sonidos, sonido::kTorpedoOBloque), 2);
  EXPECT_EQ(s.e().Posicion, 21 * kAncho + 6);  // the same piece still falls
  EXPECT_FALSE(s.e().EnBloqueExtra);
  EXPECT_FALSE(s.e().Fijando);
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");
}

TEST(Handicaps, extraBlocksNeverCompleteARowNorGoUnderThePiece) {
  // Sixty extra blocks with random draws around a falling piece: each one
  // adds a block unless no column is eligible, no row is ever completed, and
  // the piece's cells stay free.
  Escena s;
  s.TableroVacio(Modo::Clasico);
  s.Dibujar(20, {"...........",
                 "1.11111111.",
                 "11111.11111",
                 "1111111111."});
  s.Entrar(63);  // vertical I over rows 0..3 of column 6
  for (int n = 0; n < 8; ++n) s.juego->TeclaPrincipal(tecla::kAbajo);
  s.e().LineasRestantes = 30;
  for (int n = 0; n < 60; ++n) {
    const int antes = Bloques(s);
    const int sorteos = Veces(s.plataforma.sorteos, Sorteo::Columna);
    s.juego->TickBloqueExtra();
    EXPECT_EQ(Bloques(s) - antes, Veces(s.plataforma.sorteos, Sorteo::Columna) - sorteos);
    EXPECT_LE(Bloques(s) - antes, 1);
    for (int k = 1; k <= Catalogo::NumCeldas(s.e().Ficha); ++k) {
      EXPECT_EQ(s.e().tablero[s.e().Posicion + s.juego->catalogo().Desplazamiento(s.e().Ficha, k)], kLibre);
    }
  }
  EXPECT_EQ(s.e().LineasRestantes, 30);
  EXPECT_EQ(s.e().Puntos, 0);
  EXPECT_EQ(Veces(s.plataforma.sonidos, sonido::kFila), 0);
  EXPECT_GT(Bloques(s), 40);
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");
}

TEST(Handicaps, noEligibleColumnMeansNoDrawAndNoBlock) {
  // Every row has its only hole in column 11 and the other columns reach the
  // top row: nothing is drawn, placed or heard.
  Escena s;
  s.TableroVacio(Modo::Clasico);
  for (int fila = 0; fila <= 23; ++fila) s.Dibujar(fila, {"2222222222."});
  const std::string antes = s.Filas(0, 23);
  s.juego->TickBloqueExtra();
  EXPECT_EQ(s.Filas(0, 23), antes);
  EXPECT_EQ(Veces(s.plataforma.sorteos, Sorteo::Columna), 0);
  EXPECT_TRUE(s.plataforma.sonidos.empty());
  EXPECT_FALSE(s.e().EnBloqueExtra);
}

TEST(Handicaps, boardRisesAfterTheThirdRemovedRow) {
  // With a rising period of 3, the landing that removes three rows owes one
  // rising step: the stack climbs a row and the bottom row opens empty, under
  // the new piece, which is drawn where it is.
  Escena s;
  s.TableroVacio(Modo::Clasico);
  s.e().IntervaloSubida = 3;
  s.e().ContadorSubida = 3;
  s.Dibujar(20, {"3.3.3.3.3..",
                 "4444444444.",
                 "5555555555.",
                 "6666666666."});
  s.Entrar(63);
  for (int n = 0; n < 5; ++n) s.juego->TeclaPrincipal(tecla::kDerecha);
  s.juego->TeclaPrincipal(tecla::kEspacio);
  s.juego->TickJuego();

  EXPECT_EQ(s.Filas(20, 23), Lineas({"...........",
                                     "...........",
                                     "3.3.3.3.3.7",
                                     "..........."}));
  EXPECT_EQ(s.e().TurnosPendientes, 0);
  EXPECT_EQ(s.e().ContadorSubida, 3);
  EXPECT_EQ(s.e().Puntos, 5 + 200);
  EXPECT_TRUE(s.e().FichaActiva);
  EXPECT_EQ(s.Filas(0, 5), Lineas({"...........", "...........", "...........", "...........",
                                   "...........", "..........."}));
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");
}

}  // namespace
}  // namespace tumbla
