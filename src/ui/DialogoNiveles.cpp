// The level-selection window: paints the game's SelectorNiveles and forwards
// the player's input to it.
#include "ui/DialogoNiveles.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "ui/Dibujos.h"
#include "ui/PaginaPaquetes.h"
#include "ui/Teclas.h"

namespace tumbla::ui {

namespace {

// The layout is drawn in twips; at the window's natural size 15 make a pixel.
constexpr int kTwipsPorPixel = 15;
// Where the scroll bar sits: right of the grid, as tall as the five rows.
constexpr int kIzquierdaBarra = 7665;
constexpr int kAnchoBarra = 255;
constexpr int kAltoRejilla = SelectorNiveles::kFilasVisibles * SelectorNiveles::kLadoBoton +
                             (SelectorNiveles::kFilasVisibles - 1) * SelectorNiveles::kSeparacion;
// The frame's line, and the caption's bold 8.25-point type (11 pixels at 96 dpi).
constexpr int kGrosorMarco = 30;
constexpr double kLetraBoton = 11.0;
constexpr double kLetraDatos = 10.0;
constexpr int kFranja = 32;  // pixels: the strip with "Mis paquetes..."

// No sign on a button: the game's own colours, or a colour of no group.
constexpr int kSinSigno = -100;

// A level button: a raised tile in its group's colour with the level number
// in bold; in the palettes with signs, the sign of its kind of level (or a
// padlock) in its corner. It never takes the keyboard focus: the window
// handles the keys.
class BotonNivel : public QAbstractButton {
 public:
  BotonNivel(QWidget* parent, const Paleta& paleta) : QAbstractButton(parent), paleta_(paleta) {
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
  }

  // The game's colour of the button (0x00BBGGRR), shown in the palette.
  void PonerColor(uint32_t bgr) {
    const QColor color = ColorGrupo(paleta_, bgr);
    int signo = kSinSigno;
    if (paleta_.marcas && bgr == kColorGris) {
      signo = kSignoCerrado;
    } else if (paleta_.marcas && TipoDeColor(bgr) >= 0) {
      signo = TipoDeColor(bgr);
    }
    if (color_ != color || signo_ != signo) {
      color_ = color;
      signo_ = signo;
      update();
    }
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter pintor(this);
    const QRect r = rect();
    const bool hundido = isDown();
    pintor.fillRect(r, color_);
    // A two-pixel bevel: light above and left, shadow below and right,
    // swapped while the button is held down.
    const QColor luz = hundido ? color_.darker(160) : color_.lighter(135);
    const QColor sombra = hundido ? color_.lighter(135) : color_.darker(160);
    pintor.setPen(luz);
    pintor.drawLine(r.topLeft(), r.topRight());
    pintor.drawLine(r.topLeft(), r.bottomLeft());
    pintor.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
    pintor.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
    pintor.setPen(sombra);
    pintor.drawLine(r.bottomLeft(), r.bottomRight());
    pintor.drawLine(r.topRight(), r.bottomRight());
    pintor.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    pintor.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
    pintor.setPen(Qt::black);
    pintor.setFont(font());
    pintor.drawText(hundido ? r.translated(1, 1) : r, Qt::AlignCenter, text());
    if (signo_ != kSinSigno) {
      const double lado = r.width() * 0.24;
      const double margen = r.width() * 0.09;
      PintarSignoNivel(pintor, QRectF(r.left() + margen, r.top() + margen, lado, lado), signo_, QColor(0, 0, 0, 200));
    }
  }

 private:
  const Paleta& paleta_;
  QColor color_{0xC0, 0xC0, 0xC0};
  int signo_ = kSinSigno;
};

}  // namespace

DialogoNiveles::DialogoNiveles(SelectorNiveles& modelo, const Teclado& teclado, QWidget* parent, Colores colores)
    : QDialog(parent), modelo_(modelo), teclado_(teclado), paleta_(PaletaDe(colores)) {
  setObjectName(QStringLiteral("frmMenu"));
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);

  for (int i = 0; i < SelectorNiveles::kBotones; ++i) {
    auto* boton = new BotonNivel(this, paleta_);
    boton->setObjectName(QStringLiteral("cmdNivel%1").arg(i));
    boton->installEventFilter(this);
    connect(boton, &QAbstractButton::clicked, this, [this, i] { Responder(Modelo().ClicBoton(i)); });
    cmdNivel_[static_cast<size_t>(i)] = boton;
  }

  scrNiveles_ = new QScrollBar(Qt::Vertical, this);
  scrNiveles_->setObjectName(QStringLiteral("scrNiveles"));
  scrNiveles_->setFocusPolicy(Qt::NoFocus);
  scrNiveles_->setSingleStep(1);
  scrNiveles_->setPageStep(SelectorNiveles::kFilasVisibles);
  connect(scrNiveles_, &QScrollBar::valueChanged, this, [this](int valor) {
    if (copiando_) return;
    Modelo().CambiarDesplazamiento(valor);
    Actualizar();
  });

