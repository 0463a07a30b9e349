// The credits window and the level-selection window on the offscreen
// platform: what they show, and where the player's keys, clicks and pointer
// moves end up.
#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QWindow>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>

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
// real one does.
class PlataformaConDialogo : public PlataformaFalsa {
 public:
  QDialog* dialogo = nullptr;
  bool cerrarDeVerdad = true;
  void cerrarSelectorNiveles() override {
    PlataformaFalsa::cerrarSelectorNiveles();
    if (dialogo && cerrarDeVerdad) dialogo->done(0);
  }
};

// A game in a folder of its own, with its level window.
struct Partida {
  QTemporaryDir carpeta;
  PlataformaConDialogo plataforma;
  std::unique_ptr<Juego> juego;
  std::unique_ptr<DialogoNiveles> dialogo;

  explicit Partida(const QByteArray& ajustes = {}) {
    const QString ruta = carpeta.filePath(QStringLiteral("tumbla.ini"));
    if (!ajustes.isEmpty()) {
      QFile f(ruta);
      if (f.open(QIODevice::WriteOnly)) f.write(ajustes);
    }
    juego = std::make_unique<Juego>(plataforma, ruta.toStdString());
    juego->Inicializar();
    dialogo = std::make_unique<DialogoNiveles>(*juego, nullptr);
    plataforma.dialogo = dialogo.get();
  }

  // Opens the window as "Nuevo" does; `dentro` plays the player's part
  // while it is up.
  void Abrir(const std::function<void()>& dentro) {
    plataforma.alMostrarSelector = [this, dentro] {
      dialogo->show();
      dialogo->activateWindow();
      if (!QTest::qWaitForWindowExposed(dialogo.get())) return;
      dentro();
    };
    juego->AbrirSelectorNiveles();
  }

  SelectorNiveles& modelo() { return juego->selector(); }
  QAbstractButton* boton(int i) {
    return dialogo->findChild<QAbstractButton*>(QStringLiteral("cmdNivel%1").arg(i));
  }
  QString datos() { return dialogo->findChild<QLabel*>(QStringLiteral("lblDatos"))->text(); }
};

QByteArray Progreso(int superados) {
  return "[OROKORRA]\r\nAZKENA=2026/12/06\r\nAMAITUTAKOA=" + QByteArray::number(superados) + "\r\n";
}

QColor DesdeBgr(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

// The colour a button paints inside its bevel, away from its caption.
QColor ColorPintado(QAbstractButton* boton) {
  return boton->grab().toImage().pixelColor(4, 4);
}

// Moves the pointer over `w` at `p` through the window system, so that the
// widgets under it see it arrive and leave as with a real mouse.
void MoverA(QWidget* w, QPoint p) {
  QWindow* ventana = w->window()->windowHandle();
  QTest::mouseMove(ventana, ventana->mapFromGlobal(w->mapToGlobal(p)));
}

bool Subrayado(QWidget* ventana, const char* nombre) {
  return ventana->findChild<QLabel*>(QString::fromLatin1(nombre))->font().underline();
}

}  // namespace

class DialogosTest : public QObject {
  Q_OBJECT

 private slots:
  // ---- Credits window --------------------------------------------------------

  void creditsCloseOnAnyKey() {
    // Letters, Escape, Tab, function keys and a lone Shift all close it.
    const Qt::Key teclas[] = {Qt::Key_A, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_F5, Qt::Key_Shift,
                              Qt::Key_Return, Qt::Key_Space};
    for (Qt::Key tecla : teclas) {
      int abiertos = 0;
      VentanaCreditos creditos([&](const QString&) { return ++abiertos, true; }, nullptr);
      creditos.show();
      QVERIFY(QTest::qWaitForWindowExposed(&creditos));
      QTest::keyClick(&creditos, tecla);
      QTRY_VERIFY2(!creditos.isVisible(), qPrintable(QString::number(tecla, 16)));
      QCOMPARE(abiertos, 0);
    }
  }

  void creditsCloseOnAClickAwayFromTheAddresses() {
    // The logo, the text and the bare window close it; no address is opened.
    for (const char* donde : {"imgLogo", "lblMas", ""}) {
      int abiertos = 0;
      VentanaCreditos creditos([&](const QString&) { return ++abiertos, true; }, nullptr);
      creditos.show();
      QVERIFY(QTest::qWaitForWindowExposed(&creditos));
      if (*donde) {
        QWidget* w = creditos.findChild<QWidget*>(QString::fromLatin1(donde));
        QVERIFY(w);
        QTest::mouseClick(&creditos, Qt::LeftButton, {}, w->geometry().center());
      } else {
        QTest::mouseClick(&creditos, Qt::LeftButton, {}, QPoint(3, creditos.height() - 3));
      }
      QTRY_VERIFY2(!creditos.isVisible(), donde);
      QCOMPARE(abiertos, 0);
    }
  }

