// The credits window and the level-selection window on the offscreen
// platform: what they show, and where the player's keys, clicks and pointer
// moves end up.
#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

#include "PlataformaFalsa.h"
#include "game/Juego.h"
#include "progress/SelectorNiveles.h"
#include "ui/DialogoNiveles.h"
#include "ui/VentanaCreditos.h"

using tumbla::Juego;
using tumbla::PlataformaFalsa;
using tumbla::SelectorNiveles;
using tumbla::ui::DialogoNiveles;
using tumbla::ui::VentanaCreditos;

namespace {

// The fake platform, closing the window when the game says so, as the
// real one does (unless told not to).
class PlataformaConDialogo : public PlataformaFalsa {
 public:
  QDialog* dialogo = nullptr;
  bool cerrarDeVerdad = true;
  void cerrarSelectorNiveles() override {
    PlataformaFalsa::cerrarSelectorNiveles();
    if (dialogo && cerrarDeVerdad) dialogo->done(0);
  }
};

// A game with `superados` levels done, in a folder of its own, with its
// level window.
struct Partida {
  QTemporaryDir carpeta;
  PlataformaConDialogo plataforma;
  std::unique_ptr<Juego> juego;
  std::unique_ptr<DialogoNiveles> dialogo;

  explicit Partida(int superados = 0) {
    const QString ruta = carpeta.filePath(QStringLiteral("tumbla.ini"));
    QFile f(ruta);
    if (f.open(QIODevice::WriteOnly)) f.write("[OROKORRA]\r\nAZKENA=2026/12/06\r\nAMAITUTAKOA=" + QByteArray::number(superados));
    f.close();
    juego = std::make_unique<Juego>(plataforma, ruta.toStdString());
    juego->Inicializar();
    dialogo = std::make_unique<DialogoNiveles>(*juego, nullptr);
    plataforma.dialogo = dialogo.get();
  }
  // Opens the window as "Nuevo" does; `dentro` plays the player's part.
  // True when it did.
  bool Abrir(const std::function<void()>& dentro) {
    bool hecho = false;
    plataforma.alMostrarSelector = [&] {
      dialogo->show();
      dialogo->activateWindow();
      if (QTest::qWaitForWindowExposed(dialogo.get())) dentro(), hecho = true;
    };
    juego->AbrirSelectorNiveles();
    return hecho;
  }
  SelectorNiveles& modelo() { return juego->selector(); }
  QAbstractButton* boton(int i) { return dialogo->findChild<QAbstractButton*>(QStringLiteral("cmdNivel%1").arg(i)); }
  QString datos() { return dialogo->findChild<QLabel*>(QStringLiteral("lblDatos"))->text(); }
  QScrollBar* barra() { return dialogo->findChild<QScrollBar*>(QStringLiteral("scrNiveles")); }
  void Teclas(std::initializer_list<Qt::Key> teclas) {
    for (Qt::Key t : teclas) QTest::keyClick(dialogo.get(), t);
  }
  // The red frame lies in the gaps left of and above button i.
  bool MarcoEn(int i) {
    const QRect g = boton(i)->geometry();
    const QImage imagen = dialogo->grab().toImage();
    return imagen.pixelColor(g.left() - 4, g.center().y()) == QColor(Qt::red) &&
           imagen.pixelColor(g.center().x(), g.top() - 4) == QColor(Qt::red);
  }
};

// Moves the pointer over `w` at `p` through the window system, so that the
// widgets under it see it arrive and leave as with a real mouse.
void MoverA(QWidget* w, QPoint p) {
  QWindow* ventana = w->window()->windowHandle();
  QTest::mouseMove(ventana, ventana->mapFromGlobal(w->mapToGlobal(p)));
}

}  // namespace

class DialogosTest : public QObject {
  Q_OBJECT

 private slots:
  void creditosSeCierranConCualquierTeclaOUnClicLejosDeLasDirecciones() {
    // Letters, Escape, Tab, function keys, a lone Shift, and a click on the
    // logo, the text or the bare window close it; no address is opened.
    // A key, or a click on the widget of that name ("": the bare corner).
    const std::pair<Qt::Key, const char*> gestos[] = {
        {Qt::Key_A, ""},     {Qt::Key_Escape, ""}, {Qt::Key_Tab, ""},                {Qt::Key_F5, ""},
        {Qt::Key_Shift, ""}, {Qt::Key_Return, ""}, {Qt::Key_unknown, "imgLogo"}, {Qt::Key_unknown, "lblMas"},
        {Qt::Key_unknown, ""}};
    for (const auto& [tecla, donde] : gestos) {
      int abiertos = 0;
      VentanaCreditos creditos([&](const QString&) { return ++abiertos, true; }, nullptr);
      creditos.show();
      QVERIFY(QTest::qWaitForWindowExposed(&creditos));
      const QWidget* w = *donde ? creditos.findChild<QWidget*>(QString::fromLatin1(donde)) : nullptr;
      if (tecla != Qt::Key_unknown) QTest::keyClick(&creditos, tecla);
      else QTest::mouseClick(&creditos, Qt::LeftButton, {}, w ? w->geometry().center() : QPoint(3, creditos.height() - 3));
      QTRY_VERIFY2(!creditos.isVisible(), qPrintable(QString::number(tecla, 16) + donde));
      QCOMPARE(abiertos, 0);
    }
  }

