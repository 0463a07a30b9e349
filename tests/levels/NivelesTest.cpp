// The level records and the sequence: every key finds its record, every
// group plays each record of its type once, the classic handicaps follow
// their pattern, and every starting board respects the board.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>

#include <algorithm>
#include <tuple>

#include "Archivos.h"
#include "game/Tablero.h"
#include "levels/FaltasRegistro.h"
#include "levels/Niveles.h"

namespace tumbla {
namespace {

TEST(Niveles, cadaGrupoJuegaUnaVezCadaRegistroDeSuTipo) {
  // 296 keys "GRUPO,NN"; CLASI, PANIC and SUPER in their numbers' order;
  // every key finds the record of its group's type and number.
  const CatalogoNiveles cat;
  const std::map<std::string, int> tamanos{{"CLASI", 27}, {"PANIC", 27}, {"SUPER", 27}, {"GOTEA", 40},
                                           {"ROTA7", 50}, {"ROTA+", 50}, {"JUNTA", 50}, {"PODAT", 25}};
  std::map<std::string, std::vector<int>> usados;
  for (int p = 1; p <= kNumNiveles; ++p) {
    const std::string& clave = cat.Clave(p);
    ASSERT_TRUE(clave.size() == 8 && clave[5] == ',') << clave;
    const Grupo* g = BuscarGrupo(GrupoDeClave(clave));
    ASSERT_NE(g, nullptr) << clave;
    const int r = cat.Buscar(g->tipo, NumeroDeClave(clave));
    ASSERT_GE(r, 1) << clave;
    EXPECT_EQ(cat.DatoNumero(r, campo::kNumero), NumeroDeClave(clave));
    usados[g->codigo].push_back(NumeroDeClave(clave));
  }
  for (const auto& [grupo, n] : tamanos) {
    std::vector<int> v = usados[grupo];
    if (grupo == "CLASI" || grupo == "PANIC" || grupo == "SUPER") {
      EXPECT_TRUE(std::is_sorted(v.begin(), v.end()));
    }
    EXPECT_EQ(std::set<int>(v.begin(), v.end()).size(), static_cast<size_t>(n)) << grupo;
    EXPECT_EQ(v.size(), static_cast<size_t>(n)) << grupo;
  }
  EXPECT_EQ(cat.Clave(1), "CLASI,01");
  EXPECT_EQ(cat.Clave(296), "JUNTA,21");
}

TEST(Niveles, losHandicapsClasicosSiguenSuPatron) {
  // 10/7/5 s of extra blocks, a rise every 4/3/2 rows and rows 2/3/4 at a
  // time, alone (7-15) and in pairs (16-27); the line target grows by one
  // within each triple.
  const CatalogoNiveles cat;
  for (int n = 7; n <= 27; ++n) {
    SCOPED_TRACE(n);
    const int r = cat.Buscar("CLA", n);
    const int k = (n - 7) % 3;
    const int bloque = (n - 7) / 3;  // 0..6: extra, rise, together, e+t, e+r, r+t, all
    const bool extra = bloque == 0 || bloque == 3 || bloque == 4 || bloque == 6;
    const bool subida = bloque == 1 || bloque == 4 || bloque == 5 || bloque == 6;
    const bool juntas = bloque == 2 || bloque == 3 || bloque == 5 || bloque == 6;
    constexpr std::array<int, 3> kPeriodos{10, 7, 5};
    EXPECT_EQ(cat.DatoNumero(r, campo::kBloquesExtra), extra ? kPeriodos[static_cast<size_t>(k)] : 0);
    EXPECT_EQ(cat.DatoNumero(r, campo::kSubida), subida ? 4 - k : 0);
    EXPECT_EQ(cat.DatoNumero(r, campo::kBorrarCada), juntas ? 2 + k : 0);
    if (k > 0) {
      EXPECT_EQ(cat.DatoNumero(r, campo::kLineas), cat.DatoNumero(r - 1, campo::kLineas) + 1);
    }
  }
}

TEST(Niveles, lasListasQueImprimeElDisenoEstanComoSeImprimen) {
  // Every other board is checked as any record is (FaltasRegistro.h, below).
  const CatalogoNiveles cat;
  EXPECT_EQ(cat.Dato(cat.Buscar("ROT", 34), campo::kCeldas), "179225256279287");
  EXPECT_EQ(cat.Dato(cat.Buscar("GOT", 1), campo::kCeldas), "232255");
  EXPECT_EQ(cat.Dato(cat.Buscar("JUN", 2), campo::kCeldas), "226228252254");
  EXPECT_EQ(cat.Dato(cat.Buscar("POD", 9), campo::kCeldas), "310192216240264288");
  EXPECT_EQ(cat.Dato(cat.Buscar("POD", 13), campo::kCeldas), "300178179202203226227250251274275180");
}

TEST(Niveles, losRegistrosDeUnArchivoSeCompruebanAntesDeJugar) {
  // The game's own records hold what the game can play; each of these
  // faults in a designer's file stopped the game (or overflowed) when its
  // level started, and the check names it first.
  const std::string propios = Contenido(std::filesystem::path(TUMBLA_SOURCE_DIR) / "src/levels/niveles.txt");
  EXPECT_EQ(FaltaEnRegistros(CatalogoNiveles(propios)), "");
  for (const auto& [antes, despues, falta] : {std::tuple{"\nCLA  3 ", "\nCLA  0 ", "falta el registro CLA 3"},
                                              {"300301305309310", "300301305309999", "la celda 999"},
                                              {"219    0          232255", "999    0          232255", "gota '999'"},
                                              {"310192216240264288", "006192216240264288", "la maceta"},
                                              {"CLA  7    10 ", "CLA  7    9999999", "demasiado grande"}}) {
    std::string texto = propios;
    texto.replace(texto.find(antes), std::string(antes).size(), despues);
    EXPECT_NE(FaltaEnRegistros(CatalogoNiveles(texto)).find(falta), std::string::npos) << despues;
  }
}

TEST(NivelesDeathTest, unaPosicionFueraDelCatalogoParaElJuego) {
  // Reading past the catalogue stops the game with a message rather than
  // reading memory it does not own.
  const CatalogoNiveles cat;
  EXPECT_DEATH((void)cat.Clave(0), "");
  EXPECT_DEATH((void)cat.Clave(297), "");
}

}  // namespace
}  // namespace tumbla
