// The game's seven sound effects (101..107), played from the WAV files built
// into the program. One QSoundEffect per effect, created on first use and
// kept, so a sound starts without delay the next time. Without an audio
// device Qt logs a warning and plays nothing: the game stays silent and
// carries on.
#pragma once

#include <QObject>

#include <array>

class QSoundEffect;

namespace tumbla::ui {

class ReproductorSonidos : public QObject {
  Q_OBJECT
 public:
  static constexpr int kPrimero = 101;
  static constexpr int kUltimo = 107;
  static constexpr int kCantidad = kUltimo - kPrimero + 1;

  explicit ReproductorSonidos(QObject* parent = nullptr);

  // Plays effect `id` and returns at once. A new sound cuts off the one
  // playing; nothing queues. With `encendido` false nothing is played and
  // nothing is loaded. Unknown ids are ignored.
  void Reproducir(int id, bool encendido);
  // Loads all seven effects, so the first sounds of a level start on time.
  void Precargar();

  // How many effects have been loaded so far (0..7).
  int Cargados() const;
  // The effect last asked to play, 0 when none yet.
  int Ultimo() const { return ultimo_; }

 private:
  QSoundEffect* Efecto(int id);

  std::array<QSoundEffect*, kCantidad> efectos_{};
  int ultimo_ = 0;
};

}  // namespace tumbla::ui
