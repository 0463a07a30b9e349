// The computer player. It sees what a person sees (the board, the falling
// piece, the "Siguiente" preview, the level's objective) through the game's
// read-only view and answers with one command at a time, as a person at the
// keyboard would: whoever drives it (the headless runner, the demo) presses
// that command's key and asks again after every event.
//
// For every new piece it tries each reachable placement, after each way of
// turning the square where the level allows it, lands it in its own picture
// of the board (Modelo), then does the same for the preview piece, and keeps
// the placement whose outcome it likes best: rows cleared and a clean stack,
// and the level's own objective (the blue drop nearer the floor, the neutral
// blocks gone, the two drops side by side, the pot's row filled and the
// plant kept short).
#pragma once

#include <cstdint>
#include <vector>

#include "game/Catalogo.h"
#include "jugador/Alcance.h"
#include "jugador/Evaluacion.h"

namespace tumbla {

class Vista;
class Modelo;

class JugadorAutomatico {
 public:
  JugadorAutomatico(const Vista& vista, const Catalogo& catalogo);

  // The command to give now, or Ninguno when there is nothing to do until
  // the game moves on (the next tick, the drop coming to rest).
  Comando Decidir();

  // At a person's pace: a moment to think when a piece appears and a delay
  // before each key (at once when not set).
  void PonerRitmo(int pensarMs, int teclaMs) {
    ritmo_.pensarMs = pensarMs;
    ritmo_.teclaMs = teclaMs;
  }

  // One placement of a piece: the square's turns first (true = key 3), then
  // the piece's row of the catalogue and its resting cell.
  struct Jugada {
    std::vector<bool> giros;
    int fila = -1;
    int pos = -1;
    double valor = 0;
  };
  // The placement it would choose for the falling piece now.
  Jugada Elegir(bool conGiros) const;

 private:
  Comando SiguienteTecla();
  // The pace for the piece in the air (already thinking) and for a new one.
  Ritmo RitmoAhora() const;
  Ritmo RitmoNueva() const;
  bool GotaEnMovimiento() const;
  // Every placement of the falling piece with the board it leaves, and the
  // best the preview piece can then do.
  struct Candidata;
  std::vector<Candidata> Primeras(const Modelo& base, bool conGiros) const;
  double MejorSegunda(const Modelo& despues, int siguiente) const;

  const Vista& vista_;
  const Catalogo& cat_;
  Ritmo ritmo_;
  bool pensando_ = false;  // planning a piece that has just appeared
  long fichaVista_ = -1;
  int nivelVisto_ = -1;
  Jugada plan_;
  size_t giroSiguiente_ = 0;
  bool replaneado_ = false;
};

}  // namespace tumbla
