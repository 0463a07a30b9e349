// The game's engine: the state record and the steps every rule is made of.
// Only the game's own code sees it; the host reaches the game through Juego,
// and the group rule sets (modes/) act on it through the hooks the play loop
// calls. It never touches the screen model: the presenter derives that.
//
// The steps live in one file per concern:
//   game/Partida.cpp       timers, sounds, boxes, random draws, the settings
//   game/Ficha.cpp         the falling piece, the preview, the torpedo
//   game/Bucle.cpp         the play tick, the level clock, the after-landing pass
//   game/Teclado.cpp       keys of the main window and of the shutter, pause
//   levels/InicioNivel.cpp, levels/FinNivel.cpp    a level's start and end
//   progress/*.cpp         start-up, menus, extra minutes, score, help, demo,
//                          the level window's choices
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/Codigos.h"
#include "game/Estado.h"
#include "game/Plataforma.h"
#include "levels/Niveles.h"
#include "modes/ReglasGrupo.h"
#include "progress/Ini.h"
#include "progress/SelectorNiveles.h"

namespace tumbla {

class Partida {
 public:
  Partida(Plataforma& plataforma, std::string rutaIni, CatalogoNiveles niveles);
  Partida(const Partida&) = delete;
  Partida& operator=(const Partida&) = delete;

  Estado e;
  const CatalogoNiveles& niveles() const { return niveles_; }
  SelectorNiveles& selector() { return selector_; }
  const ArchivoIni& ini() const { return ini_; }
  void PonerCarpetasAyuda(std::vector<std::string> carpetas) { carpetasAyuda_ = std::move(carpetas); }

  // ---- The host (Partida.cpp) ------------------------------------------------
  void PonerTemporizador(Temporizador t, bool activo, int intervaloMs);
  void ActivarTemporizador(Temporizador t, bool activo);
  EstadoTemporizador& Temp(Temporizador t);
  void Sonar(int id);
  void Mensaje(Icono icono, const std::string& texto, const std::string& titulo = kTituloVentana);
  bool Pregunta(Icono icono, const std::string& texto, const std::string& titulo = kTituloVentana);
  int Sortear(Sorteo sorteo, int n) { return plataforma_.aleatorio(sorteo, n); }
  double Reloj() { return plataforma_.reloj(); }
  void ProcesarEventos() { plataforma_.procesarEventos(); }
  void Esperar(double segundos) { plataforma_.esperar(segundos); }
  // The settings file: a missing or empty key with a real default gets the
  // default written back; nothing is written during a demo.
  std::string LeerIni(const std::string& seccion, const std::string& clave, const std::string& defecto);
  void EscribirIni(const std::string& seccion, const std::string& clave, const std::string& valor);
  // Moves whenever a level starts or ends: a step that ran something which
  // may end the level compares it to know whether to stop.
  uint32_t Generacion() const { return generacion_; }
  void NuevaGeneracion() { ++generacion_; }

  // ---- The falling piece (Ficha.cpp) -----------------------------------------
  bool Cabe(const Pieza& pieza);  // the fit test; a hard drop makes the next one fail
  void EntrarFicha();
  void Mover(int d);              // -1, +1 or +13
  void Girar();
  void BajarDeGolpe();
  void LanzarTorpedo();
  void ElegirSiguiente();
  void FijarJuegoFichas(int indice);
  bool CubiertaPorFicha(int i) const;

  // ---- The play loop (Bucle.cpp) ---------------------------------------------
  void TickJuego();
  void TickGota();
  void TickBloqueExtra();
  // The after-landing pass; false when it ended the level.
  bool PasadaTrasAterrizaje(bool entrar);
  void GirarTablero(bool antihorario);  // keys 3 and 4
  bool PuedeGirarTablero() const;
  // The level clock restarted from the seconds it shows.
  void ReanudarReloj();
  static std::string TextoReloj(int64_t segundos);
  // "m:ss" read back; false (and nothing changed) for any other form.
  static bool LeerTextoReloj(const std::string& texto, int& segundos);

  // ---- Keys (Teclado.cpp) ------------------------------------------------------
  void Tecla(int codigo, bool persiana);
  void TeclaPrincipal(int codigo);
  void TeclaPersiana(int codigo);
  void Reanudar();

  // ---- Levels (levels/*.cpp) ---------------------------------------------------
  void EmpezarNivel();
  void NivelCompletado();
  void FinPartida(int motivo);
  void ClicPersiana();

  // ---- Start-up, menus, progress (progress/*.cpp) --------------------------------
  void Inicializar();
  void MenuNuevo();
  void AbrirNuevo();  // "Nuevo" for a game or a demo
  void MenuAyuda();
  void MenuPiezas(int indice);
  void AlternarSonido();
  void MenuReset();
  void MenuSombra();
  void MenuDemostracion();
  void TerminarDemostracion();
  void PremioDiario();
  void CambiarMinutosExtra(int delta);
  void GuardarProgreso();
  void GuardarRecord();
  int32_t RecordGuardado(int posicion);
  bool UsarMinutoExtra();
  // The level window: opened, a level chosen in it, or left with Escape.
  void AbrirSelectorNiveles();
  void JugarNivel(int posicion, bool gris);
  void ContinuarPartida(bool bloqueoActivo);

 private:
  // The pass's clearing cycles: the rows they removed; `objetivo` when what
  // went met the objective.
  int CiclosDeLimpieza(bool& objetivo);
  void QuitarFilaLlena(int fila, bool juntadas, int& limite, bool& cortada, std::array<int, kAlto>& origen);
  // The steps of a level's start: its record, the board and objective it
  // sets up, the flow of a fresh level.
  int RegistroDelNivel();
  void PrepararNivel(int registro);
  void EmpezarJuego();
  // The steps of the play tick: the deferred command, the level clock and
  // the landing; false when the tick is over.
  bool OrdenPendiente();
  bool RelojDelNivel(uint32_t gen);
  bool Aterrizar(uint32_t gen);
  // The falling piece was drawn where it is: the lowest cell it reached.
  void MarcarCeldaMasBaja();
  void ElegirPieza();

  Plataforma& plataforma_;
  CatalogoNiveles niveles_;
  ArchivoIni ini_;
  SelectorNiveles selector_;
  uint32_t generacion_ = 0;
  std::vector<std::string> carpetasAyuda_;
};

}  // namespace tumbla