  void direccionesSeSubrayanDeUnaEnUnaYSeEntreganAlEscritorio() {
    // The pointer on the mail address, then straight onto the web address,
    // then off both underlines exactly the one under it; a click hands
    // "mailto:" or "http://" plus the shown address to the desktop, and when
    // nothing takes it the window stays open.
    QStringList pedidos;
    VentanaCreditos creditos([&](const QString& destino) { return pedidos << destino, false; }, nullptr);
    creditos.show();
    QVERIFY(QTest::qWaitForWindowExposed(&creditos));
    auto* mail = creditos.findChild<QLabel*>(QStringLiteral("lblMail"));
    auto* web = creditos.findChild<QLabel*>(QStringLiteral("lblURL"));
    QVERIFY(mail && web);
    const auto subrayadas = [&] { return std::pair(mail->font().underline(), web->font().underline()); };
    QCOMPARE(subrayadas(), std::pair(false, false));
    MoverA(mail, mail->rect().center());
    QTRY_COMPARE(subrayadas(), std::pair(true, false));
    MoverA(web, web->rect().center());
    QTRY_COMPARE(subrayadas(), std::pair(false, true));
    MoverA(&creditos, QPoint(3, creditos.height() - 3));
    QTRY_COMPARE(subrayadas(), std::pair(false, false));

    QCOMPARE(std::pair(mail->text(), web->text()), std::pair(QString("tumbla@example.org"), QString("www.example.org/tumbla")));
    QTest::mouseClick(mail, Qt::LeftButton);
    QTest::mouseClick(web, Qt::LeftButton);
    QCOMPARE(pedidos, (QStringList{"mailto:tumbla@example.org", "http://www.example.org/tumbla"}));
    QVERIFY(creditos.isVisible());
  }

