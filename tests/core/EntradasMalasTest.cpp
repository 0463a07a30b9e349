// Bad input, all of it, in one place: for each thing the game can meet that it
// did not ask for, the game keeps working and loses nothing already stored.
//
// Cases already shown elsewhere (not repeated here):
//  1. settings file written by other programs (CR LF, comments, other
//     sections, odd case)                  IniTest readsFilesWrittenByOtherPrograms
//  2. binary or truncated settings file    IniTest binaryOrTruncatedFilesAreSurvivedAndKept
//  3. over-long values, values with line breaks
//                                          IniTest longValuesComeBackCutTo255Characters,
//                                          aValueCannotBreakTheFileIntoNewLines
//  4. read-only settings folder            IniTest aReadOnlyFolderFailsSilentlyAndTheGameRunsOn
//  5. settings path nobody can write (under a regular file)
//                                          IniTest aPlaceNobodyCanWriteToFailsSilently
//  6. extra-minute count that is not a small number
//                                          MinutosExtraTest aStoredCountThatIsNotASmallNumberReadsAsZero
//  7. progress that is not a number, negative or too big
//                                          MinutosExtraTest progressReadsTheStoredValueLeniently
//  8. unknown piece set                    ArranqueTest storedSwitchesSetTheMenusAndUnknownPieceSetsLeaveNormal
//  9. help folder not writable             AyudaTest noBrowserIsReportedAndAnUnwritableFolderFallsBackToTheNextOne
// 10. no browser                           AyudaTest noBrowserIsReportedAndAnUnwritableFolderFallsBackToTheNextOne
// 11. keys during a tick, while paused, out of play
//                                          TecladoTest keysAreRefusedWhilePausedOutOfPlayOrDuringATick
// 12. menus while the shutter slides       FinNivelTest / ArranqueTest resetRefusesWhileALevelIsOnOrBehindTheShutter
// 13. the window closed in the middle of the shutter
//                                          ui VentanaTest cerrarLaVentanaAcabaLaEsperaDeLaPersiana
// 14. the level window closed by its close box
//                                          ui DialogosTest escapeYElCierreContinuanPorElJuego
// 15. timers firing under boxes and windows, at random, on every level
//                                          SoakTest (every third run nests timer events)
// 16. no sound device                      ui SonidosTest sinSonidoNadaSeCargaYConSonidoCadaEfectoUnaVezSinDispositivo
// 17. S and F3 held down (auto-repeat)     ui VentanaTest ordenesDelMenuPreguntanGuardanYSoloCambianLasPiezasSiguientes
// 18. the real program with an unwritable or corrupt settings file, and
//     with no sound device                 tests/e2e/ventana_real.sh
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "Archivos.h"
#include "Comprobaciones.h"
#include "Escena.h"
#include "Invariantes.h"
#include "progress/SelectorNiveles.h"

