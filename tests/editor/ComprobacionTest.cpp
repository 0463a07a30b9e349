// "Comprobar" and the proofs it keeps: a level won keeps its quickest win,
// which the replay runner plays again to a win; a level nobody wins gets
// none and is judged too hard by the game's own bounds; a proof changed in
// any way that matters is refused, with why.
#include <gtest/gtest.h>

#include "NivelProbado.h"

namespace tumbla {
namespace {

TEST(Comprobacion, unNivelGanadoGuardaSuVictoriaMasCortaComoPrueba) {
  const InformeComprobacion i = Comprobar(NivelCuadrado(), {4, 4});
  EXPECT_EQ(i.partidas, 4);
  EXPECT_GE(i.ganadas, 1);
  EXPECT_GT(i.piezasMediana, 0);
  ASSERT_TRUE(i.prueba);
  EXPECT_EQ(i.prueba->huella, Huella(NivelCuadrado()));
  EXPECT_EQ(VerificarPrueba(NivelCuadrado(), *i.prueba), "");
  EXPECT_NE(DescribirInforme(i).find("Es ganable"), std::string::npos);
}

TEST(Comprobacion, unNivelQueNadieGanaNoTienePruebaYEsDemasiadoDificil) {
  // More lines than fit in the time a game may last: rounds of games follow
  // one another while the verdict is open, up to the limit, and then the
  // bounds say the level breaks the game's rule.
  NivelPropio n = NivelVacio(*BuscarGrupo("CLASI"));
  n.lineas = 999;
  OpcionesComprobacion o{10, 80};
  o.limiteSegundos = 5;
  const InformeComprobacion i = Comprobar(n, o);
  EXPECT_EQ(i.partidas, 80);
  EXPECT_EQ(i.ganadas, 0);
  EXPECT_EQ(i.derrotas.at("limite"), 80);
  EXPECT_FALSE(i.prueba);
  EXPECT_EQ(i.juicio, Juicio::Incumple);
  EXPECT_NE(DescribirInforme(i, o).find("No es ganable"), std::string::npos);
}

TEST(Comprobacion, cancelarParaLasPartidasEnJuego) {
  NivelPropio n = NivelVacio(*BuscarGrupo("CLASI"));
  n.lineas = 999;
  Comprobacion c(n);
  while (c.Hechas() == 0 && !c.Terminada()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  const auto antes = std::chrono::steady_clock::now();
  c.Cancelar();
  while (!c.Terminada()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  EXPECT_LT(std::chrono::steady_clock::now() - antes, std::chrono::seconds(1));
  EXPECT_TRUE(c.Informe().cancelada);
  EXPECT_GE(c.Informe().partidas, 1);
}

TEST(Prueba, unaPruebaCambiadaNoValeYSeDicePorQue) {
  const NivelDePaquete& probado = NivelProbado();
  ASSERT_TRUE(probado.prueba);
  const std::string& guion = probado.prueba->guion;
  const auto cambiada = [&](const std::string& antes, const std::string& despues) {
    Prueba p = *probado.prueba;
    p.guion.replace(p.guion.find(antes), antes.size(), despues);
    return p;
  };
  const std::string play = "play " + std::to_string(PosicionDelGrupo(*BuscarGrupo("ROTA7")));
  NivelPropio masLineas = probado.nivel;
  masLineas.lineas = 30;
  Prueba firmada = *probado.prueba;
  firmada.huella = Huella(masLineas);
  const std::tuple<NivelPropio, Prueba, const char*> casos[] = {
      {masLineas, *probado.prueba, "ha cambiado"},
      {masLineas, firmada, "no gana el nivel"},
      {probado.nivel, Prueba{probado.prueba->huella, guion.substr(0, guion.rfind("key"))}, "no gana el nivel"},
      {probado.nivel, cambiada(play, play + "\nmenu dificil"), "usa el menú"},
      {probado.nivel, cambiada(play, "answer ok\n" + play), "gasta minutos extra"},
      {probado.nivel, cambiada(play, "play 1"), "juega otro nivel"},
      {probado.nivel, cambiada("LAGUNTZA=0", "LAGUNTZA=5"), "los ajustes"},
      {probado.nivel, cambiada("tick juego", "tick reloj"), "se detiene en su línea"},
  };
  for (const auto& [nivel, prueba, motivo] : casos) {
    const std::string falta = VerificarPrueba(nivel, prueba);
    EXPECT_NE(falta.find(motivo), std::string::npos) << motivo << ": " << falta;
  }
}

}  // namespace
}  // namespace tumbla
