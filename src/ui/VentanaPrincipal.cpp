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

#include "game/Juego.h"
#include "jugador/Conductor.h"
#include "ui/Escenario.h"
#include "ui/PlataformaQt.h"
#include "ui/Teclas.h"
#include "ui/Sonidos.h"
#include "ui/VentanaCreditos.h"

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
  plataforma_->Conectar(juego_.get(), [this] { Refrescar(); });

  escenario_->alPulsarTecla = [this](QKeyEvent& e) { return Tecla(e); };
  escenario_->alPulsarPersiana = [this] { Ejecutar([this] { juego_->ClicPersiana(); }); };
  escenario_->alHacerClic = [this] {
    if (!juego_->vista().Demostrando()) return false;
    Ejecutar([] {}, DuranteDemo::Terminar);
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
  plataforma_->Terminar();
  // The game goes before the widgets that paint it.
  plataforma_->Conectar(nullptr, {});
  juego_.reset();
}

template <typename F>
void VentanaPrincipal::Ejecutar(F orden, DuranteDemo demo) {
  if (plataforma_->Terminando()) return;
  const bool enDemo = juego_->vista().Demostrando();
  if (enDemo) juego_->TerminarDemostracion();
  if (!enDemo || demo == DuranteDemo::Seguir) orden();
  SeguirDemostracion();
  Refrescar();
}

void VentanaPrincipal::SeguirDemostracion() {
  if (juego_->vista().Demostrando() && !demo_) {
    demo_ = std::make_unique<Conductor>(*juego_, [this](int codigo) { juego_->Tecla(codigo); },
                                        /*ritmoPersona=*/true);
    tiempoDemo_.start();
    relojDemo_.start();
  } else if (!juego_->vista().Demostrando() && demo_) {
    relojDemo_.stop();
    demo_.reset();
  }
}

void VentanaPrincipal::PasoDemostracion() {
  if (plataforma_->Terminando()) return;
  // The game's own timers repaint what they change; a step repaints only
  // when the computer pressed a key.
  int64_t siguiente = 0;
  const bool pulsada = demo_ && juego_->vista().Demostrando() && demo_->Paso(tiempoDemo_.elapsed(), siguiente);
  SeguirDemostracion();  // a demo lost or won in a tick stops here
  if (pulsada) Refrescar();
}

