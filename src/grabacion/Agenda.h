// The game's three timers as a host runs them: a schedule on a clock of whole
// milliseconds. A timer the game turns on, or gives another interval, fires
// first one interval later and then every interval; one that merely stays on
// keeps its rhythm. The host moves the clock and delivers each event due on
// the way at its own time and in order (two due at once: the play timer's,
// the drop's, then the extra blocks'), the clock standing at that time. None
// of the wall clock's jitter reaches the game, so a game run from a schedule
// plays again exactly from its inputs and their times alone: the window runs
// its game this way, and so do replays.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "motor/Plataforma.h"

namespace tumbla {

// A host's timers as a recording sees them: how long until a running
// timer's next event (0: due now, not yet delivered; -1: it does not run),
// and a running timer's next event moved to `ms` from now (a replay of a
// level that began within the rhythm another level left; false when it
// does not run).
class Horario {
 public:
  virtual ~Horario() = default;
  virtual int64_t Falta(Temporizador t) const = 0;
  virtual bool Desfasar(Temporizador t, int64_t ms) = 0;
};

class Agenda : public Horario {
 public:
  static constexpr int64_t kNunca = INT64_MAX;

  int64_t Ahora() const { return ahora_; }
  // The game set a timer (Plataforma::temporizador).
  void Poner(Temporizador t, bool activo, int intervaloMs);
  // The next event due before `hasta` (or at it, when `incluido`): the clock
  // moves to its time and the timer's schedule on by one interval. None left:
  // the clock moves on to `hasta` (never back).
  std::optional<Temporizador> Siguiente(int64_t hasta, bool incluido = true);
  // The event of `t` due now, taken before any other due now. False when
  // none is due now.
  bool Tomar(Temporizador t);
  // When the next event of any timer is due (kNunca: none runs).
  int64_t Proximo() const;
  int64_t Falta(Temporizador t) const override;
  bool Desfasar(Temporizador t, int64_t ms) override;

 private:
  struct Reloj {
    bool activo = false;
    int intervalo = 0;
    int64_t proximo = 0;
  };
  std::array<Reloj, 3> t_{};
  int64_t ahora_ = 0;
};

}  // namespace tumbla