  lblDatos_ = new QLabel(this);
  lblDatos_->setObjectName(QStringLiteral("lblDatos"));
  lblDatos_->setAutoFillBackground(true);
  lblDatos_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  lblDatos_->setIndent(3);
  lblDatos_->setAttribute(Qt::WA_TransparentForMouseEvents);  // the window's background
  QPalette datos = lblDatos_->palette();
  datos.setColor(QPalette::Window, ColorBgr(SelectorNiveles::kColorFondoDatos));
  datos.setColor(QPalette::WindowText, ColorBgr(SelectorNiveles::kColorTextoDatos));
  if (paleta_.contorno) {
    // High contrast: white on black, the window too.
    datos.setColor(QPalette::Window, Qt::black);
    datos.setColor(QPalette::WindowText, Qt::white);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, Qt::black);
    setPalette(fondo);
    setAutoFillBackground(true);
  }
  lblDatos_->setPalette(datos);

  resize(SelectorNiveles::kAnchoVentana / kTwipsPorPixel,
         SelectorNiveles::kAltoVentana / kTwipsPorPixel);
  setMinimumSize(SelectorNiveles::kAnchoVentana / kTwipsPorPixel / 2,
                 SelectorNiveles::kAltoVentana / kTwipsPorPixel / 2);
  Colocar();
  Actualizar();
}

void DialogoNiveles::PonerPaquetes(PaginaPaquetes* pagina) {
  pagina_ = pagina;
  pagina_->setParent(this);
  pagina_->hide();
  franja_ = kFranja;
  botonPaquetes_ = new QPushButton(tr("Mis &paquetes..."), this);
  botonPaquetes_->setObjectName(QStringLiteral("mnuPaquetes"));
  botonPaquetes_->setFocusPolicy(Qt::NoFocus);
  connect(botonPaquetes_, &QPushButton::clicked, this, [this] {
    pagina_->setGeometry(rect());
    pagina_->show();
    pagina_->raise();
    pagina_->setFocus();
  });
  connect(pagina_, &PaginaPaquetes::volver, this, [this] {
    pagina_->hide();
    setFocus();
  });
  connect(pagina_, &PaginaPaquetes::eleccion, this, [this](const Eleccion& e) { Responder(e); });
  resize(width(), height() + franja_);
  Colocar();
}

void DialogoNiveles::Responder(const Eleccion& respuesta) {
  Actualizar();
  if (respuesta.tipo != Eleccion::Ninguna) emit eleccion(respuesta);
}

void DialogoNiveles::ElegirPosicion(int p) { Responder(Modelo().ElegirPosicion(p)); }

QRect DialogoNiveles::Rectangulo(int izquierda, int arriba, int ancho, int alto) const {
  // Twips to pixels, the layout centred when the window's shape differs.
  const double x0 = (width() - SelectorNiveles::kAnchoVentana * escala_) / 2.0;
  const double y0 = (height() - franja_ - SelectorNiveles::kAltoVentana * escala_) / 2.0;
  const int x1 = static_cast<int>(std::lround(x0 + izquierda * escala_));
  const int y1 = static_cast<int>(std::lround(y0 + arriba * escala_));
  const int x2 = static_cast<int>(std::lround(x0 + (izquierda + ancho) * escala_));
  const int y2 = static_cast<int>(std::lround(y0 + (arriba + alto) * escala_));
  return QRect(x1, y1, std::max(1, x2 - x1), std::max(1, y2 - y1));
}

void DialogoNiveles::Colocar() {
  escala_ = std::min(width() / double(SelectorNiveles::kAnchoVentana),
                     (height() - franja_) / double(SelectorNiveles::kAltoVentana));
  const double pixeles = escala_ * kTwipsPorPixel;  // 1.0 at the natural size

  QFont negrita = font();
  negrita.setBold(true);
  negrita.setPixelSize(std::max(6, static_cast<int>(std::lround(kLetraBoton * pixeles))));
  for (int i = 0; i < SelectorNiveles::kBotones; ++i) {
    QAbstractButton* boton = cmdNivel_[static_cast<size_t>(i)];
    boton->setGeometry(Rectangulo(SelectorNiveles::IzquierdaBoton(i), SelectorNiveles::ArribaBoton(i),
                                  SelectorNiveles::kLadoBoton, SelectorNiveles::kLadoBoton));
    boton->setFont(negrita);
  }
  scrNiveles_->setGeometry(
      Rectangulo(kIzquierdaBarra, SelectorNiveles::kArribaBotones, kAnchoBarra, kAltoRejilla));

  QFont datos = font();
  datos.setPixelSize(std::max(6, static_cast<int>(std::lround(kLetraDatos * pixeles))));
  lblDatos_->setFont(datos);
  lblDatos_->setGeometry(Rectangulo(SelectorNiveles::kIzquierdaDatos, SelectorNiveles::kArribaDatos,
                                    SelectorNiveles::kAnchoDatos, SelectorNiveles::kAltoDatos));
  if (botonPaquetes_ != nullptr) {
    const int ancho = botonPaquetes_->sizeHint().width();
    botonPaquetes_->setGeometry(width() - ancho - 8, height() - franja_ + 2, ancho, franja_ - 6);
    pagina_->setGeometry(rect());
  }
  update();
}

