// The main window on the offscreen platform: keys, menus, timers and clicks reach the game, the menus show the screen
// model, every box and window opens over the window and answers the game, a withdrawn request or a closed window
// leaves nothing behind, the demo plays alone. A settings folder per test.
#include <QtTest>
#include <QtWidgets>

#include "Archivos.h"
#include "Escena.h"
#include "autoplay/Pista.h"
#include "grabacion/Grabadora.h"
#include "ui/DialogoNiveles.h"
#include "ui/EditorNiveles.h"
#include "ui/Mando.h"
#include "ui/Escenario.h"
#include "ui/Idiomas.h"
#include "ui/Paleta.h"
#include "ui/PlataformaQt.h"
#include "ui/Teclas.h"
#include "motor/CodigosTecla.h"
#include "ui/VentanaAyuda.h"
#include "ui/VentanaPrincipal.h"
#if TUMBLA_CON_SDL
#include "PadVirtual.h"
#endif

using namespace tumbla;
using namespace tumbla::ui;

namespace {

const QString kTitulo = QString::fromUtf8(kTituloVentana);
const QString kNiveles = QStringLiteral("DialogoNiveles: Selecciona un nivel");

int Desvio(const QWidget& w, const QWidget& sobre) {
  return (w.frameGeometry().center() - sobre.frameGeometry().center()).manhattanLength();
}

// What a person finds over the main window: the box or window the game asked for (none is modal).
QDialog* Abierta() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible() && !qobject_cast<VentanaAyuda*>(d)) return d;
  return nullptr;
}

// The open window as a person sees it: class, title, a box's text and buttons (* the default); "(MAL)" when it is
// off the main window's centre, its title is cut, or its text ends in a blank line.
QString Mirar() {
  QDialog* w = Abierta();
  auto* caja = qobject_cast<QMessageBox*>(w);
  if (!w) return QStringLiteral("nada");
  QFont negrita = w->font();
  negrita.setBold(true);
  const bool mal = !qobject_cast<QMainWindow*>(w->parentWidget()) || Desvio(*w, *w->parentWidget()) > 4 ||
                   w->width() < QFontMetrics(negrita).horizontalAdvance(w->windowTitle()) + 150 ||
                   (caja && caja->text().endsWith(QLatin1Char('\n')));
  QStringList botones;
  for (QAbstractButton* b : caja ? caja->buttons() : QList<QAbstractButton*>())
    botones << (b == caja->defaultButton() ? "*" : "") + b->text();
  return QString(w->metaObject()->className()).section("::", -1) + ": " + w->windowTitle() +
         (caja ? ": " + caja->text() + " [" + botones.join(' ') + "]" : QString()) + (mal ? " (MAL)" : "");
}

// The pieces of every Spanish text that English changes, as the translation file has them: cut at numbers (%1),
// paragraphs and line breaks, without the menus' '&', long enough to mean something.
QStringList PiezasEspanolas() {
  QFile ts(QStringLiteral(TUMBLA_SOURCE_DIR "/traducciones/tumbla_en.ts"));
  QStringList piezas;
  if (!ts.open(QIODevice::ReadOnly)) return piezas;
  static const QRegularExpression mensaje(u"<source>([^<]*)</source>\\s*<translation>([^<]*)</translation>"_qs),
      corte(u"%\\d|&lt;&gt;|\n|&amp;"_qs);
  const QString texto = QString::fromUtf8(ts.readAll()).replace(u"<byte value=\"xd\"/>"_qs, u"\n"_qs);
  for (const QRegularExpressionMatch& m : mensaje.globalMatch(texto)) {
    if (m.captured(1) == m.captured(2)) continue;
    for (QString p : m.captured(1).split(corte))
      if (p = p.replace(u"&lt;"_qs, u"<"_qs).replace(u"&apos;"_qs, u"'"_qs).trimmed(); p.size() >= 5) piezas << p;
  }
  return piezas;
}

// Every text the windows on screen show: titles, labels, buttons, boxes, the help's page and the menus' items.
QString Visto() {
  QStringList textos;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->isVisible()) continue;
    textos << w->windowTitle();
    for (QLabel* l : w->findChildren<QLabel*>()) textos << l->text();
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) textos << b->text();
    for (QTextBrowser* t : w->findChildren<QTextBrowser*>()) textos << t->toPlainText();
    for (QMenu* m : w->findChildren<QMenu*>()) {
      textos << m->title();
      for (QAction* a : m->actions()) textos << a->text();
    }
  }
  return textos.join(u'\n');
}

