// A virtual game controller for the window tests: SDL maps its buttons and
// axes one to one, as a pad plugged into the computer.
#pragma once

#define SDL_MAIN_HANDLED
#include <SDL.h>

struct PadVirtual {
  SDL_Joystick* joystick = nullptr;
  PadVirtual() {
    SDL_VirtualJoystickDesc d{};
    d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    d.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    d.naxes = SDL_CONTROLLER_AXIS_MAX;
    d.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    joystick = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&d));
  }
  ~PadVirtual() { Desenchufar(); }
  PadVirtual(const PadVirtual&) = delete;
  PadVirtual& operator=(const PadVirtual&) = delete;
  void Boton(SDL_GameControllerButton b, bool abajo) { SDL_JoystickSetVirtualButton(joystick, b, abajo ? 1 : 0); }
  void Eje(SDL_GameControllerAxis e, int v) { SDL_JoystickSetVirtualAxis(joystick, e, static_cast<Sint16>(v)); }
  void Desenchufar() {
    for (int i = 0; joystick && i < SDL_NumJoysticks(); ++i)
      if (SDL_JoystickGetDeviceInstanceID(i) == SDL_JoystickInstanceID(joystick)) SDL_JoystickDetachVirtual(i);
    SDL_JoystickClose(joystick);
    joystick = nullptr;
  }
};
