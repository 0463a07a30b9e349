// The colours the game paints in, one set per choice of "Colores": the
// game's own; one whose pieces stay apart for the three common kinds of
// colour blindness (built on the Okabe–Ito colours); and high contrast,
// light shapes on black. The game speaks its own colours (0x00BBGGRR: the
// frame, the group tints); a palette says what each becomes on screen.
#pragma once

#include <QColor>

#include <array>
#include <cstdint>

#include "progress/Ajustes.h"

namespace tumbla::ui {

struct Paleta {
  Colores tipo;
  // The faces of blocks 1..7 (the pieces) and 8 (the neutral block); [0] unused.
  std::array<QRgb, 9> caras;
  QRgb torpedo;
  QRgb gotaRosa;
  QRgb gotaAzul;
  // The flower's petals and centre: white, yellow, red.
  std::array<std::array<QRgb, 2>, 3> flores;
  QRgb tallo;       // the stem's edges
  QRgb talloClaro;  // and its middle
  QRgb barro;       // the pot
  QRgb tierra;      // the soil on it
  // The tiles of the six panel icons, in picture order.
  std::array<QRgb, 6> iconos;
  // Kinds of level (CLA, GOT, ROT, JUN, POD) and the grey of a level
  // beyond the open ones.
  std::array<QRgb, 5> grupos;
  QRgb grupoCerrado;
  // The scene.
  QRgb fondo;
  QRgb fondoJuego;
  QRgb rejilla;
  QRgb textoClaro;
  QRgb textoTenue;
  QRgb bordeSiguiente;
  QRgb marco;       // the board frame,
  QRgb marcoAviso;  // and in the clock's last seconds (red in the game's own)
  // A sign of its own on every block, drop and flower, and on the level
  // buttons: no information by colour alone.
  bool marcas;
  // Flat light blocks, each in a strong outline.
  bool contorno;
};

const Paleta& PaletaDe(Colores c);

// The game's colours are 0x00BBGGRR.
QColor ColorBgr(uint32_t bgr);

// The game's own colours as the palette shows them: a group tint or the
// grey of a closed level; the frame's grey or red. Any other stays.
QColor ColorGrupo(const Paleta& paleta, uint32_t bgr);
QColor ColorMarco(const Paleta& paleta, uint32_t bgr);

// The kind of level (0..4: CLA, GOT, ROT, JUN, POD) a group tint stands
// for, or -1.
int TipoDeColor(uint32_t bgr);

}  // namespace tumbla::ui
