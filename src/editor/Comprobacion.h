// "Comprobar": the computer player plays a level of a player's own at a
// person's pace, game after game on seeds of their own, in threads of its
// own (each game on its own copy of the game, never the one on screen), and
// the games are judged as the game's own levels are: every level is won in
// at least one game in ten, with the same exact bounds (autoplay/Informe.h).
// Where the games cannot tell yet, another round is played, up to a limit.
// The best won game is the level's proof.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "autoplay/Informe.h"
#include "game/Textos.h"
#include "editor/Prueba.h"

namespace tumbla {

struct OpcionesComprobacion {
  int porRonda = 20;            // games a round
  int maxPartidas = 80;         // games at most, while the verdict is in doubt
  uint64_t semillaBase = 1;
  unsigned hilos = 1;           // threads playing at once
  int limiteSegundos = 600;     // a game that lasts longer is stopped, lost
};

struct InformeComprobacion {
  int partidas = 0;
  int ganadas = 0;
  double piezasMediana = 0;    // over the games won
  double segundosMediana = 0;  // of play, over the games won
  std::map<std::string, int> derrotas;  // why games were lost (ResultadoPartida::motivo)
  Juicio juicio = Juicio::Dudoso;
  bool cancelada = false;
  std::optional<Prueba> prueba;  // the quickest game won
};

class Comprobacion {
 public:
  // Starts at once; the level is copied.
  explicit Comprobacion(const NivelPropio& nivel, OpcionesComprobacion opciones = {});
  ~Comprobacion();  // cancels and waits for the games in play
  Comprobacion(const Comprobacion&) = delete;
  Comprobacion& operator=(const Comprobacion&) = delete;

  // Games over so far, and planned so far (a round more raises it).
  int Hechas() const { return hechas_.load(); }
  int Previstas() const { return previstas_.load(); }
  bool Terminada() const { return terminada_.load(); }
  // The games in play stop at their next event; the games over are judged.
  void Cancelar() { cancelar_ = true; }
  // Once Terminada.
  const InformeComprobacion& Informe() const { return informe_; }

 private:
  void Rondas();
  void Ronda(int desde, int hasta);

  const NivelPropio nivel_;
  const OpcionesComprobacion opciones_;
  std::atomic<int> hechas_{0};
  std::atomic<int> previstas_{0};
  std::atomic<bool> terminada_{false};
  std::atomic<bool> cancelar_{false};
  std::mutex mutex_;  // guards the games' results while threads play
  std::vector<ResultadoPartida> resultados_;
  std::optional<Prueba> mejor_;
  double mejorSegundos_ = 0;
  InformeComprobacion informe_;
  std::thread hilo_;
};

// The report in the player's words: games won, the medians of a win, why
// the others were lost, and the verdict.
// In `t`'s language.
std::string DescribirInforme(const InformeComprobacion& informe, const OpcionesComprobacion& opciones = {},
                             const Traductor& t = SinTraducir());

}  // namespace tumbla
