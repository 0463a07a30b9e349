// One game. The host reaches it only through these entry points: the
// timers' events, keys and menu commands, and the answers to what the game
// asked of the player (a box, a question, the level window, the shutter's
// slide). Each entry point runs to its end and never waits; a request the
// game makes is answered later, through Responder or Elegir, and until then
// the game sits in a situation that waits for it. Each ends with the screen
// presented anew.
//
// The engine is a few parts, each with its own state: the table the rules
// act on (game/Mesa.h) and the score and pace of play (game/Marcador.h), the
// level in play, the flow (Flujo.h: one value, moved only by Pasar), the
// settings and the progress behind the settings store, the level clock, the
// timers, and the level window's model. It decides no rule: the rules'
// steps and functions (game/Pasos.h, game/Marcador.h) say what a command, a
// tick or a completed level does, and the engine plays, times, asks and
// stores what they say. Its steps live in one file per concern:
//   Juego.cpp        the entry points, the flow's moves, requests and answers, what a step did
//   JuegoTiempo.cpp  the three timers' events, the level clock, the pause
//   JuegoNiveles.cpp a level's start and end, the level window
//   JuegoMenus.cpp   start-up, the commands of keys and menus, the demo
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "almacen/Almacen.h"
#include "game/Comando.h"
#include "game/Marcador.h"
#include "game/Mesa.h"
#include "game/Suceso.h"
#include "levels/InicioNivel.h"
#include "motor/Consejero.h"
#include "motor/Flujo.h"
#include "motor/Pantalla.h"
#include "motor/Plataforma.h"
#include "motor/RelojNivel.h"
#include "motor/SelectorNiveles.h"
#include "motor/Teclado.h"
#include "motor/Temporizadores.h"
#include "motor/Vista.h"
#include "progress/Ajustes.h"
#include "progress/Progreso.h"

namespace tumbla {

// A level as the game goes on to it once the level before is won (ENTER on
// the shutter, or a demo going on by itself): no introduction, the running
// score and pace as that level left them. A replay of a level the player
// reached that way begins with one.
struct Continuacion {
  int posicion = 1;          // 1..296
  int32_t puntos = 0;        // the running total it begins with
  int intervalo = 300;       // the pace: ms between two gravity steps
  bool gris = false;         // its completion is not stored as progress
  bool demo = false;         // the computer plays it
};

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
  // (off, or an interval of 0).
  bool Disparar(Temporizador t);
  // A key-down with a virtual key code where it arrived: the main window
  // (its menus' shortcuts first) or the board (with the shutter, while it
  // shows); `repeticion` for a held key's repeat. The input table says what
  // it does. Any key a person presses ends a demo, and does nothing else.
  void Tecla(int codigo, Contexto donde = Contexto::Tablero, bool repeticion = false);
  // A command (a menu item, a click on the shutter). A person's command ends
  // a demo first.
  void Ejecutar(Comando c, Quien quien = Quien::Persona);
  // A click anywhere on the board: it only ends a demo.
  void Clic();
  // The box, question, credits or shutter step the game asked for is over:
  // `aceptar` is OK for a question.
  void Responder(bool aceptar);
  // The level window's answer.
  void Elegir(const Eleccion& eleccion);
  // "Probar" in the editor: `nivel` played at once, storing nothing; its
  // end (lost, or won and ENTER) clears the screen as before. False, and
  // nothing done, while a level is in play, a demo runs or the game waits
  // for the player.
  bool Probar(NivelAjeno nivel);
  // Begins a level as the game goes on to it (above); only with no level on
  // and nothing waited for.
  void Retomar(const Continuacion& c);
  // The player's own keys ("Teclas..."): a key for an action, refused when
  // another action has it (`ocupada`) or the game keeps it; the game's own.
  bool AsignarTecla(Comando c, int codigo, Comando& ocupada);
  void TeclasPredeterminadas();
  // How a held key repeats ("Teclas..."), stored; the host times it.
  void PonerRepeticion(const Repeticion& r) { teclado_.PonerRepeticion(almacen_, r); }
  // Where the window stands now, remembered for the next start.
  void RecordarVentana(const Geometria& g);
  // The computer player that draws the hint's outline (none: no outline).
  void PonerConsejero(Consejero* consejero);

  // ---- What the host sees ----------------------------------------------------
  const Vista& vista() const { return vista_; }
  // The screen as the game now shows it, and what changed on it since the
  // host last took the changes.
  const Pantalla& pantalla() const { return pantalla_; }
  Cambios TomarCambios();
  // The level window's model, which the window paints and feeds.
  SelectorNiveles& selector() { return selector_; }
  const CatalogoNiveles& niveles() const { return niveles_; }
  // The progress and records of the player's packs.
  const Progreso& progreso() const { return progreso_; }
  const Teclado& teclado() const { return teclado_; }
  // The settings file: where it is, and whether it takes what changes.
  const AlmacenIni& ini() const { return ini_; }
  // Folders to write the help document to, the first that takes it wins. By
  // default the settings file's folder, then the temporary folder.
  void PonerCarpetasAyuda(std::vector<std::string> carpetas) { carpetasAyuda_ = std::move(carpetas); }

 private:
  friend class AccesoPruebas;  // tests: the scene builder and the soak's checks