void VentanaPrincipal::CrearMenus() {
  QMenu* juego = menuBar()->addMenu(QStringLiteral("Juego"));
  juego->setObjectName(QStringLiteral("menuJuego"));
  QAction* nuevo = juego->addAction(QStringLiteral("Nuevo"));
  nuevo->setObjectName(QStringLiteral("MnuNew"));
  nuevo->setShortcut(Qt::Key_F2);
  connect(nuevo, &QAction::triggered, this, [this] { Ejecutar([this] { juego_->MenuNuevo(); }); });
  QAction* ayuda = juego->addAction(QStringLiteral("Ayuda"));
  ayuda->setObjectName(QStringLiteral("MnuComo"));
  ayuda->setShortcut(Qt::Key_F1);
  connect(ayuda, &QAction::triggered, this, [this] { Ejecutar([this] { juego_->MenuAyuda(); }); });
  QAction* acerca = juego->addAction(QStringLiteral("Acerca de..."));
  acerca->setObjectName(QStringLiteral("MnuAbout"));
  connect(acerca, &QAction::triggered, this, [this] { Ejecutar([this] { AcercaDe(); }); });
  QAction* demo = juego->addAction(QStringLiteral("Demostración"));
  demo->setObjectName(QStringLiteral("MnuDemo"));
  connect(demo, &QAction::triggered, this, [this] { Ejecutar([this] { juego_->MenuDemostracion(); }); });

  QMenu* opciones = menuBar()->addMenu(QStringLiteral("Opciones"));
  opciones->setObjectName(QStringLiteral("menuOpciones"));
  mnuNormal_ = opciones->addAction(QStringLiteral("Normal"));
  mnuNormal_->setObjectName(QStringLiteral("MnuBloq0"));
  mnuDificil_ = opciones->addAction(QStringLiteral("Difícil"));
  mnuDificil_->setObjectName(QStringLiteral("MnuBloq1"));
  for (QAction* a : {mnuNormal_, mnuDificil_}) a->setCheckable(true);
  connect(mnuNormal_, &QAction::triggered, this, [this] { Ejecutar([this] { juego_->MenuPiezas(0); }); });
  connect(mnuDificil_, &QAction::triggered, this, [this] { Ejecutar([this] { juego_->MenuPiezas(1); }); });
  opciones->addSeparator();
  mnuSonido_ = opciones->addAction(QStringLiteral("Sonido (S)"));
  mnuSonido_->setObjectName(QStringLiteral("MSound"));
  mnuSonido_->setCheckable(true);
  connect(mnuSonido_, &QAction::triggered, this, [this] { Ejecutar([this] { juego_->MenuSonido(); }); });
  opciones->addSeparator();
  // The extra-minute count: a caption, not a command.
  mnuMinutos_ = opciones->addAction(QString());
  mnuMinutos_->setObjectName(QStringLiteral("mnuMinutos"));
  opciones->addSeparator();
  QAction* reset = opciones->addAction(QStringLiteral("Reset"));
  reset->setObjectName(QStringLiteral("mnuReset"));
  connect(reset, &QAction::triggered, this, [this] { Ejecutar([this] { juego_->MenuReset(); }); });
  opciones->addSeparator();
  mnuSombra_ = opciones->addAction(QStringLiteral("Sombra de la pieza"));
  mnuSombra_->setObjectName(QStringLiteral("mnuSombra"));
  mnuSombra_->setCheckable(true);
  connect(mnuSombra_, &QAction::triggered, this, [this] { Ejecutar([this] { juego_->MenuSombra(); }); });

  // The key S switches the sound wherever the focus is, once per press:
  // a window-wide shortcut that ignores the keyboard's auto-repeat.
  auto* teclaSonido = new QAction(this);
  teclaSonido->setObjectName(QStringLiteral("teclaSonido"));
  teclaSonido->setShortcut(Qt::Key_S);
  teclaSonido->setShortcutContext(Qt::WindowShortcut);
  teclaSonido->setAutoRepeat(false);
  connect(teclaSonido, &QAction::triggered, this,
          [this] { Ejecutar([this] { juego_->Tecla(tecla::kS); }, DuranteDemo::Terminar); });
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
  Ejecutar([this] { juego_->Inicializar(); });
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
  // Any key at all ends a demo, and does nothing else.
  if (juego_->vista().Demostrando() && !evento.isAutoRepeat()) {
    Ejecutar([] {}, DuranteDemo::Terminar);
    return true;
  }
  const int codigo = CodigoTecla(evento.key());
  if (codigo == 0) return false;
  if (evento.isAutoRepeat() && UnaVezPorPulsacion(codigo)) return true;
  if (plataforma_->Terminando()) return true;
  // The shutter holds the focus while it is up: it sees the key after the
  // window.
  juego_->Tecla(codigo);
  Refrescar();
  return true;
}

void VentanaPrincipal::keyPressEvent(QKeyEvent* evento) {
  if (!Tecla(*evento)) QMainWindow::keyPressEvent(evento);
}

void VentanaPrincipal::AcercaDe() {
  VentanaCreditos creditos([this](const QString& destino) { return plataforma_->abrir(destino.toStdString()); },
                           this);
  creditos.exec();
}

void VentanaPrincipal::closeEvent(QCloseEvent* evento) {
  // Closing the window ends the program, also from inside a wait or a
  // modal window: everything that loops is told to stop first.
  plataforma_->Terminar();
  evento->accept();
  QCoreApplication::quit();
}

}  // namespace tumbla::ui
