// Start-up and the main window's menu commands.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <string>
#include <tuple>

#include "Archivos.h"
#include "Escena.h"

namespace tumbla {
namespace {

class Arranque : public ::testing::Test {
 protected:
  Escena s;
  std::filesystem::path ruta = s.carpeta / "tumbla.ini";
  std::string Leer(const std::string& clave) { return ArchivoIni(ruta.string()).Leer("OROKORRA", clave); }
};

TEST_F(Arranque, theFirstRunWritesItsKeysInOrder) {
  // No file: LAGUNTZA 0, then the award (AZKENA, LAGUNTZA 1), then SOINUA and ZAILTASUNA.
  s.juego->Inicializar();
  EXPECT_EQ(Contenido(ruta), "[OROKORRA]\r\nLAGUNTZA=1\r\nAZKENA=2026/12/06\r\nSOINUA=S\r\nZAILTASUNA=N\r\n");
  ASSERT_EQ(s.plataforma.cajas.size(), 1u);
  EXPECT_EQ(s.plataforma.cajas[0].titulo, "Tumbla 3.0 Dilatorus");
  EXPECT_EQ(s.plataforma.cajas[0].texto,
            "Enhorabuena! Acabas de obtener otro minuto extra.\r\rYa tienes 1 minutos extra acumulados.");
  EXPECT_EQ(s.p().menuMinutos, "Minutos extra: 1");
  EXPECT_EQ(std::make_tuple(s.p().menuSonido, s.p().menuNormal, s.p().menuDificil), std::make_tuple(true, true, false));
  EXPECT_EQ(std::make_pair(s.e().NumTiposFicha, s.e().PrimerTipoFicha), std::make_pair(int16_t{7}, int16_t{19}));
}

TEST_F(Arranque, storedSwitchesSetTheMenusAndUnknownPieceSetsLeaveNormal) {
  // Only "S" turns the sound on; "Z" checks Difícil (25 kinds from entry 1),
  // anything else keeps Normal (7 kinds from entry 19) and stays in the file.
  for (const auto& [soinua, zailtasuna, dificil] : {std::tuple{"N", "Z", true}, {"x", "X", false}}) {
    Escena otra;
    const auto rutaOtra = otra.carpeta / "tumbla.ini";
    Guardar(rutaOtra, std::string("[OROKORRA]\r\nAZKENA=2026/12/06\r\nSOINUA=") + soinua + "\r\nZAILTASUNA=" + zailtasuna + "\r\n");
    otra.juego->Inicializar();
    EXPECT_FALSE(otra.p().menuSonido) << soinua;
    EXPECT_EQ(std::make_pair(otra.p().menuDificil, otra.p().menuNormal), std::make_pair(dificil, !dificil)) << zailtasuna;
    EXPECT_EQ(std::make_pair(otra.e().NumTiposFicha, otra.e().PrimerTipoFicha),
              dificil ? std::make_pair(int16_t{25}, int16_t{1}) : std::make_pair(int16_t{7}, int16_t{19}));
    EXPECT_EQ(ArchivoIni(rutaOtra.string()).Leer("OROKORRA", "ZAILTASUNA"), zailtasuna);
  }
}

TEST_F(Arranque, choosingDificilDuringALevelOnlyChangesLaterPieces) {
  // The piece already shown as next stays; the next draw uses the 25-entry
  // list; back to Normal, the 7-entry one. Each choice is stored.
  s.juego->Inicializar();
  s.TableroVacio();
  s.Entrar(Catalogo::EntradaLista(19));
  const int16_t siguiente = s.e().FichaSiguiente;
  s.juego->MenuPiezas(1);
  EXPECT_EQ(s.e().FichaSiguiente, siguiente);
  EXPECT_EQ(std::make_pair(s.p().menuDificil, s.p().menuNormal), std::make_pair(true, false));
  EXPECT_EQ(Leer("ZAILTASUNA"), "Z");
  s.plataforma.aleatorios = {3};
  s.juego->ElegirSiguiente();
  EXPECT_EQ(s.e().FichaSiguiente, Catalogo::EntradaLista(1 + 3));

  s.juego->MenuPiezas(0);
  EXPECT_EQ(Leer("ZAILTASUNA"), "N");
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
}

TEST_F(Arranque, resetAsksTwiceAndOnlyThenClearsProgress) {
  // Cancel at either question leaves AMAITUTAKOA; OK twice writes "0" and nothing else.
  Guardar(ruta, "[OROKORRA]\r\nAMAITUTAKOA=40\r\nLAGUNTZA=5\r\nAZKENA=2026/12/06\r\n");
  s.juego->Inicializar();
  s.plataforma.cajas.clear();
  for (const auto& respuestas : {std::deque<bool>{false}, std::deque<bool>{true, false}}) {
    s.plataforma.respuestas = respuestas;
    s.juego->MenuReset();
    EXPECT_EQ(Leer("AMAITUTAKOA"), "40");
  }
  ASSERT_EQ(s.plataforma.cajas.size(), 3u);
  EXPECT_EQ(std::make_pair(s.plataforma.cajas[0].texto, s.plataforma.cajas[0].icono),
            std::make_pair(std::string("¿Quieres resetear el juego?"), Icono::Pregunta));
  EXPECT_EQ(std::make_pair(s.plataforma.cajas[2].texto, s.plataforma.cajas[2].icono),
            std::make_pair(std::string("¿Estás seguro/a?"), Icono::Exclamacion));
  s.plataforma.respuestas = {true, true};
  s.juego->MenuReset();
  EXPECT_EQ(Leer("AMAITUTAKOA"), "0");
  EXPECT_EQ(Leer("LAGUNTZA"), "5");
}

TEST_F(Arranque, resetRefusesWhileALevelIsOnOrBehindTheShutter) {
  // In play or waiting behind the shutter: one exclamation, no question.
  Guardar(ruta, "[OROKORRA]\r\nAMAITUTAKOA=40\r\nAZKENA=2026/12/06\r\n");
  s.juego->Inicializar();
  s.TableroVacio();
  s.plataforma.cajas.clear();
  s.plataforma.respuestas = {true, true, true, true};
  s.juego->MenuReset();
  s.e().Jugando = false;
  s.juego->pantalla().persianaVisible = true;
  s.juego->MenuReset();
  ASSERT_EQ(s.plataforma.cajas.size(), 2u);
  for (const auto& caja : s.plataforma.cajas) {
    EXPECT_EQ(std::make_tuple(caja.pregunta, caja.icono, caja.texto),
              std::make_tuple(false, Icono::Exclamacion, std::string("Para esta opción debes haber finalizado la partida.")));
  }
  EXPECT_EQ(Leer("AMAITUTAKOA"), "40");
}

}  // namespace
}  // namespace tumbla
