// The piece catalogue: 83 rows of colour, next orientation and up to five
// direction tokens, the token decoder and the spawn list.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tumbla {

constexpr int kFilasCatalogo = 83;
constexpr int kFichaTorpedo = 82;

// The 83 rows exactly as written: colour/next/t1/t2/t3/t4/t5.
extern const std::array<const char*, kFilasCatalogo> kTextosFichas;

// Entries 1..25 of the spawn list, two digits each.
extern const char* const kListaEntrada;

class Catalogo {
 public:
  Catalogo();  // splits the 83 strings into their seven fields
  // The built-in catalogue, built once and only read afterwards.
  static const Catalogo& Comun() {
    static const Catalogo catalogo;
    return catalogo;
  }

  const std::string& Campo(int fila, int campo) const { return fichas_[fila][campo]; }
  int Color(int fila) const { return colores_[fila]; }
  int Siguiente(int fila) const { return siguientes_[fila]; }
  // The turn the other way: the row whose next orientation this one is.
  int Anterior(int fila) const { return anteriores_[fila]; }
  // Board offset (width 13) of cell k (1-based) of a row, decoded once.
  int Desplazamiento(int fila, int k) const { return desplazamientos_[fila][k - 1]; }

  // 5 cells for rows below 63, 4 otherwise.
  static int NumCeldas(int fila) { return fila < 63 ? 5 : 4; }
  // Offset of a token on the board (width 13) or in the 5-wide preview.
  static int DecodificarToken(std::string_view token, bool enTablero);
  // Row number of spawn-list entry n (1..25).
  static int EntradaLista(int n);

 private:
  std::array<std::array<std::string, 7>, kFilasCatalogo> fichas_;
  std::array<int, kFilasCatalogo> colores_{};
  std::array<int, kFilasCatalogo> siguientes_{};
  std::array<int, kFilasCatalogo> anteriores_{};
  std::array<std::array<int, 5>, kFilasCatalogo> desplazamientos_{};
};

}  // namespace tumbla
