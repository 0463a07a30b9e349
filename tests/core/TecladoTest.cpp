// Keys of the main window and the shutter, pause and resume, and a short
// scripted game played from the keyboard.
#include <gtest/gtest.h>

#include "Escena.h"

namespace tumbla {
namespace {

TEST(Teclado, letterKeysMoveLikeTheArrows) {
  // O, P, A and Q do what Left, Right, Down and Up do.
  Escena s;
  s.TableroVacio();
  s.Entrar(78);
  s.juego->TeclaPrincipal(tecla::kO);
  EXPECT_EQ(s.e().Posicion, kCeldaEntrada - 1);
  s.juego->TeclaPrincipal(tecla::kP);
  s.juego->TeclaPrincipal(tecla::kP);
  EXPECT_EQ(s.e().Posicion, kCeldaEntrada + 1);
  s.juego->TeclaPrincipal(tecla::kA);
  EXPECT_EQ(s.e().Posicion, kCeldaEntrada + 14);
  s.juego->TeclaPrincipal(tecla::kQ);
  EXPECT_EQ(s.e().Ficha, 79);
  // Down never lands a piece, even on the floor.
  for (int n = 0; n < 30; ++n) s.juego->TeclaPrincipal(tecla::kAbajo);
  EXPECT_EQ(Fila(s.e().Posicion), 22);
  EXPECT_EQ(s.e().Puntos, 0);
  EXPECT_TRUE(s.e().FichaActiva);
}

TEST(Teclado, keysAreRefusedWhilePausedOutOfPlayOrDuringATick) {
  // Moves need a level in play and no pause; a key arriving while a tick is
  // landing a piece is lost, not queued.
  Escena s;
  s.TableroVacio();
  s.Entrar(78);
  const int16_t inicio = s.e().Posicion;

  s.e().Pausado = true;
  for (int k : {tecla::kIzquierda, tecla::kDerecha, tecla::kAbajo, tecla::kArriba, tecla::kEspacio}) {
    s.juego->TeclaPrincipal(k);
  }
  EXPECT_EQ(s.e().Posicion, inicio);
  EXPECT_EQ(s.e().Ficha, 78);
  s.e().Pausado = false;

  s.e().EnTurno = true;
  s.juego->TeclaPrincipal(tecla::kIzquierda);
  s.juego->TeclaPrincipal(tecla::kF3);
  EXPECT_EQ(s.e().Posicion, inicio);
  EXPECT_EQ(s.e().Orden, "");
  s.e().EnTurno = false;

  s.e().Jugando = false;
  s.juego->TeclaPrincipal(tecla::kArriba);
  s.juego->TeclaPrincipal(tecla::kF3);
  EXPECT_EQ(s.e().Ficha, 78);
  EXPECT_EQ(s.e().Orden, "");
}

TEST(Teclado, boardTurnKeysNeedTheSquareModesAndAPieceAboveTheSquare) {
  // 3 and 4 do nothing in the classic modes, nor once the falling piece has
  // reached row 13 (its lowest cell beyond 167), nor while the drop falls.
  Escena s;
  s.TableroVacio();
  s.Entrar(78);
  EXPECT_FALSE(s.juego->PuedeGirarTablero());

  Escena r;
  r.TableroVacio(Modo::Rotator);
  r.Entrar(78);
  EXPECT_TRUE(r.juego->PuedeGirarTablero());
  r.e().GotaCayendo = true;
  EXPECT_FALSE(r.juego->PuedeGirarTablero());
  r.e().GotaCayendo = false;
  while (r.e().CeldaMasBaja <= 167) r.juego->TeclaPrincipal(tecla::kAbajo);
  EXPECT_EQ(r.e().CeldaMasBaja, 13 * 13 + 7);
  EXPECT_FALSE(r.juego->PuedeGirarTablero());
}

TEST(Pausa, F3PausesAtTheNextTickWhichStillMovesThePiece) {
  // F3 only leaves "pause"; pressing it twice leaves one. The next tick stops
  // the play timer and the extra-block timer, shows "PAUSA (F3)" and still
  // makes its gravity step.
  Escena s;
  s.TableroVacio();
  s.juego->PonerTemporizador(Temporizador::BloqueExtra, true, 7000);
  s.Entrar(78);
  s.juego->TeclaPrincipal(tecla::kF3);
  s.juego->TeclaPrincipal(tecla::kF3);
  EXPECT_EQ(s.e().Orden, "pause");
  EXPECT_FALSE(s.e().Pausado);
  s.juego->TickJuego();
  EXPECT_TRUE(s.e().Pausado);
  EXPECT_EQ(s.e().Orden, "");
  EXPECT_EQ(s.e().Posicion, kCeldaEntrada + 13);
  EXPECT_FALSE(s.e().timJuego.Enabled);
  EXPECT_FALSE(s.e().timBloqueExtra.Enabled);
  EXPECT_TRUE(s.p().lblPausa.visible);
  EXPECT_EQ(s.p().lblPausa.texto, "PAUSA (F3)");

  // Resume gives both timers back and hides the label.
  s.juego->TeclaPrincipal(tecla::kF3);
  EXPECT_FALSE(s.e().Pausado);
  EXPECT_TRUE(s.e().timJuego.Enabled);
  EXPECT_TRUE(s.e().timBloqueExtra.Enabled);
  EXPECT_EQ(s.e().timBloqueExtra.Interval, 7000);
  EXPECT_FALSE(s.p().lblPausa.visible);
}

TEST(Pausa, resumeContinuesTheClockFromTheShownTime) {
  // The clock survives a pause only as its label: resuming at "1:00" gives
  // 60 seconds from now, at "0:07" seven; a level without a clock keeps its
  // limit untouched.
  Escena s;
  s.TableroVacio(Modo::Podator);
  s.e().SegundosLimite = 150;
  s.e().InicioReloj = 0;
  s.Entrar(78);
  s.juego->TeclaPrincipal(tecla::kF3);
  s.plataforma.ahora = 90.4;
  s.juego->TickJuego();
  ASSERT_TRUE(s.e().Pausado);
  EXPECT_EQ(s.p().lblTiempo.texto, "1:00");
  s.plataforma.ahora = 500;  // a long pause
  s.juego->TeclaPrincipal(tecla::kF3);
  EXPECT_EQ(s.e().SegundosLimite, 60);
  EXPECT_EQ(s.e().InicioReloj, 500);
  s.plataforma.ahora = 530;
  s.juego->TickJuego();
  EXPECT_EQ(s.p().lblTiempo.texto, "0:30");

  Escena c;
  c.TableroVacio();
  c.e().SegundosLimite = 42;
  c.Entrar(78);
  c.juego->TeclaPrincipal(tecla::kF3);
  c.juego->TickJuego();
  c.juego->TeclaPrincipal(tecla::kF3);
  EXPECT_EQ(c.e().SegundosLimite, 42);
}

TEST(Pausa, theExtraBlockTimerStaysOffAfterResumeWhenItWasOff) {
  // Resume restores the extra-block timer to what it was at the pause.
  Escena s;
  s.TableroVacio();
  s.Entrar(78);
  s.juego->TeclaPrincipal(tecla::kF3);
  s.juego->TickJuego();
  s.juego->TeclaPrincipal(tecla::kF3);
  EXPECT_FALSE(s.e().timBloqueExtra.Enabled);
  EXPECT_TRUE(s.e().timJuego.Enabled);
}

TEST(JuegoGuionado, aShortClassicGameFromTheKeyboard) {
  // Two O pieces and an L steered by keys fill the bottom row's gap and
  // clear it; what was above falls into the bottom row.
  Escena s;
  s.TableroVacio();
  s.Dibujar(23, {"##.......##"});
  // Draws: the O after the first O, then the L (entry 21, row 72), then an I.
  s.plataforma.aleatorios = {5, 2, 0};
  s.Entrar(77);
  auto soltar = [&] {
    s.juego->TeclaPrincipal(tecla::kEspacio);
    s.juego->TickJuego();
  };
  s.juego->TeclaPrincipal(tecla::kIzquierda);
  s.juego->TeclaPrincipal(tecla::kIzquierda);
  soltar();  // O into columns 3-4
  soltar();  // O into columns 5-6
  EXPECT_EQ(s.Filas(22, 23), "..2222.....\n##2222...##\n");
  ASSERT_EQ(s.e().Ficha, 72);  // L: L1, 0, R1, UR1
  s.juego->TeclaPrincipal(tecla::kDerecha);
  s.juego->TeclaPrincipal(tecla::kDerecha);
  soltar();  // fills columns 7-9 of row 23, and column 9 of row 22
  EXPECT_EQ(s.Filas(22, 23), "...........\n..2222..5..\n");
  EXPECT_EQ(s.e().Puntos, 3 * 5 + 50);
  EXPECT_EQ(s.e().timJuego.Interval, 297);
  EXPECT_EQ(s.e().Ficha, 64);
  EXPECT_EQ(s.e().Posicion, kCeldaEntrada);
}

}  // namespace
}  // namespace tumbla
