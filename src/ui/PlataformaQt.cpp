// The game's host services on Qt, and what the game waits for on screen.
#include "ui/PlataformaQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QGridLayout>
#include <QKeyEvent>
#include <QSet>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <climits>

#include "grabacion/Grabadora.h"
#include "motor/Juego.h"
#include "motor/Ayuda.h"
#include "motor/SelectorNiveles.h"
#include "ui/DialogoNiveles.h"
#include "ui/DialogoRepeticiones.h"
#include "ui/PaginaPaquetes.h"
#include "ui/DialogoTeclas.h"
#include "ui/Idiomas.h"
#include "ui/Sonidos.h"
#include "ui/VentanaAyuda.h"
#include "ui/VentanaCreditos.h"
#include "ui/Visor.h"

namespace tumbla::ui {

namespace {

QString Texto(const std::string& s) {
  QString t = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
  // The game separates paragraphs with carriage returns.
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  // A break after the last paragraph would only leave a gap in a box.
  while (t.endsWith(QLatin1Char('\n'))) t.chop(1);
  return t;
}

// Room for a box's whole title in the window manager's title bar: the title
// in a bold face somewhat larger than ours, and the bar's buttons.
int AnchoParaTitulo(const QString& titulo) {
  QFont letra = QApplication::font("QMdiSubWindowTitleBar");
  letra.setBold(true);
  letra.setPointSizeF(letra.pointSizeF() * 1.2);
  return QFontMetrics(letra).horizontalAdvance(titulo) + 160;
}

#if defined(Q_OS_MACOS)
constexpr const char* kAbridor = "open";
#else
constexpr const char* kAbridor = "xdg-open";
#endif
// A failure later than this is the browser's own ending, not a failure to open.
constexpr qint64 kMsFalloAlAbrir = 15000;

QMessageBox::Icon IconoCaja(Icono icono) {
  switch (icono) {
    case Icono::Informacion: return QMessageBox::Information;
    case Icono::Exclamacion: return QMessageBox::Warning;
    case Icono::Pregunta: break;
  }
  return QMessageBox::Question;
}

// Keeps a box or window that opens in the middle of play from taking keys
// meant for the game: a key already held when it opened (its repeats and its
// release), and any key in its first moments.
class GuardaTeclas : public QObject {
 public:
  explicit GuardaTeclas(QWidget* ventana) : QObject(ventana), ventana_(ventana) {
    desde_.start();
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    const auto tipo = evento->type();
    if (tipo != QEvent::KeyPress && tipo != QEvent::KeyRelease && tipo != QEvent::ShortcutOverride) return false;
    auto* destino = qobject_cast<QWidget*>(objeto);
    if (destino == nullptr || (destino != ventana_ && !ventana_->isAncestorOf(destino))) return false;
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    if (desde_.elapsed() < kMsSordo || tecla->isAutoRepeat()) return true;
    if (tipo == QEvent::KeyPress) pulsadas_.insert(tecla->key());
    // A release whose press the window never saw belongs to the game's key.
    return tipo == QEvent::KeyRelease && !pulsadas_.remove(tecla->key());
  }

