// The tuning run writes its group's line into the weights file: the line
// goes, the run's notes (after those of the runs before) and the tuned
// weights come in its place, everything else stays.
#include <gtest/gtest.h>

#include "autoplay/Afinador.h"

namespace tumbla {
namespace {

TEST(Afinador, reemplazaSoloLaLineaDeSuGrupoYSumaSuNota) {
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
            "# SUPER: vieja nota\n"
            "# SUPER: otra\n"
            "# SUPER: nueva\n"
            "SUPER agujeros=-30\n"
            "# SUPERPANIC: no es suya\n"
            "PANIC agujeros=-2\n");
  EXPECT_EQ(ReemplazarGrupo("CLASI altura=1", Modo::Podator, w, ""), "CLASI altura=1\nPODAT agujeros=-30\n");
}

}  // namespace
}  // namespace tumbla
