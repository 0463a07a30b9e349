#include "ui/PaginaPaquetes.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <memory>

namespace tumbla::ui {

namespace {

QString Texto(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Where a level's item keeps its pack and its place in the pack's proven levels.
constexpr int kPaquete = Qt::UserRole;
constexpr int kNivel = Qt::UserRole + 1;

}  // namespace

PaginaPaquetes::PaginaPaquetes(const QString& carpetaDatos, const Progreso& progreso, QWidget* parent)
    : QWidget(parent), paquetes_(CarpetaPaquetes(carpetaDatos.toUtf8().toStdString()).Todos()) {
  setObjectName(QStringLiteral("paginaPaquetes"));
  setAutoFillBackground(true);
  arbol_ = new QTreeWidget(this);
  arbol_->setObjectName(QStringLiteral("arbolPaquetes"));
  arbol_->setColumnCount(2);
  setFocusProxy(arbol_);
  arbol_->setHeaderLabels({tr("Paquete y nivel"), tr("Récord")});
  arbol_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  arbol_->header()->setStretchLastSection(false);
  jugar_ = new QPushButton(tr("Jugar"), this);
  jugar_->setObjectName(QStringLiteral("jugarPaquete"));
  jugar_->setAutoDefault(false);
  auto* volver = new QPushButton(tr("Niveles del juego"), this);
  volver->setObjectName(QStringLiteral("volverNiveles"));
  volver->setAutoDefault(false);
  auto* botones = new QHBoxLayout;
  botones->addWidget(volver);
  botones->addStretch(1);
  botones->addWidget(jugar_);
  auto* capa = new QVBoxLayout(this);
  capa->addWidget(arbol_, 1);
  capa->addLayout(botones);
  connect(volver, &QPushButton::clicked, this, &PaginaPaquetes::volver);
  connect(jugar_, &QPushButton::clicked, this, [this] { Jugar(arbol_->currentItem()); });
  connect(arbol_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { Jugar(item); });
  connect(arbol_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    jugar_->setEnabled(item != nullptr && item->data(0, kNivel).isValid() && !item->isDisabled());
  });
  Llenar(progreso);
}

void PaginaPaquetes::Llenar(const Progreso& progreso) {
  // Only the proven levels are played; the pack's next level is open, the
  // ones after it wait.
  for (size_t p = 0; p < paquetes_.size(); ++p) {
    const auto& [ruta, paquete] = paquetes_[p];
    const std::string seccion = JugableDe(Paquete{}, ruta).seccion;
    const int superados = progreso.SuperadosPaquete(seccion);
    superados_.push_back(superados);
    auto* raiz = new QTreeWidgetItem(arbol_);
    int numero = 0;
    for (const NivelDePaquete& n : paquete.niveles) {
      if (!n.Probado()) continue;
      auto* item = new QTreeWidgetItem(raiz);
      const int32_t record = progreso.RecordPaquete(seccion, numero + 1);
      item->setText(0, QStringLiteral("%1. %2%3").arg(numero + 1).arg(Texto(n.nivel.nombre),
                                                                    numero < superados ? QStringLiteral("  ✓") : QString()));
      item->setText(1, record > 0 ? QString::number(record) : QString());
      item->setToolTip(0, Texto(n.nivel.descripcion));
      item->setData(0, kPaquete, static_cast<int>(p));
      item->setData(0, kNivel, numero);
      item->setDisabled(numero > superados);
      ++numero;
    }
    raiz->setText(0, tr("%1 — %2 (%3 de %4)")
                         .arg(Texto(paquete.nombre), paquete.autor.empty() ? tr("sin autor") : Texto(paquete.autor))
                         .arg(std::min(superados, numero))
                         .arg(numero));
    raiz->setExpanded(true);
  }
  if (paquetes_.empty()) {
    auto* vacio = new QTreeWidgetItem(arbol_);
    vacio->setText(0, tr("No hay paquetes: haz niveles en el editor o importa un paquete."));
    vacio->setDisabled(true);
  }
  jugar_->setEnabled(false);
}

void PaginaPaquetes::Jugar(QTreeWidgetItem* item) {
  if (item == nullptr || item->isDisabled() || !item->data(0, kNivel).isValid()) return;
  Elegir(item->data(0, kPaquete).toInt(), item->data(0, kNivel).toInt());
}

void PaginaPaquetes::Elegir(int paquete, int nivel) {
  if (paquete < 0 || paquete >= static_cast<int>(paquetes_.size())) return;
  const auto& [ruta, p] = paquetes_[static_cast<size_t>(paquete)];
  auto jugable = std::make_shared<const PaqueteJugable>(JugableDe(p, ruta));
  if (nivel < 0 || nivel >= static_cast<int>(jugable->niveles.size()) || nivel > superados_[static_cast<size_t>(paquete)]) {
    return;
  }
  emit eleccion(Eleccion{.tipo = Eleccion::Paquete, .posicion = nivel, .paquete = std::move(jugable)});
}

}  // namespace tumbla::ui
