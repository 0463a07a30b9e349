// The player's options, each held once and stored the moment it changes:
// the sound switch (SOINUA, "S" or "N"), the piece set (ZAILTASUNA, "N"
// Normal or "Z" Difícil), the landing shadow (ITZALA, off unless "S") and
// the hint (ARGIBIDEA, off unless "S"), the colours (KOLOREAK: "D" for
// colour-blind eyes, "K" for high contrast, the game's own otherwise) and
// fewer flashes (DISTIRA_GUTXIAGO, off unless "S"), the language
// (HIZKUNTZA: "es" Spanish, "en" English, the desktop's while neither); and where the window
// stands, in section LEIHOA: full screen or not (PANTAILA_OSOA) and its
// place and size (KOKAPENA, "x,y,width,height").
#pragma once

#include <cstdint>

#include "game/Mesa.h"
#include "almacen/Almacen.h"

namespace tumbla {

constexpr const char* kSeccionVentana = "LEIHOA";

// The colours the game is painted in: its own, ones that stay apart for
// colour-blind eyes, or light shapes on black.
enum class Colores : uint8_t { Propios, Daltonismo, Contraste };

// The language the game speaks: the desktop's (Spanish unless the game has
// a translation for it), or the one the player chose.
enum class Idioma : uint8_t { Sistema, Espanol, Ingles };

// The main window's place and size on the desktop, in its own pixels.
struct Geometria {
  int x = 0;
  int y = 0;
  int ancho = 0;
  int alto = 0;
  bool Valida() const { return ancho > 0 && alto > 0; }
  bool operator==(const Geometria&) const = default;
};

class Ajustes {
 public:
  explicit Ajustes(Almacen& almacen) : almacen_(almacen) {}

  // Start-up: the stored options. A stored piece set other than "N" or "Z"
  // changes nothing, so the one in force (Normal) stays.
  void Cargar();
  // Only the window's state and place, and the language: nothing is written.
  void CargarVentana();

  bool Sonido() const { return sonido_; }
  void CambiarSonido();
  // 0 for Normal, 1 for Difícil.
  int Fichas() const { return fichas_; }
  JuegoFichas JuegoDeFichas() const { return fichas_ == 1 ? JuegoFichas::Dificil() : JuegoFichas::Normal(); }
  void ElegirFichas(int indice);
  bool Sombra() const { return sombra_; }
  void CambiarSombra();
  bool Pista() const { return pista_; }
  void CambiarPista();
  Colores Paleta() const { return colores_; }
  void ElegirColores(Colores c);
  // Cleared rows and the clock's last seconds without flashing.
  bool MenosDestellos() const { return menosDestellos_; }
  void CambiarMenosDestellos();

  Idioma Lengua() const { return idioma_; }
  void ElegirIdioma(Idioma i);

  bool PantallaCompleta() const { return completa_; }
  void CambiarPantallaCompleta();
  // The window's last place and size (not valid before the first one).
  const Geometria& Ventana() const { return ventana_; }
  void RecordarVentana(const Geometria& g);

 private:
  Almacen& almacen_;
  bool sonido_ = true;
  int fichas_ = 0;
  bool sombra_ = false;
  bool pista_ = false;
  Colores colores_ = Colores::Propios;
  bool menosDestellos_ = false;
  Idioma idioma_ = Idioma::Sistema;
  bool completa_ = false;
  Geometria ventana_;
};

}  // namespace tumbla
