// How far apart two screen colours look, to normal eyes and to eyes with
// one of the three common kinds of colour blindness: sRGB to linear RGB,
// the dichromat simulation of Machado, Oliveira and Fernandes (2009,
// severity 1) in linear RGB, CIE L*a*b* (D65), and the CIEDE2000 difference
// (Sharma, Wu and Dalal 2005).
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace tumbla::color {

enum class Vision { Normal, Protanopia, Deuteranopia, Tritanopia };
constexpr std::array<Vision, 4> kVisiones = {Vision::Normal, Vision::Protanopia, Vision::Deuteranopia,
                                             Vision::Tritanopia};

struct Lab {
  double L, a, b;
};

using Matriz = std::array<std::array<double, 3>, 3>;

inline const Matriz& MatrizVision(Vision v) {
  static const Matriz kNormal{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
  static const Matriz kProtanopia{{{0.152286, 1.052583, -0.204868},
                                   {0.114503, 0.786281, 0.099216},
                                   {-0.003882, -0.048116, 1.051998}}};
  static const Matriz kDeuteranopia{{{0.367322, 0.860646, -0.227968},
                                     {0.280085, 0.672501, 0.047413},
                                     {-0.011820, 0.042940, 0.968881}}};
  static const Matriz kTritanopia{{{1.255528, -0.076749, -0.178779},
                                   {-0.078411, 0.930809, 0.147602},
                                   {0.004733, 0.691367, 0.303900}}};
  switch (v) {
    case Vision::Protanopia: return kProtanopia;
    case Vision::Deuteranopia: return kDeuteranopia;
    case Vision::Tritanopia: return kTritanopia;
    case Vision::Normal: break;
  }
  return kNormal;
}

// A colour 0xRRGGBB as those eyes see it.
inline Lab LabDe(uint32_t rgb, Vision v = Vision::Normal) {
  std::array<double, 3> lineal{};
  for (int k = 0; k < 3; ++k) {
    const double c = ((rgb >> (16 - 8 * k)) & 0xFF) / 255.0;
    lineal[static_cast<size_t>(k)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  }
  const Matriz& m = MatrizVision(v);
  std::array<double, 3> visto{};
  for (size_t i = 0; i < 3; ++i) {
    visto[i] = std::clamp(m[i][0] * lineal[0] + m[i][1] * lineal[1] + m[i][2] * lineal[2], 0.0, 1.0);
  }
  const double x = (0.4124564 * visto[0] + 0.3575761 * visto[1] + 0.1804375 * visto[2]) / 0.95047;
  const double y = 0.2126729 * visto[0] + 0.7151522 * visto[1] + 0.0721750 * visto[2];
  const double z = (0.0193339 * visto[0] + 0.1191920 * visto[1] + 0.9503041 * visto[2]) / 1.08883;
  const auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
  return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

inline double Ciede2000(const Lab& uno, const Lab& otro) {
  const auto rad = [](double grados) { return grados * std::numbers::pi / 180; };
  const auto grados = [](double y, double x) {
    if (x == 0 && y == 0) return 0.0;
    const double h = std::atan2(y, x) * 180 / std::numbers::pi;
    return h < 0 ? h + 360 : h;
  };
  const double cMedio = (std::hypot(uno.a, uno.b) + std::hypot(otro.a, otro.b)) / 2;
  const double c7 = std::pow(cMedio, 7);
  const double g = 0.5 * (1 - std::sqrt(c7 / (c7 + std::pow(25.0, 7))));
  const double a1 = (1 + g) * uno.a, a2 = (1 + g) * otro.a;
  const double c1 = std::hypot(a1, uno.b), c2 = std::hypot(a2, otro.b);
  const double h1 = grados(uno.b, a1), h2 = grados(otro.b, a2);
  double dh = 0;
  double hMedio = h1 + h2;
  if (c1 * c2 != 0) {
    dh = h2 - h1;
    if (dh > 180) dh -= 360;
    if (dh < -180) dh += 360;
    hMedio = std::abs(h1 - h2) <= 180 ? (h1 + h2) / 2 : (h1 + h2 + (h1 + h2 < 360 ? 360 : -360)) / 2;
  }
  const double dL = otro.L - uno.L, dC = c2 - c1;
  const double dH = 2 * std::sqrt(c1 * c2) * std::sin(rad(dh / 2));
  const double lMedio = (uno.L + otro.L) / 2, cpMedio = (c1 + c2) / 2;
  const double t = 1 - 0.17 * std::cos(rad(hMedio - 30)) + 0.24 * std::cos(rad(2 * hMedio)) +
                   0.32 * std::cos(rad(3 * hMedio + 6)) - 0.20 * std::cos(rad(4 * hMedio - 63));
  const double giro = 30 * std::exp(-std::pow((hMedio - 275) / 25, 2));
  const double cp7 = std::pow(cpMedio, 7);
  const double rC = 2 * std::sqrt(cp7 / (cp7 + std::pow(25.0, 7)));
  const double sL = 1 + 0.015 * std::pow(lMedio - 50, 2) / std::sqrt(20 + std::pow(lMedio - 50, 2));
  const double sC = 1 + 0.045 * cpMedio, sH = 1 + 0.015 * cpMedio * t;
  const double rT = -std::sin(rad(2 * giro)) * rC;
  return std::sqrt(std::pow(dL / sL, 2) + std::pow(dC / sC, 2) + std::pow(dH / sH, 2) + rT * (dC / sC) * (dH / sH));
}

// The difference two colours 0xRRGGBB keep for those eyes.
inline double Diferencia(uint32_t uno, uint32_t otro, Vision v) { return Ciede2000(LabDe(uno, v), LabDe(otro, v)); }

}  // namespace tumbla::color
