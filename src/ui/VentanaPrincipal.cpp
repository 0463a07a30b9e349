// The main window.
#include "ui/VentanaPrincipal.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "jugador/Conductor.h"
#include "motor/Juego.h"
#include "progress/Ayuda.h"
#include "progress/CodigosTecla.h"
#include "ui/Escenario.h"
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
      escenario_(new Escenario(juego_->pantalla(), this)) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromUtf8(kTituloVentana));
  setCentralWidget(escenario_);
  CrearMenus();
  plataforma_->Conectar(juego_.get(), [this] { TrasLlamada(); });

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
  juego_.reset();
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
    // The computer's keys are its own: they do not end the demo.
    demo_ = std::make_unique<Conductor>(
        *juego_, [this](int codigo) { juego_->Tecla(codigo, Foco::Persiana, Quien::Maquina); },
        /*ritmoPersona=*/true);
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

void VentanaPrincipal::CrearMenus() {
  QMenu* juego = menuBar()->addMenu(QStringLiteral("Juego"));
  juego->setObjectName(QStringLiteral("menuJuego"));
  QAction* nuevo = juego->addAction(QStringLiteral("Nuevo"));
  nuevo->setObjectName(QStringLiteral("MnuNew"));
  nuevo->setShortcut(Qt::Key_F2);
  connect(nuevo, &QAction::triggered, this, [this] { Orden(Comando::Nuevo); });
  QAction* ayuda = juego->addAction(QStringLiteral("Ayuda"));
  ayuda->setObjectName(QStringLiteral("MnuComo"));
  ayuda->setShortcut(Qt::Key_F1);
  connect(ayuda, &QAction::triggered, this, [this] { Orden(Comando::Ayuda); });
  QAction* acerca = juego->addAction(QStringLiteral("Acerca de..."));
  acerca->setObjectName(QStringLiteral("MnuAbout"));
  connect(acerca, &QAction::triggered, this, [this] { Orden(Comando::AcercaDe); });
  QAction* demo = juego->addAction(QStringLiteral("Demostración"));
  demo->setObjectName(QStringLiteral("MnuDemo"));
  connect(demo, &QAction::triggered, this, [this] { Orden(Comando::Demostracion); });

  QMenu* opciones = menuBar()->addMenu(QStringLiteral("Opciones"));
  opciones->setObjectName(QStringLiteral("menuOpciones"));
  mnuNormal_ = opciones->addAction(QStringLiteral("Normal"));
  mnuNormal_->setObjectName(QStringLiteral("MnuBloq0"));
  mnuDificil_ = opciones->addAction(QStringLiteral("Difícil"));
  mnuDificil_->setObjectName(QStringLiteral("MnuBloq1"));
  for (QAction* a : {mnuNormal_, mnuDificil_}) a->setCheckable(true);
  connect(mnuNormal_, &QAction::triggered, this, [this] { Orden(Comando::Normal); });
  connect(mnuDificil_, &QAction::triggered, this, [this] { Orden(Comando::Dificil); });
  opciones->addSeparator();
  mnuSonido_ = opciones->addAction(QStringLiteral("Sonido (S)"));
  mnuSonido_->setObjectName(QStringLiteral("MSound"));
  mnuSonido_->setCheckable(true);
  connect(mnuSonido_, &QAction::triggered, this, [this] { Orden(Comando::Sonido); });
  opciones->addSeparator();
  // The extra-minute count: a caption, not a command.
  mnuMinutos_ = opciones->addAction(QString());
  mnuMinutos_->setObjectName(QStringLiteral("mnuMinutos"));
  opciones->addSeparator();
  QAction* reset = opciones->addAction(QStringLiteral("Reset"));
  reset->setObjectName(QStringLiteral("mnuReset"));
  connect(reset, &QAction::triggered, this, [this] { Orden(Comando::Reset); });
  opciones->addSeparator();
  mnuSombra_ = opciones->addAction(QStringLiteral("Sombra de la pieza"));
  mnuSombra_->setObjectName(QStringLiteral("mnuSombra"));
  mnuSombra_->setCheckable(true);
  connect(mnuSombra_, &QAction::triggered, this, [this] { Orden(Comando::Sombra); });

  // The key S switches the sound wherever the focus is, once per press:
  // a window-wide shortcut that ignores the keyboard's auto-repeat.
  auto* teclaSonido = new QAction(this);
  teclaSonido->setObjectName(QStringLiteral("teclaSonido"));
  teclaSonido->setShortcut(Qt::Key_S);
  teclaSonido->setShortcutContext(Qt::WindowShortcut);
  teclaSonido->setAutoRepeat(false);
  connect(teclaSonido, &QAction::triggered, this,
          [this] { plataforma_->Llamar([](Juego& juego) { juego.Tecla(tecla::kS); }); });
  addAction(teclaSonido);

  ActualizarMenus(juego_->pantalla());
}

void VentanaPrincipal::ActualizarMenus(const Pantalla& p) {
  mnuNormal_->setChecked(p.menuNormal);
  mnuDificil_->setChecked(p.menuDificil);
  mnuSonido_->setChecked(p.menuSonido);
  mnuMinutos_->setText(Texto(p.menuMinutos));
  mnuSombra_->setChecked(p.menuSombra);
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
  if (evento.isAutoRepeat() && UnaVezPorPulsacion(codigo)) return true;
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
  plataforma_->Terminar();
  evento->accept();
  QCoreApplication::quit();
}

}  // namespace tumbla::ui
