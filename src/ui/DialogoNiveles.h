// The level-selection window: fifty numbered, coloured level buttons (in the
// player's palette) in five rows of ten, a scroll bar over the 296 levels, the red frame round the
// selected button and a data line under the grid. All its logic lives in the
// game's SelectorNiveles: this window paints that model and forwards every
// key (as the input table's command), pointer move, click and scroll to it. The input that ends the window
// (a level chosen, Escape, the close box) gives the model's answer, which
// goes out through `eleccion`; the platform hands it to the game and then
// closes the window.
#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

#include "motor/SelectorNiveles.h"
#include "motor/Teclado.h"
#include "ui/Paleta.h"

class QAbstractButton;
class QLabel;
class QPushButton;
class QScrollBar;

namespace tumbla::ui {

class PaginaPaquetes;

class DialogoNiveles : public QDialog {
  Q_OBJECT
 public:
  // Painted in the palette of `colores`; its keys are the input table's
  // (`teclado`).
  DialogoNiveles(SelectorNiveles& modelo, const Teclado& teclado, QWidget* parent, Colores colores = Colores::Propios);
  // The page of the player's packs, reached with "Mis paquetes..." in a
  // strip under the levels; it answers through `eleccion` too.
  void PonerPaquetes(PaginaPaquetes* pagina);
  PaginaPaquetes* paquetes() const { return pagina_; }

  // The window's close button: back to the game as it was.
  void reject() override;
  // For scripts and the measuring aid: position p chosen as a player would.
  void ElegirPosicion(int p);

 signals:
  // The model's answer: a level to play, or back to the game.
  void eleccion(const tumbla::Eleccion& eleccion);

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void wheelEvent(QWheelEvent* evento) override;
  void paintEvent(QPaintEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;
  void showEvent(QShowEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  SelectorNiveles& Modelo() { return modelo_; }
  // Hands on the model's answer, if the input gave one.
  void Responder(const Eleccion& respuesta);
  // Copies the model into the buttons, the scroll bar, the data line and
  // the caption, and repaints the frame.
  void Actualizar();
  void Colocar();
  // The pointer is over button i, or over the background (-1).
  void PunteroSobre(int i);
  QRect Rectangulo(int izquierda, int arriba, int ancho, int alto) const;

  SelectorNiveles& modelo_;
  const Teclado& teclado_;
  const Paleta& paleta_;
  std::array<QAbstractButton*, 50> cmdNivel_{};
  QScrollBar* scrNiveles_ = nullptr;
  QLabel* lblDatos_ = nullptr;
  PaginaPaquetes* pagina_ = nullptr;
  QPushButton* botonPaquetes_ = nullptr;
  int franja_ = 0;       // pixels under the levels' layout for the packs' button
  double escala_ = 1.0;  // pixels per twip
  bool copiando_ = false;  // the scroll bar is being set from the model
  int punteroSobre_ = -2;  // button under the pointer, -1 background
};

}  // namespace tumbla::ui
