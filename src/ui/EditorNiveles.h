// "Editor de niveles...": a window of its own, beside the game, to make
// levels. The player chooses a group, sets the fields that group uses,
// paints the starting board (TableroEditor), names and describes the level,
// or starts from a copy of any of the game's levels. Every field says beside
// it what is wrong with it, by the rules the game applies to its own levels.
// "Comprobar" lets the computer play the level in the background with a
// progress bar and "Cancelar": a level it wins is kept with its quickest
// win as its proof. The levels are kept in the player's own pack, in the
// data folder; "Exportar..." writes the proven ones to a file, "Importar..."
// brings a pack in (each proof played again, in the background), and a
// level travels as a share code too. Nothing here waits on a window of its
// own: boxes and file choosers open and answer later.
#pragma once

#include <QDialog>
#include <QTimer>

#include <array>
#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <optional>

#include "editor/Comprobacion.h"
#include "editor/Paquete.h"
#include "game/Suceso.h"
#include "ui/Paleta.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QFormLayout;
class QSpinBox;

namespace tumbla::ui {

class TableroEditor;

class EditorNiveles : public QDialog {
  Q_OBJECT
 public:
  // `carpetaDatos`: the player's data folder, where the packs are kept.
  EditorNiveles(const QString& carpetaDatos, Colores colores, QWidget* parent);
  ~EditorNiveles() override;

  const NivelPropio& nivel() const { return nivel_; }
  // The level in the editor has a proof of its own.
  bool Probado() const { return NivelDePaquete{nivel_, prueba_}.Probado(); }
  // The check in progress, if any.
  const Comprobacion* comprobacion() const { return comprobacion_.get(); }
  const CarpetaPaquetes& carpeta() const { return carpeta_; }
  // "Probar": who plays the level in the main window; false when it cannot
  // now. The editor hides meanwhile, as it is.
  void PonerProbar(std::function<bool(NivelAjeno)> probar) { probar_ = std::move(probar); }
  // The try is over: lost as `derrota` says (Ninguna: won, or left for
  // another level when `ganado` is false). The editor comes back as it was.
  void FinPrueba(bool ganado, Derrota derrota);

 private:
  // One of the level's fields: its row in the form and what is wrong with it.
  struct Campo {
    QWidget* editor = nullptr;
    QLabel* falta = nullptr;
  };

  void CrearFormulario(QFormLayout* formulario);
  // Shows the level: every field, its faults, what the group uses, the proof.
  void Actualizar();
  void Cambiar(const std::function<void(NivelPropio&)>& cambio);
  void Cargar(const NivelDePaquete& n, int indice);
  void CambiarGrupo(int indice);
  void CopiarDelNivel();
  void Comprobar();
  void Probar();
  void SeguirComprobacion();
  void Guardar();
  void Borrar();
  void Exportar();
  void Escribir(const QString& ruta);
  void Importar();
  void SeguirImportacion();
  void CopiarCodigo();
  void AbrirCodigo();
  void LlenarLista();
  // A box over the editor that closes by itself when answered.
  void Avisar(const QString& texto);

  CarpetaPaquetes carpeta_;
  Paquete propio_;
  int indice_ = -1;  // the level of the own pack in the editor, -1 a new one
  NivelPropio nivel_;
  std::optional<Prueba> prueba_;
  const Paleta& paleta_;

  QComboBox* grupo_;
  std::array<Campo, 9> campos_{};  // by CampoNivel
  QFormLayout* formulario_ = nullptr;
  TableroEditor* tablero_;
  std::array<QRadioButton*, 4> herramientas_{};
  QLineEdit* nombre_;
  QLineEdit* descripcion_;
  QLabel* faltaNombre_;
  QLabel* faltaDescripcion_;
  QLabel* estado_;
  QPushButton* comprobar_;
  QPushButton* probar_boton_;
  std::function<bool(NivelAjeno)> probar_;
  QPushButton* cancelar_;
  QProgressBar* progreso_;
  QLabel* informe_;
  QLineEdit* nombrePaquete_;
  QLineEdit* autor_;
  QListWidget* lista_;
  QPushButton* guardar_;
  QLineEdit* codigo_;
  std::unique_ptr<Comprobacion> comprobacion_;
  QTimer sondeo_;
  std::future<LecturaPaquete> importacion_;
  std::atomic<bool> cancelarImportacion_{false};
};

}  // namespace tumbla::ui
