// The main window's client area: the board, the next-piece preview, the
// handicap icons, the objective, the clock, the game-type and pause labels,
// the board frame and the shutter, all painted from the screen model by one
// widget. Everything is laid out in twips on a fixed scene and scaled
// uniformly to the widget, so an enlarged window shows a larger, still sharp
// game.
#pragma once

#include <QRectF>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>

#include "game/Pantalla.h"

namespace tumbla::ui {

// The scene's layout in twips (15 twips per pixel at natural size).
namespace escena {
constexpr double kTwipsPorPixel = 15.0;
constexpr int kAnchoEscena = 5235;  // the window's width
constexpr int kAltoEscena = 6990;   // the window's height below the menu bar
constexpr int kIzquierdaTablero = 0;
constexpr int kArribaTablero = 240;
constexpr int kLadoCelda = 255;
constexpr int kIzquierdaPanel = 3435;
constexpr int kAnchoPanel = 1680;
constexpr int kArribaTitulo = 210;   // "Siguiente"
constexpr int kIzquierdaNext = 3630;  // imgNext(0)
constexpr int kArribaNext = 540;
constexpr int kIzquierdaObstaculos = 3555;  // imgObstaculo(0)
constexpr int kArribaObstaculos = 1860;
constexpr int kPasoObstaculos = 300;
constexpr int kArribaObjetivo = 2340;       // imgObjetivo and lblObjetivo
constexpr int kArribaTiempo = 2760;
constexpr int kArribaTipoJuego = 3300;
constexpr int kArribaPausa = 3750;

// Rectangles of the scene in pixels at natural size.
QRectF Celda(int i);             // board cell i
QRectF CeldaNext(int k);         // preview cell k (5 wide, 4 high)
QRectF MarcoNext();              // the preview's frame
QRectF TituloNext();             // "Siguiente"
QRectF Obstaculo(int k);         // handicap icon slot k
QRectF Objetivo(int k);          // objective picture k
QRectF Tiempo();                 // lblTiempo
QRectF TipoJuego();              // lblTipoJuego
QRectF Pausa();                  // lblPausa
QRectF Panel();                  // everything right of the board
QRectF Tablero();                // the board, walls included
QRectF AreaMarco(bool cuadrado); // the cells shpTablero surrounds
QRectF Persiana(int filas);      // cmdPersiana with that many rows
QRectF Todo();
}  // namespace escena

class Escenario : public QWidget {
  Q_OBJECT
 public:
  explicit Escenario(const Pantalla& pantalla, QWidget* parent = nullptr);

  QSize sizeHint() const override;

  // Schedules the repainting of whatever the game marked as changed, and
  // clears the marks.
  void ProgramarRepintado(Pantalla& pantalla);

  // Pixels per scene pixel, and a scene rectangle in widget coordinates.
  double Escala() const { return escala_; }
  QRectF AWidget(const QRectF& enEscena) const;

  // A key press the game should see: returns true when it was used.
  std::function<bool(QKeyEvent&)> alPulsarTecla;
  // A click on the shutter.
  std::function<void()> alPulsarPersiana;

 signals:
  // Once, at the end of the first paint.
  void primerPintado();

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 private:
  // What decides whether a panel change also touches the board.
  struct SobreTablero {
    bool marcoVisible = false;
    bool marcoCuadrado = false;
    uint32_t colorMarco = 0;
    bool persianaVisible = false;
    int filasPersiana = 0;
    std::string textoPersiana;
    bool operator==(const SobreTablero&) const = default;
  };
  static SobreTablero Captar(const Pantalla& p);

  void PintarTablero(QPainter& p, const QRectF& visible);
  void PintarMarco(QPainter& p);
  void PintarPersiana(QPainter& p);
  void PintarPanel(QPainter& p);
  void Reescalar();

  const Pantalla& pantalla_;
  SobreTablero sobreTablero_;
  double escala_ = 1.0;
  QPointF origen_;
  bool pintado_ = false;
};

}  // namespace tumbla::ui
