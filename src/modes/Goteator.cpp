// GOTEATOR: bring the blue drop down to the floor, against a clock of two
// and a half minutes. The drop falls a row per tick of its timer while the
// cell below is free, also during a pause; the player clears what is under
// it.
#include "game/Partida.h"
#include "modes/ReglasGrupo.h"

namespace tumbla {

namespace {

class Goteator : public ReglasGrupo {
 public:
  Modo modo() const override { return Modo::Goteator; }
  const char* NombreModo() const override { return "ModoGoteator"; }
  int SegundosReloj() const override { return 150; }
  ObjetivoVisible Objetivo(const Estado& e) const override {
    return {{static_cast<Imagen>(kGotaAzul), kSinImagen}, e.ObjetivoAlcanzado ? "x0" : "x1"};
  }
  void Preparar(Partida& p, const std::vector<int>& celdas, int gota, int) const override {
    for (int c : celdas) p.e.tablero.Poner(c, kMuro);
    PonerGota(p, gota);
  }
  void TickGota(Partida& p) const override {
    if (!BajarGota(p)) return;
    // The drop reached the floor.
    p.ActivarTemporizador(Temporizador::Gota, false);
    p.e.ObjetivoAlcanzado = true;
    p.NivelCompletado();
  }
};

}  // namespace

const ReglasGrupo& ReglasGoteator() {
  static const Goteator reglas;
  return reglas;
}

}  // namespace tumbla
