// Held keys of play, timed by the game.
#include "ui/TeclasSostenidas.h"

#include <QKeyEvent>
#include <QPointer>

#include <algorithm>
#include <vector>

namespace tumbla::ui {

TeclasSostenidas::TeclasSostenidas(QObject* padre) : QObject(padre) {
  reloj_.start();
  temporizador_.setSingleShot(true);
  temporizador_.setTimerType(Qt::PreciseTimer);
  connect(&temporizador_, &QTimer::timeout, this, &TeclasSostenidas::Alcanzar);
}

int TeclasSostenidas::Debidas(const Ritmo& ritmo, qint64 ms) {
  if (ritmo.porSegundo <= 0 || ms < ritmo.retardo) return 1;
  return 2 + static_cast<int>((ms - ritmo.retardo) * ritmo.porSegundo / 1000);
}

bool TeclasSostenidas::Bajada(const QKeyEvent& evento, int codigo, Ritmo ritmo) {
  const auto tecla = teclas_.find(evento.key());
  // X may hand a repeat over as a release and a press with one time: the
  // key was never let go, and goes on at its own pace.
  if (tecla != teclas_.end() && !tecla->abajo && tecla->suelta != 0 && tecla->suelta == evento.timestamp()) {
    tecla->abajo = true;
    Alcanzar();
    return false;
  }
  if (evento.isAutoRepeat()) return false;
  teclas_.insert(evento.key(), Tecla{codigo, ritmo, reloj_.elapsed(), 1, true, 0});
  Programar();
  return true;
}

void TeclasSostenidas::Subida(const QKeyEvent& evento) {
  if (evento.isAutoRepeat() || !teclas_.contains(evento.key()) || !teclas_[evento.key()].abajo) return;
  Alcanzar();
  // The moves made may have taken the keyboard from the board meanwhile.
  const auto tecla = teclas_.find(evento.key());
  if (tecla == teclas_.end()) return;
  tecla->abajo = false;
  tecla->suelta = evento.timestamp();
  Programar();
}

void TeclasSostenidas::Soltar() {
  teclas_.clear();
  temporizador_.stop();
}

void TeclasSostenidas::Alcanzar() {
  const qint64 ahora = reloj_.elapsed();
  std::vector<int> salida;
  for (Tecla& t : teclas_) {
    if (!t.abajo) continue;
    for (const int debidas = Debidas(t.ritmo, ahora - t.desde); t.hechas < debidas; ++t.hechas) {
      salida.push_back(t.codigo);
    }
  }
  Programar();
  // Sent once counted: the game may take the keyboard away, and with it
  // every held key.
  const QPointer<TeclasSostenidas> vivo(this);
  for (int codigo : salida) {
    if (!vivo) return;
    emit repeticion(codigo);
  }
}

void TeclasSostenidas::Programar() {
  const qint64 ahora = reloj_.elapsed();
  qint64 espera = -1;
  for (const Tecla& t : teclas_) {
    if (!t.abajo || t.ritmo.porSegundo <= 0) continue;
    // The next move, the (hechas + 1)th: the first repeat at the delay, each
    // later one a whole number of beats after it, rounded up to the ms.
    const qint64 repeticiones = t.hechas - 1;
    const qint64 debida = t.desde + t.ritmo.retardo + (repeticiones * 1000 + t.ritmo.porSegundo - 1) / t.ritmo.porSegundo;
    espera = espera < 0 ? std::max<qint64>(0, debida - ahora) : std::min(espera, std::max<qint64>(0, debida - ahora));
  }
  if (espera < 0) {
    temporizador_.stop();
  } else {
    temporizador_.start(static_cast<int>(espera));
  }
}

}  // namespace tumbla::ui
