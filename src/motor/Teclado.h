// The key map: which command a key gives. The main window's handler knows
// the keys of play, which the player may change ("Teclas..."), and its menu
// has two shortcuts (F1 "Ayuda", F2 "Nuevo"); the shutter, while it shows,
// has the focus and a handler of its own that sees a key after the main
// window's (ENTER leads on, F2 and S as in the main window). Keys are
// virtual key codes 1..255, stored by their portable names ("Left", "J",
// "Space", "3") in section TEKLAK of the settings, one key per action.
// The same section keeps how a held key repeats, which the host times.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "game/Comando.h"
#include "almacen/Almacen.h"
#include "motor/Ayuda.h"

namespace tumbla {

// Where a key arrives: the main window, or the shutter when it has the focus.
enum class Foco : uint8_t { Ventana, Persiana };

// An action of play whose key the player chooses.
struct AccionTecla {
  Comando comando;
  const char* clave;    // its key in section TEKLAK
  const char* nombre;   // as the "Teclas..." dialog lists it
  int tecla;            // the game's own key (0: none)
  int alternativa;      // a second key it keeps while no other action takes it
};
constexpr int kAccionesTecla = 10;

constexpr const char* kSeccionTeclas = "TEKLAK";

// How a held direction repeats: the first repeat `retardo` ms after the
// press (ATZERAPENA), then `porSegundo` moves a second (ABIADURA); a held
// Down at its own `abajoPorSegundo` rows a second (ABIADURA_BEHERA).
struct Repeticion {
  static constexpr int kRetardoMaximo = 1000;
  static constexpr int kPorSegundoMaximo = 60;
  int retardo = 170;
  int porSegundo = 30;
  int abajoPorSegundo = 30;
  // Each value held to what the game can time (non-numbers: the game's own).
  Repeticion Acotada() const;
  bool operator==(const Repeticion&) const = default;
};

class Teclado {
 public:
  Teclado();  // the game's own keys
  static const std::array<AccionTecla, kAccionesTecla>& Acciones();

  // The stored keys. A name that is no key the game knows, a key the game
  // keeps for itself, or a key stored for two actions is passed over, and
  // the action keeps the game's own.
  void Cargar(const Almacen& almacen);
  // Gives `codigo` to the action of `c` and stores it. False, and nothing
  // changed, when the key is the game's own (`ocupada` Ninguno) or another
  // action has it (`ocupada` that action).
  bool Asignar(Almacen& almacen, Comando c, int codigo, Comando& ocupada);
  // Every action gets the game's own key again, and a held key the game's
  // own pace, stored.
  void Predeterminadas(Almacen& almacen);
  const Repeticion& repeticion() const { return repeticion_; }
  void PonerRepeticion(Almacen& almacen, const Repeticion& r);
  // A held key repeats only the moves: left, right and a row down.
  static bool Repite(Comando c) { return c == Comando::Izquierda || c == Comando::Derecha || c == Comando::Abajo; }
  // The player's keys as the help tells them.
  TeclasAyuda ParaAyuda() const;

  // The main window's command for a key: its menu's shortcuts first when
  // the key arrives at the window itself, then its key handler's.
  Comando Principal(int codigo, Foco foco) const;
  // The shutter's own handler.
  static Comando DeLaPersiana(int codigo);
  // The keys of a command, its own first (0 where there is none).
  std::array<int, 2> Teclas(Comando c) const;
  int TeclaDe(Comando c) const { return Teclas(c)[0]; }

  // Portable key names and virtual key codes, both ways ("" and 0 for
  // unknown). Keys the game keeps for itself (F1, F2, F10, F11, ENTER and
  // Escape) are no choice.
  static std::string NombreTecla(int codigo);
  static int CodigoTecla(std::string_view nombre);
  static bool Reservada(int codigo);
  // How a key shows to the player ("Flecha izquierda", "Espacio", "J").
  static std::string NombreVisible(int codigo);

 private:
  void Rehacer();
  void GuardarRepeticion(Almacen& almacen) const;

  std::array<int, kAccionesTecla> teclas_{};  // each action's own key
  std::array<Comando, 256> mapa_{};
  Repeticion repeticion_;
};

}  // namespace tumbla
