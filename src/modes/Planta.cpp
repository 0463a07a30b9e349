// The plant of the PODATOR levels: it grows one cell per landing from its pot,
// up or sideways and away from pockets where it would get stuck; a flower
// that cannot grow turns yellow, then red, and a red one climbs straight up
// through the blocks above it. Rows that cut it are handled by the row
// removal, which calls PodarPlanta to take away what was cut off.
#include <algorithm>
#include <array>

#include "game/Juego.h"

namespace tumbla {

namespace {

// Results of ElegirPasoPlanta besides a target cell.
constexpr int kVolverAmarilla = -1;
constexpr int kVolverRoja = -2;
constexpr int kSinPaso = -3;

bool EsFlor(int v) { return v >= kFlorBlanca && v <= kFlorRoja; }

// Stem piece left at the old tip, from the last step's direction and this
// step; also gives the new direction.
int16_t Tallo(int direccionAnterior, int paso, int16_t& direccion) {
  const bool lateral = paso == -1 || paso == 1;
  if (direccionAnterior == 0) {
    if (paso == -1) {
      direccion = -1;
      return kTalloAbajoIzquierda;
    }
    if (paso == 1) {
      direccion = 1;
      return kTalloAbajoDerecha;
    }
    direccion = 0;
    return kTalloVertical;
  }
  if (lateral) {
    direccion = static_cast<int16_t>(paso);
    return kTalloHorizontal;
  }
  direccion = 0;
  return direccionAnterior < 0 ? kTalloDerechaArriba : kTalloIzquierdaArriba;
}

// The work map of the direction choice: 2 an occupied cell, 1 a free cell
// the plant should keep out of, 0 a good one. Outside the board reads as
// occupied.
class Mapa {
 public:
  explicit Mapa(const Tablero& t) {
    for (int i = 0; i < kCeldas; ++i) m_[static_cast<size_t>(i)] = t.Ocupada(i) ? 2 : 0;
  }
  int operator[](int i) const {
    return i >= 0 && i < kCeldas ? m_[static_cast<size_t>(i)] : 2;
  }
  bool Bloqueada(int i) const { return (*this)[i] >= 1; }
  // True when the entry changed.
  bool Marcar(int i) {
    if (i < 0 || i >= kCeldas || m_[static_cast<size_t>(i)] == 1) return false;
    m_[static_cast<size_t>(i)] = 1;
    return true;
  }

