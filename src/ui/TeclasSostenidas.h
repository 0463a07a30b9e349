// Held keys of play, timed by the game rather than by the desktop: a key
// acts once when it goes down; one that moves the piece acts again a delay
// later, and then at its rate until it comes up. The desktop's own repeats
// are ignored, whatever its settings. A move that fell due while the
// program was busy is made as soon as it runs again, so that the moves of a
// held key always match the clock.
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QTimer>

class QKeyEvent;

namespace tumbla::ui {

class TeclasSostenidas : public QObject {
  Q_OBJECT
 public:
  // How a held key repeats: the first repeat `retardo` ms after the press,
  // then `porSegundo` a second. A rate of 0: it does not repeat.
  struct Ritmo {
    int retardo = 0;
    int porSegundo = 0;
  };

  explicit TeclasSostenidas(QObject* padre);

  // A key went down on the board: true when it is a press the game must
  // act on now, false for a repeat of a key already held. `ritmo` is how
  // the key repeats while held.
  bool Bajada(const QKeyEvent& evento, int codigo, Ritmo ritmo);
  // A key came up: the moves due until now are made, and no more.
  void Subida(const QKeyEvent& evento);
  // The board lost the keyboard: every key counts as let go. A key still
  // down when the board has the keyboard again waits for a new press.
  void Soltar();

 signals:
  // A held key's repeat: the game gets that key again.
  void repeticion(int codigo);

 private:
  struct Tecla {
    int codigo = 0;
    Ritmo ritmo;
    qint64 desde = 0;      // ms of reloj_ when it went down
    int hechas = 0;        // moves made, the press's included
    bool abajo = false;
    quint64 suelta = 0;    // the time of its release, as the desktop gave it
  };
  // The moves a key held for `ms` has made: the press, then its repeats.
  static int Debidas(const Ritmo& ritmo, qint64 ms);
  // Makes every move due by now, and waits for the next one.
  void Alcanzar();
  void Programar();

  QHash<int, Tecla> teclas_;  // by Qt key
  QElapsedTimer reloj_;
  QTimer temporizador_;
};

}  // namespace tumbla::ui
