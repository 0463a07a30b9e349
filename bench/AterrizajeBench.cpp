// How long one landing takes that clears four rows: the tick that finds the
// piece cannot descend, writes it, runs the after-landing pass (four rows
// removed, the stack moved) and brings in the next piece.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "PlataformaFalsa.h"
#include "game/Juego.h"

namespace tumbla {
namespace {

void PrepararPozo(Juego& j) {
  Estado& e = j.estado();
  for (int i = 0; i < kCeldas; ++i) {
    const bool muro = Columna(i) == 0 || Columna(i) == 12 || Fila(i) == 24;
    j.EscribirCelda(i, muro ? kMuro : kLibre, kSinImagen);
  }
  // Rows 20..23 full but for column 6, some rubble above.
  for (int fila = 20; fila <= 23; ++fila) {
    for (int c = 1; c <= 11; ++c) {
      if (c != 6) j.EscribirCelda(fila * kAncho + c, static_cast<int16_t>(1 + c % 7));
    }
  }
  for (int c = 1; c <= 11; c += 2) j.EscribirCelda(19 * kAncho + c, 3);
  e.ModoClasico = true;
  e.Jugando = true;
  e.BorrarCada = 1;
  e.LineasRestantes = 99;
  e.FichaSiguiente = 64;
  // An upright I (U2, U1, 0, D1) standing in the well, about to land.
  e.Ficha = e.FichaAnterior = 63;
  e.Posicion = e.PosicionAnterior = 22 * kAncho + 6;
  e.FichaActiva = true;
  j.Redibujar(63, 63);
  j.PonerTemporizador(Temporizador::Juego, true, 300);
}

void BM_AterrizajeConCuatroFilas(benchmark::State& state) {
  PlataformaFalsa plataforma;
  const auto ruta = std::filesystem::temp_directory_path() / "tumbla-bench.ini";
  Juego juego(plataforma, ruta.string());
  juego.FijarJuegoFichas(0);
  for (auto _ : state) {
    state.PauseTiming();
    PrepararPozo(juego);
    state.ResumeTiming();
    juego.TickJuego();
    benchmark::DoNotOptimize(juego.estado().Puntos);
  }
  if (juego.estado().LineasRestantes != 95) state.SkipWithError("the landing did not clear four rows");
}
BENCHMARK(BM_AterrizajeConCuatroFilas);

}  // namespace
}  // namespace tumbla
