// Extra minutes: the daily award, spending one when the clock runs out, and
// how the stored count and progress are read.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <tuple>

#include "Archivos.h"
#include "Escena.h"

namespace tumbla {
namespace {

class MinutosExtra : public ::testing::Test {
 protected:
  Escena s;
  std::filesystem::path ruta = s.carpeta / "tumbla.ini";
  std::string Leer(const std::string& clave) { return ArchivoIni(ruta.string()).Leer("OROKORRA", clave); }
};

TEST_F(MinutosExtra, theDailyMinuteComesOnceADay) {
  // Two starts on one day earn one minute (one message); the next day another.
  for (const auto& [dia, cajas, laguntza] : {std::tuple{4, 1u, "1"}, {4, 0u, "1"}, {5, 1u, "2"}}) {
    Escena otra;
    otra.plataforma.fecha = {2026, 3, dia};
    Juego(otra.plataforma, ruta.string()).Inicializar();
    EXPECT_EQ(otra.plataforma.cajas.size(), cajas) << dia;
    EXPECT_EQ(Leer("LAGUNTZA"), laguntza) << dia;
    EXPECT_EQ(Leer("AZKENA"), "2026/03/0" + std::to_string(dia));
  }
}

TEST_F(MinutosExtra, aStoredCountThatIsNotASmallNumberReadsAsZero) {
  // Text, negatives and values past 32767 count as 0; the award then makes 1.
  for (const char* malo : {"abc", "12x", "-3", "40000", "99999999999999999999", ""}) {
    Guardar(ruta, std::string("[OROKORRA]\r\nLAGUNTZA=") + malo + "\r\nAZKENA=2026/12/05\r\n");
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
  EXPECT_EQ(s.plataforma.cajas.back().texto,
            "Enhorabuena! Acabas de obtener otro minuto extra.\r\rYa tienes 32767 minutos extra acumulados.");
  s.juego->CambiarMinutosExtra(+1);
  EXPECT_EQ(s.e().MinutosExtra, 32767);
  EXPECT_EQ(Leer("LAGUNTZA"), "32767");
  s.juego->CambiarMinutosExtra(-40000);
  EXPECT_EQ(s.e().MinutosExtra, 0);
  EXPECT_EQ(Leer("LAGUNTZA"), "0");
  EXPECT_EQ(s.p().menuMinutos, "Minutos extra: 0");
}

TEST_F(MinutosExtra, answeringTheQuestionSpendsOrKeepsAMinute) {
  // Cancel keeps the stock; OK spends one and restarts the clock at 1:00;
  // with none left there is no question and the level is lost.
  s.juego->Inicializar();
  s.juego->CambiarMinutosExtra(+2);  // 3 in all
  s.plataforma.cajas.clear();
  s.juego->pantalla().colorMarco = kColorRojo;
  s.plataforma.ahora = 500.25;
  s.plataforma.respuestas = {false, true};
  EXPECT_FALSE(s.juego->UsarMinutoExtra());
  EXPECT_EQ(s.e().MinutosExtra, 3);
  ASSERT_EQ(s.plataforma.cajas.size(), 1u);
  EXPECT_EQ(std::make_tuple(s.plataforma.cajas[0].pregunta, s.plataforma.cajas[0].icono, s.plataforma.cajas[0].texto),
            std::make_tuple(true, Icono::Pregunta, std::string("Te quedan 3 minutos extra.\r\r¿Quieres usar uno para continuar?")));

  EXPECT_TRUE(s.juego->UsarMinutoExtra());
  EXPECT_EQ(s.e().MinutosExtra, 2);
  EXPECT_EQ(Leer("LAGUNTZA"), "2");
  EXPECT_EQ(s.p().menuMinutos, "Minutos extra: 2");
  EXPECT_EQ(std::make_pair(s.p().lblTiempo.texto, s.e().SegundosLimite), std::make_pair(std::string("1:00"), int16_t{60}));
  EXPECT_DOUBLE_EQ(s.e().InicioReloj, 500.25);
  EXPECT_EQ(s.p().colorMarco, kColorGris);

  s.juego->CambiarMinutosExtra(-2);
  s.plataforma.respuestas = {true};
  EXPECT_FALSE(s.juego->UsarMinutoExtra());
  EXPECT_EQ(s.plataforma.cajas.size(), 2u);
}

TEST_F(MinutosExtra, theClockRunningOutInPlayAsksOnceAndSpendsOnce) {
  // A timed level whose clock reaches 0: one question, one minute, play goes
  // on; 30 s later the clock shows 0:30 and nothing is asked again.
  s.juego->Inicializar();
  s.juego->CambiarMinutosExtra(+1);  // 2 in all
  s.TableroVacio(Modo::Goteator);
  s.Entrar(Catalogo::EntradaLista(19));
  s.e().SegundosLimite = 10;
  s.e().InicioReloj = 0;
  s.plataforma.ahora = 10.5;
  s.plataforma.cajas.clear();
  s.plataforma.respuestas = {true, true};
  s.juego->TickJuego();
  EXPECT_EQ(s.e().MinutosExtra, 1);
  EXPECT_TRUE(s.e().Jugando);
  EXPECT_EQ(s.p().lblTiempo.texto, "1:00");
  s.plataforma.ahora = 40.5;
  s.juego->TickJuego();
  EXPECT_EQ(s.plataforma.cajas.size(), 1u);
  EXPECT_EQ(s.e().MinutosExtra, 1);
  EXPECT_EQ(s.p().lblTiempo.texto, "0:30");
}

TEST(RelojNivel, anyReadingOfTheClockGivesASaneLevelClock) {
  // However long the level has run (2^31 s and more, for ever), it is simply
  // over; a clock behind the level's start or reading no number gives time
  // left, shown within the label's reach.
  for (const auto& [inicio, ahora, etiqueta, sigue] :
       {std::tuple{0.0, 2147483648.5, "0:00", false}, {0.0, 1e300, "0:00", false}, {0.0, INFINITY, "0:00", false},
        {1e300, 0.0, "35791394:07", true}, {0.0, NAN, "2:30", true}}) {
    Escena s;
    s.TableroVacio(Modo::Goteator);
    s.e().SegundosLimite = 150;
    s.e().InicioReloj = inicio;
    s.Entrar(78);
    s.plataforma.ahora = ahora;
    s.juego->TickJuego();
    EXPECT_EQ(std::make_pair(s.p().lblTiempo.texto, s.e().Jugando), std::make_pair(std::string(etiqueta), sigue))
        << inicio << " " << ahora;
  }
}

TEST_F(MinutosExtra, progressReadsTheStoredValueLeniently) {
  // "12abc" counts as 12 (completing 12 leaves it, 13 raises it); "-5" as nothing done.
  Guardar(ruta, "[OROKORRA]\r\nAMAITUTAKOA=12abc\r\nAZKENA=2026/12/06\r\n");
  s.juego->Inicializar();
  for (const auto& [nivel, guardado] : {std::pair{12, "12abc"}, {13, "13"}}) {
    s.e().NivelActual = static_cast<int16_t>(nivel);
    s.juego->GuardarProgreso();
    EXPECT_EQ(Leer("AMAITUTAKOA"), guardado);
  }
  Guardar(ruta, "[OROKORRA]\r\nAMAITUTAKOA=-5\r\n");
  s.e().NivelActual = 1;
  s.juego->GuardarProgreso();
  EXPECT_EQ(Leer("AMAITUTAKOA"), "1");
}

}  // namespace
}  // namespace tumbla
