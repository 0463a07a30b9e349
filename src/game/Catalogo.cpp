// The piece catalogue and its decoder.
#include "game/Catalogo.h"

#include <charconv>

namespace tumbla {

// Rows 0..62 are the 18 pentominoes in every orientation, 63..81 the seven
// tetrominoes, 82 the torpedo.
const std::array<const char*, kFilasCatalogo> kTextosFichas = {
    "4/1/U2/U1/0/D1/D2",
    "4/0/L2/L1/0/R1/R2",
    "3/3/UR2/U2/U1/0/D1",
    "3/4/UL1/L1/0/R1/R2",
    "3/5/U2/U1/0/DL1/D1",
    "3/2/L2/L1/0/R1/DR1",
    "2/7/UL2/U2/U1/0/D1",
    "2/8/DL1/L1/0/R1/R2",
    "2/9/U2/U1/0/D1/DR1",
    "2/6/L2/L1/0/R1/UR1",
    "1/10/U1/L1/0/R1/D1",
    "7/12/U2/UL1/U1/0/D1",
    "7/13/L1/0/R1/R2/D1",
    "7/14/U2/U1/0/D1/R1",
    "7/11/U1/L2/L1/0/R1",
    "6/16/U2/U1/UR1/0/D1",
    "6/17/U1/L1/0/R1/R2",
    "6/18/U2/U1/L1/0/D1",
    "6/15/L2/L1/0/R1/D1",
    "5/20/UR1/0/R1/D1/DR1",
    "5/21/UL1/U1/UR1/0/R1",
    "5/22/UL1/U1/L1/0/DL1",
    "5/19/L1/0/DL1/D1/DR1",
    "4/24/UL1/L1/0/DL1/D1",
    "4/25/0/R1/DL1/D1/DR1",
    "4/26/U1/UR1/0/R1/DR1",
    "4/23/UL1/U1/UR1/L1/0",
    "3/28/U1/UR1/0/DL1/D1",
    "3/27/UL1/L1/0/R1/DR1",
    "2/30/UL1/U1/0/D1/DR1",
    "2/29/UR1/L1/0/R1/DL1",
    "1/32/U1/UR1/L1/0/D1",
    "1/33/UL1/L1/0/R1/D1",
    "1/34/U1/0/R1/DL1/D1",
    "1/31/U1/L1/0/R1/DR1",
    "7/36/UL1/U1/0/R1/D1",
    "7/37/U1/L1/0/R1/DL1",
    "7/38/U1/L1/0/D1/DR1",
    "7/35/UR1/L1/0/R1/D1",
    "6/40/UL1/U1/0/R1/DR1",
    "6/41/U1/UR1/L1/0/DL1",
    "6/42/UL1/L1/0/D1/DR1",
    "6/39/UR1/0/R1/DL1/D1",
    "5/44/UL1/U1/UR1/0/D1",
    "5/45/UL1/L1/0/R1/DL1",
    "5/46/U1/0/DL1/D1/DR1",
    "5/43/UR1/L1/0/R1/DR1",
    "4/48/UL1/U1/UR1/L1/DL1",
    "4/49/UL1/L1/DL1/D1/DR1",
    "4/50/UR1/R1/DL1/D1/DR1",
    "4/47/UL1/U1/UR1/R1/DR1",
    "3/52/UL1/U1/L1/DL1/D1",
    "3/53/L1/R1/DL1/D1/DR1",
    "3/54/U1/UR1/R1/D1/DR1",
    "3/51/UL1/U1/UR1/L1/R1",
    "2/56/UR2/U1/UR1/0/D1",
    "2/57/UL1/U1/0/R1/R2",
    "2/58/U2/U1/L1/0/DL1",
    "2/55/L2/L1/0/D1/DR1",
    "1/60/UL2/UL1/U1/0/D1",
    "1/61/0/R1/R2/DL1/D1",
    "1/62/U2/U1/0/R1/DR1",
    "1/59/U1/UR1/L2/L1/0",
    "7/64/U2/U1/0/D1/",
    "7/63/L2/L1/0/R1/",
    "6/66/UR1/U1/0/D1/",
    "6/67/UL1/L1/0/R1/",
    "6/68/U1/0/D1/DL1/",
    "6/65/L1/0/R1/DR1/",
    "5/70/UL1/U1/0/D1/",
    "5/71/DL1/L1/0/R1/",
    "5/72/U1/0/D1/DR1/",
    "5/69/L1/0/R1/UR1/",
    "4/74/U1/0/R1/DR1/",
    "4/73/U1/UR1/L1/0/",
    "3/76/U1/L1/0/DL1/",
    "3/75/UL1/U1/0/R1/",
    "2/77/UL1/U1/L1/0/",
    "1/79/U1/L1/0/R1/",
    "1/80/U1/L1/0/D1/",
    "1/81/L1/0/R1/D1/",
    "1/78/U1/0/R1/D1/",
    "21/82/0/0/0/0/",
};

const char* const kListaEntrada = "01030910141620262830313540434852566264667274767778";

namespace {

std::array<std::string, 7> Partir(std::string_view s) {
  std::array<std::string, 7> campos;
  size_t campo = 0;
  for (char c : s) {
    if (c == '/') {
      if (++campo >= campos.size()) break;
    } else {
      campos[campo] += c;
    }
  }
  return campos;
}

int Numero(std::string_view s) {
  int v = 0;
  std::from_chars(s.data(), s.data() + s.size(), v);
  return v;
}

}  // namespace

Catalogo::Catalogo() {
  for (int r = 0; r < kFilasCatalogo; ++r) {
    fichas_[r] = Partir(kTextosFichas[r]);
    colores_[r] = Numero(fichas_[r][0]);
    siguientes_[r] = Numero(fichas_[r][1]);
    for (int k = 1; k <= NumCeldas(r); ++k) {
      desplazamientos_[r][k - 1] = DecodificarToken(fichas_[r][k + 1], true);
    }
  }
  // Every row is the next orientation of exactly one row of its kind.
  for (int r = 0; r < kFilasCatalogo; ++r) anteriores_[siguientes_[r]] = r;
}

int Catalogo::DecodificarToken(std::string_view t, bool enTablero) {
  const int w = enTablero ? 13 : 5;
  // Note the two-row diagonals move only one column sideways.
  if (t == "UL2") return -2 * w - 1;
  if (t == "U2") return -2 * w;
  if (t == "UR2") return -2 * w + 1;
  if (t == "UL1") return -w - 1;
  if (t == "U1") return -w;
  if (t == "UR1") return -w + 1;
  if (t == "L2") return -2;
  if (t == "L1") return -1;
  if (t == "0") return 0;
  if (t == "R1") return 1;
  if (t == "R2") return 2;
  if (t == "DL1") return w - 1;
  if (t == "D1") return w;
  if (t == "DR1") return w + 1;
  if (t == "DL2") return 2 * w - 1;
  if (t == "D2") return 2 * w;
  if (t == "DR2") return 2 * w + 1;
  // Anything else is a plain decimal offset.
  int v = 0;
  const char* b = t.data();
  const char* e = t.data() + t.size();
  if (b != e && *b == '+') ++b;
  std::from_chars(b, e, v);
  return v;
}

int Catalogo::EntradaLista(int n) {
  return (kListaEntrada[2 * n - 2] - '0') * 10 + (kListaEntrada[2 * n - 1] - '0');
}

}  // namespace tumbla
