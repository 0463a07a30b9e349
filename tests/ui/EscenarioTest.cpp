// The board widget on the offscreen platform paints the screen model of a
// game scene; the pictures are all distinct.
#include <QPainter>
#include <QtTest>

#include <map>
#include <set>

#include "Escena.h"
#include "motor/CodigosTecla.h"
#include "ui/Dibujos.h"
#include "ui/Escenario.h"

using namespace tumbla;
using namespace tumbla::ui;

namespace {

// What the widget shows once it has repainted what the game changed.
QImage Pantallazo(Escenario& w, Juego& juego) {
  w.ProgramarRepintado(juego.TomarCambios());
  QCoreApplication::processEvents();
  return w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// The first cell (board, then preview) not showing the model: a picture's face colour; empty, shadow and
// shutter cells one colour each. Cells under the hint are left out.
QString Discrepancia(const QImage& img, const Escenario& w, const Pantalla& p) {
  std::map<int, QRgb> vistos;  // -1 empty, -2 shadow, -3 shutter
  for (int i = 0; i < kCeldas + 20; ++i) {
    const bool tablero = i < kCeldas;
    const size_t k = static_cast<size_t>(tablero ? i : i - kCeldas);
    const QRectF r = tablero ? escena::Celda(i) : escena::CeldaSiguiente(i - kCeldas);
    if (tablero && (EsMuroExterior(i) || (p.lblInicio.visible && escena::Inicio().contains(r.center())))) continue;
    const int imagen = tablero ? p.imgTablero[k] : p.imgNext[k];
    const int clase = tablero && p.persianaVisible && Fila(i) < p.filasPersiana ? -3
                      : imagen != kSinImagen                                    ? imagen
                                                                                : -1 - (tablero && p.sombra.test(k));
    const QRgb visto = img.pixel(w.AWidget(r).center().toPoint());
    const QRgb esperado = clase > 0 ? ColorCara(clase, w.paleta()).rgb() : vistos.emplace(clase, visto).first->second;
    if (visto != esperado) return QStringLiteral("cell %1: %2, not %3").arg(i).arg(visto, 0, 16).arg(esperado, 0, 16);
  }
  std::set<QRgb> colores;
  for (const auto& [clase, color] : vistos) colores.insert(color);
  return colores.size() == vistos.size() ? QString() : QStringLiteral("two kinds of cell look alike");
}

QRectF Rotulo(const QRectF& r) { return r.adjusted(0, -escena::kAltoRotulo / escena::kTwipsPorPixel, 0, -r.height()); }

// The first label whose place does not hold text exactly when the model shows it (score and record: captions too;
// the demo's place also holds the hint's note).
QString Rotulos(const QImage& img, const Escenario& w, const Pantalla& p) {
  const Etiqueta nota{"", p.lblDemo.visible || p.lblPista.visible};
  const std::tuple<const char*, QRectF, const Etiqueta&> rotulos[] = {
      {"inicio", escena::Inicio(), p.lblInicio}, {"tiempo", escena::Tiempo(), p.lblTiempo},
      {"pausa", escena::Pausa(), p.lblPausa},    {"demo o pista", escena::Demo(), nota},
      {"puntos", escena::Puntos(), p.lblPuntos}, {"rótulo puntos", Rotulo(escena::Puntos()), p.lblPuntos},
      {"récord", escena::Record(), p.lblRecord}, {"rótulo récord", Rotulo(escena::Record()), p.lblRecord}};
  for (const auto& [nombre, sitio, etiqueta] : rotulos) {
    const QRect r = w.AWidget(sitio).toRect();
    int claros = 0;
    for (int k = 0; k < r.width() * r.height(); ++k)
      claros += qGray(img.pixel(r.x() + k % r.width(), r.y() + k / r.width())) > 120;
    if ((claros > 10) != etiqueta.visible) return QString::fromUtf8(nombre);
  }
  return {};
}

// The most times one pixel of the zones changes colour from one frame to the next.
int CambiosPorPixel(const QList<QImage>& cuadros, const QList<QRect>& zonas) {
  int maximo = 0;
  for (const QRect& zona : zonas) {
    for (int k = 0; k < zona.width() * zona.height(); ++k) {
      const QPoint punto(zona.x() + k % zona.width(), zona.y() + k / zona.width());
      int cambios = 0;
      for (int c = 1; c < cuadros.size(); ++c) cambios += cuadros[c].pixel(punto) != cuadros[c - 1].pixel(punto);
      maximo = std::max(maximo, cambios);
    }
  }
  return maximo;
}

}  // namespace

class EscenarioTest : public QObject {
  Q_OBJECT

