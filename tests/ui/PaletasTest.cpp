// The palettes: the colour-blind one keeps apart, for every kind of eye, what only colour may tell apart; in both new
// ones every picture also carries a sign, so none passes for another once colour is gone.
#include <QPainter>
#include <QtTest>

#include <vector>

#include "Colorimetria.h"
#include "game/Imagen.h"
#include "game/Tablero.h"
#include "ui/Dibujos.h"
#include "ui/Paleta.h"

using namespace tumbla;
using namespace tumbla::ui;
using color::Vision;

namespace {

constexpr const char* kNombresVision[] = {"normal", "protanopia", "deuteranopia", "tritanopia"};

// What must stay apart by colour:
//  - the seven piece colours (a cell keeps its piece's colour, 1..7, and the pentominoes of "Difícil" share those
//    seven), and with them the other blocks of the stack: the neutral grey block and the landed torpedo;
//  - the two drops, one shape, side by side in JUNTATOR;
//  - the three flowers, one shape, whose colour tells when the plant will climb.
// A drop, a stem or the pot among square blocks is told by its shape, not by its colour.
struct Conjunto {
  const char* nombre;
  std::vector<QRgb> colores;
};

std::vector<Conjunto> Conjuntos(const Paleta& p) {
  Conjunto bloques{"bloques", {p.caras.begin() + 1, p.caras.end()}};
  bloques.colores.push_back(p.torpedo);
  return {{"piezas", {p.caras.begin() + 1, p.caras.begin() + 8}}, bloques, {"gotas", {p.gotaAzul, p.gotaRosa}},
          {"flores", {p.flores[0][0], p.flores[1][0], p.flores[2][0]}}};
}

double Minimo(const Conjunto& c, Vision v) {
  double minimo = 1e9;
  for (size_t i = 0; i < c.colores.size(); ++i) {
    for (size_t j = i + 1; j < c.colores.size(); ++j) {
      minimo = std::min(minimo, color::Diferencia(c.colores[i] & 0xFFFFFF, c.colores[j] & 0xFFFFFF, v));
    }
  }
  return minimo;
}

// A picture's grey levels, as z-scores over the picture: what is left of it once its colours are gone.
std::vector<double> SinColor(const QImage& img) {
  std::vector<double> gris;
  double suma = 0, cuadrados = 0;
  for (int k = 0; k < img.width() * img.height(); ++k) {
    gris.push_back(qGray(img.pixel(k % img.width(), k / img.width())));
    suma += gris.back();
    cuadrados += gris.back() * gris.back();
  }
  const double media = suma / gris.size(), desvio = std::sqrt(std::max(cuadrados / gris.size() - media * media, 1.0));
  for (double& g : gris) g = (g - media) / desvio;
  return gris;
}

// The share of pixels two colourless pictures differ in clearly.
double Distintos(const std::vector<double>& a, const std::vector<double>& b) {
  int n = 0;
  for (size_t k = 0; k < a.size(); ++k) n += std::abs(a[k] - b[k]) > 1.0;
  return double(n) / a.size();
}

// Every picture of a palette (1..27), then the six signs of the level buttons, without colour.
std::vector<std::vector<double>> Dibujos(const Paleta& p) {
  std::vector<std::vector<double>> dibujos;
  for (int id = 1; id < kNumImagenes + 6; ++id) {
    QImage img(34, 34, QImage::Format_RGB32);
    img.fill(QColor(p.fondoJuego));
    QPainter pintor(&img);
    if (id < kNumImagenes) PintarImagen(pintor, img.rect(), id, p);
    if (id >= kNumImagenes) PintarSignoNivel(pintor, img.rect(), id - kNumImagenes - 1, Qt::white);
    pintor.end();
    dibujos.push_back(SinColor(img));
  }
  return dibujos;
}

}  // namespace

class PaletasTest : public QObject {
  Q_OBJECT

 private slots:
  void medidaDeReferencia() {
    // CIEDE2000 gives the published differences (hue means across 0°, grey against colour), and the three simulations
    // leave white and grey as they are.
    const struct { color::Lab uno, otro; double esperada; } pares[] = {
        {{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425}, {{50, 0, 0}, {50, -1, 2}, 2.3669},
        {{50, 2.49, -0.001}, {50, -2.49, 0.0009}, 7.1792}, {{50, 2.49, -0.001}, {50, -2.49, 0.0011}, 7.2195},
        {{50, -0.001, 2.49}, {50, 0.0009, -2.49}, 4.8045}, {{50, 2.5, 0}, {73, 25, -18}, 27.1492},
        {{50, 2.5, 0}, {56, -27, -3}, 31.9030},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644}};
    for (const auto& [uno, otro, esperada] : pares) {
      QVERIFY(std::abs(color::Ciede2000(uno, otro) - esperada) < 1e-4);
      QVERIFY(std::abs(color::Ciede2000(otro, uno) - esperada) < 1e-4);
    }
    for (const Vision v : color::kVisiones) {
      for (const uint32_t gris : {0xFFFFFFu, 0x808080u}) {
        QVERIFY(color::Ciede2000(color::LabDe(gris), color::LabDe(gris, v)) < 0.5);
      }
    }
    // A red and a green a protanope cannot tell apart, plain to normal eyes.
    QVERIFY(color::Diferencia(0xE53935, 0x286C35, Vision::Normal) > 40);
    QVERIFY(color::Diferencia(0xE53935, 0x286C35, Vision::Protanopia) < 2);
  }

  void daltonismoMantieneDistancias() {
    // In the colour-blind palette every pair of each set stays 15 or more apart (CIEDE2000) for every kind of eye;
    // the smallest difference of each palette is reported.
    for (const Colores c : {Colores::Propios, Colores::Daltonismo, Colores::Contraste}) {
      for (const Conjunto& conjunto : Conjuntos(PaletaDe(c))) {
        QStringList linea;
        double minimo = 1e9;
        for (const Vision v : color::kVisiones) {
          const double d = Minimo(conjunto, v);
          minimo = std::min(minimo, d);
          linea << QString::asprintf("%s %.1f", kNombresVision[static_cast<int>(v)], d);
        }
        qInfo("palette %d, %s: smallest %.1f (%s)", static_cast<int>(c), conjunto.nombre, minimo,
              qPrintable(linea.join(", ")));
        if (c == Colores::Daltonismo) QVERIFY2(minimo >= 15, conjunto.nombre);
      }
    }
  }

  void sinColorSeDistinguen() {
    // Without their colours, every two pictures of a new palette (blocks, drops, flowers, plant, icons, level signs)
    // still differ clearly; in the game's own the pieces become one another.
    for (const Colores c : {Colores::Daltonismo, Colores::Contraste, Colores::Propios}) {
      const auto dibujos = Dibujos(PaletaDe(c));
      double menor = 1;
      for (size_t a = 0; a < dibujos.size(); ++a) {
        for (size_t b = a + 1; b < dibujos.size(); ++b) {
          const double d = Distintos(dibujos[a], dibujos[b]);
          menor = std::min(menor, d);
          if (c != Colores::Propios) {
            QVERIFY2(d > 0.05, qPrintable(QString::asprintf("palette %d: %d and %d", int(c), int(a + 1), int(b + 1))));
          }
        }
      }
      if (c == Colores::Propios) QVERIFY(menor < 0.01);
    }
  }
};

QTEST_MAIN(PaletasTest)
#include "PaletasTest.moc"
