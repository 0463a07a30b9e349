// The torpedo: earned every four removed rows in the non-classic groups, and
// its hard drop through the stack.
#include <gtest/gtest.h>

#include "Comprobaciones.h"
#include "Escena.h"

namespace tumbla {
namespace {

// Brings a torpedo in and moves it over that column.
void TorpedoSobre(Escena& s, int columna) {
  s.Entrar(kFichaTorpedo);
  while (Columna(s.e().Posicion) < columna) s.juego->TeclaPrincipal(tecla::kDerecha);
  while (Columna(s.e().Posicion) > columna) s.juego->TeclaPrincipal(tecla::kIzquierda);
}

TEST(Torpedo, spaceSendsItThroughTheBlocksIntoTheHoleBelow) {
  // Over three blocks with a hole under them the torpedo goes into the hole
  // (sound 101 once); over a column solid to the floor it stays on top;
  // over an empty column it goes to the floor; moved down by the ticks it
  // lands on the first block like any piece.
  Escena s;
  s.TableroVacio(Modo::Rotator);
  s.Dibujar(19, {".....1.....",
                 "..3..2.....",
                 "..3..3.....",
                 "..3........",
                 "..3..4....."});

  TorpedoSobre(s, 6);
  s.plataforma.sonidos.clear();
  s.juego->TeclaPrincipal(tecla::kEspacio);
  EXPECT_EQ(s.e().Posicion, 22 * kAncho + 6);
  EXPECT_EQ(s.p().imgTablero[22 * kAncho + 6], kImagenTorpedo);
  EXPECT_EQ(s.p().imgTablero[kCeldaEntrada], kSinImagen);
  EXPECT_TRUE(s.e().NoCabeForzado);
  EXPECT_EQ(s.plataforma.sonidos, std::vector<int>{sonido::kTorpedoOBloque});
  s.juego->TickJuego();
  EXPECT_EQ(s.Filas(22, 22), "..3..t.....\n");

  TorpedoSobre(s, 3);
  s.juego->TeclaPrincipal(tecla::kEspacio);
  s.juego->TickJuego();

  TorpedoSobre(s, 9);
  s.juego->TeclaPrincipal(tecla::kEspacio);
  s.juego->TickJuego();

  TorpedoSobre(s, 6);
  s.TicksHastaAterrizar();

  EXPECT_EQ(s.Filas(18, 23), Lineas({".....t.....",
                                     "..t..1.....",
                                     "..3..2.....",
                                     "..3..3.....",
                                     "..3..t.....",
                                     "..3..4..t.."}));
  EXPECT_EQ(Veces(s.plataforma.sonidos, sonido::kTorpedoOBloque), 3);
  EXPECT_TRUE(s.e().Jugando);
}

TEST(Torpedo, fourRemovedRowsGrantOneTorpedoOutsideTheClassicGroups) {
  // Four rows removed by one landing grant one torpedo, which is the next
  // piece; in a classic level the same rows only fill the stock.
  for (Modo modo : {Modo::Rotator, Modo::Clasico}) {
    Escena s;
    s.TableroVacio(modo);
    for (int fila = 20; fila <= 23; ++fila) s.Dibujar(fila, {"##########."});
    s.Entrar(63);
    for (int n = 0; n < 5; ++n) s.juego->TeclaPrincipal(tecla::kDerecha);
    s.juego->TeclaPrincipal(tecla::kEspacio);
    s.juego->TickJuego();
    ASSERT_EQ(s.Filas(20, 23), Lineas({"...........", "...........", "...........", "..........."}));
    if (modo == Modo::Rotator) {
      EXPECT_EQ(s.e().CargaTorpedo, 0);
      EXPECT_EQ(s.e().FichaSiguiente, kFichaTorpedo);
      EXPECT_FALSE(s.e().TorpedoPendiente);
    } else {
      EXPECT_EQ(s.e().CargaTorpedo, 4);
      EXPECT_NE(s.e().FichaSiguiente, kFichaTorpedo);
    }
  }
}

}  // namespace
}  // namespace tumbla
