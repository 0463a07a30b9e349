// The block pictures and icons: each one distinct, blocks filling their
// cell with a flat face, drops shaped as drops, stems reaching exactly the
// edges they join, and sharp edges at twice the pixel density.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>

#include "game/Pantalla.h"
#include "game/Tablero.h"
#include "ui/Dibujos.h"

using namespace tumbla;
using namespace tumbla::ui;

namespace {

// Picture `id` alone on a transparent square of `lado` pixels, drawn at
// device-pixel ratio `dpr` (the square is `lado` logical pixels).
QImage Dibujo(int id, int lado = 17, qreal dpr = 1) {
  QImage img(QSize(lado, lado) * dpr, QImage::Format_ARGB32_Premultiplied);
  img.setDevicePixelRatio(dpr);
  img.fill(Qt::transparent);
  QPainter p(&img);
  PintarImagen(p, QRectF(0, 0, lado, lado), id);
  return img.convertToFormat(QImage::Format_ARGB32);
}

bool Opaco(const QImage& img, int x, int y) { return qAlpha(img.pixel(x, y)) == 255; }
bool Vacio(const QImage& img, int x, int y) { return qAlpha(img.pixel(x, y)) == 0; }

bool Verde(const QImage& img, int x, int y) {
  const QColor c = img.pixelColor(x, y);
  return c.alpha() == 255 && c.green() > c.red() + 30 && c.green() > c.blue() + 30;
}

}  // namespace

class DibujosTest : public QObject {
  Q_OBJECT

 private slots:
  void cadaDibujoSeDistingueDeLosDemas();
  void bloquesLlenanLaCeldaConSuColor();
  void gotasTienenFormaDeGotaYSuColor();
  void tallosLleganALosBordesQueUnen();
  void bordesSonNitidosConDobleDensidad();
  void coloresDelJuegoSeLeenComoBgr();
};

void DibujosTest::cadaDibujoSeDistingueDeLosDemas() {
  // No two of the 27 pictures look alike: at least a tenth of their pixels
  // differ clearly; id 0 and unknown ids paint nothing.
  QList<QImage> dibujos;
  for (int id = 1; id < kNumImagenes; ++id) dibujos << Dibujo(id, 34);
  for (int a = 0; a < dibujos.size(); ++a) {
    for (int b = a + 1; b < dibujos.size(); ++b) {
      int distintos = 0;
      for (int y = 0; y < 34; ++y) {
        for (int x = 0; x < 34; ++x) {
          const QRgb pa = dibujos[a].pixel(x, y);
          const QRgb pb = dibujos[b].pixel(x, y);
          const int d = std::abs(qRed(pa) - qRed(pb)) + std::abs(qGreen(pa) - qGreen(pb)) +
                        std::abs(qBlue(pa) - qBlue(pb)) + std::abs(qAlpha(pa) - qAlpha(pb));
          if (d > 60) ++distintos;
        }
      }
      QVERIFY2(distintos > 34 * 34 / 10, qPrintable(QStringLiteral("%1 and %2").arg(a + 1).arg(b + 1)));
    }
  }
  for (int id : {0, kNumImagenes, -1}) {
    const QImage nada = Dibujo(id);
    for (int y = 0; y < 17; ++y) {
      for (int x = 0; x < 17; ++x) QVERIFY(Vacio(nada, x, y));
    }
  }
}

void DibujosTest::bloquesLlenanLaCeldaConSuColor() {
  // Piece blocks, the neutral block and the torpedo cover the whole cell,
  // corners included, with a lighter top edge, a darker bottom edge and
  // their face colour in the middle; the seven piece colours are far apart.
  for (int id : {1, 2, 3, 4, 5, 6, 7, 8, 21}) {
    const QImage img = Dibujo(id);
    QVERIFY(Opaco(img, 0, 0) && Opaco(img, 16, 0) && Opaco(img, 0, 16) && Opaco(img, 16, 16));
    // Clear of the torpedo's sign and the neutral block's rivets.
    QCOMPARE(img.pixelColor(4, 9), ColorCara(id));
    QVERIFY(img.pixelColor(8, 1).lightness() > ColorCara(id).lightness());
    QVERIFY(img.pixelColor(8, 15).lightness() < ColorCara(id).lightness());
  }
  for (int a = 1; a <= 7; ++a) {
    for (int b = a + 1; b <= 8; ++b) {
      const QColor ca = ColorCara(a);
      const QColor cb = ColorCara(b);
      const int d = std::abs(ca.red() - cb.red()) + std::abs(ca.green() - cb.green()) +
                    std::abs(ca.blue() - cb.blue());
      QVERIFY2(d > 90, qPrintable(QStringLiteral("colours %1 and %2").arg(a).arg(b)));
    }
  }
  QVERIFY(!ColorCara(9).isValid());
  QVERIFY(!ColorCara(kIconLineas).isValid());
}

