// The seven sound effects, by the ids the rules name them with.
#pragma once

namespace tumbla::sonido {

constexpr int kTorpedoOBloque = 101;
constexpr int kNivelCompletado = 102;
constexpr int kAterrizaje = 103;
constexpr int kFinPartida = 104;
constexpr int kGiroTablero = 105;
constexpr int kGota = 106;
constexpr int kFila = 107;

}  // namespace tumbla::sonido
