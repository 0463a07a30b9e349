// A replay script from any text, under lower limits than the program's to
// keep every run short: the runner ends with 0, or 2 and a one-line message,
// never with an internal error, a crash or a hang.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "replay/EjecutorGuion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
  std::ostringstream informe, errores;
  const int salida = tumbla::EjecutarTextoGuion(std::string(reinterpret_cast<const char*>(datos), tamano), informe,
                                                errores, tumbla::LimitesGuion{5000, 5000});
  const std::string mensaje = errores.str();
  const bool unaLinea = !mensaje.empty() && mensaje.find('\n') == mensaje.size() - 1;
  if (salida == 0 ? !mensaje.empty() : salida != 2 || !unaLinea) std::abort();
  return 0;
}
