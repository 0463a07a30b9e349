#include "game/Tablero.h"

#include <algorithm>
#include <cstring>

namespace tumbla {

namespace {

constexpr int kLado = 11;              // the square's side
constexpr int kEsquinaCuadrado = 170;  // its top-left cell
constexpr int kFilasJuego = 24;        // rows 0..23

int CeldaDe(int fila, int columna) { return fila * kAncho + columna; }

}  // namespace

void Tablero::Amurallar() {
  for (int i = 0; i < kCeldas; ++i) Poner(i, EsMuroExterior(i) ? kMuro : kLibre);
}

void Tablero::Recontar(int desde, int hasta) {
  for (int fila = desde; fila <= hasta; ++fila) {
    int n = 0;
    for (int c = 0; c < kAncho; ++c) n += celdas_[static_cast<size_t>(CeldaDe(fila, c))] >= 1;
    ocupadas_[static_cast<size_t>(fila)] = static_cast<int8_t>(n);
  }
}

Tablero::Quitada Tablero::QuitarFila(int base, int ultimaFila, bool conGotas) {
  const int removida = Fila(base);
  if (base < 0 || base >= kCeldas || ultimaFila < 1) IndiceFueraDeRango(base, "removed row");
  Quitada q;
  auto celda = [this](int i) -> int16_t& { return celdas_[static_cast<size_t>(i)]; };
  // With no drop or plant among the rows that move, they simply move down
  // a row, walls and all.
  bool especial = false;
  for (int i = (ultimaFila - 1) * kAncho; i < (removida + 1) * kAncho; ++i) {
    especial |= celda(i) >= kGotaRosa && celda(i) <= kTalloAbajoIzquierda;
  }
  if (!especial) {
    std::memmove(&celda(ultimaFila * kAncho), &celda((ultimaFila - 1) * kAncho),
                 sizeof(int16_t) * static_cast<size_t>((removida - ultimaFila + 1) * kAncho));
    if (ultimaFila == 1) std::fill(&celda(1), &celda(kAncho - 1), kLibre);
    Recontar(ultimaFila - 1, removida);
    return q;
  }
  for (int col = 1; col <= kLado; ++col) {
    for (int r = removida; r >= ultimaFila; --r) {
      const int j = CeldaDe(r, col);
      const int antes = celda(j);
      if (!conGotas && EsGota(antes)) continue;  // a drop keeps its place
      const int16_t v = celda(j - kAncho);
      if (EsPlanta(antes)) ++q.plantaPisada;
      celda(j) = v;
      if (EsGota(v)) {
        celda(j - kAncho) = kLibre;  // a drop is never duplicated
        if (v == kGotaAzul) ++q.gotaAzulBajada;
      }
    }
    if (ultimaFila == 1) {
      if (EsPlanta(celda(col))) ++q.plantaPisada;
      celda(col) = kLibre;
    }
  }
  Recontar(ultimaFila - 1, removida);
  return q;
}

int Tablero::GirarCuadrado(bool antihorario) {
  // Read column by column, written back row by row from the bottom:
  // counter-clockwise the left column becomes the bottom row, clockwise the
  // right column read upwards does.
  std::array<int16_t, kLado * kLado> lista{};
  size_t n = 0;
  auto celda = [](int fila, int columna) { return kEsquinaCuadrado + kAncho * fila + columna; };
  if (antihorario) {
    for (int columna = 0; columna < kLado; ++columna) {
      for (int fila = 0; fila < kLado; ++fila) lista[n++] = (*this)[celda(fila, columna)];
    }
  } else {
    for (int columna = kLado - 1; columna >= 0; --columna) {
      for (int fila = kLado - 1; fila >= 0; --fila) lista[n++] = (*this)[celda(fila, columna)];
    }
  }
  int gota = -1;
  n = 0;
  for (int base = kBaseFilaInferior + 1; base >= kEsquinaCuadrado; base -= kAncho) {
    for (int columna = 0; columna < kLado; ++columna) {
      const int16_t v = lista[n++];
      Poner(base + columna, v);
      if (v == kGotaAzul) gota = base + columna;
    }
  }
  return gota;
}

void Tablero::SolidificarColumnas() {
  for (int c = kBaseFilaInferior + 1; c <= kBaseFilaInferior + kLado; ++c) {
    bool llena = true;
    for (int i = c; i >= c - 130 && llena; i -= kAncho) llena = celdas_[static_cast<size_t>(i)] >= 1;
    if (!llena) continue;
    for (int i = c; i >= c - 130; i -= kAncho) {
      int16_t& v = celdas_[static_cast<size_t>(i)];
      if (v >= 1 && v <= kMuro) v = kMuro;
    }
  }
}

void Tablero::RotarColumnas(const std::array<int, 11>& orden) {
  std::array<int16_t, kFilasJuego> guardada{};
  for (int fila = 0; fila < kFilasJuego; ++fila) {
    guardada[static_cast<size_t>(fila)] = (*this)[CeldaDe(fila, orden[0] + 1)];
  }
  for (int k = 1; k < kLado; ++k) {
    const int destino = orden[static_cast<size_t>(k - 1)] + 1;
    const int origen = orden[static_cast<size_t>(k)] + 1;
    for (int fila = kFilasJuego - 1; fila >= 0; --fila) Poner(CeldaDe(fila, destino), (*this)[CeldaDe(fila, origen)]);
  }
  const int ultima = orden[kLado - 1] + 1;
  for (int fila = kFilasJuego - 1; fila >= 0; --fila) Poner(CeldaDe(fila, ultima), guardada[static_cast<size_t>(fila)]);
}

void Tablero::Subir() {
  for (int fila = 0; fila < kFilasJuego - 1; ++fila) {
    for (int col = 1; col <= kLado; ++col) Poner(CeldaDe(fila, col), (*this)[CeldaDe(fila + 1, col)]);
  }
  for (int col = 1; col <= kLado; ++col) Poner(CeldaDe(kFilasJuego - 1, col), kLibre);
}

bool Tablero::OcupadoSobreCuadrado() const {
  for (int fila = kFilaCuadrado - 1; fila >= 0; --fila) {
    for (int col = kLado; col >= 1; --col) {
      if (celdas_[static_cast<size_t>(CeldaDe(fila, col))] >= 1) return true;
    }
  }
  return false;
}

int Tablero::Neutros() const {
  int n = 0;
  for (int i = 0; i < kBaseFilaInferior + kAncho; ++i) {
    if (Columna(i) != 0 && Columna(i) != kAncho - 1 && (*this)[i] == kMuro) ++n;
  }
  return n;
}

}  // namespace tumbla