void DibujosTest::gotasTienenFormaDeGotaYSuColor() {
  // A drop is narrow at the top and round below, on an empty background:
  // the pink one reddish, the blue one bluish.
  for (int id : {9, 10}) {
    const QImage img = Dibujo(id, 34);
    QVERIFY(Vacio(img, 0, 0) && Vacio(img, 33, 0) && Vacio(img, 0, 33) && Vacio(img, 33, 33));
    int anchoArriba = 0;
    int anchoAbajo = 0;
    for (int x = 0; x < 34; ++x) {
      if (!Vacio(img, x, 5)) ++anchoArriba;
      if (!Vacio(img, x, 22)) ++anchoAbajo;
    }
    QVERIFY(anchoArriba > 0);
    QVERIFY(anchoAbajo > 2 * anchoArriba);
    const QColor c = img.pixelColor(20, 24);
    if (id == kGotaRosa) QVERIFY(c.red() > c.blue() && c.red() > c.green());
    else QVERIFY(c.blue() > c.red() && c.blue() > c.green());
  }
}

void DibujosTest::tallosLleganALosBordesQueUnen() {
  // Each stem piece touches with green exactly the middles of the edges its
  // joins name, so a stem runs on from cell to cell; the pot joins above,
  // where the plant starts.
  struct Union {
    int id;
    bool arriba, abajo, izquierda, derecha;
  };
  const Union tabla[] = {
      {kTalloVertical, true, true, false, false},
      {kTalloHorizontal, false, false, true, true},
      {kTalloDerechaArriba, true, false, false, true},
      {kTalloIzquierdaArriba, true, false, true, false},
      {kTalloAbajoDerecha, false, true, false, true},
      {kTalloAbajoIzquierda, false, true, true, false},
  };
  for (const Union& u : tabla) {
    const QImage img = Dibujo(u.id);
    const QString que = QStringLiteral("stem %1").arg(u.id);
    QVERIFY2(Verde(img, 8, 8), qPrintable(que));
    QVERIFY2(Verde(img, 8, 0) == u.arriba, qPrintable(que + " top"));
    QVERIFY2(Verde(img, 8, 16) == u.abajo, qPrintable(que + " bottom"));
    QVERIFY2(Verde(img, 0, 8) == u.izquierda, qPrintable(que + " left"));
    QVERIFY2(Verde(img, 16, 8) == u.derecha, qPrintable(que + " right"));
    // Off the band, the cell is see-through.
    QVERIFY(Vacio(img, 1, 1) && Vacio(img, 15, 15));
  }
  // Two stems side by side meet with the same band width.
  const QImage vertical = Dibujo(kTalloVertical);
  const QImage esquina = Dibujo(kTalloAbajoDerecha);
  for (int x = 0; x < 17; ++x) QCOMPARE(vertical.pixel(x, 0), esquina.pixel(x, 16));
  const QImage maceta = Dibujo(kMaceta);
  QVERIFY(Verde(maceta, 8, 0));
  QCOMPARE(maceta.pixel(6, 0), vertical.pixel(6, 16));
  QCOMPARE(maceta.pixel(10, 0), vertical.pixel(10, 16));
}

void DibujosTest::bordesSonNitidosConDobleDensidad() {
  // At twice the pixel density a block still fills its square to the last
  // device pixel and the bevel keeps one flat colour up to the face: no
  // blurred half-pixels along the straight edges.
  const QImage img = Dibujo(4, 17, 2);
  QCOMPARE(img.size(), QSize(34, 34));
  for (int k = 0; k < 34; ++k) {
    QVERIFY(Opaco(img, k, 0) && Opaco(img, k, 33) && Opaco(img, 0, k) && Opaco(img, 33, k));
  }
  // The top bevel is 3 logical pixels: device rows 0..5 light, 6 on the face.
  QCOMPARE(img.pixel(17, 0), img.pixel(17, 5));
  QCOMPARE(img.pixelColor(17, 6), ColorCara(4));
  QCOMPARE(img.pixelColor(17, 27), ColorCara(4));
  QVERIFY(img.pixelColor(17, 28) != ColorCara(4));
}

void DibujosTest::coloresDelJuegoSeLeenComoBgr() {
  // The game writes colours as 0x00BBGGRR: red is the low byte.
  QCOMPARE(ColorBgr(0x0000FF), QColor(255, 0, 0));
  QCOMPARE(ColorBgr(0xC0E0FF), QColor(0xFF, 0xE0, 0xC0));
  QCOMPARE(ColorBgr(0xC0C0C0), QColor(0xC0, 0xC0, 0xC0));
}

QTEST_MAIN(DibujosTest)
#include "DibujosTest.moc"
