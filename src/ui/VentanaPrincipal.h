// The main window.
#pragma once

#include <QMainWindow>

namespace tumbla::ui {

class VentanaPrincipal : public QMainWindow {
  Q_OBJECT
 public:
  explicit VentanaPrincipal(QWidget* parent = nullptr);
};

}  // namespace tumbla::ui
