// Tumbla: starts the main window.
#include <QApplication>

#include "ui/VentanaPrincipal.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  tumbla::ui::VentanaPrincipal ventana;
  ventana.show();
  return app.exec();
}