void DialogoNiveles::Actualizar() {
  const SelectorNiveles& m = Modelo();
  setWindowTitle(QString::fromStdString(m.Titulo()));
  for (int i = 0; i < SelectorNiveles::kBotones; ++i) {
    const SelectorNiveles::BotonNivel& b = m.Boton(i);
    auto* boton = static_cast<BotonNivel*>(cmdNivel_[static_cast<size_t>(i)]);
    boton->setText(QString::fromStdString(b.texto));
    boton->PonerColor(b.color);
    boton->setVisible(b.visible);
  }
  copiando_ = true;
  scrNiveles_->setRange(0, m.MaximoDesplazamiento());
  scrNiveles_->setValue(m.ValorDesplazamiento());
  copiando_ = false;
  lblDatos_->setText(QString::fromStdString(m.lblDatos()));
  update();  // the selection frame
}

void DialogoNiveles::reject() {
  // The close box: back to the game as it was. The window stays until the
  // platform, the answer given, closes it.
  Responder(Modelo().Continuar());
}

void DialogoNiveles::keyPressEvent(QKeyEvent* evento) {
  const Comando c = teclado_.Resolver(CodigoTecla(evento->key()), evento->isAutoRepeat(), Contexto::Selector);
  if (pagina_ != nullptr && pagina_->isVisible()) {
    // The packs' page has its own keys; what it leaves to the window never
    // reaches the levels' page behind it, and Escape goes back to it.
    evento->accept();
    if (c == Comando::Cancelar) emit pagina_->volver();
    return;
  }
  if (c == Comando::Ninguno) {
    // Not QDialog's: its Escape and Enter would close the window behind
    // the game's back.
    QWidget::keyPressEvent(evento);
    return;
  }
  evento->accept();
  Responder(Modelo().Ordenar(c));
}

void DialogoNiveles::mouseMoveEvent(QMouseEvent* evento) {
  // Buttons pass their unused moves on to us, so the pointer may well be
  // over one of them.
  QWidget* debajo = childAt(evento->position().toPoint());
  const auto it = std::find(cmdNivel_.begin(), cmdNivel_.end(), debajo);
  PunteroSobre(it == cmdNivel_.end() ? -1 : static_cast<int>(it - cmdNivel_.begin()));
  QDialog::mouseMoveEvent(evento);
}

void DialogoNiveles::PunteroSobre(int i) {
  if (punteroSobre_ == i) return;
  punteroSobre_ = i;
  if (i < 0) {
    Modelo().PunteroSobreFondo();
  } else {
    Modelo().PunteroSobreBoton(i);
  }
  Actualizar();
}

void DialogoNiveles::wheelEvent(QWheelEvent* evento) {
  // The wheel anywhere in the window turns the scroll bar a row at a time.
  const int pasos = evento->angleDelta().y() / 120;
  if (pasos != 0) {
    Modelo().CambiarDesplazamiento(Modelo().ValorDesplazamiento() - pasos);
    Actualizar();
  }
  evento->accept();
}

bool DialogoNiveles::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::Enter || evento->type() == QEvent::MouseMove) {
    const auto it = std::find(cmdNivel_.begin(), cmdNivel_.end(), objeto);
    if (it != cmdNivel_.end()) PunteroSobre(static_cast<int>(it - cmdNivel_.begin()));
  }
  return QDialog::eventFilter(objeto, evento);
}

void DialogoNiveles::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  const SelectorNiveles::Marco m = Modelo().MarcoSeleccion();
  // The red frame lies in the gap around the selected button.
  const QRect marco = Rectangulo(m.izquierda, m.arriba, m.ancho, m.alto);
  const int grosor = std::max(1, static_cast<int>(std::lround(kGrosorMarco * escala_)));
  QPen lapiz(ColorMarco(paleta_, SelectorNiveles::kColorMarco), grosor);
  lapiz.setJoinStyle(Qt::MiterJoin);
  pintor.setPen(lapiz);
  pintor.setBrush(Qt::NoBrush);
  const double medio = grosor / 2.0;
  pintor.drawRect(QRectF(marco).adjusted(medio, medio, -medio, -medio));
}

void DialogoNiveles::resizeEvent(QResizeEvent* evento) {
  QDialog::resizeEvent(evento);
  Colocar();
}

void DialogoNiveles::showEvent(QShowEvent* evento) {
  // The game has activated the model just before showing the window.
  punteroSobre_ = -2;
  Actualizar();
  QDialog::showEvent(evento);
  setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace tumbla::ui
