// The main window on the offscreen platform: its menus and what they store,
// the keys, the board as painted on screen, the shutter, and the host
// services the game gets from Qt. Every test has a settings folder of its own.
#include <QtTest>
#include <QtWidgets>

#include <memory>

#include "game/Juego.h"
#include "progress/Ini.h"
#include "ui/DialogoNiveles.h"
#include "ui/Dibujos.h"
#include "ui/Escenario.h"
#include "ui/PlataformaQt.h"
#include "ui/Sonidos.h"
#include "ui/VentanaAyuda.h"
#include "ui/VentanaCreditos.h"
#include "ui/VentanaPrincipal.h"

using namespace tumbla;
using namespace tumbla::ui;

namespace {

// Answers each modal message box with the button of that caption, noting it
// as "title: text [buttons, * on the default] icon" (i, !, ? or -).
class Contestador : public QObject {
 public:
  explicit Contestador(QStringList respuestas) : respuestas_(std::move(respuestas)) {
    connect(&mirar_, &QTimer::timeout, this, [this] {
      auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!caja || !caja->isVisible() || respuestas_.isEmpty()) return;
      QStringList botones;
      QAbstractButton* elegido = nullptr;
      for (QAbstractButton* b : caja->buttons()) {
        botones << b->text() + (b == caja->defaultButton() ? "*" : "");
        if (b->text() == respuestas_.front()) elegido = b;
      }
      botones.sort();
      vistas << caja->windowTitle() + ": " + caja->text() + " [" + botones.join('/') + "] " +
                    QChar::fromLatin1("-i!x?"[caja->icon()]);
      if (alVer) alVer(*caja);
      respuestas_.pop_front();
      elegido ? elegido->click() : caja->done(QMessageBox::Cancel);
    });
    mirar_.start(5);
  }
  QStringList vistas;
  std::function<void(QMessageBox&)> alVer;

 private:
  QStringList respuestas_;
  QTimer mirar_;
};

// Receives the URLs the desktop is asked to open.
class Escritorio : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> abiertas;
 public slots:
  void Abrir(const QUrl& url) { abiertas << url; }
};

const QString kTitulo = QStringLiteral("Tumbla 3.0 Dilatorus");
QString Hoy() { return QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")); }
// A settings file that has already had today's extra minute, plus `resto`.
QByteArray Ini(const QByteArray& resto = {}) { return "[OROKORRA]\r\nAZKENA=" + Hoy().toLatin1() + "\r\n" + resto; }
// The pixel at the middle of board cell i, for a scene drawn at `escala`.
QColor Centro(const QImage& img, int i, int escala = 1) {
  return img.pixelColor((Columna(i) * 255 + 127) / 15 * escala, (240 + Fila(i) * 255 + 127) / 15 * escala);
}

}  // namespace

class VentanaTest : public QObject {
  Q_OBJECT
  std::unique_ptr<QTemporaryDir> carpeta_;
  std::unique_ptr<VentanaPrincipal> ventana_;

  QString Ruta() const { return carpeta_->filePath(QStringLiteral("tumbla.ini")); }
  QString ValorIni(const char* clave) const {
    return QString::fromStdString(ArchivoIni(Ruta().toStdString()).Leer("OROKORRA", clave));
  }
  QAction* Accion(const char* nombre) const { return ventana_->findChild<QAction*>(QString::fromLatin1(nombre)); }
  Juego& J() { return ventana_->juego(); }
  Escenario& S() { return ventana_->escenario(); }

