#include "PlataformaFalsa.h"

namespace tumbla {

int PlataformaFalsa::aleatorio(Sorteo s, int n) {
  sorteos.push_back(s);
  if (n <= 0) return 0;
  if (!aleatorios.empty()) {
    int v = aleatorios.front();
    aleatorios.pop_front();
    return v % n;
  }
  return std::uniform_int_distribution<int>(0, n - 1)(generador);
}

}  // namespace tumbla
