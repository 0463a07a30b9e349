#include "ui/Visor.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QSlider>
#include <QWidget>

#include <algorithm>
#include <array>

#include "almacen/Ini.h"
#include "grabacion/AlmacenRepeticiones.h"
#include "motor/Ayuda.h"
#include "motor/Teclado.h"
#include "replay/Reproductor.h"
#include "ui/Escenario.h"

namespace tumbla::ui {

namespace {

QString Texto(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

constexpr std::array<double, 6> kVelocidades{0.25, 0.5, 1, 2, 4, 8};
constexpr const char* kNombresVelocidad[] = {"×¼", "×½", "×1", "×2", "×4", "×8"};
constexpr int kAltoBarra = 30;

QString Reloj(int64_t ms) {
  const int64_t s = ms / 1000;
  return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

Visor::Visor(const QString& carpeta, uint64_t huellaNiveles, Escenario& escenario, const Pantalla& jugador,
             QWidget* ventana)
    : QObject(ventana), escenario_(escenario), jugador_(jugador), ventana_(ventana) {
  if (!carpeta.isEmpty()) almacen_ = std::make_unique<AlmacenRepeticiones>(carpeta.toStdString(), huellaNiveles);
  reloj_.setInterval(16);
  connect(&reloj_, &QTimer::timeout, this, &Visor::Paso);
  // The bar under the board: the moment shown, which the player drags to seek.
  barra_ = new QWidget(&escenario_);
  barra_->setObjectName(QStringLiteral("barraRepeticion"));
  barra_->setAutoFillBackground(true);
  deslizador_ = new QSlider(Qt::Horizontal, barra_);
  deslizador_->setObjectName(QStringLiteral("momento"));
  deslizador_->setFocusPolicy(Qt::NoFocus);
  rotulo_ = new QLabel(barra_);
  rotulo_->setObjectName(QStringLiteral("rotuloRepeticion"));
  auto* fila = new QHBoxLayout(barra_);
  fila->setContentsMargins(6, 2, 6, 2);
  fila->addWidget(deslizador_, 1);
  fila->addWidget(rotulo_);
  connect(deslizador_, &QSlider::valueChanged, this, [this](int ms) { Buscar(ms); });
  barra_->hide();
}

Visor::~Visor() { reloj_.stop(); }

// ---- Keeping ------------------------------------------------------------------

void Visor::Guardar(Grabacion g) {
  porGuardar_.push_back(std::move(g));
  QTimer::singleShot(0, this, [this] { GuardarPendientes(); });
}

void Visor::GuardarPendientes(bool avisar) {
  for (Grabacion& g : std::exchange(porGuardar_, {})) {
    if (!almacen_ || almacen_->Guardar(g) || avisado_) continue;
    avisado_ = true;
    if (!avisar) continue;
    // The window's own box: the game has long gone on.
    auto* caja = new QMessageBox(QMessageBox::Warning, QString::fromUtf8(kTituloVentana),
                                 tr("No se puede guardar la repetición en la carpeta:\n\n%1\n\nEl juego sigue, "
                                    "pero sus partidas no se guardarán para verlas después.")
                                     .arg(Texto(almacen_->carpeta())),
                                 QMessageBox::Ok, ventana_);
    caja->setAttribute(Qt::WA_DeleteOnClose);
    caja->open();
  }
}

// ---- Watching -----------------------------------------------------------------

bool Visor::Elegir(const std::string& archivo) {
  std::string texto;
  if (!almacen_ || almacen_->Leer(archivo, texto) != Lectura::Leida) return false;
  LecturaRepeticion leida = LeerRepeticion(texto, almacen_->huella());
  if (!leida.Valida()) return false;
  elegida_ = std::make_unique<Grabacion>(std::move(leida.grabacion));
  return true;
}

void Visor::Mostrar(std::function<void()> salir) {
  Cerrar();
  salir_ = std::move(salir);
  try {
    if (elegida_) reproductor_ = std::make_unique<Reproductor>(*elegida_);
  } catch (const std::exception& e) {
    reproductor_.reset();
    Avisar(Texto(e.what()));
  }
  if (!reproductor_) {
    // Nothing to watch: the game goes back at once.
    QTimer::singleShot(0, this, [s = salir_] { s(); });
    return;
  }
  pausa_ = false;
  velocidad_ = 2;
  {
    const QSignalBlocker bloqueo(deslizador_);
    deslizador_->setRange(0, static_cast<int>(std::min<int64_t>(reproductor_->Duracion(), INT_MAX)));
    deslizador_->setSingleStep(1000);
    deslizador_->setPageStep(10000);
  }
  barra_->show();
  barra_->raise();
  // The keys come to the board, whatever window the desktop last activated
  // (the list, which may only now be going).
  ventana_->activateWindow();
  escenario_.setFocus();
  QTimer::singleShot(250, ventana_, [v = ventana_] { v->activateWindow(); });
  escenario_.Mostrar(pantalla_);
  Refrescar();
  pasado_.start();
  reloj_.start();
}

void Visor::Cerrar() {
  reloj_.stop();
  if (!reproductor_) return;
  reproductor_.reset();
  barra_->hide();
  // The game's own screen again, all of it.
  escenario_.Mostrar(jugador_);
  Cambios todo;
  todo.celdas.set();
  todo.panel = true;
  escenario_.ProgramarRepintado(todo);
}

double Visor::Velocidad() const { return kVelocidades[static_cast<size_t>(velocidad_)]; }

void Visor::Avisar(const QString& texto) {
  auto* caja = new QMessageBox(QMessageBox::Warning, QString::fromUtf8(kTituloVentana),
                               tr("No se puede ver esta repetición: %1").arg(texto), QMessageBox::Ok,
                               ventana_);
  caja->setAttribute(Qt::WA_DeleteOnClose);
  caja->open();
}

void Visor::Intentar(const std::function<void(Reproductor&)>& paso) {
  if (!reproductor_) return;
  try {
    paso(*reproductor_);
    Refrescar();
  } catch (const std::exception& e) {
    Avisar(Texto(e.what()));
    if (salir_) salir_();
  }
}

void Visor::Tecla(int codigo, bool repeticion, const Teclado& teclado) {
  if (!reproductor_) return;
  const Comando c = teclado.Resolver(codigo, repeticion, Contexto::Visor);
  // In practice the keys play, but Escape.
  if (reproductor_->Practicando() && c != Comando::Cancelar) {
    return Intentar([codigo, repeticion](Reproductor& r) { r.Tecla(codigo, repeticion); });
  }
  Orden(c);
}

void Visor::Orden(Comando c) {
  if (!reproductor_) return;
  switch (c) {
    case Comando::Pausa:
      pausa_ = !pausa_;
      break;
    case Comando::MasDespacio:
    case Comando::MasDeprisa:
      velocidad_ = std::clamp(velocidad_ + (c == Comando::MasDeprisa ? 1 : -1), 0,
                              static_cast<int>(kVelocidades.size()) - 1);
      break;
    case Comando::PiezaAnterior:
    case Comando::PiezaSiguiente:
      pausa_ = true;
      break;
    case Comando::SeguirAqui:
      pausa_ = false;
      break;
    case Comando::Primero:
    case Comando::Ultimo:
      break;
    case Comando::Cancelar:
      if (salir_) salir_();  // the game takes the answer and withdraws the replay
      return;
    default:
      return;
  }
  pasado_.restart();
  Intentar([c](Reproductor& r) {
    if (c == Comando::PiezaAnterior || c == Comando::PiezaSiguiente) r.Pieza(c == Comando::PiezaSiguiente ? 1 : -1);
    if (c == Comando::Primero) r.Ir(0);
    if (c == Comando::Ultimo) r.Ir(r.Duracion());
    if (c == Comando::SeguirAqui) r.Practicar();
  });
}

void Visor::Buscar(int64_t ms) {
  if (!reproductor_ || reproductor_->Practicando()) return;
  Intentar([ms](Reproductor& r) { r.Ir(ms); });
}

void Visor::Paso() {
  if (!reproductor_ || (pausa_ && !reproductor_->Practicando())) return;
  const int64_t pasado = pasado_.restart();
  Intentar([this, pasado](Reproductor& r) {
    if (r.Practicando()) return r.Correr(pasado);
    r.Ir(r.Ahora() + std::llround(static_cast<double>(pasado) * Velocidad()));
    if (r.Ahora() >= r.Duracion()) pausa_ = true;  // the end stays on screen
  });
}

void Visor::Refrescar() {
  Reproductor& r = *reproductor_;
  Juego& juego = r.juego();
  Cambios cambios = juego.TomarCambios();
  const Etiqueta antes = pantalla_.lblDemo;
  pantalla_ = juego.pantalla();
  // Shown with the player's options.
  pantalla_.aspecto = jugador_.aspecto;
  pantalla_.menuNormal = jugador_.menuNormal;
  pantalla_.menuDificil = jugador_.menuDificil;
  pantalla_.menuSonido = jugador_.menuSonido;
  pantalla_.menuMinutos = jugador_.menuMinutos;
  pantalla_.menuSombra = jugador_.menuSombra;
  pantalla_.menuPista = jugador_.menuPista;
  pantalla_.menuPantallaCompleta = jugador_.menuPantallaCompleta;
  pantalla_.lblDemo = {r.Practicando() ? "PRÁCTICA" : "REPETICIÓN", true};
  // A seek may change anything: the whole board then.
  cambios.celdas.set();
  cambios.panel |= !(antes == pantalla_.lblDemo);
  escenario_.ProgramarRepintado(cambios);

  const QRect sitio(0, escenario_.height() - kAltoBarra, escenario_.width(), kAltoBarra);
  if (barra_->geometry() != sitio) barra_->setGeometry(sitio);
  {
    const QSignalBlocker bloqueo(deslizador_);
    deslizador_->setValue(static_cast<int>(std::min<int64_t>(r.Ahora(), INT_MAX)));
    deslizador_->setEnabled(!r.Practicando());
  }
  rotulo_->setText(r.Practicando() ? tr("Práctica: no se guarda nada")
                                   : QStringLiteral("%1 / %2  %3%4")
                                         .arg(Reloj(r.Ahora()), Reloj(r.Duracion()),
                                              QString::fromUtf8(kNombresVelocidad[velocidad_]),
                                              pausa_ ? QStringLiteral("  ") + tr("PAUSA") : QString()));
}

}  // namespace tumbla::ui
