// cerrar-ventana WINDOW-ID: asks an X11 window to close the way a window
// manager's close button does, with a WM_DELETE_WINDOW client message, so
// that the program runs its own closing code. (Killing the window, as
// `xdotool windowkill` does, would test nothing of that.)
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: cerrar-ventana WINDOW-ID\n");
    return 2;
  }
  Display* pantalla = XOpenDisplay(nullptr);
  if (pantalla == nullptr) {
    std::fprintf(stderr, "cerrar-ventana: no display\n");
    return 1;
  }
  const Window ventana = std::strtoul(argv[1], nullptr, 0);
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = ventana;
  e.xclient.message_type = XInternAtom(pantalla, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(pantalla, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  const Status enviado = XSendEvent(pantalla, ventana, False, NoEventMask, &e);
  XFlush(pantalla);
  XCloseDisplay(pantalla);
  return enviado != 0 ? 0 : 1;
}
