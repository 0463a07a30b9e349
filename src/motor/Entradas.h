// The input table: every action a player can take, once, with all the game
// knows of it: its command, the name it shows, its menu item's caption and
// the name a replay script gives that item, the name its key is stored by
// when the player chooses it, and its keys wherever a key can arrive. And
// the keys the game knows: their codes, their portable names (as the
// settings file stores them, and as the window's toolkit reads them) and
// how they show to the player. The texts a player sees are plain UTF-8 here
// and nowhere else, in Spanish, marked for translation in context
// "Entradas" (game/Textos.h), and translated where they are shown.
//
// Teclado (Teclado.h) adds the player's own keys and turns a key into a
// command; the window's shortcuts, menus and key dialog, the level window,
// the replay runner and the help all read this table.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "game/Comando.h"

namespace tumbla {

// Where a key arrives.
enum class Contexto : uint8_t {
  Ventana,   // the main window: its menus' shortcuts, then the board's keys
  Tablero,   // the board: the keys of play
  Persiana,  // the shutter, which has the focus while it shows: its own keys, then the board's
  Selector,  // the level window
  Caja,      // a box or window of the game's, which has the keys: only Escape leaves it
  Visor,     // a replay watched in the main window
};

// Whether a held key gives its command again, at the pace of a held move or
// of a held Down (the host times the repeats).
enum class Repite : uint8_t { No, Mueve, Baja };

struct Entrada {
  Comando comando = Comando::Ninguno;
  const char* nombre = nullptr;   // a key of play as "Teclas..." and the help list it
  const char* menu = nullptr;     // its menu item's caption, '&' before the letter Alt takes
  const char* guion = nullptr;    // that item's name in a replay script's `menu`
  const char* clave = nullptr;    // the player chooses its key: its name in section TEKLAK
  std::array<int, 2> teclas{};    // its keys on the board (the game's own, when the player chooses)
  int atajo = 0;                  // the main window's shortcut
  int persiana = 0;               // the shutter's own key
  std::array<int, 2> selector{};  // its keys in the level window
  int caja = 0;                   // its key in a box or window of the game's
  std::array<int, 2> visor{};     // its keys while a replay is watched,
  const char* enVisor = nullptr;  // and what they do there, as "Teclas..." lists them
  bool reserva = false;           // its fixed keys are the game's: no key of play may take them
  Repite repite = Repite::No;
};

// The keys of play, whose keys the player chooses, first and in the order
// "Teclas..." and the help list them; then the menu items and the rest.
std::span<const Entrada> Entradas();
constexpr int kAccionesTecla = 10;
// The entry of a command, or of a menu item by its script name; null for none.
const Entrada* EntradaDe(Comando c);
const Entrada* EntradaDeGuion(std::string_view nombre);
// The command a fixed key gives in a context (the board has none: its keys
// are the player's).
Comando ComandoFijo(int codigo, Contexto contexto);
Repite ComoRepite(Comando c);

// Portable key names and virtual key codes (1..255), both ways ("" and 0 for
// unknown): letters and digits are their character, F1..F12 their name, the
// others as "Left", "PgUp", "Space", ";".
std::string NombreTecla(int codigo);
int CodigoTecla(std::string_view nombre);
// How a key shows to the player ("Flecha izquierda", "Espacio", "J"), in Spanish.
std::string NombreVisible(int codigo);
// A key the game keeps for itself (F1, F2, F10, F11, ENTER, Escape).
bool Reservada(int codigo);

}  // namespace tumbla