 private slots:
  void pintaLoQueDiceElModelo() {
    // Cells, preview and labels show the model, from start-up through a level's changes to a window twice as large,
    // and one twice as tall, the scene in its middle.
    Escena esc{Escena::SinArrancar{}};
    esc.juego->Inicializar();
    esc.Atender();  // the first start's box
    Escenario w(esc.juego->pantalla());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const auto comprobar = [&] {
      const QImage img = Pantallazo(w, *esc.juego);
      QCOMPARE(Discrepancia(img, w, esc.p()), QString());
      QCOMPARE(Rotulos(img, w, esc.p()), QString());
    };
    QCOMPARE(esc.p().lblTiempo.texto, "0:00");
    comprobar();  // the hint and the clock on the empty board

    esc.plataforma.alMostrarSelector = [](SelectorNiveles& s) { return s.ElegirPosicion(2); };
    esc.Orden(Comando::Nuevo);
    esc.Tablero(20, {"...........", "1.........#", "22.....3333", "44556677123"});
    esc.Ficha(Catalogo::EntradaLista(19)).Lineas(5);
    esc.Orden(Comando::Sombra);
    QVERIFY(esc.p().sombra.any());
    comprobar();
    esc.juego->Tecla(tecla::kIzquierda);
    comprobar();

    // The full bottom row goes with the landing (its flash: menosDestellos).
    esc.TicksHastaAterrizar();
    QString falta;
    QVERIFY2(QTest::qWaitFor([&] { return (falta = Discrepancia(Pantallazo(w, *esc.juego), w, esc.p())).isEmpty(); }),
             qPrintable(falta));

    esc.juego->Tecla(tecla::kF3);
    esc.juego->Disparar(Temporizador::Juego);
    QVERIFY(esc.p().lblPausa.visible);
    comprobar();
    const auto zona = [&](const QRectF& r) { return Pantallazo(w, *esc.juego).copy(w.AWidget(r).toRect()); };
    const QImage puntos = zona(escena::Puntos()), record = zona(escena::Record());
    esc.Puntos(1250);
    QVERIFY(zona(escena::Puntos()) != puntos && zona(escena::Record()) == record);
    // The largest score shows whole inside its place, none of it past the panel's edges.
    esc.Puntos(kPuntosMaximos);
    const QImage img = Pantallazo(w, *esc.juego);
    const QRect sitio = w.AWidget(escena::Puntos()).toRect(), panel = w.AWidget(escena::Panel()).toRect();
    int izquierda = w.width(), derecha = 0;
    for (int y = sitio.top(); y <= sitio.bottom(); ++y) {
      for (int x = panel.left(); x < w.width(); ++x) {
        if (qGray(img.pixel(x, y)) > 120) izquierda = std::min(izquierda, x), derecha = std::max(derecha, x);
      }
    }
    QVERIFY2(izquierda > sitio.left() && derecha < sitio.right() && derecha - izquierda > sitio.width() / 2,
             qPrintable(QStringLiteral("%1..%2 in %3..%4").arg(izquierda).arg(derecha).arg(sitio.left()).arg(sitio.right())));
    esc.Orden(Comando::Pista);  // the note: this level makes no record
    QVERIFY(esc.p().lblPista.visible);
    comprobar();
    esc.Demostracion();
    comprobar();
    esc.Persiana(5);
    comprobar();
    w.resize(w.sizeHint() * 2);
    QTRY_COMPARE(w.Escala(), 2.0);
    comprobar();
    w.resize(w.sizeHint().width(), w.sizeHint().height() * 2);
    QTRY_COMPARE(w.Escala(), 1.0);
    QVERIFY(qAbs(w.AWidget(escena::Todo()).center().y() - w.height() / 2.0) <= 1);
    comprobar();
  }

