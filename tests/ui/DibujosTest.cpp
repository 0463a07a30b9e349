// The block pictures, icons and logo: each one distinct, blocks filling their
// cell with a flat face, drops shaped as drops, stems reaching exactly the
// edges they join, sharp edges at twice the pixel density.
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

#include <set>

#include "game/Pantalla.h"
#include "game/Tablero.h"
#include "ui/Dibujos.h"

using namespace tumbla;
using namespace tumbla::ui;

namespace {

// Picture `id` alone on a transparent square of `lado` logical pixels,
// drawn at device-pixel ratio `dpr`.
QImage Dibujo(int id, int lado = 17, qreal dpr = 1) {
  QImage img(QSize(lado, lado) * dpr, QImage::Format_ARGB32_Premultiplied);
  img.setDevicePixelRatio(dpr);
  img.fill(Qt::transparent);
  QPainter p(&img);
  PintarImagen(p, QRectF(0, 0, lado, lado), id);
  p.end();
  return img.convertToFormat(QImage::Format_ARGB32);
}
bool Opaco(const QImage& img, int x, int y) { return qAlpha(img.pixel(x, y)) == 255; }
bool Vacio(const QImage& img, int x, int y) { return qAlpha(img.pixel(x, y)) == 0; }
bool Verde(const QImage& img, int x, int y) {
  const QColor c = img.pixelColor(x, y);
  return c.alpha() == 255 && c.green() > c.red() + 30 && c.green() > c.blue() + 30;
}
int Distancia(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) +
         std::abs(qAlpha(a) - qAlpha(b));
}

}  // namespace

class DibujosTest : public QObject {
  Q_OBJECT

 private slots:
  void cadaDibujoSeDistingueYLosIdsSinDibujoNoPintan() {
    // No two of the pictures look alike (a tenth of their pixels differ
    // clearly); the seven piece colours are far apart; id 0 and unknown ids
    // paint nothing.
    QList<QImage> dibujos;
    for (int id = 1; id < kNumImagenes; ++id) dibujos << Dibujo(id, 34);
    for (int a = 0; a < dibujos.size(); ++a) {
      for (int b = a + 1; b < dibujos.size(); ++b) {
        int distintos = 0;
        for (int k = 0; k < 34 * 34; ++k) distintos += Distancia(dibujos[a].pixel(k % 34, k / 34), dibujos[b].pixel(k % 34, k / 34)) > 60;
        QVERIFY2(distintos > 34 * 34 / 10, qPrintable(QStringLiteral("%1 and %2").arg(a + 1).arg(b + 1)));
        if (b <= 7) QVERIFY2(Distancia(ColorCara(a + 1).rgb(), ColorCara(b + 1).rgb()) > 90, qPrintable(QString::number(b)));
      }
    }
    for (int id : {0, kNumImagenes, -1}) {
      const QImage nada = Dibujo(id);
      for (int k = 0; k < 17 * 17; ++k) QVERIFY(Vacio(nada, k % 17, k / 17));
    }
  }

  void bloquesLlenanLaCeldaYGotasTienenFormaDeGota() {
    // Piece blocks, the neutral block and the torpedo cover the whole cell
    // with a lighter top edge, a darker bottom edge and their face colour in
    // the middle. A drop is narrow at the top and round below on an empty
    // background, the pink one reddish, the blue one bluish.
    for (int id : {1, 2, 3, 4, 5, 6, 7, 8, 21}) {
      const QImage img = Dibujo(id);
      QVERIFY(Opaco(img, 0, 0) && Opaco(img, 16, 0) && Opaco(img, 0, 16) && Opaco(img, 16, 16));
      QCOMPARE(img.pixelColor(4, 9), ColorCara(id));  // clear of the torpedo's sign and the rivets
      QVERIFY(img.pixelColor(8, 1).lightness() > ColorCara(id).lightness());
      QVERIFY(img.pixelColor(8, 15).lightness() < ColorCara(id).lightness());
    }
    for (int id : {kGotaRosa, kGotaAzul}) {
      const QImage img = Dibujo(id, 34);
      QVERIFY(Vacio(img, 0, 0) && Vacio(img, 33, 0) && Vacio(img, 0, 33) && Vacio(img, 33, 33));
      int arriba = 0, abajo = 0;
      for (int x = 0; x < 34; ++x) arriba += !Vacio(img, x, 5), abajo += !Vacio(img, x, 22);
      QVERIFY(arriba > 0 && abajo > 2 * arriba);
      const QColor c = img.pixelColor(20, 24);
      QVERIFY(id == kGotaRosa ? c.red() > c.blue() && c.red() > c.green() : c.blue() > c.red() && c.blue() > c.green());
    }
  }

