// The three palettes. The colour-blind one keeps every pair of piece
// colours, the neutral block and the torpedo apart under simulated
// protanopia, deuteranopia and tritanopia (tests/ui/PaletasTest.cpp
// measures it), staying close to the Okabe–Ito colours.
#include "ui/Paleta.h"

#include "levels/Niveles.h"

namespace tumbla::ui {

namespace {

// An opaque colour written 0xRRGGBB.
constexpr QRgb C(uint32_t rgb) { return 0xFF000000u | rgb; }

// The group tints of the game's level table, by kind of level.
constexpr std::array<uint32_t, 5> kTintas = {0xC0E0FF, 0xC0FFC0, 0xFFFFC0, 0xFFC0C0, 0xFFC0FF};

constexpr Paleta kPropios{
    .tipo = Colores::Propios,
    .caras = {0, C(0xE53935), C(0xFB8C00), C(0xFDD835), C(0x43A047), C(0x00ACC1), C(0x1E5ED6), C(0x8E24AA),
              C(0x8C939C)},
    .torpedo = C(0xE4E7EB),
    .gotaRosa = C(0xF06EAA),
    .gotaAzul = C(0x2F7DE1),
    .flores = {{{C(0xFAFAFA), C(0xF4B400)}, {C(0xFFD400), C(0x8B5A2B)}, {C(0xE53935), C(0xFFE082)}}},
    .tallo = C(0x2E7D32),
    .talloClaro = C(0x66BB6A),
    .barro = C(0xC4622D),
    .tierra = C(0x5D4037),
    .iconos = {C(0x138D90), C(0xE67E22), C(0xC0392B), C(0x5D6D7E), C(0x8E44AD), C(0x279E57)},
    .grupos = {C(0xFFE0C0), C(0xC0FFC0), C(0xC0FFFF), C(0xC0C0FF), C(0xFFC0FF)},
    .grupoCerrado = C(0xC0C0C0),
    .fondo = C(0x2A2F37),
    .fondoJuego = C(0x14171C),
    .rejilla = C(0x1D2128),
    .textoClaro = C(0xE3E7ED),
    .textoTenue = C(0x9AA3AF),
    .bordeSiguiente = C(0x6A7280),
    .marco = C(0xC0C0C0),
    .marcoAviso = C(0xFF0000),
    .marcas = false,
    .contorno = false,
};

// Vermilion, orange, yellow, bluish green, sky blue, blue and a muted
// purple: the Okabe–Ito hues, moved in lightness until each pair stays
// apart for every kind of eye. The drops are a dark blue and a light pink,
// the flowers white, yellow and vermilion: they differ in lightness too.
constexpr Paleta kDaltonismo{
    .tipo = Colores::Daltonismo,
    .caras = {0, C(0xBE5604), C(0xDF9900), C(0xFFF24B), C(0x009E73), C(0x6FC9FF), C(0x005DB8), C(0x9E7EAF),
              C(0xACAFB3)},
    .torpedo = C(0xEEF3F8),
    .gotaRosa = C(0xF0A0C0),
    .gotaAzul = C(0x0072B2),
    .flores = {{{C(0xFAFAFA), C(0x5A4A2A)}, {C(0xF5C710), C(0x4A3400)}, {C(0xD55E00), C(0xFFF4D8)}}},
    .tallo = C(0x007355),
    .talloClaro = C(0x3CC096),
    .barro = C(0xB86A3A),
    .tierra = C(0x5D4037),
    .iconos = {C(0x0072B2), C(0xE69F00), C(0xD55E00), C(0x5D6D7E), C(0xCC79A7), C(0x009E73)},
    .grupos = {C(0xF8D29A), C(0xA8E4CF), C(0xBFE4FA), C(0xF4EE9C), C(0xEEC0DA)},
    .grupoCerrado = C(0xB4B4B4),
    .fondo = C(0x2A2F37),
    .fondoJuego = C(0x14171C),
    .rejilla = C(0x1D2128),
    .textoClaro = C(0xE3E7ED),
    .textoTenue = C(0x9AA3AF),
    .bordeSiguiente = C(0x6A7280),
    .marco = C(0xC0C0C0),
    .marcoAviso = C(0xD55E00),
    .marcas = true,
    .contorno = false,
};

// Light shapes on black: pale, bright faces in a black outline, white text.
// Their colours are kept as far apart for colour-blind eyes as light
// colours allow; the signs do the rest.
constexpr Paleta kContraste{
    .tipo = Colores::Contraste,
    .caras = {0, C(0xF3A87A), C(0xFFCE43), C(0xFFF88F), C(0x5DE4A5), C(0xA9E8FF), C(0xA4B8FF), C(0xFF7DD6),
              C(0xC7C7C7)},
    .torpedo = C(0xFFFFFF),
    .gotaRosa = C(0xFFB3D9),
    .gotaAzul = C(0x8FC6FF),
    .flores = {{{C(0xFFFFFF), C(0x000000)}, {C(0xFFE033), C(0x000000)}, {C(0xFF7060), C(0x000000)}}},
    .tallo = C(0x5CE06E),
    .talloClaro = C(0xD8FFDC),
    .barro = C(0xFFA06E),
    .tierra = C(0xFFD6BE),
    .iconos = {C(0x000000), C(0x000000), C(0x000000), C(0x000000), C(0x000000), C(0x000000)},
    .grupos = {C(0xFFC870), C(0x86E8AE), C(0x92E4FF), C(0xFFF380), C(0xE6ACF7)},
    .grupoCerrado = C(0x808080),
    .fondo = C(0x000000),
    .fondoJuego = C(0x000000),
    .rejilla = C(0x303030),
    .textoClaro = C(0xFFFFFF),
    .textoTenue = C(0xD8D8D8),
    .bordeSiguiente = C(0xFFFFFF),
    .marco = C(0xFFFFFF),
    .marcoAviso = C(0xFFE033),
    .marcas = true,
    .contorno = true,
};

}  // namespace

const Paleta& PaletaDe(Colores c) {
  switch (c) {
    case Colores::Daltonismo: return kDaltonismo;
    case Colores::Contraste: return kContraste;
    case Colores::Propios: break;
  }
  return kPropios;
}

int TipoDeColor(uint32_t bgr) {
  for (size_t k = 0; k < kTintas.size(); ++k) {
    if (kTintas[k] == bgr) return static_cast<int>(k);
  }
  return -1;
}

QColor ColorBgr(uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

QColor ColorGrupo(const Paleta& paleta, uint32_t bgr) {
  const int tipo = TipoDeColor(bgr);
  if (tipo >= 0) return QColor(paleta.grupos[static_cast<size_t>(tipo)]);
  return bgr == kColorGris ? QColor(paleta.grupoCerrado) : ColorBgr(bgr);
}

QColor ColorMarco(const Paleta& paleta, uint32_t bgr) {
  if (bgr == kColorGris) return QColor(paleta.marco);
  return bgr == kColorRojo ? QColor(paleta.marcoAviso) : ColorBgr(bgr);
}

}  // namespace tumbla::ui
