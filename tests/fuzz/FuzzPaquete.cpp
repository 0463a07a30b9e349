// A pack of levels from any text: it reads without a fault, every level it
// keeps is one the game can play, written again it reads the same, and a
// level's proof is played again without a fault (whatever it proves).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editor/Paquete.h"

using namespace tumbla;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
  const LecturaPaquete l = LeerPaquete(std::string_view(reinterpret_cast<const char*>(datos), tamano));
  if (!l.error.empty() && (!l.paquete.niveles.empty() || !l.rechazos.empty())) std::abort();
  for (const NivelDePaquete& n : l.paquete.niveles) {
    if (!Faltas(n.nivel).empty() || !FaltaEnTexto(n.nivel.nombre, kLargoNombre, true).empty()) std::abort();
  }
  const LecturaPaquete otra = LeerPaquete(EscribirPaquete(l.paquete));
  if (l.error.empty() && !(otra.error.empty() && otra.rechazos.empty() && otra.paquete == l.paquete)) std::abort();
  // One proof at most, and a short one: the replay runner has a fuzz target of its own.
  for (const NivelDePaquete& n : l.paquete.niveles) {
    if (!n.Probado() || n.prueba->guion.size() > 20000) continue;
    if (VerificarPrueba(n.nivel, *n.prueba) == "el nivel tiene faltas") std::abort();
    break;
  }
  return 0;
}
