// The block pictures and side-panel icons. Each is drawn in a 17 × 17 unit
// square (one board cell at its natural size), so at scale 1 the straight
// edges fall on whole pixels; the signs keep to whole units where they can,
// so they stay crisp at any scale.
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
constexpr QPointF kMedio(8.5, 8.5);

// A sign's ink: dark on a light face, light on a dark one; black in high
// contrast.
QColor Tinta(const QColor& cara, const Paleta& c) {
  if (c.contorno) return Qt::black;
  const double luz = 0.2126 * cara.redF() + 0.7152 * cara.greenF() + 0.0722 * cara.blueF();
  const QColor hacia = luz > 0.45 ? QColor(Qt::black) : QColor(Qt::white);
  const double peso = luz > 0.45 ? 0.72 : 0.85;
  return QColor::fromRgbF(static_cast<float>(cara.redF() + (hacia.redF() - cara.redF()) * peso),
                          static_cast<float>(cara.greenF() + (hacia.greenF() - cara.greenF()) * peso),
                          static_cast<float>(cara.blueF() + (hacia.blueF() - cara.blueF()) * peso));
}

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

// High contrast: a flat face inside a black outline two units wide, so
// that neighbouring blocks never run together.
void BloquePlano(QPainter& p, const QColor& cara) {
  p.fillRect(QRectF(0, 0, kLado, kLado), Qt::black);
  p.fillRect(QRectF(2, 2, kLado - 4, kLado - 4), cara);
}

void Cara(QPainter& p, const QColor& cara, const Paleta& c) {
  if (c.contorno) {
    BloquePlano(p, cara);
  } else {
    Bloque(p, cara);
  }
}

// The sign of each piece colour: a disc, a cross, a triangle, a plus, a
// hollow diamond, a hollow square and two bars.
void SignoPieza(QPainter& p, int id, const QColor& tinta) {
  p.setPen(Qt::NoPen);
  p.setBrush(tinta);
  switch (id) {
    case 1: p.drawEllipse(kMedio, 3.5, 3.5); break;
    case 2:
      p.setPen(QPen(tinta, 2.2, Qt::SolidLine, Qt::FlatCap));
      p.drawLine(QPointF(5, 5), QPointF(12, 12));
      p.drawLine(QPointF(5, 12), QPointF(12, 5));
      p.setPen(Qt::NoPen);
      break;
    case 3: p.drawPolygon(QPolygonF({{8.5, 4}, {13, 12.5}, {4, 12.5}})); break;
    case 4: p.drawPolygon(QPolygonF({{7, 4}, {10, 4}, {10, 7}, {13, 7}, {13, 10}, {10, 10}, {10, 13}, {7, 13},
                                     {7, 10}, {4, 10}, {4, 7}, {7, 7}}));
      break;
    case 5: {
      QPainterPath rombo;
      rombo.addPolygon(QPolygonF({{8.5, 3}, {14, 8.5}, {8.5, 14}, {3, 8.5}, {8.5, 3}}));
      rombo.addPolygon(QPolygonF({{8.5, 5.8}, {11.2, 8.5}, {8.5, 11.2}, {5.8, 8.5}, {8.5, 5.8}}));
      p.drawPath(rombo);  // odd-even: hollow
      break;
    }
    case 6: {
      QPainterPath anillo;
      anillo.addRect(QRectF(4, 4, 9, 9));
      anillo.addRect(QRectF(6, 6, 5, 5));
      p.drawPath(anillo);  // odd-even: a hollow square
      break;
    }
    default:
      p.drawRect(QRectF(4, 5, 9, 2));
      p.drawRect(QRectF(4, 10, 9, 2));
      break;
  }
}

void BloqueNeutro(QPainter& p, const Paleta& c) {
  const QColor cara(c.caras[8]);
  Cara(p, cara, c);
  // A riveted plate, so it never passes for a piece.
  p.setBrush(c.marcas ? Tinta(cara, c) : cara.darker(135));
  const double radio = c.marcas ? 1.7 : 1.1;
  for (const QPointF centro : {QPointF(5, 5), QPointF(12, 5), QPointF(5, 12), QPointF(12, 12)}) {
    p.drawEllipse(centro, radio, radio);
  }
}

