// The piece catalogue and the falling piece.
#include <gtest/gtest.h>

#include "Escena.h"

namespace tumbla {
namespace {

TEST(Catalogo, tokensDecodeOnBoardAndPreview) {
  // The two-row diagonals move one column sideways only.
  EXPECT_EQ(Catalogo::DecodificarToken("UR2", true), -25);
  EXPECT_EQ(Catalogo::DecodificarToken("UR2", false), -9);
  EXPECT_EQ(Catalogo::DecodificarToken("DL2", true), 25);
  EXPECT_EQ(Catalogo::DecodificarToken("DL2", false), 9);
}

}  // namespace
}  // namespace tumbla
