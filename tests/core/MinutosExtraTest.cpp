// Extra minutes: the daily award, spending one when the clock runs out, and
// the minute and progress of a completed level.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "Archivos.h"
#include "Escena.h"

namespace fs = std::filesystem;

namespace tumbla {
namespace {

class MinutosExtra : public ::testing::Test {
 protected:
  Escena s;
  fs::path ruta = s.carpeta / "tumbla.ini";
  std::string Leer(const std::string& clave) { return ArchivoIni(ruta.string()).Leer("OROKORRA", clave); }

  // A fresh game on the same settings file, started on the given day.
  int Arrancar(Fecha fecha) {
    Escena otra;
    otra.plataforma.fecha = fecha;
    Juego juego(otra.plataforma, ruta.string());
    juego.Inicializar();
    int cajas = 0;
    for (const auto& c : otra.plataforma.cajas) cajas += c.icono == Icono::Informacion ? 1 : 0;
    return cajas;
  }
};

TEST_F(MinutosExtra, theDailyMinuteComesOnceADay) {
  // Two starts on one day earn one minute; the next day earns another.
  EXPECT_EQ(Arrancar({2026, 3, 4}), 1);
  EXPECT_EQ(Leer("LAGUNTZA"), "1");
  EXPECT_EQ(Leer("AZKENA"), "2026/03/04");
  EXPECT_EQ(Arrancar({2026, 3, 4}), 0);
  EXPECT_EQ(Leer("LAGUNTZA"), "1");
  EXPECT_EQ(Arrancar({2026, 3, 5}), 1);
  EXPECT_EQ(Leer("LAGUNTZA"), "2");
  EXPECT_EQ(Leer("AZKENA"), "2026/03/05");
}

TEST_F(MinutosExtra, aStoredCountThatIsNotASmallNumberReadsAsZero) {
  // Text, negatives and values past 32767 count as 0; the award then makes 1.
  for (const char* malo : {"abc", "12x", "-3", "40000", "99999999999999999999", ""}) {
    Guardar(ruta, std::string("[OROKORRA]\r\nLAGUNTZA=") + malo + "\r\nAZKENA=2026/12/05\r\n");
    s.plataforma.cajas.clear();
    s.juego->Inicializar();
    EXPECT_EQ(s.e().MinutosExtra, 1) << malo;
    EXPECT_EQ(s.p().menuMinutos, "Minutos extra: 1") << malo;
  }
}

TEST_F(MinutosExtra, theCountStaysWithin0And32767) {
  // An award at the top keeps 32767; spending never goes below 0.
  Guardar(ruta, "[OROKORRA]\r\nLAGUNTZA=32767\r\n");
  s.juego->Inicializar();
  EXPECT_EQ(s.e().MinutosExtra, 32767);
  EXPECT_EQ(Leer("LAGUNTZA"), "32767");
  EXPECT_EQ(s.plataforma.cajas.back().texto,
            "Enhorabuena! Acabas de obtener otro minuto extra.\r\r"
            "Ya tienes 32767 minutos extra acumulados.");
  s.juego->CambiarMinutosExtra(+1);
  EXPECT_EQ(s.e().MinutosExtra, 32767);
  s.juego->CambiarMinutosExtra(-40000);
  EXPECT_EQ(s.e().MinutosExtra, 0);
  EXPECT_EQ(Leer("LAGUNTZA"), "0");
  EXPECT_EQ(s.p().menuMinutos, "Minutos extra: 0");
}

TEST_F(MinutosExtra, answeringTheQuestionSpendsOrKeepsAMinute) {
  // OK spends one and restarts the clock at 1:00; Cancel keeps the stock; none, no question.
  s.juego->Inicializar();
  s.juego->CambiarMinutosExtra(+2);  // 3 in all
  s.plataforma.cajas.clear();
  s.juego->pantalla().colorMarco = kColorRojo;
  s.plataforma.ahora = 500.25;

  s.plataforma.respuestas = {false};
  EXPECT_FALSE(s.juego->UsarMinutoExtra());
  EXPECT_EQ(s.e().MinutosExtra, 3);
  ASSERT_EQ(s.plataforma.cajas.size(), 1u);
  const auto& caja = s.plataforma.cajas[0];
  EXPECT_TRUE(caja.pregunta);
  EXPECT_EQ(caja.icono, Icono::Pregunta);
  EXPECT_EQ(caja.titulo, "Tumbla 3.0 Dilatorus");
  EXPECT_EQ(caja.texto, "Te quedan 3 minutos extra.\r\r¿Quieres usar uno para continuar?");

  s.plataforma.respuestas = {true};
  EXPECT_TRUE(s.juego->UsarMinutoExtra());
  EXPECT_EQ(s.e().MinutosExtra, 2);
  EXPECT_EQ(Leer("LAGUNTZA"), "2");
  EXPECT_EQ(s.p().menuMinutos, "Minutos extra: 2");
  EXPECT_EQ(s.p().lblTiempo.texto, "1:00");
  EXPECT_EQ(s.e().SegundosLimite, 60);
  EXPECT_DOUBLE_EQ(s.e().InicioReloj, 500.25);
  EXPECT_EQ(s.p().colorMarco, kColorGris);

  // With none left there is no question: the level is lost.
  s.juego->CambiarMinutosExtra(-2);
  s.plataforma.respuestas = {true};
  EXPECT_FALSE(s.juego->UsarMinutoExtra());
  EXPECT_EQ(s.plataforma.cajas.size(), 2u);
}

TEST_F(MinutosExtra, theClockRunningOutInPlayAsksOnceAndSpendsOnce) {
  // A timed level whose clock reaches 0: one question, one minute, play goes on.
  s.juego->Inicializar();  // 1 minute
  s.TableroVacio(Modo::Goteator);
  s.Entrar(Catalogo::EntradaLista(19));
  s.e().SegundosLimite = 10;
  s.e().InicioReloj = 0;
  s.plataforma.ahora = 10.5;
  s.plataforma.cajas.clear();
  s.plataforma.respuestas = {true};
  s.juego->TickJuego();
  ASSERT_EQ(s.plataforma.cajas.size(), 1u);
  EXPECT_EQ(s.e().MinutosExtra, 0);
  EXPECT_TRUE(s.e().Jugando);
  EXPECT_EQ(s.p().lblTiempo.texto, "1:00");

  s.plataforma.ahora = 40.5;
  s.juego->TickJuego();
  EXPECT_EQ(s.plataforma.cajas.size(), 1u);
  EXPECT_EQ(s.p().lblTiempo.texto, "0:30");
}

TEST_F(MinutosExtra, aCompletedLevelEarnsAMinuteAndRecordsOpenProgressOnly) {
  // Grey levels earn a minute but no progress; open ones raise AMAITUTAKOA, never lower it.
  Guardar(ruta, "[OROKORRA]\r\nAMAITUTAKOA=10\r\nLAGUNTZA=4\r\nAZKENA=2026/12/06\r\n");
  s.juego->Inicializar();

  s.e().NivelActual = 40;
  s.e().NoGuardarProgreso = true;
  s.juego->GuardarProgreso();
  EXPECT_EQ(s.e().MinutosExtra, 5);
  EXPECT_EQ(Leer("LAGUNTZA"), "5");
  EXPECT_EQ(Leer("AMAITUTAKOA"), "10");

  s.e().NivelActual = 11;
  s.e().NoGuardarProgreso = false;
  s.juego->GuardarProgreso();
  EXPECT_EQ(Leer("AMAITUTAKOA"), "11");
  EXPECT_EQ(s.p().menuMinutos, "Minutos extra: 6");

  s.e().NivelActual = 3;
  s.juego->GuardarProgreso();
  EXPECT_EQ(Leer("AMAITUTAKOA"), "11");
  EXPECT_EQ(s.e().MinutosExtra, 7);
}

TEST_F(MinutosExtra, progressReadsTheStoredValueLeniently) {
  // "12abc" counts as 12; "-5" as nothing done.
  Guardar(ruta, "[OROKORRA]\r\nAMAITUTAKOA=12abc\r\nAZKENA=2026/12/06\r\n");
  s.juego->Inicializar();
  s.e().NivelActual = 12;
  s.juego->GuardarProgreso();
  EXPECT_EQ(Leer("AMAITUTAKOA"), "12abc");
  s.e().NivelActual = 13;
  s.juego->GuardarProgreso();
  EXPECT_EQ(Leer("AMAITUTAKOA"), "13");

  Guardar(ruta, "[OROKORRA]\r\nAMAITUTAKOA=-5\r\n");
  s.e().NivelActual = 1;
  s.juego->GuardarProgreso();
  EXPECT_EQ(Leer("AMAITUTAKOA"), "1");
}

}  // namespace
}  // namespace tumbla
