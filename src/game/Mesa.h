// The table a level is played on, as one value that copies cheaply: the
// board, the falling piece and the preview, the counters the rules keep and
// each group's own state (the drops, the plant, the rising board, the
// torpedo's charge). The steps that change it are in Pasos.h. The game keeps
// one; the computer player plays the same steps on copies of what it sees.
#pragma once

#include <cstdint>
#include <vector>

#include "game/Pieza.h"
#include "game/Tablero.h"

namespace tumbla {

class ReglasGrupo;

// The entries of the spawn list pieces are drawn from: "Normal" takes the
// seven four-block pieces (entries 19..25), "Difícil" all 25.
struct JuegoFichas {
  int16_t cuantas = 7;
  int16_t primera = 19;
  static JuegoFichas Normal() { return {7, 19}; }
  static JuegoFichas Dificil() { return {25, 1}; }
};

// The rising board: removed rows between two steps, the rows still to go,
// and the steps owed (taken at the end of the play tick).
struct Subida {
  int16_t intervalo = 0;
  int16_t contador = 0;
  int16_t pendientes = 0;
};

struct Mesa {
  Tablero tablero;

  // The falling piece: a row of the catalogue with its pivot. It is not in
  // the board until it lands. None before the first level, after an entry
  // that was blocked, and once a level has ended.
  Pieza ficha;
  bool hayFicha = false;
  bool soltada = false;           // hard-dropped: it lands at the next gravity step
  int16_t celdaMasBaja = 0;       // the largest index the piece has reached
  int16_t siguiente = 0;          // the "Siguiente" preview
  int32_t fichasEntradas = 0;     // pieces that entered since the level began
  JuegoFichas fichas;
  bool torpedoPendiente = false;  // the next piece to enter is the torpedo
  int16_t cargaTorpedo = 0;       // removed rows towards it, 0..45

  // The level's rules and objective.
  const ReglasGrupo* reglas = nullptr;
  int16_t borrarCada = 0;         // full rows that go together (1 or more once a level is set)
  int16_t lineasRestantes = 0;
  bool objetivoAlcanzado = false;  // the drop, the two drops or the pot: "x0"

  // The groups' own state.
  int16_t celdaGota = 0;          // the blue drop, or the plant's tip
  bool gotaCayendo = false;       // the drop moved on its last tick
  std::vector<int16_t> planta;    // pot first, tip last
  int16_t direccionPlanta = 0;    // last growth step: 0 up, -1 left, +1 right
  Subida subida;

  bool Cubre(int i) const { return hayFicha && ficha.Cubre(i); }
  // The falling piece is drawn at `p`: the lowest cell it reached is kept.
  void MoverFicha(const Pieza& p) {
    ficha = p;
    for (int k = 0; k < p.NumCeldas(); ++k) {
      if (p.Celda(k) > celdaMasBaja) celdaMasBaja = static_cast<int16_t>(p.Celda(k));
    }
  }
};

}  // namespace tumbla
