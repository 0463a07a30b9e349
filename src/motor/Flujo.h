// The flow of a game: what it is doing now, as one value. Each situation
// carries its own data and nothing else. What the game asks of the player (a
// box, a question, the level window, a step of the shutter's slide) belongs
// to the situation that asks it; a situation that waits for an answer keeps
// inside it what it stands over, since the board goes on under a box (the
// drop keeps falling, and the level may end meanwhile). The engine moves the
// value only through Juego::Pasar, along the transitions Permitida allows.
#pragma once

#include <array>
#include <concepts>
#include <cstdint>
#include <type_traits>
#include <variant>

#include "game/Suceso.h"
#include "motor/Plataforma.h"

namespace tumbla::flujo {

// Before start-up, and once the player has left ("Salir"): the game takes
// nothing.
struct Apagado {};

// No level: the start-up board, or the screen cleared after a game (and why
// that game ended: Ninguna after a win of every level, before any game and
// after a demo left).
struct SinNivel {
  Derrota derrota = Derrota::Ninguna;
};

// A command left for the next play tick, so that it never acts in the middle
// of one: pause, or open the level window for the player or for a demo.
enum class Orden : uint8_t { Ninguna, Pausa, Nuevo, Demostracion };

enum class Pausa : uint8_t {
  No,
  Pausado,  // only the pause key goes on
  Menu,     // held while a menu is open: whatever comes next goes on
};

// A level in play.
struct Jugando {
  Pausa pausa = Pausa::No;
  bool bloquesEnPausa = false;  // the extra blocks ran when it paused: they run again with it
  Orden orden = Orden::Ninguna;
  bool gris = false;  // chosen beyond the open levels: no completion is stored, nor the next levels'
};

// The level completed: the shutter comes down over the empty top rows, one
// row a step (each step a request the host times), then its caption asks
// for ENTER.
struct Persiana {
  int filas = 0;
  bool bajando = false;  // a step is asked for; once down, ENTER leads on
  bool gris = false;     // as the level it covers
};

// The computer plays levels for the player to watch and stores nothing; a
// won level goes on to the next a few seconds after, a lost one ends it.
struct Demostracion {
  int16_t nivelAntes = 0;  // the position to go back to when it ends
  double ganadoEn = 0;     // when its last level was won
  std::variant<Jugando, Persiana> nivel;
};

// "Probar": the level the editor holds, played in the main window at once,
// on the records it came with (Juego::Probar). It stores nothing; its end
// (lost, or won and ENTER) gives the screen back cleared.
struct Prueba {
  int16_t nivelAntes = 0;  // the position to go back to when it ends
  std::variant<Jugando, Persiana> nivel;
};

// A level of one of the player's packs, chosen in the level window's page
// for them: won, ENTER goes on to the pack's next level. Its progress and
// records are the pack's own, apart from the game's levels'.
struct DePaquete {
  int16_t nivelAntes = 0;  // the game's own position, back when the pack's play ends
  int indice = 0;          // the level's place in its pack, from 0
  std::variant<Jugando, Persiana> nivel;
};

// What a request can stand over.
using Fondo = std::variant<SinNivel, Jugando, Persiana, Demostracion, Prueba, DePaquete>;

// A group's introduction: nothing moves while the player reads its box; the
// level clock starts when it closes.
struct Introduccion {
  Peticion caja;
  std::array<bool, 3> temporizadores{};  // the timers held meanwhile
  bool gris = false;
};

// The game is over: "GAME OVER" (and why), or every level done and the
// congratulation. Everything has stopped; the lost piece shows under the
// box.
struct Perdido {
  Peticion caja;
  Derrota derrota = Derrota::Ninguna;
  bool conFicha = false;
};

// The level window: a level to play, to try again after a loss, or for the
// computer to play.
enum class Para : uint8_t { Jugar, Reintentar, Demostracion };
struct Selector {
  Peticion ventana;
  Para para = Para::Jugar;
  bool bloques = false;  // the extra blocks ran when it opened: Escape runs them again
  Fondo fondo;
};

// What the answer to any other box or window leads to.
enum class Despues : uint8_t {
  Nada,
  MinutoExtra,  // the clock's question: the tick goes on, or the level is lost by time
  Reset,        // "¿Quieres resetear el juego?"
  ResetSeguro,  // "¿Estás seguro/a?"
  Aviso,        // the box saying that the settings cannot be stored
  Ver,          // "Repeticiones...": a replay chosen to watch
};
struct Esperando {
  Peticion peticion;
  Despues despues = Despues::Nada;
  Fondo fondo;
};

// A replay watched in the main window: the host plays it, and has the keys
// (the input table's Contexto::Visor) until the player leaves it. What the
// player was doing waits under it as under a box (a level paused), and is
// where leaving goes back to.
struct Repeticion {
  Peticion visor;
  Fondo fondo;
};

using Situacion = std::variant<Apagado, SinNivel, Jugando, Introduccion, Persiana, Perdido, Selector, Esperando,
                               Demostracion, Prueba, DePaquete, Repeticion>;

// What the game waits for in `s` (TipoPeticion::Ninguna: nothing).
Peticion PeticionDe(const Situacion& s);
// `s` without its request: what a box or the level window stands over, the
// level once its introduction closes, the cleared screen after "GAME OVER",
// the shutter between two steps; `s` itself when it asks nothing.
Situacion Debajo(const Situacion& s);
// Whether the engine may go from `de` to `a` (the table in Flujo.cpp).
bool Permitida(const Situacion& de, const Situacion& a);
const char* Nombre(const Situacion& s);
// A demo runs or is asked for, or a level is tried from the editor: the
// game stores nothing meanwhile.
bool GuardaNada(const Situacion& s);

// A situation that plays a level on someone's behalf (the demo) keeps the
// level's own situation in `nivel`; one that waits for an answer over
// another (a box, the level window) keeps that in `fondo`. The lookups below
// and the engine's moves go through either kind, whatever its name.
template <typename S>
concept JuegaUnNivel = requires(S s) { s.nivel = std::variant<Jugando, Persiana>(); };
template <typename S>
concept EsperaSobre = requires(const S& s) { Fondo(s.fondo); };

template <typename T, typename... A>
const T* Alternativa(const std::variant<A...>& v) {
  if constexpr ((std::is_same_v<T, A> || ...)) {
    return std::get_if<T>(&v);
  } else {
    return nullptr;
  }
}
// `x` itself when of kind T, or the level it plays when of that kind.
template <typename T, typename X>
const T* De(const X& x) {
  if constexpr (std::is_same_v<X, T>) {
    return &x;
  } else if constexpr (JuegaUnNivel<X>) {
    return Alternativa<T>(x.nivel);
  } else {
    return nullptr;
  }
}
// The situation of kind T (SinNivel, Jugando, Persiana, Demostracion...)
// that acts now: `v` itself, or the level a demo, a try or a pack plays. Null when there is
// none, or when `v` waits for an answer.
template <typename T, typename V>
const T* Aqui(const V& v) {
  return std::visit([](const auto& x) { return De<T>(x); }, v);
}
// The same, also under a box or the level window: what the board shows.
template <typename T>
const T* En(const Situacion& s) {
  return std::visit(
      [](const auto& x) -> const T* {
        if constexpr (EsperaSobre<std::decay_t<decltype(x)>>) {
          return Aqui<T>(x.fondo);
        } else {
          return De<T>(x);
        }
      },
      s);
}

}  // namespace tumbla::flujo
