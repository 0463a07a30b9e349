// The block pictures and side-panel icons. Each is drawn in a 17 × 17 unit
// square (one board cell at its natural size), so at scale 1 the straight
// edges fall on whole pixels.
#include "ui/Dibujos.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

#include "game/Tablero.h"
#include "motor/Pantalla.h"

namespace tumbla::ui {

namespace {

constexpr double kLado = 17.0;
constexpr double kBisel = 3.0;

// Piece colours 1..7, then the neutral block (8).
constexpr std::array<QRgb, 9> kCaras = {
    0,
    qRgb(0xE5, 0x39, 0x35),  // 1 red
    qRgb(0xFB, 0x8C, 0x00),  // 2 orange
    qRgb(0xFD, 0xD8, 0x35),  // 3 yellow
    qRgb(0x43, 0xA0, 0x47),  // 4 green
    qRgb(0x00, 0xAC, 0xC1),  // 5 cyan
    qRgb(0x1E, 0x5E, 0xD6),  // 6 blue
    qRgb(0x8E, 0x24, 0xAA),  // 7 purple
    qRgb(0x8C, 0x93, 0x9C),  // 8 neutral grey
};
constexpr QRgb kCaraTorpedo = qRgb(0xE4, 0xE7, 0xEB);

// A raised block: light top and left edges, dark bottom and right edges.
void Bloque(QPainter& p, const QColor& cara) {
  p.fillRect(QRectF(0, 0, kLado, kLado), cara);
  const double a = kBisel;
  const double b = kLado - kBisel;
  const QPolygonF arriba({{0, 0}, {kLado, 0}, {b, a}, {a, a}});
  const QPolygonF izquierda({{0, 0}, {a, a}, {a, b}, {0, kLado}});
  const QPolygonF abajo({{0, kLado}, {a, b}, {b, b}, {kLado, kLado}});
  const QPolygonF derecha({{kLado, 0}, {kLado, kLado}, {b, b}, {b, a}});
  p.setBrush(cara.lighter(150));
  p.drawPolygon(arriba);
  p.setBrush(cara.lighter(125));
  p.drawPolygon(izquierda);
  p.setBrush(cara.darker(160));
  p.drawPolygon(abajo);
  p.setBrush(cara.darker(130));
  p.drawPolygon(derecha);
}

void BloqueNeutro(QPainter& p) {
  const QColor cara(kCaras[8]);
  Bloque(p, cara);
  // A riveted plate, so it never passes for a piece.
  p.setBrush(cara.darker(135));
  for (const QPointF c : {QPointF(5, 5), QPointF(12, 5), QPointF(5, 12), QPointF(12, 12)}) {
    p.drawEllipse(c, 1.1, 1.1);
  }
}

void BloqueTorpedo(QPainter& p) {
  Bloque(p, QColor(kCaraTorpedo));
  // A torpedo heading down: fins on top, the nose below.
  const QColor oscuro(0x4A, 0x52, 0x5E);
  p.setBrush(oscuro);
  p.drawRoundedRect(QRectF(6.8, 4.2, 3.4, 7.0), 1.2, 1.2);
  p.drawPolygon(QPolygonF({{6.8, 11.0}, {10.2, 11.0}, {8.5, 14.2}}));
  p.drawPolygon(QPolygonF({{6.8, 4.6}, {4.8, 3.2}, {6.8, 7.0}}));
  p.drawPolygon(QPolygonF({{10.2, 4.6}, {12.2, 3.2}, {10.2, 7.0}}));
}

void Gota(QPainter& p, const QColor& color) {
  QPainterPath gota;
  gota.moveTo(8.5, 1.0);
  gota.cubicTo(9.6, 4.0, 14.0, 7.0, 14.0, 10.5);
  gota.arcTo(QRectF(3.0, 5.0, 11.0, 11.0), 0, -180);
  gota.cubicTo(3.0, 7.0, 7.4, 4.0, 8.5, 1.0);
  QRadialGradient relleno(QPointF(7.0, 8.5), 8.0);
  relleno.setColorAt(0, color.lighter(140));
  relleno.setColorAt(1, color);
  p.setPen(QPen(color.darker(160), 0.8));
  p.setBrush(relleno);
  p.drawPath(gota);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(QRectF(5.2, 8.0, 2.2, 3.6));
}

void Maceta(QPainter& p) {
  const QColor barro(0xC4, 0x62, 0x2D);
  // The stem leaves the pot through the top edge, where the plant goes on.
  p.setBrush(QColor(0x2E, 0x7D, 0x32));
  p.drawRect(QRectF(6.5, 0, 4, 5));
  p.setBrush(QColor(0x5D, 0x40, 0x37));
  p.drawRect(QRectF(3, 4, 11, 2));
  p.setBrush(barro);
  p.drawPolygon(QPolygonF({{3.5, 7.5}, {13.5, 7.5}, {12.0, 16.5}, {5.0, 16.5}}));
  p.setBrush(barro.lighter(115));
  p.drawRoundedRect(QRectF(2.0, 5.5, 13.0, 3.0), 0.8, 0.8);
  p.setBrush(barro.darker(130));
  p.drawRect(QRectF(4.0, 8.5, 9.0, 1.0));
}

void Flor(QPainter& p, const QColor& petalo, const QColor& centro) {
  const QPointF medio(8.5, 8.5);
  p.setPen(QPen(petalo.darker(150), 0.7));
  p.setBrush(petalo);
  for (int k = 0; k < 5; ++k) {
    const double angulo = -std::numbers::pi / 2 + k * 2 * std::numbers::pi / 5;
    p.drawEllipse(QPointF(medio.x() + 4.3 * std::cos(angulo), medio.y() + 4.3 * std::sin(angulo)),
                  3.4, 3.4);
  }
  p.setPen(QPen(centro.darker(140), 0.6));
  p.setBrush(centro);
  p.drawEllipse(medio, 2.6, 2.6);
}

enum Lado { kArriba = 1, kAbajo = 2, kIzquierda = 4, kDerecha = 8 };

// A stem piece: a band through the middle of the cell to each joined edge,
// reaching the edge exactly so that neighbours join without a seam.
void Tallo(QPainter& p, int lados) {
  auto banda = [&](double ancho, const QColor& color) {
    const double a = (kLado - ancho) / 2;
    p.setBrush(color);
    p.drawRect(QRectF(a, a, ancho, ancho));
    if (lados & kArriba) p.drawRect(QRectF(a, 0, ancho, a + ancho));
    if (lados & kAbajo) p.drawRect(QRectF(a, a, ancho, kLado - a));
    if (lados & kIzquierda) p.drawRect(QRectF(0, a, a + ancho, ancho));
    if (lados & kDerecha) p.drawRect(QRectF(a, a, kLado - a, ancho));
  };
  banda(4.0, QColor(0x2E, 0x7D, 0x32));
  banda(2.0, QColor(0x66, 0xBB, 0x6A));
}

// A rounded tile in the icon's colour, with a white sign on it.
void Baldosa(QPainter& p, const QColor& color) {
  p.setBrush(color);
  p.setPen(QPen(color.darker(150), 0.8));
  p.drawRoundedRect(QRectF(0.5, 0.5, 16, 16), 3, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
}

void IconoLineas(QPainter& p) {
  Baldosa(p, QColor(0x13, 0x8D, 0x90));
  for (const double y : {3.5, 7.5, 11.5}) {
    for (int c = 0; c < 4; ++c) p.drawRect(QRectF(3.0 + c * 2.85, y, 2.35, 2.2));
  }
}

void IconoPanic(QPainter& p) {
  Baldosa(p, QColor(0xE6, 0x7E, 0x22));
  p.drawPolygon(QPolygonF({{2.5, 8.5}, {8.0, 3.0}, {8.0, 6.5}, {14.5, 6.5}, {14.5, 10.5},
                           {8.0, 10.5}, {8.0, 14.0}}));
}

void IconoSuperPanic(QPainter& p) {
  Baldosa(p, QColor(0xC0, 0x39, 0x2B));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 1.7, Qt::SolidLine, Qt::FlatCap));
  QPainterPath uno;
  uno.moveTo(2.5, 5.0);
  uno.cubicTo(7.0, 5.0, 8.0, 12.0, 12.0, 12.0);
  QPainterPath otro;
  otro.moveTo(2.5, 12.0);
  otro.cubicTo(7.0, 12.0, 8.0, 5.0, 12.0, 5.0);
  p.drawPath(uno);
  p.drawPath(otro);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF({{11.5, 2.3}, {15.0, 5.0}, {11.5, 7.7}}));
  p.drawPolygon(QPolygonF({{11.5, 9.3}, {15.0, 12.0}, {11.5, 14.7}}));
}

