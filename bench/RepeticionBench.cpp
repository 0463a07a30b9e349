// A long replay as a player keeps and watches it: a game of at least ten
// minutes (the computer player at a slow person's pace, on the first level
// that lasts that long), the size of its file, and how long it takes to go
// to its end from its start, as the seek bar's end does.
#include <benchmark/benchmark.h>

#include <optional>

#include "autoplay/PartidaAutomatica.h"
#include "levels/Niveles.h"
#include "replay/Reproductor.h"

namespace tumbla {
namespace {

constexpr int64_t kDiezMinutos = 600000;

const Grabacion& PartidaLarga() {
  static const std::optional<Grabacion> larga = [] {
    std::optional<Grabacion> mejor;
    for (int posicion = 1; posicion <= kNumNiveles; ++posicion) {
      OpcionesPartida o;
      o.posicion = posicion;
      o.semilla = 90001;
      o.ritmoPersona = true;
      o.pensarMs = 2500;
      o.teclaMs = 250;
      std::optional<Grabacion> g;
      o.repeticion = [&g](Grabacion x) { g = std::move(x); };
      JugarPartida(o);
      if (g && (!mejor || g->resumen.duracionMs > mejor->resumen.duracionMs)) mejor = std::move(g);
      if (mejor && mejor->resumen.duracionMs >= kDiezMinutos) break;
    }
    return mejor;
  }();
  return larga.value();
}

void BM_IrAlFinalDeUnaPartidaLarga(benchmark::State& state) {
  const Grabacion& g = PartidaLarga();
  for (auto _ : state) {
    state.PauseTiming();
    Reproductor r(g);
    state.ResumeTiming();
    r.Ir(r.Duracion());
    benchmark::DoNotOptimize(r.juego().vista().mesa().fichasEntradas);
  }
  state.counters["minutos"] = static_cast<double>(g.resumen.duracionMs) / 60000.0;
  state.counters["bytes"] = static_cast<double>(EscribirRepeticion(g, HuellaNiveles(CatalogoNiveles())).size());
  state.SetLabel(g.resumen.clave);
}
BENCHMARK(BM_IrAlFinalDeUnaPartidaLarga)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tumbla
