// A replay file from any bytes: its reader answers a valid replay or a fault
// with its message, never a crash; a valid one reads back the same once
// written again. Inputs that begin with '!' are a script instead, which goes
// into a valid file: read, it is that script (or refused as no text), and
// played and checked under low limits it ends as recorded, differs, or stops
// with a message, never with an internal error; watched, it goes to its end,
// a piece back and to its start, or stops with the runner's message.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "grabacion/ArchivoRepeticion.h"
#include "levels/Niveles.h"
#include "replay/EjecutorGuion.h"
#include "replay/Reproductor.h"

using namespace tumbla;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
  static const uint64_t huella = HuellaNiveles(CatalogoNiveles());
  const std::string texto(reinterpret_cast<const char*>(datos), tamano);
  if (texto.empty() || texto[0] != '!') {
    const LecturaRepeticion l = LeerRepeticion(texto, huella);
    if (l.Valida() ? !l.detalle.empty() : TextoFallo(l, "x").empty()) std::abort();
    if (!l.Valida()) return 0;
    const LecturaRepeticion otra = LeerRepeticion(EscribirRepeticion(l.grabacion, huella), huella);
    if (!otra.Valida() || !otra.grabacion.resumen.MismoFinal(l.grabacion.resumen) ||
        otra.grabacion.resumen.jugada != l.grabacion.resumen.jugada || otra.grabacion.guion != l.grabacion.guion) {
      std::abort();
    }
    return 0;
  }
  Grabacion g;
  g.resumen.posicion = 1;
  g.resumen.clave = "CLASI,01";
  g.resumen.nombre = "CLASIC";
  g.resumen.jugada = "2000-01-01 00:00:00";
  g.guion = texto.substr(1);
  const LecturaRepeticion l = LeerRepeticion(EscribirRepeticion(g, huella), huella);
  if (l.Valida() && l.grabacion.guion != g.guion) std::abort();
  if (!l.Valida()) return 0;
  std::ostringstream informe, errores;
  const int salida = ComprobarRepeticion(EscribirRepeticion(g, huella), "x.tumbla", informe, errores,
                                         LimitesGuion{5000, 5000});
  if (salida < 0 || salida > 2) std::abort();
  if (salida == 2) return 0;
  try {
    Reproductor r(l.grabacion);
    r.Ir(r.Duracion());
    r.Pieza(-1);
    r.Ir(0);
  } catch (const ErrorGuion&) {
  }
  return 0;
}
