// Qt keys and the virtual key codes the game understands, both ways.
#pragma once

namespace tumbla::ui {

// The game's code for a Qt key (Qt::Key), or 0 for a key the game has no
// code for. Letters and digits keep their character codes, the arrows are
// 37..40, F1..F12 are 112..123, Enter and Return are both 13.
int CodigoTecla(int teclaQt);
// The Qt key of a game's code (Qt::Key), 0 for none.
int TeclaQt(int codigo);

}  // namespace tumbla::ui
