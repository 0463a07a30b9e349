// The level window's page for the player's packs: each pack with its
// levels, those completed and their records, and the next one open. A level
// chosen there is the window's answer, as a level of the game's is; the
// game plays it and those after it, one after the other.
#pragma once

#include <QWidget>

#include <string>
#include <utility>
#include <vector>

#include "editor/Paquete.h"
#include "motor/SelectorNiveles.h"
#include "progress/Progreso.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tumbla::ui {

class PaginaPaquetes : public QWidget {
  Q_OBJECT
 public:
  // The packs of the data folder `carpetaDatos`, with their progress.
  PaginaPaquetes(const QString& carpetaDatos, const Progreso& progreso, QWidget* parent);
  // Level `nivel` (from 0) of the pack listed `paquete`-th chosen, as a
  // player would; nothing when it is not open.
  void Elegir(int paquete, int nivel);

 signals:
  void eleccion(const tumbla::Eleccion& eleccion);
  // "Niveles del juego": back to the game's levels.
  void volver();

 private:
  void Llenar(const Progreso& progreso);
  void Jugar(QTreeWidgetItem* item);

  std::vector<std::pair<std::string, Paquete>> paquetes_;
  std::vector<int> superados_;
  QTreeWidget* arbol_;
  QPushButton* jugar_;
};

}  // namespace tumbla::ui
