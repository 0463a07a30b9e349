// "Comprobar" as a player meets it: the level editor checks a copy of a
// classic level (20 games at a person's pace, more while the verdict is
// open) while the main window plays a level, and a key is sent to the main
// window every 20 ms. Prints, per level, the check's wall time and games,
// and how long the keys waited before the main window took them (median,
// 99th percentile, worst).
//
//   QT_QPA_PLATFORM=offscreen build/tumbla-bench-editor [CLASI,13 ...]
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <cstdio>
#include <vector>

#include "motor/Juego.h"
#include "ui/DialogoNiveles.h"
#include "ui/EditorNiveles.h"
#include "ui/Escenario.h"
#include "ui/PlataformaQt.h"
#include "ui/VentanaPrincipal.h"

namespace {

using namespace tumbla;
using namespace tumbla::ui;

// Times when each key reached the board.
class Llegadas : public QObject {
 public:
  QElapsedTimer reloj;
  std::vector<qint64> enviadas, llegadas;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::KeyPress) llegadas.push_back(reloj.nsecsElapsed());
    return false;
  }
};

// The event loop runs (idle between events) until `hasta` holds.
void Esperar(const std::function<bool()>& hasta) {
  QEventLoop bucle;
  QTimer mirar;
  QObject::connect(&mirar, &QTimer::timeout, &bucle, [&] {
    if (hasta()) bucle.quit();
  });
  mirar.start(10);
  if (!hasta()) bucle.exec();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStringList claves = app.arguments().mid(1);
  if (claves.isEmpty()) claves = {"CLASI,04", "CLASI,10", "CLASI,13", "CLASI,19"};
  QTemporaryDir carpeta;
  const QString ini = carpeta.filePath(QStringLiteral("tumbla.ini"));
  {
    QFile f(ini);
    f.open(QIODevice::WriteOnly);
    f.write(("[OROKORRA]\nLAGUNTZA=0\nAZKENA=" + QDate::currentDate().toString(u"yyyy/MM/dd") + "\n").toUtf8());
  }
  VentanaPrincipal v(ini, carpeta.filePath(QStringLiteral("datos")));
  v.show();
  v.Arrancar();
  Esperar([&] { return v.juego().pantalla().menuMinutos != "Minutos"; });
  v.Orden(Comando::Nuevo);
  qobject_cast<DialogoNiveles*>(v.plataforma().Abierta())->ElegirPosicion(2);
  v.AbrirEditor();
  EditorNiveles& editor = *v.editor();
  v.Orden(Comando::Pausa);  // the level plays on under the editor

  const CatalogoNiveles niveles;
  for (const QString& clave : claves) {
    int posicion = 0;
    for (int p = 1; p <= kNumNiveles; ++p) {
      if (QString::fromStdString(niveles.Clave(p)) == clave) posicion = p;
    }
    if (posicion == 0) {
      std::fprintf(stderr, "no level %s\n", qPrintable(clave));
      return 2;
    }
    editor.findChild<QPushButton*>(QStringLiteral("copiarNivel"))->click();
    auto* lista = editor.findChild<QListWidget*>(QStringLiteral("niveles"));
    lista->setCurrentRow(posicion - 1);
    emit lista->itemActivated(lista->currentItem());

    Llegadas llegadas;
    v.escenario().installEventFilter(&llegadas);
    llegadas.reloj.start();
    QTimer teclas;
    QObject::connect(&teclas, &QTimer::timeout, &v, [&] {
      llegadas.enviadas.push_back(llegadas.reloj.nsecsElapsed());
      QCoreApplication::postEvent(&v.escenario(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier));
      QCoreApplication::postEvent(&v.escenario(), new QKeyEvent(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier));
    });
    QElapsedTimer tiempo;
    tiempo.start();
    editor.findChild<QPushButton*>(QStringLiteral("comprobar"))->click();
    teclas.start(20);
    Esperar([&] { return editor.comprobacion() == nullptr; });
    const double segundos = static_cast<double>(tiempo.elapsed()) / 1000.0;
    teclas.stop();
    Esperar([&] { return llegadas.llegadas.size() >= llegadas.enviadas.size(); });
    v.escenario().removeEventFilter(&llegadas);

    std::vector<double> esperas;
    for (size_t k = 0; k < std::min(llegadas.enviadas.size(), llegadas.llegadas.size()); ++k) {
      esperas.push_back(static_cast<double>(llegadas.llegadas[k] - llegadas.enviadas[k]) / 1e6);
    }
    std::sort(esperas.begin(), esperas.end());
    const auto cuantil = [&](double q) {
      return esperas.empty() ? 0.0 : esperas[std::min(esperas.size() - 1, static_cast<size_t>(q * esperas.size()))];
    };
    const QString informe = editor.findChild<QLabel*>(QStringLiteral("informe"))->text().section('\n', 0, 0);
    std::printf("%s: %.1f s (%s); %zu keys waited %.2f ms median, %.2f ms p99, %.2f ms worst\n", qPrintable(clave),
                segundos, qPrintable(informe), esperas.size(), cuantil(0.5), cuantil(0.99),
                esperas.empty() ? 0.0 : esperas.back());
    std::fflush(stdout);
  }
  return 0;
}
