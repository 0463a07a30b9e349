// How long one landing takes that clears four rows: the tick that finds the
// piece cannot descend, writes it, runs the after-landing pass (four rows
// removed, the stack moved) and brings in the next piece.
#include <benchmark/benchmark.h>

#include "Escena.h"

namespace tumbla {
namespace {

void BM_AterrizajeConCuatroFilas(benchmark::State& state) {
  Escena escena;
  for (auto _ : state) {
    state.PauseTiming();
    // Rows 20..23 full but for column 6, some rubble above, and an upright
    // I (U2, U1, 0, D1) standing in the well, about to land.
    escena
        .Tablero(19, {"3.3.3.3.3.3", "23456.12345", "23456.12345", "23456.12345", "23456.12345"})
        .Ficha(63, 22 * kAncho + 6)
        .Siguiente(64)
        .Lineas(99);
    escena.plataforma.sonidos.clear();
    state.ResumeTiming();
    escena.juego->Disparar(Temporizador::Juego);
    benchmark::DoNotOptimize(escena.v().marcador().puntos);
  }
  if (escena.v().mesa().lineasRestantes != 95) state.SkipWithError("the landing did not clear four rows");
}
BENCHMARK(BM_AterrizajeConCuatroFilas);

}  // namespace
}  // namespace tumbla
