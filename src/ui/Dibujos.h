// The game's pictures, drawn as vector art so they stay sharp at any size:
// the 21 block pictures (one per cell value) and the six side-panel icons,
// in the colours of a palette and, in the palettes that ask for them, with
// the signs that tell them apart without colour. Also the signs of the
// kinds of level on the level window's buttons.
#pragma once

#include <QColor>
#include <QRectF>

#include <cstdint>

#include "ui/Paleta.h"

class QPainter;

namespace tumbla::ui {

// Paints picture `id` (1..27, the numbering of the screen model) over
// `celda`. Id 0 and unknown ids paint nothing. Blocks fill the whole cell;
// drops, flowers and the pot leave their corners to the background.
void PintarImagen(QPainter& p, const QRectF& celda, int id, const Paleta& paleta);

// The colour of the flat middle of a block picture (1..8 and 21); an
// invalid colour for pictures without a flat face.
QColor ColorCara(int id, const Paleta& paleta);

// The sign of a kind of level (0..4: CLA, GOT, ROT, JUN, POD) or a padlock
// (kSignoCerrado: a level beyond the open ones), in `tinta` over `sitio`.
constexpr int kSignoCerrado = -1;
void PintarSignoNivel(QPainter& p, const QRectF& sitio, int tipo, const QColor& tinta);

}  // namespace tumbla::ui
