// Where the falling piece can be taken with the keys: every resting place it
// can reach (at once, or at a person's pace while it keeps falling), the
// first key towards one of them, where the torpedo goes from each column,
// and the turns of the square worth trying first. Every move is the rules'
// own (Mover, Llevar, Tablero::Cabe): the search only chooses which commands
// to try.
#pragma once

#include <cstdint>
#include <deque>
#include <iterator>
#include <vector>

#include "game/Catalogo.h"
#include "game/Comando.h"
#include "game/Pasos.h"
#include "jugador/Modelo.h"

namespace tumbla {

constexpr int kEstados = kFilasCatalogo * kCeldas;

// How fast the keys come: at once (all zero), or a person's pace with a
// moment to think when a piece appears and a delay before each key. The
// first key goes in `pensarMs` after the piece last fell a row (for a piece
// in the air that has been looked at: the time since that row, key now).
struct Ritmo {
  int pensarMs = 0;
  int teclaMs = 0;
  int intervaloMs = 300;  // the piece's fall, one row per interval

  bool APaso() const { return pensarMs > 0 || teclaMs > 0; }
};

// The commands the player moves a piece with, in the order it tries them:
// the keys a person has from the start ("Girar al otro lado" has none).
// A first move is an index into them, kNinguno for none.
constexpr Comando kTeclasJugador[] = {Comando::Izquierda, Comando::Derecha, Comando::Girar, Comando::Abajo};
constexpr int8_t kNinguno = -1;

// Breadth-first walk over the places the falling piece can be moved to with
// the keys, shared by the search (every resting place) and the execution
// (the first key towards one of them). Visited states are stamped, so the
// table is never cleared.
class Recorrido {
 public:
  explicit Recorrido(const Modelo& m) : m_(m) {
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
    if (!m_.tablero().Cabe({static_cast<int16_t>(fila), static_cast<int16_t>(pos)})) return;
    Marcar(fila * kCeldas + pos, kNinguno);
    cola.push_back(fila * kCeldas + pos);
    while (!cola.empty()) {
      const int s = cola.front();
      cola.pop_front();
      const int f = s / kCeldas;
      const int p = s % kCeldas;
      const int8_t primero = (*primeros_)[static_cast<size_t>(s)];
      if (visita(f, p, primero)) return;
      const Pieza pieza{static_cast<int16_t>(f), static_cast<int16_t>(p)};
      for (int8_t mov = 0; mov < static_cast<int8_t>(std::size(kTeclasJugador)); ++mov) {
        const Pieza q = Mover(pieza, kTeclasJugador[mov]);
        if (q.posicion < 0 || q.posicion >= kCeldas) continue;
        const int ns = q.fila * kCeldas + q.posicion;
        if ((*sellos_)[static_cast<size_t>(ns)] == sello_ || !m_.tablero().Cabe(q)) continue;
        Marcar(ns, primero == kNinguno ? mov : primero);
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
  std::vector<uint32_t>* sellos_;
  std::vector<int8_t>* primeros_;
  uint32_t sello_;
};

struct Lugar {
  int fila;
  int pos;
  int8_t primero = kNinguno;  // the first key of a way there; none: drop it now
};

// Every distinct resting place (row of the catalogue, cell) of the piece.
std::vector<Lugar> Lugares(const Modelo& m, int fila, int pos, const Ritmo& ritmo);
// Where the torpedo goes when fired from each column it can be moved to
// along its row.
std::vector<Lugar> Disparos(const Modelo& m, int pos);
// The turns tried before a placement (true = key 3).
std::vector<std::vector<bool>> Giros(Modo modo, bool permitidos);

}  // namespace tumbla
