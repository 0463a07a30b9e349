#include "ui/DialogoTeclas.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "grabacion/Grabadora.h"
#include "motor/Juego.h"
#include "ui/Idiomas.h"
#include "ui/Teclas.h"

namespace tumbla::ui {

namespace {

// The input table's texts, in the player's language.
QString Texto(const char* s) { return Traducido("Entradas", s); }

QString Visible(int codigo) { return Texto(NombreVisible(codigo).c_str()); }

// The keys of play, the first entries of the input table.
const Entrada& Accion(int a) { return Entradas()[static_cast<size_t>(a)]; }

QString Nombre(Comando c) {
  const Entrada* e = EntradaDe(c);
  return e != nullptr && e->nombre != nullptr ? Texto(e->nombre) : QString();
}

}  // namespace

DialogoTeclas::DialogoTeclas(Grabadora& grabadora, QWidget* parent)
    : QDialog(parent), grabadora_(grabadora), juego_(grabadora.juego()) {
  setObjectName(QStringLiteral("DialogoTeclas"));
  setWindowTitle(tr("Teclas"));
  auto* rejilla = new QGridLayout;
  for (int a = 0; a < kAccionesTecla; ++a) {
    rejilla->addWidget(new QLabel(Texto(Accion(a).nombre), this), a, 0);
    auto* boton = new QPushButton(this);
    boton->setObjectName(QStringLiteral("tecla%1").arg(a));
    boton->setMinimumWidth(170);
    connect(boton, &QPushButton::clicked, this, [this, a] { Esperar(a); });
    rejilla->addWidget(boton, a, 1);
    botones_[static_cast<size_t>(a)] = boton;
  }
  aviso_ = new QLabel(this);
  aviso_->setObjectName(QStringLiteral("aviso"));
  aviso_->setWordWrap(true);
  // How a held key repeats, timed by the game whatever the desktop's setting.
  auto* sostenida = new QFormLayout;
  const char* rotulos[] = {QT_TR_NOOP("Espera antes de repetir"), QT_TR_NOOP("Repeticiones por segundo"),
                           QT_TR_NOOP("Filas por segundo al bajar")};
  for (size_t k = 0; k < ritmo_.size(); ++k) {
    auto* campo = new QSpinBox(this);
    campo->setObjectName(QStringLiteral("ritmo%1").arg(k));
    campo->setRange(k == 0 ? 0 : 1, k == 0 ? Repeticion::kRetardoMaximo : Repeticion::kPorSegundoMaximo);
    if (k == 0) {
      campo->setSuffix(QStringLiteral(" ms"));
      campo->setSingleStep(10);
    }
    connect(campo, &QSpinBox::valueChanged, this, &DialogoTeclas::CambiarRitmo);
    campo->installEventFilter(this);
    sostenida->addRow(tr(rotulos[k]), campo);
    ritmo_[k] = campo;
  }
  auto* pie = new QDialogButtonBox(this);
  QPushButton* predeterminadas = pie->addButton(tr("Predeterminadas"), QDialogButtonBox::ResetRole);
  predeterminadas->setObjectName(QStringLiteral("predeterminadas"));
  QPushButton* cerrar = pie->addButton(tr("Cerrar"), QDialogButtonBox::RejectRole);
  connect(predeterminadas, &QPushButton::clicked, this, [this] {
    grabadora_.TeclasPredeterminadas();
    aviso_->clear();
    esperando_ = -1;
    Actualizar();
  });
  connect(cerrar, &QPushButton::clicked, this, &QDialog::reject);
  auto* columna = new QVBoxLayout(this);
  columna->addLayout(rejilla);
  columna->addWidget(aviso_);
  columna->addLayout(sostenida);
  // While a replay is watched its keys are the game's own: listed, not chosen.
  auto* visor = new QFormLayout;
  visor->addRow(new QLabel(tr("Al ver una repetición:"), this));
  for (const Entrada& e : Entradas()) {
    if (e.enVisor == nullptr) continue;
    QStringList teclas;
    for (const int t : e.visor) {
      if (t != 0) teclas << Visible(t);
    }
    visor->addRow(Texto(e.enVisor), new QLabel(teclas.join(QStringLiteral(", ")), this));
  }
  columna->addLayout(visor);
  columna->addWidget(pie);
  // The buttons take no key: a key pressed while an action waits is its key.
  for (QPushButton* b : botones_) b->installEventFilter(this);
  predeterminadas->installEventFilter(this);
  cerrar->installEventFilter(this);
  installEventFilter(this);
  Actualizar();
}

void DialogoTeclas::CambiarRitmo() {
  juego_.PonerRepeticion({ritmo_[0]->value(), ritmo_[1]->value(), ritmo_[2]->value()});
}

void DialogoTeclas::Actualizar() {
  const Repeticion& r = juego_.teclado().repeticion();
  const int valores[] = {r.retardo, r.porSegundo, r.abajoPorSegundo};
  for (size_t k = 0; k < ritmo_.size(); ++k) {
    const QSignalBlocker quieto(ritmo_[k]);
    ritmo_[k]->setValue(valores[k]);
  }
  for (int a = 0; a < kAccionesTecla; ++a) {
    QPushButton* boton = botones_[static_cast<size_t>(a)];
    if (a == esperando_) {
      boton->setText(tr("Pulsa una tecla…"));
      continue;
    }
    const auto teclas = juego_.teclado().Teclas(Accion(a).comando);
    QStringList nombres;
    for (int codigo : teclas) {
      if (codigo != 0) nombres << Visible(codigo);
    }
    boton->setText(nombres.isEmpty() ? Texto("(ninguna)") : nombres.join(QStringLiteral(", ")));
  }
}

void DialogoTeclas::Esperar(int accion) {
  esperando_ = accion;
  aviso_->setText(tr("Pulsa la tecla para «%1» (Escape: dejarla como está).").arg(Texto(Accion(accion).nombre)));
  Actualizar();
}

void DialogoTeclas::Asignar(int codigo) {
  const Comando c = Accion(esperando_).comando;
  const QString tecla = codigo != 0 ? Visible(codigo) : tr("Esa tecla");
  Comando ocupada = Comando::Ninguno;
  if (codigo != 0 && grabadora_.AsignarTecla(c, codigo, ocupada)) {
    aviso_->clear();
  } else if (ocupada != Comando::Ninguno) {
    aviso_->setText(tr("La tecla «%1» ya es de «%2».").arg(tecla, Nombre(ocupada)));
  } else {
    aviso_->setText(tr("«%1» no se puede usar: el juego la necesita.").arg(tecla));
  }
  esperando_ = -1;
  Actualizar();
}

bool DialogoTeclas::eventFilter(QObject* objeto, QEvent* evento) {
  if (esperando_ < 0 || evento->type() != QEvent::KeyPress) return QDialog::eventFilter(objeto, evento);
  const auto* tecla = static_cast<QKeyEvent*>(evento);
  if (tecla->isAutoRepeat()) return true;
  const int codigo = CodigoTecla(tecla->key());
  if (juego_.teclado().Resolver(codigo, false, Contexto::Caja) == Comando::Cancelar) {
    esperando_ = -1;
    aviso_->clear();
    Actualizar();
  } else {
    Asignar(codigo);
  }
  return true;
}

}  // namespace tumbla::ui
