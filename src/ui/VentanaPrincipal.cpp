// The main window.
#include "ui/VentanaPrincipal.h"

#include <QAbstractNativeEventFilter>
#include <QAction>
#include <QApplication>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QDir>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

#include "autoplay/Conductor.h"
#include "autoplay/Pista.h"
#include "grabacion/AlmacenRepeticiones.h"
#include "grabacion/Grabadora.h"
#include "motor/Juego.h"
#include "motor/Ayuda.h"
#include "motor/Entradas.h"
#include "ui/EditorNiveles.h"
#include "ui/DialogoRepeticiones.h"
#include "ui/Visor.h"
#include "ui/Escenario.h"
#include "ui/Idiomas.h"
#include "ui/Mando.h"
#include "ui/PlataformaQt.h"
#include "ui/Sonidos.h"
#include "ui/Teclas.h"
#include "ui/TeclasSostenidas.h"

namespace tumbla::ui {

namespace {
QString Texto(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
constexpr const char* kLogo = ":/pictures/tumbla.svg";

// "Opciones" > "Colores" and "Idioma": their items' commands and object names.
constexpr std::array<std::pair<Comando, const char*>, 3> kColores{{
    {Comando::ColoresPropios, "mnuColoresPropios"},
    {Comando::ColoresDaltonismo, "mnuColoresDaltonismo"},
    {Comando::ColoresContraste, "mnuColoresContraste"},
}};
constexpr std::array<std::pair<Comando, const char*>, 2> kIdiomas{{
    {Comando::IdiomaEspanol, "mnuEspanol"},
    {Comando::IdiomaIngles, "mnuIngles"},
}};

// A menu item's caption, as the input table gives it, in the language in force.
QString Rotulo(Comando c) {
  const Entrada* e = EntradaDe(c);
  return e != nullptr && e->menu != nullptr ? Traducido("Entradas", e->menu) : QString();
}

// A command's shortcut in the main window, as the input table gives it.
QKeySequence Atajo(Comando c) {
  const Entrada* e = EntradaDe(c);
  return e != nullptr && e->atajo != 0 ? QKeySequence(TeclaQt(e->atajo)) : QKeySequence();
}

// On X11 another program may destroy the window outright (no close asked):
// the game must not run on without it.
class VigiaDestruccion : public QAbstractNativeEventFilter {
 public:
  explicit VigiaDestruccion(QWidget* ventana) : ventana_(ventana) {}
  bool nativeEventFilter(const QByteArray& tipo, void* mensaje, qintptr*) override {
    constexpr uint8_t kDestroyNotify = 17;
    if (tipo != "xcb_generic_event_t" || !ventana_) return false;
    const auto* e = static_cast<const uint8_t*>(mensaje);
    if ((e[0] & 0x7F) != kDestroyNotify) return false;
    uint32_t destruida = 0;  // xcb_destroy_notify_event_t::window
    std::memcpy(&destruida, e + 8, sizeof destruida);
    if (destruida == ventana_->winId()) QTimer::singleShot(0, ventana_, [v = ventana_] { v->close(); });
    return false;
  }

 private:
  QPointer<QWidget> ventana_;
};

// The pace of a held key that gives `c`: the input table says which
// commands repeat, and whether at the pace of moves or of rows down.
TeclasSostenidas::Ritmo RitmoDe(Comando c, const Repeticion& r) {
  switch (ComoRepite(c)) {
    case Repite::No: break;
    case Repite::Mueve: return {r.retardo, r.porSegundo};
    case Repite::Baja: return {r.retardo, r.abajoPorSegundo};
  }
  return {};
}
}  // namespace

VentanaPrincipal::VentanaPrincipal(const QString& rutaIni, const QString& carpetaDatos, QWidget* parent)
    : QMainWindow(parent),
      plataforma_(new PlataformaQt(this)),
      grabadora_(std::make_unique<Grabadora>(*plataforma_, plataforma_->agenda())),
      // The core opens the file with narrow-character paths: the local
      // 8-bit encoding is what the C library expects.
      juego_(std::make_unique<Juego>(*grabadora_, rutaIni.toStdString())),
      pista_(std::make_unique<Pista>()),
      escenario_(new Escenario(juego_->pantalla(), this)),
      mando_(new Mando(this)),
      carpetaDatos_(carpetaDatos.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                           : carpetaDatos) {
  setObjectName(QStringLiteral("frmMain"));
  new CorrectorRepeticiones(this);
  sostenidas_ = new TeclasSostenidas(this);
  connect(sostenidas_, &TeclasSostenidas::repeticion, this, [this](int codigo) {
    plataforma_->Llamar([codigo](Grabadora& g) { g.Tecla(codigo, Contexto::Tablero, /*repeticion=*/true); });
  });
  setWindowTitle(QString::fromUtf8(kTituloVentana));
  setCentralWidget(escenario_);
  juego_->PonerConsejero(pista_.get());
  CrearMenus();
  // Each level played is recorded, and kept with the player's replays.
  const QString carpetaRepeticiones =
      carpetaDatos.isEmpty() ? QString() : QDir(carpetaDatos).filePath(QStringLiteral("repeticiones"));
  visor_ = new Visor(carpetaRepeticiones, HuellaNiveles(juego_->niveles()), *escenario_, juego_->pantalla(), this);
  if (visor_->almacen() != nullptr) {
    grabadora_->Conectar(
        juego_.get(), [this](Grabacion g) { visor_->Guardar(std::move(g)); },
        [] { return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString(); });
  } else {
    grabadora_->Conectar(juego_.get());
  }
  plataforma_->PonerDatos(carpetaDatos_, visor_);
  plataforma_->Conectar(grabadora_.get(), [this] { TrasLlamada(); });
  // A pad's buttons are commands, as menu items are.
  connect(mando_, &Mando::comando, this, &VentanaPrincipal::Orden);
  // When a box or window of the game closes, the arrows move the piece again.
  connect(plataforma_, &PlataformaQt::mostrada, this, [this] { Bloquear(true); });
  connect(plataforma_, &PlataformaQt::cerrada, this, [this] {
    Bloquear(false);
    escenario_->setFocus();
  });
  // The desktop ending the session: what must be stored is stored.
  connect(qApp, &QGuiApplication::commitDataRequest, this, &VentanaPrincipal::RecordarSitio);
  auto* vigia = new VigiaDestruccion(this);
  qApp->installNativeEventFilter(vigia);
  connect(this, &QObject::destroyed, qApp, [vigia] {
    qApp->removeNativeEventFilter(vigia);
    delete vigia;
  });
  ausencia_.setSingleShot(true);
  ausencia_.setInterval(250);
  connect(&ausencia_, &QTimer::timeout, this, &VentanaPrincipal::MirarFoco);
  recordarSitio_.setSingleShot(true);
  recordarSitio_.setInterval(500);
  connect(&recordarSitio_, &QTimer::timeout, this, [this] {
    RecordarSitio();
    // Full screen switched many times in a row may leave the window out of
    // step with the game's switch once the desktop settles: the switch wins.
    PantallaCompleta(juego_->vista().ajustes().PantallaCompleta());
  });

  escenario_->alPulsarTecla = [this](QKeyEvent& e) { return Tecla(e); };
  escenario_->alSoltarTecla = [this](QKeyEvent& e) { sostenidas_->Subida(e); };
  escenario_->alPerderTeclado = [this] { sostenidas_->Soltar(); };
  escenario_->alPulsarPersiana = [this] { Orden(Comando::Continuar); };
  // During a demo a click anywhere on the board only ends it.
  escenario_->alHacerClic = [this] {
    if (!juego_->vista().EnDemostracion()) return false;
    plataforma_->Llamar([](Grabadora& g) { g.Clic(); });
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
  // The editor, a window of its own, goes with the game's (its try calls
  // into it).
  delete editor_.data();
  // The widgets that outlive this part of the window (hidden as it goes,
  // they lose the focus) call back into it no more.
  escenario_->alPulsarTecla = nullptr;
  escenario_->alSoltarTecla = nullptr;
  escenario_->alPerderTeclado = nullptr;
  escenario_->alPulsarPersiana = nullptr;
  escenario_->alHacerClic = nullptr;
  menuBar()->removeEventFilter(this);
  // Whatever shows for the game closes unanswered; the computer's driver
  // and then the game go before the widgets that paint it.
  plataforma_->Terminar();
  plataforma_->Conectar(nullptr, {});
  relojDemo_.stop();
  demo_.reset();
  juego_->PonerConsejero(nullptr);
  grabadora_->Terminar();
  visor_->GuardarPendientes(/*avisar=*/false);
  grabadora_->Conectar(nullptr);
  juego_.reset();
}

void VentanaPrincipal::Colocar() {
  // Where the game remembers the window, when that still lies on a screen,
  // held inside the screen's free area.
  const Geometria& g = juego_->vista().ajustes().Ventana();
  QRect sitio(g.x, g.y, g.ancho, g.alto);
  for (const QScreen* pantalla : QGuiApplication::screens()) {
    const QRect libre = pantalla->availableGeometry();
    if (!g.Valida() || !libre.intersects(sitio)) continue;
    sitio.setSize(sitio.size().boundedTo(libre.size()).expandedTo(minimumSizeHint()));
    sitio.moveLeft(std::clamp(sitio.left(), libre.left(), std::max(libre.left(), libre.right() + 1 - sitio.width())));
    sitio.moveTop(std::clamp(sitio.top(), libre.top(), std::max(libre.top(), libre.bottom() + 1 - sitio.height())));
    setGeometry(sitio);
    break;
  }
  plana_ = geometry();
  if (juego_->vista().ajustes().PantallaCompleta()) setWindowState(windowState() | Qt::WindowFullScreen);
}

void VentanaPrincipal::Encajar() {
  // Once the desktop has framed the window its title bar is known: a window
  // remembered too big or too high is brought back whole onto the screen.
  if (!screen() || (windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized | Qt::WindowMinimized))) return;
  const QRect libre = screen()->availableGeometry();
  const QRect marco = frameGeometry();
  const QSize bordes = marco.size() - size();
  const QSize cabe = size().boundedTo(libre.size() - bordes);
  if (cabe != size()) resize(cabe);
  const QSize todo = cabe + bordes;
  const QPoint sitio(std::clamp(marco.left(), libre.left(), std::max(libre.left(), libre.right() + 1 - todo.width())),
                     std::clamp(marco.top(), libre.top(), std::max(libre.top(), libre.bottom() + 1 - todo.height())));
  if (sitio != marco.topLeft()) move(sitio);
}

void VentanaPrincipal::RecordarSitio() {
  // Its last place and size as a plain window, whatever state it is in now.
  if (plana_.isValid()) juego_->RecordarVentana({plana_.x(), plana_.y(), plana_.width(), plana_.height()});
}

void VentanaPrincipal::AnotarSitio() {
  if (!isVisible()) return;
  // A plain window, never one that merely has the screen's size while its
  // full screen comes or goes.
  const bool plana = !(windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized | Qt::WindowMinimized));
  if (plana && !juego_->vista().ajustes().PantallaCompleta() && (!screen() || geometry() != screen()->geometry())) {
    plana_ = geometry();
  }
  recordarSitio_.start();
}

void VentanaPrincipal::moveEvent(QMoveEvent* evento) {
  QMainWindow::moveEvent(evento);
  AnotarSitio();
}

void VentanaPrincipal::resizeEvent(QResizeEvent* evento) {
  QMainWindow::resizeEvent(evento);
  AnotarSitio();
}

void VentanaPrincipal::changeEvent(QEvent* evento) {
  QMainWindow::changeEvent(evento);
  if (evento->type() == QEvent::ActivationChange || evento->type() == QEvent::WindowStateChange) {
    // Looked at a moment later: a box of the game's opening or closing
    // passes the focus back and forth on the way.
    ausencia_.start();
  }
  if (evento->type() == QEvent::ActivationChange && !isActiveWindow()) sostenidas_->Soltar();
  if (evento->type() == QEvent::WindowStateChange) AnotarSitio();
  // The player chose another language: the menus speak it at once (the
  // game's own texts follow as it presents them again).
  if (evento->type() == QEvent::LanguageChange && !menus_.isEmpty()) {
    Rotular();
    ActualizarMenus(juego_->pantalla());
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
  plataforma_->Llamar([c](Grabadora& g) { g.Ejecutar(c); });
}

void VentanaPrincipal::TrasLlamada() {
  SeguirDemostracion();
  SeguirPrueba();
  Refrescar();
  // A replay file given to the program opens once the game waits for nothing.
  if (!abrirRepeticion_.isEmpty() && arrancado_ && juego_->vista().peticion().tipo == TipoPeticion::Ninguna) {
    const QString ruta = std::exchange(abrirRepeticion_, QString());
    QTimer::singleShot(0, this, [this, ruta] {
      Orden(Comando::Repeticiones);
      // Taken into the list, it plays at once.
      auto* lista = qobject_cast<DialogoRepeticiones*>(plataforma_->Abierta());
      if (lista != nullptr && lista->Abrir(ruta)) lista->findChild<QPushButton*>(QStringLiteral("ver"))->click();
    });
  }
}

AlmacenRepeticiones* VentanaPrincipal::almacen() { return visor_->almacen(); }

void VentanaPrincipal::AbrirRepeticion(const QString& ruta) {
  abrirRepeticion_ = ruta;
  if (arrancado_) plataforma_->Llamar([](Grabadora&) {});
}

void VentanaPrincipal::SeguirDemostracion() {
  const bool activa = juego_->vista().EnDemostracion();
  if (activa && !demo_) {
    // The computer's commands are its own: they do not end the demo.
    demo_ = std::make_unique<Conductor>(
        *juego_, [this](Comando c) { grabadora_->Ejecutar(c, Quien::Maquina); }, /*ritmoPersona=*/true);
    tiempoDemo_.start();
    relojDemo_.start();
  } else if (!activa && demo_) {
    relojDemo_.stop();
    demo_.reset();
  }
}

void VentanaPrincipal::SeguirPrueba() {
  // A level tried from the editor that ends with the screen cleared (lost,
  // or won and ENTER) gives the editor back; one left for another level
  // leaves it hidden until the menu opens it again.
  const Vista& v = juego_->vista();
  const bool probando = flujo::En<flujo::Prueba>(v.situacion()) != nullptr;
  if (probando_ && !probando && editor_ && v.SinNivel() && v.peticion().tipo == TipoPeticion::Ninguna) {
    editor_->FinPrueba(v.derrota() == Derrota::Ninguna, v.derrota());
  }
  probando_ = probando;
  // A pack's level comes in front of the editor left open.
  const bool dePaquete = flujo::En<flujo::DePaquete>(v.situacion()) != nullptr;
  if (dePaquete && !dePaquete_ && editor_ && editor_->isVisible()) {
    raise();
    activateWindow();
  }
  dePaquete_ = dePaquete;
}

void VentanaPrincipal::PasoDemostracion() {
  if (plataforma_->Terminando() || !demo_) return;
  // The computer looks at the game with its timer events due by now; they
  // may end the demo.
  plataforma_->Adelantar();
  if (!demo_) return;
  // The game's own timers repaint what they change; a step repaints only
  // when the computer pressed a key.
  int64_t siguiente = 0;
  if (demo_->Paso(tiempoDemo_.elapsed(), siguiente)) {
    plataforma_->Atender();
  } else {
    SeguirDemostracion();
  }
}

QAction* VentanaPrincipal::Accion(QMenu* menu, Comando c, const char* nombre, bool marcable) {
  // Its caption and shortcut are the input table's.
  QAction* a = menu->addAction(Rotulo(c));
  a->setData(static_cast<int>(c));
  a->setObjectName(QString::fromLatin1(nombre));
  a->setShortcut(Atajo(c));
  a->setCheckable(marcable);
  connect(a, &QAction::triggered, this, [this, c] { Orden(c); });
  return a;
}

void VentanaPrincipal::CrearMenus() {
  // Alt and the underlined letter open a menu, as F10 opens the first.
  QMenu* juego = menuBar()->addMenu(QString());
  juego->setObjectName(QStringLiteral("menuJuego"));
  Accion(juego, Comando::Nuevo, "MnuNew");
  Accion(juego, Comando::Ayuda, "MnuComo");
  Accion(juego, Comando::AcercaDe, "MnuAbout");
  Accion(juego, Comando::Demostracion, "MnuDemo");
  QAction* editor = juego->addAction(QString());
  editor->setObjectName(QStringLiteral("mnuEditor"));
  connect(editor, &QAction::triggered, this, &VentanaPrincipal::AbrirEditor);
  Accion(juego, Comando::Repeticiones, "mnuRepeticiones");
  juego->addSeparator();
  mnu_.pausa = Accion(juego, Comando::Pausa, "mnuPausa", true);
  mnu_.abandonar = Accion(juego, Comando::Abandonar, "mnuAbandonar");
  juego->addSeparator();
  // Ctrl+Q ends the game from any window of the game's, whatever shows: the
  // window closes, and its closing stops the game (Terminar).
  QAction* salir = juego->addAction(Rotulo(Comando::Salir));
  salir->setData(static_cast<int>(Comando::Salir));
  salir->setObjectName(QStringLiteral("mnuSalir"));
  salir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  salir->setShortcutContext(Qt::ApplicationShortcut);
  addAction(salir);
  connect(salir, &QAction::triggered, this, &QWidget::close);

  QMenu* opciones = menuBar()->addMenu(QString());
  opciones->setObjectName(QStringLiteral("menuOpciones"));
  mnu_.normal = Accion(opciones, Comando::Normal, "MnuBloq0", true);
  mnu_.dificil = Accion(opciones, Comando::Dificil, "MnuBloq1", true);
  auto* piezas = new QActionGroup(this);
  piezas->addAction(mnu_.normal);
  piezas->addAction(mnu_.dificil);
  opciones->addSeparator();
  mnu_.sonido = Accion(opciones, Comando::Sonido, "MSound", true);
  opciones->addSeparator();
  // The extra-minute count: a caption, not a command.
  mnu_.minutos = opciones->addAction(QString());
  mnu_.minutos->setObjectName(QStringLiteral("mnuMinutos"));
  opciones->addSeparator();
  Accion(opciones, Comando::Reset, "mnuReset");
  opciones->addSeparator();
  mnu_.sombra = Accion(opciones, Comando::Sombra, "mnuSombra", true);
  mnu_.pista = Accion(opciones, Comando::Pista, "mnuPista", true);
  QMenu* colores = opciones->addMenu(QString());
  colores->setObjectName(QStringLiteral("mnuColores"));
  auto* paletas = new QActionGroup(this);
  for (size_t k = 0; k < kColores.size(); ++k) {
    mnu_.colores[k] = Accion(colores, kColores[k].first, kColores[k].second, true);
    paletas->addAction(mnu_.colores[k]);
  }
  mnu_.destellos = Accion(opciones, Comando::MenosDestellos, "mnuDestellos", true);
  opciones->addSeparator();
  Accion(opciones, Comando::Teclas, "mnuTeclas");
  mnu_.completa = Accion(opciones, Comando::PantallaCompleta, "mnuPantallaCompleta", true);
  opciones->addSeparator();
  QMenu* idiomas = opciones->addMenu(QString());
  idiomas->setObjectName(QStringLiteral("mnuIdioma"));
  auto* lenguas = new QActionGroup(this);
  for (size_t k = 0; k < kIdiomas.size(); ++k) {
    mnu_.idiomas[k] = Accion(idiomas, kIdiomas[k].first, kIdiomas[k].second, true);
    lenguas->addAction(mnu_.idiomas[k]);
  }
  menus_ = {juego, opciones};
  Rotular();
  for (QMenu* menu : menus_) {
    // A menu over the board holds play (and the pads) until it closes; then
    // the arrows move the piece again.
    connect(menu, &QMenu::aboutToShow, this, [this] {
      mando_->Suspender(true);
      Orden(Comando::MenuAbierto);
    });
    connect(menu, &QMenu::aboutToHide, this, [this] { QTimer::singleShot(0, this, &VentanaPrincipal::DevolverTeclas); });
  }
  // Nor does the bar take the keys with no menu open (Escape from a menu
  // leaves it holding them, and Alt alone gives them to it on some desktops).
  menuBar()->installEventFilter(this);
  auto* f10 = new QShortcut(Atajo(Comando::Menus), this);
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
    plataforma_->Llamar([codigo](Grabadora& g) { g.Tecla(codigo); });
  });
  addAction(teclaSonido_);

