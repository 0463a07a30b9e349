// Keys of the main window, pause and resume with the level clock, and a
// short scripted game played from the keyboard.
#include <gtest/gtest.h>

#include "Comprobaciones.h"
#include "Escena.h"

namespace tumbla {
namespace {

TEST(Teclado, keysAreRefusedWhilePausedOutOfPlayOrDuringATick) {
  // Moves need a level in play and no pause; a key (F3 too) arriving while
  // a tick is landing a piece is lost, not queued.
  for (int caso = 0; caso < 3; ++caso) {
    SCOPED_TRACE(caso);
    Escena s;
    s.TableroVacio();
    s.Entrar(78);
    (caso == 0 ? s.e().Pausado : caso == 1 ? s.e().EnTurno : s.e().Jugando) = caso != 2;
    for (int k : {tecla::kIzquierda, tecla::kDerecha, tecla::kAbajo, tecla::kArriba, tecla::kEspacio}) {
      s.juego->TeclaPrincipal(k);
    }
    if (caso != 0) s.juego->TeclaPrincipal(tecla::kF3);
    EXPECT_EQ(s.e().Posicion, kCeldaEntrada);
    EXPECT_EQ(s.e().Ficha, 78);
    EXPECT_EQ(s.e().Orden, "");
  }
}

TEST(Pausa, clockCountsDownPausesAtTheNextTickAndResumesFromTheShownTime) {
  // The clock shows m:ss. F3 (twice is still once) pauses at the next tick,
  // which still moves the piece and stops the play and extra-block timers.
  // After a long pause the clock goes on from its label; under 16 s left the
  // frame turns grey on odd and red on even seconds.
  Escena s;
  s.TableroVacio(Modo::Goteator);
  s.e().SegundosLimite = 150;
  s.e().InicioReloj = 10;
  s.juego->PonerTemporizador(Temporizador::BloqueExtra, true, 7000);
  s.Entrar(78);
  s.plataforma.ahora = 10.9;
  s.juego->TickJuego();
  EXPECT_EQ(s.p().lblTiempo.texto, "2:30");
  s.juego->TeclaPrincipal(tecla::kF3);
  s.juego->TeclaPrincipal(tecla::kF3);
  EXPECT_EQ(s.e().Orden, "pause");
  EXPECT_FALSE(s.e().Pausado);
  s.plataforma.ahora = 10 + 85;
  s.juego->TickJuego();
  EXPECT_TRUE(s.e().Pausado);
  EXPECT_EQ(s.e().Posicion, kCeldaEntrada + 2 * kAncho);
  EXPECT_EQ(s.p().lblTiempo.texto, "1:05");
  EXPECT_FALSE(s.e().timJuego.Enabled || s.e().timBloqueExtra.Enabled);
  EXPECT_TRUE(s.p().lblPausa.visible);
  EXPECT_EQ(s.p().lblPausa.texto, "PAUSA (F3)");
  s.plataforma.ahora = 500;
  s.juego->TeclaPrincipal(tecla::kF3);
  EXPECT_FALSE(s.e().Pausado);
  EXPECT_EQ(s.e().SegundosLimite, 65);
  EXPECT_EQ(s.e().InicioReloj, 500);
  EXPECT_TRUE(s.e().timJuego.Enabled && s.e().timBloqueExtra.Enabled);
  EXPECT_EQ(s.e().timBloqueExtra.Interval, 7000);
  EXPECT_FALSE(s.p().lblPausa.visible);
  s.plataforma.ahora = 500 + 56.2;
  s.juego->TickJuego();
  EXPECT_EQ(s.p().lblTiempo.texto, "0:09");
  EXPECT_EQ(s.p().colorMarco, kColorGris);
  s.plataforma.ahora = 500 + 57;
  s.juego->TickJuego();
  EXPECT_EQ(s.p().lblTiempo.texto, "0:08");
  EXPECT_EQ(s.p().colorMarco, kColorRojo);
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

TEST(JuegoGuionado, aShortClassicGameFromTheKeyboard) {
  // The first O falls one row per tick and lands on the floor (sound 103,
  // 5 points); the second O and an L steered by keys fill the bottom row's
  // gap and clear it; what was above falls into the bottom row.
  Escena s;
  s.TableroVacio();
  s.Dibujar(23, {"##.......##"});
  s.plataforma.aleatorios = {5, 2, 0};  // after the next O: the L (row 72), an I
  s.Entrar(77);
  s.juego->TeclaPrincipal(tecla::kIzquierda);
  s.juego->TeclaPrincipal(tecla::kIzquierda);
  for (int fila = 3; fila <= 23; ++fila) {
    s.juego->TickJuego();
    ASSERT_EQ(Fila(s.e().Posicion), fila);
  }
  EXPECT_TRUE(s.plataforma.sonidos.empty());
  s.juego->TickJuego();
  EXPECT_EQ(s.plataforma.sonidos, std::vector<int>{sonido::kAterrizaje});
  EXPECT_EQ(s.e().Puntos, 5);
  EXPECT_EQ(s.e().Posicion, kCeldaEntrada);
  EXPECT_EQ(s.e().Ficha, 77);
  auto soltar = [&] {
    s.juego->TeclaPrincipal(tecla::kEspacio);
    s.juego->TickJuego();
  };
  soltar();
  EXPECT_EQ(s.Filas(22, 23), Lineas({"..2222.....", "##2222...##"}));
  ASSERT_EQ(s.e().Ficha, 72);  // L: L1, 0, R1, UR1
  s.juego->TeclaPrincipal(tecla::kDerecha);
  s.juego->TeclaPrincipal(tecla::kDerecha);
  soltar();
  EXPECT_EQ(s.Filas(22, 23), Lineas({"...........", "..2222..5.."}));
  EXPECT_EQ(s.e().Puntos, 3 * 5 + 50);
  EXPECT_EQ(s.e().timJuego.Interval, 297);
  EXPECT_EQ(s.e().Ficha, 64);
  EXPECT_EQ(s.e().Posicion, kCeldaEntrada);
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");
}

}  // namespace
}  // namespace tumbla
