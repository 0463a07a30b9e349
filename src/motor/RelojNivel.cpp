#include "motor/RelojNivel.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace tumbla {

namespace {

constexpr int kUmbralParpadeo = 16;

// Whole seconds in a span of the clock, for any span: beyond 2^53 s (where
// seconds stop being whole numbers) the count stays there, and a span that is
// no number counts as none.
int64_t SegundosTranscurridos(double segundos) {
  constexpr double kLimite = 9007199254740992.0;  // 2^53
  if (std::isnan(segundos)) return 0;
  return static_cast<int64_t>(std::clamp(std::floor(segundos), -kLimite, kLimite));
}

}  // namespace

void RelojNivel::Arrancar() {
  existe_ = visible_ = true;
  mostrado_ = 0;
}

void RelojNivel::Empezar(int segundos, double ahora) {
  existe_ = visible_ = segundos > 0;
  if (existe_) limite_ = static_cast<int16_t>(mostrado_ = segundos);
  inicio_ = ahora;
  parpadeo_ = aviso_ = false;
}

void RelojNivel::Reanudar(double ahora) {
  // The clock goes on from what it shows (at most what the limit holds).
  int segundos = 0;
  if (existe_ && LeerTextoReloj(TextoReloj(mostrado_), segundos)) {
    limite_ = static_cast<int16_t>(std::min<int>(segundos, INT16_MAX));
  }
  inicio_ = ahora;
}

void RelojNivel::MinutoExtra(double ahora) {
  mostrado_ = limite_ = 60;
  inicio_ = ahora;
  parpadeo_ = aviso_ = false;
}

int64_t RelojNivel::Correr(double ahora) {
  const int64_t quedan = limite_ - SegundosTranscurridos(ahora - inicio_);
  mostrado_ = std::max<int64_t>(quedan, -1);
  // The frame blinks by the parity of the seconds left: red on even.
  if (quedan < kUmbralParpadeo) {
    parpadeo_ = std::abs(quedan) % 2 != 1;
    aviso_ = true;
  }
  return quedan;
}

std::string RelojNivel::Texto() const { return existe_ ? TextoReloj(mostrado_) : ""; }

std::string RelojNivel::TextoReloj(int64_t segundos) {
  const int64_t t = std::clamp<int64_t>(segundos, 0, INT32_MAX);
  const int64_t s = t % 60;
  return std::to_string(t / 60) + ":" + (s < 10 ? "0" : "") + std::to_string(s);
}

bool RelojNivel::LeerTextoReloj(const std::string& texto, int& segundos) {
  const auto dosPuntos = texto.find(':');
  if (dosPuntos == std::string::npos || dosPuntos == 0 || dosPuntos > 3 || texto.size() != dosPuntos + 3) {
    return false;
  }
  for (size_t k = 0; k < texto.size(); ++k) {
    if (k != dosPuntos && (texto[k] < '0' || texto[k] > '9')) return false;
  }
  const int minutos = std::atoi(texto.substr(0, dosPuntos).c_str());
  const int s = std::atoi(texto.substr(dosPuntos + 1).c_str());
  if (s > 59) return false;
  segundos = minutos * 60 + s;
  return true;
}

}  // namespace tumbla
