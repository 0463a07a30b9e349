#include "ui/VentanaPrincipal.h"

namespace tumbla::ui {

VentanaPrincipal::VentanaPrincipal(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Tumbla 3.0 Dilatorus"));
}

}  // namespace tumbla::ui