  ActualizarMenus(juego_->pantalla());
}

void VentanaPrincipal::Rotular() {
  menus_[0]->setTitle(tr("&Juego"));
  menus_[1]->setTitle(tr("&Opciones"));
  findChild<QMenu*>(QStringLiteral("mnuColores"))->setTitle(tr("Co&lores"));
  findChild<QMenu*>(QStringLiteral("mnuIdioma"))->setTitle(tr("Idio&ma"));
  findChild<QAction*>(QStringLiteral("mnuEditor"))->setText(tr("&Editor de niveles..."));
  for (QAction* a : findChildren<QAction*>()) {
    if (a->data().isValid()) a->setText(Rotulo(static_cast<Comando>(a->data().toInt())));
  }
}

void VentanaPrincipal::ActualizarMenus(const Pantalla& p) {
  mnu_.normal->setChecked(p.menuNormal);
  mnu_.dificil->setChecked(p.menuDificil);
  mnu_.sonido->setChecked(p.menuSonido);
  mnu_.minutos->setText(Texto(p.menuMinutos));
  mnu_.sombra->setChecked(p.menuSombra);
  mnu_.pista->setChecked(p.menuPista);
  mnu_.completa->setChecked(p.menuPantallaCompleta);
  for (size_t k = 0; k < mnu_.colores.size(); ++k) {
    mnu_.colores[k]->setChecked(static_cast<size_t>(p.aspecto.colores) == k);
  }
  mnu_.destellos->setChecked(p.aspecto.menosDestellos);
  const bool ingles = IdiomaEfectivo(p.aspecto.idioma) == Idioma::Ingles;
  mnu_.idiomas[0]->setChecked(!ingles);
  mnu_.idiomas[1]->setChecked(ingles);
  const QKeySequence sonido(TeclaQt(juego_->teclado().TeclaDe(Comando::Sonido)));
  if (teclaSonido_->shortcut() != sonido) teclaSonido_->setShortcut(sonido);
  // "Pausa" is checked while paused (not merely held by the open menu), and
  // shows the player's pause key; it and "Abandonar el nivel" act on a
  // level in play.
  const Vista& v = juego_->vista();
  const QString pausa = Rotulo(Comando::Pausa) + QLatin1Char('\t') +
                        QKeySequence(TeclaQt(juego_->teclado().TeclaDe(Comando::Pausa))).toString(QKeySequence::NativeText);
  if (mnu_.pausa->text() != pausa) mnu_.pausa->setText(pausa);
  mnu_.pausa->setChecked(v.pausa() == flujo::Pausa::Pausado);
  mnu_.pausa->setEnabled(v.Jugando());
  mnu_.abandonar->setEnabled(v.Jugando());
  // A pad's held directions keep the pace of held keys.
  const Repeticion& r = juego_->teclado().repeticion();
  const auto ms = [](int porSegundo) { return std::chrono::milliseconds(1000 / porSegundo); };
  mando_->PonerRitmo(std::chrono::milliseconds(r.retardo), ms(r.porSegundo), ms(r.abajoPorSegundo));
  PantallaCompleta(p.menuPantallaCompleta);
}

