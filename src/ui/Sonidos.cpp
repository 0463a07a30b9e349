// Sound effects from the built-in WAV files.
#include "ui/Sonidos.h"

#include <QSoundEffect>
#include <QUrl>

namespace tumbla::ui {

ReproductorSonidos::ReproductorSonidos(QObject* parent) : QObject(parent) {}

QSoundEffect* ReproductorSonidos::Efecto(int id) {
  QSoundEffect*& efecto = efectos_[static_cast<size_t>(id - kPrimero)];
  if (!efecto) {
    // QSoundEffect loads in the background; a play() asked for before the
    // load ends starts as soon as it is ready.
    efecto = new QSoundEffect(this);
    efecto->setVolume(0.8f);
    efecto->setSource(QUrl(QStringLiteral("qrc:/sounds/%1.wav").arg(id)));
  }
  return efecto;
}

void ReproductorSonidos::Reproducir(int id, bool encendido) {
  if (!encendido || id < kPrimero || id > kUltimo) return;
  // Only one sound at a time: the new one cuts the last one off.
  if (ultimo_ != 0) {
    if (QSoundEffect* anterior = efectos_[static_cast<size_t>(ultimo_ - kPrimero)])
      anterior->stop();
  }
  ultimo_ = id;
  Efecto(id)->play();
}

void ReproductorSonidos::Precargar() {
  for (int id = kPrimero; id <= kUltimo; ++id) Efecto(id);
}

int ReproductorSonidos::Cargados() const {
  int n = 0;
  for (const QSoundEffect* efecto : efectos_) n += efecto ? 1 : 0;
  return n;
}

}  // namespace tumbla::ui
