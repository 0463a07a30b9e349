// Level end: the shutter, the points, the slower play timer and ENTER for the
// next position; the game lost or finished, and the screen cleared after it.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Escena.h"

namespace tumbla {
namespace {

constexpr const char* kCaptionPersiana = "Pulsa <INTRO> para continuar.";

class FinNivel : public ::testing::Test {
 protected:
  Escena s;

  void SetUp() override { s.juego->FijarJuegoFichas(0); }

  // Starts position p as the level window does: play timer at 300 ms, on.
  // Every piece drawn is the long bar (spawn entry 19).
  void Empezar(int p) {
    s.plataforma.aleatorios = {0, 0, 0, 0, 0, 0};
    s.e().NivelActual = static_cast<int16_t>(p - 1);
    s.juego->PonerTemporizador(Temporizador::Juego, true, 300);
    s.juego->EmpezarNivel();
  }
  bool Sono(int id) const {
    return std::count(s.plataforma.sonidos.begin(), s.plataforma.sonidos.end(), id) > 0;
  }
  int ImagenesVisibles() const {
    return static_cast<int>(std::count_if(s.p().imgTablero.begin(), s.p().imgTablero.end(),
                                          [](int8_t v) { return v != kSinImagen; }));
  }
};

TEST_F(FinNivel, shutterSlidesOverTheEmptyRowsOneStepAtATime) {
  // Rows 0..4 empty, a block in row 5: five steps of 0.05 s, 5 points each
  // and 100 for the level; the falling piece's pictures go, the board stays.
  Empezar(1);
  s.Dibujar(5, {"....#......"});
  s.e().Puntos = 1000;
  s.juego->pantalla().colorMarco = kColorRojo;
  const std::string tablero = s.Filas(0, 23);
  const uint32_t gen = s.juego->Generacion();

  struct Paso {
    int filas;
    bool bajando;
    int32_t puntos;
  };
  std::vector<Paso> pasos;
  s.plataforma.alEsperar = [&] {
    pasos.push_back({s.p().filasPersiana, s.e().BajandoPersiana, s.e().Puntos});
    EXPECT_TRUE(s.p().persianaVisible);
    EXPECT_EQ(s.p().textoPersiana, "");
  };
  std::vector<bool> bajandoAlProcesar;
  s.plataforma.alProcesarEventos = [&] { bajandoAlProcesar.push_back(s.e().BajandoPersiana); };

  s.juego->NivelCompletado();

  ASSERT_EQ(pasos.size(), 5u);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(pasos[k].filas, k + 1);
    EXPECT_TRUE(pasos[k].bajando);
    EXPECT_EQ(pasos[k].puntos, 1000 + 5 * k);
  }
  EXPECT_NEAR(s.plataforma.esperado, 0.25, 1e-9);
  // Events run while the shutter is on its way, and once more at the end.
  ASSERT_GE(bajandoAlProcesar.size(), 2u);
  EXPECT_TRUE(bajandoAlProcesar.front());
  EXPECT_FALSE(bajandoAlProcesar.back());

  const Estado& e = s.e();
  const Pantalla& p = s.p();
  EXPECT_EQ(e.Puntos, 1000 + 5 * 5 + 100);
  EXPECT_EQ(p.filasPersiana, 5);
  EXPECT_TRUE(p.persianaVisible);
  EXPECT_EQ(p.textoPersiana, kCaptionPersiana);
  EXPECT_EQ(p.colorMarco, kColorGris);
  EXPECT_EQ(s.Filas(0, 23), tablero);
  EXPECT_EQ(ImagenesVisibles(), 1);  // only the block of row 5
  EXPECT_EQ(p.imgTablero[5 * 13 + 5], kMuro);

