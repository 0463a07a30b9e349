#include "ui/DialogoRepeticiones.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cstdio>

#include "grabacion/AlmacenRepeticiones.h"
#include "motor/Ayuda.h"
#include "ui/Idiomas.h"

namespace tumbla::ui {

namespace {

QString Texto(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr const char* kFiltro = QT_TRANSLATE_NOOP("tumbla::ui::DialogoRepeticiones", "Repeticiones de Tumbla (*.tumbla)");

// "013: CLASIC", as the panel names a level.
QString Nivel(const Resumen& r) {
  char texto[16];
  std::snprintf(texto, sizeof texto, "%03d: ", r.posicion);
  return QString::fromLatin1(texto) + Texto(r.nombre);
}

QString Duracion(int64_t ms) {
  const int64_t s = ms / 1000;
  return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

DialogoRepeticiones::DialogoRepeticiones(AlmacenRepeticiones* almacen, QWidget* parent)
    : QDialog(parent), almacen_(almacen) {
  setObjectName(QStringLiteral("DialogoRepeticiones"));
  setWindowTitle(tr("Repeticiones"));
  lista_ = new QTreeWidget(this);
  lista_->setObjectName(QStringLiteral("listaRepeticiones"));
  lista_->setRootIsDecorated(false);
  lista_->setAllColumnsShowFocus(true);
  lista_->setHeaderLabels({tr("Nivel"), tr("Fecha"), tr("Resultado"),
                           tr("Puntos"), tr("Tiempo")});
  lista_->header()->setStretchLastSection(false);
  lista_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

  auto* botones = new QDialogButtonBox(this);
  ver_ = botones->addButton(tr("Ver"), QDialogButtonBox::ActionRole);
  ver_->setObjectName(QStringLiteral("ver"));
  borrar_ = botones->addButton(tr("Borrar"), QDialogButtonBox::ActionRole);
  borrar_->setObjectName(QStringLiteral("borrar"));
  guardar_ = botones->addButton(tr("Guardar como..."), QDialogButtonBox::ActionRole);
  guardar_->setObjectName(QStringLiteral("guardarComo"));
  QPushButton* abrir = botones->addButton(tr("Abrir..."), QDialogButtonBox::ActionRole);
  abrir->setObjectName(QStringLiteral("abrir"));
  QPushButton* cerrar = botones->addButton(tr("Cerrar"), QDialogButtonBox::RejectRole);
  cerrar->setDefault(true);
  abrir->setEnabled(almacen_ != nullptr);
  connect(ver_, &QPushButton::clicked, this, [this] {
    if (!Elegida().empty()) emit ver(Elegida());
  });
  connect(lista_, &QTreeWidget::itemActivated, ver_, &QPushButton::click);
  connect(borrar_, &QPushButton::clicked, this, &DialogoRepeticiones::PreguntarBorrar);
  connect(guardar_, &QPushButton::clicked, this, [this] { ElegirArchivo(true); });
  connect(abrir, &QPushButton::clicked, this, [this] { ElegirArchivo(false); });
  connect(cerrar, &QPushButton::clicked, this, &QDialog::reject);
  connect(lista_, &QTreeWidget::currentItemChanged, this, [this] {
    const bool legible = lista_->currentItem() != nullptr && lista_->currentItem()->data(0, Qt::UserRole + 1).toBool();
    borrar_->setEnabled(lista_->currentItem() != nullptr);
    guardar_->setEnabled(legible);
    ver_->setEnabled(legible);
  });

  auto* columna = new QVBoxLayout(this);
  columna->addWidget(lista_);
  columna->addWidget(botones);
  resize(640, 400);
  Actualizar();
}

void DialogoRepeticiones::Actualizar(const std::string& elegir) {
  const std::string antes = elegir.empty() ? Elegida() : elegir;
  lista_->clear();
  if (almacen_ != nullptr) {
    for (const RepeticionGuardada& g : almacen_->Listar(TraductorQt())) {
      auto* fila = new QTreeWidgetItem(lista_);
      fila->setData(0, Qt::UserRole, Texto(g.archivo));
      fila->setData(0, Qt::UserRole + 1, g.legible);
      if (!g.legible) {
        // Listed, and left for the player to delete.
        fila->setText(0, Texto(g.archivo));
        fila->setText(2, tr("Ilegible"));
        for (int c = 0; c < lista_->columnCount(); ++c) {
          fila->setToolTip(c, Texto(g.fallo));
          fila->setForeground(c, palette().brush(QPalette::Disabled, QPalette::Text));
        }
        continue;
      }
      const Resumen& r = g.resumen;
      fila->setText(0, Nivel(r));
      fila->setText(1, Texto(r.jugada.substr(0, 16)));
      fila->setText(2, (r.demo ? tr("Demo: ") : QString()) + Traducido("Repeticiones", TextoResultado(r).c_str()) +
                           (g.mejor ? tr(" (récord)") : QString()));
      fila->setText(3, QString::number(r.puntos));
      fila->setText(4, Duracion(r.duracionMs));
      fila->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
      fila->setTextAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
      fila->setToolTip(0, Texto(r.clave));
    }
  }
  QTreeWidgetItem* elegida = lista_->topLevelItemCount() > 0 ? lista_->topLevelItem(0) : nullptr;
  for (int k = 0; k < lista_->topLevelItemCount(); ++k) {
    if (lista_->topLevelItem(k)->data(0, Qt::UserRole).toString() == Texto(antes)) elegida = lista_->topLevelItem(k);
  }
  lista_->setCurrentItem(elegida);
  borrar_->setEnabled(elegida != nullptr);
  guardar_->setEnabled(elegida != nullptr && elegida->data(0, Qt::UserRole + 1).toBool());
}

std::string DialogoRepeticiones::Elegida() const {
  const QTreeWidgetItem* fila = lista_->currentItem();
  return fila != nullptr ? fila->data(0, Qt::UserRole).toString().toStdString() : std::string();
}

void DialogoRepeticiones::PreguntarBorrar() {
  const QTreeWidgetItem* fila = lista_->currentItem();
  if (fila == nullptr || almacen_ == nullptr) return;
  const std::string archivo = Elegida();
  auto* caja = new QMessageBox(QMessageBox::Question, windowTitle(),
                               tr("¿Borrar la repetición «%1» (%2)?")
                                   .arg(fila->text(0), fila->text(1).isEmpty() ? fila->text(2) : fila->text(1)),
                               QMessageBox::NoButton, this);
  caja->setObjectName(QStringLiteral("caja"));
  caja->addButton(tr("Aceptar"), QMessageBox::AcceptRole);
  caja->setDefaultButton(caja->addButton(tr("Cancelar"), QMessageBox::RejectRole));
  caja->setAttribute(Qt::WA_DeleteOnClose);
  connect(caja, &QMessageBox::finished, this, [this, caja, archivo] {
    if (caja->buttonRole(caja->clickedButton()) != QMessageBox::AcceptRole) return;
    if (!almacen_->Borrar(archivo)) Avisar(tr("No se ha podido borrar «%1».").arg(Texto(archivo)));
    Actualizar();
  });
  caja->open();
}

void DialogoRepeticiones::ElegirArchivo(bool guardar) {
  const std::string elegida = Elegida();
  QString carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!QFileInfo(carpeta).isDir()) carpeta = QDir::homePath();
  auto* ventana = new QFileDialog(
      this, guardar ? tr("Guardar la repetición") : tr("Abrir una repetición"), carpeta, tr(kFiltro));
  // Qt's own window (where the desktop has none) in the game's words.
  ventana->setLabelText(QFileDialog::LookIn, tr("Buscar en:"));
  ventana->setLabelText(QFileDialog::FileName, tr("Nombre:"));
  ventana->setLabelText(QFileDialog::FileType, tr("Tipo:"));
  ventana->setLabelText(QFileDialog::Accept, guardar ? tr("Guardar") : tr("Abrir"));
  ventana->setLabelText(QFileDialog::Reject, tr("Cancelar"));
  ventana->setAcceptMode(guardar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  ventana->setFileMode(guardar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  ventana->setDefaultSuffix(QStringLiteral("tumbla"));
  if (guardar) ventana->selectFile(Texto(elegida));
  ventana->setAttribute(Qt::WA_DeleteOnClose);
  connect(ventana, &QFileDialog::fileSelected, this, [this, guardar](const QString& ruta) {
    guardar ? GuardarComo(ruta) : Abrir(ruta);
  });
  ventana->open();
}

bool DialogoRepeticiones::Abrir(const QString& ruta) {
  const QString nombre = QFileInfo(ruta).fileName();
  const std::string camino = ruta.toStdString();
  if (almacen_ == nullptr) return Avisar(tr("No hay carpeta donde guardar repeticiones.")), false;
  // A file of any size may be given: one too large is not read.
  const auto sello = SelloArchivo(camino);
  std::string texto;
  LecturaRepeticion leida;
  if (sello && sello->existe && sello->tamano > kLargoMaximoRepeticion) {
    leida.fallo = FalloRepeticion::Grande;
  } else if (LeerArchivoEntero(camino, texto) != Lectura::Leida) {
    return Avisar(tr("No se puede leer «%1».").arg(nombre)), false;
  } else {
    leida = LeerRepeticion(texto, almacen_->huella());
  }
  if (!leida.Valida()) return Avisar(Texto(TextoFallo(leida, nombre.toStdString(), TraductorQt()))), false;
  std::string guardada;
  if (!almacen_->Guardar(leida.grabacion, &guardada)) {
    Avisar(tr("No se puede guardar la repetición en la carpeta %1.").arg(Texto(almacen_->carpeta())));
    return false;
  }
  Actualizar(guardada);
  return true;
}

bool DialogoRepeticiones::GuardarComo(const QString& ruta) {
  std::string texto;
  if (almacen_ == nullptr || Elegida().empty() || almacen_->Leer(Elegida(), texto) != Lectura::Leida ||
      !CambiarArchivo(ruta.toStdString(), [&texto](const std::string&) { return &texto; })) {
    Avisar(tr("No se puede guardar la repetición en «%1».").arg(ruta));
    return false;
  }
  return true;
}

void DialogoRepeticiones::Avisar(const QString& texto) {
  auto* caja = new QMessageBox(QMessageBox::Warning, windowTitle(), texto, QMessageBox::NoButton, this);
  caja->setObjectName(QStringLiteral("caja"));
  caja->addButton(tr("Aceptar"), QMessageBox::AcceptRole);
  caja->setAttribute(Qt::WA_DeleteOnClose);
  caja->open();
}

}  // namespace tumbla::ui
