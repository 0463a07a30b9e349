// The main window: the menu bar "Juego" and "Opciones" over the game's
// scene. It owns the game and its Qt platform, hands every menu command,
// key, pad button and click to the game through the platform, which then
// puts on screen what changed and what the game waits for. While a demo
// runs, the computer gives its commands here at a person's pace. It tells the
// game when it loses the focus, and keeps its place, size and full screen
// as the game remembers them.
#pragma once

#include <QElapsedTimer>
#include <QKeySequence>
#include <QMainWindow>
#include <QTimer>

#include <memory>

class QAction;
class QKeyEvent;
class QMenu;

#include "game/Comando.h"

namespace tumbla {
class Conductor;
class Juego;
class Pista;
struct Pantalla;
}

namespace tumbla::ui {

class Escenario;
class Mando;
class PlataformaQt;

class VentanaPrincipal : public QMainWindow {
  Q_OBJECT
 public:
  // `rutaIni` is the settings file: beside the program for players, a
  // folder of their own for tests.
  explicit VentanaPrincipal(const QString& rutaIni, QWidget* parent = nullptr);
  ~VentanaPrincipal() override;

  // The game's start-up, once the window is on screen, placed and painted:
  // the daily extra minute may be announced in a box over it. Called before
  // that, it waits for the first paint.
  void Arrancar();
  // A menu command (also the shutter's click).
  void Orden(Comando c);

  Juego& juego() { return *juego_; }
  PlataformaQt& plataforma() { return *plataforma_; }
  Escenario& escenario() { return *escenario_; }
  Mando& mando() { return *mando_; }

  // Before it shows: where the game remembers the window, and whether full
  // screen.
  void Colocar();

  // Puts on screen whatever the game changed: board cells, the side panel,
  // the frame, the shutter and the menu's check marks and captions.
  void Refrescar();

 protected:
  void changeEvent(QEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void moveEvent(QMoveEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 private:
  void CrearMenus();
  QAction* Accion(QMenu* menu, const QString& texto, const char* nombre, Comando c,
                  const QKeySequence& atajo = {}, bool marcable = false);
  void ActualizarMenus(const Pantalla& p);
  // The window follows the game's full-screen switch.
  void PantallaCompleta(bool completa);
  void RecordarSitio();
  void MirarFoco();
  // A key for the game: the main window's handler, then the shutter's when
  // the shutter is up. False for keys the game has no code for (a demo
  // still ends with them).
  bool Tecla(const QKeyEvent& evento);
  // After every call into the game: the demo's driver starts or stops as
  // the game says, then the screen shows what changed.
  void TrasLlamada();
  // The demo: the computer's keys at a person's pace, while the game says a
  // demo is on.
  void SeguirDemostracion();
  void PasoDemostracion();

  PlataformaQt* plataforma_;
  std::unique_ptr<Juego> juego_;
  std::unique_ptr<Pista> pista_;
  Escenario* escenario_;
  Mando* mando_;

  QAction* mnuNormal_ = nullptr;
  QAction* mnuDificil_ = nullptr;
  QAction* mnuSonido_ = nullptr;
  QAction* mnuMinutos_ = nullptr;
  QAction* mnuSombra_ = nullptr;
  QAction* mnuPista_ = nullptr;
  QAction* mnuCompleta_ = nullptr;
  QAction* teclaSonido_ = nullptr;
  bool arrancado_ = false;
  QTimer recordarSitio_;  // the window's place is stored once it stops moving
  QTimer ausencia_;       // the focus is looked at once it settles

  std::unique_ptr<Conductor> demo_;
  QTimer relojDemo_;
  QElapsedTimer tiempoDemo_;
};

}  // namespace tumbla::ui
