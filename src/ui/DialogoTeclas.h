// "Teclas...": the keys of play, which the player may change. Each action
// shows its keys on a button; a click on it, then a key, gives the action
// that key, unless another action has it or the game keeps it for itself
// (a line under the list says which). "Predeterminadas" gives every action
// the game's own keys back. The game stores each change at once.
#pragma once

#include <QDialog>

#include <array>

#include "motor/Teclado.h"

class QLabel;
class QPushButton;

namespace tumbla {
class Juego;
}

namespace tumbla::ui {

class DialogoTeclas : public QDialog {
  Q_OBJECT
 public:
  DialogoTeclas(Juego& juego, QWidget* parent);

  // How a key shows in the window ("Flecha izquierda", "Espacio", "J").
  static QString NombreVisible(int codigo);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  void Actualizar();
  void Esperar(int accion);
  void Asignar(int codigo);

  Juego& juego_;
  std::array<QPushButton*, kAccionesTecla> botones_{};
  QLabel* aviso_ = nullptr;
  int esperando_ = -1;  // the action waiting for its key, -1 none
};

}  // namespace tumbla::ui
