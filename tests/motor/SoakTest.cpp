// The soak: every one of the 296 levels played by random input, with the
// game's invariants checked after every event, and a run written as a
// replay script that tumbla-replay plays to the same end.
//
// Environment (all optional):
//   TUMBLA_SOAK_EVENTOS   events over all 296 runs (default 45000; `make soak`
//                         asks for a million or more)
//   TUMBLA_SOAK_SEMILLA   base seed, decimal or 0x-hex ("azar": from the clock)
//   TUMBLA_SOAK_RUN       SEED:LEVEL:EVENTS[:anidar] plays that single run again
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

#include "Soak.h"
#include "motor/Juego.h"
#include "replay/Volcado.h"

namespace tumbla {
namespace {

uint64_t Mezclar(uint64_t x) {
  // splitmix64: neighbouring levels give unrelated run seeds
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

// Plays one run; on a broken rule writes its script and says how to replay it.
std::string Correr(uint64_t semilla, int nivel, long eventos, bool anidar, long& jugados, int& completados) {
  Soak soak(semilla, nivel, anidar);
  std::string mal = soak.Comprobar();
  while (mal.empty() && soak.Eventos() < eventos) mal = soak.Evento();
  jugados += soak.Eventos();
  completados += soak.NivelesCompletados();
  if (mal.empty()) return {};
  const std::string guion = "soak-" + Hex(semilla) + ".rep";
  soak.GuardarGuion(guion);
  return "run " + Hex(semilla) + " (level " + std::to_string(nivel) + "), event " + std::to_string(soak.Eventos()) +
         ":\n" + mal + "replay it: tumbla-replay " + (std::filesystem::current_path() / guion).string() +
         "\nor: TUMBLA_SOAK_RUN=" + Hex(semilla) + ":" + std::to_string(nivel) + ":" +
         std::to_string(soak.Eventos()) + (anidar ? ":anidar" : "") + "\n";
}

TEST(Soak, cadaNivelGuardaSusInvariantesConEntradasAlAzar) {
  long jugados = 0;
  int completados = 0;
  if (const char* run = Entorno("TUMBLA_SOAK_RUN")) {
    unsigned long long semilla = 0;
    int nivel = 1;
    long eventos = 0;
    ASSERT_EQ(std::sscanf(run, "%llx:%d:%ld", &semilla, &nivel, &eventos), 3) << "SEED:LEVEL:EVENTS";
    const bool anidar = std::string(run).find(":anidar") != std::string::npos;
    EXPECT_EQ(Correr(semilla, nivel, eventos, anidar, jugados, completados), "");
    return;
  }
  long total = 45000;
  if (const char* t = Entorno("TUMBLA_SOAK_EVENTOS")) total = std::atol(t);
  uint64_t base = 0x70b1a5eedULL;
  if (const char* s = Entorno("TUMBLA_SOAK_SEMILLA")) {
    base = std::string(s) == "azar"
               ? static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())
               : std::strtoull(s, nullptr, 0);
  }
  std::cout << "soak: base seed 0x" << Hex(base) << '\n';
  int fallos = 0;
  for (int nivel = 1; nivel <= kNumNiveles && fallos < 3; ++nivel) {
    // Every third run also lets the timers fire under boxes and windows.
    const std::string fallo = Correr(Mezclar(base ^ static_cast<uint64_t>(nivel)), nivel,
                                     std::max(50L, total / kNumNiveles), nivel % 3 == 0, jugados, completados);
    if (!fallo.empty()) {
      ++fallos;
      ADD_FAILURE() << fallo;
    }
  }
  std::cout << "soak: played " << jugados << " events, " << completados << " levels completed\n";
  // The computer player steers most runs: levels are won too.
  EXPECT_GT(completados, 0);
}

TEST(Soak, unaPartidaGrabadaSeRepiteHastaElMismoEstado) {
#ifndef TUMBLA_REPLAY
  GTEST_SKIP() << "tumbla-replay is not built";
#else
  // Levels of different groups: classic, drops, square board, plant.
  for (const int nivel : {1, 9, 60, 150, 230, 296}) {
    SCOPED_TRACE("level " + std::to_string(nivel));
    Soak soak(Mezclar(0x5eed0000ULL + static_cast<uint64_t>(nivel)), nivel);
    std::string mal = soak.Comprobar();
    while (mal.empty() && soak.Eventos() < 1500) mal = soak.Evento();
    ASSERT_EQ(mal, "");
    const auto guion = std::filesystem::temp_directory_path() / ("tumbla-soak-" + Hex(soak.Semilla()) + ".rep");
    soak.GuardarGuion(guion);
    const std::string orden = std::string("\"") + TUMBLA_REPLAY + "\" \"" + guion.string() + "\"";
    std::FILE* tubo = popen(orden.c_str(), "r");
    ASSERT_NE(tubo, nullptr);
    std::string informe;
    char bloque[4096];
    for (size_t n; (n = std::fread(bloque, 1, sizeof bloque, tubo)) > 0;) informe.append(bloque, n);
    ASSERT_EQ(pclose(tubo), 0);
    std::filesystem::remove(guion);
    std::ostringstream esperado;
    EscribirVolcado(esperado, soak.juego(), soak.Ini());
    const auto inicio = informe.rfind("\nlevel ");
    ASSERT_NE(inicio, std::string::npos);
    EXPECT_EQ(informe.substr(inicio + 1), esperado.str());
  }
#endif
}

}  // namespace
}  // namespace tumbla
