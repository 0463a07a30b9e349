// "Repeticiones...": the player's replays, the last stored first, each with
// its level, when it was played, how it ended, its points and how long it
// took; a level's best won game says so, and a file that cannot be played
// says why. "Borrar" deletes the one chosen (once the player says yes),
// "Guardar como..." writes it where the player says, "Abrir..." takes a
// replay from elsewhere into the list. Its file windows and boxes open over
// it and act when they close: nothing here waits in a loop of its own.
#pragma once

#include <QDialog>

#include <string>

class QPushButton;
class QTreeWidget;

namespace tumbla {
class AlmacenRepeticiones;
}

namespace tumbla::ui {

class DialogoRepeticiones : public QDialog {
  Q_OBJECT
 public:
  // With no store the list is empty and nothing can be kept.
  DialogoRepeticiones(AlmacenRepeticiones* almacen, QWidget* parent);

  // The list as the folder holds it now, with `elegir` chosen (by default
  // the one chosen before, else the first).
  void Actualizar(const std::string& elegir = {});
  // The replay file at `ruta` joins the list, chosen, or a box says why it
  // cannot (false).
  bool Abrir(const QString& ruta);
  // The replay chosen, written at `ruta`; false, and a box says so, when it
  // cannot be.
  bool GuardarComo(const QString& ruta);
  // The file of the replay chosen ("" when none is).
  std::string Elegida() const;

 signals:
  // "Ver": the replay chosen, its file in the store, is to be watched.
  void ver(const std::string& archivo);

 private:
  void PreguntarBorrar();
  void ElegirArchivo(bool guardar);
  void Avisar(const QString& texto);

  AlmacenRepeticiones* almacen_;
  QTreeWidget* lista_;
  QPushButton* borrar_;
  QPushButton* guardar_;
  QPushButton* ver_;
};

}  // namespace tumbla::ui
