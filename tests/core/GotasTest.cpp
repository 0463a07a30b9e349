// The blue drop: staying in place when its row goes, waiting for the falling
// piece, carried down by the rows cleared under it to the floor win, and the
// two drops joined or apart in a full row.
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

  s.Entrar(63);  // upright I, dropped into column 11
  for (int n = 0; n < 5; ++n) s.juego->TeclaPrincipal(tecla::kDerecha);
  s.juego->TeclaPrincipal(tecla::kEspacio);
  s.juego->TickJuego();
  EXPECT_EQ(s.Filas(18, 23), Lineas({"...........",
                                     "..........7",
                                     "..........7",
                                     ".....b....7",
                                     "2222.222222",
                                     "3333.333333"}));
  s.juego->TickGota();
  EXPECT_EQ(s.e().CeldaGota, 21 * kAncho + 6);
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
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");

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

TEST(Gotas, rowsClearedUnderTheDropByItsOwnTickCarryItDownToTheWin) {
  // The drop falls into the last hole of row 22 (sound 106); the drop tick's
  // pass removes two rows at once and carries the drop down to the floor,
  // which completes the GOTEATOR level; its old cell keeps the block that
  // fell into it.
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
  EXPECT_EQ(Veces(s.plataforma.sonidos, sonido::kGota), 1);
  EXPECT_EQ(s.p().lblObjetivo.texto, "x0");
  EXPECT_FALSE(s.e().timGota.Enabled);
  EXPECT_FALSE(s.e().Jugando);
  EXPECT_TRUE(s.e().NivelTerminado);
}

TEST(Gotas, aPieceStillInTheAirGoesWithTheLevelTheDropCompletes) {
  // The drop reaches the floor while an O is falling below the shutter's
  // reach: the O disappears with the level rather than stay frozen on screen.
  Escena s;
  s.TableroVacio(Modo::Goteator);
  s.Dibujar(10, {"1.........."});
  s.Dibujar(22, {".....b.....",
                 "22222.22222"});
  PonerGota(s, 22, 6);
  s.Entrar(77);
  for (int n = 0; n < 13; ++n) s.juego->TeclaPrincipal(tecla::kAbajo);
  ASSERT_EQ(s.p().imgTablero[15 * kAncho + 6], 2);

  s.juego->TickGota();
  EXPECT_TRUE(s.e().NivelTerminado);
  EXPECT_EQ(s.p().filasPersiana, 10);
  for (int fila : {14, 15}) {
    for (int col : {5, 6}) EXPECT_EQ(s.p().imgTablero[fila * kAncho + col], 0) << fila << "," << col;
  }
  EXPECT_EQ(s.p().imgTablero[10 * kAncho + 1], 1);
  EXPECT_EQ(s.p().imgTablero[23 * kAncho + 6], kGotaAzul);
}

TEST(Gotas, joinedDropsGoWithTheirRowAndDropsApartStay) {
  // The blue drop falls beside the pink one into the last hole of the bottom
  // row: the next drop tick clears the row with both drops and the JUNTATOR
  // level is won. Both drops in a full row but apart: the row goes, the
  // drops stay and the level goes on.
  struct Caso {
    const char* fila22;
    const char* fila23;
    int columnaAzul;
    const char* despues;  // rows 22..23 after two drop ticks
    bool ganado;
  };
  const Caso casos[] = {
      {".b.........", "r.111111111", 2, "...........\n...........\n", true},
      {"...3.......", "r1b11111111", 3, "...........\nr.b3.......\n", false},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.fila23);
    Escena s;
    s.TableroVacio(Modo::Juntator);
    s.Dibujar(22, {c.fila22, c.fila23});
    PonerGota(s, c.fila22[c.columnaAzul - 1] == 'b' ? 22 : 23, c.columnaAzul);
    s.juego->TickGota();
    s.juego->TickGota();
    EXPECT_EQ(s.Filas(22, 23), c.despues);
    EXPECT_EQ(s.p().lblObjetivo.texto == "x0", c.ganado);
    EXPECT_EQ(s.e().timGota.Enabled, !c.ganado);
    EXPECT_EQ(s.e().Jugando, !c.ganado);
    EXPECT_EQ(s.e().NivelTerminado, c.ganado);
    if (!c.ganado) {
      EXPECT_EQ(ImagenesErroneas(*s.juego), "");
    }
  }
}

}  // namespace
}  // namespace tumbla
