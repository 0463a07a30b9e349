// What the computer player's games say about the levels: a line per
// position (wins, pieces, clock, why games were lost), a summary per group,
// a chart, and the house rules every level must meet.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "autoplay/PartidaAutomatica.h"
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

// Exact (Clopper-Pearson) one-sided bounds of a win rate after `ganadas`
// wins in `partidas` games: the rate is above the lower bound, and below the
// upper one, but for a chance of `error` each.
double CotaInferior(int ganadas, int partidas, double error);
double CotaSuperior(int ganadas, int partidas, double error);

// Every level is won in at least one game in ten.
constexpr double kTasaGanable = 0.1;

// What `ganadas` wins in `partidas` games say of a rule "the win rate is at
// least `umbral`": broken when the rate is shown below it beyond reasonable
// doubt (an upper bound at an error of 1 in 2000); met when its 80% lower
// bound clears it, or when no run of losses up to `maxPartidas` games could
// break it; else in doubt, wanting more games.
enum class Juicio { Cumple, Incumple, Dudoso };
Juicio JuzgarTasa(int ganadas, int partidas, double umbral, int maxPartidas);

// The house rules, as questions about each level's true win rate: every
// position is won in at least one game in ten; at full speed every board
// of our own design in at least half, and none of those more than 0.4 below
// a later one of its group. A rule fails only when the games show it broken
// beyond reasonable doubt (exact bounds, an error of 1 in 2000 at each
// look); where they can tell neither way yet, the position is pending and
// wants more games, up to `maxPartidas`, after which the doubt counts for
// the level.
struct Veredicto {
  std::vector<std::string> fallos;  // one line per broken rule
  std::vector<int> pendientes;      // positions to play more games of
};
Veredicto ComprobarReglas(const std::vector<ResumenPosicion>& resumen, int maxPartidas, bool ritmoPersona);

}  // namespace tumbla
