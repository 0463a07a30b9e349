// The credits window.
#include "ui/VentanaCreditos.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include <utility>

namespace tumbla::ui {

namespace {

// The logo, painted from its vector picture at whatever size and pixel
// density the screen has.
class Logo : public QWidget {
 public:
  explicit Logo(QWidget* parent)
      : QWidget(parent), dibujo_(QStringLiteral(":/pictures/tumbla.svg"), this) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    const int lado = qMin(width(), height());
    dibujo_.render(&pintor, QRectF((width() - lado) / 2.0, (height() - lado) / 2.0, lado, lado));
  }

 private:
  QSvgRenderer dibujo_;
};

QLabel* Enlace(const QString& nombre, const QString& texto, QWidget* parent) {
  auto* etiqueta = new QLabel(texto, parent);
  etiqueta->setObjectName(nombre);
  etiqueta->setCursor(Qt::PointingHandCursor);
  etiqueta->setMouseTracking(true);
  QPalette colores = etiqueta->palette();
  colores.setColor(QPalette::WindowText, QColor(0x10, 0x40, 0xB0));
  etiqueta->setPalette(colores);
  return etiqueta;
}

}  // namespace

QString VentanaCreditos::Correo() { return QStringLiteral("tumbla@example.org"); }
QString VentanaCreditos::Web() { return QStringLiteral("www.example.org/tumbla"); }

VentanaCreditos::VentanaCreditos(std::function<bool(const QString&)> abrir, QWidget* parent)
    : QDialog(parent), abrir_(std::move(abrir)) {
  setObjectName(QStringLiteral("frmVandrell"));
  setWindowTitle(tr("Acerca de Tumbla"));
  setMouseTracking(true);

  auto* imgLogo = new Logo(this);
  imgLogo->setObjectName(QStringLiteral("imgLogo"));
  imgLogo->setFixedSize(112, 112);

  auto* titulo = new QLabel(QStringLiteral("Tumbla 3.0 Dilatorus"), this);
  titulo->setObjectName(QStringLiteral("lblTitulo"));
  QFont grande = titulo->font();
  grande.setBold(true);
  grande.setPointSizeF(grande.pointSizeF() * 1.4);
  titulo->setFont(grande);

  auto* lblMas = new QLabel(
      tr("Un juego de bloques que caen: 296 niveles en ocho grupos, con filas "
         "que borrar, gotas que llevar hasta el suelo, tableros que giran y "
         "plantas que hay que podar a tiempo.\n\n"
         "¿Una idea, un fallo, un nivel imposible? Escríbenos o visítanos:"),
      this);
  lblMas->setObjectName(QStringLiteral("lblMas"));
  lblMas->setWordWrap(true);
  // A wrapped text has no natural size: give it a width and the height that
  // width needs, so the window fits it exactly in any font.
  lblMas->setFixedWidth(310);
  lblMas->setFixedHeight(lblMas->heightForWidth(310));

  lblMail_ = Enlace(QStringLiteral("lblMail"), Correo(), this);
  lblURL_ = Enlace(QStringLiteral("lblURL"), Web(), this);

  // Clicks and pointer moves over the logo and the text belong to the window:
  // a click there closes it, a move there clears the underline.
  for (QWidget* pasivo : {static_cast<QWidget*>(imgLogo), static_cast<QWidget*>(titulo),
                          static_cast<QWidget*>(lblMas)})
    pasivo->setAttribute(Qt::WA_TransparentForMouseEvents);
  for (QLabel* enlace : {lblMail_, lblURL_}) enlace->installEventFilter(this);

  auto* texto = new QVBoxLayout;
  texto->setSpacing(6);
  texto->addWidget(titulo);
  texto->addWidget(lblMas);
  texto->addSpacing(4);
  texto->addWidget(lblMail_, 0, Qt::AlignLeft);
  texto->addWidget(lblURL_, 0, Qt::AlignLeft);
  texto->addStretch(1);
  auto* cerrar = new QPushButton(tr("Cerrar"), this);
  cerrar->setObjectName(QStringLiteral("cmdCerrar"));
  connect(cerrar, &QPushButton::clicked, this, &QDialog::accept);
  texto->addWidget(cerrar, 0, Qt::AlignRight);

  auto* todo = new QHBoxLayout(this);
  todo->setContentsMargins(18, 18, 18, 18);
  todo->setSpacing(18);
  todo->addWidget(imgLogo, 0, Qt::AlignTop);
  todo->addLayout(texto, 1);

  todo->setSizeConstraint(QLayout::SetFixedSize);
  for (QWidget* hijo : findChildren<QWidget*>()) hijo->setFocusPolicy(Qt::NoFocus);
}

void VentanaCreditos::Resaltar(QLabel* sobre) {
  for (QLabel* enlace : {lblMail_, lblURL_}) {
    QFont letra = enlace->font();
    if (letra.underline() != (enlace == sobre)) {
      letra.setUnderline(enlace == sobre);
      enlace->setFont(letra);
    }
  }
}

bool VentanaCreditos::eventFilter(QObject* objeto, QEvent* evento) {
  auto* enlace = qobject_cast<QLabel*>(objeto);
  if (enlace == lblMail_ || enlace == lblURL_) {
    switch (evento->type()) {
      case QEvent::Enter:
      case QEvent::MouseMove:
        Resaltar(enlace);
        break;
      case QEvent::Leave:
        Resaltar(nullptr);
        break;
      case QEvent::MouseButtonPress:
        // The window stays open, whether or not a program took the address.
        if (static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton && abrir_) {
          abrir_(enlace == lblMail_ ? QStringLiteral("mailto:") + Correo()
                                    : QStringLiteral("http://") + Web());
        }
        return true;
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
        return true;
      default:
        break;
    }
  }
  return QDialog::eventFilter(objeto, evento);
}

void VentanaCreditos::keyPressEvent(QKeyEvent* evento) {
  evento->accept();
  accept();
}

void VentanaCreditos::mousePressEvent(QMouseEvent* evento) {
  evento->accept();
  accept();
}

void VentanaCreditos::mouseMoveEvent(QMouseEvent* evento) {
  // An address passes its unused moves on to us: look at what is under the
  // pointer rather than assume it is the bare window.
  QWidget* debajo = childAt(evento->position().toPoint());
  Resaltar(debajo == lblMail_ ? lblMail_ : debajo == lblURL_ ? lblURL_ : nullptr);
  QDialog::mouseMoveEvent(evento);
}

void VentanaCreditos::leaveEvent(QEvent* evento) {
  Resaltar(nullptr);
  QDialog::leaveEvent(evento);
}

void VentanaCreditos::showEvent(QShowEvent* evento) {
  Resaltar(nullptr);
  if (QWidget* dueno = parentWidget()) {
    const QRect sobre = dueno->window()->frameGeometry();
    QRect propia = frameGeometry();
    propia.moveCenter(sobre.center());
    move(propia.topLeft());
  }
  QDialog::showEvent(evento);
}

}  // namespace tumbla::ui
