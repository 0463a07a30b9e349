// Turning the square board (rows 13..23, columns 1..11) a quarter turn with
// the keys 3 and 4.
#include <array>

#include "game/Juego.h"
#include "game/FichaActiva.h"

namespace tumbla {

namespace {

constexpr int kLado = 11;
constexpr int kEsquinaSuperior = 170;  // top-left cell of the square
constexpr int kBaseCuadradoInferior = 300;
// The falling piece may not have reached the square's top row (row 13).
constexpr int kCeldaMasBajaGiro = 167;

int CeldaCuadrado(int fila, int columna) {
  return kEsquinaSuperior + kAncho * fila + columna;
}

}  // namespace

bool Juego::PuedeGirarTablero() const {
  return e_.Jugando && !e_.Pausado && ModoCuadrado(e_) && e_.CeldaMasBaja <= kCeldaMasBajaGiro &&
         !e_.GotaCayendo;
}

void Juego::GirarTablero(bool antihorario) {
  // The square is read column by column and written back row by row from
  // the bottom: counter-clockwise the left column becomes the bottom row,
  // clockwise the right column read upwards does.
  std::array<int16_t, kLado * kLado> lista{};
  size_t n = 0;
  if (antihorario) {
    for (int columna = 0; columna < kLado; ++columna) {
      for (int fila = 0; fila < kLado; ++fila) lista[n++] = e_.tablero[CeldaCuadrado(fila, columna)];
    }
  } else {
    for (int columna = kLado - 1; columna >= 0; --columna) {
      for (int fila = kLado - 1; fila >= 0; --fila) lista[n++] = e_.tablero[CeldaCuadrado(fila, columna)];
    }
  }

  n = 0;
  for (int base = kBaseCuadradoInferior; base >= kEsquinaSuperior; base -= kAncho) {
    for (int columna = 0; columna < kLado; ++columna) {
      const int i = base + columna;
      const int16_t v = lista[n++];
      EscribirCelda(i, v);
      if (v == kGotaAzul) e_.CeldaGota = static_cast<int16_t>(i);
    }
  }
  // The piece is above the square while a turn is allowed; drawn again all
  // the same, so no turn can ever hide it.
  RepintarFichaActiva(*this);

  Sonar(sonido::kGiroTablero);
  // Rows the turn completed go, and columns it filled turn solid.
  PasadaTrasAterrizaje(false);
}

}  // namespace tumbla
