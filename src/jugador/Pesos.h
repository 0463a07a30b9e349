// How much each measure of a board counts in the computer player's
// judgement (Evaluacion), one set of weights per level group. The game's
// own sets are in pesos.txt, built into the program: a tuning run
// (tumbla-afinar) writes them there, with the seeds it played on.
//
// The text holds one line per group: its code and `measure=weight` pairs,
// e.g. `SUPER altura=-4.5 agujeros=-27.9`; a measure not named weighs 0.
// Lines starting with '#' and blank lines are skipped.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "game/Modo.h"

namespace tumbla {

enum class Medida {
  // The classic measures of the stack: the landing's height, rows cleared,
  // transitions between free and taken cells along the columns and rows,
  // holes, wells, the spread of the column heights, full rows waiting for
  // company, the stack near the entry (squared rows past `filaPeligro`).
  Altura, Filas, TransCol, TransFila, Agujeros, Pozos, Varianza, Esperando, Peligro, FilaPeligro,
  // More of the same: the tallest column, the rows with a hole, the blocks
  // over holes, the rows short of one or two blocks.
  AlturaMax, FilasConAgujero, Sepultadas, CasiLlenas,
  // GOTEATOR: blocks under the blue drop, free cells below it.
  GotaDebajo, GotaVacias,
  // ROTATOR Plus: neutral blocks left, free cells in their rows.
  Neutros, NeutroVacias,
  // JUNTATOR: the two drops side by side (their row's free cells and the
  // support it lacks), or how far apart.
  Junta, JuntaVacias, JuntaSoporte, JuntaDistancia,
  // PODATOR: the pot's row (free cells, covered, sealed), the plant's tip
  // above row `podFila` (squared).
  PodVacia, PodCubierta, PodSellada, PodPeligro, PodFila,
  // The search: how much the falling piece's own outcome counts beside
  // the best the preview piece can then do (mostly a little: it breaks
  // ties; more beside a mean of draws).
  Primera,
  // The search: on how many boards drawn as the game might draw them (the
  // shuffle, the plant's side) the preview piece is looked at, up to
  // kMaxMuestras. With none, on the board the player assumes; Superpanic's
  // shuffle leaves nothing to assume, so there the preview is then not
  // looked at. A count, not a weight: tuning leaves it as it is.
  Muestras,
};
constexpr int kMedidas = static_cast<int>(Medida::Muestras) + 1;
constexpr int kMaxMuestras = 16;

const char* NombreMedida(Medida m);

struct Pesos {
  std::array<double, kMedidas> v{};
  double operator[](Medida m) const { return v[static_cast<size_t>(m)]; }
  double& operator[](Medida m) { return v[static_cast<size_t>(m)]; }
};

struct TablaPesos {
  std::array<Pesos, 8> grupos;  // by Modo
  const Pesos& De(Modo m) const { return grupos[static_cast<size_t>(m)]; }
  Pesos& De(Modo m) { return grupos[static_cast<size_t>(m)]; }
};

// Reads `texto` into `tabla` (the groups it names; others stay as they
// were). Returns the first fault as "line N: ...", or an empty string.
std::string LeerPesos(std::string_view texto, TablaPesos& tabla);
// One group's line, as LeerPesos reads it.
std::string LineaPesos(Modo modo, const Pesos& pesos);

// The game's own weights.
const TablaPesos& PesosPropios();

}  // namespace tumbla