 private:
  static constexpr qint64 kMsSordo = 300;
  QWidget* ventana_;
  QElapsedTimer desde_;
  QSet<int> pulsadas_;
};

}  // namespace

PlataformaQt::PlataformaQt(QWidget* ventana)
    : QObject(ventana),
      ventana_(ventana),
      azar_(QRandomGenerator::securelySeeded()),
      sonidos_(new ReproductorSonidos(this)),
      abridor_(QString::fromLatin1(kAbridor)) {
  reloj_.start();
  despertador_.setSingleShot(true);
  despertador_.setTimerType(Qt::PreciseTimer);
  connect(&despertador_, &QTimer::timeout, this, [this] { Llamar([](Grabadora&) {}); });
  connect(qApp, &QCoreApplication::aboutToQuit, this, &PlataformaQt::Terminar);
}

PlataformaQt::~PlataformaQt() = default;

void PlataformaQt::Conectar(Grabadora* grabadora, std::function<void()> trasLlamada) {
  grabadora_ = grabadora;
  juego_ = grabadora != nullptr ? &grabadora->juego() : nullptr;
  trasLlamada_ = std::move(trasLlamada);
}

void PlataformaQt::Terminar() {
  terminando_ = true;
  despertador_.stop();
  pedida_ = {};
  Cerrar();
}

void PlataformaQt::Llamar(const std::function<void(Grabadora&)>& llamada) {
  if (!grabadora_ || terminando_) return;
  Avanzar();
  llamada(*grabadora_);
  Atender();
}

void PlataformaQt::Adelantar() {
  if (!grabadora_ || terminando_ || agenda_.Proximo() > reloj_.elapsed()) return;
  Avanzar();
  Atender();
}

void PlataformaQt::Avanzar() {
  const int64_t ahora = reloj_.elapsed();
  while (const auto t = agenda_.Siguiente(ahora)) {
    if (terminando_) return;
    if (!retenidos_[static_cast<size_t>(*t)]) grabadora_->Disparar(*t);
  }
}

void PlataformaQt::Despertar() {
  const int64_t proximo = agenda_.Proximo();
  if (proximo == Agenda::kNunca || terminando_ || !grabadora_) {
    despertador_.stop();
    return;
  }
  despertador_.start(static_cast<int>(std::clamp<int64_t>(proximo - reloj_.elapsed(), 0, INT_MAX)));
}

void PlataformaQt::Atender() {
  if (!juego_ || terminando_) return;
  // The screen first: a box opens over the board as the game left it.
  if (trasLlamada_) trasLlamada_();
  if (pedida_.tipo != TipoPeticion::Ninguna && mostrada_ != numero_) Mostrar(pedida_, numero_);
  Despertar();
}

void PlataformaQt::temporizador(Temporizador t, bool activo, int intervaloMs) {
  // For the game an interval of 0 means the timer never fires.
  agenda_.Poner(t, activo && !terminando_, intervaloMs);
}

// ---- What the game waits for ----------------------------------------------------

void PlataformaQt::pedir(const Peticion& p) {
  // Shown once the call into the game is over (Atender), never from inside it.
  pedida_ = p;
  ++numero_;
}

void PlataformaQt::retirar() {
  pedida_ = {};
  Cerrar();
}

void PlataformaQt::Mostrar(const Peticion& p, int numero) {
  Cerrar();
  mostrada_ = numero;
  switch (p.tipo) {
    case TipoPeticion::Ninguna:
      mostrada_ = 0;
      return;
    case TipoPeticion::Persiana:
      QTimer::singleShot(std::max(0, static_cast<int>(p.segundos * 1000 + 0.5)), Qt::PreciseTimer, this,
                         [this, numero] { Contestar(numero, true); });
      return;
    case TipoPeticion::Mensaje:
    case TipoPeticion::Pregunta: {
      QMessageBox* caja = Caja(p.icono, p.titulo, p.texto, p.tipo == TipoPeticion::Pregunta);
      connect(caja, &QDialog::finished, this, [this, numero, caja] {
        Contestar(numero, caja->buttonRole(caja->clickedButton()) == QMessageBox::AcceptRole);
      });
      abierta_ = caja;
      break;
    }
    case TipoPeticion::Selector: {
      auto* niveles = new DialogoNiveles(juego_->selector(), juego_->teclado(), ventana_, juego_->pantalla().aspecto.colores);
      // A demo plays the game's levels only.
      const auto* selector = std::get_if<flujo::Selector>(&juego_->vista().situacion());
      if (!carpetaDatos_.isEmpty() && selector != nullptr && selector->para != flujo::Para::Demostracion) {
        niveles->PonerPaquetes(new PaginaPaquetes(carpetaDatos_, juego_->progreso(), niveles));
      }
      connect(niveles, &DialogoNiveles::eleccion, this,
              [this, numero](const Eleccion& e) { ContestarSelector(numero, e); });
      abierta_ = niveles;
      break;
    }
    case TipoPeticion::Creditos: {
      auto* creditos = new VentanaCreditos(
          [this](const QString& destino) { return abrir(destino.toStdString()); }, ventana_);
      connect(creditos, &QDialog::finished, this, [this, numero] { Contestar(numero, true); });
      abierta_ = creditos;
      break;
    }
    case TipoPeticion::Teclas: {
      auto* teclas = new DialogoTeclas(*grabadora_, ventana_);
      connect(teclas, &QDialog::finished, this, [this, numero] { Contestar(numero, true); });
      abierta_ = teclas;
      break;
    }
    case TipoPeticion::Repeticiones: {
      // Closed, or a replay chosen to watch.
      auto* lista = new DialogoRepeticiones(visor_ != nullptr ? visor_->almacen() : nullptr, ventana_);
      connect(lista, &QDialog::finished, this, [this, numero] { Contestar(numero, false); });
      connect(lista, &DialogoRepeticiones::ver, this, [this, numero](const std::string& archivo) {
        if (visor_ != nullptr && visor_->Elegir(archivo)) Contestar(numero, true);
      });
      abierta_ = lista;
      break;
    }
    case TipoPeticion::Visor:
      // In the main window itself, until the player leaves it.
      if (visor_ != nullptr) {
        visor_->Mostrar([this, numero] { Contestar(numero, true); });
      } else {
        QTimer::singleShot(0, this, [this, numero] { Contestar(numero, true); });
      }
      return;
  }
  // A box that opens by itself during play must not take the keys of play.
  if ((p.tipo == TipoPeticion::Mensaje || p.tipo == TipoPeticion::Pregunta) && !juego_->vista().SinNivel()) {
    new GuardaTeclas(abierta_);
  }
  // Over the main window, which keeps its own input from the game
  // meanwhile; the game's timers run on. Not modal: nothing of the desktop
  // waits on it, so closing the main window always ends the game.
  abierta_->setWindowModality(Qt::NonModal);
  abierta_->show();
  abierta_->activateWindow();
  emit mostrada();
}

void PlataformaQt::Contestar(int numero, bool aceptar) {
  if (numero != mostrada_ || terminando_ || !juego_) return;
  pedida_ = {};
  Cerrar();
  Llamar([aceptar](Grabadora& g) { g.Responder(aceptar); });
}

void PlataformaQt::ContestarSelector(int numero, const Eleccion& eleccion) {
  // Input that leaves the window open gives no choice.
  if (eleccion.tipo == Eleccion::Ninguna || numero != mostrada_ || terminando_ || !juego_) return;
  pedida_ = {};
  Cerrar();
  Llamar([eleccion](Grabadora& g) { g.Elegir(eleccion); });
}

void PlataformaQt::Cerrar() {
  mostrada_ = 0;
  if (visor_ != nullptr) visor_->Cerrar();
  QPointer<QDialog> ventana = abierta_;
  abierta_ = nullptr;
  if (!ventana) return;
  // It may be closing itself just now (the player answered): whatever it
  // still says reaches no one, and it goes once its own code is done.
  ventana->disconnect(this);
  ventana->hide();
  ventana->deleteLater();
  emit cerrada();
}

QMessageBox* PlataformaQt::Caja(Icono icono, const std::string& titulo, const std::string& texto,
                                bool conCancelar) {
  auto* caja = new QMessageBox(IconoCaja(icono), Texto(titulo), Texto(texto), QMessageBox::NoButton, ventana_);
  caja->setObjectName(QStringLiteral("caja"));
  caja->setTextFormat(Qt::PlainText);
  QAbstractButton* aceptar = caja->addButton(tr("Aceptar"), QMessageBox::AcceptRole);
  if (conCancelar) {
    QPushButton* cancelar = caja->addButton(tr("Cancelar"), QMessageBox::RejectRole);
    caja->setDefaultButton(cancelar);
    caja->setEscapeButton(cancelar);
  } else {
    caja->setEscapeButton(aceptar);
  }
  if (auto* rejilla = qobject_cast<QGridLayout*>(caja->layout())) {
    rejilla->addItem(new QSpacerItem(AnchoParaTitulo(caja->windowTitle()), 0, QSizePolicy::Fixed),
                     rejilla->rowCount(), 0, 1, rejilla->columnCount());
  }
  return caja;
}

void PlataformaQt::sonido(int id, bool encendido) { sonidos_->Reproducir(id, encendido); }

bool PlataformaQt::abrir(const std::string& destino) {
  const QString texto = QString::fromUtf8(destino.data(), static_cast<qsizetype>(destino.size()));
  const QUrl url(texto);
  // "mailto:..." and "http://..." are URLs; anything else is a file. A
  // one-letter scheme is a Windows drive ("C:/...").
  if (url.scheme().size() >= 2 && !url.isLocalFile()) return QDesktopServices::openUrl(url);
  AbrirArchivo(url.isLocalFile() ? url.toLocalFile() : texto);
  return true;
}

void PlataformaQt::AbrirArchivo(const QString& ruta) {
#if defined(Q_OS_WIN)
  // The shell reports at once whether a program took the file.
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(ruta))) MostrarDocumento(ruta);
#else
  // The opener only tells how it went when it ends, and a browser it starts
  // may keep it waiting; its answer comes later, while the game goes on.
  auto* abridor = new QProcess(this);
  abridor->setProgram(abridor_);
  abridor->setArguments({ruta});
  abridor->setStandardInputFile(QProcess::nullDevice());
  abridor->setStandardOutputFile(QProcess::nullDevice());
  abridor->setStandardErrorFile(QProcess::nullDevice());
  QElapsedTimer desde;
  desde.start();
  connect(abridor, &QProcess::errorOccurred, this, [this, abridor, ruta](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    abridor->deleteLater();
    MostrarDocumento(ruta);
  });
  connect(abridor, &QProcess::finished, this, [this, abridor, ruta, desde](int codigo, QProcess::ExitStatus estado) {
    abridor->deleteLater();
    if ((codigo != 0 || estado != QProcess::NormalExit) && desde.elapsed() < kMsFalloAlAbrir) MostrarDocumento(ruta);
  });
  abridor->start();
