// The main window on the offscreen platform: its menus and what they store,
// the keys, the board as painted on screen, the shutter, and the host
// services the game gets from Qt. Every test has a settings folder of its own.
#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

#include "game/Juego.h"
#include "ui/DialogoNiveles.h"
#include "ui/Dibujos.h"
#include "ui/Escenario.h"
#include "ui/PlataformaQt.h"
#include "ui/Teclas.h"
#include "ui/Sonidos.h"
#include "ui/VentanaCreditos.h"
#include "ui/VentanaPrincipal.h"

using namespace tumbla;
using namespace tumbla::ui;

namespace {

// Answers the modal message boxes that show up, one answer per box (the
// caption of the button to click), and remembers what each box showed.
class Contestador : public QObject {
 public:
  struct Vista {
    QString titulo;
    QString texto;
    QStringList botones;
    QString porDefecto;
    QMessageBox::Icon icono = QMessageBox::NoIcon;
  };

  explicit Contestador(QStringList respuestas) : respuestas_(std::move(respuestas)) {
    connect(&mirar_, &QTimer::timeout, this, &Contestador::Mirar);
    mirar_.start(5);
  }

  QList<Vista> vistas;
  bool Agotado() const { return respuestas_.isEmpty(); }

 private:
  void Mirar() {
    auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!caja || !caja->isVisible() || respuestas_.isEmpty()) return;
    Vista v;
    v.titulo = caja->windowTitle();
    v.texto = caja->text();
    v.icono = caja->icon();
    if (caja->defaultButton()) v.porDefecto = caja->defaultButton()->text();
    QAbstractButton* elegido = nullptr;
    for (QAbstractButton* b : caja->buttons()) {
      v.botones << b->text();
      if (b->text() == respuestas_.front()) elegido = b;
    }
    v.botones.sort();
    respuestas_.pop_front();
    vistas << v;
    if (elegido) elegido->click();
    else caja->done(QMessageBox::Cancel);
  }

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

QString Hoy() { return QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")); }

}  // namespace

class VentanaTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void ventanaAbreConSuTituloYSuTamano();
  void iconoYSonidosLleganTrasElPrimerPintado();
  void sinSonidoNoSeCargaNingunEfecto();
  void acercaDeMuestraLosCreditosSobreLaVentana();
  void arranqueAnunciaElMinutoDiarioEnUnaCajaEnEspanol();
  void menusTienenSusTitulosOrdenYAtajos();
  void ajustesGuardadosPonenLasMarcasAlArrancar();
  void dificilYNormalCambianElJuegoYElArchivo();
  void sonidoDelMenuCambiaElModeloYElArchivo();
  void teclaSCambiaElSonidoUnaVezPorPulsacion();
  void teclaF3PausaYReanudaUnaVezPorPulsacion();
  void resetRespondidoCancelarNoTocaElProgreso();
  void resetDuranteUnaPartidaSoloAvisa();
  void tableroPintaCadaColorEnSuCeldaTrasMoverLaPieza();
  void temporizadorDeJuegoHaceCaerLaPiezaEnPantalla();
  void panelMuestraSiguienteObjetivoYTipoDeJuego();
  void marcoSigueAlModelo();
  void agrandarLaVentanaEscalaElTablero();
  void persianaBajaYIntroPasaAlNivelSiguiente();
  void clicEnLaPersianaPasaAlNivelSiguiente();
  void nuevoConF2AbreLaVentanaDeNiveles();
  void cerrarLaVentanaAcabaLaEsperaDeLaPersiana();
  void temporizadoresConIntervaloCeroNoDisparan();
  void cajasTienenBotonesEnEspanolYCancelarPorDefecto();
  void abrirEntregaUrlsYArchivosAlEscritorio();
  void teclasQtSeTraducenALosCodigosDelJuego();

 private:
  // A window on a settings file holding `ajustes` (by default one that has
  // already had today's extra minute, so no box shows), shown and started.
  void Abrir(QByteArray ajustes = {});
  QString RutaIni() const { return carpeta_->filePath(QStringLiteral("tumbla.ini")); }
  QString ValorIni(const QString& clave) const;
  QAction* Accion(const char* nombre) const;
  // An empty classic board in play, no piece falling, the play timer off.
  void TableroClasico();
  // Brings in the piece of that catalogue row at the entry cell.
  void Entrar(int fila);
  // What the window shows on screen now (the offscreen backing store), in
  // the scene widget's coordinates.
  QImage Pantallazo() const;
  // The pixel at the middle of board cell i, for a scene drawn at `escala`.
  static QColor Centro(const QImage& img, int i, int escala = 1);

  std::unique_ptr<QTemporaryDir> carpeta_;
  std::unique_ptr<VentanaPrincipal> ventana_;
};

void VentanaTest::init() {
  carpeta_ = std::make_unique<QTemporaryDir>();
  QVERIFY(carpeta_->isValid());
}

