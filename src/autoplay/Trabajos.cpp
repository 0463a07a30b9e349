#include "autoplay/Trabajos.h"

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "levels/Niveles.h"

namespace tumbla {

uint64_t SemillaDePartida(int posicion, int numero) {
  return (static_cast<uint64_t>(posicion) << 32) | static_cast<uint32_t>(numero);
}

void EnHilos(size_t total, unsigned hilos, const std::function<void(size_t)>& trabajo) {
  std::atomic<size_t> siguiente{0};
  std::mutex errorMutex;
  std::string error;
  auto obrero = [&] {
    for (size_t j = siguiente++; j < total; j = siguiente++) {
      try {
        trabajo(j);
      } catch (const std::exception& e) {
        std::lock_guard<std::mutex> l(errorMutex);
        error = e.what();
      }
    }
  };
  std::vector<std::thread> grupo;
  for (unsigned h = 1; h < hilos; ++h) grupo.emplace_back(obrero);
  obrero();
  for (auto& h : grupo) h.join();
  if (!error.empty()) throw std::runtime_error(error);
}

int LeerEntero(const std::string& texto, int minimo, int maximo, const std::string& que, FaltaDeUso uso) {
  char* fin = nullptr;
  const long v = std::strtol(texto.c_str(), &fin, 10);
  if (texto.empty() || *fin != '\0' || v < minimo || v > maximo) {
    uso(que + " fuera de " + std::to_string(minimo) + ".." + std::to_string(maximo) + ": '" + texto + "'");
    std::abort();  // `uso` does not come back
  }
  return static_cast<int>(v);
}

void AnadirPosiciones(const std::string& texto, std::vector<int>& posiciones, FaltaDeUso uso) {
  const auto guion = texto.find('-');
  const int desde = LeerEntero(texto.substr(0, guion), 1, kNumNiveles, "posicion", uso);
  const int hasta =
      guion == std::string::npos ? desde : LeerEntero(texto.substr(guion + 1), desde, kNumNiveles, "posicion", uso);
  for (int p = desde; p <= hasta; ++p) posiciones.push_back(p);
}

}  // namespace tumbla
