// Qt keys and the virtual key codes the game understands, both ways.
#pragma once

#include <QHash>
#include <QObject>

namespace tumbla::ui {

// The game's code for a Qt key (Qt::Key), or 0 for a key the game has no
// code for: the keys the input table names (motor/Entradas.h), read by
// their portable names; Enter and Return are both 13.
int CodigoTecla(int teclaQt);
// The Qt key of a game's code (Qt::Key), 0 for none.
int TeclaQt(int codigo);

// A held key's repeats must always read as repeats: the pause and sound keys
// act once a press, and a box that opens during play ignores a key still
// held. The X server sends each repeat as a release and a press with one
// timestamp, and Qt marks the pair by looking ahead in its queue for the
// press; on a busy machine the press is not there yet and both come unmarked.
// Installed on the application, this filter sees each press and release at
// its window, before any widget does, and delivers such a press again marked
// as a repeat; no shortcut runs on it.
class CorrectorRepeticiones : public QObject {
 public:
  explicit CorrectorRepeticiones(QObject* padre);

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  QHash<int, quint64> suelta_;  // each key's last release (0: no time known)
};

}  // namespace tumbla::ui
