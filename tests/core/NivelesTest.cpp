// The level catalogue, the level sequence and the level groups.
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "levels/Niveles.h"

namespace tumbla {
namespace {

// The play order as the game designer wrote it: runs of group and numbers.
const char* const kRachas[] = {
    "CLASI 01-03", "GOTEA 01-04", "ROTA7 01", "ROTA7 04-07", "PANIC 01-03", "PODAT 01-03",
    "ROTA+ 01", "ROTA+ 03-04", "ROTA+ 07-08", "SUPER 01-03", "JUNTA 01-03", "JUNTA 13",
    "JUNTA 22", "CLASI 04-06", "GOTEA 05-08", "ROTA7 08-12", "PANIC 04-06", "PODAT 04",
    "PODAT 13", "PODAT 15", "ROTA+ 10-12", "ROTA+ 16-17", "SUPER 04-06", "JUNTA 24-25",
    "JUNTA 31", "JUNTA 34", "JUNTA 37", "CLASI 07-09", "GOTEA 09-10", "GOTEA 12-13",
    "ROTA7 13-15", "ROTA7 17-18", "PANIC 07-09", "PODAT 19", "PODAT 08-09", "ROTA+ 18",
    "ROTA+ 21", "ROTA+ 26", "ROTA+ 29", "ROTA+ 32", "SUPER 07-09", "JUNTA 39-42", "JUNTA 44",
    "CLASI 10-12", "GOTEA 14-17", "ROTA7 19-21", "ROTA7 23", "ROTA7 25", "PANIC 10-12",
    "PODAT 10", "PODAT 05", "PODAT 07", "ROTA+ 37", "ROTA+ 41-43", "ROTA+ 46", "SUPER 10-12",
    "JUNTA 10", "JUNTA 23", "JUNTA 26", "JUNTA 36", "JUNTA 38", "CLASI 13-15", "GOTEA 19",
    "GOTEA 21", "GOTEA 23", "GOTEA 28", "ROTA7 26-27", "ROTA7 30-32", "PANIC 13-15",
    "PODAT 16", "PODAT 20", "PODAT 12", "ROTA+ 48", "ROTA+ 02", "ROTA+ 05", "ROTA+ 13-14",
    "SUPER 13-15", "JUNTA 47", "JUNTA 08", "JUNTA 29", "JUNTA 32", "JUNTA 43", "CLASI 16-18",
    "GOTEA 29-32", "ROTA7 34", "ROTA7 37", "ROTA7 39", "ROTA7 42", "ROTA7 48", "PANIC 16-18",
    "PODAT 17", "PODAT 14", "PODAT 18", "ROTA+ 15", "ROTA+ 28", "ROTA+ 39-40", "ROTA+ 45",
    "SUPER 16-18", "JUNTA 45", "JUNTA 07", "JUNTA 16", "JUNTA 27", "JUNTA 30", "CLASI 19-21",
    "GOTEA 33", "GOTEA 35-37", "ROTA7 02-03", "ROTA7 16", "ROTA7 22", "ROTA7 28",
    "PANIC 19-21", "PODAT 11", "PODAT 06", "PODAT 23", "ROTA+ 50", "ROTA+ 09", "ROTA+ 20",
    "ROTA+ 22", "ROTA+ 25", "SUPER 19-21", "JUNTA 48-49", "JUNTA 04", "JUNTA 14", "JUNTA 35",
    "CLASI 22-24", "GOTEA 39", "GOTEA 11", "GOTEA 18", "GOTEA 20", "ROTA7 33", "ROTA7 36",
    "ROTA7 40", "ROTA7 44", "ROTA7 46", "PANIC 22-24", "PODAT 25", "PODAT 22", "PODAT 21",
    "PODAT 24", "ROTA+ 30", "ROTA+ 34", "ROTA+ 36", "ROTA+ 44", "ROTA+ 06", "SUPER 22-24",
    "JUNTA 18", "JUNTA 50", "JUNTA 15", "JUNTA 33", "JUNTA 46", "CLASI 25-27", "GOTEA 25-26",
    "GOTEA 34", "GOTEA 38", "ROTA7 41", "ROTA7 43", "ROTA7 45", "ROTA7 24", "ROTA7 29",
    "PANIC 25-27", "ROTA+ 19", "ROTA+ 31", "ROTA+ 47", "ROTA+ 23", "ROTA+ 49", "SUPER 25-27",
    "JUNTA 06", "JUNTA 20", "JUNTA 19", "JUNTA 17", "JUNTA 12", "GOTEA 40", "GOTEA 22",
    "GOTEA 24", "GOTEA 27", "ROTA7 35", "ROTA7 47", "ROTA7 50", "ROTA7 38", "ROTA7 49",
    "ROTA+ 24", "ROTA+ 27", "ROTA+ 35", "ROTA+ 38", "ROTA+ 33", "JUNTA 05", "JUNTA 11",
    "JUNTA 09", "JUNTA 28", "JUNTA 21",
};

std::vector<std::string> ExpandirRachas() {
  std::vector<std::string> claves;
  for (const char* racha : kRachas) {
    const std::string r(racha);  // "CODE NN" or "CODE NN-MM"
    const int primero = std::stoi(r.substr(6, 2));
    const int ultimo = r.size() > 8 ? std::stoi(r.substr(9, 2)) : primero;
    for (int n = primero; n <= ultimo; ++n) claves.push_back(r.substr(0, 5) + (n < 10 ? ",0" : ",") + std::to_string(n));
  }
  return claves;
}

class Niveles : public ::testing::Test {
 protected:
  CatalogoNiveles cat;

