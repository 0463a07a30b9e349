// The only way the game core reaches its host: timers, message boxes, sounds,
// the desktop, the clock, the date, random numbers and the event loop.
// The Qt window implements it for players; tests and the replay runner use
// scripted versions of their own.
#pragma once

#include <string>

namespace tumbla {

enum class Temporizador { Juego, Gota, BloqueExtra };

// What the game asked of a timer.
struct EstadoTemporizador {
  bool activo = false;
  int intervalo = 0;  // ms; 0 never fires
};

enum class Icono { Informacion, Exclamacion, Pregunta };

// Every random draw the game makes, named so that a script can feed it.
enum class Sorteo {
  Pieza,     // next piece: 0..NumTiposFicha-1
  Columna,   // extra block: index among the eligible columns
  Barajado,  // Superpanic shuffle: 0..10
  Lado,      // plant's sideways choice: 0 = right, 1 = left
};

struct Fecha {
  int anio = 2000;
  int mes = 1;
  int dia = 1;
};

class Plataforma {
 public:
  virtual ~Plataforma() = default;

  // A timer's state changed. An interval of 0 never fires.
  virtual void temporizador(Temporizador t, bool activo, int intervaloMs) = 0;

  // Modal message box with a single OK button.
  virtual void mensaje(Icono icono, const std::string& titulo, const std::string& texto) = 0;
  // Modal question with OK and Cancel, Cancel the default. True means OK.
  virtual bool pregunta(Icono icono, const std::string& titulo, const std::string& texto) = 0;

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

  // Lets pending window events (painting) run.
  virtual void procesarEventos() = 0;
  // Waits about `segundos` while the window keeps painting (the shutter).
  virtual void esperar(double segundos) = 0;

  // Shows the level-selection window modally; returns once it is closed.
  virtual void mostrarSelectorNiveles() = 0;
  // The level-selection window must close (a level was chosen, or Escape).
  virtual void cerrarSelectorNiveles() = 0;
};

}  // namespace tumbla
