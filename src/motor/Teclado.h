// The player's keys, and the one way a key becomes a command. The keys of
// play are the player's own ("Teclas..."), stored by their portable names
// ("Left", "J", "Space", "3") in section TEKLAK of the settings, one key per
// action; every other key is the input table's (Entradas.h). The same
// section keeps how a held key repeats, which the host times.
#pragma once

#include <array>
#include <string>

#include "almacen/Almacen.h"
#include "game/Comando.h"
#include "motor/Ayuda.h"
#include "motor/Entradas.h"

namespace tumbla {

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
  // The player's keys as the help tells them, in the language of `tr`.
  TeclasAyuda ParaAyuda(const Traductor& tr = SinTraducir()) const;

  // The command of a key-down in `contexto`: on the board the player's keys;
  // in the main window its shortcuts first, on the shutter its own keys
  // first, and then the board's; in the level window and a box only their
  // own. A held key's repeat (`repeticion`) gives only a command that
  // repeats, once a press for the rest.
  Comando Resolver(int codigo, bool repeticion, Contexto contexto) const;
  // The keys of a command on the board, its own first (0 where there is none).
  std::array<int, 2> Teclas(Comando c) const;
  int TeclaDe(Comando c) const { return Teclas(c)[0]; }

 private:
  void Rehacer();
  void GuardarRepeticion(Almacen& almacen) const;

  std::array<int, kAccionesTecla> teclas_{};  // each key of play's own key
  std::array<Comando, 256> mapa_{};           // the board's
  Repeticion repeticion_;
};

}  // namespace tumbla