 private:
  std::array<int16_t, kCeldas> m_{};
};

// Marks free cells with more than two blocked sides, until none is left.
// A side holding the tip counts only where the tip could not go on anyway.
void MarcarCallejones(Mapa& mapa, int c) {
  const int hasta = std::min(c + kAncho, kCeldas - 1);
  bool marcado = true;
  while (marcado) {
    marcado = false;
    for (int i = kAncho; i <= hasta; ++i) {
      if (mapa[i] != 0) continue;
      int lados = 0;
      if (mapa.Bloqueada(i - 1)) {
        if (i - 1 != c || (mapa.Bloqueada(i + 1) && mapa.Bloqueada(i - kAncho))) ++lados;
      }
      if (mapa.Bloqueada(i + 1)) {
        if (i + 1 != c || (mapa.Bloqueada(i - 1) && mapa.Bloqueada(i - kAncho))) ++lados;
      }
      if (mapa.Bloqueada(i - kAncho) && i - kAncho != c) ++lados;
      if (mapa.Bloqueada(i + kAncho) && i + kAncho != c) ++lados;
      if (lados > 2) marcado |= mapa.Marcar(i);
    }
  }
}

// Marks runs of free cells closed at both ends under a ceiling, or above a
// floor. Returns true when it marked anything.
bool MarcarBolsas(Mapa& mapa, int c) {
  bool marcado = false;
  auto marcarTramo = [&](int desde, int hasta) {
    for (int k = desde; k <= hasta; ++k) marcado |= mapa.Marcar(k);
  };
  for (int r = kAncho; r <= c + kAncho && r < kCeldas; r += kAncho) {
    int inicio = -1;
    for (int i = r + 1; i <= r + 11; ++i) {
      if (mapa[i] != 0) continue;
      if (mapa.Bloqueada(i - 1) && mapa.Bloqueada(i - kAncho)) {
        inicio = i;
      } else if (!mapa.Bloqueada(i - kAncho)) {
        inicio = -1;
      } else if (mapa.Bloqueada(i + 1) && inicio >= 0) {
        marcarTramo(inicio, i);
      }
    }
    inicio = -1;
    for (int i = r + 1; i <= r + 11 && i < kBaseFilaInferior + 1; ++i) {
      if (mapa[i] != 0) continue;
      const int debajo = i + kAncho;
      if (mapa.Bloqueada(i - 1) && mapa.Bloqueada(debajo) && debajo != c) {
        inicio = i;
      } else if (!mapa.Bloqueada(debajo)) {
        inicio = -1;
      } else if (mapa.Bloqueada(i + 1) && debajo != c && inicio >= 0) {
        marcarTramo(inicio, i);
      }
    }
  }
  return marcado;
}

}  // namespace

void Juego::PasoPlanta() {
  const uint32_t gen = generacion_;
  const int c = e_.CeldaGota;
  // A plant whose flower is gone does not grow.
  const bool conFlor = c >= kAncho && c < kCeldas && EsFlor(e_.tablero[c]);
  const int paso = conFlor ? ElegirPasoPlanta() : kSinPaso;

  if (paso == kVolverAmarilla) {
    EscribirCelda(c, kFlorAmarilla);
  } else if (paso == kVolverRoja) {
    EscribirCelda(c, kFlorRoja);
  } else if (paso >= 0 && paso < kCeldas && paso != c) {
    int16_t direccion = 0;
    EscribirCelda(c, Tallo(e_.DireccionPlanta, paso - c, direccion));
    e_.DireccionPlanta = direccion;
    e_.CeldaGota = static_cast<int16_t>(paso);
    e_.Planta.push_back(static_cast<int16_t>(paso));
    EscribirCelda(paso, kFlorBlanca);
  }

  // The flower reached the top row.
  if (e_.CeldaGota < kAncho) {
    FinPartida(1);
    return;
  }
  // The new plant cell may complete a row.
  if (!PasadaTrasAterrizaje(false) || gen != generacion_) return;
  EntrarFicha();
}

int Juego::ElegirPasoPlanta() {
  const int c = e_.CeldaGota;
  auto libre = [&](int i) { return i >= 0 && i < kCeldas && e_.tablero[i] == kLibre; };
  if (libre(c - 1) || libre(c + 1) || libre(c - kAncho)) return ElegirDireccionPlanta();

  switch (e_.tablero[c]) {
    case kFlorBlanca:
      return kVolverAmarilla;
    case kFlorAmarilla:
      return kVolverRoja;
    case kFlorRoja:
      // The red flower climbs to the first free cell above it, turning every
      // block on the way into stem. A column filled to the top row takes it
      // into the top row of its own column, which loses the level.
      for (int k = c - kAncho; k >= 0; k -= kAncho) {
        if (e_.tablero[k] == kLibre || k < kAncho) return k;
        EscribirCelda(k, kTalloVertical);
        e_.Planta.push_back(static_cast<int16_t>(k));
      }
      return kSinPaso;
    default:
      return kSinPaso;
  }
}

int Juego::ElegirDireccionPlanta() {
  const int c = e_.CeldaGota;
  Mapa mapa(e_.tablero);
  do {
    MarcarCallejones(mapa, c);
  } while (MarcarBolsas(mapa, c));

  const int arriba = c - kAncho;
  if (mapa[arriba] == 0) return arriba;
  auto lado = [&] { return plataforma_.aleatorio(Sorteo::Lado, 2) == 0 ? 1 : -1; };
  int d = lado();
  if (mapa[c + d] == 0) return c + d;
  if (mapa[c - d] == 0) return c - d;
  // Nothing good: a free cell, even one that leads nowhere, before the tip itself.
  if (mapa[arriba] < 2) return arriba;
  d = lado();
  if (mapa[c + d] < 2) return c + d;
  if (mapa[c - d] < 2) return c - d;
  return c;
}

void Juego::PodarPlanta(int limite) {
  // Everything of the plant above the cut goes.
  limite = std::min(limite, kCeldas - 1);
  for (int i = 0; i <= limite; ++i) {
    if (EsPlanta(e_.tablero[i])) EscribirCelda(i, kLibre);
  }
  // It grows again from the first cell it lost: the last cell of the list
  // still holding plant or pot is followed by the new white flower.
  auto& planta = e_.Planta;
  for (int n = static_cast<int>(planta.size()) - 1; n >= 0; --n) {
    const int v = e_.tablero[planta[static_cast<size_t>(n)]];
    if (v < kMaceta || v > kTalloAbajoIzquierda) continue;
    if (static_cast<size_t>(n) + 1 < planta.size()) {
      const int16_t flor = planta[static_cast<size_t>(n) + 1];
      EscribirCelda(flor, kFlorBlanca);
      e_.CeldaGota = flor;
      e_.DireccionPlanta = 0;
      planta.resize(static_cast<size_t>(n) + 2);
    }
    return;
  }
}

}  // namespace tumbla