EditorNiveles* VentanaPrincipal::editor() const { return editor_; }

void VentanaPrincipal::AbrirEditor() {
  // A window over the board: a level in play pauses, as for any other.
  Orden(Comando::Ausencia);
  // Closed, it only hides: the level in it and a check in progress stay.
  // A window of its own, beside the game's: the game's comes in front of it
  // when clicked, and the board of a level played shows whole.
  if (!editor_) {
    editor_ = new EditorNiveles(carpetaDatos_, juego_->vista().ajustes().Paleta(), nullptr);
    editor_->setWindowFlags(Qt::Window);
    editor_->setWindowIcon(windowIcon());
    editor_->PonerProbar([this](NivelAjeno nivel) {
      bool empezado = false;
      plataforma_->Llamar([&](Grabadora& g) { empezado = g.juego().Probar(std::move(nivel)); });
      if (empezado) {
        raise();
        activateWindow();
        escenario_->setFocus();
      }
      return empezado;
    });
  }
  editor_->show();
  editor_->raise();
  editor_->activateWindow();
}

void VentanaPrincipal::DevolverTeclas() {
  // Moving from one menu to the next closes one before the other opens.
  for (const QMenu* menu : menus_) {
    if (menu->isVisible()) return;
  }
  if (focusWidget() == menuBar() || focusWidget() == nullptr) escenario_->setFocus();
  Orden(Comando::MenuCerrado);
  ausencia_.start();  // the pads wake once the focus is known to be ours
}

