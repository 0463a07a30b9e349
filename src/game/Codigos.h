// The names the game and its hosts share: the window's title, the settings
// sections, the virtual key codes the game knows and the sound effects.
#pragma once

namespace tumbla {

constexpr const char* kTituloVentana = "Tumbla 3.0 Dilatorus";
constexpr const char* kSeccionIni = "OROKORRA";
// The best score of each level position, in a section of its own so that
// the game's own keys keep their meaning.
constexpr const char* kSeccionRecords = "ERREKORRAK";

// Virtual key codes the game knows.
namespace tecla {
constexpr int kIntro = 13;
constexpr int kEscape = 27;
constexpr int kEspacio = 32;
constexpr int kIzquierda = 37;
constexpr int kArriba = 38;
constexpr int kDerecha = 39;
constexpr int kAbajo = 40;
constexpr int k3 = 51;
constexpr int k4 = 52;
constexpr int kA = 65;
constexpr int kO = 79;
constexpr int kP = 80;
constexpr int kQ = 81;
constexpr int kS = 83;
constexpr int kF1 = 112;
constexpr int kF2 = 113;
constexpr int kF3 = 114;
}  // namespace tecla

// Sound effect ids.
namespace sonido {
constexpr int kTorpedoOBloque = 101;
constexpr int kNivelCompletado = 102;
constexpr int kAterrizaje = 103;
constexpr int kFinPartida = 104;
constexpr int kGiroTablero = 105;
constexpr int kGota = 106;
constexpr int kFila = 107;
}  // namespace sonido

}  // namespace tumbla
