// The engine's flow through its entry points: keys, timers, the requests it
// makes of the player and what it does with the answers, the ends of a level,
// the demo, and what the screen shows. Scenes are boards drawn as text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

#include "Archivos.h"
#include "Escena.h"
#include "game/Sonidos.h"
#include "autoplay/Conductor.h"
#include "motor/CodigosTecla.h"

namespace tumbla {
namespace {

int Veces(const std::vector<int>& v, int x) { return static_cast<int>(std::count(v.begin(), v.end(), x)); }
Eleccion Posicion(int p) {
  return Eleccion{.tipo = Eleccion::Jugar, .posicion = p};
}

TEST(Juego, unaEntradaBloqueadaNoDejaFichaYElTickSiguientePierde) {
  // A piece that cannot enter is neither drawn nor movable; the next tick
  // ends the game, with no landing sound for a piece that never fell.
  Escena s;
  s.Tablero(2, {"##########.", "##########."}).Ficha(63, 20 * kAncho + 11).Siguiente(77);
  s.TicksHastaAterrizar();
  EXPECT_FALSE(s.v().HayFicha());
  s.Tecla(tecla::kIzquierda);
  s.Tecla(tecla::kEspacio);
  EXPECT_EQ(s.p().imgTablero[kCeldaEntrada], kMuro);  // the block row, not a piece
  s.plataforma.sonidos.clear();
  s.Tick();
  EXPECT_FALSE(s.v().Jugando());
  EXPECT_EQ(s.v().derrota(), Derrota::Entrada);
  ASSERT_FALSE(s.plataforma.cajas.empty());
  EXPECT_EQ(s.plataforma.cajas.front().texto, "GAME OVER");
  EXPECT_EQ(Veces(s.plataforma.sonidos, sonido::kAterrizaje), 0);
}

TEST(Juego, completarDuranteUnaPausaTerminaLaPausaYSeLlevaLaFicha) {
  // The drop keeps falling during a pause; the level it completes ends the
  // pause (or the play timer would stay off for good), and the piece in the
  // air goes with the level.
  Escena s(Modo::Goteator);
  s.Tablero(22, {"....b......", "..........."}).Gota(22 * kAncho + 5);
  s.Tecla(tecla::kF3);
  s.Tick();
  ASSERT_TRUE(s.v().Pausado());
  s.Tick(Temporizador::Gota);
  EXPECT_TRUE(s.v().NivelTerminado());
  EXPECT_TRUE(s.v().Temporizador(Temporizador::Juego).activo);
  EXPECT_FALSE(s.p().lblPausa.visible);
  EXPECT_EQ(s.p().lblObjetivo.texto, "x0");
  EXPECT_EQ(s.p().imgTablero[kCeldaEntrada], kSinImagen);
}

TEST(Juego, mientrasEsperaUnaRespuestaElTickAguardaYUnNivelGanadoLaRetira) {
  // Time runs out with minutes in stock: the tick asks and waits. Meanwhile
  // play ticks and keys do nothing, while the drop keeps falling; when it
  // wins the level the question is withdrawn and the shutter comes down.
  Escena s(Modo::Goteator);
  s.Tablero(21, {"....b......", "...........", "..........."}).Gota(21 * kAncho + 5);
  s.plataforma.ahora += 200;
  s.juego->Disparar(Temporizador::Juego);
  ASSERT_EQ(s.v().peticion().tipo, TipoPeticion::Pregunta);
  const Pieza ficha = s.v().FichaEnJuego();
  s.juego->Disparar(Temporizador::Juego);
  s.juego->Tecla(tecla::kIzquierda);
  EXPECT_EQ(s.v().FichaEnJuego(), ficha);
  s.juego->Disparar(Temporizador::Gota);
  EXPECT_EQ(s.v().peticion().tipo, TipoPeticion::Pregunta);
  s.juego->Disparar(Temporizador::Gota);
  EXPECT_EQ(s.plataforma.retiradas, 1);
  EXPECT_EQ(s.v().peticion().tipo, TipoPeticion::Persiana);
  s.Atender();
  EXPECT_EQ(s.p().textoPersiana, "Pulsa <INTRO> para continuar.");
  EXPECT_EQ(s.v().MinutosExtra(), 2);  // the day's, and one earned; none spent
}

TEST(Juego, laPartidaPerdidaLoParaTodoAntesDelMensaje) {
  // Out of time with the extra minute refused: under the GAME OVER box every
  // timer is off and the falling piece still shows; then the screen clears
  // and the level window opens; left with Escape, no level is current.
  Escena s(Modo::Goteator);
  const Pieza ficha = s.v().FichaEnJuego();
  bool comprobado = false;
  s.plataforma.alMensaje = [&](const std::string& texto) {
    if (texto != "GAME OVER") return;
    comprobado = true;
    for (Temporizador t : {Temporizador::Juego, Temporizador::Gota, Temporizador::BloqueExtra}) {
      EXPECT_FALSE(s.v().Temporizador(t).activo);
    }
    EXPECT_EQ(s.p().imgTablero[static_cast<size_t>(ficha.Celda(0))], ficha.Color());
  };
  s.plataforma.ahora += 200;
  s.Tick();
  ASSERT_TRUE(comprobado);
  EXPECT_TRUE(s.plataforma.cajas.front().pregunta);  // the extra minute, refused
  EXPECT_EQ(s.plataforma.selectoresMostrados, 1);
  EXPECT_EQ(s.v().NivelActual(), 0);
  EXPECT_EQ(s.v().derrota(), Derrota::Tiempo);  // it stays known once the screen is cleared
  EXPECT_TRUE(s.p().lblInicio.visible);
  EXPECT_TRUE(std::all_of(s.p().imgTablero.begin(), s.p().imgTablero.end(), [](int8_t i) { return i == 0; }));
}

TEST(Juego, laPersianaBajaPasoAPasoSinDejarseInterrumpirYSoloSuLeyendaLlevaAlSiguiente) {
  // ENTER does nothing during play; the shutter comes down over the 21 empty
  // rows one step at a time while "Nuevo" and keys wait; once it asks for
  // ENTER it leads on. With the top row in use there is no row to cover, and
  // it still asks.
  for (const bool filaArriba : {false, true}) {
    SCOPED_TRACE(filaArriba);
    Escena s(filaArriba ? Modo::Goteator : Modo::Clasico);
    if (filaArriba) {
      s.Tablero(0, {"1.........."}).Dibujar(22, {"....b......", "..........."}).Gota(22 * kAncho + 5);
    } else {
      s.Tablero(23, {"11111.11111"}).Lineas(1).Ficha(63, 22 * kAncho + 6);
    }
    s.Tecla(tecla::kIntro);
    EXPECT_TRUE(s.v().Jugando());
    s.juego->Disparar(filaArriba ? Temporizador::Gota : Temporizador::Juego);
    int pasos = 0;
    for (; s.v().peticion().tipo == TipoPeticion::Persiana; ++pasos) {
      EXPECT_EQ(s.p().filasPersiana, pasos + 1);
      s.juego->Ejecutar(Comando::Nuevo);
      s.juego->Tecla(tecla::kIntro);
      s.juego->Responder(true);
    }
    EXPECT_EQ(pasos, filaArriba ? 0 : 21);
    EXPECT_EQ(s.plataforma.selectoresMostrados, 0);
    EXPECT_EQ(s.p().textoPersiana, "Pulsa <INTRO> para continuar.");
    const int siguiente = s.v().NivelActual() + 1;
    s.Tecla(tecla::kIntro);
    EXPECT_EQ(s.v().NivelActual(), siguiente);
    EXPECT_TRUE(s.v().Jugando());
  }
}

TEST(Juego, laIntroduccionDeUnGrupoDetieneElJuegoMientrasSeLee) {
  // The group's introduction box comes with every timer held; the level's
  // clock starts when it is closed.
  Escena s{Escena::SinArrancar{}};
  s.juego->Inicializar();
  s.Atender();
  s.plataforma.alMensaje = [&](const std::string&) {
    for (Temporizador t : {Temporizador::Juego, Temporizador::Gota, Temporizador::BloqueExtra}) {
      EXPECT_FALSE(s.v().Temporizador(t).activo);
    }
    s.plataforma.ahora += 30;
  };
  s.plataforma.alMostrarSelector = [](SelectorNiveles&) { return Posicion(4); };
  s.Orden(Comando::Nuevo);
  EXPECT_EQ(s.plataforma.cajas.back().titulo, "GOTEATOR");
  EXPECT_TRUE(s.v().Temporizador(Temporizador::Juego).activo && s.v().Temporizador(Temporizador::Gota).activo);
  s.plataforma.ahora += 1;
  s.Tick();
  EXPECT_EQ(s.p().lblTiempo.texto, "2:29");
}

TEST(Juego, unaDemostracionNoGuardaNadaYCualquierCosaDeUnaPersonaLaTermina) {
  // The computer wins a level and loses one: no minute, no progress, no
  // record, no box. The computer's keys play; a person's key or click ends
  // the demo and does nothing else, a person's command ends it and then
  // runs; any way it ends, the screen is the start-up one.
  Escena s{Escena::SinArrancar{}};
  s.juego->Inicializar();
  s.Atender();
  const Pantalla arranque = s.p();
  const std::string ajustes = Contenido(s.carpeta / "tumbla.ini");
  for (const int posicion : {1, 4}) {
    s.plataforma.cajas.clear();
    s.plataforma.alMostrarSelector = [posicion](SelectorNiveles&) { return Posicion(posicion); };
    s.Orden(Comando::Demostracion);
    ASSERT_TRUE(s.v().EnDemostracion());
    EXPECT_TRUE(s.p().lblDemo.visible);
    Conductor jugador(*s.juego, [&](Comando c) { s.juego->Ejecutar(c, Quien::Maquina); }, false);
    for (int n = 0; n < 3000 && s.v().Jugando(); ++n) {
      int64_t siguiente;
      if (!jugador.Paso(0, siguiente)) s.Tick();
      if (posicion == 4) s.plataforma.ahora += 1;  // the clock runs out
    }
    EXPECT_EQ(s.v().NivelTerminado(), posicion == 1);
    s.Tecla(tecla::kIntro);  // a person's key: the demo ends, no next level
    EXPECT_TRUE(s.plataforma.cajas.empty());
    EXPECT_EQ(s.p(), arranque);
    EXPECT_EQ(Contenido(s.carpeta / "tumbla.ini"), ajustes);
  }
  s.Orden(Comando::Demostracion);
  s.juego->Ejecutar(Comando::Sombra);
  EXPECT_FALSE(s.v().EnDemostracion());
  EXPECT_TRUE(s.v().ajustes().Sombra());
}

TEST(Juego, elRecordSoloSeGuardaCuandoSeSuperaYEnSuPropiaSeccion) {
  // A lower score leaves the stored best, a higher one replaces it; the
  // game's own section keeps its keys. A record beyond what a score holds
  // reads as the most it holds.
  Escena s{Escena::SinArrancar{}};
  const auto ruta = s.carpeta / "tumbla.ini";
  Guardar(ruta, "[OROKORRA]\r\nAZKENA=2026/12/06\r\nAMAITUTAKOA=5\r\n[ERREKORRAK]\r\n3=900\r\n"
                "5=999999999999999999999999\r\n");
  s.juego->Inicializar();
  s.plataforma.alMostrarSelector = [](SelectorNiveles&) { return Posicion(3); };
  s.Orden(Comando::Nuevo);
  EXPECT_EQ(s.p().lblRecord.texto, "900");
  s.Tablero(23, {"11111.11111"}).Lineas(1).Ficha(63, 22 * kAncho + 6);
  s.Tick();
  EXPECT_EQ(s.p().lblPuntos.texto, "260");  // landing 5, a row 50, 21 shutter rows, 100
  EXPECT_EQ(s.p().lblRecord.texto, "900");
  s.Tecla(tecla::kIntro);  // position 4, a drop that needs one step
  s.Tablero(22, {"....b......", "..........."}).Gota(22 * kAncho + 5);
  s.Tick(Temporizador::Gota);
  EXPECT_EQ(s.p().lblRecord.texto, "215");
  s.Tecla(tecla::kIntro);
  EXPECT_EQ(s.p().lblRecord.texto, "999999999");
  EXPECT_EQ(Contenido(ruta), "[OROKORRA]\r\nAZKENA=2026/12/06\r\nAMAITUTAKOA=5\r\nLAGUNTZA=2\r\nSOINUA=S\r\n"
                             "ZAILTASUNA=N\r\n[ERREKORRAK]\r\n3=900\r\n5=999999999999999999999999\r\n4=215\r\n");
}

TEST(Juego, laAyudaSeAbreYSiNoSePuedeUnaCajaLoDice) {
  // The help opens the very file written beside the settings; with no
  // browser a box says where it is, with no folder that it was not written.
  Escena s;
  s.Orden(Comando::Ayuda);
  ASSERT_EQ(s.plataforma.abiertos.size(), 1u);
  EXPECT_EQ(Contenido(s.plataforma.abiertos[0]), Contenido(s.carpeta / "Instrucciones.htm"));
  EXPECT_TRUE(s.plataforma.cajas.empty());
  s.plataforma.abrirDevuelve = false;
  s.Orden(Comando::Ayuda);
  ASSERT_EQ(s.plataforma.cajas.size(), 1u);
  EXPECT_EQ(s.plataforma.cajas[0].icono, Icono::Exclamacion);
  EXPECT_EQ(s.plataforma.cajas[0].texto, "No se ha podido abrir la ayuda: " + s.plataforma.abiertos.at(1));
  s.juego->PonerCarpetasAyuda({(s.carpeta / "no-existe").string()});
  s.Orden(Comando::Ayuda);
  EXPECT_EQ(s.plataforma.cajas.at(1).texto, "No se ha podido escribir la ayuda: Instrucciones.htm");
}

TEST(Juego, laPantallaEnseniaElTableroLaFichaYSuSombra) {
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
  s.Orden(Comando::Sombra);
  EXPECT_TRUE(s.p().sombra.test(23 * kAncho + 4) && s.p().sombra.test(22 * kAncho + 4));
  EXPECT_EQ(s.p().sombra.count(), 4u);
}

TEST(Teclado, cadaContextoDaSuOrdenYUnaTeclaSostenidaSoloRepiteLosMovimientos) {
  // The menus' shortcuts act on the window only; the shutter adds ENTER and
  // F2; the level window and a box have keys of their own, whatever keys of
  // play the player chose. A held key repeats a move, never anything else;
  // a key both the board and the shutter know gives its command once.
  const Teclado t;
  for (const auto& [codigo, donde, repeticion, comando] :
       {std::tuple{tecla::kF2, Contexto::Ventana, false, Comando::Nuevo},
        {tecla::kF11, Contexto::Ventana, false, Comando::PantallaCompleta},
        {tecla::kF2, Contexto::Tablero, false, Comando::Ninguno},
        {tecla::kF2, Contexto::Persiana, false, Comando::Nuevo},
        {tecla::kIntro, Contexto::Persiana, false, Comando::Continuar},
        {tecla::kIntro, Contexto::Tablero, false, Comando::Ninguno},
        {tecla::kO, Contexto::Tablero, true, Comando::Izquierda},
        {tecla::kF3, Contexto::Tablero, true, Comando::Ninguno},
        {tecla::kArriba, Contexto::Selector, true, Comando::Arriba},
        {tecla::kEspacio, Contexto::Selector, false, Comando::Aceptar},
        {tecla::kO, Contexto::Selector, false, Comando::Ninguno},
        {tecla::kEscape, Contexto::Caja, false, Comando::Cancelar},
        {tecla::kIzquierda, Contexto::Caja, false, Comando::Ninguno}}) {
    EXPECT_EQ(t.Resolver(codigo, repeticion, donde), comando) << codigo << ' ' << static_cast<int>(donde);
  }
  Escena s;
  s.Persiana(3);
  s.Tecla(tecla::kS);
  EXPECT_FALSE(s.v().ajustes().Sonido());  // switched once, not back
}

TEST(RelojNivel, cualquierLecturaDelRelojDaUnaEtiquetaSensata) {
  // A 2:30 clock started at 0 is over at 2^31 s and later; behind its start
  // or with no number, it goes on, and after a pause too.
  for (const auto& [ahora, etiqueta, sigue, trasPausa] :
       {std::tuple{2147483648.5, "0:00", false, ""}, {1e300, "0:00", false, ""}, {INFINITY, "0:00", false, ""},
        {-40000.0, "669:10", true, "546:07"}, {-INFINITY, "35791394:07", true, "2:30"}, {NAN, "2:30", true, "2:30"}}) {
    RelojNivel r;
    r.Empezar(150, 0);
    ASSERT_EQ(r.Texto(), "2:30");
    const bool corre = r.Correr(ahora) >= 1;
    EXPECT_EQ(std::pair(corre, r.Texto()), std::pair(sigue, std::string(etiqueta))) << ahora;
    if (!sigue) continue;
    r.Reanudar(ahora);
    r.Correr(ahora);
    EXPECT_EQ(r.Texto(), trasPausa) << ahora;
  }
}

}  // namespace
}  // namespace tumbla
