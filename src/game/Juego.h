// One game, as its host sees it: the entry points (timer events, keys, menu
// commands, the level window's choices), a read-only view of the state and
// the screen model to paint. Everything else is the engine's own (Partida).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/Codigos.h"
#include "game/Pantalla.h"
#include "game/Plataforma.h"
#include "game/Vista.h"
#include "levels/Niveles.h"

namespace tumbla {

class Partida;
class SelectorNiveles;

class Juego {
 public:
  // `rutaIni` is the settings file (UTF-8); it is created on the first write.
  // `niveles` are the level records (the built-in ones unless a level
  // designer tries others).
  Juego(Plataforma& plataforma, std::string rutaIni, CatalogoNiveles niveles = CatalogoNiveles());
  ~Juego();
  Juego(const Juego&) = delete;
  Juego& operator=(const Juego&) = delete;

  // ---- Entry points ----------------------------------------------------------
  void Inicializar();  // program start-up
  // A timer's event. False, and nothing done, when that timer is not running
  // (disabled, or an interval of 0).
  bool Disparar(Temporizador t);
  // A key-down: the main window's handler sees it first, then the shutter's
  // when the shutter shows and has the focus (`persiana`).
  void Tecla(int codigo, bool persiana = true);
  void ClicPersiana();  // a click on the shutter
  void MenuNuevo();     // "Nuevo" (F2)
  void MenuAyuda();     // "Ayuda" (F1)
  void MenuPiezas(int indice);  // "Normal" (0) / "Difícil" (1)
  void MenuSonido();    // "Sonido (S)"
  void MenuReset();     // "Reset"
  void MenuSombra();    // "Sombra de la pieza"
  void MenuDemostracion();      // "Demostración"
  void TerminarDemostracion();  // any key, click or command during a demo
  // The level window's model: the window forwards its input there, and the
  // model answers with the window's two choices (a level, or back).
  SelectorNiveles& selector();

  // ---- What the host sees ----------------------------------------------------
  const Vista& vista() const { return vista_; }
  // The screen as the state now shows it.
  const Pantalla& pantalla() const;
  // What changed on screen since the last call.
  Cambios TomarCambios();
  const CatalogoNiveles& niveles() const;
  const std::string& rutaIni() const;
  // Folders to write the help document to, the first that takes it wins. By
  // default the settings file's folder, then a private one in the temporary
  // folder.
  void PonerCarpetasAyuda(std::vector<std::string> carpetas);

 private:
  // Tests reach the state through one door (tests/support/AccesoPruebas.h):
  // the scene builder sets scenes up there, the soak checks its invariants.
  friend class AccesoPruebas;

  std::unique_ptr<Partida> partida_;
  Vista vista_;
  mutable Pantalla pantalla_;
  mutable Cambios cambios_;
};

}  // namespace tumbla
