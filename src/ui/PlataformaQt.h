// The game's host services on Qt: three timers, sound effects, the desktop,
// the clock, the date and random numbers, and what the game waits for: boxes,
// the level window, the credits, the keys, the replays and the shutter's
// steps; and the game's texts in the player's language (PlataformaTraducida). Each shows without blocking anything (no window
// here runs a loop of its own) and is answered through the game's entry
// points when the player is done with it.
//
// The timers run from a schedule (grabacion/Agenda.h): one Qt timer wakes
// the game when the next event falls due, and before any call into the game
// every event due by then happens first, each at its own time on the game's
// clock. So the wall clock's jitter never reaches the game, and the recorder
// in front of it (every call into the game goes through it) keeps only the
// calls and their times.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>

#include <array>
#include <functional>

#include "grabacion/Agenda.h"
#include "motor/Plataforma.h"
#include "ui/Idiomas.h"

class QMessageBox;
class QWidget;

namespace tumbla {
class AlmacenRepeticiones;
class Grabadora;
class Juego;
struct Eleccion;
}  // namespace tumbla

namespace tumbla::ui {

class ReproductorSonidos;
class Visor;
class VentanaAyuda;

class PlataformaQt : public QObject, public PlataformaTraducida {
  Q_OBJECT
 public:
  // Boxes and windows open over `ventana`.
  explicit PlataformaQt(QWidget* ventana);
  ~PlataformaQt() override;

  // What stands before the game (its recorder), which the timers feed and
  // the answers go to, and what the window does after each call into it
  // (show what changed on screen).
  void Conectar(Grabadora* grabadora, std::function<void()> trasLlamada);
  // The player's data folder, whose packs the level window shows, and the
  // player's replays, which "Repeticiones..." lists and the game's replay
  // shows.
  void PonerDatos(const QString& carpeta, Visor* visor) {
    carpetaDatos_ = carpeta;
    visor_ = visor;
  }

  // Every call into the game goes through here: the timer events due by now
  // first, then `llamada` on the game's recorder, then Atender.
  void Llamar(const std::function<void(Grabadora&)>& llamada);
  // After a call into the game: the screen shows what changed, then what
  // the game now waits for shows, and the next timer event is awaited.
  void Atender();
  // The timer events due by now reach the game at once, and then the screen
  // (for the demo's driver, which looks at the game as it is).
  void Adelantar();

  // The program is ending: timers stop, whatever shows closes unanswered,
  // and nothing reaches the game from now on.
  void Terminar();
  bool Terminando() const { return terminando_; }

  // What shows the game's request now (a box, the level window, the
  // credits); null when nothing does.
  QDialog* Abierta() const { return abierta_; }

  // The desktop's opener of files ("xdg-open"; "open" on macOS). A file it
  // cannot open, because it fails or is not there, shows in the game's own
  // help window instead. Windows opens files through the shell.
  void PonerAbridor(const QString& programa) { abridor_ = programa; }
  VentanaAyuda* Ayuda() const;  // the help window, once shown

  Agenda& agenda() { return agenda_; }
  // Tests: a held timer's events go by without reaching the game.
  void Retener(Temporizador t, bool retenido) { retenidos_[static_cast<size_t>(t)] = retenido; }
  ReproductorSonidos& Sonidos() { return *sonidos_; }

  // Plataforma
  void temporizador(Temporizador t, bool activo, int intervaloMs) override;
  void pedir(const Peticion& p) override;
  void retirar() override;
  void sonido(int id, bool encendido) override;
  bool abrir(const std::string& destino) override;
  double reloj() override;
  Fecha hoy() override;
  int aleatorio(Sorteo sorteo, int n) override;

 signals:
  // A box or window shows for the game, over the main window; then it has
  // closed, and the board may take the keys again.
  void mostrada();
  void cerrada();

 private:
  // The timer events due by now reach the game, each at its time.
  void Avanzar();
  // The wake-up for the next timer event.
  void Despertar();
  // Shows request `numero`, which the game asked for last.
  void Mostrar(const Peticion& p, int numero);
  // The player is done with request `numero`: ignored when the game has
  // withdrawn it meanwhile, or the program is ending.
  void Contestar(int numero, bool aceptar);
  void ContestarSelector(int numero, const Eleccion& eleccion);
  // Whatever shows for the game goes, unanswered.
  void Cerrar();
  // A box with the buttons "Aceptar" (and "Cancelar"), deleted once closed.
  QMessageBox* Caja(Icono icono, const std::string& titulo, const std::string& texto, bool conCancelar);
  // Hands a local file to the desktop; when that fails, shows it ourselves.
  void AbrirArchivo(const QString& ruta);
  void MostrarDocumento(const QString& ruta);

  QWidget* ventana_;
  Grabadora* grabadora_ = nullptr;
  Juego* juego_ = nullptr;
  Visor* visor_ = nullptr;
  std::function<void()> trasLlamada_;
  Agenda agenda_;
  std::array<bool, 3> retenidos_{};
  QTimer despertador_;
  QElapsedTimer reloj_;
  QRandomGenerator azar_;
  ReproductorSonidos* sonidos_;
  // What the game waits for, numbered so that an answer to a request that
  // was withdrawn, or already answered, never reaches the game.
  Peticion pedida_;
  int numero_ = 0;     // requests so far; the last one is `pedida_`
  int mostrada_ = 0;   // the request on screen, 0 when none
  QPointer<QDialog> abierta_;
  QPointer<VentanaAyuda> ayuda_;
  QString carpetaDatos_;
  QString abridor_;
  bool terminando_ = false;
};

}  // namespace tumbla::ui
