// Level records from a file, as tumbla-autoplay --registros takes them: any
// text reads and is checked without a fault, and when the check passes every
// position whose record is not the built-in one plays 300 random keys and
// timer events.
#include <cstdint>
#include <string>

#include "PlataformaFalsa.h"
#include "levels/FaltasRegistro.h"
#include "motor/Juego.h"
#include "motor/CodigosTecla.h"

using namespace tumbla;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
  static const CatalogoNiveles propios;
  const std::string texto(reinterpret_cast<const char*>(datos), tamano);
  const CatalogoNiveles leidos(texto);
  if (!FaltaEnRegistros(leidos).empty()) return 0;
  for (int p = 1; p <= kNumNiveles; ++p) {
    const char* tipo = BuscarGrupo(GrupoDeClave(leidos.Clave(p)))->tipo;
    const int n = NumeroDeClave(leidos.Clave(p));
    if (leidos.Registro(leidos.Buscar(tipo, n)) == propios.Registro(propios.Buscar(tipo, n))) continue;
    PlataformaFalsa plataforma;
    Juego juego(plataforma, "sin-carpeta/tumbla.ini", CatalogoNiveles(texto));  // no write goes through
    plataforma.alMostrarSelector = [p](SelectorNiveles& s) { return s.ElegirPosicion(p); };
    juego.Inicializar();
    plataforma.Atender(juego);  // the box saying that nothing is stored
    juego.Ejecutar(Comando::Nuevo);
    plataforma.Atender(juego);
    for (int paso = 0; paso < 300 && juego.vista().Jugando(); ++paso, plataforma.ahora += 0.1) {
      using namespace tecla;
      constexpr int kTeclas[] = {kIzquierda, kDerecha, kArriba, kAbajo, kEspacio, k3, k4};
      juego.Tecla(kTeclas[plataforma.generador() % 7], Contexto::Ventana);
      juego.Disparar(static_cast<Temporizador>(plataforma.generador() % 3));
      plataforma.Atender(juego);
    }
  }
  return 0;
}
