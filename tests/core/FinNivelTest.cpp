// Level end: the shutter, the points, the slower play timer and ENTER for the
// next position; the game lost or finished, and the screen cleared after it.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Comprobaciones.h"
#include "Escena.h"

namespace tumbla {
namespace {

constexpr const char* kCaptionPersiana = "Pulsa <INTRO> para continuar.";
constexpr const char* kFelicidades = "FELICIDADES!\r\rHas conseguido acabar el juego!";

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
  int ImagenesVisibles() const {
    return static_cast<int>(std::count_if(s.p().imgTablero.begin(), s.p().imgTablero.end(),
                                          [](int8_t v) { return v != kSinImagen; }));
  }
  std::string Progreso() { return s.juego->LeerIni(kSeccionIni, "AMAITUTAKOA", "0"); }
  void FijarProgreso(const std::string& v) { s.juego->EscribirIni(kSeccionIni, "AMAITUTAKOA", v); }
};

TEST_F(FinNivel, shutterSlidesOverTheEmptyRowsOneStepAtATime) {
  // Rows 0..4 empty, a block in row 5: five steps of 0.05 s, 5 points each
  // and 100 for the level; the falling piece's pictures go, the board stays.
  // Events run while the shutter is on its way, and once more at the end.
  Empezar(1);
  s.Dibujar(5, {"....#......"});
  s.e().Puntos = 1000;
  s.juego->pantalla().colorMarco = kColorRojo;
  const std::string tablero = s.Filas(0, 23);
  const uint32_t gen = s.juego->Generacion();
  std::vector<std::tuple<int, bool, int32_t>> pasos;
  s.plataforma.alEsperar = [&] {
    pasos.emplace_back(s.p().filasPersiana, s.e().BajandoPersiana, s.e().Puntos);
    EXPECT_TRUE(s.p().persianaVisible);
    EXPECT_EQ(s.p().textoPersiana, "");
  };
  std::vector<bool> bajandoAlProcesar;
  s.plataforma.alProcesarEventos = [&] { bajandoAlProcesar.push_back(s.e().BajandoPersiana); };

  s.juego->NivelCompletado();

  ASSERT_EQ(pasos.size(), 5u);
  for (int k = 0; k < 5; ++k) EXPECT_EQ(pasos[k], std::make_tuple(k + 1, true, 1000 + 5 * k)) << k;
  EXPECT_NEAR(s.plataforma.esperado, 0.25, 1e-9);
  ASSERT_GE(bajandoAlProcesar.size(), 2u);
  EXPECT_TRUE(bajandoAlProcesar.front());
  EXPECT_FALSE(bajandoAlProcesar.back());

  const Estado& e = s.e();
  const Pantalla& p = s.p();
  EXPECT_EQ(e.Puntos, 1000 + 5 * 5 + 100);
  EXPECT_EQ(std::make_tuple(p.filasPersiana, p.persianaVisible, p.textoPersiana), std::make_tuple(5, true, std::string(kCaptionPersiana)));
  EXPECT_EQ(p.colorMarco, kColorGris);
  EXPECT_EQ(s.Filas(0, 23), tablero);
  EXPECT_EQ(ImagenesVisibles(), 1);  // only the block of row 5
  EXPECT_EQ(std::make_tuple(e.Jugando, e.FichaActiva, e.NivelTerminado, e.BajandoPersiana),
            std::make_tuple(false, false, true, false));
  EXPECT_NE(s.juego->Generacion(), gen);
  EXPECT_EQ(std::make_tuple(e.timGota.Enabled, e.timBloqueExtra.Enabled, e.timJuego.Enabled), std::make_tuple(false, false, true));
  EXPECT_EQ(Veces(s.plataforma.sonidos, int{sonido::kNivelCompletado}), 1);
  EXPECT_TRUE(s.plataforma.cajas.empty());
}

TEST_F(FinNivel, shutterLeadsOnOnlyOnceItAsksForEnterEvenWithNoRowToCover) {
  // During play the shutter has no caption: a click or ENTER starts nothing.
  // A block in row 0 leaves no row to cover, yet the caption shows and ENTER
  // starts the next position; a second click does not skip one more.
  Empezar(1);
  const int16_t ficha = s.e().Ficha;
  s.juego->ClicPersiana();
  s.juego->TeclaPersiana(tecla::kIntro);
  EXPECT_EQ(s.e().NivelActual, 1);
  EXPECT_EQ(s.e().Ficha, ficha);

  s.Dibujar(0, {"#.........."});
  s.e().Puntos = 0;
  s.juego->NivelCompletado();
  EXPECT_EQ(s.e().Puntos, 100);
  EXPECT_EQ(std::make_tuple(s.p().filasPersiana, s.p().persianaVisible, s.p().textoPersiana), std::make_tuple(0, true, std::string(kCaptionPersiana)));
  EXPECT_DOUBLE_EQ(s.plataforma.esperado, 0.0);

  s.juego->TeclaPersiana(tecla::kIntro);
  s.juego->ClicPersiana();
  EXPECT_EQ(s.e().NivelActual, 2);
  EXPECT_TRUE(s.e().Jugando);
  EXPECT_EQ(s.p().lblTipoJuego.texto, "002: CLASIC");
  EXPECT_FALSE(s.p().persianaVisible);
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

  s.juego->NivelCompletado();
  EXPECT_FALSE(s.e().Pausado);
  EXPECT_TRUE(s.e().timJuego.Enabled);
  EXPECT_FALSE(s.p().lblPausa.visible);

  s.juego->ClicPersiana();
  EXPECT_EQ(s.e().NivelActual, 5);
  EXPECT_TRUE(s.e().timJuego.Enabled);
  EXPECT_FALSE(s.e().Pausado);
}

TEST_F(FinNivel, gameOverStopsEverythingBeforeTheMessageShowsAndComesOnce) {
  // A block right under the first piece of GOTEA 01: the next tick lands it
  // at the spawn cell. By the time "GAME OVER" is on screen no timer runs and
  // no flag is up; afterwards the screen is cleared while the board keeps
  // its values, and the level window opens. Later ticks do nothing more.
  Empezar(4);
  s.Dibujar(3, {"....#......"});
  Estado& e = s.e();
  s.juego->pantalla().colorMarco = kColorRojo;
  s.plataforma.alMensaje = [&](const std::string&) {
    EXPECT_EQ(std::make_tuple(e.timJuego.Enabled, e.timGota.Enabled, e.timBloqueExtra.Enabled, e.Jugando,
                              e.EnTurno, e.Pausado, e.Fijando, e.FichaActiva),
              std::make_tuple(false, false, false, false, false, false, false, false));
    EXPECT_EQ(s.p().colorMarco, kColorGris);
  };
  const uint32_t gen = s.juego->Generacion();

  s.juego->TickJuego();
  s.juego->TickJuego();
  s.juego->TickJuego();

  ASSERT_EQ(s.plataforma.cajas.size(), 1u);
  EXPECT_EQ(s.plataforma.cajas[0].texto, "GAME OVER");
  EXPECT_EQ(s.plataforma.cajas[0].icono, Icono::Informacion);
  EXPECT_EQ(Veces(s.plataforma.sonidos, int{sonido::kFinPartida}), 1);
  EXPECT_EQ(s.plataforma.selectoresMostrados, 1);
  EXPECT_NE(s.juego->Generacion(), gen);
  const Pantalla& p = s.p();
  EXPECT_EQ(ImagenesVisibles(), 0);
  EXPECT_TRUE(std::all_of(p.imgNext.begin(), p.imgNext.end(), [](int8_t v) { return v == 0; }));
  EXPECT_EQ(p.imgObjetivo, (std::array<int8_t, 2>{kSinImagen, kSinImagen}));
  EXPECT_EQ(std::make_tuple(p.lblTipoJuego.visible, p.lblObjetivo.visible, p.lblTiempo.visible, p.marcoCuadrado),
            std::make_tuple(false, false, false, false));
  EXPECT_TRUE(p.marcoVisible);
  EXPECT_EQ(std::make_tuple(e.tablero[219], e.tablero[232], e.NivelActual), std::make_tuple(int16_t{kGotaAzul}, int16_t{kMuro}, int16_t{0}));
}

TEST_F(FinNivel, finishingTheLastPositionCongratulatesAndOpensNothing) {
  // Position 296 completed, then ENTER: the congratulation, the screen
  // cleared, no level window, and the position stays past the end.
  Empezar(296);
  s.juego->NivelCompletado();
  s.juego->ClicPersiana();
  ASSERT_EQ(s.plataforma.cajas.size(), 1u);
  EXPECT_EQ(s.plataforma.cajas[0].texto, kFelicidades);
  EXPECT_EQ(Veces(s.plataforma.sonidos, int{sonido::kFinPartida}), 0);
  EXPECT_EQ(s.plataforma.selectoresMostrados, 0);
  EXPECT_EQ(s.e().NivelActual, 297);
  EXPECT_EQ(std::make_tuple(s.e().Jugando, s.e().timJuego.Enabled, s.p().persianaVisible, s.p().lblTipoJuego.visible),
            std::make_tuple(false, false, false, false));
  EXPECT_EQ(ImagenesVisibles(), 0);
}

TEST_F(FinNivel, everyCompletedLevelEarnsAMinuteAndRaisesStoredProgressButNeverLowersIt) {
  // Completing position 40 leaves "57" alone; a level chosen beyond the
  // open ones records nothing; an open one raises "12" to its position. The
  // minute is earned and stored each time.
  FijarProgreso("57");
  s.e().MinutosExtra = 3;
  Empezar(40);
  s.juego->NivelCompletado();
  EXPECT_EQ(Progreso(), "57");
  EXPECT_EQ(s.e().MinutosExtra, 4);
  EXPECT_EQ(s.juego->LeerIni(kSeccionIni, "LAGUNTZA", "0"), "4");
  EXPECT_EQ(s.p().menuMinutos, "Minutos extra: 4");

  FijarProgreso("12");
  s.juego->ClicPersiana();  // position 41
  s.e().NoGuardarProgreso = true;
  s.juego->NivelCompletado();
  EXPECT_EQ(Progreso(), "12");
  EXPECT_EQ(s.e().MinutosExtra, 5);

  s.juego->ClicPersiana();  // position 42
  s.e().NoGuardarProgreso = false;
  s.juego->NivelCompletado();
  EXPECT_EQ(Progreso(), "42");
  EXPECT_EQ(s.juego->LeerIni(kSeccionIni, "LAGUNTZA", "0"), "6");
}

TEST_F(FinNivel, newGameAndResetWaitWhileTheShutterSlides) {
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

}  // namespace
}  // namespace tumbla
