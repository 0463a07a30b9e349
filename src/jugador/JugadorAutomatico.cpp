#include "jugador/JugadorAutomatico.h"

#include <algorithm>

#include "game/Pasos.h"
#include "jugador/Alcance.h"
#include "jugador/Evaluacion.h"
#include "jugador/Modelo.h"
#include "modes/Grupos.h"

namespace tumbla {

namespace {

constexpr int kMejoresPrimeras = 8;  // placements looked at with the preview piece

// The blue drop is on the move: it fell on its last tick, or will on its next.
bool GotaEnMovimiento(const Mesa& m) { return GotaEnTablero(m) && (m.gotaCayendo || GotaCae(m)); }

// Keys 3 and 4 would turn the square now.
bool PuedeGirar(const Panorama& p) { return p.enJuego && PuedeGirarCuadrado(p.mesa); }

// The seed of the player's `s`-th draw for the piece in view (never 0,
// which means "no draws").
uint64_t SemillaMuestra(const Panorama& p, int s) {
  return (static_cast<uint64_t>(p.mesa.fichasEntradas) << 8 | static_cast<uint64_t>(s)) * 0x9e3779b97f4a7c15ULL | 1;
}

}  // namespace

Ritmo JugadorAutomatico::RitmoNueva(const Panorama& p) const {
  Ritmo r = ritmo_;
  r.intervaloMs = p.intervaloMs;
  return r;
}

Ritmo JugadorAutomatico::RitmoAhora(const Panorama& p) const {
  Ritmo r = RitmoNueva(p);
  if (!r.APaso()) return r;  // at once: no pace to keep
  // The key goes in now. The piece last fell some time ago: known from when
  // it appeared (it enters as a row of the fall begins), half a row's time
  // when the driver does not say.
  const int intervalo = std::max(1, r.intervaloMs);
  r.pensarMs = msFicha_ >= 0 ? msFicha_ % intervalo : intervalo / 2;
  return r;
}

struct JugadorAutomatico::Candidata {
  Jugada jugada;
  Modelo modelo;
};

std::vector<JugadorAutomatico::Candidata> JugadorAutomatico::Primeras(const Panorama& p, const Modelo& base,
                                                                     bool conGiros, const Pesos& w) const {
  std::vector<Candidata> candidatas;
  const Pieza ficha = p.mesa.ficha;
  for (const auto& giros : Giros(base.modo(), conGiros && PuedeGirar(p))) {
    Modelo girado = base;
    for (bool g : giros) girado.Girar(g);
    if (girado.Perdido()) continue;
    const std::vector<Lugar> lugares = ficha.fila == kFichaTorpedo
                                           ? Disparos(girado, ficha.posicion)
                                           : Lugares(girado, ficha.fila, ficha.posicion, RitmoAhora(p));
    for (const Lugar& l : lugares) {
      Modelo m = girado;
      if (girado.Ganado()) {
        candidatas.push_back({{giros, l.fila, l.pos, kGanado + 1}, m});
        continue;
      }
      m.Aterrizar(l.fila, l.pos, true);
      double valor = Valorar(girado, m, l.fila, l.pos, w);
      if (m.LadoSorteado()) {
        // The plant chose its side at random: the placement is worth what
        // the worse side leaves.
        Modelo otro = girado;
        otro.Aterrizar(l.fila, l.pos, true, Suposiciones(true));
        valor = std::min(valor, Valorar(girado, otro, l.fila, l.pos, w));
      }
      candidatas.push_back({{giros, l.fila, l.pos, valor}, m});
    }
  }
  return candidatas;
}

double JugadorAutomatico::MejorSegunda(const Panorama& p, const Modelo& despues, int siguiente,
                                       const Pesos& w) const {
  double mejor = -kGanado;
  for (const auto& giros : Giros(despues.modo(), despues.Cuadrado())) {
    Modelo girado = despues;
    for (bool g : giros) girado.Girar(g);
    if (girado.Perdido()) continue;
    if (girado.Ganado()) return kGanado;
    const std::vector<Lugar> lugares = siguiente == kFichaTorpedo
                                           ? Disparos(girado, kCeldaEntrada)
                                           : Lugares(girado, siguiente, kCeldaEntrada, RitmoNueva(p));
    for (const Lugar& l : lugares) {
      Modelo m = girado;
      m.Aterrizar(l.fila, l.pos, false);
      mejor = std::max(mejor, Valorar(girado, m, l.fila, l.pos, w));
    }
  }
  return mejor;
}

JugadorAutomatico::Jugada JugadorAutomatico::Elegir(const Panorama& p, bool conGiros) const {
  const Modelo base(p);
  const Pesos& w = (pesos_ != nullptr ? *pesos_ : PesosPropios()).De(base.modo());
  std::vector<Candidata> candidatas = Primeras(p, base, conGiros, w);
  if (candidatas.empty()) return {};
  // The best few again with the preview piece, from the entry cell: on the
  // board the player assumes, or on a few boards drawn as the game might
  // draw them. Without draws, Superpanic's shuffle before the next piece
  // leaves the board anybody's guess, so one piece is all it looks at.
  const auto porValor = [](const Candidata& a, const Candidata& b) { return a.jugada.valor > b.jugada.valor; };
  std::sort(candidatas.begin(), candidatas.end(), porValor);
  const int muestras = std::clamp(static_cast<int>(w[Medida::Muestras]), 0, kMaxMuestras);
  const size_t mejores = base.modo() == Modo::Superpanic && muestras == 0
                             ? 0
                             : std::min(candidatas.size(), static_cast<size_t>(kMejoresPrimeras));
  for (size_t k = 0; k < mejores; ++k) {
    Candidata& c = candidatas[k];
    if (c.modelo.Ganado() || c.modelo.Perdido()) continue;
    double segunda = 0;
    if (muestras == 0) {
      segunda = MejorSegunda(p, c.modelo, p.mesa.siguiente, w);
    } else {
      Modelo girado = base;
      for (bool g : c.jugada.giros) girado.Girar(g);
      for (int s = 0; s < muestras; ++s) {
        // Every placement meets the same draws, and the same view always
        // gives the same draws: a replay plays the same game.
        Modelo m = girado;
        m.Aterrizar(c.jugada.fila, c.jugada.pos, true, Suposiciones(false, SemillaMuestra(p, s)));
        segunda += m.Perdido() ? -kGanado : m.Ganado() ? kGanado : MejorSegunda(p, m, p.mesa.siguiente, w);
      }
      segunda /= muestras;
    }
    // The first landing's own worth counts too: a little where it only
    // breaks ties, more where the preview's worth is a mean of draws.
    c.jugada.valor = segunda + w[Medida::Primera] * c.jugada.valor;
  }
  std::stable_sort(candidatas.begin(), candidatas.begin() + static_cast<long>(mejores), porValor);
  return candidatas.front().jugada;
}

Comando JugadorAutomatico::Decidir(const Panorama& p, int msFicha) {
  msFicha_ = msFicha;
  const Mesa& mesa = p.mesa;
  if (!p.enJuego || !mesa.hayFicha || mesa.soltada) return Comando::Ninguno;
  if (mesa.fichasEntradas != fichaVista_ || p.nivel != nivelVisto_) {
    fichaVista_ = mesa.fichasEntradas;
    nivelVisto_ = p.nivel;
    plan_ = Elegir(p, true);
    giroSiguiente_ = 0;
    replaneado_ = false;
  }
  return SiguienteTecla(p);
}

Comando JugadorAutomatico::SiguienteTecla(const Panorama& p) {
  // The square's turns come first, each once the drop is at rest again.
  if (giroSiguiente_ < plan_.giros.size()) {
    if (TardeParaGirarCuadrado(p.mesa)) {
      plan_ = Elegir(p, false);  // too late to turn: make the best of it
      giroSiguiente_ = 0;
    } else if (GotaEnMovimiento(p.mesa) || !PuedeGirar(p)) {
      return Comando::Ninguno;
    } else {
      const bool antihorario = plan_.giros[giroSiguiente_++];
      if (giroSiguiente_ == plan_.giros.size()) replaneado_ = false;
      return antihorario ? Comando::GirarCuadrado3 : Comando::GirarCuadrado4;
    }
  }
  // After the turns the board is what the game made of it: look again.
  if (!plan_.giros.empty() && !replaneado_) {
    if (GotaEnMovimiento(p.mesa)) return Comando::Ninguno;
    plan_ = Elegir(p, false);
    plan_.giros.clear();
    replaneado_ = true;
  }
  if (plan_.fila < 0) return Comando::Soltar;

  const Modelo m(p);
  const Pieza ficha = p.mesa.ficha;
  if (ficha.fila == kFichaTorpedo) {
    // The torpedo is steered to its column and fired.
    const int columna = Columna(plan_.pos);
    if (Columna(ficha.posicion) == columna) return Comando::Soltar;
    const Comando hacia = columna < Columna(ficha.posicion) ? Comando::Izquierda : Comando::Derecha;
    Pieza paso = ficha;
    return Llevar(m.tablero(), paso, hacia) ? hacia : Comando::Soltar;
  }

  Comando c = TeclaHacia(p, m);
  if (c != Comando::Ninguno) return c;
  // Out of reach now (the piece fell past a ledge): a new plan from here.
  plan_ = Elegir(p, false);
  if (plan_.fila < 0) return Comando::Soltar;
  c = TeclaHacia(p, m);
  return c == Comando::Ninguno ? Comando::Soltar : c;
}

Comando JugadorAutomatico::TeclaHacia(const Panorama& p, const Modelo& m) const {
  const Pieza ficha = p.mesa.ficha;
  const auto tecla = [](int8_t primero) { return primero == kNinguno ? Comando::Soltar : kTeclasJugador[primero]; };
  if (ritmo_.APaso()) {
    // At a person's pace, the way the search found while the piece falls:
    // not every way of as many keys gets there in time.
    for (const Lugar& l : Lugares(m, ficha.fila, ficha.posicion, RitmoAhora(p))) {
      if (l.fila == plan_.fila && l.pos == plan_.pos) return tecla(l.primero);
    }
    return Comando::Ninguno;
  }
  Comando c = Comando::Ninguno;
  Recorrido(m).Andar(ficha.fila, ficha.posicion, [&](int f, int pos, int8_t primero) {
    if (f != plan_.fila || m.Caida(f, pos) != plan_.pos) return false;
    c = tecla(primero);
    return true;
  });
  return c;
}

}  // namespace tumbla
