// The tuning run writes its group's line into the weights file: the line
// and its old notes go, the notes and the tuned weights come in their
// place, everything else stays.
#include <gtest/gtest.h>

#include "autoplay/Afinador.h"

namespace tumbla {
namespace {

TEST(Afinador, reemplazaSoloLaLineaYLasNotasDeSuGrupo) {
  Pesos w;
  w[Medida::Agujeros] = -30;
  const std::string texto =
      "# cabecera\n"
      "# SUPER: vieja nota\n"
      "# SUPER: otra\n"
      "SUPER agujeros=-1\n"
      "# SUPERPANIC: no es suya\n"
      "PANIC agujeros=-2\n";
  EXPECT_EQ(ReemplazarGrupo(texto, Modo::Superpanic, w, "# SUPER: nueva"),
            "# cabecera\n"
            "# SUPER: nueva\n"
            "SUPER agujeros=-30\n"
            "# SUPERPANIC: no es suya\n"
            "PANIC agujeros=-2\n");
  EXPECT_EQ(ReemplazarGrupo("CLASI altura=1", Modo::Podator, w, ""), "CLASI altura=1\nPODAT agujeros=-30\n");
}

}  // namespace
}  // namespace tumbla