  // The settings store as the game uses it: the file, which stores nothing
  // while a demo is asked for or runs.
  class AlmacenJuego : public Almacen {
   public:
    AlmacenJuego(AlmacenIni& ini, const flujo::Situacion& flujo) : ini_(ini), flujo_(flujo) {}
    std::string Leer(const std::string& seccion, const std::string& clave) const override {
      return ini_.Leer(seccion, clave);
    }
    bool Cambiar(const CambioIni& cambio) override { return flujo::GuardaNada(flujo_) || ini_.Cambiar(cambio); }

   private:
    AlmacenIni& ini_;
    const flujo::Situacion& flujo_;
  };
  // The host's random numbers, for the rules.
  class AzarJuego : public Azar {
   public:
    explicit AzarJuego(Plataforma& plataforma) : plataforma_(plataforma) {}
    int Sortear(Sorteo s, int n) override { return plataforma_.aleatorio(s, n); }

   private:
    Plataforma& plataforma_;
  };
  using EnNivel = std::variant<flujo::Jugando, flujo::Persiana>;

  // ---- Juego.cpp -------------------------------------------------------------
  // The one way the flow moves; a situation that asks the player something
  // asks it on arrival.
  void Pasar(flujo::Situacion nueva);
  // The level's own situation, inside the demo when one plays it.
  void PasarNivel(const EnNivel& nivel);
  // Any key, click or command a person gives ends a demo: true when it did.
  bool Interrumpir(Quien quien);
  // What a request made now stands over (the game aborts when it is
  // something a request cannot stand over).
  flujo::Fondo Fondo() const;
  // The game waits for the player: `p`, and what the answer leads to.
  void Pedir(const Peticion& p, flujo::Despues despues = flujo::Despues::Nada);
  void Mensaje(Icono icono, const std::string& texto, const std::string& titulo,
               flujo::Despues despues = flujo::Despues::Nada);
  // A text of the engine's (context "Juego"), in the player's language.
  std::string Texto(const char* fuente) const { return plataforma_.traducir("Juego", fuente); }
  // What the game waits for is withdrawn, unanswered.
  void Retirar();
  // Settings that cannot be stored: the player is told once, as soon as the
  // game waits for nothing.
  void AvisarAjustes();
  void Sonar(int id);
  void Sonar(const Suceso& s);  // a step's sounds, in order
  // Runs a step of the rules on the table, then plays, scores and times what
  // it did, and ends the level when it was won or lost.
  void Paso(const std::function<void(Suceso&)>& paso);
  void EjecutarAccion(Comando c);
  // After every entry point: the hint for a new piece, then the screen.
  void Presentar();
  // ---- JuegoTiempo.cpp -------------------------------------------------------
  void TickJuego();
  bool OrdenPendiente(const flujo::Jugando& j);
  bool RelojDelNivel();
  void Gravedad();
  void Pausar(flujo::Pausa como);
  // The board goes out of the player's sight (a menu, a window of the
  // game's, another program): a level in play pauses at once.
  void PausarYa(flujo::Pausa como = flujo::Pausa::Pausado);
  void Reanudar();
  // ---- JuegoNiveles.cpp ------------------------------------------------------
  // Sets up the next position; false when the game ended there instead.
  bool EmpezarNivel();
  // Sets up the level at nivelActual_ of the records in play.
  void MontarNivel(int32_t record);
  // The records played now: the game's, or a tried or a pack's level's.
  const CatalogoNiveles& Registros() const;
  // A pack's level (`indice` in it), or the tried level when `prueba`.
  void JugarAjeno(std::shared_ptr<const PaqueteJugable> paquete, int indice, bool prueba);
  // The screen cleared as before any level, at position `antes`.
  void VolverSinNivel(int16_t antes, Derrota derrota);
  void JugarNivel(int posicion, bool gris, bool demo);
  void NivelCompletado();
  void GuardarNivelGanado(bool gris);
  void PasoPersiana(const flujo::Persiana& p);
  void TerminarNivel(const flujo::Persiana& p);
  // The level lost (`derrota`), or every level done (Derrota::Ninguna).
  void FinPartida(Derrota derrota);
  void Continuar();
  void AbrirNuevo(flujo::Para para);
  void AbrirSelector(flujo::Para para);
  // ---- JuegoMenus.cpp --------------------------------------------------------
  void MenuAyuda();
  void MenuPiezas(int indice);
  void MenuReset();
  void MenuDemostracion();
  void TerminarDemostracion(Derrota derrota = Derrota::Ninguna);
  void AccionDeJuego(Comando c);

  Plataforma& plataforma_;
  AzarJuego azar_;
  CatalogoNiveles niveles_;
  // The tried level or the pack being played, and which of its levels.
  std::shared_ptr<const PaqueteJugable> ajenos_;
  int ajeno_ = 0;
  AlmacenIni ini_;
  flujo::Situacion flujo_;
  AlmacenJuego almacen_;
  Ajustes ajustes_;
  Progreso progreso_;
  SelectorNiveles selector_;
  Teclado teclado_;
  Mesa mesa_;
  Nivel nivel_;
  int16_t nivelActual_ = 0;  // the position in play, 0 before the first
  RelojNivel reloj_;
  Temporizadores tiempos_;
  Marcador marcador_;
  bool avisado_ = false;  // the settings' box was shown
  std::vector<std::string> carpetasAyuda_;
  Consejero* consejero_ = nullptr;
  // The hint's outline for the piece in play, and which piece it was worked
  // out for (its level and number).
  std::optional<Pieza> consejo_;
  std::pair<int, long> consejoPara_{-1, -1};
  Vista vista_;
  Pantalla pantalla_;
  Cambios cambios_;
};

}  // namespace tumbla
