// The only way the game reaches its host: the three timers, the requests
// that wait for the player (boxes, questions, the level window, the credits,
// the shutter's slide), sounds, the desktop, the clock, the date and random
// numbers. The host never runs the game from inside one of these calls: it
// answers a request later, through the game's entry points (Juego::Responder,
// Juego::Elegir). The Qt window implements it for players; the replay runner,
// the computer player's runner and the tests use scripted hosts of their own.
#pragma once

#include <string>

#include "game/Azar.h"
#include "game/Textos.h"
#include "progress/Ajustes.h"
#include "progress/Progreso.h"

namespace tumbla {

enum class Temporizador { Juego, Gota, BloqueExtra };

// What the game asked of a timer.
struct EstadoTemporizador {
  bool activo = false;
  int intervalo = 0;  // ms; 0 never fires
  bool operator==(const EstadoTemporizador&) const = default;
};

enum class Icono { Informacion, Exclamacion, Pregunta };

// What the game waits for.
enum class TipoPeticion : uint8_t {
  Ninguna,
  Mensaje,    // a box with an OK button
  Pregunta,   // OK and Cancel, Cancel the default: Responder(true) is OK
  Selector,   // the level window (its model: Juego::selector()); answered by Juego::Elegir
  Creditos,   // the credits window, closed by the player
  Teclas,     // the "Teclas..." window, closed by the player
  Repeticiones,  // the "Repeticiones..." list: closed (false), or a replay to watch chosen (true)
  Visor,      // a replay watched in the main window: left by the player
  Persiana,   // the shutter's slide: answered once `segundos` have passed
};

struct Peticion {
  TipoPeticion tipo = TipoPeticion::Ninguna;
  Icono icono = Icono::Informacion;
  std::string titulo;
  std::string texto;
  double segundos = 0;
  bool operator==(const Peticion&) const = default;
};

// It also translates the game's texts (Traductor): none by default.
class Plataforma : public Traductor {
 public:
  ~Plataforma() override = default;

  // The language the player chose (Sistema: the desktop's), told at once
  // and whenever it changes, before any text is translated in it.
  virtual void idioma(Idioma) {}

  // A timer's state changed. An interval of 0 never fires.
  virtual void temporizador(Temporizador t, bool activo, int intervaloMs) = 0;

  // The game waits for the player: show what `p` asks for, and answer
  // through the game's entry points once the player has. Until then the
  // game asks for nothing else.
  virtual void pedir(const Peticion& p) = 0;
  // What the game was waiting for is over (the level ended meanwhile): its
  // box or window goes, unanswered.
  virtual void retirar() = 0;

  // Sound effect 101..107. `encendido` is the sound switch; when it is off
  // the host plays (and loads) nothing.
  virtual void sonido(int id, bool encendido) = 0;

  // Hands a file path or URL to the desktop's default program. False when
  // nothing could be started.
  virtual bool abrir(const std::string& destino) = 0;

  // Monotonic clock in seconds; only differences matter.
  virtual double reloj() = 0;
  virtual Fecha hoy() = 0;

  // Uniform integer in 0..n-1 (n >= 1).
  virtual int aleatorio(Sorteo sorteo, int n) = 0;
};

}  // namespace tumbla
