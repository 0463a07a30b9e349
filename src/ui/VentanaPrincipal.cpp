// The main window.
#include "ui/VentanaPrincipal.h"

#include <QAction>
#include <QApplication>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include "autoplay/Conductor.h"
#include "autoplay/Pista.h"
#include "motor/Juego.h"
#include "progress/Ayuda.h"
#include "progress/CodigosTecla.h"
#include "ui/Escenario.h"
#include "ui/Mando.h"
#include "ui/PlataformaQt.h"
#include "ui/Sonidos.h"
#include "ui/Teclas.h"

namespace tumbla::ui {

namespace {
QString Texto(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
constexpr const char* kLogo = ":/pictures/tumbla.svg";
}  // namespace

VentanaPrincipal::VentanaPrincipal(const QString& rutaIni, QWidget* parent)
    : QMainWindow(parent),
      plataforma_(new PlataformaQt(this)),
      // The core opens the file with narrow-character paths: the local
      // 8-bit encoding is what the C library expects.
      juego_(std::make_unique<Juego>(*plataforma_, rutaIni.toStdString())),
      pista_(std::make_unique<Pista>()),
      escenario_(new Escenario(juego_->pantalla(), this)),
      mando_(new Mando(this)) {
  setObjectName(QStringLiteral("frmMain"));
  new CorrectorRepeticiones(this);
  setWindowTitle(QString::fromUtf8(kTituloVentana));
  setCentralWidget(escenario_);
  juego_->PonerConsejero(pista_.get());
  CrearMenus();
  plataforma_->Conectar(juego_.get(), [this] { TrasLlamada(); });
  // A pad's buttons are commands, as menu items are.
  connect(mando_, &Mando::comando, this, &VentanaPrincipal::Orden);
  // When a box or window of the game closes, the arrows move the piece again.
  connect(plataforma_, &PlataformaQt::cerrada, escenario_, [this] { escenario_->setFocus(); });
  ausencia_.setSingleShot(true);
  ausencia_.setInterval(250);
  connect(&ausencia_, &QTimer::timeout, this, &VentanaPrincipal::MirarFoco);
  recordarSitio_.setSingleShot(true);
  recordarSitio_.setInterval(500);
  connect(&recordarSitio_, &QTimer::timeout, this, &VentanaPrincipal::RecordarSitio);

  escenario_->alPulsarTecla = [this](QKeyEvent& e) { return Tecla(e); };
  escenario_->alPulsarPersiana = [this] { Orden(Comando::Continuar); };
  // During a demo a click anywhere on the board only ends it.
  escenario_->alHacerClic = [this] {
    if (!juego_->vista().demo().activa) return false;
    plataforma_->Llamar([](Juego& juego) { juego.Clic(); });
    return true;
  };
  relojDemo_.setInterval(15);
  connect(&relojDemo_, &QTimer::timeout, this, &VentanaPrincipal::PasoDemostracion);
  escenario_->setFocus();

  // The window opens at the game's own size: the scene at natural size
  // under the menu bar.
  const QSize escena = escenario_->sizeHint();
  resize(escena.width(), escena.height() + menuBar()->sizeHint().height());

  // What can wait does wait until the window is on screen.
  connect(escenario_, &Escenario::primerPintado, this, [this] {
    QTimer::singleShot(0, this, [this] {
      if (QFile::exists(QString::fromLatin1(kLogo))) setWindowIcon(QIcon(QString::fromLatin1(kLogo)));
    });
  });
}

VentanaPrincipal::~VentanaPrincipal() {
  // Whatever shows for the game closes unanswered; the computer's driver
  // and then the game go before the widgets that paint it.
  plataforma_->Terminar();
  plataforma_->Conectar(nullptr, {});
  relojDemo_.stop();
  demo_.reset();
  juego_->PonerConsejero(nullptr);
  juego_.reset();
}

void VentanaPrincipal::Colocar() {
  // Where the game remembers the window, when that still lies on a screen.
  const Geometria& g = juego_->vista().ajustes().Ventana();
  const QRect sitio(g.x, g.y, g.ancho, g.alto);
  for (const QScreen* pantalla : QGuiApplication::screens()) {
    if (g.Valida() && pantalla->availableGeometry().intersects(sitio)) {
      setGeometry(sitio);
      break;
    }
  }
  if (juego_->vista().ajustes().PantallaCompleta()) setWindowState(windowState() | Qt::WindowFullScreen);
}

void VentanaPrincipal::RecordarSitio() {
  // Its place and size as a plain window, whatever state it is in now.
  const QRect r = isMinimized() || isFullScreen() || isMaximized() ? normalGeometry() : geometry();
  if (r.isValid()) juego_->RecordarVentana({r.x(), r.y(), r.width(), r.height()});
}

void VentanaPrincipal::moveEvent(QMoveEvent* evento) {
  QMainWindow::moveEvent(evento);
  if (isVisible()) recordarSitio_.start();
}

void VentanaPrincipal::resizeEvent(QResizeEvent* evento) {
  QMainWindow::resizeEvent(evento);
  if (isVisible()) recordarSitio_.start();
}

void VentanaPrincipal::changeEvent(QEvent* evento) {
  QMainWindow::changeEvent(evento);
  if (evento->type() == QEvent::ActivationChange || evento->type() == QEvent::WindowStateChange) {
    // Looked at a moment later: a box of the game's opening or closing
    // passes the focus back and forth on the way.
    ausencia_.start();
  }
}

void VentanaPrincipal::MirarFoco() {
  // Another program's window took the focus, or the window went down to the
  // task bar: a game in play pauses, a demo ends, and the pads wait. A
  // window of the game's own (a box, the help) is no absence.
  const QWidget* activa = QApplication::activeWindow();
  const bool nuestra = isActiveWindow() || (activa != nullptr && activa->parentWidget() == this);
  const bool fuera = isMinimized() || !nuestra;
  mando_->Suspender(fuera);
  if (fuera) Orden(Comando::Ausencia);
}

void VentanaPrincipal::PantallaCompleta(bool completa) {
  if (completa == isFullScreen()) return;
  setWindowState(completa ? (windowState() | Qt::WindowFullScreen) : (windowState() & ~Qt::WindowFullScreen));
}

void VentanaPrincipal::Orden(Comando c) {
  plataforma_->Llamar([c](Juego& juego) { juego.Ejecutar(c); });
}

void VentanaPrincipal::TrasLlamada() {
  SeguirDemostracion();
  Refrescar();
}

void VentanaPrincipal::SeguirDemostracion() {
  const bool activa = juego_->vista().demo().activa;
  if (activa && !demo_) {
    // The computer's commands are its own: they do not end the demo.
    demo_ = std::make_unique<Conductor>(
        *juego_, [this](Comando c) { juego_->Ejecutar(c, Quien::Maquina); }, /*ritmoPersona=*/true);
    tiempoDemo_.start();
    relojDemo_.start();
  } else if (!activa && demo_) {
    relojDemo_.stop();
    demo_.reset();
  }
}

void VentanaPrincipal::PasoDemostracion() {
  if (plataforma_->Terminando() || !demo_) return;
  // The game's own timers repaint what they change; a step repaints only
  // when the computer pressed a key.
  int64_t siguiente = 0;
  if (demo_->Paso(tiempoDemo_.elapsed(), siguiente)) {
    plataforma_->Atender();
  } else {
    SeguirDemostracion();
  }
}

QAction* VentanaPrincipal::Accion(QMenu* menu, const QString& texto, const char* nombre, Comando c,
                                  const QKeySequence& atajo, bool marcable) {
  QAction* a = menu->addAction(texto);
  a->setObjectName(QString::fromLatin1(nombre));
  a->setShortcut(atajo);
  a->setCheckable(marcable);
  connect(a, &QAction::triggered, this, [this, c] { Orden(c); });
  return a;
}

void VentanaPrincipal::CrearMenus() {
  // Alt and the underlined letter open a menu, as F10 opens the first.
  QMenu* juego = menuBar()->addMenu(QStringLiteral("&Juego"));
  juego->setObjectName(QStringLiteral("menuJuego"));
  Accion(juego, QStringLiteral("&Nuevo"), "MnuNew", Comando::Nuevo, Qt::Key_F2);
  Accion(juego, QStringLiteral("A&yuda"), "MnuComo", Comando::Ayuda, Qt::Key_F1);
  Accion(juego, QStringLiteral("&Acerca de..."), "MnuAbout", Comando::AcercaDe);
  Accion(juego, QStringLiteral("&Demostración"), "MnuDemo", Comando::Demostracion);
  juego->addSeparator();
  QAction* salir = juego->addAction(QStringLiteral("&Salir"));
  salir->setObjectName(QStringLiteral("mnuSalir"));
  salir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(salir, &QAction::triggered, this, &QWidget::close);

  QMenu* opciones = menuBar()->addMenu(QStringLiteral("&Opciones"));
  opciones->setObjectName(QStringLiteral("menuOpciones"));
  mnuNormal_ = Accion(opciones, QStringLiteral("&Normal"), "MnuBloq0", Comando::Normal, {}, true);
  mnuDificil_ = Accion(opciones, QStringLiteral("&Difícil"), "MnuBloq1", Comando::Dificil, {}, true);
  auto* piezas = new QActionGroup(this);
  piezas->addAction(mnuNormal_);
  piezas->addAction(mnuDificil_);
  opciones->addSeparator();
  mnuSonido_ = Accion(opciones, QStringLiteral("S&onido (S)"), "MSound", Comando::Sonido, {}, true);
  opciones->addSeparator();
  // The extra-minute count: a caption, not a command.
  mnuMinutos_ = opciones->addAction(QString());
  mnuMinutos_->setObjectName(QStringLiteral("mnuMinutos"));
  opciones->addSeparator();
  Accion(opciones, QStringLiteral("&Reset"), "mnuReset", Comando::Reset);
  opciones->addSeparator();
  mnuSombra_ = Accion(opciones, QStringLiteral("Sombra de la &pieza"), "mnuSombra", Comando::Sombra, {}, true);
  mnuPista_ = Accion(opciones, QStringLiteral("P&ista"), "mnuPista", Comando::Pista, {}, true);
  opciones->addSeparator();
  Accion(opciones, QStringLiteral("&Teclas..."), "mnuTeclas", Comando::Teclas);
  mnuCompleta_ = Accion(opciones, QStringLiteral("Pantalla &completa"), "mnuPantallaCompleta",
                        Comando::PantallaCompleta, Qt::Key_F11, true);
  for (QMenu* menu : {juego, opciones}) {
    // Once a menu closes, the arrows move the piece again.
    connect(menu, &QMenu::aboutToHide, escenario_, [this] { escenario_->setFocus(); });
  }
  auto* f10 = new QShortcut(Qt::Key_F10, this);
  connect(f10, &QShortcut::activated, this, [this, juego] {
    menuBar()->setFocus();
    menuBar()->setActiveAction(juego->menuAction());
  });

  // The sound key switches the sound wherever the focus is, once per press:
  // a window-wide shortcut that ignores the keyboard's auto-repeat, on the
  // key the player gave it.
  teclaSonido_ = new QAction(this);
  teclaSonido_->setObjectName(QStringLiteral("teclaSonido"));
  teclaSonido_->setShortcutContext(Qt::WindowShortcut);
  teclaSonido_->setAutoRepeat(false);
  connect(teclaSonido_, &QAction::triggered, this, [this] {
    const int codigo = juego_->teclado().TeclaDe(Comando::Sonido);
    plataforma_->Llamar([codigo](Juego& juego) { juego.Tecla(codigo); });
  });
  addAction(teclaSonido_);

  ActualizarMenus(juego_->pantalla());
}

void VentanaPrincipal::ActualizarMenus(const Pantalla& p) {
  mnuNormal_->setChecked(p.menuNormal);
  mnuDificil_->setChecked(p.menuDificil);
  mnuSonido_->setChecked(p.menuSonido);
  mnuMinutos_->setText(Texto(p.menuMinutos));
  mnuSombra_->setChecked(p.menuSombra);
  mnuPista_->setChecked(p.menuPista);
  mnuCompleta_->setChecked(p.menuPantallaCompleta);
  const QKeySequence sonido(TeclaQt(juego_->teclado().TeclaDe(Comando::Sonido)));
  if (teclaSonido_->shortcut() != sonido) teclaSonido_->setShortcut(sonido);
  PantallaCompleta(p.menuPantallaCompleta);
}

void VentanaPrincipal::Arrancar() {
  if (arrancado_) return;
  if (!escenario_->Pintado()) {
    // One pass of the event loop after the first paint: by then the window
    // manager has placed the window, and a box centres over it.
    connect(
        escenario_, &Escenario::primerPintado, this,
        [this] { QTimer::singleShot(0, this, &VentanaPrincipal::Arrancar); }, Qt::SingleShotConnection);
    return;
  }
  arrancado_ = true;
  plataforma_->Llamar([](Juego& juego) { juego.Inicializar(); });
  // The sounds load once the stored switch is known, and only when it is on.
  if (juego_->pantalla().menuSonido && !plataforma_->Terminando()) plataforma_->Sonidos().Precargar();
}

void VentanaPrincipal::Refrescar() {
  if (!juego_) return;
  // The screen model is presented once, and the menus read the same one.
  // Always: a checkable item ticks or unticks itself when chosen, whatever
  // the game then decides.
  const Cambios cambios = juego_->TomarCambios();
  ActualizarMenus(escenario_->pantalla());
  escenario_->ProgramarRepintado(cambios);
}

bool VentanaPrincipal::Tecla(const QKeyEvent& evento) {
  const int codigo = CodigoTecla(evento.key());
  // Any key at all ends a demo: the game is told of those it has no code
  // for too.
  if (codigo == 0 && !juego_->vista().demo().activa) return false;
  if (evento.isAutoRepeat() && Teclado::UnaVezPorPulsacion(juego_->teclado().Principal(codigo, Foco::Persiana))) {
    return true;
  }
  // The shutter holds the focus while it is up: it sees the key after the
  // window.
  plataforma_->Llamar([codigo](Juego& juego) { juego.Tecla(codigo); });
  return true;
}

void VentanaPrincipal::keyPressEvent(QKeyEvent* evento) {
  if (!Tecla(*evento)) QMainWindow::keyPressEvent(evento);
}

void VentanaPrincipal::closeEvent(QCloseEvent* evento) {
  // Closing the window ends the program: whatever shows for the game
  // closes unanswered, and the timers stop.
  RecordarSitio();
  plataforma_->Terminar();
  evento->accept();
  QCoreApplication::quit();
}

}  // namespace tumbla::ui
