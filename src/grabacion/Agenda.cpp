#include "grabacion/Agenda.h"

#include <algorithm>

namespace tumbla {

void Agenda::Poner(Temporizador t, bool activo, int intervaloMs) {
  Reloj& r = t_[static_cast<size_t>(t)];
  // An interval of 0 never fires.
  const bool marcha = activo && intervaloMs > 0;
  if (marcha && (!r.activo || r.intervalo != intervaloMs)) r.proximo = ahora_ + intervaloMs;
  r.activo = marcha;
  r.intervalo = intervaloMs;
}

int64_t Agenda::Proximo() const {
  int64_t p = kNunca;
  for (const Reloj& r : t_) {
    if (r.activo) p = std::min(p, r.proximo);
  }
  return p;
}

std::optional<Temporizador> Agenda::Siguiente(int64_t hasta, bool incluido) {
  size_t cual = t_.size();
  for (size_t k = 0; k < t_.size(); ++k) {
    if (t_[k].activo && (cual == t_.size() || t_[k].proximo < t_[cual].proximo)) cual = k;
  }
  if (cual == t_.size() || t_[cual].proximo > hasta || (!incluido && t_[cual].proximo == hasta)) {
    ahora_ = std::max(ahora_, hasta);
    return std::nullopt;
  }
  Reloj& r = t_[cual];
  ahora_ = std::max(ahora_, r.proximo);
  r.proximo += r.intervalo;
  return static_cast<Temporizador>(cual);
}

bool Agenda::Tomar(Temporizador t) {
  if (Falta(t) != 0) return false;
  Reloj& r = t_[static_cast<size_t>(t)];
  r.proximo += r.intervalo;
  return true;
}

int64_t Agenda::Falta(Temporizador t) const {
  const Reloj& r = t_[static_cast<size_t>(t)];
  return r.activo ? std::max<int64_t>(0, r.proximo - ahora_) : -1;
}

bool Agenda::Desfasar(Temporizador t, int64_t ms) {
  Reloj& r = t_[static_cast<size_t>(t)];
  if (!r.activo || ms < 0) return false;
  r.proximo = ahora_ + ms;
  return true;
}

}  // namespace tumbla
