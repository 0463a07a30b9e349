#include "jugador/Alcance.h"

#include <algorithm>

namespace tumbla {

namespace {

// A set of catalogue states, stamped so its table is never cleared.
struct Marcas {
  std::vector<uint32_t> tabla = std::vector<uint32_t>(kEstados, 0);
  uint32_t sello = 0;

  void Vaciar() {
    if (++sello == 0) {
      std::fill(tabla.begin(), tabla.end(), 0);
      sello = 1;
    }
  }
  bool Marcar(int estado) {
    uint32_t& t = tabla[static_cast<size_t>(estado)];
    if (t == sello) return false;
    t = sello;
    return true;
  }
};

Pieza PiezaEn(int fila, int pos) { return {static_cast<int16_t>(fila), static_cast<int16_t>(pos)}; }

// Gravity between two keys: false when the piece landed on the way.
bool Caer(const Modelo& m, Pieza& p, int filas) {
  for (int k = 0; k < filas; ++k) {
    if (!Llevar(m.tablero(), p, Comando::Abajo)) return false;
  }
  return true;
}

// At a person's pace the piece keeps falling while the keys are pressed:
// a key goes in after `pensarMs` and then every `teclaMs`, the piece falls
// a row every `intervaloMs`, and a place is only reached if the keys get
// the piece there before it lands on its own. The walk goes key by key.
template <typename F>
void AndarAPaso(const Modelo& m, int fila, int pos, const Ritmo& ritmo, F anotar) {
  const int intervalo = std::max(1, ritmo.intervaloMs);
  auto caidas = [&](int j) { return (ritmo.pensarMs + ritmo.teclaMs * j) / intervalo; };  // by key j
  thread_local Marcas pasados;
  pasados.Vaciar();
  Pieza p0 = PiezaEn(fila, pos);
  if (!m.tablero().Cabe(p0)) return;
  if (!Caer(m, p0, caidas(0))) {
    anotar(p0.fila, p0.posicion, kNinguno);
    return;
  }
  // Each state of a layer with the first key of the way to it.
  struct Paso {
    int estado;
    int8_t primero;
  };
  std::vector<Paso> capa{{p0.fila * kCeldas + p0.posicion, kNinguno}}, siguiente;
  pasados.Marcar(capa.back().estado);
  for (int j = 0; !capa.empty() && j < 40; ++j) {
    siguiente.clear();
    const int filas = caidas(j + 1) - caidas(j);
    for (const Paso& paso : capa) {
      const Pieza pieza = PiezaEn(paso.estado / kCeldas, paso.estado % kCeldas);
      Pieza soltada = pieza;
      Llevar(m.tablero(), soltada, Comando::Soltar);
      anotar(soltada.fila, soltada.posicion, paso.primero);  // Space
      for (int8_t mov = 0; mov < static_cast<int8_t>(std::size(kTeclasJugador)); ++mov) {
        Pieza q = pieza;
        if (!Llevar(m.tablero(), q, kTeclasJugador[mov])) continue;
        const int8_t primero = paso.primero == kNinguno ? mov : paso.primero;
        if (!Caer(m, q, filas)) {
          anotar(q.fila, q.posicion, primero);  // it landed before the next key
          continue;
        }
        const int ns = q.fila * kCeldas + q.posicion;
        if (pasados.Marcar(ns)) siguiente.push_back({ns, primero});
      }
    }
    capa.swap(siguiente);
  }
}

}  // namespace

// Every distinct resting place (row of the catalogue, cell) of the piece.
std::vector<Lugar> Lugares(const Modelo& m, int fila, int pos, const Ritmo& ritmo) {
  std::vector<Lugar> lugares;
  thread_local Marcas vistos;
  vistos.Vaciar();
  auto anotar = [&](int f, int p, int8_t primero) {
    if (vistos.Marcar(f * kCeldas + p)) lugares.push_back({f, p, primero});
  };
  if (!ritmo.APaso()) {
    Recorrido(m).Andar(fila, pos, [&](int f, int p, int8_t primero) {
      Pieza abajo = PiezaEn(f, p);
      if (!Llevar(m.tablero(), abajo, Comando::Abajo)) anotar(f, p, primero);
      return false;
    });
  } else {
    AndarAPaso(m, fila, pos, ritmo, anotar);
  }
  return lugares;
}

// Where the torpedo goes when fired from each column it can be moved to
// along its row.
std::vector<Lugar> Disparos(const Modelo& m, int pos) {
  std::vector<Lugar> lugares;
  const Tablero& t = m.tablero();
  const auto disparar = [&](Pieza torpedo) {
    Llevar(t, torpedo, Comando::Soltar);
    lugares.push_back({kFichaTorpedo, torpedo.posicion});
  };
  // Fired from where it is and from each cell it can be moved to along its
  // row, leftwards first.
  Pieza torpedo = PiezaEn(kFichaTorpedo, pos);
  if (t.Cabe(torpedo)) {
    do {
      disparar(torpedo);
    } while (Llevar(t, torpedo, Comando::Izquierda));
  }
  torpedo = PiezaEn(kFichaTorpedo, pos);
  while (Llevar(t, torpedo, Comando::Derecha)) disparar(torpedo);
  return lugares;
}

// The turns tried before a placement: none, a quarter turn either way, a
// half turn, and (where the drop's path matters) the half turn the other way
// and three-turn sequences.
std::vector<std::vector<bool>> Giros(Modo modo, bool permitidos) {
  if (!permitidos) return {{}};
  std::vector<std::vector<bool>> g = {{}, {true}, {false}, {true, true}};
  if (modo == Modo::Juntator) {
    g.push_back({false, false});
    for (bool a : {true, false}) {
      for (bool b : {true, false}) g.push_back({a, a, b});
    }
  }
  return g;
}

}  // namespace tumbla
