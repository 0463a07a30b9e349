// The hint: the outline on the board is the computer player's own choice
// for the piece, and a level played with it makes no record.
#include <gtest/gtest.h>

#include "Archivos.h"
#include "Escena.h"
#include "autoplay/Pista.h"
#include "motor/CodigosTecla.h"

namespace tumbla {
namespace {

TEST(Pista, elContornoEsLaEleccionDelJugadorYElNivelNoDejaRecord) {
  // Off, no outline. On, the cells of the placement the player would
  // choose, for each new piece; completed with it on, the level counts as
  // progress but its score is no record.
  Escena s;
  Pista pista;
  s.juego->PonerConsejero(&pista);
  s.Tablero(23, {"11111.11111"}).Lineas(1).Ficha(63, kCeldaEntrada - 3);  // above column 3
  EXPECT_TRUE(s.p().pista.none());
  s.Orden(Comando::Pista);
  const JugadorAutomatico::Jugada j = JugadorAutomatico().Elegir(s.v().panorama(), false);
  const Pieza elegida{static_cast<int16_t>(j.fila), static_cast<int16_t>(j.pos)};
  ASSERT_EQ(s.p().pista.count(), 4u);
  for (int k = 0; k < 4; ++k) EXPECT_TRUE(s.p().pista.test(static_cast<size_t>(elegida.Celda(k))));
  EXPECT_TRUE(s.p().pista.test(23 * kAncho + 6));  // the gap the upright I fills
  for (int k = 0; k < 3; ++k) s.Tecla(tecla::kDerecha);
  s.Tecla(tecla::kEspacio);
  s.Tick();
  ASSERT_TRUE(s.v().NivelTerminado());
  EXPECT_EQ(s.p().lblRecord.texto, "0");
  const std::string ajustes = Contenido(s.carpeta / "tumbla.ini");
  EXPECT_NE(ajustes.find("AMAITUTAKOA=1"), std::string::npos);
  EXPECT_EQ(ajustes.find("ERREKORRAK"), std::string::npos);
}

}  // namespace
}  // namespace tumbla
