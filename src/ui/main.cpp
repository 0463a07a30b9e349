// Tumbla: a falling-block puzzle game. Starts the main window with the
// settings file beside the program, named after it ("tumbla" keeps
// "tumbla.ini"), or in the player's own configuration folder when the
// program's folder cannot be written (an installed game). The player's
// replays and packs of levels are kept in the desktop's data folder for the game.
//
//   tumbla [REPLAY.tumbla]    a replay file given (the desktop's "open with")
//                             opens in the list of replays
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <ctime>

#include "motor/Juego.h"
#include "ui/DialogoNiveles.h"
#include "ui/Escenario.h"
#include "ui/PlataformaQt.h"
#include "ui/RutaAjustes.h"
#include "ui/VentanaPrincipal.h"

namespace {

// A developer's aid for bench/rendimiento.sh: TUMBLA_MEDIR=1 prints the
// wall-clock time of the first paint and the processor time used until then;
// TUMBLA_MEDIR=jugar then also starts a level, so that the cost of play can
// be measured without a player.
void Medir(tumbla::ui::VentanaPrincipal& ventana) {
  const QByteArray modo = qgetenv("TUMBLA_MEDIR");
  if (modo.isEmpty()) return;
  QObject::connect(&ventana.escenario(), &tumbla::ui::Escenario::primerPintado, &ventana,
                   [&ventana, modo] {
                     const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                         std::chrono::system_clock::now().time_since_epoch())
                                         .count();
                     // Processor time of the whole process so far, which a busy
                     // machine does not inflate as it does the wall clock.
                     const auto cpu = static_cast<long long>(std::clock()) * 1000000 / CLOCKS_PER_SEC;
                     std::fprintf(stderr, "tumbla: primer pintado %lld %lld\n", static_cast<long long>(ns), cpu);
                     std::fflush(stderr);
                     if (modo == "jugar") {
                       // Level 2, chosen in the level window as a player would.
                       QTimer::singleShot(0, &ventana, [&ventana] {
                         ventana.Orden(tumbla::Comando::Nuevo);
                         if (auto* niveles = qobject_cast<tumbla::ui::DialogoNiveles*>(ventana.plataforma().Abierta()))
                           niveles->ElegirPosicion(2);
                       });
                     }
                   });
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Matches the desktop entry, so the desktop shows the game's own icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Tumbla"));
  const QString rutaIni = tumbla::ui::RutaAjustes();
  const QString datos = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);

  tumbla::ui::VentanaPrincipal ventana(rutaIni, datos);
  ventana.juego().PonerCarpetasAyuda(tumbla::ui::CarpetasAyuda(rutaIni));
  ventana.Colocar();
  ventana.show();
  // The game starts inside the event loop, once the window is painted; the
  // measuring aid's level comes after that start-up.
  ventana.Arrancar();
  const QStringList argumentos = QCoreApplication::arguments();
  if (argumentos.size() > 1) ventana.AbrirRepeticion(argumentos.at(1));
  Medir(ventana);
  return app.exec();
}
