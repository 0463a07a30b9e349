#include "jugador/JugadorAutomatico.h"

#include <algorithm>

#include "motor/Vista.h"
#include "jugador/Alcance.h"
#include "jugador/Evaluacion.h"
#include "jugador/Modelo.h"

namespace tumbla {

namespace {

constexpr int kMejoresPrimeras = 8;  // placements looked at with the preview piece

}  // namespace

JugadorAutomatico::JugadorAutomatico(const Vista& vista, const Catalogo& catalogo)
    : vista_(vista), cat_(catalogo) {}

Ritmo JugadorAutomatico::RitmoNueva() const {
  Ritmo r = ritmo_;
  r.intervaloMs = vista_.Temporizador(Temporizador::Juego).intervalo;
  return r;
}

Ritmo JugadorAutomatico::RitmoAhora() const {
  Ritmo r = RitmoNueva();
  if (!pensando_) r.pensarMs = r.teclaMs;  // a key of this piece just went in
  return r;
}

bool JugadorAutomatico::GotaEnMovimiento() const {
  const Mesa& m = vista_.mesa();
  const int gota = m.celdaGota;
  if (gota < 0 || gota + kAncho >= kCeldas || vista_.Celda(gota) != kGotaAzul) return false;
  if (m.gotaCayendo) return true;
  // Resting only when something is under it (the falling piece counts).
  return vista_.Celda(gota + kAncho) < 1 && !m.ficha.Cubre(gota + kAncho);
}

struct JugadorAutomatico::Candidata {
  Jugada jugada;
  Modelo modelo;
};

std::vector<JugadorAutomatico::Candidata> JugadorAutomatico::Primeras(const Modelo& base, bool conGiros) const {
  std::vector<Candidata> candidatas;
  const Pieza ficha = vista_.FichaEnJuego();
  for (const auto& giros : Giros(base.modo(), conGiros && vista_.PuedeGirarTablero())) {
    Modelo girado = base;
    for (bool g : giros) girado.Girar(g);
    if (girado.Perdido()) continue;
    const std::vector<Lugar> lugares = ficha.fila == kFichaTorpedo
                                           ? Disparos(girado, ficha.posicion)
                                           : Lugares(girado, cat_, ficha.fila, ficha.posicion, RitmoAhora());
    for (const Lugar& l : lugares) {
      Modelo m = girado;
      if (girado.Ganado()) {
        candidatas.push_back({{giros, l.fila, l.pos, kGanado + 1}, m});
        continue;
      }
      m.Aterrizar(l.fila, l.pos, true);
      double valor = Valorar(girado, m, l.fila, l.pos);
      if (m.LadoSorteado()) {
        // The plant chose its side at random: the placement is worth what
        // the worse side leaves.
        Modelo otro = girado;
        otro.Aterrizar(l.fila, l.pos, true, true);
        valor = std::min(valor, Valorar(girado, otro, l.fila, l.pos));
      }
      candidatas.push_back({{giros, l.fila, l.pos, valor}, m});
    }
  }
  return candidatas;
}

double JugadorAutomatico::MejorSegunda(const Modelo& despues, int siguiente) const {
  double mejor = -kGanado;
  for (const auto& giros : Giros(despues.modo(), despues.Cuadrado())) {
    Modelo girado = despues;
    for (bool g : giros) girado.Girar(g);
    if (girado.Perdido()) continue;
    if (girado.Ganado()) return kGanado;
    const std::vector<Lugar> lugares = siguiente == kFichaTorpedo
                                           ? Disparos(girado, kCeldaEntrada)
                                           : Lugares(girado, cat_, siguiente, kCeldaEntrada, RitmoNueva());
    for (const Lugar& l : lugares) {
      Modelo m = girado;
      m.Aterrizar(l.fila, l.pos, false);
      mejor = std::max(mejor, Valorar(girado, m, l.fila, l.pos));
    }
  }
  return mejor;
}

JugadorAutomatico::Jugada JugadorAutomatico::Elegir(bool conGiros) const {
  const Modelo base(vista_);
  std::vector<Candidata> candidatas = Primeras(base, conGiros);
  if (candidatas.empty()) return {};
  // The best few again with the preview piece, from the entry cell.
  // Superpanic shuffles the columns before the next piece comes: what the
  // board will look like then is anybody's guess, so one piece is all the
  // player looks at.
  const auto porValor = [](const Candidata& a, const Candidata& b) { return a.jugada.valor > b.jugada.valor; };
  std::sort(candidatas.begin(), candidatas.end(), porValor);
  const size_t mejores = base.modo() == Modo::Superpanic
                             ? 0
                             : std::min(candidatas.size(), static_cast<size_t>(kMejoresPrimeras));
  for (size_t k = 0; k < mejores; ++k) {
    Candidata& c = candidatas[k];
    if (c.modelo.Ganado() || c.modelo.Perdido()) continue;
    // A little of the first landing's own worth breaks ties in its favour.
    c.jugada.valor = MejorSegunda(c.modelo, vista_.mesa().siguiente) + 0.01 * c.jugada.valor;
  }
  std::stable_sort(candidatas.begin(), candidatas.begin() + static_cast<long>(mejores), porValor);
  return candidatas.front().jugada;
}

Comando JugadorAutomatico::Decidir() {
  const Mesa& mesa = vista_.mesa();
  if (!vista_.Jugando() || vista_.Pausado() || !mesa.hayFicha || mesa.soltada) return Comando::Ninguno;
  if (mesa.fichasEntradas != fichaVista_ || vista_.NivelActual() != nivelVisto_) {
    fichaVista_ = mesa.fichasEntradas;
    nivelVisto_ = vista_.NivelActual();
    pensando_ = true;
    plan_ = Elegir(true);
    pensando_ = false;
    giroSiguiente_ = 0;
    replaneado_ = false;
  }
  return SiguienteTecla();
}

Comando JugadorAutomatico::SiguienteTecla() {
  // The square's turns come first, each once the drop is at rest again.
  if (giroSiguiente_ < plan_.giros.size()) {
    if (vista_.mesa().celdaMasBaja > kCeldaMasBajaGiro) {
      plan_ = Elegir(false);  // too late to turn: make the best of it
      giroSiguiente_ = 0;
    } else if (GotaEnMovimiento() || !vista_.PuedeGirarTablero()) {
      return Comando::Ninguno;
    } else {
      const bool antihorario = plan_.giros[giroSiguiente_++];
      if (giroSiguiente_ == plan_.giros.size()) replaneado_ = false;
      return antihorario ? Comando::GirarCuadrado3 : Comando::GirarCuadrado4;
    }
  }
  // After the turns the board is what the game made of it: look again.
  if (!plan_.giros.empty() && !replaneado_) {
    if (GotaEnMovimiento()) return Comando::Ninguno;
    plan_ = Elegir(false);
    plan_.giros.clear();
    replaneado_ = true;
  }
  if (plan_.fila < 0) return Comando::Soltar;

  const Modelo m(vista_);
  const int fila = vista_.FichaEnJuego().fila;
  const int pos = vista_.FichaEnJuego().posicion;
  if (fila == kFichaTorpedo) {
    // The torpedo is steered to its column and fired.
    const int columna = Columna(plan_.pos);
    if (Columna(pos) == columna) return Comando::Soltar;
    const int paso = columna < Columna(pos) ? -1 : 1;
    if (!m.Libre(pos + paso)) return Comando::Soltar;
    return paso < 0 ? Comando::Izquierda : Comando::Derecha;
  }

  Comando c = Comando::Ninguno;
  Recorrido(m, cat_).Andar(fila, pos, [&](int f, int p, int8_t primero) {
    if (f != plan_.fila || m.Caida(f, p) != plan_.pos) return false;
    c = primero == kNinguno ? Comando::Soltar : kComandoDe[primero];
    return true;
  });
  if (c != Comando::Ninguno) return c;
  // Out of reach now (the piece fell past a ledge): a new plan from here.
  plan_ = Elegir(false);
  if (plan_.fila < 0) return Comando::Soltar;
  c = Comando::Soltar;
  Recorrido(m, cat_).Andar(fila, pos, [&](int f, int p, int8_t primero) {
    if (f != plan_.fila || m.Caida(f, p) != plan_.pos) return false;
    if (primero != kNinguno) c = kComandoDe[primero];
    return true;
  });
  return c;
}

}  // namespace tumbla
