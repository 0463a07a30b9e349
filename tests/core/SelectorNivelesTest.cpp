// The level-selection window's logic: what it shows, its keys, and starting
// the chosen level.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "Archivos.h"
#include "Escena.h"
#include "progress/Ayuda.h"
#include "progress/SelectorNiveles.h"

namespace fs = std::filesystem;

namespace tumbla {
namespace {

constexpr uint32_t kColorClasic = 0xC0E0FF;
constexpr uint32_t kColorGoteator = 0xC0FFC0;

class Selector : public ::testing::Test {
 protected:
  Escena s;
  fs::path ruta = s.carpeta / "tumbla.ini";
  SelectorNiveles& sel() { return s.juego->selector(); }

  void Progreso(const std::string& amaitutakoa) {
    Guardar(ruta, "[OROKORRA]\r\nAZKENA=2026/12/06\r\nAMAITUTAKOA=" + amaitutakoa + "\r\n");
  }
  // Opens the window as "Nuevo" does; `dentro` plays the player's part.
  void Abrir(std::function<void(SelectorNiveles&)> dentro) {
    s.plataforma.alMostrarSelector = [this, dentro] { dentro(sel()); };
    s.juego->AbrirSelectorNiveles();
  }
  uint32_t ColorGrupo(int n) {
    return BuscarGrupo(GrupoDeClave(s.juego->niveles().Clave(n)))->color;
  }
};

TEST_F(Selector, aFreshStartOffersLevelOneAndGreysTheRest) {
  // Nothing done: "Selecciona un nivel", level 1 selected and open, 2..50 grey.
  s.juego->Inicializar();
  Abrir([](SelectorNiveles& v) {
    EXPECT_TRUE(v.Abierto());
    EXPECT_EQ(v.Titulo(), "Selecciona un nivel");
    EXPECT_EQ(v.ValorDesplazamiento(), 0);
    EXPECT_EQ(v.MaximoDesplazamiento(), 25);
    EXPECT_EQ(v.Seleccionado(), 0);
    EXPECT_EQ(v.Boton(0).texto, "1");
    EXPECT_EQ(v.Boton(0).color, kColorClasic);
    for (int i = 1; i < 50; ++i) {
      EXPECT_TRUE(v.Boton(i).visible);
      EXPECT_EQ(v.Boton(i).texto, std::to_string(i + 1));
      EXPECT_EQ(v.Boton(i).color, kColorGris) << i;
    }
    EXPECT_EQ(v.lblDatos(), "Nivel: 1 - CLASIC. ");
  });
  // Nothing chosen: the window was left as with Escape.
  EXPECT_FALSE(sel().Abierto());
  EXPECT_EQ(s.plataforma.selectoresCerrados, 1);
  EXPECT_EQ(ArchivoIni(ruta.string()).Leer("OROKORRA", "AMAITUTAKOA"), "0");
}

TEST_F(Selector, withEverythingDoneTheLastPageShowsAnd296IsTheEnd) {
  // 296 done: scroll 25, levels 251..296, four blank slots, Right stays on 296.
  Progreso("296");
  s.juego->Inicializar();
  Abrir([](SelectorNiveles& v) {
    EXPECT_EQ(v.ValorDesplazamiento(), 25);
    EXPECT_EQ(v.Seleccionado(), 45);
    EXPECT_EQ(v.Boton(0).texto, "251");
    EXPECT_EQ(v.Boton(45).texto, "296");
    for (int i = 46; i < 50; ++i) {
      EXPECT_FALSE(v.Boton(i).visible);
      EXPECT_EQ(v.Boton(i).texto, "");
    }
    for (int i = 0; i <= 45; ++i) EXPECT_NE(v.Boton(i).color, kColorGris) << i;
    v.TeclaAbajo(tecla::kDerecha);
    EXPECT_EQ(v.Seleccionado(), 45);
    v.TeclaAbajo(tecla::kAbajo);  // the last page has nothing below
    EXPECT_EQ(v.ValorDesplazamiento(), 25);
    EXPECT_EQ(v.Seleccionado(), 45);
  });
}

TEST_F(Selector, storedProgressOutOfRangeIsClamped) {
  // "400" acts as 296 done, "-5" as none done, "12abc" as 12 done.
  Progreso("400");
  Abrir([](SelectorNiveles& v) {
    EXPECT_EQ(v.Superados(), 296);
    EXPECT_EQ(v.ValorDesplazamiento(), 25);
    EXPECT_EQ(v.Boton(v.Seleccionado()).texto, "296");
  });
  Progreso("-5");
  Abrir([](SelectorNiveles& v) {
    EXPECT_EQ(v.Superados(), 0);
    EXPECT_EQ(v.Boton(0).color, kColorClasic);
    EXPECT_EQ(v.Boton(v.Seleccionado()).texto, "1");
  });
  Progreso("12abc");
  Abrir([](SelectorNiveles& v) {
    EXPECT_EQ(v.Superados(), 12);
    EXPECT_EQ(v.Boton(v.Seleccionado()).texto, "13");
    EXPECT_NE(v.Boton(12).color, kColorGris);
    EXPECT_EQ(v.Boton(13).color, kColorGris);
  });
}

TEST_F(Selector, downOntoABlankSlotEmptiesTheLabelAndEnterDoesNothing) {
  // From 287 on the last page, Down lands on a blank slot where Enter is ignored.
  Progreso("296");
  s.juego->Inicializar();
  Abrir([this](SelectorNiveles& v) {
    v.TeclaAbajo(tecla::kArriba);
    v.TeclaAbajo(tecla::kDerecha);
    ASSERT_EQ(v.Boton(v.Seleccionado()).texto, "287");
    EXPECT_EQ(v.lblDatos().rfind("Nivel: 287 - ", 0), 0u);
    v.TeclaAbajo(tecla::kAbajo);
    EXPECT_EQ(v.Seleccionado(), 46);
    EXPECT_EQ(v.lblDatos(), "");
    v.TeclaPulsada(tecla::kIntro);
    v.TeclaPulsada(tecla::kEspacio);
    v.ClicBoton(47);
    EXPECT_TRUE(v.Abierto());
    EXPECT_EQ(s.e().NivelActual, 0);
    EXPECT_EQ(s.plataforma.selectoresCerrados, 0);
    v.TeclaPulsada(tecla::kEscape);
  });
  EXPECT_EQ(s.plataforma.selectoresCerrados, 1);
}

TEST_F(Selector, arrowsScrollAtTheEdgesOfTheGrid) {
  // Moving off the grid scrolls one row; the frame follows its slot.
  s.juego->Inicializar();
  Abrir([](SelectorNiveles& v) {
    v.TeclaAbajo(tecla::kArriba);
    v.TeclaAbajo(tecla::kIzquierda);
    EXPECT_EQ(v.ValorDesplazamiento(), 0);
    EXPECT_EQ(v.Seleccionado(), 0);

    for (int k = 0; k < 5; ++k) v.TeclaAbajo(tecla::kAbajo);
    EXPECT_EQ(v.ValorDesplazamiento(), 1);
    EXPECT_EQ(v.Seleccionado(), 40);
    EXPECT_EQ(v.Boton(40).texto, "51");
    EXPECT_EQ(v.lblDatos().rfind("Nivel: 51 - ", 0), 0u);

    for (int k = 0; k < 10; ++k) v.TeclaAbajo(tecla::kDerecha);
    EXPECT_EQ(v.ValorDesplazamiento(), 2);
    EXPECT_EQ(v.Seleccionado(), 40);
    EXPECT_EQ(v.Boton(40).texto, "61");

    for (int k = 0; k < 4; ++k) v.TeclaAbajo(tecla::kArriba);
    EXPECT_EQ(v.Seleccionado(), 0);
    v.TeclaAbajo(tecla::kIzquierda);
    EXPECT_EQ(v.ValorDesplazamiento(), 1);
    EXPECT_EQ(v.Seleccionado(), 9);
    EXPECT_EQ(v.Boton(9).texto, "20");
    const auto marco = v.MarcoSeleccion();
    EXPECT_EQ(marco.izquierda, 240 + 9 * 735 - 60);
    EXPECT_EQ(marco.arriba, 240 - 60);
    EXPECT_EQ(marco.ancho, 735);

    v.TeclaAbajo(tecla::kArriba);
    EXPECT_EQ(v.ValorDesplazamiento(), 0);
    EXPECT_EQ(v.Seleccionado(), 9);
    EXPECT_EQ(v.Boton(9).texto, "10");

    // The scroll bar moves the levels under a frame that stays put.
    v.CambiarDesplazamiento(99);
    EXPECT_EQ(v.ValorDesplazamiento(), 25);
    EXPECT_EQ(v.Seleccionado(), 9);
    EXPECT_EQ(v.lblDatos().rfind("Nivel: 260 - ", 0), 0u);
  });
}

TEST_F(Selector, coloursAndDataLineFollowTheGroupsUpToTheFrontier) {
  // With 10 done, levels 1..11 wear their group colours, 12 on are grey; the
  // data line names the group of the level under the pointer.
  Progreso("10");
  s.juego->Inicializar();
  Abrir([this](SelectorNiveles& v) {
    for (int n = 1; n <= 11; ++n) EXPECT_EQ(v.Boton(n - 1).color, ColorGrupo(n)) << n;
    for (int n = 12; n <= 50; ++n) EXPECT_EQ(v.Boton(n - 1).color, kColorGris) << n;
    EXPECT_EQ(v.Boton(3).color, kColorGoteator);
    EXPECT_EQ(v.Seleccionado(), 10);
    v.PunteroSobreBoton(12);
    EXPECT_EQ(v.lblDatos(), "Nivel: 13 - CLASIC (Panic) ");
    v.PunteroSobreBoton(3);
    EXPECT_EQ(v.lblDatos(), "Nivel: 4 - GOTEATOR ");
    v.PunteroSobreFondo();
    EXPECT_EQ(v.lblDatos().rfind("Nivel: 11 - ", 0), 0u);
  });
}

TEST_F(Selector, escapeBeforeAnyLevelJustClosesTheWindow) {
  // No level yet: Escape closes, and nothing of the game changes.
  s.juego->Inicializar();
  const std::string reloj = s.p().lblTiempo.texto;
  const int16_t limite = s.e().SegundosLimite;
  Abrir([](SelectorNiveles& v) { v.TeclaPulsada(tecla::kEscape); });
  EXPECT_FALSE(sel().Abierto());
  EXPECT_EQ(s.plataforma.selectoresCerrados, 1);
  EXPECT_EQ(s.e().NivelActual, 0);
  EXPECT_FALSE(s.e().Jugando);
  EXPECT_EQ(s.p().lblTiempo.texto, reloj);
  EXPECT_EQ(s.e().SegundosLimite, limite);
  EXPECT_FALSE(s.e().timJuego.Enabled);
}

TEST_F(Selector, openingDuringPlayPausesAndEscapeResumesTheClock) {
  // Through the deferred "nuevo": paused caption, the current level selected,
  // extra blocks held; Escape gives the clock back as the label shows it.
  Progreso("40");
  s.juego->Inicializar();
  s.TableroVacio(Modo::Goteator);
  s.Entrar(Catalogo::EntradaLista(19));
  s.e().NivelActual = 30;
  s.juego->PonerTemporizador(Temporizador::BloqueExtra, true, 5000);
  s.juego->pantalla().lblTiempo.texto = "2:15";
  s.e().SegundosLimite = 150;
  s.e().InicioReloj = 0;
  s.plataforma.ahora = 15.2;
  s.juego->MenuNuevo();
  EXPECT_EQ(s.e().Orden, "nuevo");

  s.plataforma.alMostrarSelector = [this] {
    SelectorNiveles& v = sel();
    EXPECT_EQ(v.Titulo(), "Juego pausado. Pulsa ESCAPE para continuar.");
    EXPECT_EQ(v.Boton(v.Seleccionado()).texto, "30");
    EXPECT_TRUE(v.BloqueoActivo());
    EXPECT_FALSE(s.e().timBloqueExtra.Enabled);
    s.plataforma.ahora = 100;  // time spent in the window
    v.TeclaPulsada(tecla::kEscape);
  };
  s.juego->TickJuego();
  EXPECT_EQ(s.plataforma.selectoresMostrados, 1);
  EXPECT_EQ(s.e().Orden, "");
  EXPECT_TRUE(s.e().Jugando);
  EXPECT_TRUE(s.e().timBloqueExtra.Enabled);
  EXPECT_EQ(s.e().SegundosLimite, 135);
  EXPECT_DOUBLE_EQ(s.e().InicioReloj, 100);
}

TEST_F(Selector, escapeKeepsTheLimitWhenTheClockLabelShowsNoTime) {
  // A classic level's clock label is empty: the limit is left alone.
  s.juego->Inicializar();
  s.TableroVacio(Modo::Clasico);
  s.e().NivelActual = 2;
  s.e().SegundosLimite = 77;
  s.juego->pantalla().lblTiempo.texto = "";
  Abrir([](SelectorNiveles& v) {
    EXPECT_EQ(v.Boton(v.Seleccionado()).texto, "2");
    v.TeclaPulsada(tecla::kEscape);
  });
  EXPECT_EQ(s.e().SegundosLimite, 77);
}

TEST_F(Selector, greyLevelsPlayWithoutRecordingProgress) {
  // A grey choice sets NoGuardarProgreso; an open one clears it. Both start the level.
  Progreso("10");
  s.juego->Inicializar();
  Abrir([](SelectorNiveles& v) { ASSERT_TRUE(v.ElegirPosicion(40)); });
  EXPECT_TRUE(s.e().NoGuardarProgreso);
  EXPECT_EQ(s.e().NivelActual, 40);
  EXPECT_TRUE(s.e().Jugando);
  EXPECT_TRUE(s.e().timJuego.Enabled);
  EXPECT_EQ(s.plataforma.selectoresCerrados, 1);

  s.e().Jugando = false;
  Abrir([](SelectorNiveles& v) {
    EXPECT_EQ(v.Titulo(), "¿Volver a intentarlo?");
    v.TeclaAbajo(tecla::kIzquierda);  // from 40 to 39, still grey
    v.TeclaPulsada(tecla::kIntro);
  });
  EXPECT_EQ(s.e().NivelActual, 39);
  EXPECT_TRUE(s.e().NoGuardarProgreso);

  s.e().Jugando = false;
  Abrir([](SelectorNiveles& v) {
    EXPECT_FALSE(v.ElegirPosicion(0));
    EXPECT_FALSE(v.ElegirPosicion(297));
    v.ClicBoton(10);  // level 11, the first not yet done
  });
  EXPECT_EQ(s.e().NivelActual, 11);
  EXPECT_FALSE(s.e().NoGuardarProgreso);
}

// A platform that looks at the game while the introduction box is open.
class PlataformaEspia : public PlataformaFalsa {
 public:
  std::function<void()> alVerCaja;
  void mensaje(Icono icono, const std::string& titulo, const std::string& texto) override {
    PlataformaFalsa::mensaje(icono, titulo, texto);
    if (alVerCaja) alVerCaja();
  }
};

TEST_F(Selector, theGroupIntroductionHoldsPlayAndStartsTheClockWhenClosed) {
  // Level 4 opens with the GOTEATOR text; while it shows no timer runs, and
  // the level clock starts from the moment it closes.
  PlataformaEspia espia;
  Juego juego(espia, ruta.string());
  juego.Inicializar();
  espia.cajas.clear();
  espia.ahora = 10;
  bool quietos = false;
  espia.alVerCaja = [&] {
    const Estado& e = juego.estado();
    quietos = !e.timJuego.Enabled && !e.timGota.Enabled && !e.timBloqueExtra.Enabled && e.EnDialogo;
    espia.ahora = 42;
  };
  espia.alMostrarSelector = [&] { juego.selector().ElegirPosicion(4); };
  juego.AbrirSelectorNiveles();

  ASSERT_EQ(espia.cajas.size(), 1u);
  EXPECT_EQ(espia.cajas[0].titulo, "GOTEATOR");
  EXPECT_EQ(espia.cajas[0].icono, Icono::Informacion);
  EXPECT_EQ(espia.cajas[0].texto, ReemplazarSaltos(TextosAyuda[4], "\r\n\r\n"));
  EXPECT_EQ(espia.cajas[0].texto.find("<>"), std::string::npos);
  EXPECT_TRUE(quietos);
  EXPECT_TRUE(juego.estado().timJuego.Enabled);
  EXPECT_TRUE(juego.estado().timGota.Enabled);
  EXPECT_FALSE(juego.estado().EnDialogo);
  EXPECT_DOUBLE_EQ(juego.estado().InicioReloj, 42);

  // A level that opens no group shows nothing.
  juego.estado().Jugando = false;
  espia.alMostrarSelector = [&] { juego.selector().ElegirPosicion(5); };
  juego.AbrirSelectorNiveles();
  EXPECT_EQ(espia.cajas.size(), 1u);
  EXPECT_EQ(juego.estado().NivelActual, 5);
}

}  // namespace
}  // namespace tumbla