namespace tumbla {
namespace {

// Starts position p from the level window that F2 opens.
void Jugar(Escena& s, int p) {
  s.plataforma.alMostrarSelector = [&s, p] { s.juego->selector().ElegirPosicion(p); };
  s.juego->MenuNuevo();
  s.plataforma.alMostrarSelector = nullptr;
}

TEST(EntradasMalas, everySettingCorruptAtOnceStartsAndPlaysAndKeepsForeignLines) {
  Escena s;
  const auto ini = s.carpeta / "tumbla.ini";
  Guardar(ini,
          "[OROKORRA]\r\n"
          "AMAITUTAKOA=-12\r\n"
          "LAGUNTZA=muchos\r\n"
          "AZKENA=ayer\r\n"
          "SOINUA=quiza\r\n"
          "ZAILTASUNA=Q\r\n"
          "\x01\x02\xff basura sin igual\r\n"
          "[OTRA]\r\n"
          "clave=valor\r\n");
  s.juego->Inicializar();
  // Nothing understood: no minutes (then today's), no progress, sound off
  // (only "S" is on), Normal pieces.
  EXPECT_EQ(s.e().MinutosExtra, 1);
  EXPECT_FALSE(s.p().menuSonido);
  EXPECT_TRUE(s.p().menuNormal);

  Invariantes inv;
  Jugar(s, 1);
  ASSERT_TRUE(s.e().Jugando);
  EXPECT_EQ(s.e().NivelActual, 1);
  EXPECT_EQ(s.juego->selector().Superados(), 0);  // -12 reads as nothing done
  for (int n = 0; n < 30; ++n) {
    s.juego->TickJuego();
    ASSERT_EQ(inv.Comprobar(*s.juego, false), "");
  }
  // The lines the game does not know are still there; what it wrote is valid.
  const std::string texto = Contenido(ini);
  EXPECT_NE(texto.find("[OTRA]\r\nclave=valor"), std::string::npos);
  EXPECT_NE(texto.find("basura sin igual"), std::string::npos);
  EXPECT_NE(texto.find("LAGUNTZA=1\r\n"), std::string::npos);
  EXPECT_NE(texto.find("AZKENA=2026/12/06\r\n"), std::string::npos);
}

// The timer events a real host delivers: enabled ones with an interval.
void Temporizadores(Juego& j) {
  const Estado& e = j.estado();
  if (e.timJuego.Enabled && e.timJuego.Interval > 0) j.TickJuego();
  if (e.timGota.Enabled && e.timGota.Interval > 0) j.TickGota();
  if (e.timBloqueExtra.Enabled && e.timBloqueExtra.Interval > 0) j.TickBloqueExtra();
}

TEST(EntradasMalas, timersUnderTheLevelWindowAndBoxesChangeNothing) {
  // A real window keeps its timers running while a modal box or the level
  // window is open (keys go to the box: see tests/ui). Drop levels have all
  // three timers; the first drop level is position 4.
  Escena s;
  s.juego->Inicializar();
  Invariantes inv;
  Jugar(s, 4);
  ASSERT_TRUE(s.e().ModoGoteator);
  for (int n = 0; n < 3; ++n) s.juego->TickJuego();
  const int32_t puntos = s.e().Puntos;

  // F2 during play leaves "nuevo" for the next tick, which opens the window.
  std::string tablero;
  int16_t posicion = 0;
  const int antes = s.plataforma.selectoresMostrados;
  s.plataforma.alMostrarSelector = [&] {
    tablero = s.Filas(0, 23);
    posicion = s.e().Posicion;
    for (int n = 0; n < 50; ++n) Temporizadores(*s.juego);
    s.juego->MenuNuevo();  // F2 again: the window does not open inside itself
    EXPECT_EQ(s.plataforma.selectoresMostrados, antes + 1);
    EXPECT_EQ(s.e().Posicion, posicion);
    s.juego->selector().Continuar();  // Escape
  };
  s.juego->MenuNuevo();
  s.juego->TickJuego();
  s.plataforma.alMostrarSelector = nullptr;
  EXPECT_EQ(s.plataforma.selectoresMostrados, antes + 1);
  EXPECT_TRUE(s.e().Jugando);
  EXPECT_GE(s.e().Puntos, puntos);
  EXPECT_EQ(inv.Comprobar(*s.juego, false), "");
  // And play goes on.
  const int16_t antesPos = s.e().Posicion;
  s.juego->TickJuego();
  EXPECT_EQ(s.e().Posicion, antesPos + kAncho);

  // Under the question of the extra minute and under GAME OVER.
  s.plataforma.alMensaje = [&](const std::string&) {
    for (int n = 0; n < 20; ++n) Temporizadores(*s.juego);
  };
  s.plataforma.respuestas = {false};
  const int mostrados = s.plataforma.selectoresMostrados;
  s.plataforma.ahora += 1000;  // the clock runs out
  s.juego->TickJuego();
  s.plataforma.alMensaje = nullptr;
  EXPECT_EQ(s.plataforma.selectoresMostrados, mostrados + 1);
  EXPECT_FALSE(s.e().Jugando);
  EXPECT_EQ(s.e().MinutosExtra, 1);  // not spent
  EXPECT_EQ(inv.Comprobar(*s.juego, true), "");
  Jugar(s, 2);
  EXPECT_TRUE(s.e().Jugando);
  EXPECT_EQ(s.e().NivelActual, 2);
}

TEST(EntradasMalas, keysHeldDownRepeatWithoutHarm) {
  // The window lets arrows, turns and Space repeat (S and F3 do not, see
  // tests/ui); held down, they act as that many presses and nothing more.
  Escena s;
  s.TableroVacio();
  s.Entrar(63);  // the four-block bar, upright
  Invariantes inv;
  for (int n = 0; n < 41; ++n) s.juego->TeclaPrincipal(tecla::kArriba);  // odd: lying
  EXPECT_EQ(s.e().Ficha, 64);
  for (int n = 0; n < 40; ++n) s.juego->TeclaPrincipal(tecla::kIzquierda);
  EXPECT_EQ(Columna(s.e().Posicion), 3);  // its left end in column 1
  for (int n = 0; n < 60; ++n) s.juego->TeclaPrincipal(tecla::kAbajo);
  EXPECT_EQ(Fila(s.e().Posicion), 23);
  EXPECT_EQ(inv.Comprobar(*s.juego, false), "");
  // Space held: one hard drop, one landing, one piece's points.
  for (int n = 0; n < 30; ++n) s.juego->TeclaPrincipal(tecla::kEspacio);
  const int32_t puntos = s.e().Puntos;
  s.juego->TickJuego();
  EXPECT_EQ(s.e().Puntos, puntos + 5);
  const char color = Escena::Simbolo(s.juego->catalogo().Color(64));
  EXPECT_EQ(s.Filas(23, 23), std::string(4, color) + ".......\n");
  EXPECT_EQ(inv.Comprobar(*s.juego, false), "");
  // The board-turn keys held on a classic level do nothing at all.
  const std::string tablero = s.Filas(0, 23);
  for (int n = 0; n < 25; ++n) {
    s.juego->TeclaPrincipal(tecla::k3);
    s.juego->TeclaPrincipal(tecla::k4);
  }
  EXPECT_EQ(s.Filas(0, 23), tablero);
  EXPECT_TRUE(s.plataforma.sonidos.empty() ||
              std::count(s.plataforma.sonidos.begin(), s.plataforma.sonidos.end(), sonido::kGiroTablero) == 0);
}

}  // namespace
}  // namespace tumbla
