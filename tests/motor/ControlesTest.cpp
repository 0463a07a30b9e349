// The player's own keys, the window losing the focus, full screen and the
// window's place, and the demo that goes on by itself.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <string_view>

#include "Archivos.h"
#include "Escena.h"
#include "motor/CodigosTecla.h"

namespace tumbla {
namespace {

TEST(Teclas, cadaAccionTomaLaTeclaQueElJugadorLeDaYElArchivoLaGuarda) {
  // A free key goes to its action and is stored by name; a key in use is
  // refused naming its action, one the game keeps refused naming none. O
  // stays Left's second key until Pause takes it; "Girar al otro lado" has
  // no key until given one. A new start reads the keys back.
  Escena s;
  s.Tablero(0, {}).Ficha(78, 10 * kAncho + 6);
  Comando ocupada = Comando::Ninguno;
  ASSERT_TRUE(s.juego->AsignarTecla(Comando::Izquierda, 'J', ocupada));
  EXPECT_FALSE(s.juego->AsignarTecla(Comando::Derecha, 'J', ocupada));
  EXPECT_EQ(ocupada, Comando::Izquierda);
  EXPECT_FALSE(s.juego->AsignarTecla(Comando::Soltar, tecla::kF1, ocupada));
  EXPECT_EQ(ocupada, Comando::Ninguno);
  const auto posicion = [&] { return s.v().FichaEnJuego().posicion; };
  int antes = posicion();
  s.Tecla(tecla::kIzquierda);
  s.Tecla('J');
  s.Tecla(tecla::kO);
  EXPECT_EQ(posicion(), antes - 2);
  ASSERT_TRUE(s.juego->AsignarTecla(Comando::Pausa, tecla::kO, ocupada));
  EXPECT_EQ(s.juego->teclado().Teclas(Comando::Izquierda), (std::array<int, 2>{'J', 0}));
  const Pieza ficha = s.v().FichaEnJuego();
  EXPECT_EQ(s.juego->teclado().TeclaDe(Comando::GirarAlReves), 0);
  ASSERT_TRUE(s.juego->AsignarTecla(Comando::GirarAlReves, 'W', ocupada));
  s.Tecla('W');
  EXPECT_EQ(s.v().FichaEnJuego(), ficha.Girada(true));
  EXPECT_NE(ficha.Girada(true), ficha.Girada());
  const std::string ajustes = Contenido(s.carpeta / "tumbla.ini");
  EXPECT_NE(ajustes.find("[TEKLAK]"), std::string::npos);
  EXPECT_NE(ajustes.find("EZKERRA=J"), std::string::npos);
  EXPECT_NE(ajustes.find("PAUSA=O"), std::string::npos);

  Juego otro(s.plataforma, s.juego->ini().ruta());
  otro.Inicializar();
  EXPECT_EQ(otro.teclado().Resolver('J', false, Contexto::Tablero), Comando::Izquierda);
  EXPECT_EQ(otro.teclado().Resolver(tecla::kO, false, Contexto::Tablero), Comando::Pausa);
  otro.TeclasPredeterminadas();
  EXPECT_EQ(otro.teclado().Teclas(Comando::Izquierda), (std::array<int, 2>{tecla::kIzquierda, tecla::kO}));
}

TEST(Teclas, unValorQueNoEsTeclaOSeRepiteSeIgnora) {
  // A name that is no key, a key kept by the game, and a key stored for two
  // actions are passed over: those actions keep the game's own keys.
  Escena s{Escena::SinArrancar{}};
  Guardar(s.carpeta / "tumbla.ini", "[TEKLAK]\nEZKERRA=Nada\nESKUINA=K\nBIRATU=K\nBEHERA=F2\nJAURTI=M\n");
  s.juego->Inicializar();
  const Teclado& t = s.juego->teclado();
  EXPECT_EQ(t.TeclaDe(Comando::Izquierda), tecla::kIzquierda);
  EXPECT_EQ(t.TeclaDe(Comando::Derecha), tecla::kDerecha);
  EXPECT_EQ(t.TeclaDe(Comando::Girar), tecla::kArriba);
  EXPECT_EQ(t.TeclaDe(Comando::Abajo), tecla::kAbajo);
  EXPECT_EQ(t.TeclaDe(Comando::Soltar), 'M');
  EXPECT_EQ(CodigoTecla(NombreTecla(188)), 188);
}

TEST(Entradas, cadaElementoDeLosMenusSeLlamaEnUnGuionPorLaPrimeraPalabraDeSuTitulo) {
  // In lower case, without accents (ñ as n), '&' or what follows the word; no two
  // items share a name, and each is found by it.
  std::set<std::string> nombres;
  for (const Entrada& e : Entradas()) {
    if (e.menu == nullptr) continue;
    std::string palabra;
    for (std::string_view t = e.menu; !t.empty() && t[0] != ' ' && t[0] != '.'; t.remove_prefix(1)) {
      if (t.starts_with("\xC3")) {
        t.remove_prefix(1);
        palabra += std::string_view("aeioun").at(std::string_view("\xA1\xA9\xAD\xB3\xBA\xB1").find(t[0]));
      } else if (t[0] != '&') {
        palabra += static_cast<char>(std::tolower(static_cast<unsigned char>(t[0])));
      }
    }
    ASSERT_NE(e.guion, nullptr) << e.menu;
    EXPECT_EQ(e.guion, palabra);
    EXPECT_TRUE(nombres.insert(palabra).second) << palabra;
    EXPECT_EQ(EntradaDeGuion(palabra), &e);
  }
}

TEST(Juego, loQueTapaElTableroLoPausaAlMomentoYSoloLaTeclaDePausaVuelve) {
  // The focus lost (or a menu open), the help, "Acerca de" and "Teclas..."
  // pause a level in play at once: no gravity step, the clock stopped at
  // the time left then. Once they close only the pause key goes on, from
  // that time. A demo simply ends.
  for (const Comando c : {Comando::Ausencia, Comando::Ayuda, Comando::AcercaDe, Comando::Teclas}) {
    Escena s(Modo::Goteator);  // 2:30 on its clock
    s.plataforma.ahora += 10.5;
    const Pieza ficha = s.v().FichaEnJuego();
    s.Orden(c);
    EXPECT_TRUE(s.v().Pausado());
    EXPECT_EQ(std::pair(s.v().FichaEnJuego(), s.p().lblTiempo.texto), std::pair(ficha, std::string("2:20")));
    s.plataforma.ahora += 100;
    s.Tick();
    s.Orden(Comando::Ausencia);
    EXPECT_EQ(std::pair(s.v().FichaEnJuego(), s.v().Pausado()), std::pair(ficha, true));
    s.Tecla(tecla::kF3);
    s.plataforma.ahora += 5;
    s.Tick();
    EXPECT_EQ(std::pair(s.v().FichaEnJuego(), s.p().lblTiempo.texto), std::pair(ficha.Movida(kAncho), std::string("2:15")));
  }
  Escena s;
  s.Demostracion();
  s.Orden(Comando::Ausencia);
  EXPECT_FALSE(s.v().EnDemostracion());
  EXPECT_FALSE(s.v().Jugando());
}

TEST(Juego, unMenuSoloDetieneElJuegoMientrasEstaAbierto) {
  // Open, it holds play as a pause does; closed, play goes on at once. What
  // is chosen in it finds the game as it was: "Acerca de" pauses it for
  // good, a paused game stays paused.
  Escena s;
  const Pieza ficha = s.v().FichaEnJuego();
  s.Orden(Comando::MenuAbierto);
  s.Tick();
  EXPECT_EQ(std::pair(s.v().FichaEnJuego(), s.v().Pausado()), std::pair(ficha, true));
  s.Orden(Comando::MenuCerrado);
  s.Tick();
  EXPECT_EQ(std::pair(s.v().FichaEnJuego(), s.v().Pausado()), std::pair(ficha.Movida(kAncho), false));
  for (const Comando elegido : {Comando::AcercaDe, Comando::MenuCerrado}) {
    s.Orden(Comando::MenuAbierto);
    s.Orden(elegido);
    s.Orden(Comando::MenuCerrado);
    EXPECT_TRUE(s.v().Pausado());
  }
}

TEST(Juego, abandonarPierdeElNivelComoCualquierOtroSinMinutoNiRecord) {
  // Given up, during play or a pause: "GAME OVER", then the level window
  // asks to try again; no minute, no progress, no record. With no level in
  // play it does nothing.
  Escena s;
  const std::string ajustes = Contenido(s.carpeta / "tumbla.ini");
  const int minutos = s.v().MinutosExtra();
  s.Tecla(tecla::kF3);
  s.Tick();
  ASSERT_TRUE(s.v().Pausado());
  s.plataforma.cajas.clear();
  s.Orden(Comando::Abandonar);
  ASSERT_EQ(s.plataforma.cajas.size(), 1u);
  EXPECT_EQ(s.plataforma.cajas[0].texto, "GAME OVER");
  EXPECT_EQ(s.juego->selector().Titulo(), "¿Volver a intentarlo?");
  EXPECT_FALSE(s.v().Jugando());
  EXPECT_EQ(s.v().MinutosExtra(), minutos);
  EXPECT_EQ(Contenido(s.carpeta / "tumbla.ini"), ajustes);
  s.Orden(Comando::Abandonar);
  EXPECT_EQ(s.plataforma.cajas.size(), 1u);
}

TEST(Juego, unaDemostracionGanadaSigueSolaConElNivelSiguiente) {
  // A won demo shows its shutter a few seconds, then plays the next
  // position of the sequence; still nothing is stored.
  Escena s{Escena::SinArrancar{}};
  s.juego->Inicializar();
  s.Atender();
  const std::string ajustes = Contenido(s.carpeta / "tumbla.ini");
  s.plataforma.alMostrarSelector = [](SelectorNiveles& v) {
    EXPECT_EQ(v.Titulo(), "Demostración: elige el nivel que jugará el ordenador");
    return v.ElegirPosicion(2);
  };
  s.Orden(Comando::Demostracion);
  s.Tablero(23, {"11111.11111"}).Lineas(1).Ficha(63, 22 * kAncho + 6);
  s.Tick();
  ASSERT_TRUE(s.v().NivelTerminado());
  s.plataforma.ahora += 3;
  s.Tick();
  EXPECT_TRUE(s.v().NivelTerminado());
  s.plataforma.ahora += 2;
  s.Tick();
  EXPECT_EQ(s.v().NivelActual(), 3);
  EXPECT_TRUE(s.v().Jugando() && s.v().EnDemostracion());
  EXPECT_EQ(Contenido(s.carpeta / "tumbla.ini"), ajustes);
}

TEST(Juego, unaDemostracionPedidaEnMitadDeUnNivelEsUnaDemostracion) {
  // Asked for while a level is in play, by its key or from the open menu,
  // the window that opens at the next tick is the demo's, and the level
  // chosen in it is played by the computer, not by the player.
  for (const bool conMenu : {false, true}) {
    Escena s;
    std::string titulo;
    s.plataforma.alMostrarSelector = [&](SelectorNiveles& v) {
      titulo = v.Titulo();
      return v.ElegirPosicion(2);
    };
    if (conMenu) s.Orden(Comando::MenuAbierto);
    s.Orden(Comando::Demostracion);
    s.Tick();
    EXPECT_EQ(titulo, "Demostración: elige el nivel que jugará el ordenador") << conMenu;
    EXPECT_TRUE(s.v().Jugando() && s.v().EnDemostracion()) << conMenu;
    EXPECT_EQ(s.v().NivelActual(), 2) << conMenu;
  }
}

TEST(Juego, laPantallaCompletaYElSitioDeLaVentanaSeRecuerdan) {
  // Both go to their own section and come back at the next start; a place
  // with no size is not kept.
  Escena s;
  s.Orden(Comando::PantallaCompleta);
  EXPECT_TRUE(s.p().menuPantallaCompleta);
  s.juego->RecordarVentana({40, 30, 0, 500});
  s.juego->RecordarVentana({40, 30, 350, 500});
  Juego otro(s.plataforma, s.juego->ini().ruta());
  otro.Inicializar();
  EXPECT_TRUE(otro.vista().ajustes().PantallaCompleta());
  EXPECT_EQ(otro.vista().ajustes().Ventana(), (Geometria{40, 30, 350, 500}));
}

TEST(Juego, losColoresYLosDestellosSeRecuerdan) {
  // Both are stored as they change and read at the next start; a stored
  // value the game does not know leaves its own colours and the flashes.
  Escena s;
  s.Orden(Comando::ColoresContraste);
  s.Orden(Comando::MenosDestellos);
  EXPECT_EQ(s.p().aspecto, (Aspecto{Colores::Contraste, true}));
  for (const auto& [ajustes, colores, menos] :
       {std::tuple(std::string(), Colores::Contraste, true),
        {"[OROKORRA]\nKOLOREAK=D\nDISTIRA_GUTXIAGO=N\n", Colores::Daltonismo, false},
        {"[OROKORRA]\nKOLOREAK=d\nDISTIRA_GUTXIAGO=1\n", Colores::Propios, false}}) {
    if (!ajustes.empty()) Guardar(s.juego->ini().ruta(), ajustes);
    Juego otro(s.plataforma, s.juego->ini().ruta());
    otro.Inicializar();
    EXPECT_EQ(otro.pantalla().aspecto, (Aspecto{colores, menos}));
  }
}

}  // namespace
}  // namespace tumbla
