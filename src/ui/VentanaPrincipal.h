// The main window: the menu bar "Juego" and "Opciones" over the game's
// scene. It owns the game and its Qt platform, hands every menu command,
// key and click to the game through the platform, which then puts on screen
// what changed and what the game waits for. While a demo runs, the computer
// presses its keys here at a person's pace.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>

#include <memory>

class QAction;
class QKeyEvent;

#include "motor/Comando.h"

namespace tumbla {
class Conductor;
class Juego;
struct Pantalla;
}

namespace tumbla::ui {

class Escenario;
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

  // Puts on screen whatever the game changed: board cells, the side panel,
  // the frame, the shutter and the menu's check marks and captions.
  void Refrescar();

 protected:
  void closeEvent(QCloseEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  void CrearMenus();
  void ActualizarMenus(const Pantalla& p);
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
  Escenario* escenario_;

  QAction* mnuNormal_ = nullptr;
  QAction* mnuDificil_ = nullptr;
  QAction* mnuSonido_ = nullptr;
  QAction* mnuMinutos_ = nullptr;
  QAction* mnuSombra_ = nullptr;
  bool arrancado_ = false;

  std::unique_ptr<Conductor> demo_;
  QTimer relojDemo_;
  QElapsedTimer tiempoDemo_;
};

}  // namespace tumbla::ui
