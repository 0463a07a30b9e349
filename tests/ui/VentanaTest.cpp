// The main window on the offscreen platform: keys, menus, timers and clicks
// reach the game, the menus show the screen model, every box and window sits
// over the window, the demo plays alone. A settings folder per test.
#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

#include "Escena.h"
#include "Archivos.h"
#include "progress/SelectorNiveles.h"
#include "ui/Escenario.h"
#include "ui/PlataformaQt.h"
#include "ui/VentanaAyuda.h"
#include "ui/VentanaCreditos.h"
#include "ui/VentanaPrincipal.h"

using namespace tumbla;
using namespace tumbla::ui;

namespace {

const QString kTitulo = QString::fromUtf8(kTituloVentana);
const QString kNiveles = QStringLiteral("DialogoNiveles: Selecciona un nivel");

int Desvio(const QWidget& w, const QWidget& sobre) {
  return (w.frameGeometry().center() - sobre.frameGeometry().center()).manhattanLength();
}

// Plays the player's part in each modal window from inside its loop: notes it ("MAL": off centre, title cut, blank
// last line), runs `alVer`, then closes it: a box with the next answer ("Cancelar" if none), a window with Escape.
class Contestador : public QObject {
 public:
  explicit Contestador(QStringList respuestas = {}) : respuestas_(std::move(respuestas)) {
    connect(&mirar_, &QTimer::timeout, this, &Contestador::Mirar);
    mirar_.start(5);
  }
  QStringList vistas;
  std::function<void(QDialog&)> alVer;

 private:
  void Mirar() {
    auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!w || !w->isVisible() || enMano_.contains(w)) return;
    enMano_ << w;
    auto* caja = qobject_cast<QMessageBox*>(w);
    QFont negrita = w->font();
    negrita.setBold(true);
    const bool mal = !qobject_cast<QMainWindow*>(w->parentWidget()) || Desvio(*w, *w->parentWidget()) > 4 ||
                     w->width() < QFontMetrics(negrita).horizontalAdvance(w->windowTitle()) + 150 ||
                     (caja && caja->text().endsWith(QLatin1Char('\n')));
    vistas << QString::fromLatin1(w->metaObject()->className()).section(QStringLiteral("::"), -1) + ": " +
                  w->windowTitle() + (caja ? ": " + caja->text() : QString()) + (mal ? " (MAL)" : "");
    if (alVer) alVer(*w);
    const QString respuesta = respuestas_.isEmpty() ? QStringLiteral("Cancelar") : respuestas_.takeFirst();
    for (QAbstractButton* b : caja && w->isVisible() ? caja->buttons() : QList<QAbstractButton*>()) {
      if (b->text() == respuesta) b->click();
    }
    if (w->isVisible()) QTest::keyClick(w, Qt::Key_Escape);
    if (w->isVisible()) vistas.back() += " (SIGUE ABIERTA)", w->done(0);
    enMano_.removeAll(w);
  }
  QStringList respuestas_;
  QList<QDialog*> enMano_;
  QTimer mirar_;
};

}  // namespace

class VentanaTest : public QObject {
  Q_OBJECT
  std::unique_ptr<QTemporaryDir> carpeta_;
  std::unique_ptr<VentanaPrincipal> v_;

  std::string Ini() const { return carpeta_->filePath(QStringLiteral("tumbla.ini")).toStdString(); }
  Juego& J() { return v_->juego(); }
  const Vista& V() { return J().vista(); }
  const Pantalla& P() { return J().pantalla(); }
  Escenario& S() { return v_->escenario(); }
  QAction* Accion(const char* nombre) { return v_->findChild<QAction*>(QString::fromLatin1(nombre)); }

