// tumbla-bench-grabacion: what recording costs the player. The main window
// plays level 2 while keys come at a person's pace (the piece left and
// right), in turns with recording on and off; for each, the time from a key
// to the screen that shows it (the key sent until its window's painting is
// done and handed to the window system), median and 95th percentile, and
// the processor time the process used meanwhile, as a share of one core.
// Run it on a real display (bench/rendimiento.sh starts one) or offscreen.
//
//   tumbla-bench-grabacion [ROUNDS] [KEYS]        (default 6 rounds of 40 keys)
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <vector>

#include "grabacion/AlmacenRepeticiones.h"
#include "grabacion/Grabadora.h"
#include "motor/Juego.h"
#include "ui/DialogoNiveles.h"
#include "ui/Escenario.h"
#include "ui/PlataformaQt.h"
#include "ui/VentanaPrincipal.h"

using namespace tumbla;
using namespace tumbla::ui;

namespace {

// Times the window's painting: from the key sent to the end of the update
// that showed it.
class Cronometro : public QObject {
 public:
  explicit Cronometro(QWidget& ventana) : ventana_(ventana) {}
  QElapsedTimer reloj;
  bool esperando = false;
  double ms = 0;
  QEventLoop* bucle = nullptr;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (!esperando || evento->type() != QEvent::UpdateRequest ||
        (objeto != &ventana_ && objeto != ventana_.windowHandle())) {
      return false;
    }
    esperando = false;
    QCoreApplication::sendEvent(objeto, evento);  // the painting and its hand-over, done here
    ms = static_cast<double>(reloj.nsecsElapsed()) / 1e6;
    if (bucle != nullptr) bucle->quit();
    return true;
  }

 private:
  QWidget& ventana_;
};

// The event loop runs for `ms` (a benchmark may wait in a loop of its own).
void Esperar(int ms, QEventLoop* bucle = nullptr) {
  QEventLoop propio;
  QEventLoop& b = bucle != nullptr ? *bucle : propio;
  QTimer::singleShot(ms, &b, &QEventLoop::quit);
  b.exec();
}

double Percentil(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size())))];
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int rondas = argc > 1 ? std::max(1, std::atoi(argv[1])) : 6;
  const int teclas = argc > 2 ? std::max(1, std::atoi(argv[2])) : 40;
  QTemporaryDir carpeta;
  const QString ini = QDir(carpeta.path()).filePath(QStringLiteral("tumbla.ini"));
  std::ofstream(ini.toStdString()) << "[OROKORRA]\nLAGUNTZA=0\nSOINUA=N\nAZKENA="
                                   << QDate::currentDate().toString(u"yyyy/MM/dd").toStdString() << "\n";
  VentanaPrincipal v(ini, carpeta.path());
  v.show();
  v.Arrancar();
  Esperar(500);
  Cronometro cronometro(v);
  qApp->installEventFilter(&cronometro);

  int grabadas = 0;
  std::vector<double> latencia[2];
  double cpu[2] = {0, 0}, pared[2] = {0, 0};
  for (int ronda = 0; ronda < rondas; ++ronda) {
    for (int turno = 0; turno < 2; ++turno) {
      const bool grabar = (ronda + turno) % 2 == 0;
      // Recording on: each level recorded is handed over (and counted);
      // off: nothing to hand it to, nothing is recorded.
      v.grabadora().Terminar();
      if (grabar) {
        v.grabadora().Conectar(&v.juego(), [&grabadas](Grabacion) { ++grabadas; });
      } else {
        v.grabadora().Conectar(&v.juego());
      }
      // A fresh level each turn: recording begins with a level.
      const int32_t empezados = v.juego().vista().nivel().orden;
      v.Orden(Comando::Nuevo);  // during play, the window opens at the next tick
      for (int n = 0; n < 250 && !qobject_cast<DialogoNiveles*>(v.plataforma().Abierta()); ++n) Esperar(20);
      if (auto* niveles = qobject_cast<DialogoNiveles*>(v.plataforma().Abierta())) niveles->ElegirPosicion(2);
      Esperar(300);
      if (v.juego().vista().nivel().orden == empezados) {
        std::fprintf(stderr, "no level began (round %d): its keys are not counted\n", ronda);
        continue;
      }
      const std::clock_t cpu0 = std::clock();
      QElapsedTimer t;
      t.start();
      for (int k = 0; k < teclas; ++k) {
        const Qt::Key tecla = k % 4 < 2 ? Qt::Key_Left : Qt::Key_Right;
        QKeyEvent baja(QEvent::KeyPress, tecla, Qt::NoModifier), sube(QEvent::KeyRelease, tecla, Qt::NoModifier);
        cronometro.reloj.start();
        cronometro.esperando = true;
        QApplication::sendEvent(&v.escenario(), &baja);
        QApplication::sendEvent(&v.escenario(), &sube);
        if (cronometro.esperando) {
          QEventLoop bucle;
          cronometro.bucle = &bucle;
          Esperar(100, &bucle);
          cronometro.bucle = nullptr;
        }
        if (!cronometro.esperando) latencia[grabar].push_back(cronometro.ms);
        cronometro.esperando = false;
        Esperar(150);
      }
      cpu[grabar] += static_cast<double>(std::clock() - cpu0) / CLOCKS_PER_SEC;
      pared[grabar] += static_cast<double>(t.nsecsElapsed()) / 1e9;
    }
  }
  v.grabadora().Terminar();
  v.grabadora().Conectar(&v.juego());
  std::printf("levels recorded: %d\n", grabadas);
  for (const bool grabar : {false, true}) {
    std::printf("recording %-3s: key to screen median %.2f ms, 95%% %.2f ms (%zu keys); CPU %.2f%% of one core\n",
                grabar ? "on" : "off", Percentil(latencia[grabar], 0.5), Percentil(latencia[grabar], 0.95),
                latencia[grabar].size(), 100 * cpu[grabar] / pared[grabar]);
  }
  const double l0 = Percentil(latencia[0], 0.5), l1 = Percentil(latencia[1], 0.5);
  std::printf("on against off: latency %+.1f%%, CPU %+.1f%%\n", 100 * (l1 - l0) / l0,
              100 * (cpu[1] / pared[1] - cpu[0] / pared[0]) / (cpu[0] / pared[0]));
  return 0;
}