#endif
}

VentanaAyuda* PlataformaQt::Ayuda() const { return ayuda_; }

void PlataformaQt::MostrarDocumento(const QString& ruta) {
  if (terminando_) return;
  if (!ayuda_) ayuda_ = new VentanaAyuda(ventana_);
  if (!ayuda_->Cargar(ruta)) {
    // The window's own box, not the game's: the game has long gone on.
    QMessageBox* caja = Caja(Icono::Exclamacion, kTituloVentana,
                             Formato(traducir("Juego", kNoSeAbreLaAyuda), {ruta.toStdString()}), false);
    connect(caja, &QDialog::finished, caja, &QObject::deleteLater);
    caja->open();
    return;
  }
  // Centred over the main window every time it opens, kept on the screen.
  QRect sitio(QPoint(), ayuda_->frameGeometry().size());
  sitio.moveCenter(ventana_->frameGeometry().center());
  if (const QScreen* pantalla = ventana_->screen()) {
    const QRect libre = pantalla->availableGeometry();
    sitio.moveLeft(std::max(libre.left(), std::min(sitio.left(), libre.right() - sitio.width())));
    sitio.moveTop(std::max(libre.top(), std::min(sitio.top(), libre.bottom() - sitio.height())));
  }
  ayuda_->move(sitio.topLeft());
  ayuda_->show();
  ayuda_->raise();
  ayuda_->activateWindow();
}

double PlataformaQt::reloj() { return static_cast<double>(agenda_.Ahora()) / 1000.0; }

Fecha PlataformaQt::hoy() {
  const QDate d = QDate::currentDate();
  return Fecha{d.year(), d.month(), d.day()};
}

int PlataformaQt::aleatorio(Sorteo, int n) {
  return n <= 1 ? 0 : static_cast<int>(azar_.bounded(static_cast<quint32>(n)));
}

}  // namespace tumbla::ui