  void menosDestellos() {
    // With "Reducir destellos" a cleared row and the board's frame change colour once at most, while a row is cleared
    // (steady arrows beside it instead) and through the clock's last seconds (red all along); without, both flash.
    for (const bool menos : {false, true}) {
      Escena esc(Modo::Goteator);
      if (menos) esc.Orden(Comando::MenosDestellos);
      esc.Tablero(20, {"...........", "1.........#", "22.....3333", "44556677123"}).Dibujar(5, {"..........b"});
      esc.Gota(5 * kAncho + 11).Ficha(Catalogo::EntradaLista(19));
      esc.juego->Tecla(tecla::kIzquierda);
      Escenario w(esc.juego->pantalla());
      w.show();
      QVERIFY(QTest::qWaitForWindowExposed(&w));
      QList<QImage> cuadros{Pantallazo(w, *esc.juego)};
      esc.TicksHastaAterrizar();
      QElapsedTimer desde;
      desde.start();
      cuadros << Pantallazo(w, *esc.juego);
      const bool aTiempo = desde.elapsed() < Escenario::kMsDestello;  // unless the machine stalled
      // Frames until the screen shows the board as it now is, with no flash or mark.
      const auto alDia = [&] { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); };
      // Every look at the screen is kept as a frame. The flash is seen over before the looks, or it could end
      // between them; and the wait stops at the first look that finds the screen up to date.
      QVERIFY(QTest::qWaitFor([&] {
        const bool apagado = !w.Destella(23);
        cuadros << Pantallazo(w, *esc.juego);
        return apagado && cuadros.back() == alDia();
      }));

      const QRect fila = w.AWidget(escena::FilaTablero(23)).toRect();
      const QPoint flecha = w.AWidget(escena::Celda(kBaseFilaInferior)).topLeft().toPoint() + QPoint(6, 8);
      if (menos) {
        QCOMPARE(CambiosPorPixel(cuadros, {fila}), 1);
        QVERIFY(qGray(cuadros[1].pixel(flecha)) > 150 && qGray(cuadros.back().pixel(flecha)) < 100);
      } else if (aTiempo) {
        QCOMPARE(CambiosPorPixel(cuadros, {fila}), 2);
      }

      // The clock from 20 seconds left to 3, a frame a second.
      esc.Tablero(0, {}).Dibujar(5, {"..........b"}).Gota(5 * kAncho + 11);
      esc.plataforma.ahora += double(esc.v().reloj().Segundos() - 20);
      cuadros.clear();
      for (int segundo = 0; segundo < 18; ++segundo, esc.plataforma.ahora += 1) {
        esc.Tick();
        cuadros << Pantallazo(w, *esc.juego);
      }
      QCOMPARE(esc.p().lblTiempo.texto, "0:03");
      const QRect marco = w.AWidget(escena::AreaMarco(false)).toRect();
      const QList<QRect> lados{QRect(marco.left() - 2, marco.top() - 2, marco.width() + 4, 2),
                               QRect(marco.left() - 2, marco.bottom() + 1, marco.width() + 4, 2),
                               QRect(marco.left() - 2, marco.top(), 2, marco.height()),
                               QRect(marco.right() + 1, marco.top(), 2, marco.height())};
      QVERIFY(menos ? CambiosPorPixel(cuadros, lados) == 1 : CambiosPorPixel(cuadros, lados) > 10);
    }
  }

  void dibujosDistintos() {
    // No two of the block pictures and icons look alike: a tenth of their pixels differ clearly.
    QList<QImage> dibujos;
    for (int id = 1; id < kNumImagenes; ++id) {
      dibujos << QImage(34, 34, QImage::Format_ARGB32);
      dibujos.back().fill(Qt::transparent);
      QPainter p(&dibujos.back());
      PintarImagen(p, QRectF(0, 0, 34, 34), id, PaletaDe(Colores::Propios));
    }
    for (int a = 0; a < dibujos.size(); ++a) {
      for (int b = a + 1; b < dibujos.size(); ++b) {
        int distintos = 0;
        for (int k = 0; k < 34 * 34; ++k) {
          const QRgb x = dibujos[a].pixel(k % 34, k / 34), y = dibujos[b].pixel(k % 34, k / 34);
          distintos += (qAbs(qRed(x) - qRed(y)) + qAbs(qGreen(x) - qGreen(y)) + qAbs(qBlue(x) - qBlue(y)) +
                        qAbs(qAlpha(x) - qAlpha(y))) > 60;
        }
        QVERIFY2(distintos > 34 * 34 / 10, qPrintable(QStringLiteral("%1 and %2").arg(a + 1).arg(b + 1)));
      }
    }
  }
};

QTEST_MAIN(EscenarioTest)
#include "EscenarioTest.moc"
