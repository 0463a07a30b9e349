// The player's replays in the main window. Each level the window records is
// kept in the player's folder once the call into the game that ended it is
// over. A replay chosen in "Repeticiones..." ("Ver") plays where the board
// is, with "REPETICIÓN" on the panel, while the game says so (its flow's
// Repeticion); what the player was doing waits under it. Its keys are the
// input table's (Contexto::Visor): pause and go on, slower and faster (×¼
// to ×8), a piece back and forward, the start and the end, and Escape
// leaves; a bar under the board seeks to any moment. "Seguir desde aquí"
// (Enter) hands the level, as it stands, to the player for practice:
// "PRÁCTICA" on the panel, and nothing of it is stored.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/Comando.h"
#include "grabacion/ArchivoRepeticion.h"
#include "motor/Pantalla.h"

class QLabel;
class QSlider;
class QWidget;

namespace tumbla {
class AlmacenRepeticiones;
class Reproductor;
class Teclado;
}  // namespace tumbla

namespace tumbla::ui {

class Escenario;

class Visor : public QObject {
  Q_OBJECT
 public:
  // `carpeta` keeps the replays (empty: none is kept); `jugador` is the
  // game's own screen, whose options (colours, menus) a replay shows with.
  Visor(const QString& carpeta, uint64_t huellaNiveles, Escenario& escenario, const Pantalla& jugador,
        QWidget* ventana);
  ~Visor() override;

  AlmacenRepeticiones* almacen() const { return almacen_.get(); }
  // A level recorded, kept as soon as the call into the game is over; and
  // every one waiting, kept now (the player hears once of one that cannot be).
  void Guardar(Grabacion g);
  void GuardarPendientes(bool avisar = true);

  // The replay in the store's file `archivo` is the one to watch next; false
  // when it cannot be played.
  bool Elegir(const std::string& archivo);
  // The game shows the replay chosen until the player leaves it (`salir`),
  // or withdraws it (Cerrar).
  void Mostrar(std::function<void()> salir);
  void Cerrar();
  bool Activo() const { return reproductor_ != nullptr; }
  // A key while a replay shows, as the input table reads it there.
  void Tecla(int codigo, bool repeticion, const Teclado& teclado);
  // What a key of the replay does, and the bar's seeking (ms from the start).
  void Orden(Comando c);
  void Buscar(int64_t ms);
  Reproductor* reproductor() const { return reproductor_.get(); }
  double Velocidad() const;
  bool EnPausa() const { return pausa_; }

 private:
  // The replay's clock moves on by the time passed, at its speed.
  void Paso();
  // Runs `paso` on the replay: a script that stops partway (a damaged or
  // hostile file) ends the watching with a box that says so.
  void Intentar(const std::function<void(Reproductor&)>& paso);
  void Avisar(const QString& texto);
  // The screen shown: the replay's, with the player's options and its label.
  void Refrescar();

  std::unique_ptr<AlmacenRepeticiones> almacen_;
  Escenario& escenario_;
  const Pantalla& jugador_;
  QWidget* ventana_;
  std::vector<Grabacion> porGuardar_;
  bool avisado_ = false;
  std::unique_ptr<Grabacion> elegida_;
  std::unique_ptr<Reproductor> reproductor_;
  std::function<void()> salir_;
  Pantalla pantalla_;
  QWidget* barra_ = nullptr;
  QSlider* deslizador_ = nullptr;
  QLabel* rotulo_ = nullptr;
  QTimer reloj_;
  QElapsedTimer pasado_;
  int velocidad_ = 2;  // index into the speeds, ×1
  bool pausa_ = false;
};

}  // namespace tumbla::ui
