// Level records from a file, as tumbla-autoplay --registros takes them: any
// text reads and is checked without a fault, and when the check passes every
// position whose record is not the built-in one starts and takes a few
// hundred keys and timer events.
#include <cstddef>
#include <cstdint>
#include <string>

#include "game/Juego.h"
#include "levels/Niveles.h"
#include "progress/SelectorNiveles.h"

namespace {

using namespace tumbla;

// A host that answers "no" to every question, opens the level window on
// one position and draws its random numbers from a fixed sequence.
class Anfitrion : public Plataforma {
 public:
  Juego* juego = nullptr;
  int posicion = 1;
  uint32_t azar = 1;
  double ahora = 0;
  int Siguiente(int n) { return static_cast<int>((azar = azar * 1103515245u + 12345u) >> 8) % n; }
  void temporizador(Temporizador, bool, int) override {}
  void mensaje(Icono, const std::string&, const std::string&) override {}
  bool pregunta(Icono, const std::string&, const std::string&) override { return false; }
  void sonido(int, bool) override {}
  bool abrir(const std::string&) override { return false; }
  double reloj() override { return ahora; }
  Fecha hoy() override { return {}; }
  int aleatorio(Sorteo, int n) override { return Siguiente(n); }
  void procesarEventos() override {}
  void esperar(double) override {}
  void mostrarSelectorNiveles() override { juego->selector().ElegirPosicion(posicion); }
  void cerrarSelectorNiveles() override {}
};

bool MismoRegistro(const CatalogoNiveles& a, int ra, const CatalogoNiveles& b, int rb) {
  for (int c = 0; ra >= 0 && rb >= 0 && c < kNumCampos; ++c) {
    if (a.Dato(ra, c) != b.Dato(rb, c)) return false;
  }
  return ra >= 0 && rb >= 0;
}

void Jugar(const std::string& texto, int posicion) {
  constexpr int kTeclas[] = {tecla::kIzquierda, tecla::kDerecha, tecla::kArriba, tecla::kAbajo, tecla::kEspacio,
                             tecla::k3, tecla::k4};
  Anfitrion anfitrion;
  anfitrion.posicion = posicion;
  Juego juego(anfitrion, "", CatalogoNiveles(texto));
  anfitrion.juego = &juego;
  juego.Inicializar();
  juego.MenuNuevo();
  for (int paso = 0; paso < 300 && juego.vista().Jugando(); ++paso) {
    juego.Tecla(kTeclas[anfitrion.Siguiente(7)], false);
    juego.Disparar(static_cast<Temporizador>(anfitrion.Siguiente(3)));
    anfitrion.ahora += 0.1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
  static const CatalogoNiveles propios;
  const std::string texto(reinterpret_cast<const char*>(datos), tamano);
  const CatalogoNiveles leidos(texto);
  if (!FaltaEnRegistros(leidos).empty()) return 0;
  for (int p = 1; p <= kNumNiveles; ++p) {
    const std::string& clave = leidos.Clave(p);
    const char* tipo = BuscarGrupo(GrupoDeClave(clave))->tipo;
    const int n = NumeroDeClave(clave);
    if (!MismoRegistro(leidos, leidos.Buscar(tipo, n), propios, propios.Buscar(tipo, n))) Jugar(texto, p);
  }
  return 0;
}
