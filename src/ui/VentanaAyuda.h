// The help document in a window of the game's own, for a desktop that could
// not open it: the HTML file read-only in a text browser, scrolling, titled
// with the document's own title; Escape or "Cerrar" closes it. It does not
// stop the game, as a browser would not.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace tumbla::ui {

class VentanaAyuda : public QDialog {
  Q_OBJECT
 public:
  explicit VentanaAyuda(QWidget* parent);

  // Reads the HTML file at `ruta` (its declared character set, UTF-8 when
  // it declares none). False, and nothing changed, when it cannot be read.
  bool Cargar(const QString& ruta);

 private:
  QTextBrowser* texto_;
};

}  // namespace tumbla::ui