  void creditsHoverUnderlinesExactlyOneAddress() {
    // Mail, then straight onto the web address, then off both.
    VentanaCreditos creditos([](const QString&) { return true; }, nullptr);
    creditos.show();
    QVERIFY(QTest::qWaitForWindowExposed(&creditos));
    auto* mail = creditos.findChild<QLabel*>(QStringLiteral("lblMail"));
    auto* web = creditos.findChild<QLabel*>(QStringLiteral("lblURL"));
    QVERIFY(mail && web);
    QVERIFY(!Subrayado(&creditos, "lblMail") && !Subrayado(&creditos, "lblURL"));

    MoverA(mail, mail->rect().center());
    QTRY_VERIFY(Subrayado(&creditos, "lblMail"));
    QVERIFY(!Subrayado(&creditos, "lblURL"));

    MoverA(web, web->rect().center());
    QTRY_VERIFY(Subrayado(&creditos, "lblURL"));
    QVERIFY(!Subrayado(&creditos, "lblMail"));

    MoverA(&creditos, QPoint(3, creditos.height() - 3));
    QTRY_VERIFY(!Subrayado(&creditos, "lblURL"));
    QVERIFY(!Subrayado(&creditos, "lblMail"));
  }

  void creditsAddressesOpenTheirProgramAndTheWindowStays() {
    // A click hands "mailto:" or "http://" plus the shown address to the
    // desktop; when nothing takes it, the window simply stays open.
    QStringList pedidos;
    VentanaCreditos creditos(
        [&](const QString& destino) {
          pedidos << destino;
          return false;
        },
        nullptr);
    creditos.show();
    QVERIFY(QTest::qWaitForWindowExposed(&creditos));
    auto* mail = creditos.findChild<QLabel*>(QStringLiteral("lblMail"));
    auto* web = creditos.findChild<QLabel*>(QStringLiteral("lblURL"));
    QCOMPARE(mail->text(), QStringLiteral("tumbla@example.org"));
    QCOMPARE(web->text(), QStringLiteral("www.example.org/tumbla"));

    QTest::mouseClick(mail, Qt::LeftButton);
    QTest::mouseClick(web, Qt::LeftButton);
    QCOMPARE(pedidos, (QStringList{QStringLiteral("mailto:tumbla@example.org"),
                                   QStringLiteral("http://www.example.org/tumbla")}));
    QVERIFY(creditos.isVisible());
  }