// Clicks the button of that caption in a box, by default the open one.
void Pulsar(const QString& boton, QWidget* caja = Abierta()) {
  for (QAbstractButton* b : caja ? caja->findChildren<QAbstractButton*>() : QList<QAbstractButton*>())
    if (b->text() == boton) return b->click();
  QFAIL(qPrintable("no button " + boton));
}

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
  QStringList abiertos_;  // what reached the desktop's URL handlers

  // The window on `ajustes` (by default they have had today's minute), mid-screen or where they say, shown and
  // started.
  void Abrir(const std::string& ajustes = "[OROKORRA]\nLAGUNTZA=3\nAZKENA=" +
                                          QDate::currentDate().toString(u"yyyy/MM/dd").toStdString(),
             bool colocar = false) {
    Guardar(Ini(), ajustes);
    v_ = std::make_unique<VentanaPrincipal>(QString::fromStdString(Ini()));
    colocar ? v_->Colocar() : v_->move(v_->screen()->availableGeometry().center() - v_->rect().center());
    v_->show();
    v_->Arrancar();
    QTRY_VERIFY(P().menuMinutos != "Minutos");
  }
  // A key on the board of the active window (offscreen, a closing window gives the activation to no one).
  void Tecla(Qt::Key tecla) {
    QApplication::setActiveWindow(v_.get());
    QVERIFY(QTest::qWaitForWindowActive(v_.get()));
    QTest::keyClick(&S(), tecla);
  }
  // A held key's repeat as X sends it when the machine is busy: a release
  // and a press at one time, neither marked as a repeat, through the window
  // that holds `destino` as its focus.
  static void RepeticionSinMarca(QWidget* destino, Qt::Key tecla) {
    QVERIFY(destino->window()->focusWidget() == destino || destino->isAncestorOf(destino->window()->focusWidget()));
    static quint64 hora = 1000;
    hora += 40;
    for (const QEvent::Type tipo : {QEvent::KeyRelease, QEvent::KeyPress}) {
      QKeyEvent evento(tipo, tecla, Qt::NoModifier);
      evento.setTimestamp(hora);
      QApplication::sendEvent(destino->window()->windowHandle(), &evento);
    }
  }
  // Position `posicion` chosen in the level window F2 opens; the main window active again.
  void Nivel(int posicion) {
    Tecla(Qt::Key_F2);
    if (auto* niveles = qobject_cast<DialogoNiveles*>(Abierta())) niveles->ElegirPosicion(posicion);
    QTest::qWait(50);  // the level window goes, and the desktop gives the focus back
    QApplication::setActiveWindow(v_.get());
  }

 public slots:
  void Abierto(const QUrl& url) { abiertos_ << url.toString(); }

 private slots:
  void init() { carpeta_ = std::make_unique<QTemporaryDir>(); }
  void cleanup() { v_.reset(), carpeta_.reset(), PonerIdioma(Idioma::Sistema); }

  void teclasLleganAlJuego() {
    // Every key the input table names is a key of Qt's and back; on the board keys move, turn, pause (F3 once a
    // press) and drop; S flips the sound once a press, focus or not.
    for (int codigo = 1; codigo < 256; ++codigo) {
      if (!NombreTecla(codigo).empty()) QVERIFY2(CodigoTecla(TeclaQt(codigo)) == codigo, qPrintable(QString::number(codigo)));
    }
    QCOMPARE(std::pair(TeclaQt(tecla::kRePag), CodigoTecla(Qt::Key_Enter)), std::pair(int(Qt::Key_PageUp), tecla::kIntro));
    Abrir();
    Nivel(2);
    Montaje(&J()).Tablero(0, {}).Ficha(Catalogo::EntradaLista(19));  // an empty board, a piece that turns
    v_->plataforma().Retener(Temporizador::Juego, true);
    for (const auto& [tecla, paso] :
         {std::pair(Qt::Key_Left, -1), {Qt::Key_P, 1}, {Qt::Key_Down, kAncho}, {Qt::Key_Up, 0}}) {
      const Pieza antes = V().FichaEnJuego(), esperada = paso ? antes.Movida(paso) : antes.Girada();  // Up turns
      QTest::keyClick(&S(), tecla);
      QVERIFY(V().FichaEnJuego() == esperada && !(antes == esperada));
    }
    QTest::keyClick(&S(), Qt::Key_F3);
    v_->plataforma().Retener(Temporizador::Juego, false);
    QTRY_VERIFY(V().Pausado());  // at the next tick
    QTest::simulateEvent(&S(), true, Qt::Key_F3, Qt::NoModifier, QString(), true);
    QVERIFY(V().Pausado());
    RepeticionSinMarca(&S(), Qt::Key_F3);
    QVERIFY(V().Pausado());
    QTest::keyClick(&S(), Qt::Key_F3);
    QVERIFY(!V().Pausado());
    QTest::keyClick(&S(), Qt::Key_Space);
    QVERIFY(V().mesa().soltada);

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
    // Boxes sit centred, fit their title, end in no blank line, and answer the game in Spanish, Cancel the question's
    // default; marks show the model; items call their commands.
    Abrir("[OROKORRA]\nLAGUNTZA=3\nAMAITUTAKOA=57\nSOINUA=N\nZAILTASUNA=Z\nITZALA=S\nAZKENA=2000/01/01");
    QVERIFY2(Mirar().contains("minuto extra") && Mirar().endsWith("[Aceptar]"), qPrintable(Mirar()));  // the day's
    Pulsar("Aceptar");
    v_->plataforma().pedir({TipoPeticion::Mensaje, Icono::Exclamacion,
                            "Un título bastante largo para una caja de dos palabras", "Uno\r\rDos\r\r"});
    v_->plataforma().Atender();
    QCOMPARE(Mirar(), "QMessageBox: Un título bastante largo para una caja de dos palabras: Uno\n\nDos [Aceptar]");
    Pulsar("Aceptar");
    for (const auto& [segunda, progreso] : {std::pair("Cancelar", "57"), {"Aceptar", "0"}}) {
      Accion("mnuReset")->trigger();
      QCOMPARE(Mirar(), "QMessageBox: " + kTitulo + ": ¿Quieres resetear el juego? [Aceptar *Cancelar]");
      Pulsar("Aceptar");  // and the game asks again
      QCOMPARE(Mirar(), "QMessageBox: " + kTitulo + ": ¿Estás seguro/a? [Aceptar *Cancelar]");
      Pulsar(segunda);
      QVERIFY(!Abierta() && Contenido(Ini()).find(std::string("AMAITUTAKOA=") + progreso) != std::string::npos);
    }

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

    // "Acerca de..." shows the credits: an address goes to the desktop and the window stays; a key, a click off the
    // addresses, or "Cerrar" closes it and the game waits no more.
    for (const char* esquema : {"mailto", "http"}) QDesktopServices::setUrlHandler(esquema, this, "Abierto");
    for (const int forma : {0, 1, 2}) {
      Accion("MnuAbout")->trigger();
      for (QLabel* enlace : Abierta()->findChildren<QLabel*>(QRegularExpression("lblMail|lblURL")))
        QTest::mouseClick(enlace, Qt::LeftButton);
      QCOMPARE(Mirar(), "VentanaCreditos: Acerca de Tumbla");
      if (forma == 0) QTest::keyClick(Abierta(), Qt::Key_A);
      if (forma == 1) QTest::mouseClick(Abierta(), Qt::LeftButton, {}, QPoint(3, 3));
      if (forma == 2) Pulsar("Cerrar");
      QVERIFY(!Abierta() && V().peticion().tipo == TipoPeticion::Ninguna);
    }
    const QStringList direcciones{"mailto:tumbla@example.org", "http://www.example.org/tumbla"};
    QCOMPARE(abiertos_, direcciones + direcciones + direcciones);
    for (const char* esquema : {"mailto", "http"}) QDesktopServices::unsetUrlHandler(esquema);
  }

  void ventanaDeNivelesPasaLaEntradaAlModelo() {
    // Keys, wheel and pointer reach the model; Escape and the close box end through the game; a click plays.
    Abrir();
    const SelectorNiveles& m = J().selector();
    int elegido = 0;
    for (const std::string salida : {"escape", "cierre", "clic"}) {
      Tecla(Qt::Key_F2);
      QCOMPARE(Mirar(), kNiveles);
      QDialog& d = *Abierta();
      const auto boton = [&](int i) { return d.findChild<QAbstractButton*>(QStringLiteral("cmdNivel%1").arg(i)); };
      const auto datos = [&] { return d.findChild<QLabel*>(QStringLiteral("lblDatos"))->text(); };
      const int seleccionado = m.Seleccionado(), pagina = m.ValorDesplazamiento();
      QTest::keyClick(&d, Qt::Key_Right);
      QCOMPARE(m.Seleccionado(), seleccionado + 1);
      QTest::keyClick(&d, Qt::Key_End);
      QCOMPARE(boton(m.Seleccionado())->text(), QStringLiteral("296"));
      QTest::keyClick(&d, Qt::Key_PageDown);
      QVERIFY(m.ValorDesplazamiento() >= 5);  // a page further
      QTest::keyClick(&d, Qt::Key_Home);
      QVERIFY(m.ValorDesplazamiento() == 0 && m.Seleccionado() == 0);
      QTest::keyClick(&d, Qt::Key_Right);
      const QPoint sobre = boton(5)->geometry().center();
      QWheelEvent rueda(sobre, d.mapToGlobal(sobre), {}, {0, -120}, {}, {}, Qt::NoScrollPhase, false);
      QApplication::sendEvent(&d, &rueda);
      QCOMPARE(m.ValorDesplazamiento(), pagina + 1);
      QCOMPARE(d.findChild<QScrollBar*>()->value(), pagina + 1);
      for (int i : {-1, 3, -1}) {  // the background shows the selected button's data
        QTest::mouseMove(d.windowHandle(), i < 0 ? QPoint(2, 2) : boton(i)->geometry().center());
        QTRY_VERIFY(datos().startsWith("Nivel: " + boton(i < 0 ? m.Seleccionado() : i)->text() + " - "));
        QCOMPARE(datos(), QString::fromStdString(m.lblDatos()));
      }
      if (salida == "escape") QTest::keyClick(&d, Qt::Key_Escape);
      if (salida == "cierre") d.close();
      if (salida == "clic") elegido = boton(1)->text().toInt(), QTest::mouseClick(boton(1), Qt::LeftButton);
      QVERIFY(!m.Abierto() && !Abierta() && V().peticion().tipo == TipoPeticion::Ninguna);
      QCOMPARE(V().Jugando(), elegido != 0);
    }
    QCOMPARE(V().NivelActual(), elegido);
  }

  void temporizadoresRetiradaYCierre() {
    // Timers tick the game (0 ms never runs): a drop completing a level paused under the level window withdraws the
    // window, which goes, and the shutter comes down, to take a click on it, not beside it. Neither box nor level
    // window is modal, so nothing holds the main window's close back; closing it over them closes them unanswered,
    // even to a late click.
    Abrir();
    Nivel(4);
    QVERIFY2(Mirar().startsWith("QMessageBox: GOTEATOR: ") && Mirar().endsWith(" [Aceptar]"), qPrintable(Mirar()));
    Pulsar("Aceptar");  // the group's introduction
    const auto gota = [this](bool marcha) { v_->plataforma().Retener(Temporizador::Gota, !marcha); };
    for (const int filas : {23, 0}) {  // every row above the drop, step by step; none with the top row in use
      gota(false);
      Montaje(&J()).Tablero(0, {filas ? "..........." : "#.........."}).Dibujar(22, {"....b......", "..........."})
          .Gota(22 * kAncho + 5);
      Tecla(Qt::Key_F3);
      QTRY_VERIFY(V().Pausado());
      Tecla(Qt::Key_F2);
      const QPointer<QDialog> niveles = Abierta();
      QCOMPARE(Mirar(), "DialogoNiveles: Juego pausado. Pulsa ESCAPE para continuar.");
      gota(true);
      QTRY_VERIFY(!niveles);  // closed and gone
      QTRY_VERIFY(!Abierta() && V().NivelTerminado() && !V().Pausado() && !V().persiana()->bajando &&
                  P().persianaVisible && P().filasPersiana == filas);
      if (!filas) break;
      QTest::mouseClick(&S(), Qt::LeftButton, {}, S().AWidget(escena::Celda(kBaseFilaInferior + 6)).center().toPoint());
      QVERIFY(P().persianaVisible && !V().Jugando());
      QTest::mouseClick(&S(), Qt::LeftButton, {}, S().AWidget(escena::Persiana(1)).center().toPoint());
      QVERIFY(!P().persianaVisible && V().Jugando() && V().NivelActual() == 5);
    }
    v_->plataforma().temporizador(Temporizador::Gota, true, 0);
    QVERIFY(v_->plataforma().agenda().Falta(Temporizador::Gota) < 0);

    for (const bool caja : {true, false}) {
      Abrir();
      caja ? Accion("mnuReset")->trigger() : Tecla(Qt::Key_F2);
      const QPointer<QDialog> d = Abierta();
      const Peticion pedida = V().peticion();
      QVERIFY(d && !QGuiApplication::modalWindow());
      v_->close();
      QVERIFY(d && !Abierta() && !v_->plataforma().Abierta());
      caja ? Pulsar("Aceptar", d) : qobject_cast<DialogoNiveles*>(d.data())->ElegirPosicion(2);  // a late answer
      QVERIFY(V().peticion() == pedida && pedida.tipo != TipoPeticion::Ninguna);  // reached no one
      v_.reset();
      QVERIFY(!d);
    }
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
    // After "Acerca de...": the computer plays a level, its aim outlined, till a key or click, then the first board;
    // nothing stored.
    Abrir();
    const QList<QAction*> juego = v_->findChild<QMenu*>(QStringLiteral("menuJuego"))->actions();
    QCOMPARE(juego.indexOf(Accion("MnuDemo")), juego.indexOf(Accion("MnuAbout")) + 1);
    const std::string ajustes = Contenido(Ini());
    for (bool tecla : {true, false}) {
      Accion("MnuDemo")->trigger();
      QCOMPARE(Mirar(), "DialogoNiveles: Demostración: elige el nivel que jugará el ordenador");
      QTest::keyClick(Abierta(), Qt::Key_Return);
      QTest::qWait(50);  // the level window goes, and the desktop gives the focus back
      QApplication::setActiveWindow(v_.get());
      QVERIFY(QTest::qWaitForWindowActive(v_.get()));
      QVERIFY(V().EnDemostracion() && P().lblDemo.visible && !Abierta());
      QTRY_COMPARE(P().pista.count(), size_t{4});  // where the computer means to put the piece, the hint off
      const long fichas = V().mesa().fichasEntradas;
      QTRY_VERIFY_WITH_TIMEOUT(V().mesa().fichasEntradas >= fichas + 2, 8000);  // falling alone, 2 pieces take 13 s
      tecla ? QTest::keyClick(&S(), Qt::Key_Left) : QTest::mouseClick(&S(), Qt::LeftButton);
      QVERIFY(!V().EnDemostracion() && !P().lblDemo.visible && P().lblInicio.visible);
    }
    QCOMPARE(Contenido(Ini()), ajustes);
  }

  void controlesDelJugador() {
    // Keys come from the file and from "Teclas...", where a key in use is refused naming its action and the pace of
    // a held key is set; a box takes no key held from before nor any in its first moments; F11 switches full screen,
    // remembered; the hint outlines the computer's choice and the panel says the level makes no record; losing the
    // focus pauses; a pad moves and turns the piece; "Abandonar el nivel" loses the level.
    Abrir("[OROKORRA]\nLAGUNTZA=3\nAZKENA=" + QDate::currentDate().toString(u"yyyy/MM/dd").toStdString() +
          "\n[TEKLAK]\nEZKERRA=J\n");
    Accion("mnuTeclas")->trigger();
    QCOMPARE(Mirar(), "DialogoTeclas: Teclas");
    QDialog& d = *Abierta();
    const auto asignar = [&](const char* boton, Qt::Key tecla) {
      QTest::mouseClick(d.findChild<QPushButton*>(boton), Qt::LeftButton);
      QTest::keyClick(&d, tecla);
      return d.findChild<QLabel*>("aviso")->text();
    };
    QCOMPARE(asignar("tecla1", Qt::Key_J), "La tecla «J» ya es de «Mover a la izquierda».");
    QVERIFY(asignar("tecla1", Qt::Key_K).isEmpty());
    QCOMPARE(d.findChild<QPushButton*>("tecla1")->text(), "K, P");
    d.findChild<QSpinBox*>("ritmo2")->setValue(45);  // a held Down's rows a second
    QCOMPARE(J().teclado().repeticion(), (Repeticion{170, 30, 45}));
    d.close();
    QVERIFY(!Abierta() && V().peticion().tipo == TipoPeticion::Ninguna);
    QVERIFY(Contenido(Ini()).find("ESKUINA=K") != std::string::npos);

    Nivel(2);
    Montaje(&J()).Tablero(0, {}).Ficha(Catalogo::EntradaLista(19));
    v_->plataforma().Retener(Temporizador::Juego, true);
    const Pieza antes = V().FichaEnJuego();
    for (Qt::Key tecla : {Qt::Key_J, Qt::Key_J, Qt::Key_K, Qt::Key_Left}) QTest::keyClick(&S(), tecla);
    QCOMPARE(V().FichaEnJuego(), antes.Movida(-1));

    Accion("mnuPista")->trigger();
    const auto j = JugadorAutomatico().Elegir(V().panorama(), false);
    const Pieza elegida{static_cast<int16_t>(j.fila), static_cast<int16_t>(j.pos)};
    QVERIFY(P().pista.count() == 4 && P().pista.test(static_cast<size_t>(elegida.Celda(0))) && P().lblPista.visible);

    v_->plataforma().pedir({TipoPeticion::Mensaje, Icono::Informacion, kTituloVentana, "Una caja"});
    v_->plataforma().Atender();
    QDialog* caja = Abierta();
    QTest::simulateEvent(caja, true, Qt::Key_Return, Qt::NoModifier, {}, true);  // held from before
    QTest::keyClick(caja, Qt::Key_Return);                                       // in its first moments
    QVERIFY(Abierta() == caja);
    QTest::qWait(350);
    RepeticionSinMarca(caja, Qt::Key_Return);
    QVERIFY(Abierta() == caja);
    QTest::keyClick(caja, Qt::Key_Return);
    QTRY_VERIFY(!Abierta());

    Tecla(Qt::Key_F11);
    QTRY_VERIFY(v_->isFullScreen() && Accion("mnuPantallaCompleta")->isChecked());
    QVERIFY(Contenido(Ini()).find("PANTAILA_OSOA=S") != std::string::npos);
    Tecla(Qt::Key_F11);
    QTRY_VERIFY(!v_->isFullScreen());

#if TUMBLA_CON_SDL
    if (v_->mando().activo()) {
      PadVirtual pad;
      v_->mando().Sondear();
      const Pieza ahora = V().FichaEnJuego();
      for (auto boton : {SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_A}) {
        pad.Boton(boton, true);
        v_->mando().Sondear();
        pad.Boton(boton, false);
        v_->mando().Sondear();
      }
      QCOMPARE(V().FichaEnJuego(), ahora.Movida(-1).Girada());
    }
#endif

    QWidget otra;
    otra.show();
    QApplication::setActiveWindow(&otra);
    QTRY_VERIFY(!v_->isActiveWindow());
    v_->plataforma().Retener(Temporizador::Juego, false);
    QTRY_VERIFY(V().Pausado());
    Accion("mnuAbandonar")->trigger();  // given up: lost as any lost level
    QCOMPARE(Mirar(), "QMessageBox: " + kTitulo + ": GAME OVER [Aceptar]");
  }

  void menusYAyudaDetienenElTableroYDevuelvenLasTeclas() {
    // During play each menu opens from the keyboard (Alt and its letter, F10) and holds the board still; Escape
    // closes it and one key press moves the piece. The help, in the game's own window, holds it until the pause key.
    Abrir();
    v_->plataforma().PonerAbridor(carpeta_->filePath(QStringLiteral("no-hay")));
    Nivel(2);
    Montaje(&J()).Tablero(0, {}).Ficha(Catalogo::EntradaLista(19));
    const auto quieto = [&](int ms) {
      const auto antes = P().imgTablero;
      QTest::qWait(ms);
      return P().imgTablero == antes;
    };
    const std::pair<Qt::Key, Qt::KeyboardModifier> menus[] = {
        {Qt::Key_J, Qt::AltModifier}, {Qt::Key_O, Qt::AltModifier}, {Qt::Key_F10, Qt::NoModifier}};
    for (const auto& [tecla, modificador] : menus) {
      QApplication::setActiveWindow(v_.get());
      QTest::keyClick(v_.get(), tecla, modificador);
      QTRY_VERIFY(QApplication::activePopupWidget());
      QVERIFY(quieto(400));
      QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
      QTRY_VERIFY(!QApplication::activePopupWidget() && S().hasFocus());
      const int columna = Columna(V().FichaEnJuego().posicion);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
      QCOMPARE(Columna(V().FichaEnJuego().posicion), columna - 1);
    }
#ifndef Q_OS_WIN
    Tecla(Qt::Key_F1);
    QTRY_VERIFY(v_->plataforma().Ayuda() && v_->plataforma().Ayuda()->isVisible());
    QVERIFY(quieto(400));
    QTest::keyClick(v_->plataforma().Ayuda(), Qt::Key_Escape);
    QVERIFY(quieto(400));
    const auto tablero = P().imgTablero;
    Tecla(Qt::Key_F3);
    QTRY_VERIFY(P().imgTablero != tablero);
#endif
  }

  void teclaSostenidaAlRitmoDelJugador() {
    // A held Left moves at once, after the delay set and then at the rate set, counted against the clock within a
    // frame; the desktop's repeats, marked or split in two, change nothing. A held Down has a rate of its own.
    Abrir("[OROKORRA]\nLAGUNTZA=3\nAZKENA=" + QDate::currentDate().toString(u"yyyy/MM/dd").toStdString() +
          "\n[TEKLAK]\nATZERAPENA=150\nABIADURA=10\nABIADURA_BEHERA=40\n");
    Nivel(2);
    Montaje(&J()).Tablero(0, {}).Ficha(Catalogo::EntradaLista(19));
    v_->plataforma().Retener(Temporizador::Juego, true);
    for (int n = 0; n < 10; ++n) Tecla(Qt::Key_Right);  // to the right wall
    for (const auto& [tecla, ms, paso, porSegundo] : {std::tuple(Qt::Key_Left, 450, -1, 10), {Qt::Key_Down, 220, kAncho, 40}}) {
      const int antes = V().FichaEnJuego().posicion;
      QElapsedTimer reloj;
      QTest::keyPress(&S(), tecla);
      reloj.start();
      for (int k = 0; reloj.elapsed() < ms; ++k) {
        QTest::qWait(30);
        if (k % 2) QTest::simulateEvent(&S(), true, tecla, Qt::NoModifier, QString(), true);
        else RepeticionSinMarca(&S(), tecla);
      }
      const qint64 t = reloj.elapsed();
      QTest::keyRelease(&S(), tecla);
      const int hechas = (V().FichaEnJuego().posicion - antes) / paso;
      const auto debidas = [&](qint64 en) { return en < 150 ? 1 : 2 + static_cast<int>((en - 150) * porSegundo / 1000); };
      QVERIFY2(hechas >= debidas(t - 17) && hechas <= debidas(t + 17), qPrintable(QStringLiteral("%1 in %2 ms").arg(hechas).arg(t)));
      QTest::qWait(150);
      QCOMPARE((V().FichaEnJuego().posicion - antes) / paso, hechas);  // none once let go
    }
  }

  void ganarYSalirEnSeguidaGuardaElNivel() {
    // Closed a tenth of a second after a win, while the shutter still comes down, the level completed, its minute
    // and its record are stored.
    Abrir();
    Nivel(1);
    Pulsar("Aceptar");  // the group's introduction
    v_->plataforma().Retener(Temporizador::Juego, true);
    Montaje(&J()).Tablero(23, {"11111.11111"}).Lineas(1).Ficha(63, 22 * kAncho + 6);
    v_->plataforma().Llamar([](Grabadora& g) { g.Disparar(Temporizador::Juego); });
    QVERIFY(V().NivelTerminado());
    QTest::qWait(100);
    QVERIFY(P().textoPersiana.empty());  // still coming down
    v_->close();
    const std::string ini = Contenido(Ini());
    const auto errekorrak = ini.find("[ERREKORRAK]");
    QVERIFY2(ini.find("AMAITUTAKOA=1") != std::string::npos && ini.find("LAGUNTZA=4") != std::string::npos &&
                 errekorrak != std::string::npos && ini.find("1=260", errekorrak) != std::string::npos,
             ini.c_str());
  }

  void laVentanaCabeEnLaPantallaYRecuerdaSuSitioSinPantallaCompleta() {
    // Remembered too big and above the screen, it starts whole on it; full screen switched 51 times in a row ends
    // full, and what is remembered is the plain window's place and size.
    Abrir("[OROKORRA]\nLAGUNTZA=3\nAZKENA=" + QDate::currentDate().toString(u"yyyy/MM/dd").toStdString() +
          "\n[LEIHOA]\nKOKAPENA=-300,-200,5000,4000\n", true);
    const QRect libre = v_->screen()->availableGeometry();
    QTRY_VERIFY(libre.contains(v_->frameGeometry()));
    v_->setGeometry(QRect(libre.topLeft() + QPoint(40, 60), v_->sizeHint()));
    QTRY_COMPARE(v_->geometry().topLeft(), libre.topLeft() + QPoint(40, 60));
    const QRect plana = v_->geometry();
    for (int n = 0; n < 51; ++n) Tecla(Qt::Key_F11);
    QTRY_VERIFY(v_->isFullScreen());
    v_->close();
    const std::string ini = Contenido(Ini());
    const QString kokapena = QStringLiteral("KOKAPENA=%1,%2,%3,%4").arg(plana.x()).arg(plana.y()).arg(plana.width()).arg(plana.height());
    QVERIFY2(ini.find("PANTAILA_OSOA=S") != std::string::npos && ini.find(kokapena.toStdString()) != std::string::npos,
             ini.c_str());
  }

  void coloresYDestellosDesdeElMenu() {
    // "Colores" keeps one palette of three, which the board and the level window then paint in; "Reducir destellos"
    // switches with the model.
    Abrir();
    const auto marcas = [&] {
      QList<bool> m;
      for (const char* n : {"mnuColoresPropios", "mnuColoresDaltonismo", "mnuColoresContraste", "mnuDestellos"})
        m << Accion(n)->isChecked();
      return m;
    };
    QCOMPARE(marcas(), (QList<bool>{true, false, false, false}));
    Accion("mnuColoresContraste")->trigger();
    Accion("mnuDestellos")->trigger();
    QCOMPARE(marcas(), (QList<bool>{false, false, true, true}));
    QVERIFY(P().aspecto == (Aspecto{Colores::Contraste, true}));
    const QPoint celda = S().AWidget(escena::Celda(5 * kAncho + 5)).center().toPoint();
    QTRY_COMPARE(S().grab().toImage().pixelColor(celda), QColor(Qt::black));
    Tecla(Qt::Key_F2);
    auto* boton = Abierta()->findChild<QAbstractButton*>(QStringLiteral("cmdNivel0"));  // level 1, open
    QCOMPARE(boton->grab().toImage().pixelColor(boton->width() - 6, boton->height() / 2),
             QColor(PaletaDe(Colores::Contraste).grupos[0]));
    QTest::keyClick(Abierta(), Qt::Key_Escape);
    Accion("mnuColoresDaltonismo")->trigger();
    QCOMPARE(marcas(), (QList<bool>{false, true, false, true}));
  }

  void enInglesNadaSeVeEnEspanolYElIdiomaElegidoSeGuarda() {
    // The player chose English: nothing shown, from the menus to the boxes of a level's start and end, the level
    // window, the key dialog, the credits, the level editor and the help, is a Spanish text of the game's that has an
    // English one.
    // "Idioma" > "Español" brings the Spanish back at once, stored beside the other keys.
    const QStringList piezas = PiezasEspanolas();
    QVERIFY(piezas.size() > 100);
    Abrir("[OROKORRA]\nLAGUNTZA=3\nHIZKUNTZA=en\nAZKENA=2000/01/01");  // the day's minute in a box
    QTRY_VERIFY(Abierta());
    QString visto = Visto();
    Pulsar("OK");
    // The level editor: a field's fault, the empty name's, and the report of a check stopped at once.
    Accion("mnuEditor")->trigger();
    EditorNiveles* editor = v_->editor();
    editor->findChild<QSpinBox*>(QStringLiteral("lineas"))->setValue(0);
    auto* nombre = editor->findChild<QLineEdit*>(QStringLiteral("nombre"));
    nombre->selectAll();
    QTest::keyClick(nombre, Qt::Key_Backspace);
    visto += Visto();
    QVERIFY(visto.contains("at least one line") && visto.contains("can't be empty"));
    editor->findChild<QSpinBox*>(QStringLiteral("lineas"))->setValue(10);
    editor->findChild<QPushButton*>(QStringLiteral("comprobar"))->click();
    editor->findChild<QPushButton*>(QStringLiteral("cancelar"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(!editor->comprobacion(), 60000);
    visto += Visto();
    QVERIFY(visto.contains("Check stopped."));
    editor->close();
    Nivel(1);  // the level window, then the group's introduction
    visto += Visto();
    Pulsar("OK");
    Tecla(Qt::Key_F3);
    Accion("mnuAbandonar")->trigger();
    visto += Visto() + QString::fromStdString(P().lblPausa.texto + P().lblInicio.texto + P().lblPista.texto);
    Pulsar("OK");  // "GAME OVER", then "Try again?"
    visto += Visto();
    qobject_cast<DialogoNiveles*>(Abierta())->ElegirPosicion(2);
    v_->plataforma().Retener(Temporizador::Juego, true);
    Montaje(&J()).Tablero(23, {"11111.11111"}).Lineas(1).Ficha(63, 22 * kAncho + 6);  // a level won
    v_->plataforma().Llamar([](Grabadora& g) { g.Disparar(Temporizador::Juego); });
    QTRY_VERIFY(!P().textoPersiana.empty());
    visto += QString::fromStdString(P().textoPersiana + P().menuMinutos);
    Accion("mnuTeclas")->trigger();
    Abierta()->findChild<QPushButton*>(QStringLiteral("tecla0"))->click();
    visto += Visto();
    QTest::keyClick(Abierta(), Qt::Key_F1);  // a key of the game's own
    visto += Visto();
    Pulsar("Close");
    Accion("MnuAbout")->trigger();
    visto += Visto();
    Pulsar("Close");
    v_->plataforma().PonerAbridor(carpeta_->filePath(QStringLiteral("no-hay")));
    Tecla(Qt::Key_F1);
    QTRY_VERIFY(v_->plataforma().Ayuda() && v_->plataforma().Ayuda()->isVisible());
    visto += Visto();
    QVERIFY(visto.contains("YOUR KEYS") && visto.contains("Left Arrow"));
    for (const QString& p : piezas) QVERIFY2(!visto.contains(p), qPrintable("in Spanish: " + p));

    Accion("mnuEspanol")->trigger();
    QTRY_COMPARE(Accion("MnuNew")->text(), QStringLiteral("&Nuevo"));
    QVERIFY(P().menuMinutos.starts_with("Minutos extra: "));
    const std::string ini = Contenido(Ini());
    QVERIFY2(ini.find("HIZKUNTZA=es") != std::string::npos && ini.find("AZKENA=") != std::string::npos, ini.c_str());
  }
};

QTEST_MAIN(VentanaTest)
#include "VentanaTest.moc"
