// The level-selection window: fifty numbered, coloured level buttons in five
// rows of ten, a scroll bar over the 296 levels, the red frame round the
// selected button and a data line under the grid. All its logic lives in the
// game's SelectorNiveles: this window paints that model and forwards every
// key, pointer move, click and scroll to it. The game closes the window
// through its platform (a level was chosen, or Escape continued the game).
#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

class QAbstractButton;
class QLabel;
class QScrollBar;

namespace tumbla {
class Juego;
class SelectorNiveles;
}  // namespace tumbla

namespace tumbla::ui {

class DialogoNiveles : public QDialog {
  Q_OBJECT
 public:
  DialogoNiveles(tumbla::Juego& juego, QWidget* parent);

  // Closing the window (Escape, its close button) continues the game
  // through the model, which then asks the platform to close it.
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void wheelEvent(QWheelEvent* evento) override;
  void paintEvent(QPaintEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;
  void showEvent(QShowEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  SelectorNiveles& Modelo();
  // Copies the model into the buttons, the scroll bar, the data line and
  // the caption, and repaints the frame.
  void Actualizar();
  void Colocar();
  // The pointer is over button i, or over the background (-1).
  void PunteroSobre(int i);
  QRect Rectangulo(int izquierda, int arriba, int ancho, int alto) const;

  tumbla::Juego& juego_;
  std::array<QAbstractButton*, 50> cmdNivel_{};
  QScrollBar* scrNiveles_ = nullptr;
  QLabel* lblDatos_ = nullptr;
  double escala_ = 1.0;  // pixels per twip
  bool copiando_ = false;  // the scroll bar is being set from the model
  int punteroSobre_ = -2;  // button under the pointer, -1 background
};

}  // namespace tumbla::ui
