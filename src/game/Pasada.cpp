// The play loop's steps: gravity, the landing, and the after-landing pass
// that clears full rows, turns square columns solid, scores and checks the
// objective, then lets the group act and brings the next piece in. Where a
// level group may act, its rule set is asked.
#include <algorithm>
#include <array>
#include <numeric>

#include "game/Pasos.h"
#include "game/Reglas.h"
#include "game/Sonidos.h"

namespace tumbla {

namespace {

constexpr int kPuntosAterrizaje = 5;
constexpr int kCargaMaxima = 45;
constexpr int kCargaPorTorpedo = 4;

int PuntosPorFilas(int filas) {
  switch (filas) {
    case 1: return 50;
    case 2: return 125;
    case 3: return 200;
    case 4: return 300;
    case 5: return 400;
    default: return 0;
  }
}

// The row each board row stood in when the pass began (-1: none), so that a
// cleared row flashes where the player saw it.
using Origen = std::array<int, kAlto>;

// What a clearing cycle's removals cut of a plant.
struct Corte {
  int limite = 0;
  bool cortada = false;
};

void QuitarFilaLlena(Mesa& m, int fila, bool juntadas, Corte& corte, Origen& origen, Suceso& s) {
  // A white or yellow flower in the row takes the whole plant above the pot.
  if (fila + 11 > corte.limite) corte.limite = fila + 11;
  for (int col = 1; col <= 11; ++col) {
    const int v = m.tablero[fila + col];
    if (v == kFlorBlanca || v == kFlorAmarilla) {
      if (!m.planta.empty()) corte.limite = m.planta.front() - 1;
      s.puntos += 30;
    }
  }
  // In the square-board groups only the removed row and the twelve above it
  // move; elsewhere everything above moves down to row 1 and row 0 empties.
  const int removida = Fila(fila);
  const int ultimaFila = m.reglas->Cuadrado() ? std::max(1, removida - 12) : 1;
  const auto r = static_cast<size_t>(removida);
  if (origen[r] >= 0) s.filasVistas.set(static_cast<size_t>(origen[r]));
  for (int k = removida; k >= ultimaFila; --k) origen[static_cast<size_t>(k)] = origen[static_cast<size_t>(k - 1)];
  if (ultimaFila == 1) origen[0] = -1;
  const Tablero::Quitada q = m.tablero.QuitarFila(fila, ultimaFila, juntadas);
  s.puntos += 15 * q.plantaPisada;
  if (q.plantaPisada > 0) corte.cortada = true;
  m.celdaGota = static_cast<int16_t>(m.celdaGota + kAncho * q.gotaAzulBajada);

  // Counters that move with every removed row.
  m.cargaTorpedo = static_cast<int16_t>(std::min(kCargaMaxima, m.cargaTorpedo + 1));
  if (m.reglas->GanaTorpedos() && m.cargaTorpedo >= kCargaPorTorpedo) {
    m.cargaTorpedo = static_cast<int16_t>(m.cargaTorpedo - kCargaPorTorpedo);
    m.torpedoPendiente = true;
  }
  m.reglas->FilaQuitada(m);
  m.lineasRestantes = static_cast<int16_t>(std::max(0, m.lineasRestantes - 1));
  ++s.filas;
  s.Sonar(sonido::kFila);
}

// The clearing cycles: while `borrarCada` full rows stand together they go,
// and the scan starts again. Returns the rows removed; `objetivo` when what
// went met the objective.
int CiclosDeLimpieza(Mesa& m, bool& objetivo, Suceso& s) {
  int total = 0;
  bool juntadas = false;
  Origen origen{};
  std::iota(origen.begin(), origen.end(), 0);
  for (;;) {
    std::array<int, kAlto> filas{};
    int cuenta = 0;
    FilaLlena ultima;
    for (int base = kBaseFilaInferior; base >= 0 && cuenta < m.borrarCada; base -= kAncho) {
      if (m.tablero.Ocupadas(base) != kAncho) continue;
      filas[static_cast<size_t>(cuenta++)] = base;
      ultima = {base, 0, 0, false};
      for (int c = 0; c < kAncho; ++c) {
        const int v = m.tablero[base + c];
        if (v == kGotaRosa) ultima.celdaRosa = base + c;
        if (v == kGotaAzul) ultima.celdaAzul = base + c;
        if (v == kMaceta) ultima.conMaceta = true;
      }
    }
    if (cuenta < m.borrarCada) return total;
    total += cuenta;

    if (m.reglas->Juntadas(ultima)) m.objetivoAlcanzado = objetivo = juntadas = true;
    Corte corte;
    for (int n = 0; n < cuenta; ++n) {
      QuitarFilaLlena(m, filas[static_cast<size_t>(n)] + kAncho * n, juntadas, corte, origen, s);
    }
    m.reglas->TrasQuitar(m, corte.limite, corte.cortada);
    if (m.reglas->CumplidoAlQuitar(ultima)) m.objetivoAlcanzado = objetivo = true;
    ++s.ciclos;
  }
}

}  // namespace

void Pasada(Mesa& m, Azar& azar, bool entrar, Suceso& s) {
  // 1. Clearing cycles, `borrarCada` full rows at a time.
  bool objetivo = false;
  const int total = CiclosDeLimpieza(m, objetivo, s);
  // 2. Square columns filled top to bottom turn solid.
  if (m.reglas->Cuadrado()) m.tablero.SolidificarColumnas();
  // 3. Score.
  s.puntos += PuntosPorFilas(total);
  // 4. Objective.
  if ((m.reglas->ObjetivoLineas() && m.lineasRestantes < 1) || m.reglas->Cumplido(m) || objetivo) {
    s.cumplido = true;
    return;
  }
  // 5. Only a landing brings in a new piece.
  if (!entrar) return;
  // 6..8. The group's hooks, then the next piece (unless a hook brought it).
  m.ficha.posicion = kCeldaEntrada;
  if (m.reglas->AntesDeFicha(m, azar, s)) Entrar(m, azar);
}

void Aterrizar(Mesa& m, Azar& azar, Suceso& s) {
  s.Sonar(sonido::kAterrizaje);
  s.aterrizo = true;
  m.soltada = false;
  if (m.ficha.posicion == kCeldaEntrada) {  // it could not leave the entry
    s.derrota = Derrota::Entrada;
    return;
  }
  m.hayFicha = false;
  const Pieza ficha = m.ficha;
  for (int k = 0; k < ficha.NumCeldas(); ++k) m.tablero.Poner(ficha.Celda(k), static_cast<int16_t>(ficha.Color()));
  s.puntos += kPuntosAterrizaje;
  Pasada(m, azar, true, s);
  if (!s.Termina() && m.reglas->Desborda() && m.tablero.OcupadoSobreCuadrado()) s.derrota = Derrota::Desborde;
}

void Caer(Mesa& m, Azar& azar, Suceso& s) {
  // With no piece falling (its entry was blocked) the board is full.
  if (!m.hayFicha) {
    s.derrota = Derrota::Entrada;
    return;
  }
  // A hard-dropped piece lands where it shows.
  Pieza abajo = m.ficha;
  if (!m.soltada && Llevar(m.tablero, abajo, Comando::Abajo)) {
    m.MoverFicha(abajo);
  } else {
    Aterrizar(m, azar, s);
    if (s.Termina()) return;
  }
  m.reglas->TrasGravedad(m);
}

bool TardeParaGirarCuadrado(const Mesa& m) { return m.celdaMasBaja > kCeldaMasBajaGiro; }

bool PuedeGirarCuadrado(const Mesa& m) {
  return m.reglas != nullptr && m.reglas->Cuadrado() && !TardeParaGirarCuadrado(m) && !m.gotaCayendo;
}

void GirarCuadrado(Mesa& m, Azar& azar, bool antihorario, Suceso& s) {
  const int gota = m.tablero.GirarCuadrado(antihorario);
  if (gota >= 0) m.celdaGota = static_cast<int16_t>(gota);
  s.Sonar(sonido::kGiroTablero);
  // Rows the turn completed go, and columns it filled turn solid.
  Pasada(m, azar, false, s);
}

void PasoGota(Mesa& m, Azar& azar, Suceso& s) {
  if (m.reglas != nullptr) m.reglas->TickGota(m, azar, s);
}

void PasoBloqueExtra(Mesa& m, Azar& azar, Suceso& s) {
  if (m.reglas != nullptr) m.reglas->TickBloqueExtra(m, azar, s);
}

}  // namespace tumbla
