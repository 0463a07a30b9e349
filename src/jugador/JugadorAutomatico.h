// The computer player. It sees what a person sees (game/Panorama.h: the
// board, the falling piece, the "Siguiente" preview, the level's objective)
// and answers with one command at a time, as a person at the keyboard would:
// whoever drives it (the headless runner, the demo) hands that command to the
// game and asks again after every event.
//
// For every new piece it tries each reachable placement, after each way of
// turning the square where the level allows it, lands it in its own picture
// of the board (Modelo), then does the same for the preview piece (where the
// group's weights ask for it, on a few boards drawn as the game might draw
// them: Superpanic's shuffle), and keeps the placement whose outcome it
// likes best: rows cleared and a clean stack, and the level's own objective
// (the blue drop nearer the floor, the neutral blocks gone, the two drops
// side by side, the pot's row filled and the plant kept short).
#pragma once

#include <cstdint>
#include <vector>

#include "game/Panorama.h"
#include "jugador/Alcance.h"
#include "jugador/Evaluacion.h"
#include "jugador/Pesos.h"

namespace tumbla {

class Modelo;

class JugadorAutomatico {
 public:
  // The command to give now in the game that shows `p`, or Ninguno when
  // there is nothing to do until the game moves on (the next tick, the drop
  // coming to rest). `msFicha`: how long ago the falling piece appeared,
  // when the driver knows (at a person's pace it tells where the piece is
  // in its fall).
  Comando Decidir(const Panorama& p, int msFicha = -1);

  // At a person's pace: a moment to think when a piece appears and a delay
  // before each key (at once when not set). Whoever drives the player keeps
  // that pace and asks for each key when it is due.
  void PonerRitmo(int pensarMs, int teclaMs) {
    ritmo_.pensarMs = pensarMs;
    ritmo_.teclaMs = teclaMs;
  }

  // Weights of its own instead of the game's (a tuning run's candidates);
  // the table must outlive the player's use of it.
  void PonerPesos(const TablaPesos* pesos) { pesos_ = pesos; }

  // One placement of a piece: the square's turns first (true = key 3), then
  // the piece's row of the catalogue and its resting cell.
  struct Jugada {
    std::vector<bool> giros;
    int fila = -1;
    int pos = -1;
    double valor = 0;
  };
  // The placement it would choose for the piece falling in `p`.
  Jugada Elegir(const Panorama& p, bool conGiros) const;

 private:
  Comando SiguienteTecla(const Panorama& p);
  // The first key towards the plan's place, Ninguno when out of reach.
  Comando TeclaHacia(const Panorama& p, const Modelo& m) const;
  // The pace for the piece in the air (its next key now) and for a new one.
  Ritmo RitmoAhora(const Panorama& p) const;
  Ritmo RitmoNueva(const Panorama& p) const;
  // Every placement of the falling piece with the board it leaves, and the
  // best the preview piece can then do.
  struct Candidata;
  std::vector<Candidata> Primeras(const Panorama& p, const Modelo& base, bool conGiros, const Pesos& w) const;
  double MejorSegunda(const Panorama& p, const Modelo& despues, int siguiente, const Pesos& w) const;

  Ritmo ritmo_;
  const TablaPesos* pesos_ = nullptr;
  int msFicha_ = -1;  // since the falling piece appeared, when known
  long fichaVista_ = -1;
  int nivelVisto_ = -1;
  Jugada plan_;
  size_t giroSiguiente_ = 0;
  bool replaneado_ = false;
};

}  // namespace tumbla
