// Where the falling piece can be taken with the keys: every resting place it
// can reach (at once, or at a person's pace while it keeps falling), the
// first key towards one of them, where the torpedo goes from each column,
// and the turns of the square worth trying first.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "game/Catalogo.h"
#include "motor/Comando.h"
#include "jugador/Modelo.h"

namespace tumbla {

constexpr int kEstados = kFilasCatalogo * kCeldas;

// How fast the keys come: at once (all zero), or a person's pace with a
// moment to think when a piece appears and a delay before each key.
struct Ritmo {
  int pensarMs = 0;
  int teclaMs = 0;
  int intervaloMs = 300;  // the piece's fall, one row per interval
};

// The keys the player uses, by what they do to the falling piece.
enum Movimiento : int8_t { kNinguno = -1, kIzquierda, kDerecha, kGirar, kBajar };
constexpr Comando kComandoDe[] = {Comando::Izquierda, Comando::Derecha, Comando::Girar, Comando::Abajo};

// Breadth-first walk over the places the falling piece can be moved to with
// the keys, shared by the search (every resting place) and the execution
// (the first key towards one of them). Visited states are stamped, so the
// table is never cleared.
class Recorrido {
 public:
  explicit Recorrido(const Modelo& m, const Catalogo& cat) : m_(m), cat_(cat) {
    thread_local std::vector<uint32_t> sellos(kEstados, 0);
    thread_local std::vector<int8_t> primeros(kEstados, kNinguno);
    thread_local uint32_t sello = 0;
    if (++sello == 0) {
      std::fill(sellos.begin(), sellos.end(), 0);
      sello = 1;
    }
    sellos_ = &sellos;
    primeros_ = &primeros;
    sello_ = sello;
  }

  // Calls `visita(fila, pos, primerMovimiento)` for every state reachable
  // from (fila, pos); stops early when it returns true.
  template <typename F>
  void Andar(int fila, int pos, F visita) {
    std::deque<int> cola;
    if (!m_.Cabe(fila, pos)) return;
    Marcar(fila * kCeldas + pos, kNinguno);
    cola.push_back(fila * kCeldas + pos);
    while (!cola.empty()) {
      const int s = cola.front();
      cola.pop_front();
      const int f = s / kCeldas;
      const int p = s % kCeldas;
      const int8_t primero = (*primeros_)[static_cast<size_t>(s)];
      if (visita(f, p, primero)) return;
      const int vecinos[4][2] = {{f, p - 1}, {f, p + 1}, {cat_.Siguiente(f), p}, {f, p + kAncho}};
      for (int mov = 0; mov < 4; ++mov) {
        const int nf = vecinos[mov][0];
        const int np = vecinos[mov][1];
        if (np < 0 || np >= kCeldas) continue;
        const int ns = nf * kCeldas + np;
        if ((*sellos_)[static_cast<size_t>(ns)] == sello_ || !m_.Cabe(nf, np)) continue;
        Marcar(ns, primero == kNinguno ? static_cast<int8_t>(mov) : primero);
        cola.push_back(ns);
      }
    }
  }

 private:
  void Marcar(int s, int8_t primero) {
    (*sellos_)[static_cast<size_t>(s)] = sello_;
    (*primeros_)[static_cast<size_t>(s)] = primero;
  }

  const Modelo& m_;
  const Catalogo& cat_;
  std::vector<uint32_t>* sellos_;
  std::vector<int8_t>* primeros_;
  uint32_t sello_;
};

struct Lugar {
  int fila;
  int pos;
};

// Every distinct resting place (row of the catalogue, cell) of the piece.
std::vector<Lugar> Lugares(const Modelo& m, const Catalogo& cat, int fila, int pos, const Ritmo& ritmo);
// Where the torpedo goes when fired from each column it can be moved to
// along its row.
std::vector<Lugar> Disparos(const Modelo& m, int pos);
// The turns tried before a placement (true = key 3).
std::vector<std::vector<bool>> Giros(Modo modo, bool permitidos);

}  // namespace tumbla