  void creditsAreCentredOverTheirParent() {
    // Shown again and again, it always sits over the middle of its owner.
    QWidget dueno;
    dueno.setGeometry(100, 80, 900, 700);
    dueno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dueno));
    VentanaCreditos creditos([](const QString&) { return true; }, &dueno);
    QCOMPARE(creditos.objectName(), QStringLiteral("frmVandrell"));
    for (int vez = 0; vez < 2; ++vez) {
      creditos.show();
      QVERIFY(QTest::qWaitForWindowExposed(&creditos));
      const QPoint delta = creditos.frameGeometry().center() - dueno.frameGeometry().center();
      QVERIFY2(delta.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(delta.x()).arg(delta.y())));
      creditos.move(0, 0);
      QTest::keyClick(&creditos, Qt::Key_X);
      QTRY_VERIFY(!creditos.isVisible());
    }
  }

  void logoIsReadableAtIconSizes() {
    // The picture loads, and at 16 and 256 pixels it is an opaque tile with
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
      for (int y = 0; y < lado; y += std::max(1, lado / 16))
        for (int x = 0; x < lado; x += std::max(1, lado / 16)) colores.insert(imagen.pixel(x, y) & 0xF0F0F0F0u);
      QVERIFY2(colores.size() >= 6, qPrintable(QString::number(colores.size())));
    }
  }

  // ---- Level-selection window ------------------------------------------------

  void levelWindowShowsTheModelsFiftySlots() {
    // Ten levels done: 1..11 in their group colours, 12..50 grey, the
    // caption, the scroll bar and the data line as the game has them.
    Partida p(Progreso(10));
    p.Abrir([&] {
      QCOMPARE(p.dialogo->windowTitle(), QStringLiteral("Selecciona un nivel"));
      for (int i = 0; i < SelectorNiveles::kBotones; ++i) {
        QAbstractButton* b = p.boton(i);
        QVERIFY(b);
        QVERIFY(b->isVisible());
        QCOMPARE(b->focusPolicy(), Qt::NoFocus);
        QCOMPARE(b->text(), QString::number(i + 1));
        QCOMPARE(b->font().bold(), true);
        QCOMPARE(ColorPintado(b), DesdeBgr(p.modelo().Boton(i).color));
        if (i >= 11) QCOMPARE(ColorPintado(b), QColor(0xC0, 0xC0, 0xC0));
      }
      QCOMPARE(ColorPintado(p.boton(0)), QColor(0xFF, 0xE0, 0xC0));  // CLASIC, 0xC0E0FF
      QCOMPARE(p.boton(10)->text(), QStringLiteral("11"));
      QCOMPARE(p.modelo().Seleccionado(), 10);
      auto* barra = p.dialogo->findChild<QScrollBar*>(QStringLiteral("scrNiveles"));
      QCOMPARE(barra->maximum(), 25);
      QCOMPARE(barra->value(), 0);
      QCOMPARE(p.datos(), QString::fromStdString(p.modelo().lblDatos()));
      QVERIFY(p.datos().startsWith(QStringLiteral("Nivel: 11 - ")));
    });
  }

  void levelWindowLastPageHidesTheBlankSlots() {
    // Everything done: 251..296 shown, the last four slots hidden.
    Partida p(Progreso(296));
    p.Abrir([&] {
      QCOMPARE(p.boton(0)->text(), QStringLiteral("251"));
      QCOMPARE(p.boton(45)->text(), QStringLiteral("296"));
      for (int i = 46; i < 50; ++i) QVERIFY(!p.boton(i)->isVisible());
      QCOMPARE(p.dialogo->findChild<QScrollBar*>(QStringLiteral("scrNiveles"))->value(), 25);
    });
  }

  void arrowKeysMoveTheRedFrame() {
    // Right moves the frame from level 1 to 2; Down past the last row scrolls.
    Partida p;
    p.Abrir([&] {
      auto rojoJuntoA = [&](int i) {
        const QRect g = p.boton(i)->geometry();
        const QImage imagen = p.dialogo->grab().toImage();
        return imagen.pixelColor(g.left() - 4, g.center().y()) == QColor(Qt::red) &&
               imagen.pixelColor(g.center().x(), g.top() - 4) == QColor(Qt::red);
      };
      QVERIFY(rojoJuntoA(0));
      QVERIFY(!rojoJuntoA(1));
      QTest::keyClick(p.dialogo.get(), Qt::Key_Right);
      QCOMPARE(p.modelo().Seleccionado(), 1);
      QVERIFY(rojoJuntoA(1));
      QVERIFY(!rojoJuntoA(0));
      QCOMPARE(p.datos(), QStringLiteral("Nivel: 2 - CLASIC. "));

      for (int k = 0; k < 5; ++k) QTest::keyClick(p.dialogo.get(), Qt::Key_Down);
      QCOMPARE(p.modelo().Seleccionado(), 41);
      QCOMPARE(p.modelo().ValorDesplazamiento(), 1);
      QCOMPARE(p.dialogo->findChild<QScrollBar*>(QStringLiteral("scrNiveles"))->value(), 1);
      QCOMPARE(p.boton(0)->text(), QStringLiteral("11"));
      QVERIFY(rojoJuntoA(41));
      QVERIFY(p.dialogo->isVisible());
    });
  }

  void escapeContinuesThroughTheGame() {
    // Escape is the game's: it asks the platform to close the window, and
    // the window does not close on its own behind the game's back.
    Partida p;
    p.plataforma.cerrarDeVerdad = false;
    p.Abrir([&] {
      QTest::keyClick(p.dialogo.get(), Qt::Key_Escape);
      QVERIFY(!p.modelo().Abierto());
      QCOMPARE(p.plataforma.selectoresCerrados, 1);
      QVERIFY(p.dialogo->isVisible());
    });
    p.dialogo->hide();

    Partida q;
    q.Abrir([&] {
      QTest::keyClick(q.dialogo.get(), Qt::Key_Escape);
      QCOMPARE(q.plataforma.selectoresCerrados, 1);
      QVERIFY(!q.dialogo->isVisible());
      QCOMPARE(q.juego->estado().NivelActual, 0);
    });
  }

  void closingTheWindowContinuesLikeEscape() {
    // The close box goes through the game's Escape as well.
    Partida p;
    p.Abrir([&] {
      p.dialogo->close();
      QVERIFY(!p.modelo().Abierto());
      QCOMPARE(p.plataforma.selectoresCerrados, 1);
      QVERIFY(!p.dialogo->isVisible());
    });
    QCOMPARE(p.plataforma.selectoresCerrados, 1);
  }

  void enterOrAClickStartsTheChosenLevel() {
    // Enter starts the selected level; a click on a grey one starts it
    // without recording progress.
    Partida p;
    p.Abrir([&] { QTest::keyClick(p.dialogo.get(), Qt::Key_Return); });
    QCOMPARE(p.juego->estado().NivelActual, 1);
    QVERIFY(p.juego->estado().Jugando);
    QVERIFY(!p.juego->estado().NoGuardarProgreso);
    QVERIFY(!p.dialogo->isVisible());

    p.juego->estado().Jugando = false;
    p.Abrir([&] {
      QCOMPARE(p.dialogo->windowTitle(), QString::fromUtf8("¿Volver a intentarlo?"));
      QTest::mouseClick(p.boton(6), Qt::LeftButton);
    });
    QCOMPARE(p.juego->estado().NivelActual, 7);
    QVERIFY(p.juego->estado().NoGuardarProgreso);
    QCOMPARE(p.plataforma.selectoresCerrados, 2);
  }

  void spaceOnABlankSlotDoesNothing() {
    // On the last page, Down onto a hidden slot empties the data line and
    // Space there starts nothing.
    Partida p(Progreso(296));
    p.Abrir([&] {
      for (int k = 0; k < 5; ++k) QTest::keyClick(p.dialogo.get(), Qt::Key_Left);  // 296 -> 291
      QCOMPARE(p.modelo().Seleccionado(), 40);
      QTest::keyClick(p.dialogo.get(), Qt::Key_Up);  // 281, slot 30
      QTest::keyClick(p.dialogo.get(), Qt::Key_Right);
      QTest::keyClick(p.dialogo.get(), Qt::Key_Right);
      QTest::keyClick(p.dialogo.get(), Qt::Key_Right);
      QTest::keyClick(p.dialogo.get(), Qt::Key_Right);
      QTest::keyClick(p.dialogo.get(), Qt::Key_Right);
      QTest::keyClick(p.dialogo.get(), Qt::Key_Right);  // 287, slot 36
      QCOMPARE(p.boton(36)->text(), QStringLiteral("287"));
      QTest::keyClick(p.dialogo.get(), Qt::Key_Down);
      QCOMPARE(p.modelo().Seleccionado(), 46);
      QCOMPARE(p.datos(), QString());
      QTest::keyClick(p.dialogo.get(), Qt::Key_Space);
      QVERIFY(p.dialogo->isVisible());
      QCOMPARE(p.plataforma.selectoresCerrados, 0);
    });
  }

  void pointerOverAButtonShowsItsData() {
    // Hovering level 4 shows its data; back on the background, the
    // selected level's data returns.
    Partida p(Progreso(20));
    p.Abrir([&] {
      const QString seleccionado = p.datos();
      MoverA(p.boton(3), p.boton(3)->rect().center());
      QTRY_VERIFY(p.datos().startsWith(QStringLiteral("Nivel: 4 - ")));
      MoverA(p.dialogo.get(), QPoint(2, 2));
      QTRY_COMPARE(p.datos(), seleccionado);
    });
  }

  void scrollBarMovesThePage() {
    // Dragging the bar to row 3 shows levels 31..80 (the frame stays on its
    // slot); the wheel turns it a row at a time.
    Partida p;
    p.Abrir([&] {
      auto* barra = p.dialogo->findChild<QScrollBar*>(QStringLiteral("scrNiveles"));
      QCOMPARE(barra->focusPolicy(), Qt::NoFocus);
      barra->setValue(3);
      QCOMPARE(p.modelo().ValorDesplazamiento(), 3);
      QCOMPARE(p.boton(0)->text(), QStringLiteral("31"));
      QCOMPARE(p.modelo().Seleccionado(), 0);
      QCOMPARE(p.datos(), QStringLiteral("Nivel: 31 - ") + QString::fromStdString(p.modelo().lblDatos()).mid(12));

      // One notch of the wheel down over the grid is one row further.
      const QPoint sobre = p.boton(5)->geometry().center();
      QWheelEvent rueda(sobre, p.dialogo->mapToGlobal(sobre), QPoint(), QPoint(0, -120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(p.dialogo.get(), &rueda);
      QCOMPARE(p.modelo().ValorDesplazamiento(), 4);
      QCOMPARE(barra->value(), 4);
      QCOMPARE(p.boton(0)->text(), QStringLiteral("41"));
    });
  }

  void layoutFollowsTheWindowSize() {
    // At the natural size a button is 41 pixels at (16,16); doubled, 82 at (32,32).
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
};

QTEST_MAIN(DialogosTest)
#include "DialogosTest.moc"