bool VentanaPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
  if (objeto == menuBar() && evento->type() == QEvent::FocusIn) {
    QTimer::singleShot(0, this, &VentanaPrincipal::DevolverTeclas);
  }
  return QMainWindow::eventFilter(objeto, evento);
}

void VentanaPrincipal::Bloquear(bool bloquear) {
  // The game takes no command meanwhile; a grey bar says so. "Salir" is the
  // window's own too, and stays.
  menuBar()->setEnabled(!bloquear);
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
  Encajar();
  plataforma_->Llamar([](Grabadora& g) { g.Inicializar(); });
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
  if (codigo == 0 && !juego_->vista().EnDemostracion()) return false;
  // A held key is the game's to repeat, never the desktop's: a key acts
  // once a press, and the moves again at the player's pace.
  // A replay watched has the keys, as the input table reads them there.
  if (visor_->Activo()) {
    visor_->Tecla(codigo, evento.isAutoRepeat(), juego_->teclado());
    return true;
  }
  const Comando c = juego_->teclado().Resolver(codigo, false, Contexto::Tablero);
  if (!sostenidas_->Bajada(evento, codigo, RitmoDe(c, juego_->teclado().repeticion()))) return true;
  // The shutter holds the focus while it is up: it sees the key after the
  // window.
  plataforma_->Llamar([codigo](Grabadora& g) { g.Tecla(codigo); });
  return true;
}

void VentanaPrincipal::keyPressEvent(QKeyEvent* evento) {
  if (!Tecla(*evento)) QMainWindow::keyPressEvent(evento);
}

void VentanaPrincipal::keyReleaseEvent(QKeyEvent* evento) {
  sostenidas_->Subida(*evento);
  QMainWindow::keyReleaseEvent(evento);
}

void VentanaPrincipal::closeEvent(QCloseEvent* evento) {
  // Its close button, Alt+F4 or "Salir", whatever shows for the game: a
  // question counts as answered "Cancelar". Nothing shows modal, so the
  // desktop never holds the close back.
  evento->accept();
  Terminar();
}

void VentanaPrincipal::Terminar() {
  // What the game must keep was stored as it happened; only the window's
  // place is stored now, and the level in play kept as a replay as it
  // stands. Whatever shows for the game closes unanswered, the timers stop,
  // and the program ends.
  RecordarSitio();
  grabadora_->Terminar();
  visor_->GuardarPendientes(/*avisar=*/false);
  plataforma_->Terminar();
  QCoreApplication::quit();
}

}  // namespace tumbla::ui
