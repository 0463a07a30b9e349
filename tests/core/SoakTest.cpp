// Soak: every one of the 296 levels played by random input, with the game's
// invariants checked after every event; the recorder that writes a run as a
// replay script; and the checks themselves, shown to catch broken states.
//
// Environment (all optional):
//   TUMBLA_SOAK_EVENTOS   events over all 296 runs (default 45000; `make soak`
//                         asks for a million or more)
//   TUMBLA_SOAK_SEMILLA   base seed, decimal or 0x-hex (default fixed; "azar"
//                         draws one from the clock)
//   TUMBLA_SOAK_RUN       SEED:LEVEL:EVENTS[:anidar] plays that single run
//                         again (seed in hex, as printed)
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>

#include "Comprobaciones.h"
#include "Escena.h"
#include "Invariantes.h"
#include "Soak.h"
#include "game/Juego.h"
#include "replay/Volcado.h"

namespace tumbla {
namespace {

constexpr long kEventosPorDefecto = 45000;
constexpr uint64_t kSemillaPorDefecto = 0x70b1a5eedULL;

uint64_t Mezclar(uint64_t x) {
  // splitmix64: neighbouring bases and levels give unrelated run seeds
  x += 0x9e3779b97f4a7c15ULL;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
  return x ^ (x >> 31);
}

std::string Hex(uint64_t v) {
  char t[24];
  std::snprintf(t, sizeof t, "%016llx", static_cast<unsigned long long>(v));
  return t;
}

const char* Entorno(const char* nombre) {
  const char* v = std::getenv(nombre);
  return v != nullptr && *v != '\0' ? v : nullptr;
}

struct Resultado {
  long eventos = 0;
  int empezados = 0;
  int completados = 0;
  std::string fallo;  // empty when every check held
};

// Plays one run and reports the first broken rule, writing its script.
Resultado Correr(uint64_t semilla, int nivel, long eventos, std::set<int>* jugados,
                 bool anidar = false) {
  Resultado r;
  Soak soak(semilla, nivel, anidar);
  std::string mal = soak.Comprobar();
  if (jugados != nullptr && soak.juego().estado().Jugando) jugados->insert(soak.juego().estado().NivelActual);
  while (mal.empty() && soak.Eventos() < eventos) {
    mal = soak.Evento();
    if (jugados != nullptr && soak.juego().estado().Jugando) jugados->insert(soak.juego().estado().NivelActual);
  }
  r.eventos = soak.Eventos();
  r.empezados = soak.NivelesEmpezados();
  r.completados = soak.NivelesCompletados();
  if (!mal.empty()) {
    const std::string guion = "soak-" + Hex(semilla) + ".rep";
    soak.GuardarGuion(guion);
    r.fallo = "run " + Hex(semilla) + " (first level " + std::to_string(nivel) + "), event " +
              std::to_string(soak.Eventos()) + " `" + soak.UltimoComando() + "`:\n" + mal +
              "replay it: tumbla-replay " + (std::filesystem::current_path() / guion).string() +
              "\nor: TUMBLA_SOAK_RUN=" + Hex(semilla) + ":" + std::to_string(nivel) + ":" +
              std::to_string(soak.Eventos()) + (anidar ? ":anidar" : "") + "\n";
  }
  return r;
}

TEST(Soak, EveryLevelKeepsItsInvariantsUnderRandomInput) {
  if (const char* run = Entorno("TUMBLA_SOAK_RUN")) {
    unsigned long long semilla = 0;
    int nivel = 1;
    long eventos = 0;
    ASSERT_EQ(std::sscanf(run, "%llx:%d:%ld", &semilla, &nivel, &eventos), 3) << "SEED:LEVEL:EVENTS";
    const bool anidar = std::string(run).find(":anidar") != std::string::npos;
    const Resultado r = Correr(semilla, nivel, eventos, nullptr, anidar);
    std::cout << "soak: run " << Hex(semilla) << " played " << r.eventos << " events\n";
    EXPECT_EQ(r.fallo, "");
    return;
  }

  long total = kEventosPorDefecto;
  if (const char* t = Entorno("TUMBLA_SOAK_EVENTOS")) total = std::atol(t);
  uint64_t base = kSemillaPorDefecto;
  if (const char* s = Entorno("TUMBLA_SOAK_SEMILLA")) {
    base = std::string(s) == "azar"
               ? static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())
               : std::strtoull(s, nullptr, 0);
  }
  const long porNivel = std::max(50L, total / kNumNiveles);
  std::cout << "soak: base seed 0x" << Hex(base) << ", " << porNivel << " events per level\n";