void VentanaTest::cleanup() {
  ventana_.reset();
  carpeta_.reset();
}

void VentanaTest::Abrir(QByteArray ajustes) {
  if (ajustes.isNull()) ajustes = "[OROKORRA]\r\nAZKENA=" + Hoy().toLatin1() + "\r\nLAGUNTZA=3\r\n";
  if (!ajustes.isEmpty()) {
    QFile f(RutaIni());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(ajustes);
  }
  ventana_ = std::make_unique<VentanaPrincipal>(RutaIni());
  ventana_->show();
  QVERIFY(QTest::qWaitForWindowExposed(ventana_.get()));
  ventana_->Arrancar();
  QApplication::setActiveWindow(ventana_.get());
  QVERIFY(QTest::qWaitForWindowActive(ventana_.get()));
}

QString VentanaTest::ValorIni(const QString& clave) const {
  QFile f(RutaIni());
  if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("<no file>");
  for (const QByteArray& linea : f.readAll().split('\n')) {
    const int igual = linea.indexOf('=');
    if (igual > 0 && QString::fromUtf8(linea.left(igual)).trimmed().compare(clave, Qt::CaseInsensitive) == 0) {
      return QString::fromUtf8(linea.mid(igual + 1)).trimmed();
    }
  }
  return QStringLiteral("<no key>");
}

QAction* VentanaTest::Accion(const char* nombre) const {
  return ventana_->findChild<QAction*>(QString::fromLatin1(nombre));
}

void VentanaTest::TableroClasico() {
  Juego& j = ventana_->juego();
  Estado& e = j.estado();
  for (int i = 0; i < kCeldas; ++i) j.EscribirCelda(i, kLibre);
  for (int i = 0; i < kCeldas; ++i) {
    if (Columna(i) == 0 || Columna(i) == 12 || Fila(i) == 24) j.EscribirCelda(i, kMuro, kSinImagen);
  }
  e.ModoClasico = true;
  e.BorrarCada = 1;
  e.LineasRestantes = 99;
  e.NivelActual = 1;
  e.Jugando = true;
  e.Pausado = false;
  e.FichaActiva = false;
  j.FijarJuegoFichas(0);
  j.PonerTemporizador(Temporizador::Juego, false, 300);
  ventana_->Refrescar();
}

void VentanaTest::Entrar(int fila) {
  ventana_->juego().estado().FichaSiguiente = static_cast<int16_t>(fila);
  ventana_->juego().EntrarFicha();
  ventana_->Refrescar();
}

