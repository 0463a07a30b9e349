// Tuning the computer player's weights for one level group by the
// cross-entropy method: each generation draws candidate weights around a
// mean, plays every candidate on the same games (the same positions and
// seeds, so that luck falls alike on all), and moves the mean to the best
// few, narrowing the spread as they agree. A game scores 1 when won, and a
// little for the rows cleared when lost, so that near misses still tell.
// Each generation plays seeds of its own, following on from the base; the
// tuned weights and the ones it started from are then played on other
// seeds, which the tuning never saw.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "jugador/Pesos.h"

namespace tumbla {

struct OpcionesAfinado {
  Modo modo = Modo::Clasico;
  std::vector<int> posiciones;   // the games' positions (all the group's by default)
  std::vector<Medida> medidas;   // the weights it moves (by default, those set)
  // Weights set before tuning starts; the check's "before" is without them.
  std::vector<std::pair<Medida, double>> fijadas;
  int semillaBase = 1;           // generation g plays seeds base + g * semillas ...
  int semillas = 8;              // ... one game per position and seed
  int generaciones = 10;
  int poblacion = 16;            // candidates per generation, the mean among them
  int elite = 4;                 // the best that make the next mean
  uint64_t semillaCandidatas = 1;  // the draws of the candidates
  int semillaValidar = 0;        // the check's seeds: from here...
  int semillasValidar = 0;       // ... this many per position (none: no check)
  bool ritmoPersona = true;
  unsigned hilos = 1;
};

struct ResultadoAfinado {
  Pesos inicial;  // the tuning's start (with the weights set first)
  Pesos final;
  double validarInicial = 0;  // the check's scores (0..1), when played: the
                              // weights as they were, and the tuned ones
  double validarFinal = 0;
  int partidasValidar = 0;
};

// Where the tuning starts: the group's weights in `partida`, with those of
// `fijadas` set.
Pesos PesosDeInicio(const OpcionesAfinado& opciones, const TablaPesos& partida);

// Tunes the group's weights from those of `partida`; `registro` follows
// each generation.
ResultadoAfinado Afinar(const OpcionesAfinado& opciones, const TablaPesos& partida, std::ostream& registro);

// The score of a set of weights for the group, on the positions with the
// seeds from `desde`, `semillas` each: the mean score of the games.
double Puntuar(const OpcionesAfinado& opciones, const TablaPesos& tabla, int desde, int semillas);

// `texto` (a weights file) with the group's line replaced by `nota`
// (comment lines, kept after the notes of the runs before) and the line of
// `pesos`; added at the end when absent.
std::string ReemplazarGrupo(const std::string& texto, Modo modo, const Pesos& pesos, const std::string& nota);

}  // namespace tumbla
