// Start-up and the main window's menu commands.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "Archivos.h"
#include "Escena.h"

namespace fs = std::filesystem;

namespace tumbla {
namespace {

class Arranque : public ::testing::Test {
 protected:
  Escena s;
  fs::path ruta = s.carpeta / "tumbla.ini";
  std::string Leer(const std::string& clave) { return ArchivoIni(ruta.string()).Leer("OROKORRA", clave); }
};

TEST_F(Arranque, theFirstRunWritesItsKeysInOrder) {
  // No file: LAGUNTZA 0, then the award (AZKENA, LAGUNTZA 1), then SOINUA and ZAILTASUNA.
  s.juego->Inicializar();
  EXPECT_EQ(Contenido(ruta),
            "[OROKORRA]\r\n"
            "LAGUNTZA=1\r\n"
            "AZKENA=2026/12/06\r\n"
            "SOINUA=S\r\n"
            "ZAILTASUNA=N\r\n");
  ASSERT_EQ(s.plataforma.cajas.size(), 1u);
  EXPECT_EQ(s.plataforma.cajas[0].icono, Icono::Informacion);
  EXPECT_EQ(s.plataforma.cajas[0].titulo, "Tumbla 3.0 Dilatorus");
  EXPECT_EQ(s.plataforma.cajas[0].texto,
            "Enhorabuena! Acabas de obtener otro minuto extra.\r\r"
            "Ya tienes 1 minutos extra acumulados.");
  EXPECT_EQ(s.p().menuMinutos, "Minutos extra: 1");
  EXPECT_TRUE(s.p().menuSonido);
  EXPECT_TRUE(s.p().menuNormal);
  EXPECT_FALSE(s.p().menuDificil);
  EXPECT_EQ(s.e().NumTiposFicha, 7);
  EXPECT_EQ(s.e().PrimerTipoFicha, 19);
  EXPECT_FALSE(s.e().Jugando);
}

TEST_F(Arranque, storedSwitchesSetTheMenusAndUnknownPieceSetsLeaveNormal) {
  // "N" turns the sound off, "Z" checks Difícil, anything else keeps Normal.
  Guardar(ruta, "[OROKORRA]\r\nAZKENA=2026/12/06\r\nSOINUA=N\r\nZAILTASUNA=Z\r\n");
  s.juego->Inicializar();
  EXPECT_FALSE(s.p().menuSonido);
  EXPECT_EQ(s.e().Sonido, "N");
  EXPECT_FALSE(s.p().menuNormal);
  EXPECT_TRUE(s.p().menuDificil);
  EXPECT_EQ(s.e().NumTiposFicha, 25);
  EXPECT_EQ(s.e().PrimerTipoFicha, 1);

  Escena otra;
  const fs::path rutaOtra = otra.carpeta / "tumbla.ini";
  Guardar(rutaOtra, "[OROKORRA]\r\nAZKENA=2026/12/06\r\nSOINUA=x\r\nZAILTASUNA=X\r\n");
  otra.juego->Inicializar();
  EXPECT_FALSE(otra.p().menuSonido);
  EXPECT_TRUE(otra.p().menuNormal);
  EXPECT_FALSE(otra.p().menuDificil);
  EXPECT_EQ(otra.e().NumTiposFicha, 7);
  EXPECT_EQ(otra.e().PrimerTipoFicha, 19);
  EXPECT_EQ(ArchivoIni(rutaOtra.string()).Leer("OROKORRA", "ZAILTASUNA"), "X");
}

TEST_F(Arranque, choosingDificilDuringALevelOnlyChangesLaterPieces) {
  // The piece already shown as next stays; the next draw uses the 25-entry list.
  s.juego->Inicializar();
  s.TableroVacio();
  s.Entrar(Catalogo::EntradaLista(19));
  const int16_t siguiente = s.e().FichaSiguiente;
  s.juego->MenuPiezas(1);
  EXPECT_EQ(s.e().FichaSiguiente, siguiente);
  EXPECT_TRUE(s.p().menuDificil);
  EXPECT_FALSE(s.p().menuNormal);
  EXPECT_EQ(Leer("ZAILTASUNA"), "Z");
  s.plataforma.aleatorios = {3};
  s.juego->ElegirSiguiente();
  EXPECT_EQ(s.e().FichaSiguiente, Catalogo::EntradaLista(1 + 3));

  s.juego->MenuPiezas(0);
  EXPECT_EQ(Leer("ZAILTASUNA"), "N");
  EXPECT_EQ(s.e().Dificultad, "N");
  s.plataforma.aleatorios = {3};
  s.juego->ElegirSiguiente();
  EXPECT_EQ(s.e().FichaSiguiente, Catalogo::EntradaLista(19 + 3));
}

TEST_F(Arranque, theSoundKeyTogglesOnceAndIsStored) {
  // S flips the switch and writes it; the shutter's own handler does not flip it back.
  s.juego->Inicializar();
  s.juego->TeclaPrincipal(tecla::kS);
  EXPECT_FALSE(s.p().menuSonido);
  EXPECT_EQ(Leer("SOINUA"), "N");
  s.juego->TeclaPrincipal(tecla::kS);
  s.juego->TeclaPersiana(tecla::kS);
  EXPECT_TRUE(s.p().menuSonido);
  EXPECT_EQ(Leer("SOINUA"), "S");
  s.juego->MenuSonido();
  EXPECT_FALSE(s.p().menuSonido);
  EXPECT_EQ(s.e().Sonido, "N");
  EXPECT_EQ(Leer("SOINUA"), "N");
}

TEST_F(Arranque, resetAsksTwiceAndOnlyThenClearsProgress) {
  // Cancel at either question leaves AMAITUTAKOA; OK twice writes "0" and nothing else.
  Guardar(ruta, "[OROKORRA]\r\nAMAITUTAKOA=40\r\nLAGUNTZA=5\r\nAZKENA=2026/12/06\r\n");
  s.juego->Inicializar();
  s.plataforma.cajas.clear();

  s.plataforma.respuestas = {false};
  s.juego->MenuReset();
  EXPECT_EQ(Leer("AMAITUTAKOA"), "40");
  ASSERT_EQ(s.plataforma.cajas.size(), 1u);
  EXPECT_EQ(s.plataforma.cajas[0].texto, "¿Quieres resetear el juego?");
  EXPECT_EQ(s.plataforma.cajas[0].icono, Icono::Pregunta);

  s.plataforma.respuestas = {true, false};
  s.juego->MenuReset();
  EXPECT_EQ(Leer("AMAITUTAKOA"), "40");
  ASSERT_EQ(s.plataforma.cajas.size(), 3u);
  EXPECT_EQ(s.plataforma.cajas[2].texto, "¿Estás seguro/a?");
  EXPECT_EQ(s.plataforma.cajas[2].icono, Icono::Exclamacion);

  s.plataforma.respuestas = {true, true};
  s.juego->MenuReset();
  EXPECT_EQ(Leer("AMAITUTAKOA"), "0");
  EXPECT_EQ(Leer("LAGUNTZA"), "5");
  EXPECT_EQ(s.e().MinutosExtra, 5);
}

TEST_F(Arranque, resetRefusesWhileALevelIsOnOrBehindTheShutter) {
  // In play, waiting behind the shutter or while it slides: one exclamation, no question.
  Guardar(ruta, "[OROKORRA]\r\nAMAITUTAKOA=40\r\nAZKENA=2026/12/06\r\n");
  s.juego->Inicializar();
  s.TableroVacio();
  s.plataforma.cajas.clear();
  s.plataforma.respuestas = {true, true, true, true, true, true};

  s.juego->MenuReset();
  s.e().Jugando = false;
  s.juego->pantalla().persianaVisible = true;
  s.juego->MenuReset();
  s.juego->pantalla().persianaVisible = false;
  s.e().BajandoPersiana = true;
  s.juego->MenuReset();

  ASSERT_EQ(s.plataforma.cajas.size(), 3u);
  for (const auto& caja : s.plataforma.cajas) {
    EXPECT_FALSE(caja.pregunta);
    EXPECT_EQ(caja.icono, Icono::Exclamacion);
    EXPECT_EQ(caja.texto, "Para esta opción debes haber finalizado la partida.");
  }
  EXPECT_EQ(Leer("AMAITUTAKOA"), "40");
}

TEST_F(Arranque, nuevoOpensTheWindowAtOnceOrLeavesItToTheNextTick) {
  // Idle, paused or behind the shutter: at once. During play: Orden "nuevo". Sliding: nothing.
  s.juego->Inicializar();
  s.juego->MenuNuevo();
  EXPECT_EQ(s.plataforma.selectoresMostrados, 1);

  s.TableroVacio();
  s.juego->MenuNuevo();
  EXPECT_EQ(s.plataforma.selectoresMostrados, 1);
  EXPECT_EQ(s.e().Orden, "nuevo");

  s.e().Orden.clear();
  s.juego->pantalla().persianaVisible = true;
  s.juego->MenuNuevo();
  EXPECT_EQ(s.plataforma.selectoresMostrados, 2);
  EXPECT_EQ(s.e().Orden, "");

  s.e().BajandoPersiana = true;
  s.juego->MenuNuevo();
  EXPECT_EQ(s.plataforma.selectoresMostrados, 2);
  EXPECT_EQ(s.e().Orden, "");

  // A paused game has no ticks to carry the command: at once, ticks held.
  s.e().BajandoPersiana = false;
  s.juego->pantalla().persianaVisible = false;
  s.e().Pausado = true;
  bool enDialogo = false;
  s.plataforma.alMostrarSelector = [&] { enDialogo = s.e().EnDialogo; };
  s.juego->MenuNuevo();
  EXPECT_EQ(s.plataforma.selectoresMostrados, 3);
  EXPECT_TRUE(enDialogo);
  EXPECT_FALSE(s.e().EnDialogo);
  EXPECT_EQ(s.e().Orden, "");
}

}  // namespace
}  // namespace tumbla
