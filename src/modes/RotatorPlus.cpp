// ROTATOR (Plus): the turning square of ROTATOR, won by removing every
// neutral block (the level's own and every full column turned neutral on
// the way) within a minute and a half.
#include "modes/Grupos.h"

namespace tumbla {

namespace {

class RotatorPlus : public ReglasGrupo {
 public:
  Modo modo() const override { return Modo::RotatorPlus; }
  const char* NombreModo() const override { return "ModoRotatorPlus"; }
  bool Cuadrado() const override { return true; }
  int SegundosReloj() const override { return 90; }
  bool Cumplido(const Mesa& m) const override { return m.tablero.Neutros() == 0; }
  ObjetivoVisible Objetivo(const Mesa& m) const override {
    return {{static_cast<Imagen>(kMuro), kSinImagen}, "x" + std::to_string(m.tablero.Neutros())};
  }
};

}  // namespace

const ReglasGrupo& ReglasRotatorPlus() {
  static const RotatorPlus reglas;
  return reglas;
}

}  // namespace tumbla
