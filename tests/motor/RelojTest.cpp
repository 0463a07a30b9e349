// The level clock, whatever the platform's clock reads.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "Escena.h"

namespace tumbla {
namespace {

TEST(Reloj, cualquierLecturaDelRelojDaUnaEtiquetaSensata) {
  // A 2:30 level started at 0 is over at 2^31 s and later; behind its start or with no number, it goes on, paused too.
  for (const auto& [ahora, etiqueta, sigue, trasPausa] :
       {std::tuple{2147483648.5, "0:00", false, ""}, {1e300, "0:00", false, ""}, {INFINITY, "0:00", false, ""},
        {-40000.0, "669:10", true, "546:07"}, {-INFINITY, "35791394:07", true, "2:30"}, {NAN, "2:30", true, "2:30"}}) {
    Escena s(Modo::Goteator);
    ASSERT_EQ(s.p().lblTiempo.texto, "2:30");
    s.plataforma.ahora = ahora;
    s.juego->Disparar(Temporizador::Juego);
    EXPECT_EQ(std::pair(s.p().lblTiempo.texto, s.v().Jugando()), std::pair(std::string(etiqueta), sigue)) << ahora;
    if (!sigue) continue;
    for (int vez = 0; vez < 2; ++vez) {  // pause, then go on
      s.juego->Tecla(tecla::kF3);
      s.juego->Disparar(Temporizador::Juego);
    }
    EXPECT_EQ(std::pair(s.p().lblTiempo.texto, s.v().Jugando()), std::pair(std::string(trasPausa), true)) << ahora;
  }
}

}  // namespace
}  // namespace tumbla
