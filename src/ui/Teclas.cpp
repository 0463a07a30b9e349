// Qt keys to the virtual key codes the game understands.
#include "ui/Teclas.h"

#include <Qt>

#include "progress/CodigosTecla.h"

namespace tumbla::ui {

int CodigoTecla(int teclaQt) {
  if (teclaQt >= Qt::Key_A && teclaQt <= Qt::Key_Z) return 'A' + (teclaQt - Qt::Key_A);
  if (teclaQt >= Qt::Key_0 && teclaQt <= Qt::Key_9) return '0' + (teclaQt - Qt::Key_0);
  if (teclaQt >= Qt::Key_F1 && teclaQt <= Qt::Key_F12) return tecla::kF1 + (teclaQt - Qt::Key_F1);
  switch (teclaQt) {
    case Qt::Key_Left: return tecla::kIzquierda;
    case Qt::Key_Up: return tecla::kArriba;
    case Qt::Key_Right: return tecla::kDerecha;
    case Qt::Key_Down: return tecla::kAbajo;
    case Qt::Key_Space: return tecla::kEspacio;
    case Qt::Key_Return:
    case Qt::Key_Enter: return tecla::kIntro;
    case Qt::Key_Escape: return tecla::kEscape;
    default: return 0;
  }
}

bool UnaVezPorPulsacion(int codigo) { return codigo == tecla::kS || codigo == tecla::kF3; }

}  // namespace tumbla::ui
