// What the computer player's games say about the levels: a line per
// position (wins, pieces, clock, why games were lost), a summary per group,
// a chart, and the house rules every level must meet.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "jugador/PartidaAutomatica.h"
#include "levels/Niveles.h"

namespace tumbla {

struct ResumenPosicion {
  int posicion = 0;
  std::string clave;        // "CLASI,01"
  int numero = 0;           // the level's number within its group
  const Grupo* grupo = nullptr;
  bool disenoPropio = false;  // a starting board of our own design
  int partidas = 0;
  int ganadas = 0;
  double piezasMediana = 0;    // over the games won
  double segundosMediana = 0;  // over the games won
  int segundosLimite = 0;
  std::map<std::string, int> derrotas;  // reason -> games
};

ResumenPosicion Resumir(const CatalogoNiveles& niveles, int posicion,
                        const std::vector<ResultadoPartida>& partidas);

void EscribirTabla(std::ostream& o, const std::vector<ResumenPosicion>& resumen, bool ritmoPersona);
// An SVG chart: wins by position, and the clock left by the timed levels,
// coloured by group.
void EscribirGrafico(std::ostream& o, const std::vector<ResumenPosicion>& resumen);

// The positions that break the rules, one line each: every position won in
// at least one game, every board of our own design in at least half, and
// none of those much harder (four games in ten) than a later one of its
// group.
// At a person's pace only the first rule holds.
std::vector<std::string> ComprobarReglas(const std::vector<ResumenPosicion>& resumen, int partidas,
                                         bool ritmoPersona);

}  // namespace tumbla