  // A window on a settings file holding `ajustes`, shown and started.
  void Abrir(const QByteArray& ajustes = Ini("LAGUNTZA=3\r\n")) {
    QFile f(Ruta());
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(ajustes) == ajustes.size());
    f.close();
    ventana_ = std::make_unique<VentanaPrincipal>(Ruta());
    // In the middle of the screen, so that what opens over it has room.
    ventana_->move(ventana_->screen()->availableGeometry().center() - ventana_->rect().center());
    ventana_->Arrancar();  // waits for the window to be painted
    QVERIFY(J().pantalla().menuMinutos == "Minutos");
    ventana_->show();
    QVERIFY(QTest::qWaitForWindowExposed(ventana_.get()));
    QTRY_VERIFY(J().pantalla().menuMinutos != "Minutos");
    QApplication::setActiveWindow(ventana_.get());
    QVERIFY(QTest::qWaitForWindowActive(ventana_.get()));
  }
  // An empty classic board in play, the play timer off; with `fila` >= 0
  // that catalogue row enters at the entry cell.
  void TableroClasico(int fila = -1) {
    Estado& e = J().estado();
    for (int i = 0; i < kCeldas; ++i) {
      if (Columna(i) == 0 || Columna(i) == 12 || Fila(i) == 24) J().EscribirCelda(i, kMuro, kSinImagen);
      else J().EscribirCelda(i, kLibre);
    }
    e.ModoClasico = e.Jugando = true;
    J().pantalla().lblInicio.visible = false;
    e.Pausado = e.FichaActiva = false;
    e.BorrarCada = 1, e.LineasRestantes = 99, e.NivelActual = 1;
    J().FijarJuegoFichas(0);
    J().PonerTemporizador(Temporizador::Juego, false, 300);
    if (fila >= 0) e.FichaSiguiente = static_cast<int16_t>(fila), J().EntrarFicha();
    ventana_->Refrescar();
  }
  // What the window shows on screen now (the offscreen backing store, so
  // only what was repainted changes), in the scene widget's coordinates.
  QImage Pantallazo() {
    QCoreApplication::processEvents();
    const QPoint en = S().mapTo(ventana_.get(), QPoint(0, 0));
    return ventana_->screen()->grabWindow(ventana_->winId(), en.x(), en.y(), S().width(), S().height())
        .toImage().convertToFormat(QImage::Format_RGB32);
  }
  QList<int> CeldasFicha() {
    QList<int> celdas;
    const Estado& e = J().estado();
    for (int k = 1; k <= Catalogo::NumCeldas(e.Ficha); ++k) celdas << e.Posicion + J().catalogo().Desplazamiento(e.Ficha, k);
    return celdas;
  }
  // How far the centre of window `w` is from that of the main window.
  int Descentrado(const QWidget& w) const {
    return (w.frameGeometry().center() - ventana_->frameGeometry().center()).manhattanLength();
  }
  // Runs `abrir`, which must show a modal window of type T owned by the
  // main window; notes where its centre is and closes it with Escape.
  template <typename T>
  bool Modal(const std::function<void()>& abrir, QPoint* centro) {
    bool visto = false;
    QTimer::singleShot(0, this, [&] {
      QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
      auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
      if (w && w->isModal() && w->parentWidget() == ventana_.get()) visto = true, *centro = w->frameGeometry().center();
      QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
    });
    abrir();
    return visto && !QApplication::activeModalWidget();
  }

 private slots:
  void init() { carpeta_ = std::make_unique<QTemporaryDir>(); }
  void cleanup() { ventana_.reset(), carpeta_.reset(); }

  void arranqueAbreLaVentanaAnunciaElMinutoYMontaLosMenus() {
    // A first start of the day: the award box in Spanish, once the window is
    // painted and centred over it, the board framed behind it; the window at
    // its natural size, the board taking the keys; icon and sounds after the
    // first paint; the menus with their captions, keys and check marks.
    Contestador contestador({QStringLiteral("Aceptar")});
    bool tras = false;
    contestador.alVer = [&](QMessageBox& caja) {
      tras = S().Pintado() && J().pantalla().marcoVisible && Descentrado(caja) <= 4;
    };
    Abrir(QByteArray(""));
    QVERIFY(tras);
    QCOMPARE(contestador.vistas, QStringList{kTitulo + ": Enhorabuena! Acabas de obtener otro minuto extra.\n\n"
                                                       "Ya tienes 1 minutos extra acumulados. [Aceptar] i"});
    QCOMPARE(ValorIni("AZKENA"), Hoy());
    QCOMPARE(ventana_->windowTitle(), kTitulo);
    QCOMPARE(S().size(), QSize(5235 / 15, 466));
    QCOMPARE(ventana_->size(), QSize(5235 / 15, 466 + ventana_->menuBar()->height()));
    QCOMPARE(QApplication::focusWidget(), &S());
    QTRY_VERIFY(!ventana_->windowIcon().isNull());
    QTRY_COMPARE(ventana_->plataforma().Sonidos().Cargados(), ReproductorSonidos::kCantidad);
    QStringList menus;
    for (QAction* m : ventana_->menuBar()->actions()) {
      menus << m->text();
      for (QAction* a : m->menu()->actions())
        menus << (a->isSeparator() ? "-" : a->text() + "|" + a->shortcut().toString() + (a->isChecked() ? "|x" : ""));
    }
    QCOMPARE(menus, (QStringList{"Juego", "Nuevo|F2", "Ayuda|F1", "Acerca de...|", "Opciones", "Normal||x",
                                 "Difícil|", "-", "Sonido (S)||x", "-", "Minutos extra: 1|", "-", "Reset|", "-",
                                 "Sombra de la pieza|"}));
  }

  void ajustesGuardadosPonenLasMarcasYDecidenLosSonidos() {
    // Stored sound off loads no effect; the hard set shows checked and is in
    // force; a set the game does not know ("X") leaves Normal in force.
    for (const auto& [resto, sonido, dificil] : {std::tuple{"SOINUA=N\r\nZAILTASUNA=Z\r\n", false, true},
                                                 std::tuple{"ZAILTASUNA=X\r\n", true, false}}) {
      ventana_.reset();
      Abrir(Ini(resto));
      QTRY_VERIFY(!ventana_->windowIcon().isNull());
      QTRY_COMPARE(ventana_->plataforma().Sonidos().Cargados(), sonido ? ReproductorSonidos::kCantidad : 0);
      QCOMPARE(Accion("MSound")->isChecked(), sonido);
      QCOMPARE(std::pair(Accion("MnuBloq0")->isChecked(), Accion("MnuBloq1")->isChecked()), std::pair(!dificil, dificil));
      QCOMPARE(int(J().estado().NumTiposFicha), dificil ? 25 : 7);
    }
    QCOMPARE(ValorIni("ZAILTASUNA"), QStringLiteral("X"));
  }

  void ordenesDelMenuPreguntanGuardanYSoloCambianLasPiezasSiguientes() {
    // Reset asks twice, Cancel the default, and clears the progress only
    // after two "Aceptar"; "Sonido (S)" flips its mark, the game and the
    // file; a set chosen during a level checks itself alone, is stored and
    // leaves the falling and the next piece as they are.
    Abrir(Ini("AMAITUTAKOA=57\r\n"));
    const QString pregunta = kTitulo + ": ¿Quieres resetear el juego? [Aceptar/Cancelar*] ?";
    const QString seguro = kTitulo + ": ¿Estás seguro/a? [Aceptar/Cancelar*] !";
    for (const auto& [respuestas, vistas, queda] :
         {std::tuple{QStringList{"Cancelar"}, QStringList{pregunta}, "57"},
          std::tuple{QStringList{"Aceptar", "Cancelar"}, QStringList{pregunta, seguro}, "57"},
          std::tuple{QStringList{"Aceptar", "Aceptar"}, QStringList{pregunta, seguro}, "0"}}) {
      Contestador contestador(respuestas);
      Accion("mnuReset")->trigger();
      QCOMPARE(contestador.vistas, vistas);
      QCOMPARE(ValorIni("AMAITUTAKOA"), QString::fromLatin1(queda));
    }
    for (const char* soinua : {"N", "S"}) {
      Accion("MSound")->trigger();
      QCOMPARE(std::pair(Accion("MSound")->isChecked(), J().pantalla().menuSonido), std::pair(*soinua == 'S', *soinua == 'S'));
      QCOMPARE(ValorIni("SOINUA"), QString::fromLatin1(soinua));
    }
    TableroClasico(Catalogo::EntradaLista(19));
    const Estado& e = J().estado();
    const auto piezas = std::pair(e.Ficha, e.FichaSiguiente);
    for (const char* orden : {"MnuBloq1", "MnuBloq1", "MnuBloq0"}) {
      Accion(orden)->trigger();
      const bool dificil = orden == QByteArray("MnuBloq1");
      QCOMPARE(std::pair(Accion("MnuBloq0")->isChecked(), Accion("MnuBloq1")->isChecked()), std::pair(!dificil, dificil));
      QCOMPARE(std::pair(int(e.NumTiposFicha), int(e.PrimerTipoFicha)), dificil ? std::pair(25, 1) : std::pair(7, 19));
      QCOMPARE(ValorIni("ZAILTASUNA"), dificil ? QStringLiteral("Z") : QStringLiteral("N"));
      QCOMPARE(std::pair(e.Ficha, e.FichaSiguiente), piezas);
      QVERIFY(e.Jugando && e.FichaActiva);
    }
  }

  void teclasSYF3ActuanUnaVezPorPulsacionTengaQuienTengaElFoco() {
    // S flips the sound once per press on the board, with the focus nowhere
    // and with the shutter up; held-down repeats do nothing. F3 pauses at the
    // next tick with its label; a held-down F3 does not resume, a new press
    // does.
    Abrir();
    TableroClasico(Catalogo::EntradaLista(19));
    Pantalla& p = J().pantalla();
    const auto sonido = [&](bool encendido) {
      QCOMPARE(std::pair(Accion("MSound")->isChecked(), p.menuSonido), std::pair(encendido, encendido));
      QCOMPARE(ValorIni("SOINUA"), encendido ? QStringLiteral("S") : QStringLiteral("N"));
    };
    QTest::keyClick(&S(), Qt::Key_S);
    sonido(false);
    for (int k = 0; k < 2; ++k) QTest::simulateEvent(&S(), true, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"), true);
    sonido(false);
    S().clearFocus();
    QTest::keyClick(ventana_.get(), Qt::Key_S);
    sonido(true);
    S().setFocus();

    const QImage antes = Pantallazo().copy(escena::Pausa().toRect());
    QTest::keyClick(&S(), Qt::Key_F3);
    J().TickJuego();
    ventana_->Refrescar();
    QVERIFY(J().estado().Pausado);
    QVERIFY(Pantallazo().copy(escena::Pausa().toRect()) != antes);
    QTest::simulateEvent(&S(), true, Qt::Key_F3, Qt::NoModifier, QString(), true);
    QVERIFY(J().estado().Pausado);
    QTest::keyClick(&S(), Qt::Key_F3);
    QVERIFY(!J().estado().Pausado && ventana_->plataforma().Reloj(Temporizador::Juego).isActive());
    QCOMPARE(Pantallazo().copy(escena::Pausa().toRect()), antes);

    p.persianaVisible = true, p.filasPersiana = 3, p.panelCambiado = true;
    ventana_->Refrescar();
    QTest::keyClick(&S(), Qt::Key_S);
    sonido(false);
  }

  void tableroPintaLaPiezaSoloDondeEstaTrasCadaMovimiento() {
    // After moves and a turn on the keyboard, falls on the play timer and a
    // drop, the piece shows in its colour at its cells and nothing stays
    // where it was (a repaint too small leaves it there); landed blocks keep
    // their colours, the walls show nothing, the preview the next piece.
    Abrir();
    TableroClasico(Catalogo::EntradaLista(19));
    for (int c = 1; c <= 8; ++c) J().EscribirCelda(kBaseFilaInferior + c, static_cast<int16_t>(c));
    ventana_->Refrescar();
    const QColor vacia = Centro(Pantallazo(), 200);  // all painted before the moves
    const int16_t antesDeGirar = J().estado().Ficha;
    const std::function<void()> pasos[] = {
        [&] { for (Qt::Key k : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) QTest::keyClick(&S(), k); },
        [&] {
          const int desde = J().estado().Posicion;
          J().PonerTemporizador(Temporizador::Juego, true, 20);
          QTRY_VERIFY(J().estado().Posicion >= desde + 2 * kAncho);
          J().PonerTemporizador(Temporizador::Juego, false, 20);
        },
        [&] { QTest::keyClick(&S(), Qt::Key_Space); }};
    for (const auto& paso : pasos) {
      const QList<int> antes = CeldasFicha();
      paso();
      const QList<int> ahora = CeldasFicha();
      QVERIFY(ahora != antes);
      const QImage img = Pantallazo();
      for (int i : ahora) QCOMPARE(Centro(img, i), ColorCara(J().catalogo().Color(J().estado().Ficha)));
      for (int i : antes) QVERIFY(ahora.contains(i) || Centro(img, i) == vacia);
      for (int c = 1; c <= 8; ++c) QCOMPARE(Centro(img, kBaseFilaInferior + c), ColorCara(c));
      QCOMPARE(Centro(img, 13 * 5), Centro(img, 13 * 5 + 12));  // both walls
      QVERIFY(Centro(img, 13 * 5) != ColorCara(kMuro) && Centro(img, 318) != ColorCara(kMuro));
      const QColor siguiente = ColorCara(J().catalogo().Color(J().estado().FichaSiguiente));
      for (int k = 0; k < 20; ++k) {
        QCOMPARE(img.pixelColor(escena::CeldaNext(k).center().toPoint()) == siguiente,
                 J().pantalla().imgNext[static_cast<size_t>(k)] != kSinImagen);
      }
    }
    QVERIFY(J().estado().Ficha != antesDeGirar);
    const QList<int> celdas = CeldasFicha();
    QCOMPARE(Fila(*std::max_element(celdas.begin(), celdas.end())), 22);  // onto the blocks
  }

  void marcoYPanelSiguenAlModelo() {
    // The frame surrounds the whole board or only the square, grey or red,
    // just outside the cells, and the old one goes; handicap icons sit apart
    // and the game-type label has its pale colour behind it.
    Abrir();
    TableroClasico();
    Pantallazo();  // the start-up painting is done
    Pantalla& p = J().pantalla();
    const QPoint sobreFila0(17 + 40, 16 - 1), sobreFila13(17 + 40, 16 + 13 * 17 - 1);
    const QColor gris(0xC0, 0xC0, 0xC0), rojo(255, 0, 0);
    p.marcoVisible = true, p.marcoCuadrado = false, p.colorMarco = kColorGris, p.panelCambiado = true;
    ventana_->Refrescar();
    QImage img = Pantallazo();
    QVERIFY(img.pixelColor(sobreFila0) == gris && img.pixelColor(sobreFila13) != gris);
    p.marcoCuadrado = true, p.colorMarco = kColorRojo, p.panelCambiado = true;
    p.imgObstaculo = {kIconBloquesExtra, kIconSubirNivel, 0, 0, 0};
    p.lblTipoJuego = {"001: CLASIC", true};
    p.colorTipoJuego = 0xC0E0FF;
    ventana_->Refrescar();
    img = Pantallazo();
    QCOMPARE(img.pixelColor(sobreFila13), rojo);
    QVERIFY(img.pixelColor(sobreFila0) != rojo && img.pixelColor(sobreFila0) != gris);
    const QRect uno = escena::Obstaculo(0).toRect(), dos = escena::Obstaculo(1).toRect();
    QVERIFY(img.copy(uno) != img.copy(dos) && img.copy(escena::Obstaculo(2).toRect()) != img.copy(uno));
    const QRectF tipo = escena::TipoJuego();
    QCOMPARE(img.pixelColor(QPoint(int(tipo.left()) + 8, int(tipo.center().y()))), QColor(0xFF, 0xE0, 0xC0));
  }

  void agrandarLaVentanaEscalaElTablero() {
    // A window twice as large paints the same board twice as large, blocks
    // at the doubled positions with their flat faces intact.
    Abrir();
    TableroClasico();
    J().EscribirCelda(kBaseFilaInferior + 1, 3);
    J().EscribirCelda(kBaseFilaInferior + 11, 6);
    ventana_->resize(2 * 349, 2 * 466 + ventana_->menuBar()->height());
    QTRY_COMPARE(S().size(), QSize(2 * 349, 2 * 466));
    QCOMPARE(S().Escala(), 2.0);
    const QImage img = Pantallazo();
    QCOMPARE(Centro(img, kBaseFilaInferior + 1, 2), ColorCara(3));
    QCOMPARE(Centro(img, kBaseFilaInferior + 11, 2), ColorCara(6));
    // The face reaches from the bevel to the bevel: 6 px of bevel at this size.
    const int x = 11 * 34 + 17, y = (240 / 15 + 23 * 17) * 2;
    QVERIFY(img.pixelColor(x, y + 7) == ColorCara(6) && img.pixelColor(x, y + 4) != ColorCara(6));
  }

  void persianaBajaYIntroOClicPasanAlNivelSiguiente() {
    // A completed level lowers the shutter over the empty rows, one row per
    // twentieth of a second, keeping the window painted; a click beside it
    // does nothing; ENTER (level 1) or a click on it (level 2) goes on.
    Abrir();
    const Pantalla& p = J().pantalla();
    for (int nivel = 1; nivel <= 2; ++nivel) {
      TableroClasico();
      J().estado().NivelActual = static_cast<int16_t>(nivel);
      J().EscribirCelda(5 * kAncho + 4, 2);  // the shutter stops above row 5
      QElapsedTimer cronometro;
      cronometro.start();
      J().NivelCompletado();
      ventana_->Refrescar();
      QVERIFY(cronometro.elapsed() >= 5 * 50 - 10);
      QCOMPARE(std::pair(p.persianaVisible, int(p.filasPersiana)), std::pair(true, 5));
      QCOMPARE(QString::fromStdString(p.textoPersiana), QStringLiteral("Pulsa <INTRO> para continuar."));
      const QImage img = Pantallazo();
      const QColor persiana = img.pixelColor(17 + 4, 16 + 4);
      QVERIFY(persiana != Centro(img, 8 * kAncho + 3));
      QCOMPARE(img.pixelColor(17 + 4, 16 + 4 * 17 + 8), persiana);   // row 4, under the shutter
      QVERIFY(img.pixelColor(17 + 4, 16 + 6 * 17 + 8) != persiana);  // row 6, below it
      QTest::mouseClick(&S(), Qt::LeftButton, {}, QPoint(100, 16 + 6 * 17 + 8));
      QVERIFY(p.persianaVisible);
      if (nivel == 1) QTest::keyClick(&S(), Qt::Key_Return);
      else QTest::mouseClick(&S(), Qt::LeftButton, {}, QPoint(100, 16 + 17));
      QVERIFY(!p.persianaVisible && J().estado().Jugando);
      QCOMPARE(int(J().estado().NivelActual), nivel + 1);
      QVERIFY(Pantallazo().pixelColor(17 + 4, 16 + 4) != persiana);
    }
  }

  void nuevoYAcercaDeAbrenSusVentanasModalesSobreLaPrincipal() {
    // F2 with no level in play opens the level window, "Acerca de..." the
    // credits, each centred over the window; Escape closes each, the command
    // returns and the board takes the keys again (it once lost them).
    Abrir();
    QPoint centro;
    QVERIFY(Modal<DialogoNiveles>([&] { QTest::keyClick(&S(), Qt::Key_F2); }, &centro));
    QVERIFY((centro - ventana_->frameGeometry().center()).manhattanLength() <= 4);
    QVERIFY(!J().estado().Jugando);
    QCOMPARE(ventana_->focusWidget(), &S());
    QVERIFY(Modal<VentanaCreditos>([&] { Accion("MnuAbout")->trigger(); }, &centro));
    QVERIFY((centro - ventana_->frameGeometry().center()).manhattanLength() <= 4);
  }

  void cerrarLaVentanaAcabaLaEsperaDeLaPersiana() {
    // Closing the window while the shutter slides ends the slide at once,
    // stops the timers, and shows no more boxes.
    Abrir();
    TableroClasico();
    J().PonerTemporizador(Temporizador::Juego, true, 300);
    QTimer::singleShot(60, ventana_.get(), [this] { ventana_->close(); });
    QElapsedTimer cronometro;
    cronometro.start();
    J().NivelCompletado();  // an empty board: 24 rows, 1.2 s when nothing stops it
    QVERIFY(cronometro.elapsed() < 800);
    QVERIFY(ventana_->plataforma().Terminando());
    QVERIFY(!ventana_->plataforma().Reloj(Temporizador::Juego).isActive());
    QVERIFY(!ventana_->plataforma().pregunta(Icono::Pregunta, "Tumbla", "¿Seguro?"));
  }

  void plataformaDaTemporizadoresCajasYElEscritorio() {
    // An interval of 0 leaves a timer stopped; a question answers true only
    // for "Aceptar" (Escape counts as Cancel); carriage returns become line
    // breaks; addresses go to the desktop as they are, a path as a file URL.
    Abrir();
    PlataformaQt& q = ventana_->plataforma();
    q.temporizador(Temporizador::BloqueExtra, true, 0);
    q.temporizador(Temporizador::Gota, true, 250);
    QVERIFY(!q.Reloj(Temporizador::BloqueExtra).isActive() && q.Reloj(Temporizador::Gota).isActive());
    QCOMPARE(q.Reloj(Temporizador::Gota).interval(), 250);
    q.temporizador(Temporizador::Gota, false, 250);
    QVERIFY(!q.Reloj(Temporizador::Gota).isActive());
    {
      // A break after the last paragraph is not shown; each box is centred
      // and leaves room beside its whole title for the title bar's buttons.
      Contestador contestador({QStringLiteral("Aceptar"), QStringLiteral("Cancelar")});
      QList<int> holguras;
      contestador.alVer = [&](QMessageBox& caja) {
        QFont letra = caja.font();
        letra.setBold(true);
        holguras << std::min(caja.width() - QFontMetrics(letra).horizontalAdvance(caja.windowTitle()) - 150,
                             4 - Descentrado(caja));
      };
      QVERIFY(q.pregunta(Icono::Pregunta, kTitulo.toStdString(), "Uno\r\rDos\r\n\r\n"));
      QVERIFY(!q.pregunta(Icono::Exclamacion, "T", "¿Seguro?"));
      QCOMPARE(contestador.vistas.front(), kTitulo + ": Uno\n\nDos [Aceptar/Cancelar*] ?");
      QVERIFY(holguras.size() == 2 && holguras[0] >= 0 && holguras[1] >= 0);
    }
    QTimer::singleShot(0, this, [] {
      QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
      QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
    });
    QVERIFY(!q.pregunta(Icono::Pregunta, "T", "¿Seguro?"));

    Escritorio escritorio;
    QDesktopServices::setUrlHandler("mailto", &escritorio, "Abrir");
    QVERIFY(q.abrir("mailto:tumbla@example.org"));
    QDesktopServices::unsetUrlHandler("mailto");
    QCOMPARE(escritorio.abiertas, QList<QUrl>{QUrl("mailto:tumbla@example.org")});
  }

  void ayudaQueElEscritorioNoAbreSaleEnUnaVentanaPropia() {
    // When the desktop's opener fails or is not there, F1 shows the document
    // in a window of the game's own: its title, centred over the main window,
    // not modal; Escape closes it.
#ifdef Q_OS_WIN
    QSKIP("the desktop opener is a program of Unix desktops");
#else
    Abrir();
    PlataformaQt& q = ventana_->plataforma();
    QFile falla(carpeta_->filePath(QStringLiteral("falla")));
    QVERIFY(falla.open(QIODevice::WriteOnly) && falla.write("#!/bin/sh\nexit 4\n") > 0);
    falla.close();
    falla.setPermissions(falla.permissions() | QFileDevice::ExeOwner);
    for (const QString& abridor : {falla.fileName(), carpeta_->filePath(QStringLiteral("no-hay"))}) {
      q.PonerAbridor(abridor);
      Accion("MnuComo")->trigger();  // F1
      QTRY_VERIFY(q.Ayuda() && q.Ayuda()->isVisible());
      VentanaAyuda& ayuda = *q.Ayuda();
      QVERIFY(!ayuda.isModal() && Descentrado(ayuda) <= 4);
      QCOMPARE(ayuda.windowTitle(), kTitulo);
      QVERIFY(ayuda.findChild<QTextBrowser*>()->toPlainText().contains(QStringLiteral("• F1: Ayuda.")));
      QTest::keyClick(&ayuda, Qt::Key_Escape);
      QVERIFY(!ayuda.isVisible());
    }
#endif
  }

  void panelMuestraPistaRelojPuntosYRecordYExplicaLosIconos() {
    // Before a level the board says how to begin and the clock reads "0:00";
    // a level hides the hint and shows its score and record; hovering a
    // handicap icon or the objective explains it in the help's words, an
    // empty slot says nothing.
    Abrir();
    const auto claros = [&](const QRectF& r) {
      const QImage img = Pantallazo().copy(S().AWidget(r).toRect());
      int n = 0;
      for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += qGray(img.pixel(x, y)) > 200;
      return n;
    };
    QCOMPARE(J().pantalla().lblTiempo.texto, "0:00");
    QVERIFY(claros(escena::Inicio()) > 20 && claros(escena::Tiempo()) > 20);
    QCOMPARE(claros(escena::Puntos()) + claros(escena::Record()), 0);
    J().JugarNivel(2);
    J().PonerTemporizador(Temporizador::Juego, false, 300);
    ventana_->Refrescar();
    QVERIFY(claros(escena::Inicio()) == 0 && claros(escena::Puntos()) > 20 && claros(escena::Record()) > 20);

    J().pantalla().imgObstaculo = {kIconPanic, 0, 0, 0, 0};
    J().pantalla().imgObjetivo = {kGotaAzul, kGotaRosa};
    const auto ayuda = [&](const QRectF& sitio) {
      const QPoint en = S().AWidget(sitio).center().toPoint();
      QHelpEvent e(QEvent::ToolTip, en, S().mapToGlobal(en));
      QApplication::sendEvent(&S(), &e);
      return QToolTip::isVisible() ? QTextDocumentFragment::fromHtml(QToolTip::text()).toPlainText().trimmed() : QString();
    };
    QCOMPARE(ayuda(escena::Obstaculo(1)), QString());
    QCOMPARE(ayuda(escena::Obstaculo(0)), QStringLiteral("Handicap: 'Panic'. El tablero se mueve a la izquierda."));
    QCOMPARE(ayuda(escena::Objetivo(1)), QStringLiteral("Objetivo: Juntar ambas gotas y borrarlas en una misma línea."));
  }

  void filaBorradaDestellaYLaSombraSeVeDondeCaeraLaPieza() {
    // Two full rows with one between them, cleared one after the other, both
    // light up where they were for about a tenth of a second, and the score
    // shows their points at once; "Sombra de la pieza" stores itself and shows
    // faint cells, neither empty nor a block, where the falling piece lands.
    Abrir();
    TableroClasico(Catalogo::EntradaLista(19));
    const int celda = kBaseFilaInferior + 5;
    const QColor vacia = Centro(Pantallazo(), celda);
    for (int c = 1; c <= 11; ++c) {
      for (int fila : {21, 22, 23}) J().EscribirCelda(fila * kAncho + c, fila == 22 && c == 5 ? 0 : 3);
    }
    J().PasadaTrasAterrizaje(false);
    QElapsedTimer desde;
    desde.start();
    ventana_->Refrescar();
    const QImage destello = Pantallazo();
    if (desde.elapsed() < Escenario::kMsDestello) {  // unless the machine stalled
      QVERIFY(qGray(Centro(destello, celda).rgb()) > 150 && qGray(Centro(destello, celda - 2 * kAncho).rgb()) > 150);
    }
    QCOMPARE(J().pantalla().lblPuntos.texto, "125");
    QTRY_COMPARE(Centro(Pantallazo(), celda - 2 * kAncho), vacia);
    QVERIFY(desde.elapsed() >= Escenario::kMsDestello);

    Accion("mnuSombra")->trigger();
    QCOMPARE(ValorIni("ITZALA"), QStringLiteral("S"));
    const QImage img = Pantallazo();
    QList<int> sombra;
    for (int i = 0; i < kBaseFilaInferior + kAncho; ++i) {
      if (Columna(i) % 12 != 0 && J().pantalla().imgTablero[size_t(i)] == kSinImagen && Centro(img, i) != vacia) sombra << i;
    }
    for (int i : sombra) QVERIFY(qGray(Centro(img, i).rgb()) < 100);
    QTest::keyClick(&S(), Qt::Key_Space);
    QList<int> ficha = CeldasFicha();
    std::sort(ficha.begin(), ficha.end());
    QCOMPARE(sombra, ficha);
  }
};

QTEST_MAIN(VentanaTest)
#include "VentanaTest.moc"
