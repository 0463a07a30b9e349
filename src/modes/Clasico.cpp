// CLASIC: clear the record's rows, against the handicaps the record arms:
// extra blocks on a timer, rows that only go together (the play loop's
// count), the board rising every few rows, and in Panic and Superpanic the
// columns shifted or shuffled after every landing.
#include <algorithm>
#include <array>

#include "game/Partida.h"
#include "modes/ReglasGrupo.h"

namespace tumbla {

namespace {

constexpr int kColumnas = 11;

class Clasico : public ReglasGrupo {
 public:
  Modo modo() const override { return Modo::Clasico; }
  const char* NombreModo() const override { return "ModoClasico"; }
  bool ObjetivoLineas() const override { return true; }
  bool GanaTorpedos() const override { return false; }
  ObjetivoVisible Objetivo(const Estado& e) const override {
    return {{kIconLineas, kSinImagen}, "x" + std::to_string(e.LineasRestantes)};
  }

  // The rising board: every few removed rows the stack owes a step up,
  // taken at the end of the play tick.
  void FilaQuitada(Partida& p) const override {
    Estado& e = p.e;
    if (e.IntervaloSubida <= 0) return;
    e.ContadorSubida = static_cast<int16_t>(e.ContadorSubida - 1);
    if (e.ContadorSubida <= 0) {
      e.TurnosPendientes = static_cast<int16_t>(e.TurnosPendientes + 1);
      e.ContadorSubida = e.IntervaloSubida;
    }
  }
  void TrasGravedad(Partida& p) const override {
    for (; p.e.TurnosPendientes > 0; --p.e.TurnosPendientes) p.e.tablero.Subir();
  }

  void TickBloqueExtra(Partida& p) const override;
};

void Clasico::TickBloqueExtra(Partida& p) const {
  Estado& e = p.e;
  e.EnBloqueExtra = true;
  // A column takes a block on the cell above its first block, unless the
  // column is filled to the top row, the falling piece covers that cell, or
  // the block would complete its row. The draw picks among those left.
  std::array<int, kColumnas> candidatas{};
  int m = 0;
  for (int col = 1; col <= kColumnas; ++col) {
    int k = col;
    while (k < kCeldas && !e.tablero.Ocupada(k)) k += kAncho;  // the floor stops it
    if (k < kAncho || k >= kCeldas) continue;
    const int encima = k - kAncho;
    if (p.CubiertaPorFicha(encima) || e.tablero.Ocupadas(encima - Columna(encima)) + 1 >= kAncho) continue;
    candidatas[static_cast<size_t>(m++)] = encima;
  }
  if (m > 0) {
    const int elegida = std::clamp(p.Sortear(Sorteo::Columna, m), 0, m - 1);
    e.tablero.Poner(candidatas[static_cast<size_t>(elegida)], kMuro);
    p.Sonar(sonido::kTorpedoOBloque);
  }
  // The pass sees EnBloqueExtra and brings in no piece.
  p.PasadaTrasAterrizaje(true);
  e.EnBloqueExtra = false;
}

// Panic: after every landing the board moves one column to the left and the
// leftmost column comes back on the right.
class Panic : public Clasico {
 public:
  Modo modo() const override { return Modo::Panic; }
  const char* NombreModo() const override { return "ModoPanic"; }
  Imagen Icono() const override { return kIconPanic; }
  bool AntesDeFicha(Partida& p) const override {
    std::array<int, kColumnas> orden{};
    for (int k = 0; k < kColumnas; ++k) orden[static_cast<size_t>(k)] = k;
    p.e.tablero.RotarColumnas(orden);
    return true;
  }
};

// Superpanic: the columns follow a random cycle through all eleven. A
// column already drawn is drawn again.
class Superpanic : public Clasico {
 public:
  Modo modo() const override { return Modo::Superpanic; }
  const char* NombreModo() const override { return "ModoSuperpanic"; }
  Imagen Icono() const override { return kIconSuperPanic; }
  bool AntesDeFicha(Partida& p) const override {
    std::array<int, kColumnas> orden{};
    std::array<bool, kColumnas> usada{};
    for (int& columna : orden) {
      int v;
      do {
        v = p.Sortear(Sorteo::Barajado, kColumnas);
      } while (v < 0 || v >= kColumnas || usada[static_cast<size_t>(v)]);
      usada[static_cast<size_t>(v)] = true;
      columna = v;
    }
    p.e.tablero.RotarColumnas(orden);
    return true;
  }
};

}  // namespace

const ReglasGrupo& ReglasClasico() {
  static const Clasico reglas;
  return reglas;
}
const ReglasGrupo& ReglasPanic() {
  static const Panic reglas;
  return reglas;
}
const ReglasGrupo& ReglasSuperpanic() {
  static const Superpanic reglas;
  return reglas;
}

}  // namespace tumbla
