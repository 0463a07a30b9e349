// One game: the state record, the screen model and every rule. The host feeds
// it timer events, keys and menu commands; it answers through Plataforma.
//
// The methods are spread over one source file per concern:
//   game/Juego.cpp       cells and pictures, timers, sounds, boxes
//   game/Pieza.cpp       the falling piece and the preview
//   game/Bucle.cpp       the play tick, landing, row clearing, the clock
//   game/Teclado.cpp     keys of the main window and of the shutter, pause
//   modes/*.cpp          drops, board turning, plant, handicaps, torpedo
//   levels/*.cpp         level start and level end
//   progress/*.cpp       settings file, start-up, menus, extra minutes
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/Catalogo.h"
#include "game/Estado.h"
#include "game/Pantalla.h"
#include "game/Plataforma.h"
#include "game/Vista.h"
#include "levels/Niveles.h"
#include "progress/Ini.h"

namespace tumbla {

class SelectorNiveles;

constexpr const char* kTituloVentana = "Tumbla 3.0 Dilatorus";
constexpr const char* kSeccionIni = "OROKORRA";
// The best score of each level position, one key per position ("17=480").
constexpr const char* kSeccionRecords = "ERREKORRAK";

// Virtual key codes the game knows.
namespace tecla {
constexpr int kIntro = 13;
constexpr int kEscape = 27;
constexpr int kEspacio = 32;
constexpr int kIzquierda = 37;
constexpr int kArriba = 38;
constexpr int kDerecha = 39;
constexpr int kAbajo = 40;
constexpr int k3 = 51;
constexpr int k4 = 52;
constexpr int kA = 65;
constexpr int kO = 79;
constexpr int kP = 80;
constexpr int kQ = 81;
constexpr int kS = 83;
constexpr int kF1 = 112;
constexpr int kF2 = 113;
constexpr int kF3 = 114;
}  // namespace tecla

// Sound effect ids.
namespace sonido {
constexpr int kTorpedoOBloque = 101;
constexpr int kNivelCompletado = 102;
constexpr int kAterrizaje = 103;
constexpr int kFinPartida = 104;
constexpr int kGiroTablero = 105;
constexpr int kGota = 106;
constexpr int kFila = 107;
}  // namespace sonido

class Juego {
 public:
  // `rutaIni` is the settings file; it is created on the first write.
  // `niveles` are the level records (the built-in ones unless a level
  // designer tries others).
  Juego(Plataforma& plataforma, std::string rutaIni, CatalogoNiveles niveles = CatalogoNiveles());
  ~Juego();
  Juego(const Juego&) = delete;
  Juego& operator=(const Juego&) = delete;

  // ---- Host entry points ---------------------------------------------------
  void Inicializar();                 // program start-up (progress/Arranque.cpp)
  void TickJuego();                   // timJuego event
  void TickGota();                    // timGota event
  void TickBloqueExtra();             // timBloqueExtra event
  void TeclaPrincipal(int codigo);    // key-down on the main window
  void TeclaPersiana(int codigo);     // key-down on the shutter (after the above)
  void ClicPersiana();                // shutter click, or ENTER on it
  void MenuNuevo();                   // "Nuevo" (F2)
  void MenuAyuda();                   // "Ayuda" (F1)
  void MenuPiezas(int indice);        // "Normal" (0) / "Difícil" (1)
  void MenuSonido();                  // "Sonido (S)" and the key S
  void MenuReset();                   // "Reset"
  void MenuDemostracion();            // "Demostración": the level window, then a demo
  void TerminarDemostracion();        // back to the start-up board
  // The one way in for keys and timer events, whoever delivers them (the
  // window, the replay runner, the computer player): a key goes to the main
  // window's handler, then to the shutter's when the shutter was showing;
  // a timer event to that timer's handler.
  void Tecla(int codigo);
  void Disparar(Temporizador t);
  void MenuSombra();                  // "Sombra de la pieza"

  // ---- Views ---------------------------------------------------------------
  const Vista& vista() const { return vista_; }
  const Estado& estado() const { return e_; }
  Estado& estado() { return e_; }  // tests and the replay runner set scenes up
  const Pantalla& pantalla() const { return p_; }
  Pantalla& pantalla() { return p_; }
  const Catalogo& catalogo() const { return fichas_; }
  const CatalogoNiveles& niveles() const { return niveles_; }
  SelectorNiveles& selector() { return *selector_; }
  Plataforma& plataforma() { return plataforma_; }
  const std::string& rutaIni() const { return ini_.ruta(); }

  // ---- Cells, pictures, timers, sounds, boxes (game/Juego.cpp) ------------
  // A cell and its picture are written together: a value of 1 or more shows
  // picture `imagen` (by default the value's own picture), 0 hides it.
  void EscribirCelda(int i, int16_t valor);
  void EscribirCelda(int i, int16_t valor, int8_t imagen);
  // Pictures alone (the falling piece, which is not in Tablero).
  void DibujarImagen(int i, int8_t imagen);
  void OcultarImagen(int i) { DibujarImagen(i, kSinImagen); }
  // Redraws cell i from its value (value 1 or more shows its picture).
  void RedibujarCelda(int i);

