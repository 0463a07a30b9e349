// The game's pictures, drawn as vector art so they stay sharp at any size:
// the 21 block pictures (one per cell value) and the six side-panel icons.
#pragma once

#include <QColor>
#include <QRectF>

#include <cstdint>

class QPainter;

namespace tumbla::ui {

// Paints picture `id` (1..27, the numbering of the screen model) over
// `celda`. Id 0 and unknown ids paint nothing. Blocks fill the whole cell;
// drops, flowers and the pot leave their corners to the background.
void PintarImagen(QPainter& p, const QRectF& celda, int id);

// The colour of the flat middle of a block picture (1..8 and 21); an
// invalid colour for pictures without a flat face.
QColor ColorCara(int id);

// The game's colours are 0x00BBGGRR.
QColor ColorBgr(uint32_t bgr);

}  // namespace tumbla::ui
