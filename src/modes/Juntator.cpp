// JUNTATOR: on the turning square, bring the blue drop beside the pink one,
// which never moves but with the board, and clear both with one row, within
// a minute and a half.
#include <cstdlib>

#include "modes/Grupos.h"

namespace tumbla {

namespace {

class Juntator : public ReglasGrupo {
 public:
  Modo modo() const override { return Modo::Juntator; }
  const char* NombreModo() const override { return "ModoJuntator"; }
  bool Cuadrado() const override { return true; }
  int SegundosReloj() const override { return 90; }
  ObjetivoVisible Objetivo(const Mesa& m) const override {
    return {{static_cast<Imagen>(kGotaAzul), static_cast<Imagen>(kGotaRosa)}, m.objetivoAlcanzado ? "x0" : "x1"};
  }
  bool Preparar(Mesa& m, const std::vector<int>& celdas, int gota, int gotaRosa) const override {
    for (int c : celdas) m.tablero.Poner(c, kMuro);
    if (gotaRosa > 0) m.tablero.Poner(gotaRosa, kGotaRosa);
    return PonerGota(m, gota);
  }
  // Side by side in the row that completes a clearing cycle: both drops go
  // with it, and the level is won.
  bool Juntadas(const FilaLlena& f) const override {
    return f.celdaRosa != 0 && f.celdaAzul != 0 && std::abs(f.celdaRosa - f.celdaAzul) == 1;
  }
  void TickGota(Mesa& m, Azar& azar, Suceso& s) const override { BajarGota(m, azar, s); }
};

}  // namespace

const ReglasGrupo& ReglasJuntator() {
  static const Juntator reglas;
  return reglas;
}

}  // namespace tumbla