  // The window on `ajustes` (by default they have had today's minute), in
  // the middle of the screen, shown and started.
  void Abrir(const std::string& ajustes = "[OROKORRA]\nLAGUNTZA=3\nAZKENA=" +
                                          QDate::currentDate().toString(u"yyyy/MM/dd").toStdString()) {
    Guardar(Ini(), ajustes);
    v_ = std::make_unique<VentanaPrincipal>(QString::fromStdString(Ini()));
    v_->move(v_->screen()->availableGeometry().center() - v_->rect().center());
    v_->show();
    v_->Arrancar();
    QTRY_VERIFY(P().menuMinutos != "Minutos");
  }
  // A key on the board of the active window (offscreen, a window that closes
  // gives the activation back to no one).
  void Tecla(Qt::Key tecla) {
    QApplication::setActiveWindow(v_.get());
    QVERIFY(QTest::qWaitForWindowActive(v_.get()));
    QTest::keyClick(&S(), tecla);
  }
  // Level 2 chosen in the level window, an empty board, a piece that turns.
  Montaje Nivel() {
    Contestador contestador;
    contestador.alVer = [&](QDialog&) { J().selector().ElegirPosicion(2); };
    Tecla(Qt::Key_F2);
    Montaje m(&J());
    m.Tablero(0, {}).Ficha(Catalogo::EntradaLista(19));
    v_->Refrescar();
    return m;
  }

 private slots:
  void init() { carpeta_ = std::make_unique<QTemporaryDir>(); }
  void cleanup() { v_.reset(), carpeta_.reset(); }

