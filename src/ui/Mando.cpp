// Game pads read through SDL2's game controller API, polled from a Qt timer.
#include "ui/Mando.h"

#include <QPointer>

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>
#include <vector>

#if TUMBLA_CON_SDL
#define SDL_MAIN_HANDLED  // the game has its own main
#include <SDL.h>
#endif

namespace tumbla::ui {

using std::chrono::milliseconds;

namespace {

milliseconds Ahora() {
  return std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

#if TUMBLA_CON_SDL
// With no pad open there is nothing to repeat: the timer only looks for a
// new pad now and then, and wakes the program less.
constexpr milliseconds kSondeoSinMandos{200};

struct BotonComando {
  SDL_GameControllerButton boton;
  Comando comando;
};
constexpr BotonComando kBotones[] = {
    {SDL_CONTROLLER_BUTTON_A, Comando::Girar},
    {SDL_CONTROLLER_BUTTON_X, Comando::GirarAlReves},
    {SDL_CONTROLLER_BUTTON_B, Comando::Soltar},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, Comando::GirarCuadrado3},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, Comando::GirarCuadrado4},
    {SDL_CONTROLLER_BUTTON_START, Comando::Pausa},
};
constexpr size_t kNumBotones = std::size(kBotones);

// The three directions, each with its command and its d-pad button.
constexpr size_t kDirecciones = 3;
constexpr Comando kComandoDireccion[kDirecciones] = {Comando::Izquierda, Comando::Derecha, Comando::Abajo};
constexpr SDL_GameControllerButton kCruceta[kDirecciones] = {
    SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_CONTROLLER_BUTTON_DPAD_DOWN};

// The stick counts as pushed past half its travel and lets go under a third:
// a thumb resting near the edge does not flutter into a stream of presses.
constexpr int kEmpuje = 16384;
constexpr int kSuelta = 10923;

// The subsystem is counted by SDL itself; the last one out shuts SDL down
// whole, so nothing of it outlives the last pad reader.
void ApagarSdl() {
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}
#endif

}  // namespace

struct Mando::Estado {
#if TUMBLA_CON_SDL
  struct Pad {
    SDL_GameController* controlador;
    SDL_JoystickID id;
    std::array<bool, kNumBotones> botones{};     // as last read
    std::array<bool, kDirecciones> palanca{};    // the stick pushed that way
  };
  // A direction held on any pad, and when it moves next.
  struct Direccion {
    bool sostenida = false;
    milliseconds siguiente{};
  };

  std::vector<Pad> pads;
  // Every device already looked at: opened, or no game controller, or one
  // that would not open. None is tried twice; SDL never reuses an id.
  std::vector<SDL_JoystickID> vistos;
  std::array<Direccion, kDirecciones> direcciones{};
  // The next reading only learns what is held, and acts on nothing.
  bool base = true;
#endif
};

Mando::Mando(QObject* parent) : Mando(Ritmo{}, Reloj{}, parent) {}

Mando::Mando(const Ritmo& ritmo, Reloj reloj, QObject* parent)
    : QObject(parent), ritmo_(ritmo), reloj_(reloj ? std::move(reloj) : Reloj(Ahora)) {
#if TUMBLA_CON_SDL
  // SDL keeps out of the way: no signal handlers of its own, so Ctrl+C stays
  // as Qt and the system have it; and it has no window whose focus would
  // gate the pads, so they are read whatever has the focus (the window
  // suspends this reader itself when it goes to the background).
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  SDL_SetMainReady();
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    motivo_ = QStringLiteral("SDL no pudo abrir los mandos: %1").arg(QString::fromUtf8(SDL_GetError()));
    if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
    return;
  }
  // The pads' state and the device list are read at each poll, so nobody
  // needs SDL's event queue; left on, it would fill up unread.
  SDL_JoystickEventState(SDL_IGNORE);
  SDL_GameControllerEventState(SDL_IGNORE);
  estado_ = std::make_unique<Estado>();
  temporizador_.setTimerType(Qt::PreciseTimer);
  connect(&temporizador_, &QTimer::timeout, this, &Mando::Sondear);
  if (ritmo_.sondeo.count() > 0) temporizador_.start(ritmo_.sondeo);
  Sondear();  // the pads already attached, and what they hold now
#else
  motivo_ = QStringLiteral("el juego se compiló sin SDL2");
#endif
}

Mando::~Mando() {
#if TUMBLA_CON_SDL
  if (!estado_) return;
  for (const Estado::Pad& p : estado_->pads) SDL_GameControllerClose(p.controlador);
  estado_.reset();
  ApagarSdl();
#endif
}

