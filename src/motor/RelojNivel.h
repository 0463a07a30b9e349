// The level clock of the timed groups: the seconds a level allows from the
// moment it (re)started, read at every play tick, shown as "m:ss", blinking
// red in its last seconds. It goes on from what it shows after a pause, the
// level window or a box; an extra minute starts it again at one minute.
#pragma once

#include <cstdint>
#include <string>

namespace tumbla {

class RelojNivel {
 public:
  // Before any level: "0:00", shown.
  void Arrancar();
  // A level starts: with a clock of `segundos`, or none (0: hidden, and the
  // allowance of the last timed level stays).
  void Empezar(int segundos, double ahora);
  // The clock starts counting now, from what it allows.
  void Reiniciar(double ahora) { inicio_ = ahora; }
  // Goes on from the seconds it shows (a level without a clock just restarts).
  void Reanudar(double ahora);
  // An extra minute spent: one minute from now, and no more blinking.
  void MinutoExtra(double ahora);
  // A play tick reads it: the seconds left (below 1 when time is up).
  int64_t Correr(double ahora);
  void Ocultar() { visible_ = false; }
  void Apagar() { parpadeo_ = aviso_ = false; }

  bool Existe() const { return existe_; }
  bool Visible() const { return visible_; }
  // The frame's red phase in the last seconds.
  bool Parpadeo() const { return parpadeo_; }
  // In the last seconds, whatever the phase.
  bool Aviso() const { return aviso_; }
  // The seconds it shows (never below 0 on screen) and their text.
  int64_t Segundos() const { return mostrado_; }
  std::string Texto() const;

  static std::string TextoReloj(int64_t segundos);
  // "m:ss" read back; false (and nothing changed) for any other form.
  static bool LeerTextoReloj(const std::string& texto, int& segundos);

 private:
  double inicio_ = 0;       // monotonic seconds
  int16_t limite_ = 0;      // seconds allowed from inicio_
  int64_t mostrado_ = 0;    // seconds left when it last ran (-1 below zero)
  bool existe_ = true;      // the level has a clock
  bool visible_ = false;
  bool parpadeo_ = false;
  bool aviso_ = false;
};

}  // namespace tumbla
