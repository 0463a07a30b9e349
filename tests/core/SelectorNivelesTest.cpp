// The level-selection window's logic: what it shows, its keys, and starting
// the chosen level.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "Archivos.h"
#include "Escena.h"
#include "progress/Ayuda.h"
#include "progress/SelectorNiveles.h"

namespace tumbla {
namespace {

constexpr uint32_t kColorClasic = 0xC0E0FF;

class Selector : public ::testing::Test {
 protected:
  Escena s;
  std::filesystem::path ruta = s.carpeta / "tumbla.ini";
  SelectorNiveles& sel() { return s.juego->selector(); }

  void Progreso(const std::string& amaitutakoa) {
    Guardar(ruta, "[OROKORRA]\r\nAZKENA=2026/12/06\r\nAMAITUTAKOA=" + amaitutakoa + "\r\n");
  }
  // Opens the window as "Nuevo" does; `dentro` plays the player's part.
  void Abrir(std::function<void(SelectorNiveles&)> dentro) {
    s.plataforma.alMostrarSelector = [this, dentro] { dentro(sel()); };
    s.juego->AbrirSelectorNiveles();
  }
};

TEST_F(Selector, aFreshStartOffersLevelOneAndGreysTheRest) {
  // Nothing done: "Selecciona un nivel", level 1 selected and open, 2..50
  // grey. Closed without a choice it is left as with Escape. A stored "-5"
  // also counts as nothing done.
  s.juego->Inicializar();
  Abrir([](SelectorNiveles& v) {
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
  EXPECT_FALSE(sel().Abierto());
  EXPECT_EQ(s.plataforma.selectoresCerrados, 1);
  EXPECT_EQ(ArchivoIni(ruta.string()).Leer("OROKORRA", "AMAITUTAKOA"), "0");

  Progreso("-5");
  Abrir([](SelectorNiveles& v) {
    EXPECT_EQ(v.Superados(), 0);
    EXPECT_EQ(v.Boton(1).color, kColorGris);
  });
}

TEST_F(Selector, withEverythingDoneTheLastPageShowsAndABlankSlotTakesNoEnter) {
  // "400" is clamped to all 296 done: scroll 25, levels 251..296 open, four
  // blank slots; Right stays on 296 and Down has nothing below. From 287,
  // Down lands on a blank slot: the data line empties, Enter, Space and a
  // click on a blank slot start nothing; only Escape closes.
  Progreso("400");
  s.juego->Inicializar();
  Abrir([this](SelectorNiveles& v) {
    EXPECT_EQ(v.Superados(), 296);
    EXPECT_EQ(v.ValorDesplazamiento(), 25);
    EXPECT_EQ(v.Seleccionado(), 45);
    EXPECT_EQ(v.Boton(0).texto, "251");
    EXPECT_EQ(v.Boton(45).texto, "296");
    for (int i = 0; i < 50; ++i) EXPECT_EQ(v.Boton(i).visible, i <= 45) << i;
    for (int i = 0; i <= 45; ++i) EXPECT_NE(v.Boton(i).color, kColorGris) << i;
    EXPECT_EQ(v.Boton(46).texto, "");
    v.TeclaAbajo(tecla::kDerecha);
    v.TeclaAbajo(tecla::kAbajo);
    EXPECT_EQ(v.ValorDesplazamiento(), 25);
    EXPECT_EQ(v.Seleccionado(), 45);

    v.TeclaAbajo(tecla::kArriba);
    v.TeclaAbajo(tecla::kDerecha);
    ASSERT_EQ(v.Boton(v.Seleccionado()).texto, "287");
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

TEST_F(Selector, coloursAndDataLineFollowTheGroupsUpToTheFrontier) {
  // "12abc" reads as 12 done: 1..13 in group colours, 14 on grey, 13
  // selected; the data line names the group under the pointer. A grey
  // choice records no progress, an open one clears that mark.
  Progreso("12abc");
  s.juego->Inicializar();
  Abrir([this](SelectorNiveles& v) {
    for (int n = 1; n <= 13; ++n) {
      EXPECT_EQ(v.Boton(n - 1).color, BuscarGrupo(GrupoDeClave(s.juego->niveles().Clave(n)))->color) << n;
    }
    for (int n = 14; n <= 50; ++n) EXPECT_EQ(v.Boton(n - 1).color, kColorGris) << n;
    EXPECT_EQ(v.Boton(3).color, 0xC0FFC0u);  // GOTEATOR
    EXPECT_EQ(v.Seleccionado(), 12);
    v.PunteroSobreBoton(3);
    EXPECT_EQ(v.lblDatos(), "Nivel: 4 - GOTEATOR ");
    v.PunteroSobreFondo();
    EXPECT_EQ(v.lblDatos(), "Nivel: 13 - CLASIC (Panic) ");
    ASSERT_TRUE(v.ElegirPosicion(40));  // grey: played, but records no progress
  });
  EXPECT_TRUE(s.e().Jugando && s.e().NoGuardarProgreso);
  s.e().Jugando = false;
  Abrir([](SelectorNiveles& v) { v.ClicBoton(12); });  // open: the mark goes
  EXPECT_EQ(s.e().NivelActual, 13);
  EXPECT_FALSE(s.e().NoGuardarProgreso);
}

TEST_F(Selector, escapeBeforeAnyLevelJustClosesTheWindow) {
  // No level yet: Escape closes, and nothing of the game changes.
  s.juego->Inicializar();
  const std::string reloj = s.p().lblTiempo.texto;
  const int16_t limite = s.e().SegundosLimite;
  Abrir([](SelectorNiveles& v) { v.TeclaPulsada(tecla::kEscape); });
  EXPECT_FALSE(sel().Abierto());
  EXPECT_EQ(s.plataforma.selectoresCerrados, 1);
  EXPECT_EQ(std::make_tuple(s.e().NivelActual, s.e().Jugando, s.e().timJuego.Enabled), std::make_tuple(int16_t{0}, false, false));
  EXPECT_EQ(s.p().lblTiempo.texto, reloj);
  EXPECT_EQ(s.e().SegundosLimite, limite);
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
  // the level clock starts from the moment it closes. Level 5 shows nothing.
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
  EXPECT_TRUE(quietos);
  EXPECT_TRUE(juego.estado().timJuego.Enabled);
  EXPECT_TRUE(juego.estado().timGota.Enabled);
  EXPECT_FALSE(juego.estado().EnDialogo);
  EXPECT_DOUBLE_EQ(juego.estado().InicioReloj, 42);

  juego.estado().Jugando = false;
  espia.alMostrarSelector = [&] { juego.selector().ElegirPosicion(5); };
  juego.AbrirSelectorNiveles();
  EXPECT_EQ(espia.cajas.size(), 1u);
  EXPECT_EQ(juego.estado().NivelActual, 5);
}

}  // namespace
}  // namespace tumbla