  void PonerTemporizador(Temporizador t, bool activo, int intervaloMs);
  void ActivarTemporizador(Temporizador t, bool activo);
  EstadoTemporizador& Temp(Temporizador t);

  void Sonar(int id);
  void Mensaje(Icono icono, const std::string& texto, const std::string& titulo = kTituloVentana);
  bool Pregunta(Icono icono, const std::string& texto, const std::string& titulo = kTituloVentana);

  // Settings file (progress/Ini.cpp): the only way in and out.
  std::string LeerIni(const std::string& seccion, const std::string& clave,
                      const std::string& defecto);
  void EscribirIni(const std::string& seccion, const std::string& clave,
                   const std::string& valor);

  // A counter that moves whenever a level starts or ends; a handler that
  // ran something which may end the level compares it to know whether to
  // stop.
  uint32_t Generacion() const { return generacion_; }
  void NuevaGeneracion() { ++generacion_; }

  // ---- Falling piece (game/Pieza.cpp) --------------------------------------
  void ProbarFicha(int fila);  // fit test of a row at Posicion: sets Cabe
  void Redibujar(int nueva, int vieja);
  void EntrarFicha();          // spawn
  void Desplazar(int d);       // -1, +1 or +13
  void Girar();
  void BajarDeGolpe();         // hard drop (not the torpedo)
  void ElegirSiguiente();
  void DibujarSiguiente();
  void FijarJuegoFichas(int indice);
  // Where the falling piece would come to rest, when the landing shadow is
  // on; nothing when it is off or no piece falls.
  void ActualizarSombra();

  // ---- Play loop (game/Bucle.cpp) -------------------------------------------
  // After-landing pass; returns false when it ended the level.
  bool PasadaTrasAterrizaje(bool entrar);
  // Level clock text for a number of seconds ("m:ss").
  static std::string TextoReloj(int segundos);
  // Reads "m:ss" back; false (and nothing changed) when the text has another form.
  static bool LeerTextoReloj(const std::string& texto, int& segundos);
  // Restarts the level clock from the seconds shown on the clock label.
  void ReanudarReloj();

  // ---- Keyboard (game/Teclado.cpp) -------------------------------------------
  void Reanudar();  // resume from pause (F3 while paused)

  // ---- Modes (modes/*.cpp) ---------------------------------------------------
  void GirarTablero(bool antihorario);      // keys 3 and 4 (Rotacion.cpp)
  bool PuedeGirarTablero() const;
  void PasoPlanta();                        // Planta.cpp
  int ElegirPasoPlanta();
  int ElegirDireccionPlanta();
  void PodarPlanta(int limite);             // cut step 4, after a removal cycle
  void DesplazarColumnas(int fuerza);       // Panic / Superpanic (Handicaps.cpp)
  void SubirTablero();                      // rising board step
  void LanzarTorpedo();                     // Torpedo.cpp

  // ---- Levels (levels/*.cpp) -------------------------------------------------
  void EmpezarNivel();
  void AjustarMarco(bool cuadrado);
  int ContarBloques();
  void NivelCompletado();
  void FinPartida(int motivo);
  // Starts position p from the level-selection window (JugarNivel).
  void JugarNivel(int p);

  // ---- Progress (progress/*.cpp) ---------------------------------------------
  void PremioDiario();                 // daily extra minute at start-up
  void CambiarMinutosExtra(int delta); // clamps, stores, updates the menu caption
  void GuardarProgreso();              // minute and progress of a completed level
  bool UsarMinutoExtra();              // the question when the clock runs out
  void AbrirSelectorNiveles();         // activation + modal window
  void AbrirNuevo();                   // "Nuevo" for a game or a demo
  void AlternarSonido();
  void GuardarSonido();
  // Score and record labels (progress/Puntuacion.cpp): the points made since
  // the level started, and the best ever made on this position, stored when
  // a completed level beats it.
  void MostrarPuntos();
  void MostrarRecord();
  void GuardarRecord();
  // Folders to write the help document to, the first writable one wins. By
  // default the settings file's folder, then the temporary folder.
  void PonerCarpetasAyuda(std::vector<std::string> carpetas) { carpetasAyuda_ = std::move(carpetas); }

 private:
  Plataforma& plataforma_;
  Estado e_;
  Pantalla p_;
  Catalogo fichas_;
  CatalogoNiveles niveles_;
  ArchivoIni ini_;
  std::unique_ptr<SelectorNiveles> selector_;
  uint32_t generacion_ = 0;
  Vista vista_{*this};
  std::vector<std::string> carpetasAyuda_;
};

}  // namespace tumbla