int Mando::mandos() const {
#if TUMBLA_CON_SDL
  if (estado_) return static_cast<int>(estado_->pads.size());
#endif
  return 0;
}

void Mando::PonerRitmo(milliseconds retardo, milliseconds intervalo, milliseconds intervaloAbajo) {
  ritmo_.retardo = retardo;
  ritmo_.intervalo = intervalo;
  ritmo_.intervaloAbajo = intervaloAbajo;
}

void Mando::Suspender(bool suspender) {
  if (suspender == suspendido_) return;
  suspendido_ = suspender;
  if (!estado_) return;
  if (suspender) {
    temporizador_.stop();
    return;
  }
#if TUMBLA_CON_SDL
  estado_->base = true;
#endif
  Sondear();
  if (ritmo_.sondeo.count() > 0) temporizador_.start();
}

void Mando::Sondear() {
#if TUMBLA_CON_SDL
  if (!estado_ || suspendido_) return;
  Estado& e = *estado_;
  SDL_GameControllerUpdate();  // the pads' state, and devices come and gone

  std::erase_if(e.pads, [](const Estado::Pad& p) {
    if (SDL_GameControllerGetAttached(p.controlador)) return false;
    SDL_GameControllerClose(p.controlador);
    return true;
  });
  for (int i = 0; i < SDL_NumJoysticks(); ++i) {
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(i);
    if (id < 0 || std::find(e.vistos.begin(), e.vistos.end(), id) != e.vistos.end()) continue;
    e.vistos.push_back(id);
    if (!SDL_IsGameController(i)) continue;
    if (SDL_GameController* c = SDL_GameControllerOpen(i)) e.pads.push_back({c, id});
  }

  // Commands are sent once the reading is done: a receiver may suspend or
  // even delete this reader.
  std::vector<Comando> salida;
  std::array<bool, kDirecciones> sostenidas{};
  for (Estado::Pad& p : e.pads) {
    for (size_t b = 0; b < kNumBotones; ++b) {
      const bool abajo = SDL_GameControllerGetButton(p.controlador, kBotones[b].boton) != 0;
      if (abajo && !p.botones[b] && !e.base) salida.push_back(kBotones[b].comando);
      p.botones[b] = abajo;
    }
    const int x = SDL_GameControllerGetAxis(p.controlador, SDL_CONTROLLER_AXIS_LEFTX);
    const int y = SDL_GameControllerGetAxis(p.controlador, SDL_CONTROLLER_AXIS_LEFTY);
    const int empuje[kDirecciones] = {-x, x, y};  // SDL's y grows downwards
    for (size_t d = 0; d < kDirecciones; ++d) {
      p.palanca[d] = empuje[d] >= (p.palanca[d] ? kSuelta : kEmpuje);
      sostenidas[d] = sostenidas[d] || p.palanca[d] || SDL_GameControllerGetButton(p.controlador, kCruceta[d]) != 0;
    }
  }

  // A held direction repeats as a held key does, on a beat counted from the
  // press: a late poll sends one move, never a burst.
  const milliseconds ahora = reloj_();
  for (size_t d = 0; d < kDirecciones; ++d) {
    Estado::Direccion& dir = e.direcciones[d];
    if (!sostenidas[d]) {
      dir.sostenida = false;
    } else if (!dir.sostenida) {
      dir.sostenida = true;
      // Held from before (start-up, resuming) it waits for a new press.
      dir.siguiente = e.base ? milliseconds::max() : ahora + ritmo_.retardo;
      if (!e.base) salida.push_back(kComandoDireccion[d]);
    } else if (ahora >= dir.siguiente) {
      const milliseconds intervalo = kComandoDireccion[d] == Comando::Abajo ? ritmo_.intervaloAbajo : ritmo_.intervalo;
      salida.push_back(kComandoDireccion[d]);
      dir.siguiente += intervalo;
      if (dir.siguiente <= ahora) dir.siguiente = ahora + intervalo;
    }
  }
  e.base = false;

  if (ritmo_.sondeo.count() > 0) {
    const milliseconds espera = e.pads.empty() ? std::max(ritmo_.sondeo, kSondeoSinMandos) : ritmo_.sondeo;
    if (temporizador_.intervalAsDuration() != espera) temporizador_.setInterval(espera);
  }

  const QPointer<Mando> vivo(this);
  for (Comando c : salida) {
    if (!vivo || suspendido_) return;
    emit comando(c);
  }
#endif
}

}  // namespace tumbla::ui
