// The house rules' statistics: the exact bounds of a win rate, and the
// verdicts they give on made-up games.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "autoplay/Informe.h"

namespace tumbla {
namespace {

TEST(Informe, cotasExactasDeLaTasaDeVictorias) {
  // All lost or all won: the bound solves (1 - p)^n = error, or p^n = error.
  EXPECT_NEAR(CotaSuperior(0, 80, 0.0005), 1 - std::pow(0.0005, 1.0 / 80), 1e-9);
  EXPECT_NEAR(CotaInferior(10, 10, 0.2), std::pow(0.2, 1.0 / 10), 1e-9);
  EXPECT_EQ(CotaSuperior(10, 10, 0.01), 1.0);
  EXPECT_EQ(CotaInferior(0, 10, 0.01), 0.0);
  // Half won: symmetric about one half, and narrower with more games.
  EXPECT_NEAR(CotaInferior(20, 40, 0.05) + CotaSuperior(20, 40, 0.05), 1.0, 1e-9);
  EXPECT_LT(CotaSuperior(40, 80, 0.05) - CotaInferior(40, 80, 0.05),
            CotaSuperior(20, 40, 0.05) - CotaInferior(20, 40, 0.05));
}

ResumenPosicion Posicion(int posicion, int numero, bool propio, int ganadas, int partidas) {
  static const Grupo& grupo = Grupos()[4];
  ResumenPosicion r;
  r.posicion = posicion;
  r.clave = "PODAT," + std::to_string(numero);
  r.numero = numero;
  r.grupo = &grupo;
  r.disenoPropio = propio;
  r.ganadas = ganadas;
  r.partidas = partidas;
  return r;
}

bool Pendiente(const Veredicto& v, int posicion) {
  return std::find(v.pendientes.begin(), v.pendientes.end(), posicion) != v.pendientes.end();
}

TEST(Informe, unaReglaFallaSoloCuandoLasPartidasLaDesmienten) {
  // Never won in ten: not enough to fail, more games; in eighty, it fails.
  Veredicto v = ComprobarReglas({Posicion(1, 13, false, 0, 10)}, 80, true);
  EXPECT_TRUE(v.fallos.empty());
  EXPECT_TRUE(Pendiente(v, 1));
  v = ComprobarReglas({Posicion(1, 13, false, 0, 80)}, 80, true);
  EXPECT_EQ(v.fallos.size(), 1u);
  // A designed board won in 5 of 10 at full speed is pending, in 3 of 40
  // it fails, in 10 of 10 it is settled; at a person's pace half is no rule.
  v = ComprobarReglas({Posicion(2, 11, true, 5, 10)}, 80, false);
  EXPECT_TRUE(v.fallos.empty() && Pendiente(v, 2));
  EXPECT_EQ(ComprobarReglas({Posicion(2, 11, true, 3, 40)}, 80, false).fallos.size(), 1u);
  EXPECT_TRUE(ComprobarReglas({Posicion(2, 11, true, 3, 40)}, 80, true).fallos.empty());
  v = ComprobarReglas({Posicion(2, 11, true, 10, 10)}, 80, false);
  EXPECT_TRUE(v.fallos.empty() && v.pendientes.empty());
  // At the limit the doubt counts for the level.
  v = ComprobarReglas({Posicion(2, 11, true, 5, 10)}, 10, false);
  EXPECT_TRUE(v.fallos.empty() && v.pendientes.empty());
}

TEST(Informe, laRampaComparaConCotas) {
  // 5/10 against 10/10 (the noise that once failed the ramp): no verdict
  // yet, both boards want more games.
  Veredicto v = ComprobarReglas({Posicion(1, 11, true, 5, 10), Posicion(2, 17, true, 10, 10)}, 80, false);
  EXPECT_TRUE(v.fallos.empty());
  EXPECT_TRUE(Pendiente(v, 1));
  EXPECT_TRUE(Pendiente(v, 2));
  // 40/80 against 80/80 is only 0.5 apart, within the bounds' reach of 0.4.
  v = ComprobarReglas({Posicion(1, 11, true, 40, 80), Posicion(2, 17, true, 80, 80)}, 80, false);
  EXPECT_TRUE(v.fallos.empty());
  // 20/80 against 80/80 is shown much harder; the other way round is fine.
  v = ComprobarReglas({Posicion(1, 11, true, 20, 80), Posicion(2, 17, true, 80, 80)}, 80, false);
  EXPECT_EQ(std::count_if(v.fallos.begin(), v.fallos.end(),
                          [](const std::string& f) { return f.find("much harder") != std::string::npos; }),
            1);
  v = ComprobarReglas({Posicion(1, 11, true, 80, 80), Posicion(2, 17, true, 60, 80)}, 80, false);
  EXPECT_TRUE(v.fallos.empty() && v.pendientes.empty());
}

}  // namespace
}  // namespace tumbla
