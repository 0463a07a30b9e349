// Everything a player can do, as one type: each key's action, each menu
// item and the level window's keys. Keys reach the game through the input
// table (motor/Entradas.h), menu items directly; the window, the replay
// runner, the soak, the demo and the computer player all speak it, and the
// rules act on the commands of play (Actuar, in Pasos.h).
#pragma once

#include <cstdint>

namespace tumbla {

enum class Comando : uint8_t {
  Ninguno,
  // The keys of play (the player may change their keys).
  Izquierda,
  Derecha,
  Abajo,            // one row down; never lands the piece
  Girar,
  GirarAlReves,     // the other way round (no key until the player gives it one)
  Soltar,           // the hard drop, or the torpedo's
  GirarCuadrado3,   // key 3: the square a quarter turn counter-clockwise
  GirarCuadrado4,   // key 4: clockwise
  Pausa,            // pause, or resume a paused game
  Sonido,
  // The shutter: ENTER, or a click on it.
  Continuar,
  // The menu items.
  Nuevo,
  Ayuda,
  AcercaDe,
  Demostracion,
  Normal,
  Dificil,
  Reset,
  Sombra,
  Pista,            // the hint: where the computer would put the piece
  PantallaCompleta,
  Teclas,           // "Teclas...": the player's own keys
  ColoresPropios,   // "Colores": the game's own,
  ColoresDaltonismo,  // apart for colour-blind eyes,
  ColoresContraste,   // or high contrast
  MenosDestellos,   // "Reducir destellos"
  IdiomaEspanol,    // "Idioma": Spanish,
  IdiomaIngles,     // or English
  Abandonar,        // "Abandonar el nivel": the level in play ends as lost
  Salir,            // "Salir": the game ends, whatever shows
  Menus,            // F10: the menu bar takes the keys (the window's own)
  // The level window (Izquierda, Derecha and Abajo move its selection too),
  // and a box or window of the game's.
  Arriba,
  PaginaAnterior,
  PaginaSiguiente,
  Primero,
  Ultimo,
  Aceptar,          // choose the selected level
  Cancelar,         // Escape: leave without choosing
  Repeticiones,     // "Repeticiones...": the games kept, to watch, keep or share
  // A replay watched: slower and faster, one piece back and forward, and the
  // player takes over from the moment shown (Pausa, Primero, Ultimo and
  // Cancelar serve there too).
  MasDespacio,
  MasDeprisa,
  PiezaAnterior,
  PiezaSiguiente,
  SeguirAqui,
  // Not commands a player gives but what the window tells: the board is out
  // of the player's sight (another window took the focus, the window was
  // minimised); a menu opened over the board, and the menus closed.
  Ausencia,
  MenuAbierto,
  MenuCerrado,
};

// Who gave a command: a person, or the computer playing a demo.
enum class Quien : uint8_t { Persona, Maquina };

}  // namespace tumbla
