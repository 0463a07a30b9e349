// The main window: the menu bar "Juego" and "Opciones" over the game's
// scene. It owns the game and its Qt platform, hands every menu command,
// key, pad button and click to the game through the platform, which then
// puts on screen what changed and what the game waits for. It times held
// keys itself. While a demo runs, the computer gives its commands here at a
// person's pace. It tells the game when the board goes out of sight (the
// focus lost, a menu open), keeps its place, size and full screen as the
// game remembers them, and its closing always ends the game.
#pragma once

#include <QElapsedTimer>
#include <QKeySequence>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <memory>
#include <vector>

class QAction;
class QKeyEvent;
class QMenu;

#include "game/Comando.h"
#include "grabacion/ArchivoRepeticion.h"

namespace tumbla {
class AlmacenRepeticiones;
class Conductor;
class Grabadora;
class Juego;
class Pista;
struct Pantalla;
}

namespace tumbla::ui {

class EditorNiveles;
class Escenario;
class Visor;
class Mando;
class PlataformaQt;
class TeclasSostenidas;

class VentanaPrincipal : public QMainWindow {
  Q_OBJECT
 public:
  // `rutaIni` is the settings file: beside the program for players, a
  // folder of their own for tests. `carpetaDatos` is the player's data
  // folder: the level editor keeps its packs there (none: the desktop's data
  // folder for the game), and the player's replays go into its folder
  // "repeticiones" (none: no level is recorded).
  explicit VentanaPrincipal(const QString& rutaIni, const QString& carpetaDatos = {}, QWidget* parent = nullptr);
  ~VentanaPrincipal() override;

  // The game's start-up, once the window is on screen, placed and painted:
  // the daily extra minute may be announced in a box over it. Called before
  // that, it waits for the first paint.
  void Arrancar();
  // A menu command (also the shutter's click).
  void Orden(Comando c);

  Juego& juego() { return *juego_; }
  Grabadora& grabadora() { return *grabadora_; }
  PlataformaQt& plataforma() { return *plataforma_; }
  AlmacenRepeticiones* almacen();
  Visor& visor() { return *visor_; }
  // A replay file to open (given to the program): the list of replays
  // opens with it as soon as the game waits for nothing.
  void AbrirRepeticion(const QString& ruta);
  Escenario& escenario() { return *escenario_; }
  Mando& mando() { return *mando_; }
  // "Editor de niveles...": opens the editor, or brings it to the front.
  void AbrirEditor();
  EditorNiveles* editor() const;

  // Before it shows: where the game remembers the window, and whether full
  // screen.
  void Colocar();

  // Puts on screen whatever the game changed: board cells, the side panel,
  // the frame, the shutter and the menu's check marks and captions.
  void Refrescar();

 protected:
  void changeEvent(QEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void keyReleaseEvent(QKeyEvent* evento) override;
  void moveEvent(QMoveEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 private:
  void CrearMenus();
  // Every caption in the language in force.
  void Rotular();
  QAction* Accion(QMenu* menu, Comando c, const char* nombre, bool marcable = false);
  void ActualizarMenus(const Pantalla& p);
  // Once no menu is open, the keys go back to the board.
  void DevolverTeclas();
  // While a box or window shows for the game, the menus wait (but "Salir").
  void Bloquear(bool bloquear);
  // The window follows the game's full-screen switch.
  void PantallaCompleta(bool completa);
  void RecordarSitio();
  // The window moved, changed size or state: its place as a plain window.
  void AnotarSitio();
  // The whole window, title bar included, on the screen it stands on.
  void Encajar();
  void MirarFoco();
  // The window's end, whatever shows for the game: the place is stored and
  // the program ends.
  void Terminar();
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
  void SeguirPrueba();
  void PasoDemostracion();

  PlataformaQt* plataforma_;
  std::unique_ptr<Grabadora> grabadora_;
  std::unique_ptr<Juego> juego_;
  std::unique_ptr<Pista> pista_;
  Escenario* escenario_;
  Mando* mando_;

  // The menu items whose check marks and captions follow the game.
  struct Menus {
    QAction* normal = nullptr;
    QAction* dificil = nullptr;
    QAction* sonido = nullptr;
    QAction* minutos = nullptr;
    QAction* sombra = nullptr;
    QAction* pista = nullptr;
    QAction* completa = nullptr;
    std::array<QAction*, 3> colores{};  // the game's own, colour-blind, high contrast
    std::array<QAction*, 2> idiomas{};  // Spanish, English
    QAction* destellos = nullptr;
    QAction* pausa = nullptr;
    QAction* abandonar = nullptr;
  } mnu_;
  QAction* teclaSonido_ = nullptr;
  QList<QMenu*> menus_;
  bool arrancado_ = false;
  bool probando_ = false;  // a level tried from the editor was in play at the last call
  bool dePaquete_ = false;  // and a level of a pack of the player's
  QTimer recordarSitio_;  // the window's place is stored once it stops moving
  QTimer ausencia_;       // the focus is looked at once it settles
  QRect plana_;           // the last place and size as a plain window
  TeclasSostenidas* sostenidas_;

  QString carpetaDatos_;
  QPointer<EditorNiveles> editor_;
  Visor* visor_;
  QString abrirRepeticion_;

  std::unique_ptr<Conductor> demo_;
  QTimer relojDemo_;
  QElapsedTimer tiempoDemo_;
};

}  // namespace tumbla::ui
