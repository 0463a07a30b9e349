// The main window's client area: the board with the landing shadow and the
// flash of cleared rows (or, with fewer flashes, a steady mark beside them),
// the next-piece preview, the handicap icons and the objective (with their
// tooltips), the clock, the game-type and pause labels, the score and record
// (and the note when the hint makes none), the first-screen hint, the board
// frame and the shutter, all painted from the screen model, in the player's
// colours, by one widget. Everything is laid out in twips on a fixed scene
// and scaled uniformly to the widget, centred in it, so an enlarged window of
// any shape shows a larger, still sharp game.
#pragma once

#include <QElapsedTimer>
#include <QRectF>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "motor/Pantalla.h"
#include "ui/Paleta.h"

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
constexpr int kIzquierdaSiguiente = 3630;  // imgNext(0)
constexpr int kArribaSiguiente = 540;
constexpr int kIzquierdaObstaculos = 3555;  // imgObstaculo(0)
constexpr int kArribaObstaculos = 1860;
constexpr int kPasoObstaculos = 300;
constexpr int kArribaObjetivo = 2340;       // imgObjetivo and lblObjetivo
constexpr int kArribaTiempo = 2760;
constexpr int kArribaTipoJuego = 3300;
constexpr int kArribaPausa = 3750;
constexpr int kArribaPuntos = 4380;  // "Puntos" and its value
constexpr int kArribaRecord = 5130;  // "Récord" and its value
constexpr int kAltoRotulo = 240;
constexpr int kAltoMarcador = 390;
constexpr int kArribaDemo = 6000;   // "DEMO" while the computer plays, or the hint's note

// Rectangles of the scene in pixels at natural size.
QRectF Celda(int i);             // board cell i
QRectF CeldaSiguiente(int k);         // preview cell k (5 wide, 4 high)
QRectF MarcoSiguiente();              // the preview's frame
QRectF TituloSiguiente();             // "Siguiente"
QRectF Obstaculo(int k);         // handicap icon slot k
QRectF Objetivo(int k);          // objective picture k
QRectF Tiempo();                 // lblTiempo
QRectF TipoJuego();              // lblTipoJuego
QRectF Pausa();                  // lblPausa
QRectF Puntos();                 // lblPuntos, under its caption
QRectF Record();                 // lblRecord, under its caption
QRectF Demo();                   // lblDemo
QRectF FilaTablero(int fila);    // playing-field row 0..23
QRectF Inicio();                 // lblInicio, over the middle of the board
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
  // The screen model it paints (the game's own, as last presented).
  const Pantalla& pantalla() const { return *pantalla_; }
  // Paints another screen model from now on (a replay's, or the game's own
  // again), all of it at once.
  void Mostrar(const Pantalla& pantalla);

  QSize sizeHint() const override;

  // True once the first paint is done.
  bool Pintado() const { return pintado_; }

  // Schedules the repainting of whatever the game marked as changed, and
  // clears the marks.
  void ProgramarRepintado(const Cambios& cambios);

  // Board rows flashing now (a cleared row flashes about a tenth of a
  // second where it was; with fewer flashes, arrows beside it stay a while).
  bool Destella(int fila) const;
  static constexpr int kMsDestello = 110;
  static constexpr int kMsMarca = 600;
  // The colours it paints in, as the player chose them.
  const Paleta& paleta() const { return PaletaDe(pantalla_->aspecto.colores); }

  // Pixels per scene pixel, and a scene rectangle in widget coordinates.
  double Escala() const { return escala_; }
  QRectF AWidget(const QRectF& enEscena) const;

  // A key press the game should see: returns true when it was used.
  std::function<bool(QKeyEvent&)> alPulsarTecla;
  // A key that came up, and the keyboard gone elsewhere (held keys end).
  std::function<void(QKeyEvent&)> alSoltarTecla;
  std::function<void()> alPerderTeclado;
  // A click on the shutter.
  std::function<void()> alPulsarPersiana;
  // Any click on the scene, before anything else: true when it was used.
  std::function<bool()> alHacerClic;

 signals:
  // Once, at the end of the first paint.
  void primerPintado();

 protected:
  bool event(QEvent* evento) override;
  void paintEvent(QPaintEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void keyReleaseEvent(QKeyEvent* evento) override;
  void focusOutEvent(QFocusEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 private:
  // What decides whether a panel change also touches the board.
  struct SobreTablero {
    MarcoTablero marco;
    bool persianaVisible = false;
    int filasPersiana = 0;
    std::string textoPersiana;
    bool inicio = false;
    Aspecto aspecto;
    bool operator==(const SobreTablero&) const = default;
  };
  static SobreTablero Captar(const Pantalla& p);

  void PintarTablero(QPainter& p, const QRectF& visible);
  void PintarMarco(QPainter& p);
  void PintarPersiana(QPainter& p);
  void PintarPanel(QPainter& p);
  void PintarSiguiente(QPainter& p);
  void PintarObjetivo(QPainter& p);
  void PintarTipoJuego(QPainter& p);
  void PintarMarcador(QPainter& p, const QRectF& sitio, const QString& rotulo, const Etiqueta& valor);
  void PintarDestellos(QPainter& p);
  void Reescalar();
  // Starts the flash of the rows the game marked, and ends those whose time is up.
  void Destellar(const std::bitset<kAlto>& filasBorradas);
  void ApagarDestellos();
  // A board row with its walls, where its flash or mark shows.
  static QRectF FilaConMuros(int fila);
  // The tooltip of the handicap icon or the objective at a widget point.
  QString AyudaEn(const QPointF& punto) const;

  const Pantalla* pantalla_;
  SobreTablero sobreTablero_;
  double escala_ = 1.0;
  QPointF origen_;
  bool pintado_ = false;
  QElapsedTimer reloj_;
  std::array<qint64, kAlto> destelloHasta_{};  // ms of reloj_, per board row
  QTimer finDestello_;
};

}  // namespace tumbla::ui