  void teclasLleganAlJuego() {
    // Keys on the board move, turn, pause (F3 once a press) and drop; S flips the sound once a press, focus or not.
    Abrir();
    Nivel();
    v_->plataforma().Reloj(Temporizador::Juego).stop();
    for (const auto& [tecla, paso] :
         {std::pair(Qt::Key_Left, -1), {Qt::Key_P, 1}, {Qt::Key_Down, kAncho}, {Qt::Key_Up, 0}}) {
      const Pieza antes = V().FichaEnJuego(), esperada = paso ? antes.Movida(paso) : antes.Girada();  // Up turns
      QTest::keyClick(&S(), tecla);
      QVERIFY(V().FichaEnJuego() == esperada && !(antes == esperada));
    }
    QTest::keyClick(&S(), Qt::Key_F3);
    v_->plataforma().Reloj(Temporizador::Juego).start();
    QTRY_VERIFY(V().Pausado());  // at the next tick
    QTest::simulateEvent(&S(), true, Qt::Key_F3, Qt::NoModifier, QString(), true);
    QVERIFY(V().Pausado());
    QTest::keyClick(&S(), Qt::Key_F3);
    QVERIFY(!V().Pausado());
    QTest::keyClick(&S(), Qt::Key_Space);
    QVERIFY(V().FichaSoltada());

    const auto sonido = [&] { return std::pair(P().menuSonido, Accion("MSound")->isChecked()); };
    Tecla(Qt::Key_S);
    QCOMPARE(sonido(), std::pair(false, false));
    QTest::simulateEvent(&S(), true, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"), true);
    QCOMPARE(sonido(), std::pair(false, false));
    S().clearFocus();
    QTest::keyClick(v_.get(), Qt::Key_S);
    QCOMPARE(sonido(), std::pair(true, true));
  }

  void cajasYMenusSiguenAlModeloYLlamanAlJuego() {
    // Boxes sit centred, fit their title, end in no blank line; marks show the model; items call their commands.
    Contestador contestador({"Aceptar", "Aceptar", "Aceptar", "Cancelar"});
    Abrir("[OROKORRA]\nLAGUNTZA=3\nSOINUA=N\nZAILTASUNA=Z\nITZALA=S\nAZKENA=2000/01/01");  // the day's minute in a box
    PlataformaQt& q = v_->plataforma();
    q.mensaje(Icono::Exclamacion, "Un título bastante largo para una caja de dos palabras", "Uno\r\rDos\r\r");
    QVERIFY(q.pregunta(Icono::Pregunta, kTituloVentana, "¿Sí?") &&
            !q.pregunta(Icono::Pregunta, kTituloVentana, "¿No?"));
    const QString vistas = contestador.vistas.join(QLatin1Char('|'));  // the day's minute, then ours
    QVERIFY2(contestador.vistas.size() == 4 && vistas.contains("minuto extra") && vistas.contains(": Uno\n\nDos|") &&
                 !vistas.contains("(MAL)"),
             qPrintable(vistas));

    const auto marcas = [&] {  // the model's, then the menu's
      return std::pair(QList<bool>{P().menuNormal, P().menuDificil, P().menuSonido, P().menuSombra},
                       QList<bool>{Accion("MnuBloq0")->isChecked(), Accion("MnuBloq1")->isChecked(),
                                   Accion("MSound")->isChecked(), Accion("mnuSombra")->isChecked()});
    };
    const std::pair<const char*, QList<bool>> opciones[] = {
        {nullptr, {false, true, false, true}},    {"MnuBloq0", {true, false, false, true}},
        {"MnuBloq0", {true, false, false, true}}, {"MnuBloq1", {false, true, false, true}},
        {"MSound", {false, true, true, true}},    {"mnuSombra", {false, true, true, false}}};
    for (const auto& [opcion, esperado] : opciones) {
      if (opcion) Accion(opcion)->trigger();
      QCOMPARE(marcas(), std::pair(esperado, esperado));
    }
    QCOMPARE(Accion("mnuMinutos")->text(), QString::fromStdString(P().menuMinutos));

    const std::pair<std::function<void()>, QString> ordenes[] = {
        {[&] { Tecla(Qt::Key_F2); }, kNiveles},
        {[&] { Accion("MnuDemo")->trigger(); }, kNiveles},
        {[&] { Accion("MnuAbout")->trigger(); }, "VentanaCreditos: Acerca de Tumbla"},
        {[&] { Accion("mnuReset")->trigger(); },
         "QMessageBox: " + kTitulo + ": ¿Quieres resetear el juego?"}};  // Cancel
    for (const auto& [orden, vista] : ordenes) {
      contestador.vistas.clear();
      orden();
      QCOMPARE(contestador.vistas, QStringList{vista});
    }
    QVERIFY(!V().Jugando() && !V().Demostrando());
  }

  void temporizadoresYPersianaLlevanAlJuego() {
    // Timers tick the game (0 ms never runs); a won level's shutter takes a click on it, not beside it.
    Abrir();
    Nivel().Dibujar(Fila(kBaseFilaInferior), {"33333333333"}).Lineas(1);
    const int desde = V().Posicion();
    QTRY_VERIFY(V().Posicion() > desde);
    QTest::keyClick(&S(), Qt::Key_Space);
    QTRY_VERIFY(P().persianaVisible && !P().textoPersiana.empty());
    QTest::mouseClick(&S(), Qt::LeftButton, {}, S().AWidget(escena::Celda(kBaseFilaInferior + 6)).center().toPoint());
    QVERIFY(P().persianaVisible && !V().Jugando());
    QTest::mouseClick(&S(), Qt::LeftButton, {}, S().AWidget(escena::Persiana(1)).center().toPoint());
    QVERIFY(!P().persianaVisible && V().Jugando() && V().NivelActual() == 3);

    v_->plataforma().temporizador(Temporizador::Gota, true, 0);
    QVERIFY(!v_->plataforma().Reloj(Temporizador::Gota).isActive());
  }

  void ventanaDeNivelesPasaLaEntradaAlModelo() {
    // Keys, wheel and pointer reach the model; Escape and the close box end through the game; a click plays.
    Abrir();
    const SelectorNiveles& m = J().selector();
    int elegido = 0;
    for (const std::string salida : {"escape", "cierre", "clic"}) {
      Contestador contestador;
      contestador.alVer = [&](QDialog& d) {
        const auto boton = [&](int i) { return d.findChild<QAbstractButton*>(QStringLiteral("cmdNivel%1").arg(i)); };
        const auto datos = [&] { return d.findChild<QLabel*>(QStringLiteral("lblDatos"))->text(); };
        const int seleccionado = m.Seleccionado(), pagina = m.ValorDesplazamiento();
        QTest::keyClick(&d, Qt::Key_Right);
        QCOMPARE(m.Seleccionado(), seleccionado + 1);
        const QPoint sobre = boton(5)->geometry().center();
        QWheelEvent rueda(sobre, d.mapToGlobal(sobre), {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(&d, &rueda);
        QCOMPARE(m.ValorDesplazamiento(), pagina + 1);
        QCOMPARE(d.findChild<QScrollBar*>()->value(), pagina + 1);
        for (int i : {-1, 3, -1}) {  // the background shows the selected button's data
          QTest::mouseMove(d.windowHandle(), i < 0 ? QPoint(2, 2) : boton(i)->geometry().center());
          QTRY_VERIFY(datos().startsWith("Nivel: " + boton(i < 0 ? m.Seleccionado() : i)->text() + " - "));
          QCOMPARE(datos(), QString::fromStdString(m.lblDatos()));
        }
        if (salida == "cierre") d.close();
        if (salida != "clic") return;
        elegido = boton(1)->text().toInt();
        QTest::mouseClick(boton(1), Qt::LeftButton);
      };
      Tecla(Qt::Key_F2);
      QCOMPARE(contestador.vistas, QStringList{kNiveles});
      QVERIFY(!m.Abierto() && !QApplication::activeModalWidget());
      QCOMPARE(V().Jugando(), elegido != 0);
    }
    QCOMPARE(V().NivelActual(), elegido);
  }

  void creditosSeCierranConTeclaOClicYDanLasDirecciones() {
    // A click on an address hands it to the opener and the window stays; a key or a click elsewhere closes it.
    QStringList pedidos;
    for (bool tecla : {true, false}) {
      VentanaCreditos creditos([&](const QString& destino) { return pedidos << destino, false; }, nullptr);
      creditos.show();
      QVERIFY(QTest::qWaitForWindowExposed(&creditos));
      for (const char* enlace : {"lblMail", "lblURL"})
        QTest::mouseClick(creditos.findChild<QLabel*>(enlace), Qt::LeftButton);
      QVERIFY(creditos.isVisible());
      tecla ? QTest::keyClick(&creditos, Qt::Key_A) : QTest::mouseClick(&creditos, Qt::LeftButton, {}, QPoint(3, 3));
      QVERIFY(!creditos.isVisible());
    }
    const QStringList direcciones{"mailto:tumbla@example.org", "http://www.example.org/tumbla"};
    QCOMPARE(pedidos, direcciones + direcciones);
  }

  void ayudaSinAbridorSaleEnLaVentanaPropia() {
    // With an opener that fails or is missing, F1 shows the help in our window, centred and titled; Escape closes it.
#ifdef Q_OS_WIN
    QSKIP("the opener is a program of Unix desktops");
#endif
    Abrir();
    PlataformaQt& q = v_->plataforma();
    const QString falla = carpeta_->filePath(QStringLiteral("falla"));
    Guardar(falla.toStdString(), "#!/bin/sh\nexit 4\n");
    QFile::setPermissions(falla, QFile::ReadOwner | QFile::ExeOwner);
    for (const QString& abridor : {falla, carpeta_->filePath(QStringLiteral("no-hay"))}) {
      q.PonerAbridor(abridor);
      v_->move(v_->pos() - QPoint(30, 20));  // it opens over the window where it is now
      Tecla(Qt::Key_F1);
      QTRY_VERIFY(q.Ayuda() && q.Ayuda()->isVisible());
      QVERIFY(Desvio(*q.Ayuda(), *v_) <= 4);
      QCOMPARE(q.Ayuda()->windowTitle(), kTitulo);
      QTest::keyClick(q.Ayuda(), Qt::Key_Escape);
      QVERIFY(!q.Ayuda()->isVisible());
    }
  }

  void demostracionJuegaSolaHastaUnaTeclaOUnClic() {
    // After "Acerca de...": the computer plays a level till a key or click, then the first board; nothing stored.
    Abrir();
    const QList<QAction*> juego = v_->findChild<QMenu*>(QStringLiteral("menuJuego"))->actions();
    QCOMPARE(juego.indexOf(Accion("MnuDemo")), juego.indexOf(Accion("MnuAbout")) + 1);
    const std::string ajustes = Contenido(Ini());
    Contestador contestador;
    contestador.alVer = [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Return); };
    for (bool tecla : {true, false}) {
      Accion("MnuDemo")->trigger();
      QVERIFY(V().Demostrando() && P().lblDemo.visible);
      const long fichas = V().FichasEntradas();
      QTRY_VERIFY_WITH_TIMEOUT(V().FichasEntradas() >= fichas + 2, 8000);  // falling alone, 2 pieces take 13 s
      tecla ? QTest::keyClick(&S(), Qt::Key_Left) : QTest::mouseClick(&S(), Qt::LeftButton);
      QVERIFY(!V().Demostrando() && !P().lblDemo.visible && P().lblInicio.visible);
    }
    QCOMPARE(contestador.vistas, QStringList(2, kNiveles));
    QCOMPARE(Contenido(Ini()), ajustes);
  }
};

QTEST_MAIN(VentanaTest)
#include "VentanaTest.moc"
