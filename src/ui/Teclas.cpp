// Qt keys and the virtual key codes the game understands.
#include "ui/Teclas.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <Qt>

#include <string>

#include "motor/Entradas.h"

namespace tumbla::ui {

int TeclaQt(int codigo) {
  // The input table's portable names are the toolkit's own: a character is
  // its key, and the rest ("Left", "PgUp", "F3") read as key sequences.
  const std::string nombre = NombreTecla(codigo);
  if (nombre.size() == 1) return static_cast<unsigned char>(nombre[0]);
  const QKeySequence secuencia = QKeySequence::fromString(QString::fromLatin1(nombre), QKeySequence::PortableText);
  return secuencia.isEmpty() ? 0 : secuencia[0].key();
}

int CodigoTecla(int teclaQt) {
  static const QHash<int, int> kCodigos = [] {
    QHash<int, int> codigos;
    for (int codigo = 1; codigo < 256; ++codigo) {
      if (const int qt = TeclaQt(codigo)) codigos.insert(qt, codigo);
    }
    return codigos;
  }();
  // The keypad's Enter is ENTER too.
  return kCodigos.value(teclaQt == Qt::Key_Enter ? Qt::Key_Return : teclaQt, 0);
}

CorrectorRepeticiones::CorrectorRepeticiones(QObject* padre) : QObject(padre) {
  QCoreApplication::instance()->installEventFilter(this);
}

bool CorrectorRepeticiones::eventFilter(QObject* objeto, QEvent* evento) {
  const auto tipo = evento->type();
  if (tipo != QEvent::KeyPress && tipo != QEvent::KeyRelease && tipo != QEvent::ShortcutOverride) return false;
  auto* tecla = static_cast<QKeyEvent*>(evento);
  // Events made up without a time (as tests make them) are taken as they come.
  if (tecla->timestamp() == 0) return false;
  if (tipo == QEvent::KeyRelease) {
    suelta_.insert(tecla->key(), tecla->timestamp());
    return false;
  }
  if (tecla->isAutoRepeat() || suelta_.value(tecla->key()) != tecla->timestamp()) return false;
  if (tipo == QEvent::ShortcutOverride) {
    // Taken by the focus widget: no shortcut runs on a repeat it thinks new.
    tecla->accept();
    return true;
  }
  QKeyEvent repeticion(QEvent::KeyPress, tecla->key(), tecla->modifiers(), tecla->nativeScanCode(),
                       tecla->nativeVirtualKey(), tecla->nativeModifiers(), tecla->text(), true,
                       static_cast<quint16>(tecla->count()), tecla->device());
  repeticion.setTimestamp(tecla->timestamp());
  QCoreApplication::sendEvent(objeto, &repeticion);
  evento->setAccepted(repeticion.isAccepted());
  return true;
}

}  // namespace tumbla::ui
