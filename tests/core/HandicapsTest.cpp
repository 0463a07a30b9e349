// Handicaps of the classic levels: Superpanic keeping every column, extra
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

TEST(Handicaps, extraBlocksNeverCompleteARowNorGoUnderThePiece) {
  // Sixty extra blocks with random draws around a falling piece: each one
  // adds a block unless no column is eligible, no row is ever completed, and
  // the piece's cells stay free. With no eligible column at all (each row's
  // only hole in column 11, the rest up to row 0) nothing is drawn, placed
  // or heard.
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

  Escena lleno;
  lleno.TableroVacio(Modo::Clasico);
  for (int fila = 0; fila <= 23; ++fila) lleno.Dibujar(fila, {"2222222222."});
  lleno.juego->TickBloqueExtra();
  EXPECT_EQ(Bloques(lleno), 24 * 10);
  EXPECT_TRUE(lleno.plataforma.sorteos.empty());
  EXPECT_TRUE(lleno.plataforma.sonidos.empty());
  EXPECT_FALSE(lleno.e().EnBloqueExtra);
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
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");
}

}  // namespace
}  // namespace tumbla
