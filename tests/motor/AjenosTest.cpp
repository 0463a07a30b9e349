// Levels from outside the game's sequence: one tried from the editor, and a
// player's pack chosen in the level window. Neither touches the game's
// levels' progress, records or extra minutes.
#include <gtest/gtest.h>

#include "Archivos.h"
#include "Escena.h"
#include "motor/CodigosTecla.h"

namespace tumbla {
namespace {

constexpr int kGota = 4;  // the drop's first level: won by a step of the drop below
NivelAjeno Ajeno() { return {CatalogoNiveles(), kGota, "Gota"}; }

std::string Tipo(Escena& s) { return s.juego->pantalla().lblTipoJuego.texto; }

// The level won at once, then the shutter down and asking for ENTER.
void Ganar(Escena& s) {
  s.Tablero(22, {"....b......", "..........."}).Gota(22 * kAncho + 5);
  s.Tick(Temporizador::Gota);
  ASSERT_TRUE(s.v().NivelTerminado());
}

TEST(Ajenos, unNivelProbadoNoGuardaNadaYAlAcabarDejaLaPantallaComoAntes) {
  Escena s(Escena::SinArrancar{});
  s.juego->Inicializar();
  s.Atender();
  s.plataforma.cajas.clear();
  const std::string ini = Contenido(s.carpeta / "tumbla.ini");
  ASSERT_TRUE(s.juego->Probar(Ajeno()));
  EXPECT_TRUE(std::holds_alternative<flujo::Prueba>(s.v().situacion()));
  // The panel names no level of the game's: this one plays at the drop's first position.
  EXPECT_EQ(Tipo(s), "PRUEBA: GOTEATOR");
  EXPECT_FALSE(s.juego->Probar(Ajeno()));  // one at a time
  Ganar(s);
  s.Tecla(tecla::kIntro);
  EXPECT_TRUE(s.v().SinNivel());
  EXPECT_EQ(s.v().NivelActual(), 0);
  // Lost: no "GAME OVER" and no level window; the editor tells how it went.
  ASSERT_TRUE(s.juego->Probar(Ajeno()));
  s.Orden(Comando::Abandonar);
  EXPECT_TRUE(s.v().SinNivel());
  EXPECT_EQ(s.v().derrota(), Derrota::Abandono);
  EXPECT_TRUE(s.plataforma.cajas.empty());
  EXPECT_EQ(s.plataforma.selectoresMostrados, 0);
  EXPECT_EQ(Contenido(s.carpeta / "tumbla.ini"), ini);
  // Never over a level in play.
  s.plataforma.alMostrarSelector = [](SelectorNiveles& sel) { return sel.ElegirPosicion(1); };
  s.Orden(Comando::Nuevo);
  ASSERT_TRUE(s.v().Jugando());
  EXPECT_EQ(Tipo(s), "001: CLASIC");
  EXPECT_FALSE(s.juego->Probar(Ajeno()));
}

TEST(Ajenos, losNivelesDeUnPaqueteSeAbrenEnOrdenYGuardanSuProgresoAparte) {
  Escena s(Escena::SinArrancar{});
  s.juego->Inicializar();
  s.Atender();
  auto paquete = std::make_shared<PaqueteJugable>(PaqueteJugable{"PAQUETE prueba", "Prueba", {Ajeno(), Ajeno()}});
  int elegido = 1;
  s.plataforma.alMostrarSelector = [&](SelectorNiveles&) {
    return Eleccion{.tipo = Eleccion::Paquete, .posicion = elegido, .paquete = paquete};
  };
  s.Orden(Comando::Nuevo);  // the second is not open yet
  EXPECT_TRUE(s.v().SinNivel());
  const std::string ini = Contenido(s.carpeta / "tumbla.ini");
  elegido = 0;
  s.Orden(Comando::Nuevo);
  ASSERT_TRUE(std::holds_alternative<flujo::DePaquete>(s.v().situacion()));
  EXPECT_EQ(Tipo(s), "Nº 1: GOTEATOR");
  Ganar(s);
  s.Tecla(tecla::kIntro);  // on to the pack's next level
  const auto* d = std::get_if<flujo::DePaquete>(&s.v().situacion());
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->indice, 1);
  EXPECT_EQ(s.juego->progreso().SuperadosPaquete("PAQUETE prueba"), 1);
  EXPECT_GT(s.juego->progreso().RecordPaquete("PAQUETE prueba", 1), 0);
  EXPECT_EQ(s.v().MinutosExtra(), 1);
  Ganar(s);
  s.Tecla(tecla::kIntro);
  ASSERT_FALSE(s.plataforma.cajas.empty());
  EXPECT_EQ(s.plataforma.cajas.back().texto, "FELICIDADES!\r\rHas acabado el paquete «Prueba»!");
  EXPECT_EQ(Tipo(s), "Nº 2: GOTEATOR");  // under the box, the level the pack ended on
  EXPECT_EQ(s.juego->progreso().SuperadosPaquete("PAQUETE prueba"), 2);
  // The game's own keys are as they were: only the pack's section is new.
  std::string despues = Contenido(s.carpeta / "tumbla.ini");
  const size_t seccion = despues.find("[PAQUETE prueba]");
  ASSERT_NE(seccion, std::string::npos);
  const size_t fin = despues.find('[', seccion + 1);
  despues.erase(seccion, fin == std::string::npos ? std::string::npos : fin - seccion);
  EXPECT_EQ(despues, ini);
}

}  // namespace
}  // namespace tumbla
