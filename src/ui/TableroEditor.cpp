#include "ui/TableroEditor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "game/Reglas.h"
#include "game/Tablero.h"
#include "modes/Grupos.h"
#include "ui/Dibujos.h"

namespace tumbla::ui {

namespace {

constexpr int kColumnas = kAncho - 2;  // 1..11
constexpr int kFilas = kAlto - 1;      // 0..23
constexpr int kFilasEntrada = 5;       // where pieces enter: no block there
constexpr int kLadoNatural = 20;

}  // namespace

TableroEditor::TableroEditor(NivelPropio& nivel, const Paleta& paleta, QWidget* parent)
    : QWidget(parent), nivel_(nivel), paleta_(paleta), cursor_(20 * kAncho + 6) {
  setObjectName(QStringLiteral("tablero"));
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(kColumnas * 12, kFilas * 12);
  setAccessibleName(tr("Tablero inicial"));
}

QSize TableroEditor::sizeHint() const { return {kColumnas * kLadoNatural, kFilas * kLadoNatural}; }

int TableroEditor::Lado() const { return std::max(1, std::min(width() / kColumnas, height() / kFilas)); }

QRect TableroEditor::Rectangulo(int celda) const {
  const int lado = Lado();
  return {(Columna(celda) - 1) * lado, Fila(celda) * lado, lado, lado};
}

int TableroEditor::CeldaEn(const QPoint& punto) const {
  const int lado = Lado();
  const int columna = punto.x() / lado + 1, fila = punto.y() / lado;
  if (punto.x() < 0 || punto.y() < 0 || columna > kColumnas || fila >= kFilas) return -1;
  return fila * kAncho + columna;
}

void TableroEditor::Aplicar(int celda, bool llenar) {
  switch (herramienta_) {
    case Herramienta::Bloques:
      if (llenar) {
        nivel_.bloques.insert(celda);
      } else {
        nivel_.bloques.erase(celda);
      }
      break;
    case Herramienta::GotaAzul:
      nivel_.gota = celda;
      break;
    case Herramienta::GotaRosa:
      nivel_.gotaRosa = celda;
      break;
    case Herramienta::Maceta:
      nivel_.maceta = celda;
      break;
  }
  cursor_ = celda;
  update();
  emit cambiado();
}

void TableroEditor::mousePressEvent(QMouseEvent* evento) {
  const int celda = CeldaEn(evento->position().toPoint());
  if (evento->button() != Qt::LeftButton || celda < 0) return QWidget::mousePressEvent(evento);
  setFocus(Qt::MouseFocusReason);
  llenando_ = nivel_.bloques.count(celda) == 0;
  ultima_ = celda;
  Aplicar(celda, llenando_);
}

void TableroEditor::mouseMoveEvent(QMouseEvent* evento) {
  const int celda = CeldaEn(evento->position().toPoint());
  if (!(evento->buttons() & Qt::LeftButton) || herramienta_ != Herramienta::Bloques || celda < 0 || celda == ultima_) {
    return;
  }
  ultima_ = celda;
  Aplicar(celda, llenando_);
}

void TableroEditor::keyPressEvent(QKeyEvent* evento) {
  int fila = Fila(cursor_), columna = Columna(cursor_);
  switch (evento->key()) {
    case Qt::Key_Left: columna = std::max(1, columna - 1); break;
    case Qt::Key_Right: columna = std::min(kColumnas, columna + 1); break;
    case Qt::Key_Up: fila = std::max(0, fila - 1); break;
    case Qt::Key_Down: fila = std::min(kFilas - 1, fila + 1); break;
    case Qt::Key_Space:
      Aplicar(cursor_, nivel_.bloques.count(cursor_) == 0);
      return;
    default:
      return QWidget::keyPressEvent(evento);
  }
  cursor_ = fila * kAncho + columna;
  update();
}

void TableroEditor::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int lado = Lado();
  const QRect campo(0, 0, kColumnas * lado, kFilas * lado);
  p.fillRect(campo, QColor::fromRgb(paleta_.fondoJuego));
  // Where no block may stand: the rows pieces enter by, and on the square
  // board everything above the square.
  const Grupo* grupo = GrupoDe(nivel_);
  const bool cuadrado = grupo != nullptr && ReglasDe(grupo->modo).Cuadrado();
  const int libres = cuadrado ? kFilaCuadrado : kFilasEntrada;
  p.fillRect(QRect(0, 0, campo.width(), libres * lado), QBrush(QColor::fromRgb(paleta_.rejilla), Qt::BDiagPattern));
  p.setPen(QColor::fromRgb(paleta_.rejilla));
  for (int c = 0; c <= kColumnas; ++c) p.drawLine(c * lado, 0, c * lado, campo.height());
  for (int f = 0; f <= kFilas; ++f) p.drawLine(0, f * lado, campo.width(), f * lado);

  for (int celda : nivel_.bloques) PintarImagen(p, Rectangulo(celda), kMuro, paleta_);
  if (grupo != nullptr && UsaCampo(*grupo, CampoNivel::Gota) && nivel_.gota > 0) {
    PintarImagen(p, Rectangulo(nivel_.gota), kGotaAzul, paleta_);
  }
  if (grupo != nullptr && UsaCampo(*grupo, CampoNivel::GotaRosa) && nivel_.gotaRosa > 0) {
    PintarImagen(p, Rectangulo(nivel_.gotaRosa), kGotaRosa, paleta_);
  }
  if (grupo != nullptr && UsaCampo(*grupo, CampoNivel::Maceta) && nivel_.maceta >= kAncho) {
    PintarImagen(p, Rectangulo(nivel_.maceta), kMaceta, paleta_);
    PintarImagen(p, Rectangulo(nivel_.maceta - kAncho), kFlorBlanca, paleta_);
  }
  p.setPen(QPen(QColor::fromRgb(paleta_.marco), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(cuadrado ? QRect(0, kFilaCuadrado * lado, campo.width(), (kFilas - kFilaCuadrado) * lado) : campo);
  if (hasFocus()) {
    p.setPen(QPen(QColor::fromRgb(paleta_.textoClaro), 2, Qt::DashLine));
    p.drawRect(Rectangulo(cursor_).adjusted(1, 1, -1, -1));
  }
}

}  // namespace tumbla::ui
