// JUNTATOR: on the turning square, bring the blue drop beside the pink one,
// which never moves but with the board, and clear both with one row, within
// a minute and a half.
#include <cstdlib>

#include "game/Partida.h"
#include "modes/ReglasGrupo.h"

namespace tumbla {

namespace {

class Juntator : public ReglasGrupo {
 public:
  Modo modo() const override { return Modo::Juntator; }
  const char* NombreModo() const override { return "ModoJuntator"; }
  bool Cuadrado() const override { return true; }
  int SegundosReloj() const override { return 90; }
  ObjetivoVisible Objetivo(const Estado& e) const override {
    return {{static_cast<Imagen>(kGotaAzul), static_cast<Imagen>(kGotaRosa)}, e.ObjetivoAlcanzado ? "x0" : "x1"};
  }
  void Preparar(Partida& p, const std::vector<int>& celdas, int gota, int gotaRosa) const override {
    for (int c : celdas) p.e.tablero.Poner(c, kMuro);
    if (gotaRosa > 0) p.e.tablero.Poner(gotaRosa, kGotaRosa);
    PonerGota(p, gota);
  }
  // Side by side in the row that completes a clearing cycle: both drops go
  // with it, and the level is won.
  bool Juntadas(const FilaLlena& f) const override {
    return f.celdaRosa != 0 && f.celdaAzul != 0 && std::abs(f.celdaRosa - f.celdaAzul) == 1;
  }
  void TickGota(Partida& p) const override { BajarGota(p); }
};

}  // namespace

const ReglasGrupo& ReglasJuntator() {
  static const Juntator reglas;
  return reglas;
}

}  // namespace tumbla
