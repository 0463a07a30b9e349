// The main window's client area, painted from the screen model.
#include "ui/Escenario.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

#include "motor/Ayuda.h"
#include "ui/Dibujos.h"
#include "ui/Idiomas.h"

namespace tumbla::ui {

namespace escena {

namespace {
constexpr double Px(double twips) { return twips / kTwipsPorPixel; }
constexpr double kCelda = Px(kLadoCelda);
QRectF Rect(double x, double y, double ancho, double alto) {
  return QRectF(Px(x), Px(y), Px(ancho), Px(alto));
}
}  // namespace

QRectF Celda(int i) {
  return Rect(kIzquierdaTablero + Columna(i) * kLadoCelda, kArribaTablero + Fila(i) * kLadoCelda,
              kLadoCelda, kLadoCelda);
}
QRectF CeldaSiguiente(int k) {
  return Rect(kIzquierdaSiguiente + (k % 5) * kLadoCelda, kArribaSiguiente + (k / 5) * kLadoCelda,
              kLadoCelda, kLadoCelda);
}
QRectF MarcoSiguiente() {
  return Rect(kIzquierdaSiguiente, kArribaSiguiente, 5 * kLadoCelda, 4 * kLadoCelda).adjusted(-4, -4, 4, 4);
}
QRectF TituloSiguiente() { return Rect(kIzquierdaPanel, kArribaTitulo, kAnchoPanel, 240); }
QRectF Obstaculo(int k) {
  return Rect(kIzquierdaObstaculos + k * kPasoObstaculos, kArribaObstaculos, kLadoCelda, kLadoCelda);
}
QRectF Objetivo(int k) {
  return Rect(kIzquierdaObstaculos + k * kPasoObstaculos, kArribaObjetivo, kLadoCelda, kLadoCelda);
}
QRectF Tiempo() { return Rect(kIzquierdaPanel, kArribaTiempo, kAnchoPanel, 390); }
QRectF TipoJuego() { return Rect(kIzquierdaPanel, kArribaTipoJuego, kAnchoPanel, 300); }
QRectF Pausa() { return Rect(kIzquierdaPanel, kArribaPausa, kAnchoPanel, 300); }
QRectF Puntos() { return Rect(kIzquierdaPanel, kArribaPuntos + kAltoRotulo, kAnchoPanel, kAltoMarcador); }
QRectF Record() { return Rect(kIzquierdaPanel, kArribaRecord + kAltoRotulo, kAnchoPanel, kAltoMarcador); }
QRectF Demo() { return Rect(kIzquierdaPanel, kArribaDemo, kAnchoPanel, 450); }
QRectF FilaTablero(int fila) {
  return Rect(kIzquierdaTablero + kLadoCelda, kArribaTablero + fila * kLadoCelda, 11 * kLadoCelda, kLadoCelda);
}
QRectF Inicio() {
  return Rect(kIzquierdaTablero + kLadoCelda, kArribaTablero + 9 * kLadoCelda, 11 * kLadoCelda, 4 * kLadoCelda);
}
QRectF Tablero() {
  return Rect(kIzquierdaTablero, kArribaTablero, 13 * kLadoCelda, 25 * kLadoCelda);
}
QRectF Panel() {
  const double izquierda = Tablero().right();
  return QRectF(izquierda, 0, Px(kAnchoEscena) - izquierda, Px(kAltoEscena));
}
QRectF AreaMarco(bool cuadrado) {
  const int primeraFila = cuadrado ? 13 : 0;
  return Rect(kIzquierdaTablero + kLadoCelda, kArribaTablero + primeraFila * kLadoCelda,
              11 * kLadoCelda, (24 - primeraFila) * kLadoCelda);
}
QRectF Persiana(int filas) {
  return Rect(kIzquierdaTablero + kLadoCelda, kArribaTablero, 11 * kLadoCelda,
              std::clamp(filas, 0, 24) * kLadoCelda);
}
QRectF Todo() { return Rect(0, 0, kAnchoEscena, kAltoEscena); }

}  // namespace escena

namespace {

// The background, the board, its grid and the panel's texts come from the
// palette.
const QColor kTextoOscuro(0x1C, 0x1F, 0x24);
const QColor kPausa(0xFF, 0xC8, 0x3D);
const QColor kBoton(0xC9, 0xCD, 0xD3);
const QColor kSombra(0xFF, 0xFF, 0xFF, 0x30);
const QColor kPista(0x5C, 0xE1, 0xE6);  // the hint's outline, unlike any block
const QColor kBordeSombra(0xFF, 0xFF, 0xFF, 0x70);
const QColor kDestello(0xFF, 0xFF, 0xFF, 0xC0);

QFont Letra(const QFont& base, double pixeles, bool negrita) {
  QFont f(base);
  f.setPixelSize(static_cast<int>(std::lround(pixeles)));
  f.setBold(negrita);
  return f;
}

QString Texto(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

Escenario::Escenario(const Pantalla& pantalla, QWidget* parent)
    : QWidget(parent), pantalla_(&pantalla), sobreTablero_(Captar(pantalla)) {
  setObjectName(QStringLiteral("escenario"));
  setFocusPolicy(Qt::StrongFocus);
  // Every pixel is painted here: no background fill by Qt first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(sizeHint() / 2);
  reloj_.start();
  finDestello_.setSingleShot(true);
  connect(&finDestello_, &QTimer::timeout, this, &Escenario::ApagarDestellos);
}

QSize Escenario::sizeHint() const {
  const QRectF r = escena::Todo();
  return QSize(static_cast<int>(std::lround(r.width())), static_cast<int>(std::lround(r.height())));
}

Escenario::SobreTablero Escenario::Captar(const Pantalla& p) {
  return {p.marco, p.persianaVisible, p.filasPersiana, p.textoPersiana, p.lblInicio.visible, p.aspecto};
}

QRectF Escenario::AWidget(const QRectF& r) const {
  return QRectF(origen_ + r.topLeft() * escala_, r.size() * escala_);
}

void Escenario::Reescalar() {
  const QRectF todo = escena::Todo();
  escala_ = std::min(width() / todo.width(), height() / todo.height());
  // Centred both ways, whatever the window's shape.
  origen_ = QPointF(std::floor((width() - todo.width() * escala_) / 2), std::floor((height() - todo.height() * escala_) / 2));
}

void Escenario::resizeEvent(QResizeEvent* evento) {
  Reescalar();
  QWidget::resizeEvent(evento);
}

bool Escenario::Destella(int fila) const {
  return fila >= 0 && fila < kAlto && destelloHasta_[static_cast<size_t>(fila)] > reloj_.elapsed();
}

void Escenario::Destellar(const std::bitset<kAlto>& filasBorradas) {
  if (filasBorradas.none()) return;
  const int ms = pantalla_->aspecto.menosDestellos ? kMsMarca : kMsDestello;
  const qint64 hasta = reloj_.elapsed() + ms;
  for (int f = 0; f < kAlto; ++f) {
    if (!filasBorradas.test(static_cast<size_t>(f))) continue;
    destelloHasta_[static_cast<size_t>(f)] = hasta;
    update(AWidget(FilaConMuros(f)).toAlignedRect().adjusted(-1, -1, 1, 1));
  }
  finDestello_.start(ms);
}

QRectF Escenario::FilaConMuros(int fila) {
  return escena::Celda(fila * kAncho).united(escena::Celda(fila * kAncho + kAncho - 1));
}

void Escenario::ApagarDestellos() {
  const qint64 ahora = reloj_.elapsed();
  qint64 proximo = 0;
  for (int f = 0; f < kAlto; ++f) {
    qint64& hasta = destelloHasta_[static_cast<size_t>(f)];
    if (hasta == 0) continue;
    if (hasta <= ahora) {
      hasta = 0;
      update(AWidget(FilaConMuros(f)).toAlignedRect().adjusted(-1, -1, 1, 1));
    } else if (proximo == 0 || hasta < proximo) {
      proximo = hasta;
    }
  }
  if (proximo != 0) finDestello_.start(static_cast<int>(proximo - ahora));
}

void Escenario::Mostrar(const Pantalla& pantalla) {
  if (pantalla_ == &pantalla) return;
  pantalla_ = &pantalla;
  sobreTablero_ = Captar(pantalla);
  update();
}

void Escenario::ProgramarRepintado(const Cambios& cambios) {
  Destellar(cambios.filasBorradas);
  for (int i = 0; i < kCeldas && cambios.celdas.any(); ++i) {
    if (cambios.celdas.test(static_cast<size_t>(i))) {
      // One pixel more on each side for the antialiased edges.
      update(AWidget(escena::Celda(i)).toAlignedRect().adjusted(-1, -1, 1, 1));
    }
  }
  if (cambios.panel) {
    const SobreTablero ahora = Captar(*pantalla_);
    if (ahora == sobreTablero_) {
      update(AWidget(escena::Panel()).toAlignedRect().adjusted(-1, -1, 1, 1));
    } else {
      sobreTablero_ = ahora;
      update();
    }
  }
}

void Escenario::paintEvent(QPaintEvent* evento) {
  QPainter p(this);
  p.fillRect(evento->rect(), QColor(paleta().fondo));
  p.translate(origen_);
  p.scale(escala_, escala_);
  // The part of the scene this paint covers.
  const QRectF visible =
      QRectF(evento->rect()).translated(-origen_).adjusted(-1, -1, 1, 1);
  const QRectF enEscena(visible.topLeft() / escala_, visible.size() / escala_);

  if (enEscena.intersects(escena::Tablero())) PintarTablero(p, enEscena);
  if (enEscena.intersects(escena::Panel())) PintarPanel(p);

  if (!pintado_) {
    pintado_ = true;
    emit primerPintado();
  }
}

void Escenario::PintarTablero(QPainter& p, const QRectF& visible) {
  const QRectF juego = escena::AreaMarco(false);
  p.fillRect(juego, QColor(paleta().fondoJuego));
  // A faint grid helps to judge where a piece will fall.
  p.setPen(QPen(QColor(paleta().rejilla), 1));
  for (int c = 1; c < 11; ++c) {
    const double x = juego.left() + c * juego.width() / 11 + 0.5;
    p.drawLine(QPointF(x, juego.top()), QPointF(x, juego.bottom()));
  }
  for (int f = 1; f < 24; ++f) {
    const double y = juego.top() + f * juego.height() / 24 + 0.5;
    p.drawLine(QPointF(juego.left(), y), QPointF(juego.right(), y));
  }
  p.setPen(Qt::NoPen);
  for (int i = 0; i < kCeldas; ++i) {
    const QRectF celda = escena::Celda(i);
    if (!celda.intersects(visible)) continue;
    const int imagen = pantalla_->imgTablero[static_cast<size_t>(i)];
    if (imagen != kSinImagen) {
      PintarImagen(p, celda, imagen, paleta());
    } else if (pantalla_->sombra.test(static_cast<size_t>(i))) {
      // Where the piece would land: a faint outline, never mistaken for a block.
      p.setPen(QPen(kBordeSombra, 1));
      p.setBrush(kSombra);
      p.drawRect(celda.adjusted(1.5, 1.5, -1.5, -1.5));
      p.setPen(Qt::NoPen);
    }
  }
  // The hint: where the computer would put the piece, as a dashed outline
  // over whatever is there.
  if (pantalla_->pista.any()) {
    QPen trazo(kPista, 2, Qt::DashLine);
    p.setPen(trazo);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < kCeldas; ++i) {
      if (pantalla_->pista.test(static_cast<size_t>(i))) p.drawRect(escena::Celda(i).adjusted(2, 2, -2, -2));
    }
    p.setPen(Qt::NoPen);
  }
  PintarDestellos(p);
  if (pantalla_->lblInicio.visible) {
    p.setPen(QColor(paleta().textoClaro));
    p.setFont(Letra(font(), 15, true));
    p.drawText(escena::Inicio(), Qt::AlignCenter | Qt::TextWordWrap, Texto(pantalla_->lblInicio.texto));
    p.setPen(Qt::NoPen);
  }
  PintarMarco(p);
  PintarPersiana(p);
}

void Escenario::PintarDestellos(QPainter& p) {
  for (int f = 0; f < kAlto - 1; ++f) {
    if (!Destella(f)) continue;
    if (!pantalla_->aspecto.menosDestellos) {
      p.fillRect(escena::FilaTablero(f), kDestello);
      continue;
    }
    // Fewer flashes: the row itself only changes once, to what falls into
    // it; a steady arrow on each wall points at where it went.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(paleta().textoClaro));
    const QPointF izquierda = escena::Celda(f * kAncho).topLeft();
    const QPointF derecha = escena::Celda(f * kAncho + kAncho - 1).topLeft();
    p.drawPolygon(QPolygonF({izquierda + QPointF(3, 4), izquierda + QPointF(11, 8.5), izquierda + QPointF(3, 13)}));
    p.drawPolygon(QPolygonF({derecha + QPointF(14, 4), derecha + QPointF(6, 8.5), derecha + QPointF(14, 13)}));
  }
}

void Escenario::PintarMarco(QPainter& p) {
  if (!pantalla_->marco.visible) return;
  // Two pixels wide, just outside the cells, so it never hides a block.
  p.setBrush(Qt::NoBrush);
  // With signs, the last seconds' frame is twice as wide too: more than a colour.
  const double ancho = paleta().marcas && pantalla_->marco.color == kColorRojo ? 4 : 2;
  p.setPen(QPen(ColorMarco(paleta(), pantalla_->marco.color), ancho, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(escena::AreaMarco(pantalla_->marco.cuadrado).adjusted(-ancho / 2, -ancho / 2, ancho / 2, ancho / 2));
  p.setPen(Qt::NoPen);
}

void Escenario::PintarPersiana(QPainter& p) {
  if (!pantalla_->persianaVisible || pantalla_->filasPersiana <= 0) return;
  const QRectF r = escena::Persiana(pantalla_->filasPersiana);
  // A raised button over the emptied rows.
  p.fillRect(r, kBoton);
  p.fillRect(QRectF(r.left(), r.top(), r.width(), 1), kBoton.lighter(125));
  p.fillRect(QRectF(r.left(), r.top(), 1, r.height()), kBoton.lighter(125));
  p.fillRect(QRectF(r.left(), r.bottom() - 2, r.width(), 2), kBoton.darker(150));
  p.fillRect(QRectF(r.right() - 2, r.top(), 2, r.height()), kBoton.darker(150));
  if (!pantalla_->textoPersiana.empty()) {
    p.setPen(kTextoOscuro);
    p.setFont(Letra(font(), 12, true));
    p.drawText(r.adjusted(6, 2, -6, -2), Qt::AlignCenter | Qt::TextWordWrap,
               Texto(pantalla_->textoPersiana));
    p.setPen(Qt::NoPen);
  }
}

void Escenario::PintarPanel(QPainter& p) {
  const Pantalla& s = *pantalla_;
  PintarSiguiente(p);
  for (int k = 0; k < static_cast<int>(s.imgObstaculo.size()); ++k) {
    PintarImagen(p, escena::Obstaculo(k), s.imgObstaculo[static_cast<size_t>(k)], paleta());
    // A figure on its icon: how many full rows go together.
    const std::string& cifra = s.cifraObstaculo[static_cast<size_t>(k)];
    if (cifra.empty()) continue;
    const QRectF icono = escena::Obstaculo(k);
    const QRectF placa(icono.right() - 8, icono.bottom() - 8, 12, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(kTextoOscuro);
    p.drawRoundedRect(placa, 2, 2);
    p.setPen(QColor(paleta().textoClaro));
    p.setFont(Letra(font(), 9, true));
    p.drawText(placa, Qt::AlignCenter, Texto(cifra));
  }
  PintarObjetivo(p);

  if (s.lblTiempo.visible && !s.lblTiempo.texto.empty()) {
    p.setPen(QColor(paleta().textoClaro));
    p.setFont(Letra(font(), 22, true));
    p.drawText(escena::Tiempo(), Qt::AlignCenter, Texto(s.lblTiempo.texto));
  }
  PintarTipoJuego(p);
  if (s.lblPausa.visible) {
    p.setPen(kPausa);
    p.setFont(Letra(font(), 14, true));
    p.drawText(escena::Pausa(), Qt::AlignCenter, Texto(s.lblPausa.texto));
  }

  PintarMarcador(p, escena::Puntos(), tr("Puntos"), s.lblPuntos);
  PintarMarcador(p, escena::Record(), tr("Récord"), s.lblRecord);
  if (s.lblDemo.visible) {
    p.setPen(kPausa);
    // "DEMO" large; a longer word as large as the panel takes.
    const QString texto = Texto(s.lblDemo.texto);
    QFont letra = Letra(font(), 20, true);
    const double cabe = escena::Demo().width() * 0.95;
    const double mide = QFontMetricsF(letra).horizontalAdvance(texto);
    if (mide > cabe) letra.setPixelSize(std::max(8, static_cast<int>(letra.pixelSize() * cabe / mide)));
    p.setFont(letra);
    p.drawText(escena::Demo(), Qt::AlignCenter, texto);
  } else if (s.lblPista.visible) {
    p.setPen(kPista);
    p.setFont(Letra(font(), 11, true));
    p.drawText(escena::Demo(), Qt::AlignCenter, Texto(s.lblPista.texto));
  }
  p.setPen(Qt::NoPen);
}

void Escenario::PintarSiguiente(QPainter& p) {
  p.setPen(QColor(paleta().textoClaro));
  p.setFont(Letra(font(), 11, true));
  p.drawText(escena::TituloSiguiente(), Qt::AlignCenter, tr("Siguiente"));
  p.setPen(QPen(QColor(paleta().bordeSiguiente), 1));
  p.setBrush(QColor(paleta().fondoJuego));
  p.drawRect(escena::MarcoSiguiente().adjusted(0.5, 0.5, -0.5, -0.5));
  p.setPen(Qt::NoPen);
  for (int k = 0; k < static_cast<int>(pantalla_->imgNext.size()); ++k) {
    PintarImagen(p, escena::CeldaSiguiente(k), pantalla_->imgNext[static_cast<size_t>(k)], paleta());
  }
}

// The objective: its pictures, then "x" and the count right after them.
void Escenario::PintarObjetivo(QPainter& p) {
  const Pantalla& s = *pantalla_;
  int mostradas = 0;
  for (int k = 0; k < static_cast<int>(s.imgObjetivo.size()); ++k) {
    const int imagen = s.imgObjetivo[static_cast<size_t>(k)];
    if (imagen == kSinImagen) continue;
    PintarImagen(p, escena::Objetivo(mostradas), imagen, paleta());
    ++mostradas;
  }
  if (s.lblObjetivo.visible && !s.lblObjetivo.texto.empty()) {
    const QRectF sitio = escena::Objetivo(mostradas);
    QRectF r(sitio.left(), sitio.top() - 2, escena::Panel().right() - sitio.left(), sitio.height() + 4);
    p.setPen(QColor(paleta().textoClaro));
    p.setFont(Letra(font(), 14, true));
    p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, Texto(s.lblObjetivo.texto));
  }
}

void Escenario::PintarTipoJuego(QPainter& p) {
  const Etiqueta& tipo = pantalla_->lblTipoJuego;
  if (!tipo.visible || tipo.texto.empty()) return;
  const QRectF r = escena::TipoJuego().adjusted(4, 0, -4, 0);
  p.setPen(Qt::NoPen);
  p.setBrush(ColorGrupo(paleta(), pantalla_->colorTipoJuego));
  p.drawRoundedRect(r, 3, 3);
  p.setPen(kTextoOscuro);
  // A name longer than the game's own levels' (a level tried, a pack's)
  // takes a smaller letter.
  const QString texto = Texto(tipo.texto);
  QFont letra = Letra(font(), 11, true);
  while (letra.pixelSize() > 8 && QFontMetricsF(letra).horizontalAdvance(texto) > r.width() - 6) {
    letra.setPixelSize(letra.pixelSize() - 1);
  }
  p.setFont(letra);
  p.drawText(r, Qt::AlignCenter, QFontMetricsF(letra).elidedText(texto, Qt::ElideRight, r.width() - 6));
}

void Escenario::PintarMarcador(QPainter& p, const QRectF& sitio, const QString& rotulo, const Etiqueta& valor) {
  if (!valor.visible) return;
  const double alto = escena::kAltoRotulo / escena::kTwipsPorPixel;
  p.setPen(QColor(paleta().textoTenue));
  p.setFont(Letra(font(), 11, true));
  p.drawText(QRectF(sitio.left(), sitio.top() - alto, sitio.width(), alto), Qt::AlignCenter, rotulo);
  p.setPen(QColor(paleta().textoClaro));
  // The largest score, nine digits, fits in a smaller letter.
  const QString texto = Texto(valor.texto);
  QFont letra = Letra(font(), 20, true);
  while (letra.pixelSize() > 8 && QFontMetricsF(letra).horizontalAdvance(texto) > sitio.width() - 6) {
    letra.setPixelSize(letra.pixelSize() - 1);
  }
  p.setFont(letra);
  p.drawText(sitio, Qt::AlignCenter, texto);
}

QString Escenario::AyudaEn(const QPointF& punto) const {
  const Pantalla& s = *pantalla_;
  for (int k = 0; k < static_cast<int>(s.imgObstaculo.size()); ++k) {
    const int imagen = s.imgObstaculo[static_cast<size_t>(k)];
    if (imagen != kSinImagen && AWidget(escena::Obstaculo(k)).contains(punto)) {
      return Texto(AyudaObstaculo(imagen, TraductorQt()));
    }
  }
  // The objective: its pictures and the count beside them.
  const int primera = s.imgObjetivo[0];
  if (primera == kSinImagen) return {};
  const QRectF objetivo(escena::Objetivo(0).topLeft(), QPointF(escena::Panel().right(), escena::Objetivo(0).bottom()));
  if (AWidget(objetivo).contains(punto)) return Texto(AyudaObjetivo(primera, s.imgObjetivo[1], TraductorQt()));
  return {};
}

bool Escenario::event(QEvent* evento) {
  if (evento->type() == QEvent::ToolTip) {
    auto* ayuda = static_cast<QHelpEvent*>(evento);
    const QString texto = AyudaEn(ayuda->pos());
    if (texto.isEmpty()) {
      QToolTip::hideText();
      evento->ignore();
    } else {
      // A long text wraps, a few words to the line.
      const int ancho = QFontMetrics(QToolTip::font()).averageCharWidth() * 44;
      QToolTip::showText(ayuda->globalPos(),
                         QStringLiteral("<table width=\"%1\"><tr><td>%2</td></tr></table>").arg(ancho).arg(texto.toHtmlEscaped()),
                         this);
    }
    return true;
  }
  return QWidget::event(evento);
}

void Escenario::keyPressEvent(QKeyEvent* evento) {
  if (alPulsarTecla && alPulsarTecla(*evento)) return;
  QWidget::keyPressEvent(evento);
}

void Escenario::keyReleaseEvent(QKeyEvent* evento) {
  if (!alSoltarTecla) return QWidget::keyReleaseEvent(evento);
  alSoltarTecla(*evento);
}

void Escenario::focusOutEvent(QFocusEvent* evento) {
  if (alPerderTeclado) alPerderTeclado();
  QWidget::focusOutEvent(evento);
}

void Escenario::mousePressEvent(QMouseEvent* evento) {
  if (alHacerClic && alHacerClic()) return;
  if (evento->button() == Qt::LeftButton && pantalla_->persianaVisible &&
      AWidget(escena::Persiana(pantalla_->filasPersiana)).contains(evento->position())) {
    if (alPulsarPersiana) alPulsarPersiana();
    return;
  }
  QWidget::mousePressEvent(evento);
}

}  // namespace tumbla::ui
