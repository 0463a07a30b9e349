// ROTATOR: the record's rows cleared on the 11 x 11 square at the bottom of
// the board, which the player turns with 3 and 4 while the falling piece is
// still above it. A column filled top to bottom turns neutral and goes only
// once a turn has laid it down as a row.
#include "modes/Grupos.h"

namespace tumbla {

namespace {

class Rotator : public ReglasGrupo {
 public:
  Modo modo() const override { return Modo::Rotator; }
  const char* NombreModo() const override { return "ModoRotator"; }
  bool ObjetivoLineas() const override { return true; }
  bool Cuadrado() const override { return true; }
  ObjetivoVisible Objetivo(const Mesa& m) const override {
    return {{kIconLineas, kSinImagen}, "x" + std::to_string(m.lineasRestantes)};
  }
};

}  // namespace

const ReglasGrupo& ReglasRotator() {
  static const Rotator reglas;
  return reglas;
}

}  // namespace tumbla
