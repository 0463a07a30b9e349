// Qt keys and the virtual key codes the game understands.
#include "ui/Teclas.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <Qt>

#include <utility>

#include "motor/CodigosTecla.h"

namespace tumbla::ui {

namespace {

// The keys beyond letters, digits and F1..F12 that have a code.
constexpr std::pair<int, int> kOtras[] = {
    {Qt::Key_Left, tecla::kIzquierda}, {Qt::Key_Up, tecla::kArriba},     {Qt::Key_Right, tecla::kDerecha},
    {Qt::Key_Down, tecla::kAbajo},     {Qt::Key_Space, tecla::kEspacio}, {Qt::Key_Return, tecla::kIntro},
    {Qt::Key_Enter, tecla::kIntro},    {Qt::Key_Escape, tecla::kEscape}, {Qt::Key_Backspace, 8},
    {Qt::Key_Tab, 9},                  {Qt::Key_PageUp, 33},             {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},                 {Qt::Key_Home, 36},               {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},              {Qt::Key_Semicolon, 186},         {Qt::Key_Equal, 187},
    {Qt::Key_Comma, 188},              {Qt::Key_Minus, 189},             {Qt::Key_Period, 190},
    {Qt::Key_Slash, 191},              {Qt::Key_QuoteLeft, 192},         {Qt::Key_BracketLeft, 219},
    {Qt::Key_Backslash, 220},          {Qt::Key_BracketRight, 221},      {Qt::Key_Apostrophe, 222},
};

}  // namespace

int CodigoTecla(int teclaQt) {
  if (teclaQt >= Qt::Key_A && teclaQt <= Qt::Key_Z) return 'A' + (teclaQt - Qt::Key_A);
  if (teclaQt >= Qt::Key_0 && teclaQt <= Qt::Key_9) return '0' + (teclaQt - Qt::Key_0);
  if (teclaQt >= Qt::Key_F1 && teclaQt <= Qt::Key_F12) return tecla::kF1 + (teclaQt - Qt::Key_F1);
  for (const auto& [qt, codigo] : kOtras) {
    if (qt == teclaQt) return codigo;
  }
  return 0;
}

int TeclaQt(int codigo) {
  if (codigo >= 'A' && codigo <= 'Z') return Qt::Key_A + (codigo - 'A');
  if (codigo >= '0' && codigo <= '9') return Qt::Key_0 + (codigo - '0');
  if (codigo >= tecla::kF1 && codigo < tecla::kF1 + 12) return Qt::Key_F1 + (codigo - tecla::kF1);
  for (const auto& [qt, c] : kOtras) {
    if (c == codigo) return qt;
  }
  return 0;
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
