// The blue drop: falling with the drop timer, staying in place when its row
// goes, following the stack down, the floor win, and the two drops joined.
#include <gtest/gtest.h>

#include "Comprobaciones.h"
#include "Escena.h"

namespace tumbla {
namespace {

// Starts the drop timer with the drop at that cell (the level clock with
// two minutes, so no play tick runs out of time).
void PonerGota(Escena& s, int fila, int columna) {
  s.e().SegundosLimite = 120;
  s.e().CeldaGota = static_cast<int16_t>(fila * kAncho + columna);
  s.juego->PonerTemporizador(Temporizador::Gota, true, 100);
}

// Vertical I (row 63) hard-dropped into a column, landing on the next tick.
void SoltarPaloEn(Escena& s, int columna) {
  s.Entrar(63);
  while (Columna(s.e().Posicion) < columna) s.juego->TeclaPrincipal(tecla::kDerecha);
  while (Columna(s.e().Posicion) > columna) s.juego->TeclaPrincipal(tecla::kIzquierda);
  s.juego->TeclaPrincipal(tecla::kEspacio);
  s.juego->TickJuego();
}

TEST(Gotas, dropFallsWithTheStackAndWinsOnTheFloor) {
  // The drop falls onto the stack; two rows cleared under it carry it down
  // two rows; it then falls through the shaft to row 23, one row and one
  // sound 106 per tick, and that completes the GOTEATOR level.
  Escena s;
  s.TableroVacio(Modo::Goteator);
  s.Dibujar(16, {".....b.....",
                 "...........",
                 "1111111111.",
                 "1111111111.",
                 "22222.2222.",
                 "33333.3333.",
                 "44444.44444",
                 "55555.55555"});
  PonerGota(s, 16, 6);

  s.juego->TickGota();
  EXPECT_TRUE(s.e().GotaCayendo);
  EXPECT_EQ(s.Filas(16, 17), Lineas({"...........", ".....b....."}));
  s.juego->TickGota();  // blocked: it stays
  EXPECT_FALSE(s.e().GotaCayendo);
  EXPECT_EQ(s.e().CeldaGota, 17 * kAncho + 6);
  EXPECT_EQ(Veces(s.plataforma.sonidos, sonido::kGota), 1);

  SoltarPaloEn(s, 11);
  EXPECT_EQ(s.Filas(17, 23), Lineas({"...........",
                                     "...........",
                                     ".....b.....",
                                     "22222.22227",
                                     "33333.33337",
                                     "44444.44444",
                                     "55555.55555"}));
  EXPECT_EQ(s.e().CeldaGota, 19 * kAncho + 6);
  EXPECT_EQ(s.e().Puntos, 5 + 125);
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");

  for (int fila = 20; fila <= 22; ++fila) {
    s.juego->TickGota();
    EXPECT_EQ(s.e().CeldaGota, fila * kAncho + 6);
    EXPECT_TRUE(s.e().Jugando);
  }
  s.juego->TickGota();
  EXPECT_EQ(s.Filas(22, 23), Lineas({"44444.44444", "55555b55555"}));
  EXPECT_EQ(Veces(s.plataforma.sonidos, sonido::kGota), 5);
  EXPECT_FALSE(s.e().timGota.Enabled);
  EXPECT_EQ(s.p().lblObjetivo.texto, "x0");
  EXPECT_FALSE(s.e().Jugando);
  EXPECT_TRUE(s.e().NivelTerminado);
}

TEST(Gotas, aRemovedRowKeepsTheDropAndLosesTheBlockAboveIt) {
  // Completing the drop's row removes the rest of the row; the drop keeps
  // its cell and the block right above it is the one lost.
  Escena s;
  s.TableroVacio(Modo::Goteator);
  s.Dibujar(20, {".....3.....",
                 "11111b1111.",
                 "2222.222222",
                 "3333.333333"});
  PonerGota(s, 21, 6);

  SoltarPaloEn(s, 11);
  EXPECT_EQ(s.Filas(18, 23), Lineas({"...........",
                                     "..........7",
                                     "..........7",
                                     ".....b....7",
                                     "2222.222222",
                                     "3333.333333"}));
  EXPECT_EQ(s.e().CeldaGota, 21 * kAncho + 6);
  s.juego->TickGota();
  EXPECT_EQ(s.e().CeldaGota, 21 * kAncho + 6);
  EXPECT_EQ(s.e().tablero[21 * kAncho + 6], kGotaAzul);
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");
}

TEST(Gotas, dropWaitsForTheFallingPieceAndFallsDuringAPause) {
  // A cell covered by the falling piece is not free for the drop; once the
  // piece moves away the drop falls, and it goes on falling while paused.
  Escena s;
  s.TableroVacio(Modo::Goteator);
  s.Dibujar(0, {".....b....."});
  PonerGota(s, 0, 6);
  s.Entrar(77);  // O over rows 1..2, columns 5..6

  s.juego->TickGota();
  EXPECT_FALSE(s.e().GotaCayendo);
  EXPECT_EQ(s.e().CeldaGota, 6);
  EXPECT_EQ(s.e().tablero[kAncho + 6], kLibre);
  EXPECT_EQ(s.p().imgTablero[kAncho + 6], 2);
  EXPECT_EQ(Veces(s.plataforma.sonidos, sonido::kGota), 0);

  s.juego->TeclaPrincipal(tecla::kIzquierda);
  s.juego->TickGota();
  EXPECT_EQ(s.e().CeldaGota, kAncho + 6);

  s.juego->TeclaPrincipal(tecla::kF3);
  s.juego->TickJuego();
  ASSERT_TRUE(s.e().Pausado);
  s.juego->TickGota();
  s.juego->TickGota();
  EXPECT_EQ(s.e().CeldaGota, 3 * kAncho + 6);
  EXPECT_EQ(Veces(s.plataforma.sonidos, sonido::kGota), 3);
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");
}

TEST(Gotas, rowsClearedUnderTheDropByItsOwnTickCarryItDown) {
  // Removing two rows at once, the drop tick's pass carries the drop down to
  // the floor (a win); its old cell keeps the block that fell into it.
  Escena s;
  s.TableroVacio(Modo::Goteator);
  s.e().BorrarCada = 2;
  s.Dibujar(20, {".....3.....",
                 ".....b.....",
                 "11111.11111",
                 "22222222222"});
  PonerGota(s, 21, 6);

  s.juego->TickGota();
  EXPECT_EQ(s.Filas(22, 23), Lineas({"11111b11111", "22222222222"}));
  s.juego->TickGota();
  EXPECT_EQ(s.Filas(20, 23), Lineas({"...........", "...........", ".....3.....", ".....b....."}));
  EXPECT_EQ(s.e().CeldaGota, 23 * kAncho + 6);
  EXPECT_EQ(s.p().lblObjetivo.texto, "x0");
  EXPECT_FALSE(s.e().Jugando);
}

TEST(Gotas, bothDropsSideBySideGoWithTheirRow) {
  // The blue drop falls beside the pink one and fills the last hole of the
  // bottom row; the next drop tick clears the row with both drops and the
  // JUNTATOR level is won.
  Escena s;
  s.TableroVacio(Modo::Juntator);
  s.Dibujar(22, {".b.........",
                 "r.111111111"});
  PonerGota(s, 22, 2);

  s.juego->TickGota();
  EXPECT_EQ(s.Filas(23, 23), "rb111111111\n");
  s.juego->TickGota();
  EXPECT_EQ(s.Filas(21, 23), Lineas({"...........", "...........", "..........."}));
  for (int i = 0; i < kCeldas; ++i) {
    EXPECT_NE(s.e().tablero[i], kGotaAzul) << i;
    EXPECT_NE(s.e().tablero[i], kGotaRosa) << i;
  }
  EXPECT_EQ(s.p().lblObjetivo.texto, "x0");
  EXPECT_FALSE(s.e().timGota.Enabled);
  EXPECT_FALSE(s.e().Jugando);
  EXPECT_TRUE(s.e().NivelTerminado);
}

TEST(Gotas, dropsApartInAFullRowStay) {
  // Both drops in a full row but not side by side: the row goes, the drops
  // stay, and the level goes on.
  Escena s;
  s.TableroVacio(Modo::Juntator);
  s.Dibujar(22, {"...3.......",
                 "r1b11111111"});
  PonerGota(s, 23, 3);

  s.juego->TickGota();
  EXPECT_EQ(s.Filas(22, 23), Lineas({"...........", "r.b3......."}));
  EXPECT_EQ(s.e().CeldaGota, 23 * kAncho + 3);
  EXPECT_TRUE(s.e().Jugando);
  EXPECT_TRUE(s.e().timGota.Enabled);
  EXPECT_NE(s.p().lblObjetivo.texto, "x0");
}

}  // namespace
}  // namespace tumbla
