// The level-selection window's logic: 50 level buttons in five rows of ten,
// the scroll bar, the red selection frame, the caption, the data line and the
// keys. The window only paints this model and forwards its input here; the
// input that closes the window gives the window's answer (Eleccion): a level
// to play, or back to the game in play. The host hands that answer to the
// game.
//
// Geometry is given in twips (15 twips per logical pixel), the units the
// window's layout is drawn in. Colours are 0x00BBGGRR.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/Comando.h"
#include "game/Textos.h"
#include "levels/Niveles.h"
#include "motor/Ajenos.h"

namespace tumbla {

// What the window answers the game.
struct Eleccion {
  enum Tipo { Ninguna, Jugar, Continuar, Paquete };
  Tipo tipo = Ninguna;
  int posicion = 0;   // Jugar: 1..296; Paquete: the level's place in the pack, from 0
  bool gris = false;  // chosen beyond the open levels: its completion is not stored
  std::shared_ptr<const PaqueteJugable> paquete = nullptr;  // Paquete: the pack chosen from
  bool operator==(const Eleccion&) const = default;
};

class SelectorNiveles {
 public:
  static constexpr int kBotones = 50;
  static constexpr int kPorFila = 10;
  static constexpr int kFilasVisibles = 5;

  // Layout of the window's client area.
  static constexpr int kAnchoVentana = 8130;
  static constexpr int kAltoVentana = 4215;
  static constexpr int kIzquierdaBotones = 240;  // button 0
  static constexpr int kArribaBotones = 240;
  static constexpr int kLadoBoton = 615;        // buttons are square
  static constexpr int kSeparacion = 120;       // gap between buttons
  static constexpr int kIzquierdaDatos = 240;   // lblDatos
  static constexpr int kArribaDatos = 3930;
  static constexpr int kAnchoDatos = 7635;
  static constexpr int kAltoDatos = 195;
  static constexpr uint32_t kColorTextoDatos = 0xC0C0C0;
  static constexpr uint32_t kColorFondoDatos = 0x404040;
  static constexpr uint32_t kColorMarco = 0x0000FF;  // shpNivel's border

  // One of the 50 level buttons (cmdNivel).
  struct BotonNivel {
    std::string texto;           // the level number, "" when blank
    uint32_t color = 0xC0C0C0;   // background
    bool visible = false;
  };

  // The selection frame (shpNivel): a rectangle around button Seleccionado.
  struct Marco {
    int izquierda = 0;
    int arriba = 0;
    int ancho = 0;
    int alto = 0;
  };

  explicit SelectorNiveles(const CatalogoNiveles& niveles);

  // ---- What the window paints ----------------------------------------------
  const BotonNivel& Boton(int i) const { return cmdNivel_[static_cast<size_t>(i)]; }
  // Top-left corner of button i, in twips.
  static int IzquierdaBoton(int i);
  static int ArribaBoton(int i);
  Marco MarcoSeleccion() const;
  // scrNiveles: its value is the first visible row of ten levels.
  int ValorDesplazamiento() const { return scrNiveles_; }
  int MaximoDesplazamiento() const { return maximo_; }
  int Seleccionado() const { return Seleccionado_; }
  // "Selecciona un nivel", "¿Volver a intentarlo?",
  // "Juego pausado. Pulsa ESCAPE para continuar." or, for a demo,
  // "Demostración: elige el nivel que jugará el ordenador".
  const std::string& Titulo() const { return titulo_; }
  static std::string TituloPara(bool enJuego, int nivelActual, bool paraDemo, const Traductor& tr = SinTraducir());
  const std::string& lblDatos() const { return lblDatos_; }
  // "AMAITUTAKOA" as read at the last activation, clamped to 0..296.
  int Superados() const { return Superados_; }
  // True from activation until a level is chosen or Escape continues.
  bool Abierto() const { return abierto_; }

  // ---- Input from the window -------------------------------------------------
  // Every time the game shows the window: the progress stored, whether a
  // level is in play (or waits behind the shutter), the current position,
  // whether the level chosen is for the computer to play, and the language
  // of its texts (until the next activation).
  void Activar(int superados, bool enJuego, int nivelActual, bool paraDemo = false,
               const Traductor& tr = SinTraducir());
  // A command of the level window's keys (Contexto::Selector in the input
  // table): the arrows move the selection, a page (PaginaAnterior,
  // PaginaSiguiente) moves it five rows, Primero and Ultimo go to the first
  // and the last level, and the selection never rests on a blank slot past
  // the last level; Aceptar chooses the selected button, Cancelar continues
  // the paused game.
  Eleccion Ordenar(Comando c);
  // The pointer is over button i, or over the window's background.
  void PunteroSobreBoton(int i);
  void PunteroSobreFondo();
  // Click on button i (a hidden or blank button does nothing).
  Eleccion ClicBoton(int i);
  // The player moved the scroll bar (clamped to 0..maximum).
  void CambiarDesplazamiento(int valor);

  // For scripts: scrolls so that position p (1..296) is visible, selects its
  // button and chooses it, open or grey as it shows. Nothing (and nothing
  // done) when p is outside 1..296.
  Eleccion ElegirPosicion(int p);
  // Escape, or the window closed: back to the game as it was.
  Eleccion Continuar();

 private:
  void PintarBotones();
  void MostrarDatos(int i);
  void MarcarSeleccion();
  void PonerDesplazamiento(int valor);
  Eleccion Elegir(int i);

  const CatalogoNiveles& niveles_;
  const Traductor* tr_ = &SinTraducir();
  std::array<BotonNivel, kBotones> cmdNivel_{};
  int scrNiveles_ = 0;
  int maximo_ = 0;
  int Seleccionado_ = 0;
  int Superados_ = 0;
  bool abierto_ = false;
  std::string titulo_;
  std::string lblDatos_;
};

}  // namespace tumbla
