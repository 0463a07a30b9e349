// A level of a player's own, made on the square board with painted cells,
// and proven winnable by "Comprobar" (once per test program).
#pragma once

#include <chrono>
#include <thread>

#include "editor/Comprobacion.h"
#include "editor/Paquete.h"
#include "game/Tablero.h"

namespace tumbla {

inline NivelPropio NivelCuadrado() {
  NivelPropio n = NivelVacio(*BuscarGrupo("ROTA7"));
  n.lineas = 3;
  n.bloques = {22 * kAncho + 1, 23 * kAncho + 1, 23 * kAncho + 2, 23 * kAncho + 10, 23 * kAncho + 11};
  n.nombre = "Escalera";
  n.descripcion = "Tres líneas en el cuadrado";
  return n;
}

inline InformeComprobacion Comprobar(const NivelPropio& nivel, OpcionesComprobacion opciones) {
  Comprobacion c(nivel, opciones);
  while (!c.Terminada()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  return c.Informe();
}

inline const NivelDePaquete& NivelProbado() {
  static const NivelDePaquete probado{NivelCuadrado(), Comprobar(NivelCuadrado(), {4, 4}).prueba};
  return probado;
}

}  // namespace tumbla