QImage VentanaTest::Pantallazo() const {
  QCoreApplication::processEvents();
  Escenario& s = ventana_->escenario();
  const QPoint en = s.mapTo(ventana_.get(), QPoint(0, 0));
  return ventana_->screen()
      ->grabWindow(ventana_->winId(), en.x(), en.y(), s.width(), s.height())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

QColor VentanaTest::Centro(const QImage& img, int i, int escala) {
  // Cells of 255 twips (17 px) from the top-left corner at 0, 240 twips.
  const int x = (Columna(i) * 255 + 127) / 15;
  const int y = (240 + Fila(i) * 255 + 127) / 15;
  return img.pixelColor(x * escala, y * escala);
}

// ---------------------------------------------------------------------------

void VentanaTest::ventanaAbreConSuTituloYSuTamano() {
  // The window opens as "Tumbla 3.0 Dilatorus", 5235 twips wide, the scene
  // at natural size under the menu bar, the board taking the keys.
  Abrir();
  QCOMPARE(ventana_->windowTitle(), QStringLiteral("Tumbla 3.0 Dilatorus"));
  QCOMPARE(ventana_->width(), 5235 / 15);
  QCOMPARE(ventana_->escenario().size(), QSize(349, 466));
  QCOMPARE(ventana_->height(), 466 + ventana_->menuBar()->height());
  QCOMPARE(ventana_->escenario().Escala(), 1.0);
  QCOMPARE(QApplication::focusWidget(), &ventana_->escenario());
  QCOMPARE(ventana_->escenario().objectName(), QStringLiteral("escenario"));
}

void VentanaTest::iconoYSonidosLleganTrasElPrimerPintado() {
  // Nothing slow comes before the first paint: the logo becomes the window's
  // icon and the sound effects load right after it.
  Abrir();
  QTRY_VERIFY(!ventana_->windowIcon().isNull());
  QTRY_COMPARE(ventana_->plataforma().Sonidos().Cargados(), ReproductorSonidos::kCantidad);
}

void VentanaTest::sinSonidoNoSeCargaNingunEfecto() {
  // With the sound switched off in the settings no effect is loaded.
  Abrir("[OROKORRA]\nAZKENA=" + Hoy().toLatin1() + "\nSOINUA=N\n");
  QTRY_VERIFY(!ventana_->windowIcon().isNull());
  QCOMPARE(ventana_->plataforma().Sonidos().Cargados(), 0);
}

void VentanaTest::acercaDeMuestraLosCreditosSobreLaVentana() {
  // "Acerca de..." shows the credits modally, centred over the main window;
  // a key closes them and the command returns.
  Abrir();
  bool visto = false;
  bool modal = false;
  QPoint centro;
  QTimer::singleShot(0, this, [&] {
    QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
    auto* creditos = qobject_cast<VentanaCreditos*>(QApplication::activeModalWidget());
    if (!creditos) return;
    visto = true;
    modal = creditos->isModal() && creditos->parentWidget() == ventana_.get();
    centro = creditos->frameGeometry().center();
    QTest::keyClick(creditos, Qt::Key_Escape);
  });
  Accion("MnuAbout")->trigger();
  QVERIFY(visto);
  QVERIFY(modal);
  QVERIFY((centro - ventana_->frameGeometry().center()).manhattanLength() <= 4);
  QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void VentanaTest::arranqueAnunciaElMinutoDiarioEnUnaCajaEnEspanol() {
  // A first start of the day shows the award over the window with the
  // game's title and an "Aceptar" button; the menu then counts the minute.
  Contestador contestador({QStringLiteral("Aceptar")});
  Abrir(QByteArray(""));
  QVERIFY(contestador.Agotado());
  QCOMPARE(contestador.vistas.size(), 1);
  const auto& caja = contestador.vistas.front();
  QCOMPARE(caja.titulo, QStringLiteral("Tumbla 3.0 Dilatorus"));
  QCOMPARE(caja.icono, QMessageBox::Information);
  QCOMPARE(caja.botones, QStringList{QStringLiteral("Aceptar")});
  QCOMPARE(caja.texto, QStringLiteral("Enhorabuena! Acabas de obtener otro minuto extra.\n\n"
                                      "Ya tienes 1 minutos extra acumulados."));
  QCOMPARE(Accion("mnuMinutos")->text(), QStringLiteral("Minutos extra: 1"));
  QCOMPARE(ValorIni(QStringLiteral("AZKENA")), Hoy());
}

void VentanaTest::menusTienenSusTitulosOrdenYAtajos() {
  // "Juego" and "Opciones" hold their items in order, with F2 and F1, the
  // check marks of the defaults and the minute count as a caption.
  Abrir();
  const QList<QAction*> barra = ventana_->menuBar()->actions();
  QCOMPARE(barra.size(), 2);
  QCOMPARE(barra[0]->text(), QStringLiteral("Juego"));
  QCOMPARE(barra[1]->text(), QStringLiteral("Opciones"));

  QStringList juego;
  for (QAction* a : barra[0]->menu()->actions()) juego << a->text() + "|" + a->shortcut().toString();
  QCOMPARE(juego, (QStringList{"Nuevo|F2", "Ayuda|F1", "Acerca de...|"}));

  QStringList opciones;
  for (QAction* a : barra[1]->menu()->actions()) {
    opciones << (a->isSeparator() ? QStringLiteral("-")
                                  : a->text() + (a->isChecked() ? QStringLiteral(" [x]") : QString()));
  }
  QCOMPARE(opciones, (QStringList{"Normal [x]", "Difícil", "-", "Sonido (S) [x]", "-",
                                  "Minutos extra: 3", "-", "Reset"}));
  QVERIFY(Accion("mnuReset")->shortcut().isEmpty());
  QVERIFY(Accion("MSound")->shortcut().isEmpty());
}

void VentanaTest::ajustesGuardadosPonenLasMarcasAlArrancar() {
  // Sound off and the hard set stored in the file show as check marks; a
  // set the game does not know leaves Normal checked and in force.
  Abrir("[OROKORRA]\nAZKENA=" + Hoy().toLatin1() + "\nSOINUA=N\nZAILTASUNA=Z\n");
  QVERIFY(!Accion("MSound")->isChecked());
  QVERIFY(!Accion("MnuBloq0")->isChecked());
  QVERIFY(Accion("MnuBloq1")->isChecked());
  QCOMPARE(ventana_->juego().estado().NumTiposFicha, 25);

  ventana_.reset();
  Abrir("[OROKORRA]\nAZKENA=" + Hoy().toLatin1() + "\nZAILTASUNA=X\n");
  QVERIFY(Accion("MnuBloq0")->isChecked());
  QVERIFY(!Accion("MnuBloq1")->isChecked());
  QCOMPARE(ventana_->juego().estado().NumTiposFicha, 7);
  QCOMPARE(ValorIni(QStringLiteral("ZAILTASUNA")), QStringLiteral("X"));
}

void VentanaTest::dificilYNormalCambianElJuegoYElArchivo() {
  // Each set checks itself alone, takes effect in the game and is stored;
  // choosing the set already checked keeps it checked.
  Abrir();
  Accion("MnuBloq1")->trigger();
  QVERIFY(Accion("MnuBloq1")->isChecked());
  QVERIFY(!Accion("MnuBloq0")->isChecked());
  QCOMPARE(ventana_->juego().estado().NumTiposFicha, 25);
  QCOMPARE(ValorIni(QStringLiteral("ZAILTASUNA")), QStringLiteral("Z"));

  Accion("MnuBloq1")->trigger();
  QVERIFY(Accion("MnuBloq1")->isChecked());

  Accion("MnuBloq0")->trigger();
  QVERIFY(Accion("MnuBloq0")->isChecked());
  QVERIFY(!Accion("MnuBloq1")->isChecked());
  QCOMPARE(ventana_->juego().estado().PrimerTipoFicha, 19);
  QCOMPARE(ValorIni(QStringLiteral("ZAILTASUNA")), QStringLiteral("N"));
}

void VentanaTest::sonidoDelMenuCambiaElModeloYElArchivo() {
  // "Sonido (S)" flips its check mark, the game's switch and the stored value.
  Abrir();
  Accion("MSound")->trigger();
  QVERIFY(!Accion("MSound")->isChecked());
  QVERIFY(!ventana_->juego().pantalla().menuSonido);
  QCOMPARE(ValorIni(QStringLiteral("SOINUA")), QStringLiteral("N"));
  Accion("MSound")->trigger();
  QVERIFY(Accion("MSound")->isChecked());
  QCOMPARE(ValorIni(QStringLiteral("SOINUA")), QStringLiteral("S"));
}

void VentanaTest::teclaSCambiaElSonidoUnaVezPorPulsacion() {
  // One press of S flips the sound once, held-down repeats do nothing, and
  // with the shutter up the shutter's own handler does not flip it back.
  Abrir();
  Escenario& s = ventana_->escenario();
  QTest::keyClick(&s, Qt::Key_S);
  QVERIFY(!Accion("MSound")->isChecked());
  QCOMPARE(ValorIni(QStringLiteral("SOINUA")), QStringLiteral("N"));

  QTest::simulateEvent(&s, true, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"), true);
  QTest::simulateEvent(&s, true, Qt::Key_S, Qt::NoModifier, QStringLiteral("s"), true);
  QVERIFY(!Accion("MSound")->isChecked());

  Pantalla& p = ventana_->juego().pantalla();
  p.persianaVisible = true;
  p.filasPersiana = 3;
  p.textoPersiana = "Pulsa <INTRO> para continuar.";
  p.panelCambiado = true;
  ventana_->Refrescar();
  QTest::keyClick(&s, Qt::Key_S);
  QVERIFY(Accion("MSound")->isChecked());
  QVERIFY(p.menuSonido);
  QCOMPARE(ValorIni(QStringLiteral("SOINUA")), QStringLiteral("S"));
}

void VentanaTest::teclaF3PausaYReanudaUnaVezPorPulsacion() {
  // F3 pauses at the next tick and shows "PAUSA (F3)"; a held-down F3 does
  // not resume; the next press does, and the label goes.
  Abrir();
  TableroClasico();
  Entrar(Catalogo::EntradaLista(19));
  Escenario& s = ventana_->escenario();
  const QImage antes = Pantallazo().copy(escena::Pausa().toRect());

  QTest::keyClick(&s, Qt::Key_F3);
  QCOMPARE(QString::fromStdString(ventana_->juego().estado().Orden), QStringLiteral("pause"));
  ventana_->juego().TickJuego();
  ventana_->Refrescar();
  QVERIFY(ventana_->juego().estado().Pausado);
  QVERIFY(Pantallazo().copy(escena::Pausa().toRect()) != antes);

  QTest::simulateEvent(&s, true, Qt::Key_F3, Qt::NoModifier, QString(), true);
  QVERIFY(ventana_->juego().estado().Pausado);

  QTest::keyClick(&s, Qt::Key_F3);
  QVERIFY(!ventana_->juego().estado().Pausado);
  QVERIFY(ventana_->plataforma().Reloj(Temporizador::Juego).isActive());
  QCOMPARE(Pantallazo().copy(escena::Pausa().toRect()), antes);
}

void VentanaTest::resetRespondidoCancelarNoTocaElProgreso() {
  // Reset asks twice, Cancel the default both times; Cancel at either
  // question leaves the progress, two "Aceptar" clear it.
  Abrir("[OROKORRA]\nAZKENA=" + Hoy().toLatin1() + "\nAMAITUTAKOA=57\n");
  {
    Contestador contestador({QStringLiteral("Cancelar")});
    Accion("mnuReset")->trigger();
    QVERIFY(contestador.Agotado());
    const auto& caja = contestador.vistas.front();
    QCOMPARE(caja.titulo, QStringLiteral("Tumbla 3.0 Dilatorus"));
    QCOMPARE(caja.texto, QStringLiteral("¿Quieres resetear el juego?"));
    QCOMPARE(caja.icono, QMessageBox::Question);
    QCOMPARE(caja.botones, (QStringList{"Aceptar", "Cancelar"}));
    QCOMPARE(caja.porDefecto, QStringLiteral("Cancelar"));
    QCOMPARE(ValorIni(QStringLiteral("AMAITUTAKOA")), QStringLiteral("57"));
  }
  {
    Contestador contestador({QStringLiteral("Aceptar"), QStringLiteral("Cancelar")});
    Accion("mnuReset")->trigger();
    QVERIFY(contestador.Agotado());
    const auto& caja = contestador.vistas.back();
    QCOMPARE(caja.texto, QStringLiteral("¿Estás seguro/a?"));
    QCOMPARE(caja.icono, QMessageBox::Warning);
    QCOMPARE(caja.porDefecto, QStringLiteral("Cancelar"));
    QCOMPARE(ValorIni(QStringLiteral("AMAITUTAKOA")), QStringLiteral("57"));
  }
  {
    Contestador contestador({QStringLiteral("Aceptar"), QStringLiteral("Aceptar")});
    Accion("mnuReset")->trigger();
    QVERIFY(contestador.Agotado());
    QCOMPARE(ValorIni(QStringLiteral("AMAITUTAKOA")), QStringLiteral("0"));
  }
}

void VentanaTest::resetDuranteUnaPartidaSoloAvisa() {
  // During a level Reset only warns, with an "Aceptar" button alone.
  Abrir("[OROKORRA]\nAZKENA=" + Hoy().toLatin1() + "\nAMAITUTAKOA=57\n");
  TableroClasico();
  Contestador contestador({QStringLiteral("Aceptar")});
  Accion("mnuReset")->trigger();
  QVERIFY(contestador.Agotado());
  const auto& caja = contestador.vistas.front();
  QCOMPARE(caja.texto, QStringLiteral("Para esta opción debes haber finalizado la partida."));
  QCOMPARE(caja.icono, QMessageBox::Warning);
  QCOMPARE(caja.botones, QStringList{QStringLiteral("Aceptar")});
  QCOMPARE(ValorIni(QStringLiteral("AMAITUTAKOA")), QStringLiteral("57"));
}

void VentanaTest::tableroPintaCadaColorEnSuCeldaTrasMoverLaPieza() {
  // Landed blocks show their colours in their own cells; after moves on the
  // keyboard the falling piece shows at its new cells and nothing stays
  // behind at the old ones; the walls show nothing.
  Abrir();
  TableroClasico();
  Juego& j = ventana_->juego();
  for (int c = 1; c <= 8; ++c) j.EscribirCelda(kBaseFilaInferior + c, static_cast<int16_t>(c));
  const int fila = Catalogo::EntradaLista(19);
  Entrar(fila);
  QList<int> antes;
  for (int k = 1; k <= Catalogo::NumCeldas(fila); ++k) antes << kCeldaEntrada + j.catalogo().Desplazamiento(fila, k);

  // Whatever the window had to paint is on screen before the moves, so
  // what follows shows only what the moves repainted.
  Pantallazo();
  Escenario& s = ventana_->escenario();
  QTest::keyClick(&s, Qt::Key_Left);
  QTest::keyClick(&s, Qt::Key_Left);
  for (int k = 0; k < 4; ++k) QTest::keyClick(&s, Qt::Key_Down);
  const int posicion = kCeldaEntrada - 2 + 4 * kAncho;
  QCOMPARE(int(j.estado().Posicion), posicion);

  const QImage img = Pantallazo();
  const QColor vacia = Centro(img, 200);
  for (int c = 1; c <= 8; ++c) {
    QCOMPARE(Centro(img, kBaseFilaInferior + c), ColorCara(c));
    QVERIFY(Centro(img, kBaseFilaInferior + c) != vacia);
  }
  const QColor color = ColorCara(j.catalogo().Color(fila));
  QList<int> ahora;
  for (int k = 1; k <= Catalogo::NumCeldas(fila); ++k) {
    const int i = posicion + j.catalogo().Desplazamiento(fila, k);
    ahora << i;
    QCOMPARE(Centro(img, i), color);
  }
  for (int i : antes) {
    if (!ahora.contains(i)) QCOMPARE(Centro(img, i), vacia);
  }
  QCOMPARE(Centro(img, 13 * 5), Centro(img, 13 * 5 + 12));  // both walls
  QVERIFY(Centro(img, 13 * 5) != ColorCara(kMuro));
  QVERIFY(Centro(img, 318) != ColorCara(kMuro));  // the floor
}

void VentanaTest::temporizadorDeJuegoHaceCaerLaPiezaEnPantalla() {
  // The play timer's ticks reach the game, and each fall shows on screen.
  Abrir();
  TableroClasico();
  const int fila = Catalogo::EntradaLista(20);
  Entrar(fila);
  Juego& j = ventana_->juego();
  j.PonerTemporizador(Temporizador::Juego, true, 20);
  QTRY_VERIFY(j.estado().Posicion >= kCeldaEntrada + 3 * kAncho);
  j.PonerTemporizador(Temporizador::Juego, false, 20);
  const QImage img = Pantallazo();
  for (int k = 1; k <= Catalogo::NumCeldas(fila); ++k) {
    QCOMPARE(Centro(img, j.estado().Posicion + j.catalogo().Desplazamiento(fila, k)),
             ColorCara(j.catalogo().Color(fila)));
  }
}

void VentanaTest::panelMuestraSiguienteObjetivoYTipoDeJuego() {
  // The preview shows the next piece in its colour, handicap icons sit
  // 300 twips apart, and the game-type label has its pale colour behind it.
  Abrir();
  TableroClasico();
  Juego& j = ventana_->juego();
  Pantalla& p = j.pantalla();
  Entrar(Catalogo::EntradaLista(19));
  p.imgObstaculo = {kIconBloquesExtra, kIconSubirNivel, 0, 0, 0};
  p.lblTipoJuego = {"001: CLASIC", true};
  p.colorTipoJuego = 0xC0E0FF;
  p.panelCambiado = true;
  ventana_->Refrescar();

  const QImage img = Pantallazo();
  const QColor siguiente = ColorCara(j.catalogo().Color(j.estado().FichaSiguiente));
  int pintadas = 0;
  for (int k = 0; k < 20; ++k) {
    const QPoint centro = escena::CeldaNext(k).center().toPoint();
    if (p.imgNext[static_cast<size_t>(k)] != kSinImagen) {
      QCOMPARE(img.pixelColor(centro), siguiente);
      ++pintadas;
    } else {
      QVERIFY(img.pixelColor(centro) != siguiente);
    }
  }
  QVERIFY(pintadas >= 4);

  const QRect uno = escena::Obstaculo(0).toRect();
  const QRect dos = escena::Obstaculo(1).toRect();
  QCOMPARE(dos.left() - uno.left(), 300 / 15);
  QVERIFY(img.copy(uno) != img.copy(dos));
  QVERIFY(img.copy(escena::Obstaculo(2).toRect()) != img.copy(uno));

  const QRectF tipo = escena::TipoJuego();
  QCOMPARE(img.pixelColor(QPoint(int(tipo.left()) + 8, int(tipo.center().y()))), ColorBgr(0xC0E0FF));
}

void VentanaTest::marcoSigueAlModelo() {
  // The frame surrounds the whole board or only the square, grey or red as
  // the game says, just outside the cells.
  Abrir();
  TableroClasico();
  Pantallazo();  // the start-up painting is done
  Pantalla& p = ventana_->juego().pantalla();
  const QPoint sobreFila0(17 + 40, 16 - 1);
  const QPoint sobreFila13(17 + 40, 16 + 13 * 17 - 1);

  p.marcoVisible = true;
  p.marcoCuadrado = false;
  p.colorMarco = kColorGris;
  p.panelCambiado = true;
  ventana_->Refrescar();
  QImage img = Pantallazo();
  QCOMPARE(img.pixelColor(sobreFila0), ColorBgr(kColorGris));
  QVERIFY(img.pixelColor(sobreFila13) != ColorBgr(kColorGris));

  p.marcoCuadrado = true;
  p.colorMarco = kColorRojo;
  p.panelCambiado = true;
  ventana_->Refrescar();
  img = Pantallazo();
  QCOMPARE(img.pixelColor(sobreFila13), QColor(255, 0, 0));
  QVERIFY(img.pixelColor(sobreFila0) != QColor(255, 0, 0));
  QVERIFY(img.pixelColor(sobreFila0) != ColorBgr(kColorGris));
}

void VentanaTest::agrandarLaVentanaEscalaElTablero() {
  // A window twice as large paints the same board twice as large, blocks
  // at the doubled positions with their flat faces intact.
  Abrir();
  TableroClasico();
  Juego& j = ventana_->juego();
  j.EscribirCelda(kBaseFilaInferior + 1, 3);
  j.EscribirCelda(kBaseFilaInferior + 11, 6);
  ventana_->Refrescar();
  ventana_->resize(2 * 349, 2 * 466 + ventana_->menuBar()->height());
  QTRY_COMPARE(ventana_->escenario().size(), QSize(2 * 349, 2 * 466));
  QCOMPARE(ventana_->escenario().Escala(), 2.0);
  const QImage img = Pantallazo();
  QCOMPARE(Centro(img, kBaseFilaInferior + 1, 2), ColorCara(3));
  QCOMPARE(Centro(img, kBaseFilaInferior + 11, 2), ColorCara(6));
  // The face reaches from the bevel to the bevel: 6 px of bevel at this size.
  const int x = 11 * 34;
  const int y = (240 / 15 + 23 * 17) * 2;
  QCOMPARE(img.pixelColor(x + 17, y + 7), ColorCara(6));
  QVERIFY(img.pixelColor(x + 17, y + 4) != ColorCara(6));
}

void VentanaTest::persianaBajaYIntroPasaAlNivelSiguiente() {
  // A completed level lowers the shutter over the empty rows, one row per
  // twentieth of a second, keeping the window painted; ENTER on it starts
  // the next position.
  Abrir();
  TableroClasico();
  Juego& j = ventana_->juego();
  j.EscribirCelda(5 * kAncho + 4, 2);  // the shutter stops above row 5
  QElapsedTimer cronometro;
  cronometro.start();
  j.NivelCompletado();
  ventana_->Refrescar();
  QVERIFY(cronometro.elapsed() >= 5 * 50 - 10);
  const Pantalla& p = j.pantalla();
  QVERIFY(p.persianaVisible);
  QCOMPARE(p.filasPersiana, 5);
  QCOMPARE(QString::fromStdString(p.textoPersiana), QStringLiteral("Pulsa <INTRO> para continuar."));

  const QImage img = Pantallazo();
  const QColor persiana = img.pixelColor(17 + 4, 16 + 4);
  QVERIFY(persiana != Centro(img, 8 * kAncho + 3));
  QCOMPARE(img.pixelColor(17 + 4, 16 + 4 * 17 + 8), persiana);  // row 4, under the shutter
  QVERIFY(img.pixelColor(17 + 4, 16 + 6 * 17 + 8) != persiana);  // row 6, below it

  QTest::keyClick(&ventana_->escenario(), Qt::Key_Return);
  QVERIFY(!p.persianaVisible);
  QCOMPARE(int(j.estado().NivelActual), 2);
  QVERIFY(j.estado().Jugando);
  QVERIFY(Pantallazo().pixelColor(17 + 4, 16 + 4) != persiana);
}

void VentanaTest::clicEnLaPersianaPasaAlNivelSiguiente() {
  // A click on the waiting shutter starts the next position; a click on the
  // board beside it does nothing.
  Abrir();
  TableroClasico();
  Juego& j = ventana_->juego();
  j.EscribirCelda(2 * kAncho + 4, 2);
  j.NivelCompletado();
  ventana_->Refrescar();
  QCOMPARE(j.pantalla().filasPersiana, 2);
  QTest::mouseClick(&ventana_->escenario(), Qt::LeftButton, {}, QPoint(100, 16 + 3 * 17 + 8));
  QVERIFY(j.pantalla().persianaVisible);
  QTest::mouseClick(&ventana_->escenario(), Qt::LeftButton, {}, QPoint(100, 16 + 17));
  QVERIFY(!j.pantalla().persianaVisible);
  QCOMPARE(int(j.estado().NivelActual), 2);
}

void VentanaTest::nuevoConF2AbreLaVentanaDeNiveles() {
  // F2 with no level in play opens the level window modally over the main
  // window; Escape closes it and the main window takes the keys again.
  Abrir();
  QPointer<DialogoNiveles> visto;
  bool modal = false;
  QTimer::singleShot(0, this, [&] {
    QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
    visto = qobject_cast<DialogoNiveles*>(QApplication::activeModalWidget());
    if (!visto) return;
    modal = visto->isModal() && visto->parentWidget() == ventana_.get();
    QTest::keyClick(visto, Qt::Key_Escape);
  });
  QTest::keyClick(&ventana_->escenario(), Qt::Key_F2);
  QVERIFY(visto);
  QVERIFY(modal);
  QVERIFY(!visto->isVisible());
  QVERIFY(!ventana_->juego().estado().Jugando);
  QCOMPARE(ventana_->focusWidget(), &ventana_->escenario());  // once active again
}

void VentanaTest::cerrarLaVentanaAcabaLaEsperaDeLaPersiana() {
  // Closing the window while the shutter slides ends the slide at once,
  // stops the timers, and shows no more boxes.
  Abrir();
  TableroClasico();
  Juego& j = ventana_->juego();
  j.PonerTemporizador(Temporizador::Juego, true, 300);
  QTimer::singleShot(60, ventana_.get(), [this] { ventana_->close(); });
  QElapsedTimer cronometro;
  cronometro.start();
  j.NivelCompletado();  // an empty board: 24 rows, 1.2 s when nothing stops it
  QVERIFY(cronometro.elapsed() < 800);
  QVERIFY(ventana_->plataforma().Terminando());
  QVERIFY(!ventana_->plataforma().Reloj(Temporizador::Juego).isActive());
  QVERIFY(!ventana_->plataforma().pregunta(Icono::Pregunta, "Tumbla", "¿Seguro?"));
}

void VentanaTest::temporizadoresConIntervaloCeroNoDisparan() {
  // An interval of 0 leaves the Qt timer stopped; other intervals run it,
  // and switching off stops it.
  Abrir();
  PlataformaQt& q = ventana_->plataforma();
  q.temporizador(Temporizador::BloqueExtra, true, 0);
  QVERIFY(!q.Reloj(Temporizador::BloqueExtra).isActive());
  q.temporizador(Temporizador::Gota, true, 100);
  QVERIFY(q.Reloj(Temporizador::Gota).isActive());
  QCOMPARE(q.Reloj(Temporizador::Gota).interval(), 100);
  q.temporizador(Temporizador::Gota, true, 250);
  QCOMPARE(q.Reloj(Temporizador::Gota).interval(), 250);
  q.temporizador(Temporizador::Gota, false, 250);
  QVERIFY(!q.Reloj(Temporizador::Gota).isActive());
}

void VentanaTest::cajasTienenBotonesEnEspanolYCancelarPorDefecto() {
  // A question answers true only for "Aceptar"; Escape counts as Cancel; a
  // message has "Aceptar" alone; carriage returns become line breaks.
  Abrir();
  PlataformaQt& q = ventana_->plataforma();
  {
    Contestador contestador({QStringLiteral("Aceptar")});
    QVERIFY(q.pregunta(Icono::Pregunta, "Título", "Uno\r\rDos"));
    QCOMPARE(contestador.vistas.front().titulo, QStringLiteral("Título"));
    QCOMPARE(contestador.vistas.front().texto, QStringLiteral("Uno\n\nDos"));
    QCOMPARE(contestador.vistas.front().porDefecto, QStringLiteral("Cancelar"));
  }
  {
    Contestador contestador({QStringLiteral("Cancelar")});
    QVERIFY(!q.pregunta(Icono::Exclamacion, "T", "¿Seguro?"));
  }
  {
    QTimer::singleShot(0, this, [] {
      QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
      QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
    });
    QVERIFY(!q.pregunta(Icono::Pregunta, "T", "¿Seguro?"));
  }
  {
    Contestador contestador({QStringLiteral("Aceptar")});
    q.mensaje(Icono::Informacion, "T", "GAME OVER");
    QCOMPARE(contestador.vistas.front().botones, QStringList{QStringLiteral("Aceptar")});
    QCOMPARE(contestador.vistas.front().icono, QMessageBox::Information);
  }
}

void VentanaTest::abrirEntregaUrlsYArchivosAlEscritorio() {
  // Addresses go to the desktop as they are; a path goes as a file URL.
  Abrir();
  Escritorio escritorio;
  QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &escritorio, "Abrir");
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &escritorio, "Abrir");
  PlataformaQt& q = ventana_->plataforma();
  QVERIFY(q.abrir("mailto:tumbla@example.org"));
  const QString ruta = carpeta_->filePath(QStringLiteral("con espacio/Instrucciones.htm"));
  QVERIFY(q.abrir(ruta.toStdString()));
  QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  QCOMPARE(escritorio.abiertas.size(), 2);
  QCOMPARE(escritorio.abiertas[0], QUrl(QStringLiteral("mailto:tumbla@example.org")));
  QCOMPARE(escritorio.abiertas[1], QUrl::fromLocalFile(ruta));
}

void VentanaTest::teclasQtSeTraducenALosCodigosDelJuego() {
  // Every key of the game's tables reaches it under its own code; keys the
  // game has no code for give 0; S and F3 act once per press, arrows repeat.
  const QList<QPair<int, int>> tabla = {
      {Qt::Key_Left, 37}, {Qt::Key_Up, 38},     {Qt::Key_Right, 39}, {Qt::Key_Down, 40},
      {Qt::Key_Space, 32}, {Qt::Key_3, 51},     {Qt::Key_4, 52},     {Qt::Key_A, 65},
      {Qt::Key_O, 79},    {Qt::Key_P, 80},      {Qt::Key_Q, 81},     {Qt::Key_S, 83},
      {Qt::Key_F1, 112},  {Qt::Key_F2, 113},    {Qt::Key_F3, 114},   {Qt::Key_Return, 13},
      {Qt::Key_Enter, 13}, {Qt::Key_Escape, 27}, {Qt::Key_Z, 90},     {Qt::Key_0, 48},
  };
  for (const auto& [qt, codigo] : tabla) QCOMPARE(CodigoTecla(qt), codigo);
  QCOMPARE(CodigoTecla(Qt::Key_Shift), 0);
  QCOMPARE(CodigoTecla(Qt::Key_Tab), 0);
  QVERIFY(UnaVezPorPulsacion(83));
  QVERIFY(UnaVezPorPulsacion(114));
  QVERIFY(!UnaVezPorPulsacion(37));
  QVERIFY(!UnaVezPorPulsacion(40));
}

QTEST_MAIN(VentanaTest)
#include "VentanaTest.moc"
