// What the headless tools share: the seed of a position's numbered game,
// many games played on several threads, and the numbers and positions of a
// command line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tumbla {

// The seed of game `numero` of a position, the same in the level check, the
// tuner and whatever replays their games.
uint64_t SemillaDePartida(int posicion, int numero);

// Runs `trabajo(j)` for every j in 0..total-1 on `hilos` threads (this one
// among them), each taking the next j left. The last exception a job threw
// is thrown again once every thread is done.
void EnHilos(size_t total, unsigned hilos, const std::function<void(size_t)>& trabajo);

// A tool's answer to a bad command line: prints the fault and the usage,
// and ends the program.
using FaltaDeUso = void (*)(const std::string& falta);

// `texto` as a whole number in minimo..maximo; otherwise `uso` gets
// "<que> fuera de minimo..maximo: '<texto>'".
int LeerEntero(const std::string& texto, int minimo, int maximo, const std::string& que, FaltaDeUso uso);
// "P" or "P-Q": the positions it names, added to `posiciones`.
void AnadirPosiciones(const std::string& texto, std::vector<int>& posiciones, FaltaDeUso uso);

}  // namespace tumbla
