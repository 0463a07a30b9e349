// The player's weights: the game's own file gives every group its set, a
// faulty file is refused at the line at fault, and a written line reads
// back as the weights it was written from.
#include <gtest/gtest.h>

#include "jugador/Pesos.h"
#include "levels/Niveles.h"

namespace tumbla {
namespace {

TEST(Pesos, elArchivoPropioDaSusPesosACadaGrupo) {
  const TablaPesos& propios = PesosPropios();
  for (const Grupo& g : Grupos()) {
    const Pesos& w = propios.De(g.modo);
    EXPECT_LT(w[Medida::Agujeros], 0) << g.codigo;  // holes are bad everywhere
    EXPECT_GT(w[Medida::Filas], 0) << g.codigo;
  }
}

TEST(Pesos, unaLineaEscritaSeLeeIgualYLasFaltasDicenSuLinea) {
  Pesos w;
  w[Medida::Altura] = -4.25;
  w[Medida::PodFila] = 17.5;
  w[Medida::Primera] = 0.0125;
  TablaPesos t;
  ASSERT_EQ(LeerPesos("# nota\n\n" + LineaPesos(Modo::Podator, w) + "\r\n", t), "");
  EXPECT_EQ(t.De(Modo::Podator).v, w.v);
  EXPECT_EQ(LineaPesos(Modo::Podator, w), "PODAT altura=-4.25 podFila=17.5 primera=0.0125");
  EXPECT_EQ(t.De(Modo::Clasico)[Medida::Altura], 0);  // a group not named is left alone

  EXPECT_EQ(LeerPesos("CLASI altura=1\nCLAS altura=1\n", t), "line 2: unknown group 'CLAS'");
  EXPECT_EQ(LeerPesos("SUPER alto=1", t), "line 1: not a measure=weight pair: 'alto=1'");
  EXPECT_EQ(LeerPesos("SUPER altura", t), "line 1: not a measure=weight pair: 'altura'");
  for (const char* malo : {"1,5", "", "2x", "1e99", "nan"}) {
    EXPECT_EQ(LeerPesos(std::string("\nSUPER altura=") + malo, t), std::string("line 2: not a weight: '") + malo + "'");
  }
}

}  // namespace
}  // namespace tumbla