  const auto inicio = std::chrono::steady_clock::now();
  Resultado suma;
  std::set<int> jugados;
  int fallos = 0;
  for (int nivel = 1; nivel <= kNumNiveles && fallos < 3; ++nivel) {
    const uint64_t semilla = Mezclar(base ^ static_cast<uint64_t>(nivel));
    // Every third run also lets the timers fire under boxes and windows.
    const bool anidar = nivel % 3 == 0;
    const Resultado r = Correr(semilla, nivel, porNivel, &jugados, anidar);
    std::cout << "soak: level " << nivel << " seed " << Hex(semilla) << (anidar ? " nested" : "")
              << " events " << r.eventos
              << " levels started " << r.empezados << " completed " << r.completados
              << (r.fallo.empty() ? "" : " FAILED") << '\n';
    suma.eventos += r.eventos;
    suma.empezados += r.empezados;
    suma.completados += r.completados;
    if (!r.fallo.empty()) {
      ++fallos;
      ADD_FAILURE() << r.fallo;
    }
  }
  const double segundos =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
  std::cout << "soak: played " << suma.eventos << " events in " << segundos << " s; "
            << suma.empezados << " levels started, " << suma.completados << " completed, "
            << jugados.size() << " different levels in play\n";
  EXPECT_EQ(fallos, 0);
  // Every first level was in play.
  EXPECT_EQ(jugados.size(), static_cast<size_t>(kNumNiveles));
  // A long soak also wins levels (the shutter, ENTER, the next level).
  if (total >= 500000) {
    EXPECT_GT(suma.completados, 0);
  }
}

// ---------------------------------------------------------------------------
// The recorder: a run written as a script and replayed by tumbla-replay ends
// in the very state the run itself reached.

std::string UltimoVolcado(const std::string& informe) {
  const auto fin = informe.rfind("\nend\n");
  if (fin == std::string::npos) return {};
  auto inicio = informe.rfind("\nlevel ", fin);
  inicio = inicio == std::string::npos ? 0 : inicio + 1;
  return informe.substr(inicio, fin + 5 - inicio);
}

TEST(Soak, RecordedRunsReplayToTheSameState) {
#ifndef TUMBLA_REPLAY
  GTEST_SKIP() << "tumbla-replay is not built";
#else
  const auto carpeta = std::filesystem::temp_directory_path() /
                       ("tumbla-soak-guion-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::filesystem::create_directories(carpeta);
  // Levels of different groups: classic, drops, square board, plant.
  for (const int nivel : {1, 9, 60, 150, 230, 296}) {
    SCOPED_TRACE("first level " + std::to_string(nivel));
    Soak soak(Mezclar(0x5eed0000ULL + static_cast<uint64_t>(nivel)), nivel);
    std::string mal = soak.Comprobar();
    while (mal.empty() && soak.Eventos() < 1500) mal = soak.Evento();
    ASSERT_EQ(mal, "");

    const auto guion = carpeta / ("run-" + std::to_string(nivel) + ".rep");
    const auto salida = carpeta / ("run-" + std::to_string(nivel) + ".out");
    soak.GuardarGuion(guion);
    const std::string orden = std::string("\"") + TUMBLA_REPLAY + "\" \"" + guion.string() + "\" > \"" +
                              salida.string() + "\"";
    ASSERT_EQ(std::system(orden.c_str()), 0) << orden;

    std::ifstream f(salida, std::ios::binary);
    const std::string informe((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    std::ostringstream esperado;
    EscribirVolcado(esperado, soak.juego(), soak.Ini());
    EXPECT_EQ(UltimoVolcado(informe), esperado.str());
    // The script is a real session: draws, level choices, keys and ticks.
    const std::string& g = soak.Guion();
    EXPECT_NE(g.find("\nrand "), std::string::npos);
    EXPECT_NE(g.find("\nwindow "), std::string::npos);
    EXPECT_NE(g.find("\ntick juego\n"), std::string::npos);
    EXPECT_NE(g.find("\nkey "), std::string::npos);
  }
  std::error_code ec;
  std::filesystem::remove_all(carpeta, ec);
#endif
}

// ---------------------------------------------------------------------------
// The checks catch what they are there for.

class InvariantesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    escena.TableroVacio();
    escena.Entrar(63);
    ASSERT_EQ(inv.Comprobar(*escena.juego, false), "");
  }
  std::string Comprobar() { return inv.Comprobar(*escena.juego, false); }

  Escena escena;
  Invariantes inv;
};

TEST_F(InvariantesTest, BrokenBoardsAreReported) {
  Juego& j = *escena.juego;
  // A wall cell emptied.
  j.EscribirCelda(13, kLibre, kSinImagen);
  EXPECT_NE(Comprobar().find("frame cell 13 holds 0"), std::string::npos);
  j.EscribirCelda(13, kMuro, kSinImagen);
  EXPECT_EQ(Comprobar(), "");
  // A picture that is not its cell's value.
  j.DibujarImagen(300, 3);
  EXPECT_NE(Comprobar().find("cell 300 shows 3, expected 0"), std::string::npos);
  j.OcultarImagen(300);
  // A value outside the game's range.
  j.EscribirCelda(301, 22, 1);
  EXPECT_NE(Comprobar().find("cell 301 holds 22"), std::string::npos);
  j.EscribirCelda(301, kLibre);
  // The falling piece written into the board.
  const int celda = escena.e().Posicion + j.catalogo().Desplazamiento(escena.e().Ficha, 1);
  j.EscribirCelda(celda, static_cast<int16_t>(j.catalogo().Color(escena.e().Ficha)));
  EXPECT_NE(Comprobar().find("falling piece overlaps cell " + std::to_string(celda)), std::string::npos);
  j.EscribirCelda(celda, kLibre);
  j.DibujarImagen(celda, static_cast<int8_t>(j.catalogo().Color(escena.e().Ficha)));
  EXPECT_EQ(Comprobar(), "");
}

TEST_F(InvariantesTest, BrokenDropsPlantAndCountersAreReported) {
  Juego& j = *escena.juego;
  Estado& e = escena.e();
  e.ModoClasico = false;
  e.ModoGoteator = true;
  j.EscribirCelda(300, kGotaAzul);
  e.CeldaGota = 300;
  EXPECT_EQ(Comprobar(), "");
  j.EscribirCelda(301, kGotaAzul);
  EXPECT_NE(Comprobar().find("2 blue drops"), std::string::npos);
  j.EscribirCelda(301, kLibre);
  e.CeldaGota = 287;
  EXPECT_NE(Comprobar().find("CeldaGota 287 but the blue drop is at 300"), std::string::npos);
  e.CeldaGota = 300;

  e.ModoGoteator = false;
  e.ModoPodator = true;
  j.EscribirCelda(300, kMaceta);
  j.EscribirCelda(287, kFlorBlanca);
  e.Planta = {300, 287};
  e.CeldaGota = 287;
  EXPECT_EQ(Comprobar(), "");
  e.Planta.push_back(274);  // a cell that holds no plant
  EXPECT_NE(Comprobar().find("plant entry 2 (cell 274) holds 0"), std::string::npos);
  e.Planta.pop_back();
  e.ModoPodator = false;
  e.ModoClasico = true;
  j.EscribirCelda(300, kLibre);
  j.EscribirCelda(287, kLibre);

  e.Puntos = 100;
  EXPECT_EQ(Comprobar(), "");
  e.Puntos = 95;
  EXPECT_NE(Comprobar().find("the score fell from 100 to 95"), std::string::npos);
  // Unless the event started a level.
  e.Puntos = 0;
  EXPECT_EQ(inv.Comprobar(j, true), "");

  e.CargaTorpedo = 46;
  EXPECT_NE(Comprobar().find("CargaTorpedo 46"), std::string::npos);
  e.CargaTorpedo = 0;
  j.PonerTemporizador(Temporizador::Juego, true, 47);
  EXPECT_NE(Comprobar().find("timJuego interval 47"), std::string::npos);
  j.PonerTemporizador(Temporizador::Juego, false, 300);
  EXPECT_NE(Comprobar().find("a level in play with timJuego off"), std::string::npos);
  j.PonerTemporizador(Temporizador::Juego, true, 300);
  e.EnTurno = true;
  EXPECT_NE(Comprobar().find("EnTurno left set"), std::string::npos);
  e.EnTurno = false;
  e.MinutosExtra = -1;
  EXPECT_NE(Comprobar().find("MinutosExtra -1"), std::string::npos);
}

}  // namespace
}  // namespace tumbla