void IconoBloquesExtra(QPainter& p) {
  Baldosa(p, QColor(0x5D, 0x6D, 0x7E));
  p.drawRect(QRectF(7.6, 1.8, 1.8, 4.2));
  p.drawPolygon(QPolygonF({{5.3, 5.5}, {11.7, 5.5}, {8.5, 8.6}}));
  p.setBrush(QColor(0xD5, 0xD9, 0xDE));
  p.setPen(QPen(QColor(0x2C, 0x33, 0x3A), 0.8));
  p.drawRect(QRectF(5.0, 9.5, 7.0, 5.5));
}

void IconoBorrarCada(QPainter& p) {
  Baldosa(p, QColor(0x8E, 0x44, 0xAD));
  p.drawRect(QRectF(5.5, 4.0, 9.0, 3.0));
  p.drawRect(QRectF(5.5, 10.0, 9.0, 3.0));
  // A brace holding the two rows together.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.drawPolyline(QPolygonF({{4.3, 3.2}, {2.6, 3.2}, {2.6, 13.8}, {4.3, 13.8}}));
}

void IconoSubirNivel(QPainter& p) {
  Baldosa(p, QColor(0x27, 0x9E, 0x57));
  p.drawPolygon(QPolygonF({{8.5, 1.8}, {13.2, 6.5}, {10.5, 6.5}, {10.5, 9.5}, {6.5, 9.5},
                           {6.5, 6.5}, {3.8, 6.5}}));
  p.drawRect(QRectF(3.0, 11.0, 11.0, 2.0));
  p.drawRect(QRectF(3.0, 14.0, 11.0, 1.5));
}

}  // namespace

