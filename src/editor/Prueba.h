// A level's proof of being winnable: one game that won it, as the replay
// script the headless host wrote while the computer player played (a fresh
// player's settings, the draws and every key and timer event in order), and
// the print of the level it was won on. Anyone can check a proof: the replay
// runner plays the script again on the level's record, and it must end with
// the level won.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "autoplay/PartidaAutomatica.h"
#include "editor/NivelPropio.h"

namespace tumbla {

struct Prueba {
  uint64_t huella = 0;  // Huella of the level it was won on
  std::string guion;
  bool operator==(const Prueba&) const = default;
};

// A script longer than this is no proof.
constexpr size_t kLargoPrueba = 2u << 20;
constexpr size_t kLineasPrueba = 100000;

// A game of the level played by the computer player (or another hand), on
// the game's records with the level in its group's place.
ResultadoPartida JugarNivel(const NivelPropio& nivel, OpcionesPartida opciones);

// "" when `prueba` is the level's: its print agrees, its script keeps to
// what a game of a fresh player may hold (no menu, no extra minute, the
// level's own position) and, played again, wins the level. Else why not,
// in `t`'s language, for the player. Set from another thread, `cancelar`
// stops it between two lines of the script (the proof then does not count).
std::string VerificarPrueba(const NivelPropio& nivel, const Prueba& prueba, const std::atomic<bool>* cancelar = nullptr,
                            const Traductor& t = SinTraducir());

}  // namespace tumbla