  void ventanaDeNivelesMuestraLosBotonesDelModeloAmbosLadosDeLaFrontera() {
    // Ten levels done: 1..11 in their group colours (CLASIC pale orange),
    // 12..50 grey, caption, scroll bar and data line as the game has them.
    // All done: 251..296 on the last page, the four blank slots hidden. The
    // window at twice its size doubles the buttons.
    for (int superados : {10, 296}) {
      Partida p(superados);
      QVERIFY(p.Abrir([&] {
        QCOMPARE(p.dialogo->windowTitle(), QStringLiteral("Selecciona un nivel"));
        for (int i = 0; i < SelectorNiveles::kBotones; ++i) {
          QAbstractButton* b = p.boton(i);
          const SelectorNiveles::BotonNivel& m = p.modelo().Boton(i);
          QCOMPARE(b->isVisible(), m.visible);
          QCOMPARE(b->text(), QString::fromStdString(m.texto));
          if (!m.visible) continue;
          QCOMPARE(b->text(), QString::number(superados == 10 ? i + 1 : i + 251));
          const QColor color = b->grab().toImage().pixelColor(4, 4);  // inside the bevel, off the caption
          QCOMPARE(color, QColor(m.color & 0xFF, (m.color >> 8) & 0xFF, (m.color >> 16) & 0xFF));
          if (superados == 10) QCOMPARE(color == QColor(0xC0, 0xC0, 0xC0), i >= 11);
        }
        QCOMPARE(p.boton(0)->grab().toImage().pixelColor(4, 4), QColor(0xFF, 0xE0, 0xC0));
        QCOMPARE(std::pair(p.barra()->value(), p.barra()->maximum()), std::pair(superados == 10 ? 0 : 25, 25));
        QCOMPARE(p.boton(45)->isVisible(), true);
        QCOMPARE(p.boton(46)->isVisible(), superados == 10);
        QVERIFY(p.datos().startsWith(QStringLiteral("Nivel: %1 - ").arg(superados + 1 > 296 ? 296 : superados + 1)));
        QCOMPARE(p.datos(), QString::fromStdString(p.modelo().lblDatos()));
      }));
    }
    Partida p;
    p.dialogo->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.dialogo.get()));
    QCOMPARE(p.dialogo->size(), QSize(542, 281));
    QCOMPARE(p.boton(0)->geometry(), QRect(16, 16, 41, 41));
    QCOMPARE(p.boton(11)->geometry().topLeft(), QPoint(16 + 49, 16 + 49));
    p.dialogo->resize(1084, 562);
    QCOMPARE(p.boton(0)->geometry(), QRect(32, 32, 82, 82));
    QVERIFY(p.boton(0)->font().pixelSize() >= 20);
  }

  void flechasRuedaBarraYPunteroLlevanElMarcoYLaPagina() {
    // The pointer over a button shows its data, off them the selected one's
    // again; Right moves the red frame from level 1 to 2; Down past the last
    // row scrolls; the bar and the wheel (a row a notch) turn the page under
    // the frame.
    Partida p(20);
    QVERIFY(p.Abrir([&] {
      const QString seleccionado = p.datos();
      MoverA(p.boton(3), p.boton(3)->rect().center());
      QTRY_VERIFY(p.datos().startsWith(QStringLiteral("Nivel: 4 - ")));
      MoverA(p.dialogo.get(), QPoint(2, 2));
      QTRY_COMPARE(p.datos(), seleccionado);

      p.Teclas({Qt::Key_Up, Qt::Key_Up});  // from 21 to 1
      QVERIFY(p.MarcoEn(0) && !p.MarcoEn(1));
      p.Teclas({Qt::Key_Right});
      QVERIFY(p.MarcoEn(1) && !p.MarcoEn(0));
      QCOMPARE(p.datos(), QStringLiteral("Nivel: 2 - CLASIC. "));
      p.Teclas({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down});
      QCOMPARE(std::pair(p.modelo().Seleccionado(), p.barra()->value()), std::pair(41, 1));
      QCOMPARE(p.boton(0)->text(), QStringLiteral("11"));
      QVERIFY(p.MarcoEn(41));

      QCOMPARE(p.barra()->focusPolicy(), Qt::NoFocus);
      p.barra()->setValue(3);
      QCOMPARE(std::pair(p.modelo().ValorDesplazamiento(), p.boton(0)->text()), std::pair(3, QString("31")));
      QCOMPARE(p.datos(), QString::fromStdString(p.modelo().lblDatos()));
      const QPoint sobre = p.boton(5)->geometry().center();
      QWheelEvent rueda(sobre, p.dialogo->mapToGlobal(sobre), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
      QApplication::sendEvent(p.dialogo.get(), &rueda);
      QCOMPARE(std::pair(p.modelo().ValorDesplazamiento(), p.barra()->value()), std::pair(4, 4));
      QCOMPARE(p.boton(0)->text(), QStringLiteral("41"));
      QVERIFY(p.MarcoEn(41) && p.dialogo->isVisible());
    }));
  }

  void escapeYElCierreContinuanPorElJuego() {
    // Escape and the close box are the game's: it asks the platform to close
    // the window, which does not close behind the game's back; the game,
    // with no level yet, starts none.
    for (bool tecla : {true, false}) {
      for (bool cerrar : {false, true}) {
        Partida p;
        p.plataforma.cerrarDeVerdad = cerrar;
        QVERIFY(p.Abrir([&] { tecla ? QTest::keyClick(p.dialogo.get(), Qt::Key_Escape) : void(p.dialogo->close()); }));
        QVERIFY(!p.modelo().Abierto());
        QCOMPARE(p.plataforma.selectoresCerrados, 1);
        QCOMPARE(p.dialogo->isVisible(), !cerrar);
        QCOMPARE(p.juego->estado().NivelActual, 0);
      }
    }
  }

  void introOUnClicEmpiezanElNivelElegidoYUnHuecoNada() {
    // Enter starts the selected level; a click on a grey one starts it
    // without recording progress. On the last page Space on a blank slot
    // starts nothing.
    Partida p;
    QVERIFY(p.Abrir([&] { p.Teclas({Qt::Key_Return}); }));
    QCOMPARE(p.juego->estado().NivelActual, 1);
    QVERIFY(p.juego->estado().Jugando && !p.juego->estado().NoGuardarProgreso && !p.dialogo->isVisible());
    p.juego->estado().Jugando = false;
    QVERIFY(p.Abrir([&] {
      QCOMPARE(p.dialogo->windowTitle(), QString::fromUtf8("¿Volver a intentarlo?"));
      QTest::mouseClick(p.boton(6), Qt::LeftButton);
    }));
    QCOMPARE(p.juego->estado().NivelActual, 7);
    QVERIFY(p.juego->estado().NoGuardarProgreso);
    QCOMPARE(p.plataforma.selectoresCerrados, 2);

    Partida q(296);
    QVERIFY(q.Abrir([&] {
      q.Teclas({Qt::Key_Up, Qt::Key_Right, Qt::Key_Down});  // 296, 286, 287, a blank slot
      QCOMPARE(std::pair(q.modelo().Seleccionado(), q.datos()), std::pair(46, QString()));
      q.Teclas({Qt::Key_Space});
      QVERIFY(q.dialogo->isVisible());
      QCOMPARE(q.plataforma.selectoresCerrados, 0);
    }));
  }
};

QTEST_MAIN(DialogosTest)
#include "DialogosTest.moc"
