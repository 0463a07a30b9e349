// PODATOR: a plant grows from its pot one cell per landed piece, up or
// sideways, steering away from pockets where it would get stuck; a flower
// that cannot grow turns yellow, then red, and a red one climbs straight up
// through the blocks above it. A row that cuts the stem takes everything
// above the cut; the plant grows again from there. The tip reaching the top
// row, or anything left above the square after a landing, loses; clearing
// the pot's row wins, within two and a half minutes.
#include <algorithm>
#include <array>

#include "game/Pasos.h"
#include "modes/Grupos.h"

namespace tumbla {

namespace {

// Results of the step choice besides a target cell.
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


class Podator : public ReglasGrupo {
 public:
  Modo modo() const override { return Modo::Podator; }
  const char* NombreModo() const override { return "ModoPodator"; }
  bool Desborda() const override { return true; }
  int SegundosReloj() const override { return 150; }
  ObjetivoVisible Objetivo(const Mesa& m) const override {
    return {{static_cast<Imagen>(kMaceta), kSinImagen}, m.objetivoAlcanzado ? "x0" : "x1"};
  }
  // The record's first cell is the pot, with the white flower right above.
  bool Preparar(Mesa& m, const std::vector<int>& celdas, int, int) const override {
    for (size_t k = 0; k < celdas.size(); ++k) {
      const int c = celdas[k];
      if (k > 0) {
        m.tablero.Poner(c, kMuro);
        continue;
      }
      m.tablero.Poner(c, kMaceta);
      m.tablero.Poner(c - kAncho, kFlorBlanca);
      m.planta = {static_cast<int16_t>(c), static_cast<int16_t>(c - kAncho)};
      m.celdaGota = static_cast<int16_t>(c - kAncho);
      m.direccionPlanta = 0;
    }
    return false;
  }
  // The pot went with the row that completed the cycle.
  bool CumplidoAlQuitar(const FilaLlena& ultima) const override { return ultima.conMaceta; }
  void TrasQuitar(Mesa& m, int limite, bool cortada) const override {
    if (cortada && limite > 0) Podar(m, limite);
  }
  // The plant grows after every landing and brings in the next piece itself.
  bool AntesDeFicha(Mesa& m, Azar& azar, Suceso& s) const override {
    Crecer(m, azar, s);
    return false;
  }

 private:
  static void Crecer(Mesa& m, Azar& azar, Suceso& s);
  static int ElegirPaso(Mesa& m, Azar& azar);
  static int ElegirDireccion(const Mesa& m, Azar& azar);
  static void Podar(Mesa& m, int limite);
};

void Podator::Crecer(Mesa& m, Azar& azar, Suceso& s) {
  const int c = m.celdaGota;
  // A plant whose flower is gone does not grow.
  const bool conFlor = c >= kAncho && c < kCeldas && EsFlor(m.tablero[c]);
  const int paso = conFlor ? ElegirPaso(m, azar) : kSinPaso;
  if (paso == kVolverAmarilla) {
    m.tablero.Poner(c, kFlorAmarilla);
  } else if (paso == kVolverRoja) {
    m.tablero.Poner(c, kFlorRoja);
  } else if (paso >= 0 && paso < kCeldas && paso != c) {
    int16_t direccion = 0;
    m.tablero.Poner(c, Tallo(m.direccionPlanta, paso - c, direccion));
    m.direccionPlanta = direccion;
    m.celdaGota = static_cast<int16_t>(paso);
    m.planta.push_back(static_cast<int16_t>(paso));
    m.tablero.Poner(paso, kFlorBlanca);
  }
  // The flower reached the top row.
  if (m.celdaGota < kAncho) {
    s.derrota = Derrota::Planta;
    return;
  }
  // The new plant cell may complete a row.
  Pasada(m, azar, false, s);
  if (!s.Termina()) Entrar(m, azar);
}

int Podator::ElegirPaso(Mesa& m, Azar& azar) {
  const int c = m.celdaGota;
  auto libre = [&](int i) { return i >= 0 && i < kCeldas && m.tablero[i] == kLibre; };
  if (libre(c - 1) || libre(c + 1) || libre(c - kAncho)) return ElegirDireccion(m, azar);
  switch (m.tablero[c]) {
    case kFlorBlanca:
      return kVolverAmarilla;
    case kFlorAmarilla:
      return kVolverRoja;
    case kFlorRoja:
      // The red flower climbs to the first free cell above it, turning every
      // block on the way into stem. A column filled to the top row takes it
      // into the top row of its own column, which loses the level.
      for (int k = c - kAncho; k >= 0; k -= kAncho) {
        if (m.tablero[k] == kLibre || k < kAncho) return k;
        m.tablero.Poner(k, kTalloVertical);
        m.planta.push_back(static_cast<int16_t>(k));
      }
      return kSinPaso;
    default:
      return kSinPaso;
  }
}

int Podator::ElegirDireccion(const Mesa& m, Azar& azar) {
  const int c = m.celdaGota;
  Mapa mapa(m.tablero);
  do {
    MarcarCallejones(mapa, c);
  } while (MarcarBolsas(mapa, c));

  const int arriba = c - kAncho;
  if (mapa[arriba] == 0) return arriba;
  auto lado = [&] { return azar.Sortear(Sorteo::Lado, 2) == 0 ? 1 : -1; };
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

void Podator::Podar(Mesa& m, int limite) {
  // Everything of the plant above the cut goes.
  limite = std::min(limite, kCeldas - 1);
  for (int i = 0; i <= limite; ++i) {
    if (EsPlanta(m.tablero[i])) m.tablero.Poner(i, kLibre);
  }
  // It grows again from the first cell it lost: the last cell of the list
  // still holding plant or pot is followed by the new white flower.
  auto& planta = m.planta;
  for (int n = static_cast<int>(planta.size()) - 1; n >= 0; --n) {
    const int v = m.tablero[planta[static_cast<size_t>(n)]];
    if (v < kMaceta || v > kTalloAbajoIzquierda) continue;
    if (static_cast<size_t>(n) + 1 < planta.size()) {
      const int16_t flor = planta[static_cast<size_t>(n) + 1];
      m.tablero.Poner(flor, kFlorBlanca);
      m.celdaGota = flor;
      m.direccionPlanta = 0;
      planta.resize(static_cast<size_t>(n) + 2);
    }
    return;
  }
}

}  // namespace

const ReglasGrupo& ReglasPodator() {
  static const Podator reglas;
  return reglas;
}

}  // namespace tumbla