void BloqueTorpedo(QPainter& p, const Paleta& c) {
  Cara(p, QColor(c.torpedo), c);
  // A torpedo heading down: fins on top, the nose below.
  const QColor oscuro = c.contorno ? QColor(Qt::black) : QColor(0x4A, 0x52, 0x5E);
  p.setBrush(oscuro);
  p.drawRoundedRect(QRectF(6.8, 4.2, 3.4, 7.0), 1.2, 1.2);
  p.drawPolygon(QPolygonF({{6.8, 11.0}, {10.2, 11.0}, {8.5, 14.2}}));
  p.drawPolygon(QPolygonF({{6.8, 4.6}, {4.8, 3.2}, {6.8, 7.0}}));
  p.drawPolygon(QPolygonF({{10.2, 4.6}, {12.2, 3.2}, {10.2, 7.0}}));
}

// A drop; with signs, the blue one carries an arrow down (it falls) and the
// pink one a ring (it stays).
void Gota(QPainter& p, const QColor& color, const Paleta& c, bool azul) {
  QPainterPath gota;
  gota.moveTo(8.5, 1.0);
  gota.cubicTo(9.6, 4.0, 14.0, 7.0, 14.0, 10.5);
  gota.arcTo(QRectF(3.0, 5.0, 11.0, 11.0), 0, -180);
  gota.cubicTo(3.0, 7.0, 7.4, 4.0, 8.5, 1.0);
  QRadialGradient relleno(QPointF(7.0, 8.5), 8.0);
  relleno.setColorAt(0, color.lighter(140));
  relleno.setColorAt(1, color);
  p.setPen(c.contorno ? QPen(Qt::white, 1.2) : QPen(color.darker(160), 0.8));
  p.setBrush(c.contorno ? QBrush(color) : QBrush(relleno));
  p.drawPath(gota);
  p.setPen(Qt::NoPen);
  if (!c.marcas) {
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QRectF(5.2, 8.0, 2.2, 3.6));
    return;
  }
  p.setBrush(Tinta(color, c));
  if (azul) {
    p.drawPolygon(QPolygonF({{5, 8.5}, {12, 8.5}, {8.5, 14}}));
  } else {
    QPainterPath anillo;
    anillo.addEllipse(QPointF(8.5, 10.5), 3.4, 3.4);
    anillo.addEllipse(QPointF(8.5, 10.5), 1.6, 1.6);
    p.drawPath(anillo);
  }
}

void Maceta(QPainter& p, const Paleta& c) {
  const QColor barro(c.barro);
  // The stem leaves the pot through the top edge, where the plant goes on.
  p.setBrush(QColor(c.tallo));
  p.drawRect(QRectF(6.5, 0, 4, 5));
  p.setBrush(QColor(c.tierra));
  p.drawRect(QRectF(3, 4, 11, 2));
  p.setBrush(barro);
  p.drawPolygon(QPolygonF({{3.5, 7.5}, {13.5, 7.5}, {12.0, 16.5}, {5.0, 16.5}}));
  p.setBrush(barro.lighter(115));
  p.drawRoundedRect(QRectF(2.0, 5.5, 13.0, 3.0), 0.8, 0.8);
  p.setBrush(barro.darker(130));
  p.drawRect(QRectF(4.0, 8.5, 9.0, 1.0));
}

// A flower of stage 0, 1 or 2 (white, yellow, red). With signs its middle
// tells the stage: a dot, a wide disc, an arrow up (it is about to climb).
void Flor(QPainter& p, int etapa, const Paleta& c) {
  const QColor petalo(c.flores[static_cast<size_t>(etapa)][0]);
  const QColor centro(c.flores[static_cast<size_t>(etapa)][1]);
  p.setPen(c.contorno ? QPen(Qt::black, 0.9) : QPen(petalo.darker(150), 0.7));
  p.setBrush(petalo);
  for (int k = 0; k < 5; ++k) {
    const double angulo = -std::numbers::pi / 2 + k * 2 * std::numbers::pi / 5;
    p.drawEllipse(QPointF(kMedio.x() + 4.3 * std::cos(angulo), kMedio.y() + 4.3 * std::sin(angulo)),
                  3.4, 3.4);
  }
  if (!c.marcas) {
    p.setPen(QPen(centro.darker(140), 0.6));
    p.setBrush(centro);
    p.drawEllipse(kMedio, 2.6, 2.6);
    return;
  }
  p.setPen(Qt::NoPen);
  p.setBrush(etapa == 2 ? centro : petalo);
  p.drawEllipse(kMedio, 3.6, 3.6);
  p.setBrush(etapa == 2 ? petalo : centro);
  if (etapa == 0) {
    p.drawEllipse(kMedio, 1.3, 1.3);
  } else if (etapa == 1) {
    p.drawEllipse(kMedio, 3.4, 3.4);
  } else {
    p.drawPolygon(QPolygonF({{8.5, 5}, {11.6, 11}, {5.4, 11}}));
  }
}

