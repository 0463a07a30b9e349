// Picture ids: 1..21 are the block pictures, one per cell value (the same
// numbers as the cells); the rest are the side panel's icons.
#pragma once

#include <cstdint>

namespace tumbla {

enum Imagen : int8_t {
  kSinImagen = 0,
  kImagenTorpedo = 21,
  kIconLineas = 22,
  kIconPanic = 23,
  kIconSuperPanic = 24,
  kIconBloquesExtra = 25,
  kIconBorrarCada = 26,
  kIconSubirNivel = 27,
};
constexpr int kNumImagenes = 28;

}  // namespace tumbla
