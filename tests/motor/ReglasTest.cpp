// Rules that a replay script cannot set up, and the faults they once had:
// scenes drawn as boards, played through the game's own entry points.
#include <gtest/gtest.h>

#include <algorithm>

#include "Archivos.h"
#include "Escena.h"
#include "jugador/Conductor.h"
#include "progress/SelectorNiveles.h"

namespace tumbla {
namespace {

void Tick(Escena& s) { s.juego->Disparar(Temporizador::Juego); }
void Gota(Escena& s) { s.juego->Disparar(Temporizador::Gota); }
int Veces(const std::vector<int>& v, int x) { return static_cast<int>(std::count(v.begin(), v.end(), x)); }

TEST(Reglas, unaEntradaBloqueadaNoDejaFichaYElTickSiguientePierde) {
  // A piece that cannot enter is neither drawn nor movable; the next tick
  // ends the game, with no landing sound for a piece that never fell.
  Escena s;
  s.Tablero(2, {"##########.", "##########."}).Ficha(63, 20 * kAncho + 11).Siguiente(77);
  s.TicksHastaAterrizar();
  EXPECT_FALSE(s.v().HayFicha());
  s.juego->Tecla(tecla::kIzquierda);
  s.juego->Tecla(tecla::kEspacio);
  EXPECT_EQ(s.p().imgTablero[kCeldaEntrada], kMuro);  // the block row, not a piece
  s.plataforma.sonidos.clear();
  Tick(s);
  EXPECT_FALSE(s.v().Jugando());
  ASSERT_FALSE(s.plataforma.cajas.empty());
  EXPECT_EQ(s.plataforma.cajas.front().texto, "GAME OVER");
  EXPECT_EQ(Veces(s.plataforma.sonidos, sonido::kAterrizaje), 0);
}

TEST(Reglas, laGotaEsperaALaFichaYAlLlegarAlSueloSeLlevaLaQueCae) {
  // The blue drop does not enter a cell the falling piece covers; once it
  // reaches the floor the level is won and the piece in the air goes with it.
  Escena s(Modo::Goteator);
  s.Tablero(20, {"....b......", "...........", "...........", "..........."}).Gota(20 * kAncho + 5);
  s.Ficha(78, 22 * kAncho + 5);  // the T covers the cell below the drop
  Gota(s);
  EXPECT_EQ(s.v().CeldaGota(), 20 * kAncho + 5);
  s.Ficha(78, kCeldaEntrada);
  for (int n = 0; n < 3; ++n) Gota(s);
  EXPECT_TRUE(s.v().NivelTerminado());
  EXPECT_FALSE(s.v().HayFicha());
  EXPECT_EQ(s.p().lblObjetivo.texto, "x0");
  EXPECT_EQ(s.p().imgTablero[kCeldaEntrada], kSinImagen);
}

TEST(Reglas, completarDuranteUnaPausaTerminaLaPausa) {
  // The drop keeps falling during a pause; the level it completes ends the
  // pause, or the play timer would stay off for good.
  Escena s(Modo::Goteator);
  s.Tablero(22, {"....b......", "..........."}).Gota(22 * kAncho + 5);
  s.juego->Tecla(tecla::kF3);
  Tick(s);
  ASSERT_TRUE(s.v().Pausado());
  Gota(s);
  EXPECT_TRUE(s.v().NivelTerminado());
  EXPECT_FALSE(s.v().Pausado());
  EXPECT_TRUE(s.v().Temporizador(0).activo);
  EXPECT_FALSE(s.p().lblPausa.visible);
}

TEST(Reglas, losBloquesExtraNiCompletanFilaNiCaenBajoLaFicha) {
  // Column 1 would complete row 23 and the piece covers columns 4..7: the
  // draw picks among the other six. With no column left nothing is drawn,
  // placed or heard.
  Escena s("CLASI,07");
  s.Tablero(22, {"...........", ".1111111111"}).Ficha(64, 22 * kAncho + 6);
  s.plataforma.aleatorios = {2};
  s.juego->Disparar(Temporizador::BloqueExtra);
  EXPECT_EQ(s.Filas(22, 22), ".......#...\n");
  EXPECT_EQ(Veces(s.plataforma.sonidos, sonido::kTorpedoOBloque), 1);

  s.Tablero(0, {"##########."}).Dibujar(23, {"##########."});
  s.plataforma.sorteos.clear();
  s.plataforma.sonidos.clear();
  s.juego->Disparar(Temporizador::BloqueExtra);
  EXPECT_TRUE(s.plataforma.sorteos.empty());
  EXPECT_EQ(Veces(s.plataforma.sonidos, sonido::kTorpedoOBloque), 0);
}

TEST(Reglas, laFlorRojaQueSubePorUnaColumnaLlenaLlegaArribaYPierde) {
  // Shut in on three sides, a red flower climbs through every block above
  // it; a column filled to the top takes it into the top row: game over.
  Escena s(Modo::Podator);
  s.Tablero(0, {".....#.....", ".....#.....", ".....#.....", ".....#.....", ".....#.....", ".....#.....",
                ".....#.....", ".....#.....", ".....#.....", ".....#.....", ".....#.....", ".....#.....",
                ".....#.....", ".....#.....", ".....#.....", ".....#.....", ".....#.....", ".....#.....",
                ".....#.....", ".....#.....", ".....#.....", ".....#.....", "....#R#....", ".....m....."});
  s.Planta({23 * kAncho + 6, 22 * kAncho + 6}).Ficha(77, 23 * kAncho + 2);
  Tick(s);
  EXPECT_FALSE(s.v().Jugando());
  EXPECT_EQ(s.v().CeldaGota(), 6);
  EXPECT_EQ(s.v().Celda(6), kFlorBlanca);
  EXPECT_EQ(s.v().Celda(kAncho + 6), kTalloVertical);
}

TEST(Reglas, laPartidaPerdidaLoParaTodoAntesDelMensaje) {
  // Out of time with the extra minute refused: under the GAME OVER box every
  // timer is off and the falling piece still shows; then the screen clears
  // and the level window opens; left with Escape, no level is current.
  Escena s(Modo::Goteator);
  const Pieza ficha = s.v().FichaEnJuego();
  bool comprobado = false;
  s.plataforma.alMensaje = [&](const std::string& texto) {
    if (texto != "GAME OVER") return;
    comprobado = true;
    for (int t = 0; t < 3; ++t) EXPECT_FALSE(s.v().Temporizador(t).activo);
    EXPECT_EQ(s.p().imgTablero[static_cast<size_t>(ficha.Celda(0))], ficha.Color());
  };
  s.plataforma.ahora += 200;
  Tick(s);
  ASSERT_TRUE(comprobado);
  EXPECT_TRUE(s.plataforma.cajas.front().pregunta);  // the extra minute, refused
  EXPECT_EQ(s.plataforma.selectoresMostrados, 1);
  EXPECT_EQ(s.v().NivelActual(), 0);
  EXPECT_TRUE(s.p().lblInicio.visible);
  EXPECT_TRUE(std::all_of(s.p().imgTablero.begin(), s.p().imgTablero.end(), [](int8_t i) { return i == 0; }));
}

TEST(Reglas, laPersianaNoSeDejaInterrumpirYSoloSuLeyendaLlevaAlSiguiente) {
  // ENTER does nothing during play; while the shutter slides down over the
  // 21 empty rows "Nuevo" waits; once it asks for ENTER it leads on. With
  // the top row in use there is no row to cover, and it still asks.
  for (const bool filaArriba : {false, true}) {
    SCOPED_TRACE(filaArriba);
    Escena s(filaArriba ? Modo::Goteator : Modo::Clasico);
    if (filaArriba) {
      s.Tablero(0, {"1.........."}).Dibujar(22, {"....b......", "..........."}).Gota(22 * kAncho + 5);
    } else {
      s.Tablero(23, {"11111.11111"}).Lineas(1).Ficha(63, 22 * kAncho + 6);
    }
    int esperas = 0;
    s.plataforma.alEsperar = [&] {
      ++esperas;
      s.juego->MenuNuevo();
    };
    s.juego->Tecla(tecla::kIntro);
    EXPECT_TRUE(s.v().Jugando());
    s.juego->Disparar(filaArriba ? Temporizador::Gota : Temporizador::Juego);
    EXPECT_EQ(esperas, filaArriba ? 0 : 21);
    EXPECT_EQ(s.p().filasPersiana, esperas);
    EXPECT_EQ(s.plataforma.selectoresMostrados, 0);
    EXPECT_EQ(s.p().textoPersiana, "Pulsa <INTRO> para continuar.");
    const int siguiente = s.v().NivelActual() + 1;
    s.juego->Tecla(tecla::kIntro);
    EXPECT_EQ(s.v().NivelActual(), siguiente);
    EXPECT_TRUE(s.v().Jugando());
  }
}

TEST(Reglas, laIntroduccionDeUnGrupoDetieneElJuegoMientrasSeLee) {
  // The group's introduction box comes with every timer held; the level's
  // clock starts when it is closed.
  Escena s{Escena::SinArrancar{}};
  s.juego->Inicializar();
  s.plataforma.alMensaje = [&](const std::string&) {
    for (int t = 0; t < 3; ++t) EXPECT_FALSE(s.v().Temporizador(t).activo);
    s.plataforma.ahora += 30;
  };
  s.plataforma.alMostrarSelector = [&] { s.juego->selector().ElegirPosicion(4); };
  s.juego->MenuNuevo();
  EXPECT_EQ(s.plataforma.cajas.back().titulo, "GOTEATOR");
  EXPECT_TRUE(s.v().Temporizador(0).activo && s.v().Temporizador(1).activo);
  s.plataforma.ahora += 1;
  Tick(s);
  EXPECT_EQ(s.p().lblTiempo.texto, "2:29");
}

TEST(Reglas, unaDemostracionNoGuardaNadaYVuelveAlTableroDelArranque) {
  // The computer wins a level and loses one: no minute, no progress, no
  // record, no box; any way it ends, the screen is the start-up one.
  Escena s{Escena::SinArrancar{}};
  s.juego->Inicializar();
  const Pantalla arranque = s.p();
  const std::string ajustes = Contenido(s.carpeta / "tumbla.ini");
  for (const int posicion : {1, 4}) {
    s.plataforma.cajas.clear();
    s.plataforma.alMostrarSelector = [&] { s.juego->selector().ElegirPosicion(posicion); };
    s.juego->MenuDemostracion();
    ASSERT_TRUE(s.v().Demostrando());
    EXPECT_TRUE(s.p().lblDemo.visible);
    Conductor jugador(*s.juego, [&](int codigo) { s.juego->Tecla(codigo); }, false);
    for (int n = 0; n < 3000 && s.v().Jugando(); ++n) {
      int64_t siguiente;
      if (!jugador.Paso(0, siguiente)) Tick(s);
      if (posicion == 4) s.plataforma.ahora += 1;  // the clock runs out
    }
    EXPECT_EQ(s.v().NivelTerminado(), posicion == 1);
    s.juego->TerminarDemostracion();
    EXPECT_TRUE(s.plataforma.cajas.empty());
    EXPECT_EQ(s.p(), arranque);
    EXPECT_EQ(Contenido(s.carpeta / "tumbla.ini"), ajustes);
  }
}

TEST(Reglas, elRecordSoloSeGuardaCuandoSeSuperaYEnSuPropiaSeccion) {
  // A lower score leaves the stored best, a higher one replaces it; the
  // game's own section keeps its keys.
  Escena s{Escena::SinArrancar{}};
  const auto ruta = s.carpeta / "tumbla.ini";
  Guardar(ruta, "[OROKORRA]\r\nAZKENA=2026/12/06\r\nAMAITUTAKOA=5\r\n[ERREKORRAK]\r\n3=900\r\n");
  s.juego->Inicializar();
  s.plataforma.alMostrarSelector = [&] { s.juego->selector().ElegirPosicion(3); };
  s.juego->MenuNuevo();
  EXPECT_EQ(s.p().lblRecord.texto, "900");
  s.Tablero(23, {"11111.11111"}).Lineas(1).Ficha(63, 22 * kAncho + 6);
  Tick(s);
  EXPECT_EQ(s.p().lblPuntos.texto, "260");  // landing 5, a row 50, 21 shutter rows, 100
  EXPECT_EQ(s.p().lblRecord.texto, "900");
  s.juego->Tecla(tecla::kIntro);  // position 4, a drop that needs one step
  s.Tablero(22, {"....b......", "..........."}).Gota(22 * kAncho + 5);
  Gota(s);
  EXPECT_EQ(s.p().lblRecord.texto, "215");
  EXPECT_EQ(Contenido(ruta), "[OROKORRA]\r\nAZKENA=2026/12/06\r\nAMAITUTAKOA=5\r\nLAGUNTZA=2\r\nSOINUA=S\r\n"
                             "ZAILTASUNA=N\r\n[ERREKORRAK]\r\n3=900\r\n4=215\r\n");
}

TEST(Reglas, laPantallaEnseniaElTableroLaFichaYSuSombra) {
  // Board cells show their values and walls nothing; the falling piece
  // shows over them, and its landing shadow when the player wants it.
  Escena s;
  s.Tablero(22, {"...........", "#2........."}).Ficha(78, 10 * kAncho + 4);
  const Pantalla& p = s.p();
  EXPECT_EQ(p.imgTablero[23 * kAncho + 1], kMuro);
  EXPECT_EQ(p.imgTablero[23 * kAncho + 2], 2);
  EXPECT_EQ(p.imgTablero[23 * kAncho], kSinImagen);
  EXPECT_EQ(p.imgTablero[10 * kAncho + 4], 1);
  EXPECT_TRUE(p.sombra.none());
  s.juego->MenuSombra();
  EXPECT_TRUE(s.p().sombra.test(23 * kAncho + 4) && s.p().sombra.test(22 * kAncho + 4));
  EXPECT_EQ(s.p().sombra.count(), 4u);
}

}  // namespace
}  // namespace tumbla
