// Share codes: one short line that brings the level back with a proof that
// wins it; a code copied wrong, of another version, or of a level without a
// proof of its own gives no level, and says why.
#include <gtest/gtest.h>

#include "NivelProbado.h"
#include "editor/CodigoCompartir.h"

namespace tumbla {
namespace {

TEST(CodigoCompartir, unaLineaCortaTraeElNivelConSuPrueba) {
  std::string error;
  const std::string codigo = CodigoDeNivel(NivelProbado(), error);
  ASSERT_EQ(error, "");
  EXPECT_EQ(codigo.rfind(kPrefijoCodigo, 0), 0u);
  EXPECT_LT(codigo.size(), 400u);
  EXPECT_EQ(codigo.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_."),
            std::string::npos);
  const LecturaCodigo l = LeerCodigo("  " + codigo + "\n");
  ASSERT_EQ(l.error, "");
  EXPECT_EQ(l.nivel.nivel, NivelProbado().nivel);
  ASSERT_TRUE(l.nivel.Probado());
  EXPECT_EQ(VerificarPrueba(l.nivel.nivel, *l.nivel.prueba), "");

  // Read with the draws instead of the seed: the same game.
  NivelDePaquete sinSemilla = NivelProbado();
  sinSemilla.prueba->guion.erase(0, sinSemilla.prueba->guion.find('\n') + 1);
  const std::string largo = CodigoDeNivel(sinSemilla, error);
  EXPECT_GT(largo.size(), codigo.size());
  EXPECT_EQ(LeerCodigo(largo).error, "");
}

TEST(CodigoCompartir, unCodigoMalCopiadoNoTraeNada) {
  std::string error;
  const std::string codigo = CodigoDeNivel(NivelProbado(), error);
  std::string cambiado = codigo;
  cambiado[20] = cambiado[20] == 'A' ? 'B' : 'A';
  for (const auto& [texto, falta] : {std::pair{cambiado, "mal copiado"},
                                     {codigo.substr(0, codigo.size() / 2), "mal copiado"},
                                     {"tumbla2." + codigo.substr(8), "otra versión"},
                                     {"hola", "no es un código"},
                                     {codigo + "*", "caracteres"},
                                     {codigo + std::string(kLargoCodigo, 'A'), "demasiado largo"}}) {
    const LecturaCodigo l = LeerCodigo(texto);
    EXPECT_NE(l.error.find(falta), std::string::npos) << falta << ": " << l.error;
    EXPECT_FALSE(l.nivel.prueba);
  }
  // A level with no proof, or a proof of another level, has no code.
  EXPECT_EQ(CodigoDeNivel({NivelCuadrado(), {}}, error), "");
  EXPECT_NE(error, "");
  NivelDePaquete otro = NivelProbado();
  otro.nivel.lineas = 30;
  otro.prueba->huella = Huella(otro.nivel);
  EXPECT_EQ(CodigoDeNivel(otro, error), "");
  EXPECT_NE(error.find("no se puede volver a jugar"), std::string::npos);
}

}  // namespace
}  // namespace tumbla
