// The level editor's board: the starting board of a level of the player's
// own, painted with the game's pictures. A click fills an empty cell or
// clears a full one, and a drag goes on doing the same over every cell it
// passes; the arrows move a cursor and Space does at the cursor what a click
// does. With the drop or the pot chosen instead of blocks, a click or Space
// puts it there. The rows where pieces enter are shaded, and on the square
// board everything above the square.
#pragma once

#include <QWidget>

#include "editor/NivelPropio.h"
#include "ui/Paleta.h"

namespace tumbla::ui {

class TableroEditor : public QWidget {
  Q_OBJECT
 public:
  enum class Herramienta { Bloques, GotaAzul, GotaRosa, Maceta };

  TableroEditor(NivelPropio& nivel, const Paleta& paleta, QWidget* parent);

  void PonerHerramienta(Herramienta h) { herramienta_ = h; }
  Herramienta herramienta() const { return herramienta_; }
  // The board index under the cursor.
  int Cursor() const { return cursor_; }
  // The rectangle of a board cell, for clicks from tests.
  QRect Rectangulo(int celda) const;

  QSize sizeHint() const override;

 signals:
  void cambiado();

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  int Lado() const;
  int CeldaEn(const QPoint& punto) const;  // -1 off the field
  // The tool at `celda`; for blocks, `llenar` says whether it fills.
  void Aplicar(int celda, bool llenar);

  NivelPropio& nivel_;
  const Paleta& paleta_;
  Herramienta herramienta_ = Herramienta::Bloques;
  int cursor_;
  bool llenando_ = true;  // what the drag in progress does to blocks
  int ultima_ = -1;       // the last cell the drag touched
};

}  // namespace tumbla::ui
