// "Teclas...": the keys of play, which the player may change. Each action
// shows its keys on a button; a click on it, then a key, gives the action
// that key, unless another action has it or the game keeps it for itself
// (a line under the list says which). Below, how a held key repeats: the
// wait before the first repeat, the repeats a second, and the rows a second
// of a held Down. "Predeterminadas" gives back the game's own keys and
// pace. The game stores each change at once.
#pragma once

#include <QDialog>

#include <array>

#include "motor/Teclado.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace tumbla {
class Grabadora;
class Juego;
}

namespace tumbla::ui {

class DialogoTeclas : public QDialog {
  Q_OBJECT
 public:
  // The keys change through the game's recorder (a replay presses them too).
  DialogoTeclas(Grabadora& grabadora, QWidget* parent);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void Actualizar();
  void Esperar(int accion);
  void Asignar(int codigo);

  Grabadora& grabadora_;
  Juego& juego_;
  void CambiarRitmo();

  std::array<QPushButton*, kAccionesTecla> botones_{};
  std::array<QSpinBox*, 3> ritmo_{};  // the delay, the repeats a second, the rows a second down
  QLabel* aviso_ = nullptr;
  int esperando_ = -1;  // the action waiting for its key, -1 none
};

}  // namespace tumbla::ui
