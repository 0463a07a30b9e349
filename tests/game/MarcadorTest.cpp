// The score and the pace of play from level to level.
#include <gtest/gtest.h>

#include "game/Marcador.h"

namespace tumbla {
namespace {

TEST(Marcador, cadaCicloAceleraHastaElSueloYCadaNivelFrenaHastaElTecho) {
  // From 300 ms each clearing cycle takes 3 off: the 84th brings 50, where
  // it stays. A completed level gives 100 points and 30 ms back, never
  // beyond 300; a level chosen in the level window starts afresh.
  Marcador m;
  m.Empezar();
  Suceso s;
  s.ciclos = 1;
  s.puntos = 55;
  for (int n = 1; n <= 83; ++n) m.Anotar(s);
  EXPECT_EQ(m.intervalo, 51);
  m.Anotar(s);
  m.Anotar(s);
  EXPECT_EQ(m.intervalo, 50);
  m.EmpezarNivel();
  s.ciclos = 5;
  m.Anotar(s);
  m.FilaPersiana();
  m.NivelSuperado();
  EXPECT_EQ(m.intervalo, 80);
  EXPECT_EQ(m.PuntosNivel(), 55 + 5 + 100);
  m.Empezar();
  EXPECT_EQ(m.puntos, 0);
  for (int n = 0; n < 3; ++n) m.NivelSuperado();
  EXPECT_EQ(m.intervalo, 300);
}

}  // namespace
}  // namespace tumbla
