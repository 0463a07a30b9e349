// The game's host services on Qt: three timers, message boxes with Spanish
// buttons, sound effects, the desktop, the monotonic clock, the date, random
// numbers, short waits that keep the window painting, and the modal
// level-selection window.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>

#include <array>
#include <functional>

#include "game/Plataforma.h"

class QEventLoop;
class QWidget;

namespace tumbla {
class Juego;
}

namespace tumbla::ui {

class DialogoNiveles;
class ReproductorSonidos;
class VentanaAyuda;

class PlataformaQt : public QObject, public Plataforma {
  Q_OBJECT
 public:
  // Boxes and the level window open over `ventana`.
  explicit PlataformaQt(QWidget* ventana);
  ~PlataformaQt() override;

  // The game the timers feed, and what shows its changes on screen; called
  // after every event handed to the game and before anything that waits.
  void Conectar(Juego* juego, std::function<void()> refrescar);

  // The program is ending: timers stop, a wait ends at once, and boxes and
  // windows asked for from now on are not shown (questions answer Cancel).
  void Terminar();
  bool Terminando() const { return terminando_; }

  // The desktop's opener of files ("xdg-open"; "open" on macOS). A file it
  // cannot open, because it fails or is not there, shows in the game's own
  // help window instead. Windows opens files through the shell.
  void PonerAbridor(const QString& programa) { abridor_ = programa; }
  VentanaAyuda* Ayuda() const;  // the help window, once shown

  QTimer& Reloj(Temporizador t) { return timers_[static_cast<size_t>(t)]; }
  ReproductorSonidos& Sonidos() { return *sonidos_; }

  // Plataforma
  void temporizador(Temporizador t, bool activo, int intervaloMs) override;
  void mensaje(Icono icono, const std::string& titulo, const std::string& texto) override;
  bool pregunta(Icono icono, const std::string& titulo, const std::string& texto) override;
  void sonido(int id, bool encendido) override;
  bool abrir(const std::string& destino) override;
  double reloj() override;
  Fecha hoy() override;
  int aleatorio(Sorteo sorteo, int n) override;
  void procesarEventos() override;
  void esperar(double segundos) override;
  void mostrarSelectorNiveles() override;
  void cerrarSelectorNiveles() override;

 private:
  void Tick(Temporizador t);
  void Refrescar();
  // A modal box with Spanish buttons; true when "Aceptar" closed it.
  bool Caja(Icono icono, const std::string& titulo, const std::string& texto, bool conCancelar);
  // Hands a local file to the desktop; when that fails, shows it ourselves.
  void AbrirArchivo(const QString& ruta);
  void MostrarDocumento(const QString& ruta);

  QWidget* ventana_;
  Juego* juego_ = nullptr;
  std::function<void()> refrescar_;
  std::array<QTimer, 3> timers_;
  QElapsedTimer reloj_;
  QRandomGenerator azar_;
  ReproductorSonidos* sonidos_;
  QPointer<DialogoNiveles> selector_;
  QPointer<VentanaAyuda> ayuda_;
  QString abridor_;
  QEventLoop* espera_ = nullptr;
  bool terminando_ = false;
};

}  // namespace tumbla::ui