QColor ColorBgr(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

QColor ColorCara(int id) {
  if (id >= 1 && id <= 8) return QColor(kCaras[static_cast<size_t>(id)]);
  if (id == kImagenTorpedo) return QColor(kCaraTorpedo);
  return QColor();
}

void PintarImagen(QPainter& p, const QRectF& celda, int id) {
  if (id < 1 || id >= kNumImagenes) return;
  p.save();
  p.translate(celda.topLeft());
  p.scale(celda.width() / kLado, celda.height() / kLado);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  switch (id) {
    case kMuro: BloqueNeutro(p); break;
    case kGotaRosa: Gota(p, QColor(0xF0, 0x6E, 0xAA)); break;
    case kGotaAzul: Gota(p, QColor(0x2F, 0x7D, 0xE1)); break;
    case kMaceta: Maceta(p); break;
    case kFlorBlanca: Flor(p, QColor(0xFA, 0xFA, 0xFA), QColor(0xF4, 0xB4, 0x00)); break;
    case kFlorAmarilla: Flor(p, QColor(0xFF, 0xD4, 0x00), QColor(0x8B, 0x5A, 0x2B)); break;
    case kFlorRoja: Flor(p, QColor(0xE5, 0x39, 0x35), QColor(0xFF, 0xE0, 0x82)); break;
    case kTalloVertical: Tallo(p, kAbajo | kArriba); break;
    case kTalloHorizontal: Tallo(p, kIzquierda | kDerecha); break;
    case kTalloDerechaArriba: Tallo(p, kDerecha | kArriba); break;
    case kTalloIzquierdaArriba: Tallo(p, kIzquierda | kArriba); break;
    case kTalloAbajoDerecha: Tallo(p, kAbajo | kDerecha); break;
    case kTalloAbajoIzquierda: Tallo(p, kAbajo | kIzquierda); break;
    case kTorpedo: BloqueTorpedo(p); break;
    case kIconLineas: IconoLineas(p); break;
    case kIconPanic: IconoPanic(p); break;
    case kIconSuperPanic: IconoSuperPanic(p); break;
    case kIconBloquesExtra: IconoBloquesExtra(p); break;
    case kIconBorrarCada: IconoBorrarCada(p); break;
    case kIconSubirNivel: IconoSubirNivel(p); break;
    default: Bloque(p, QColor(kCaras[static_cast<size_t>(id)])); break;  // 1..7
  }
  p.restore();
}

}  // namespace tumbla::ui