  void tallosLleganALosBordesQueUnen() {
    // Each stem piece touches with green exactly the middles of the edges its
    // joins name, with the same band width, so a stem runs on from cell to
    // cell; the pot joins above, where the plant starts.
    struct Union {
      int id;
      bool arriba, abajo, izquierda, derecha;
    };
    const Union tabla[] = {{kTalloVertical, true, true, false, false},     {kTalloHorizontal, false, false, true, true},
                           {kTalloDerechaArriba, true, false, false, true}, {kTalloIzquierdaArriba, true, false, true, false},
                           {kTalloAbajoDerecha, false, true, false, true},  {kTalloAbajoIzquierda, false, true, true, false}};
    for (const Union& u : tabla) {
      const QImage img = Dibujo(u.id);
      QVERIFY2(Verde(img, 8, 8) && Vacio(img, 1, 1) && Vacio(img, 15, 15), qPrintable(QString::number(u.id)));
      QCOMPARE((std::array{Verde(img, 8, 0), Verde(img, 8, 16), Verde(img, 0, 8), Verde(img, 16, 8)}),
               (std::array{u.arriba, u.abajo, u.izquierda, u.derecha}));
    }
    const QImage vertical = Dibujo(kTalloVertical), esquina = Dibujo(kTalloAbajoDerecha), maceta = Dibujo(kMaceta);
    for (int x = 0; x < 17; ++x) QCOMPARE(vertical.pixel(x, 0), esquina.pixel(x, 16));
    QVERIFY(Verde(maceta, 8, 0));
    QVERIFY(maceta.pixel(6, 0) == vertical.pixel(6, 16) && maceta.pixel(10, 0) == vertical.pixel(10, 16));
  }

  void bordesSonNitidosConDobleDensidad() {
    // At twice the pixel density a block fills its square to the last device
    // pixel and the bevel keeps one flat colour up to the face: no blurred
    // half-pixels along the straight edges.
    const QImage img = Dibujo(4, 17, 2);
    QCOMPARE(img.size(), QSize(34, 34));
    for (int k = 0; k < 34; ++k) QVERIFY(Opaco(img, k, 0) && Opaco(img, k, 33) && Opaco(img, 0, k) && Opaco(img, 33, k));
    // The top bevel is 3 logical pixels: device rows 0..5 light, 6 on the face.
    QCOMPARE(img.pixel(17, 0), img.pixel(17, 5));
    QVERIFY(img.pixelColor(17, 6) == ColorCara(4) && img.pixelColor(17, 27) == ColorCara(4));
    QVERIFY(img.pixelColor(17, 28) != ColorCara(4));
  }

  void logoSeLeeATamanoDeIcono() {
    // The logo loads, and at 16 and 256 pixels it is an opaque tile with
    // several distinct colours, not a blank or a blot.
    QSvgRenderer logo(QStringLiteral(":/pictures/tumbla.svg"));
    QVERIFY(logo.isValid());
    for (int lado : {16, 256}) {
      QImage imagen(lado, lado, QImage::Format_ARGB32);
      imagen.fill(Qt::transparent);
      QPainter pintor(&imagen);
      pintor.setRenderHint(QPainter::Antialiasing);
      logo.render(&pintor);
      pintor.end();
      QCOMPARE(imagen.pixelColor(lado / 2, lado / 2).alpha(), 255);
      std::set<QRgb> colores;
      for (int k = 0; k < 16 * 16; ++k) colores.insert(imagen.pixel(k % 16 * lado / 16, k / 16 * lado / 16) & 0xF0F0F0F0u);
      QVERIFY2(colores.size() >= 6, qPrintable(QString::number(colores.size())));
    }
  }
};

QTEST_MAIN(DibujosTest)
#include "DibujosTest.moc"
