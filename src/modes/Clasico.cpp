// CLASIC: clear the record's rows, against the handicaps the record arms:
// extra blocks on a timer, rows that only go together (the pass's count),
// the board rising every few rows, and in Panic and Superpanic the columns
// shifted or shuffled after every landing.
#include <algorithm>
#include <array>

#include "game/Pasos.h"
#include "game/Sonidos.h"
#include "modes/Grupos.h"

namespace tumbla {

namespace {

constexpr int kColumnas = 11;

class Clasico : public ReglasGrupo {
 public:
  Modo modo() const override { return Modo::Clasico; }
  const char* NombreModo() const override { return "ModoClasico"; }
  bool ObjetivoLineas() const override { return true; }
  bool GanaTorpedos() const override { return false; }
  ObjetivoVisible Objetivo(const Mesa& m) const override {
    return {{kIconLineas, kSinImagen}, "x" + std::to_string(m.lineasRestantes)};
  }

  // The rising board: every few removed rows the stack owes a step up,
  // taken at the end of the play tick.
  void FilaQuitada(Mesa& m) const override {
    Subida& s = m.subida;
    if (s.intervalo <= 0) return;
    s.contador = static_cast<int16_t>(s.contador - 1);
    if (s.contador <= 0) {
      s.pendientes = static_cast<int16_t>(s.pendientes + 1);
      s.contador = s.intervalo;
    }
  }
  void TrasGravedad(Mesa& m) const override {
    for (; m.subida.pendientes > 0; --m.subida.pendientes) m.tablero.Subir();
  }

  void TickBloqueExtra(Mesa& m, Azar& azar, Suceso& s) const override;
};

void Clasico::TickBloqueExtra(Mesa& m, Azar& azar, Suceso& s) const {
  // A column takes a block on the cell above its first block, unless the
  // column is filled to the top row, the falling piece covers that cell, or
  // the block would complete its row. The draw picks among those left.
  std::array<int, kColumnas> candidatas{};
  int n = 0;
  for (int col = 1; col <= kColumnas; ++col) {
    int k = col;
    while (k < kCeldas && !m.tablero.Ocupada(k)) k += kAncho;  // the floor stops it
    if (k < kAncho || k >= kCeldas) continue;
    const int encima = k - kAncho;
    if (m.Cubre(encima) || m.tablero.Ocupadas(encima - Columna(encima)) + 1 >= kAncho) continue;
    candidatas[static_cast<size_t>(n++)] = encima;
  }
  if (n > 0) {
    const int elegida = std::clamp(azar.Sortear(Sorteo::Columna, n), 0, n - 1);
    m.tablero.Poner(candidatas[static_cast<size_t>(elegida)], kMuro);
    s.Sonar(sonido::kTorpedoOBloque);
  }
  // The block is no landing: no group hook runs and no piece enters.
  Pasada(m, azar, false, s);
}

// Panic: after every landing the board moves one column to the left and the
// leftmost column comes back on the right.
class Panic : public Clasico {
 public:
  Modo modo() const override { return Modo::Panic; }
  const char* NombreModo() const override { return "ModoPanic"; }
  Imagen Icono() const override { return kIconPanic; }
  bool AntesDeFicha(Mesa& m, Azar&, Suceso&) const override {
    std::array<int, kColumnas> orden{};
    for (int k = 0; k < kColumnas; ++k) orden[static_cast<size_t>(k)] = k;
    m.tablero.RotarColumnas(orden);
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
  bool AntesDeFicha(Mesa& m, Azar& azar, Suceso&) const override {
    std::array<int, kColumnas> orden{};
    std::array<bool, kColumnas> usada{};
    for (int& columna : orden) {
      int v;
      do {
        v = azar.Sortear(Sorteo::Barajado, kColumnas);
      } while (v < 0 || v >= kColumnas || usada[static_cast<size_t>(v)]);
      usada[static_cast<size_t>(v)] = true;
      columna = v;
    }
    m.tablero.RotarColumnas(orden);
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
