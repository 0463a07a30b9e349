// The credits window: the game's logo, a few words about the game, the
// e-mail and web addresses and a "Cerrar" button. Any key, or a click
// anywhere but on an address, closes it; a click on an address hands it to
// the desktop through `abrir`.
#pragma once

#include <QDialog>

#include <functional>

class QLabel;

namespace tumbla::ui {

class VentanaCreditos : public QDialog {
  Q_OBJECT
 public:
  // `abrir` gets "mailto:..." or "http://..." and says whether a program
  // took it; when none did the window simply stays open.
  VentanaCreditos(std::function<bool(const QString&)> abrir, QWidget* parent);

  static QString Correo();  // "tumbla@example.org"
  static QString Web();     // "www.example.org/tumbla", without its scheme

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void leaveEvent(QEvent* evento) override;
  void showEvent(QShowEvent* evento) override;

 private:
  // Underlines the address under the pointer (or none) and no other.
  void Resaltar(QLabel* sobre);

  std::function<bool(const QString&)> abrir_;
  QLabel* lblMail_ = nullptr;
  QLabel* lblURL_ = nullptr;
};

}  // namespace tumbla::ui