enum Lado { kArriba = 1, kAbajo = 2, kIzquierda = 4, kDerecha = 8 };

// A stem piece: a band through the middle of the cell to each joined edge,
// reaching the edge exactly so that neighbours join without a seam.
void Tallo(QPainter& p, int lados, const Paleta& c) {
  auto banda = [&](double ancho, const QColor& color) {
    const double a = (kLado - ancho) / 2;
    p.setBrush(color);
    p.drawRect(QRectF(a, a, ancho, ancho));
    if (lados & kArriba) p.drawRect(QRectF(a, 0, ancho, a + ancho));
    if (lados & kAbajo) p.drawRect(QRectF(a, a, ancho, kLado - a));
    if (lados & kIzquierda) p.drawRect(QRectF(0, a, a + ancho, ancho));
    if (lados & kDerecha) p.drawRect(QRectF(a, a, kLado - a, ancho));
  };
  banda(4.0, QColor(c.tallo));
  banda(2.0, QColor(c.talloClaro));
}

// A rounded tile in the icon's colour, with a white sign on it; in high
// contrast a black tile in a white outline.
void Baldosa(QPainter& p, const Paleta& c, int icono) {
  const QColor color(c.iconos[static_cast<size_t>(icono)]);
  p.setBrush(color);
  p.setPen(c.contorno ? QPen(Qt::white, 1.2) : QPen(color.darker(150), 0.8));
  p.drawRoundedRect(QRectF(0.5, 0.5, 16, 16), 3, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
}

void IconoLineas(QPainter& p, const Paleta& c) {
  Baldosa(p, c, 0);
  for (const double y : {3.5, 7.5, 11.5}) {
    for (int k = 0; k < 4; ++k) p.drawRect(QRectF(3.0 + k * 2.85, y, 2.35, 2.2));
  }
}

void IconoPanic(QPainter& p, const Paleta& c) {
  Baldosa(p, c, 1);
  p.drawPolygon(QPolygonF({{2.5, 8.5}, {8.0, 3.0}, {8.0, 6.5}, {14.5, 6.5}, {14.5, 10.5},
                           {8.0, 10.5}, {8.0, 14.0}}));
}

void IconoSuperPanic(QPainter& p, const Paleta& c) {
  Baldosa(p, c, 2);
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

void IconoBloquesExtra(QPainter& p, const Paleta& c) {
  Baldosa(p, c, 3);
  p.drawRect(QRectF(7.6, 1.8, 1.8, 4.2));
  p.drawPolygon(QPolygonF({{5.3, 5.5}, {11.7, 5.5}, {8.5, 8.6}}));
  p.setBrush(QColor(0xD5, 0xD9, 0xDE));
  p.setPen(QPen(QColor(0x2C, 0x33, 0x3A), 0.8));
  p.drawRect(QRectF(5.0, 9.5, 7.0, 5.5));
}

void IconoBorrarCada(QPainter& p, const Paleta& c) {
  Baldosa(p, c, 4);
  p.drawRect(QRectF(5.5, 4.0, 9.0, 3.0));
  p.drawRect(QRectF(5.5, 10.0, 9.0, 3.0));
  // A brace holding the two rows together.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  p.drawPolyline(QPolygonF({{4.3, 3.2}, {2.6, 3.2}, {2.6, 13.8}, {4.3, 13.8}}));
}

void IconoSubirNivel(QPainter& p, const Paleta& c) {
  Baldosa(p, c, 5);
  p.drawPolygon(QPolygonF({{8.5, 1.8}, {13.2, 6.5}, {10.5, 6.5}, {10.5, 9.5}, {6.5, 9.5},
                           {6.5, 6.5}, {3.8, 6.5}}));
  p.drawRect(QRectF(3.0, 11.0, 11.0, 2.0));
  p.drawRect(QRectF(3.0, 14.0, 11.0, 1.5));
}

}  // namespace

QColor ColorCara(int id, const Paleta& paleta) {
  if (id >= 1 && id <= 8) return QColor(paleta.caras[static_cast<size_t>(id)]);
  if (id == kImagenTorpedo) return QColor(paleta.torpedo);
  return QColor();
}

void PintarImagen(QPainter& p, const QRectF& celda, int id, const Paleta& c) {
  if (id < 1 || id >= kNumImagenes) return;
  p.save();
  p.translate(celda.topLeft());
  p.scale(celda.width() / kLado, celda.height() / kLado);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  switch (id) {
    case kMuro: BloqueNeutro(p, c); break;
    case kGotaRosa: Gota(p, QColor(c.gotaRosa), c, false); break;
    case kGotaAzul: Gota(p, QColor(c.gotaAzul), c, true); break;
    case kMaceta: Maceta(p, c); break;
    case kFlorBlanca: Flor(p, 0, c); break;
    case kFlorAmarilla: Flor(p, 1, c); break;
    case kFlorRoja: Flor(p, 2, c); break;
    case kTalloVertical: Tallo(p, kAbajo | kArriba, c); break;
    case kTalloHorizontal: Tallo(p, kIzquierda | kDerecha, c); break;
    case kTalloDerechaArriba: Tallo(p, kDerecha | kArriba, c); break;
    case kTalloIzquierdaArriba: Tallo(p, kIzquierda | kArriba, c); break;
    case kTalloAbajoDerecha: Tallo(p, kAbajo | kDerecha, c); break;
    case kTalloAbajoIzquierda: Tallo(p, kAbajo | kIzquierda, c); break;
    case kTorpedo: BloqueTorpedo(p, c); break;
    case kIconLineas: IconoLineas(p, c); break;
    case kIconPanic: IconoPanic(p, c); break;
    case kIconSuperPanic: IconoSuperPanic(p, c); break;
    case kIconBloquesExtra: IconoBloquesExtra(p, c); break;
    case kIconBorrarCada: IconoBorrarCada(p, c); break;
    case kIconSubirNivel: IconoSubirNivel(p, c); break;
    default: {  // 1..7
      const QColor cara(c.caras[static_cast<size_t>(id)]);
      Cara(p, cara, c);
      if (c.marcas) SignoPieza(p, id, Tinta(cara, c));
      break;
    }
  }
  p.restore();
}

void PintarSignoNivel(QPainter& p, const QRectF& sitio, int tipo, const QColor& tinta) {
  // Drawn in a 10 × 10 unit square.
  p.save();
  p.translate(sitio.topLeft());
  p.scale(sitio.width() / 10, sitio.height() / 10);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(tinta);
  switch (tipo) {
    case 0:  // rows to clear
      for (const double y : {1.0, 4.0, 7.0}) p.drawRect(QRectF(0.5, y, 9, 2));
      break;
    case 1: {  // a drop
      QPainterPath gota;
      gota.moveTo(5, 0);
      gota.cubicTo(5.6, 2, 8.5, 4, 8.5, 6.5);
      gota.arcTo(QRectF(1.5, 3, 7, 7), 0, -180);
      gota.cubicTo(1.5, 4, 4.4, 2, 5, 0);
      p.drawPath(gota);
      break;
    }
    case 2: {  // a turn
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(tinta, 1.8, Qt::SolidLine, Qt::FlatCap));
      p.drawArc(QRectF(1.5, 1.5, 7, 7), 90 * 16, 270 * 16);
      p.setPen(Qt::NoPen);
      p.setBrush(tinta);
      p.drawPolygon(QPolygonF({{5, -0.5}, {8.5, 2.5}, {5, 4.5}}));
      break;
    }
    case 3:  // two drops to join
      p.drawEllipse(QPointF(2.8, 5), 2.5, 2.5);
      p.drawEllipse(QPointF(7.2, 5), 2.5, 2.5);
      break;
    case 4:  // a flower
      for (const QPointF petalo : {QPointF(5, 2.2), QPointF(7.8, 5), QPointF(5, 7.8), QPointF(2.2, 5)}) {
        p.drawEllipse(petalo, 2.1, 2.1);
      }
      break;
    default: {  // kSignoCerrado: a padlock
      p.drawRect(QRectF(1, 4.5, 8, 5.5));
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(tinta, 1.5));
      p.drawArc(QRectF(2.75, 0.75, 4.5, 7), 0, 180 * 16);
      p.drawLine(QPointF(2.75, 4.25), QPointF(2.75, 4.6));
      p.drawLine(QPointF(7.25, 4.25), QPointF(7.25, 4.6));
      break;
    }
  }
  p.restore();
}

}  // namespace tumbla::ui
