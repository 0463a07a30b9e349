#include "game/Tablero.h"

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

int Tablero::Ocupadas(int base) const {
  int n = 0;
  for (int c = 0; c < kAncho; ++c) n += Ocupada(base + c);
  return n;
}

Tablero::Quitada Tablero::QuitarFila(int base, int ultimaFila, bool conGotas) {
  Quitada q;
  const int removida = Fila(base);
  for (int col = 1; col <= kLado; ++col) {
    for (int r = removida; r >= ultimaFila; --r) {
      const int j = CeldaDe(r, col);
      const int antes = (*this)[j];
      if (!conGotas && EsGota(antes)) continue;  // a drop keeps its place
      const int16_t v = (*this)[j - kAncho];
      if (EsPlanta(antes)) ++q.plantaPisada;
      Poner(j, v);
      if (EsGota(v)) {
        Poner(j - kAncho, kLibre);  // a drop is never duplicated
        if (v == kGotaAzul) ++q.gotaAzulBajada;
      }
    }
    if (ultimaFila == 1) {
      if (EsPlanta((*this)[col])) ++q.plantaPisada;
      Poner(col, kLibre);
    }
  }
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
    int ocupadas = 0;
    for (int i = c; i >= c - 130; i -= kAncho) ocupadas += Ocupada(i);
    if (ocupadas != kLado) continue;
    for (int i = c; i >= c - 130; i -= kAncho) {
      const int v = (*this)[i];
      if (v >= 1 && v <= kMuro) Poner(i, kMuro);
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
      if (Ocupada(CeldaDe(fila, col))) return true;
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
