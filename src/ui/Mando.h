// Game pads: reads every attached game controller through SDL2 and turns what
// the player does on it into the game's commands, which the window hands to
// the game as it does a menu item's. A timer reads the pads; SDL opens no
// window and takes none of Qt's events, so the keyboard works as before.
// Without SDL2 at build time, or where SDL cannot start its controllers, the
// class is off: it reads nothing and emits nothing.
//
// The layout: the d-pad or the left stick moves left, right and a row down,
// repeating while held at the pace the player set for held keys; A turns, X
// turns the other way, B drops; the shoulders turn the square (left 3,
// right 4); Start pauses. Buttons act once per press.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

#include "game/Comando.h"

namespace tumbla::ui {

class Mando : public QObject {
  Q_OBJECT
 public:
  // The pace of a held direction, and how often the pads are read.
  struct Ritmo {
    std::chrono::milliseconds retardo{170};        // from the press to the first repeat
    std::chrono::milliseconds intervalo{33};       // then one move each
    std::chrono::milliseconds intervaloAbajo{33};  // ... and one row down each
    std::chrono::milliseconds sondeo{10};          // 0: no timer, the owner calls Sondear()
  };
  // A steady clock in milliseconds (none: the system's); tests drive their own.
  using Reloj = std::function<std::chrono::milliseconds()>;

  explicit Mando(QObject* parent = nullptr);
  Mando(const Ritmo& ritmo, Reloj reloj, QObject* parent = nullptr);
  ~Mando() override;

  // SDL's game controllers are up and the pads are read; when off, why not.
  bool activo() const { return estado_ != nullptr; }
  const QString& motivo() const { return motivo_; }
  // How many pads are open now.
  int mandos() const;
  bool suspendido() const { return suspendido_; }

  // The pace of a held direction (the polling stays as it is).
  void PonerRitmo(std::chrono::milliseconds retardo, std::chrono::milliseconds intervalo,
                  std::chrono::milliseconds intervaloAbajo);

  // While suspended the pads are not read (the window is in the background).
  // On resuming, whatever is held then counts as held before: only a new
  // press acts.
  void Suspender(bool suspender);

 public slots:
  // Reads the pads once: plugged and unplugged ones, presses and repeats.
  void Sondear();

 signals:
  // One command per press, and one per beat of a held direction: the
  // window hands each to the game as it does a menu item's.
  void comando(tumbla::Comando c);

 private:
  struct Estado;

  Ritmo ritmo_;
  Reloj reloj_;
  std::unique_ptr<Estado> estado_;
  QTimer temporizador_;
  QString motivo_;
  bool suspendido_ = false;
};

}  // namespace tumbla::ui