  EXPECT_FALSE(e.Jugando);
  EXPECT_FALSE(e.FichaActiva);
  EXPECT_TRUE(e.NivelTerminado);
  EXPECT_FALSE(e.BajandoPersiana);
  EXPECT_NE(s.juego->Generacion(), gen);
  EXPECT_FALSE(e.timGota.Enabled);
  EXPECT_FALSE(e.timBloqueExtra.Enabled);
  EXPECT_TRUE(e.timJuego.Enabled);
  EXPECT_EQ(e.timJuego.Interval, 300);
  EXPECT_TRUE(Sono(sonido::kNivelCompletado));
  EXPECT_TRUE(s.plataforma.cajas.empty());
}

TEST_F(FinNivel, fullTopRowStillShowsTheCaptionSoEnterGoesOn) {
  // A block in row 0: no row to cover, yet the shutter shows its caption
  // and ENTER starts the next position.
  Empezar(1);
  s.Dibujar(0, {"#.........."});
  s.e().Puntos = 0;
  s.juego->NivelCompletado();
  EXPECT_EQ(s.e().Puntos, 100);
  EXPECT_EQ(s.p().filasPersiana, 0);
  EXPECT_TRUE(s.p().persianaVisible);
  EXPECT_EQ(s.p().textoPersiana, kCaptionPersiana);
  EXPECT_DOUBLE_EQ(s.plataforma.esperado, 0.0);

  s.juego->TeclaPersiana(tecla::kIntro);
  EXPECT_EQ(s.e().NivelActual, 2);
  EXPECT_TRUE(s.e().Jugando);
  EXPECT_EQ(s.p().lblTipoJuego.texto, "002: CLASIC");
  EXPECT_EQ(s.p().lblObjetivo.texto, "x7");
  EXPECT_FALSE(s.p().persianaVisible);
  EXPECT_EQ(s.p().textoPersiana, "");
  EXPECT_FALSE(s.e().NivelTerminado);
  EXPECT_EQ(s.e().tablero[1], kLibre);
}

TEST_F(FinNivel, playTimerIsThirtyMillisecondsSlowerUpToThreeHundred) {
  // 290 becomes 300, 300 stays, 200 becomes 230, 50 becomes 80.
  for (const auto& [antes, despues] : std::vector<std::pair<int, int>>{{290, 300}, {300, 300}, {200, 230}, {50, 80}}) {
    Empezar(1);
    s.juego->PonerTemporizador(Temporizador::Juego, true, antes);
    s.juego->NivelCompletado();
    EXPECT_EQ(s.e().timJuego.Interval, despues) << antes;
    EXPECT_TRUE(s.e().timJuego.Enabled) << antes;
  }
}

TEST_F(FinNivel, levelCompletedDuringAPauseEndsThePause) {
  // A drop can finish a level while the game is paused: the pause ends with
  // it, so the play timer runs again for the next level.
  Empezar(4);
  s.juego->TeclaPrincipal(tecla::kF3);
  s.juego->TickJuego();
  ASSERT_TRUE(s.e().Pausado);
  ASSERT_FALSE(s.e().timJuego.Enabled);
  ASSERT_TRUE(s.p().lblPausa.visible);

  s.juego->NivelCompletado();
  EXPECT_FALSE(s.e().Pausado);
  EXPECT_TRUE(s.e().timJuego.Enabled);
  EXPECT_FALSE(s.p().lblPausa.visible);

  s.juego->ClicPersiana();
  EXPECT_EQ(s.e().NivelActual, 5);
  EXPECT_TRUE(s.e().timJuego.Enabled);
  EXPECT_FALSE(s.e().Pausado);
}

TEST_F(FinNivel, shutterOnlyLeadsOnOnceItAsksForEnter) {
  // During play the shutter has no caption: a click or ENTER starts
  // nothing. After a completed level one click goes on, a second does not.
  Empezar(1);
  const int16_t ficha = s.e().Ficha;
  s.juego->ClicPersiana();
  s.juego->TeclaPersiana(tecla::kIntro);
  EXPECT_EQ(s.e().NivelActual, 1);
  EXPECT_TRUE(s.e().Jugando);
  EXPECT_EQ(s.e().Ficha, ficha);

  s.juego->NivelCompletado();
  s.juego->ClicPersiana();
  EXPECT_EQ(s.e().NivelActual, 2);
  s.juego->ClicPersiana();
  EXPECT_EQ(s.e().NivelActual, 2);
  EXPECT_TRUE(s.e().Jugando);
}

TEST_F(FinNivel, lastRowOfTheObjectiveEndsTheLevelAndNoPieceFollows) {
  // CLASI 01 with one row left: the long bar, turned upright and taken to
  // column 11, completes the bottom row. The level ends within that tick: no
  // new piece, no new draw; the shutter covers rows 0..20.
  Empezar(1);
  ASSERT_EQ(s.e().Ficha, 64);
  s.Dibujar(23, {"##########."});
  s.e().LineasRestantes = 1;
  s.e().Puntos = 0;
  s.juego->TeclaPrincipal(tecla::kArriba);
  for (int k = 0; k < 5; ++k) s.juego->TeclaPrincipal(tecla::kDerecha);
  const size_t sorteos = s.plataforma.sorteos.size();
  const int16_t siguiente = s.e().FichaSiguiente;

  s.TicksHastaAterrizar();

  EXPECT_EQ(s.Filas(20, 23),
            "...........\n"
            "..........7\n"
            "..........7\n"
            "..........7\n");
  EXPECT_EQ(s.p().lblObjetivo.texto, "x0");
  EXPECT_TRUE(s.e().NivelTerminado);
  EXPECT_FALSE(s.e().Jugando);
  EXPECT_FALSE(s.e().EnTurno);
  EXPECT_FALSE(s.e().FichaActiva);
  EXPECT_EQ(s.plataforma.sorteos.size(), sorteos);
  EXPECT_EQ(s.e().FichaSiguiente, siguiente);
  EXPECT_EQ(s.p().filasPersiana, 21);
  EXPECT_EQ(s.e().Puntos, 5 + 50 + 21 * 5 + 100);
  EXPECT_EQ(ImagenesVisibles(), 3);

  // Further ticks change nothing; ENTER starts position 2.
  s.juego->TickJuego();
  EXPECT_EQ(s.p().filasPersiana, 21);
  EXPECT_EQ(s.plataforma.sorteos.size(), sorteos);
  s.juego->TeclaPersiana(tecla::kIntro);
  EXPECT_EQ(s.p().lblTipoJuego.texto, "002: CLASIC");
  EXPECT_EQ(s.Filas(20, 23), "...........\n...........\n...........\n...........\n");
}

TEST_F(FinNivel, gameOverStopsEverythingBeforeTheMessageShows) {
  // By the time "GAME OVER" is on screen no timer runs and no flag is up;
  // afterwards the screen is cleared while the board keeps its values.
  Empezar(4);  // GOTEA 01: drop timer, clock, objective pictures
  Estado& e = s.e();
  e.EnTurno = true;
  e.Fijando = true;
  s.juego->pantalla().colorMarco = kColorRojo;
  s.juego->pantalla().lblPausa.visible = true;
  s.plataforma.alMensaje = [&](const std::string&) {
    EXPECT_FALSE(e.timJuego.Enabled);
    EXPECT_FALSE(e.timGota.Enabled);
    EXPECT_FALSE(e.timBloqueExtra.Enabled);
    EXPECT_FALSE(e.Jugando);
    EXPECT_FALSE(e.EnTurno);
    EXPECT_FALSE(e.Pausado);
    EXPECT_FALSE(e.Fijando);
    EXPECT_FALSE(e.FichaActiva);
    EXPECT_EQ(s.p().colorMarco, kColorGris);
  };
  const uint32_t gen = s.juego->Generacion();

  s.juego->FinPartida(1);

  ASSERT_FALSE(s.plataforma.cajas.empty());
  EXPECT_EQ(s.plataforma.cajas[0].texto, "GAME OVER");
  EXPECT_EQ(s.plataforma.cajas[0].icono, Icono::Informacion);
  EXPECT_FALSE(s.plataforma.cajas[0].pregunta);
  EXPECT_TRUE(Sono(sonido::kFinPartida));
  EXPECT_NE(s.juego->Generacion(), gen);

  const Pantalla& p = s.p();
  EXPECT_EQ(ImagenesVisibles(), 0);
  EXPECT_TRUE(std::all_of(p.imgNext.begin(), p.imgNext.end(), [](int8_t v) { return v == 0; }));
  EXPECT_TRUE(std::all_of(p.imgObstaculo.begin(), p.imgObstaculo.end(), [](int8_t v) { return v == 0; }));
  EXPECT_EQ(p.imgObjetivo[0], kSinImagen);
  EXPECT_EQ(p.imgObjetivo[1], kSinImagen);
  EXPECT_FALSE(p.lblTipoJuego.visible);
  EXPECT_FALSE(p.lblObjetivo.visible);
  EXPECT_FALSE(p.lblTiempo.visible);
  EXPECT_FALSE(p.lblPausa.visible);
  EXPECT_TRUE(p.marcoVisible);
  EXPECT_FALSE(p.marcoCuadrado);
  EXPECT_EQ(e.tablero[219], kGotaAzul);
  EXPECT_EQ(e.tablero[232], kMuro);
  EXPECT_FALSE(e.Jugando);
  EXPECT_EQ(e.NivelActual, 0);
}

TEST_F(FinNivel, timeRunningOutShowsTheSameGameOver) {
  // Reason 2 (time) and reason 1 (board full) read the same.
  Empezar(4);
  s.juego->FinPartida(2);
  ASSERT_FALSE(s.plataforma.cajas.empty());
  EXPECT_EQ(s.plataforma.cajas[0].texto, "GAME OVER");
  EXPECT_TRUE(Sono(sonido::kFinPartida));
}

TEST_F(FinNivel, blockedEntryLosesTheGameOnce) {
  // A block right under the first piece: the next tick lands it at the
  // spawn cell and the game is lost; later ticks do nothing more.
  Empezar(1);
  s.Dibujar(3, {"....#......"});
  s.juego->TickJuego();
  ASSERT_EQ(s.plataforma.cajas.size(), 1u);
  EXPECT_EQ(s.plataforma.cajas[0].texto, "GAME OVER");
  EXPECT_FALSE(s.e().Jugando);
  EXPECT_FALSE(s.e().EnTurno);
  EXPECT_FALSE(s.e().timJuego.Enabled);
  EXPECT_EQ(s.e().NivelActual, 0);
  s.juego->TickJuego();
  s.juego->TickJuego();
  EXPECT_EQ(s.plataforma.cajas.size(), 1u);
}

TEST_F(FinNivel, finishingTheLastPositionCongratulatesAndOpensNothing) {
  // Position 296 completed, then ENTER: the congratulation, the screen
  // cleared, no level window, and the position stays past the end.
  Empezar(296);
  EXPECT_EQ(s.juego->niveles().Clave(296), "JUNTA,21");
  s.juego->NivelCompletado();
  s.juego->ClicPersiana();
  ASSERT_EQ(s.plataforma.cajas.size(), 1u);
  EXPECT_EQ(s.plataforma.cajas[0].texto, "FELICIDADES!\r\rHas conseguido acabar el juego!");
  EXPECT_FALSE(Sono(sonido::kFinPartida));
  EXPECT_EQ(s.plataforma.selectoresMostrados, 0);
  EXPECT_EQ(s.e().NivelActual, 297);
  EXPECT_FALSE(s.e().Jugando);
  EXPECT_FALSE(s.e().timJuego.Enabled);
  EXPECT_FALSE(s.p().persianaVisible);
  EXPECT_FALSE(s.p().lblTipoJuego.visible);
  EXPECT_EQ(ImagenesVisibles(), 0);
}

// These rely on the extra-minute and progress bookkeeping and the "Nuevo"
// command of the settings side of the game.
class FinNivelProgreso : public FinNivel {
 protected:
  std::string Progreso() { return s.juego->LeerIni(kSeccionIni, "AMAITUTAKOA", "0"); }
  void FijarProgreso(const std::string& valor) { s.juego->EscribirIni(kSeccionIni, "AMAITUTAKOA", valor); }
};

TEST_F(FinNivelProgreso, completedLevelRaisesStoredProgressButNeverLowersIt) {
  // Completing position 40 leaves "57" alone and raises "12" to "40".
  FijarProgreso("57");
  Empezar(40);
  s.juego->NivelCompletado();
  EXPECT_EQ(Progreso(), "57");

  FijarProgreso("12");
  Empezar(40);
  s.juego->NivelCompletado();
  EXPECT_EQ(Progreso(), "40");
}

TEST_F(FinNivelProgreso, everyCompletedLevelEarnsOneMinuteEvenWithoutProgress) {
  // A level chosen beyond the open ones records no progress, but the
  // minute is earned and stored all the same.
  FijarProgreso("10");
  s.e().MinutosExtra = 3;
  s.e().NoGuardarProgreso = true;
  Empezar(40);
  s.juego->NivelCompletado();
  EXPECT_EQ(Progreso(), "10");
  EXPECT_EQ(s.e().MinutosExtra, 4);
  EXPECT_EQ(s.juego->LeerIni(kSeccionIni, "LAGUNTZA", "0"), "4");
  EXPECT_EQ(s.p().menuMinutos, "Minutos extra: 4");

  s.e().NoGuardarProgreso = false;
  s.juego->ClicPersiana();
  s.juego->NivelCompletado();
  EXPECT_EQ(s.e().MinutosExtra, 5);
  EXPECT_EQ(Progreso(), "41");
}

TEST_F(FinNivelProgreso, newGameAndResetWaitWhileTheShutterSlides) {
  // While the shutter comes down, "Nuevo" opens no window and "Reset" only
  // refuses, so the progress written at the end is not lost or overtaken.
  FijarProgreso("0");
  Empezar(1);
  int intentos = 0;
  s.plataforma.alEsperar = [&] {
    ++intentos;
    s.juego->MenuNuevo();
    s.juego->MenuReset();
  };
  s.juego->NivelCompletado();
  ASSERT_EQ(intentos, 24);
  EXPECT_EQ(s.plataforma.selectoresMostrados, 0);
  ASSERT_EQ(s.plataforma.cajas.size(), 24u);
  for (const auto& caja : s.plataforma.cajas) {
    EXPECT_FALSE(caja.pregunta);
    EXPECT_EQ(caja.texto, "Para esta opción debes haber finalizado la partida.");
  }
  EXPECT_EQ(Progreso(), "1");
  EXPECT_EQ(s.e().NivelActual, 1);
  EXPECT_TRUE(s.e().NivelTerminado);
}

TEST_F(FinNivelProgreso, afterALossTheLevelWindowOpens) {
  // "GAME OVER", then the level window: closed without a choice the
  // position goes back to 0; a level chosen there keeps its position.
  Empezar(4);
  s.juego->FinPartida(1);
  EXPECT_EQ(s.plataforma.selectoresMostrados, 1);
  EXPECT_EQ(s.e().NivelActual, 0);

  Empezar(4);
  s.plataforma.alMostrarSelector = [&] { s.juego->JugarNivel(7); };
  s.juego->FinPartida(1);
  EXPECT_EQ(s.plataforma.selectoresMostrados, 2);
  EXPECT_TRUE(s.e().Jugando);
  EXPECT_EQ(s.e().NivelActual, 7);
}

}  // namespace
}  // namespace tumbla
