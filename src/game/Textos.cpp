#include "game/Textos.h"

#include <vector>

namespace tumbla {

const Traductor& SinTraducir() {
  static const Traductor espanol;
  return espanol;
}

std::string Formato(std::string_view plantilla, std::initializer_list<std::string_view> valores) {
  const std::vector<std::string_view> v(valores);
  std::string r;
  r.reserve(plantilla.size() + 32);
  for (size_t i = 0; i < plantilla.size(); ++i) {
    const char c = plantilla[i];
    if (c == '%' && i + 1 < plantilla.size() && plantilla[i + 1] >= '1' && plantilla[i + 1] <= '9' &&
        static_cast<size_t>(plantilla[i + 1] - '1') < v.size()) {
      r += v[static_cast<size_t>(plantilla[++i] - '1')];
    } else {
      r += c;
    }
  }
  return r;
}

}  // namespace tumbla
