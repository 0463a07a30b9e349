// GOTEATOR: bring the blue drop down to the floor, against a clock of two
// and a half minutes. The drop falls a row per tick of its timer while the
// cell below is free, also during a pause; the player clears what is under
// it.
#include "modes/Grupos.h"

namespace tumbla {

namespace {

class Goteator : public ReglasGrupo {
 public:
  Modo modo() const override { return Modo::Goteator; }
  const char* NombreModo() const override { return "ModoGoteator"; }
  int SegundosReloj() const override { return 150; }
  ObjetivoVisible Objetivo(const Mesa& m) const override {
    return {{static_cast<Imagen>(kGotaAzul), kSinImagen}, m.objetivoAlcanzado ? "x0" : "x1"};
  }
  bool Preparar(Mesa& m, const std::vector<int>& celdas, int gota, int) const override {
    for (int c : celdas) m.tablero.Poner(c, kMuro);
    return PonerGota(m, gota);
  }
  void TickGota(Mesa& m, Azar& azar, Suceso& s) const override {
    if (!BajarGota(m, azar, s)) return;
    // The drop reached the floor.
    m.objetivoAlcanzado = true;
    s.cumplido = true;
  }
};

}  // namespace

const ReglasGrupo& ReglasGoteator() {
  static const Goteator reglas;
  return reglas;
}

}  // namespace tumbla
