// Share codes from any text, and any bytes past the code's CRC: they read
// without a fault, and a level they give is one the game can play, with a
// proof the replay runner finds winning.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editor/CodigoCompartir.h"

using namespace tumbla;

namespace {

void Comprobar(const LecturaCodigo& l) {
  if (l.error.empty() == !l.nivel.prueba) std::abort();
  if (l.error.empty() && (!Faltas(l.nivel.nivel).empty() || VerificarPrueba(l.nivel.nivel, *l.nivel.prueba) != "")) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
  const std::string_view entrada(reinterpret_cast<const char*>(datos), tamano);
  Comprobar(LeerCodigo(entrada));
  Comprobar(LeerBytesCodigo(entrada));
  return 0;
}
