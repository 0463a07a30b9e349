// Records each level a game plays, as it is played, as a replay that plays it
// again exactly. It wraps the host boundary and nothing else: the game takes
// it for its platform (it passes everything on to the host, noting the random
// draws), and the host makes every call into the game through it (it passes
// each on, noting what it was and when). With nothing to hand recordings to,
// it only passes calls on.
//
// A level's recording is a live replay script. It begins as the level does,
// with what the game needs to play it again: the date, the settings that
// change play (extra minutes, progress, the piece set, the hint, the sound
// switch, the player's keys, the level's record), how the level began (chosen
// in the level window, or gone on to from the level before with its running
// score and pace) and where the timers stood in their rhythm. Then come the
// calls, each after the time that passed before it (the timers fire by
// themselves meanwhile, as they did) and the draws they took. It ends as the
// level does, won once the shutter is down, lost, or left unfinished (another
// level began, the demo ended, the program ends), with a summary of the game.
//
// The host must run the timers from a schedule (Agenda.h): times are whole
// milliseconds of the host's clock, and a timer event happens when its
// schedule says, so the times of the other calls are all a replay needs.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "grabacion/Agenda.h"
#include "grabacion/ArchivoRepeticion.h"
#include "motor/Juego.h"

namespace tumbla {

// A host in front of another: the language and the texts are the other's,
// and nothing of them is recorded.
class DelanteDe : public Plataforma {
 public:
  explicit DelanteDe(Plataforma& detras) : detras_(detras) {}
  void idioma(Idioma i) override { detras_.idioma(i); }
  std::string traducir(const char* contexto, const char* fuente) const override {
    return detras_.traducir(contexto, fuente);
  }

 private:
  Plataforma& detras_;
};

class Grabadora : public DelanteDe {
 public:
  Grabadora(Plataforma& anfitrion, Horario& horario);
  ~Grabadora() override;
  Grabadora(const Grabadora&) = delete;
  Grabadora& operator=(const Grabadora&) = delete;

  // The game it stands before, what a finished recording goes to (none:
  // nothing is recorded) and the local date and time a level begins at,
  // "YYYY-MM-DD HH:MM:SS" (none: the host's date, at midnight).
  void Conectar(Juego* juego, std::function<void(Grabacion)> alTerminar = {},
                std::function<std::string()> hora = {});
  Juego& juego() const { return *juego_; }

  // ---- The game's entry points, recorded ------------------------------------
  void Inicializar();
  bool Disparar(Temporizador t);
  void Tecla(int codigo, Contexto donde = Contexto::Tablero, bool repeticion = false);
  void Ejecutar(Comando c, Quien quien = Quien::Persona);
  void Clic();
  void Responder(bool aceptar);
  void Elegir(const Eleccion& eleccion);
  void Retomar(const Continuacion& c);
  bool AsignarTecla(Comando c, int codigo, Comando& ocupada);
  void TeclasPredeterminadas();
  // A timer's rhythm moved (the host's schedule), as a replay of a level
  // that began within another's rhythm does.
  bool Desfasar(Temporizador t, int64_t ms);
  // The program ends: the level being recorded ends as it stands.
  void Terminar();

  // ---- Plataforma -------------------------------------------------------------
  void temporizador(Temporizador t, bool activo, int intervaloMs) override;
  void pedir(const Peticion& p) override { anfitrion_.pedir(p); }
  void retirar() override { anfitrion_.retirar(); }
  void sonido(int id, bool encendido) override { anfitrion_.sonido(id, encendido); }
  bool abrir(const std::string& destino) override { return anfitrion_.abrir(destino); }
  double reloj() override { return anfitrion_.reloj(); }
  Fecha hoy() override { return anfitrion_.hoy(); }
  int aleatorio(Sorteo sorteo, int n) override;


 private:
  struct EnCurso;
  struct Visto;

  // Around every call into the game: the time and what stood before it;
  // then the call's script line (none for a timer's event), a level begun or
  // ended by it.
  void Antes();
  void Despues(const std::string& linea, bool eleccion = false);
  void Empezar(bool eleccion);
  // The script up to now: the timers' rhythm once a level began, the draws
  // taken, the time passed and the timer events due at this very moment.
  void Ponerse(size_t sorteos, size_t disparos);
  void Escribir(const std::string& linea);
  void Emitir(const std::string& linea);
  void Vaciar();
  void Crudo(const std::string& linea);
  void Mirar();
  void Cerrar(Resultado resultado, Derrota derrota, const Visto& estado);
  Visto Ver() const;

  Plataforma& anfitrion_;
  Horario& horario_;
  Juego* juego_ = nullptr;
  std::function<void(Grabacion)> alTerminar_;
  std::function<std::string()> hora_;
  std::unique_ptr<EnCurso> curso_;
  std::unique_ptr<Visto> visto_;  // the level as it stood after the last call
  // Since the last line written: the draws, and the timer events delivered
  // at `enPuntoMs_` (the last time one was).
  std::vector<int> sorteos_;
  std::vector<Temporizador> enPunto_;
  int64_t enPuntoMs_ = -1;
  // The call under way: its time, the draws and events before it, the levels
  // begun and whether the settings file took changes.
  int64_t ahora_ = 0;
  size_t sorteosAntes_ = 0;
  size_t enPuntoAntes_ = 0;
  int32_t nivelesAntes_ = 0;
  bool guardabaAntes_ = true;
};

// The fingerprint a replay's summary gives the board at the end: its cells,
// and where the falling piece stands (none: no piece).
uint64_t HuellaTablero(const Tablero& tablero, const Pieza* ficha);

}  // namespace tumbla
