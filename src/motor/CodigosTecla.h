// Virtual key codes: the keyboard's keys as the game and its hosts name
// them (letters and digits by their character, the arrows 37..40, F1..F12
// 112..123, Enter 13). Their names are in the input table (Entradas.h).
#pragma once

namespace tumbla::tecla {

constexpr int kRetroceso = 8;
constexpr int kTabulador = 9;
constexpr int kIntro = 13;
constexpr int kEscape = 27;
constexpr int kEspacio = 32;
constexpr int kRePag = 33;
constexpr int kAvPag = 34;
constexpr int kFin = 35;
constexpr int kInicio = 36;
constexpr int kIzquierda = 37;
constexpr int kArriba = 38;
constexpr int kDerecha = 39;
constexpr int kAbajo = 40;
constexpr int kInsertar = 45;
constexpr int kSuprimir = 46;
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
constexpr int kF10 = 121;
constexpr int kF11 = 122;

}  // namespace tumbla::tecla