  // Fields 2..7 of record `numero` of that type, which must sit at its place
  // in catalogue order (the type's first record is `primero`).
  std::vector<int> Numeros(const char* tipo, int numero, int primero) {
    const int r = cat.Buscar(tipo, numero);
    EXPECT_EQ(r, primero + numero - 1) << tipo << " " << numero;
    std::vector<int> v;
    for (int c = campo::kBloquesExtra; c <= campo::kGotaRosa; ++c) v.push_back(cat.DatoNumero(r, c));
    return v;
  }
};

TEST_F(Niveles, sequenceHoldsThe296KeysInPlayOrder) {
  // The built-in sequence is exactly the designer's run list, expanded.
  const std::vector<std::string> esperadas = ExpandirRachas();
  ASSERT_EQ(esperadas.size(), 296u);
  ASSERT_EQ(cat.Secuencia().size(), 296u);
  for (int p = 1; p <= kNumNiveles; ++p) {
    EXPECT_EQ(cat.Clave(p), esperadas[static_cast<size_t>(p - 1)]) << "position " << p;
  }
}

TEST_F(Niveles, eachGroupPlaysEachRecordOfItsTypeExactlyOnce) {
  // CLASI, PANIC, SUPER 27 each; GOTEA 40; ROTA7, ROTA+, JUNTA 50; PODAT 25.
  const std::map<std::string, int> tamanos{{"CLASI", 27}, {"PANIC", 27}, {"SUPER", 27},
                                           {"GOTEA", 40}, {"ROTA7", 50}, {"ROTA+", 50},
                                           {"JUNTA", 50}, {"PODAT", 25}};
  std::map<std::string, std::multiset<int>> usados;
  for (const std::string& clave : cat.Secuencia()) {
    ASSERT_EQ(clave.size(), 8u) << clave;
    ASSERT_EQ(clave[5], ',') << clave;
    usados[std::string(GrupoDeClave(clave))].insert(NumeroDeClave(clave));
  }
  ASSERT_EQ(usados.size(), tamanos.size());
  for (const auto& [grupo, n] : tamanos) {
    ASSERT_EQ(static_cast<int>(usados[grupo].size()), n) << grupo;
    for (int k = 1; k <= n; ++k) EXPECT_EQ(usados[grupo].count(k), 1u) << grupo << " " << k;
  }
}

TEST_F(Niveles, everyKeyOfTheSequenceFindsItsRecordAndNothingElseIsFound) {
  // A key without a record would stop the game; none of the 296 lacks one.
  // Numbers past a type's last record, another case or type find nothing.
  for (int p = 1; p <= kNumNiveles; ++p) {
    const std::string& clave = cat.Clave(p);
    const Grupo* g = BuscarGrupo(GrupoDeClave(clave));
    ASSERT_NE(g, nullptr) << clave;
    const int r = cat.Buscar(g->tipo, NumeroDeClave(clave));
    ASSERT_GE(r, 1) << clave;
    EXPECT_EQ(cat.Dato(r, campo::kTipo), g->tipo);
    EXPECT_EQ(cat.DatoNumero(r, campo::kNumero), NumeroDeClave(clave));
  }
  EXPECT_EQ(cat.Dato(0, campo::kTipo), "ENT");
  EXPECT_EQ(cat.UltimoRegistro(), 192);
  EXPECT_EQ(cat.Buscar("CLA", 28), -1);
  EXPECT_EQ(cat.Buscar("POD", 26), -1);
  EXPECT_EQ(cat.Buscar("cla", 1), -1);
  EXPECT_EQ(cat.Buscar("XYZ", 1), -1);
  EXPECT_EQ(BuscarGrupo("clasi"), nullptr);
  EXPECT_EQ(BuscarGrupo("ROTA8"), nullptr);
}

TEST_F(Niveles, claRecordsCarryTheirHandicapsAndLineTargets) {
  // No. / extra-block s / rising / lines / clear-together; no drops.
  const int tabla[27][5] = {
      {1, 0, 0, 5, 0},    {2, 0, 0, 7, 0},    {3, 0, 0, 9, 0},    {4, 0, 0, 10, 0},
      {5, 0, 0, 11, 0},   {6, 0, 0, 12, 0},   {7, 10, 0, 11, 0},  {8, 7, 0, 12, 0},
      {9, 5, 0, 13, 0},   {10, 0, 4, 12, 0},  {11, 0, 3, 13, 0},  {12, 0, 2, 14, 0},
      {13, 0, 0, 13, 2},  {14, 0, 0, 14, 3},  {15, 0, 0, 15, 4},  {16, 10, 0, 14, 2},
      {17, 7, 0, 15, 3},  {18, 5, 0, 16, 4},  {19, 10, 4, 15, 0}, {20, 7, 3, 16, 0},
      {21, 5, 2, 17, 0},  {22, 0, 4, 16, 2},  {23, 0, 3, 17, 3},  {24, 0, 2, 18, 4},
      {25, 10, 4, 17, 2}, {26, 7, 3, 18, 3},  {27, 5, 2, 19, 4},
  };
  for (const auto& f : tabla) {
    EXPECT_EQ(Numeros("CLA", f[0], 1), (std::vector<int>{f[1], f[2], f[3], f[4], 0, 0})) << "CLA " << f[0];
  }
}

TEST_F(Niveles, rotRecordsAllAskForSevenRowsWithoutHandicaps) {
  // Fields 2-7 are 0 0 7 0 0 0 for every ROT record.
  for (int n = 1; n <= 50; ++n) {
    EXPECT_EQ(Numeros("ROT", n, 28), (std::vector<int>{0, 0, 7, 0, 0, 0})) << "ROT " << n;
  }
}

TEST_F(Niveles, gotRecordsPlaceTheBlueDrop) {
  // Fields 2-5 are 0 0 99 0, the blue drop cell by number, no pink drop.
  const int gotas[40] = {219, 167, 175, 261, 219, 162, 175, 162, 175, 144, 248, 227, 167, 271,
                         224, 188, 175, 266, 170, 180, 227, 157, 167, 162, 201, 188, 180, 144,
                         175, 175, 175, 175, 162, 174, 240, 180, 214, 188, 253, 201};
  for (int n = 1; n <= 40; ++n) {
    EXPECT_EQ(Numeros("GOT", n, 78), (std::vector<int>{0, 0, 99, 0, gotas[n - 1], 0})) << "GOT " << n;
  }
}

TEST_F(Niveles, junRecordsPlaceBothDrops) {
  // Fields 2-5 are 0 0 7 0, then the blue and the pink drop cells.
  const int gotas[50][2] = {
      {310, 170}, {300, 240}, {300, 256}, {227, 253}, {214, 201}, {175, 292}, {203, 199},
      {310, 300}, {170, 297}, {240, 201}, {310, 170}, {289, 240}, {240, 266}, {188, 240},
      {171, 240}, {300, 310}, {239, 240}, {170, 310}, {300, 310}, {170, 244}, {170, 254},
      {180, 300}, {300, 310}, {300, 310}, {304, 306}, {175, 201}, {212, 268}, {236, 244},
      {188, 240}, {300, 310}, {300, 240}, {201, 279}, {305, 175}, {305, 175}, {199, 281},
      {237, 243}, {300, 282}, {170, 180}, {305, 175}, {201, 305}, {188, 240}, {175, 292},
      {240, 188}, {240, 236}, {310, 170}, {180, 170}, {305, 240}, {198, 282}, {310, 170},
      {212, 268},
  };
  for (int n = 1; n <= 50; ++n) {
    EXPECT_EQ(Numeros("JUN", n, 118), (std::vector<int>{0, 0, 7, 0, gotas[n - 1][0], gotas[n - 1][1]}))
        << "JUN " << n;
  }
}

TEST_F(Niveles, podRecordsStartTheirCellListWithThePlantRoot) {
  // Fields 2-7 are 0 0 99 0 0 0; the first listed cell is the root.
  const int raices[25] = {300, 305, 301, 300, 305, 305, 304, 305, 310, 300, 305, 302, 300,
                          310, 302, 300, 305, 302, 305, 304, 305, 305, 305, 306, 305};
  for (int n = 1; n <= 25; ++n) {
    EXPECT_EQ(Numeros("POD", n, 168), (std::vector<int>{0, 0, 99, 0, 0, 0})) << "POD " << n;
    const std::vector<int> celdas = cat.Celdas(cat.Buscar("POD", n));
    ASSERT_FALSE(celdas.empty()) << "POD " << n;
    EXPECT_EQ(celdas.front(), raices[n - 1]) << "POD " << n;
  }
}

TEST_F(Niveles, givenCellListsReadThreeDigitsAtATime) {
  // The lists written out for ROT 34, GOT 1, JUN 2, POD 9 and POD 13; "0" is none.
  const auto celdas = [&](const char* tipo, int n) { return cat.Celdas(cat.Buscar(tipo, n)); };
  EXPECT_EQ(cat.Dato(cat.Buscar("ROT", 34), campo::kCeldas), "179225256279287");
  EXPECT_EQ(celdas("ROT", 34), (std::vector<int>{179, 225, 256, 279, 287}));
  EXPECT_EQ(celdas("GOT", 1), (std::vector<int>{232, 255}));
  EXPECT_EQ(celdas("JUN", 2), (std::vector<int>{226, 228, 252, 254}));
  EXPECT_EQ(celdas("POD", 9), (std::vector<int>{310, 192, 216, 240, 264, 288}));
  EXPECT_EQ(celdas("POD", 13), (std::vector<int>{300, 178, 179, 202, 203, 226, 227, 250, 251, 274, 275, 180}));
  EXPECT_EQ(cat.Dato(cat.Buscar("CLA", 1), campo::kCeldas), "0");
  EXPECT_TRUE(celdas("CLA", 1).empty());
}

TEST(NivelesTexto, fieldsAreCutByColumnAndTrimmed) {
  // Columns decide, not blanks: digits that touch are still two fields;
  // short lines give empty fields; '#' lines, blank lines and CR are skipped.
  const CatalogoNiveles cat(
      "# a comment line\r\n"
      "\n"
      "CLA  7    10     0     11   0       0      0          0\r\n"
      "GOT  123456789012345678901234567890123456789012345678901234\n"
      "ROT  3\n");
  ASSERT_EQ(cat.UltimoRegistro(), 2);
  EXPECT_EQ(cat.Registro(0), "CLA  7    10     0     11   0       0      0          0");
  EXPECT_EQ(cat.DatoNumero(0, campo::kLineas), 11);
  EXPECT_EQ(cat.Dato(0, campo::kCeldas), "0");
  const std::vector<std::string> campos{"12345", "6789012", "345678", "90123", "45678901",
                                        "2345678", "90123456789", "01234"};
  for (int c = campo::kNumero; c <= campo::kCeldas; ++c) {
    EXPECT_EQ(cat.Dato(1, c), campos[static_cast<size_t>(c - campo::kNumero)]) << "field " << c;
  }
  // A cell list that is not a multiple of three reads a shorter last index.
  EXPECT_EQ(cat.Celdas(1), (std::vector<int>{12, 34}));
  EXPECT_EQ(cat.Dato(2, campo::kLineas), "");
  EXPECT_EQ(cat.Buscar("ROT", 3), 2);
}

TEST(NivelesTexto, numbersReadTheirLeadingDigitsWithoutWrapping) {
  // Leading digits only, junk reads as 0; the lenient reader (stored
  // progress) also skips blanks and takes a sign; huge values saturate.
  // (-1: that text is not given to the strict reader.)
  for (const auto& [texto, estricto, leniente] : std::vector<std::tuple<const char*, int, long>>{
           {"08", 8, 8}, {"12x4", 12, 12}, {"x12", 0, 0}, {"", 0, 0}, {"-5", 0, -5}, {"  40", -1, 40},
           {"+12abc", -1, 12}, {"12 34", -1, 12}, {"-", -1, 0},
           {"300178179202203226227250251274275180", INT_MAX, LONG_MAX}}) {
    if (estricto >= 0) EXPECT_EQ(LeerNumero(texto), estricto) << texto;
    EXPECT_EQ(LeerNumeroLeniente(texto), leniente) << texto;
  }
  EXPECT_EQ(LeerNumeroLeniente("-99999999999999999999999"), LONG_MIN);
}

TEST(NivelesDeathTest, positionsAndRecordsOutsideTheCatalogueStopLoudly) {
  // Asking for a position or record that does not exist is a programming
  // error: the game stops with a message instead of reading past the end.
  const CatalogoNiveles cat;
  EXPECT_DEATH(cat.Clave(0), "level position 0");
  EXPECT_DEATH(cat.Clave(297), "level position 297");
  EXPECT_DEATH(cat.Dato(193, campo::kTipo), "level record 193");
}

}  // namespace
}  // namespace tumbla
