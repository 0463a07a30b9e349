#include "jugador/JugadorAutomatico.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <deque>

#include "game/Codigos.h"
#include "game/Vista.h"
#include "jugador/Modelo.h"

namespace tumbla {

namespace {

constexpr int kEstados = kFilasCatalogo * kCeldas;
constexpr double kGanado = 1e9;
constexpr int kMejoresPrimeras = 8;  // placements looked at with the preview piece

// Weights of the evaluation beyond the classic ones.
constexpr double kPesoVarianza = 5.0;       // Superpanic: uneven columns
constexpr double kPesoAgujeroSuper = 20.0;  // Superpanic: holes, on top of the rest
constexpr int kFilaPeligro = 10;            // a stack above this row is in danger...
constexpr double kPesoPeligro = 5.0;        // ...squared by the rows it climbs past it
constexpr double kPodVacia = 40;            // PODATOR: a free cell in the pot's row
constexpr double kPodCubierta = 12;         // ...with something above it
constexpr double kPodPeligro = 12;          // ...the plant's tip above kPodFila, squared
constexpr int kPodFila = 18;
constexpr double kPodSellada = 8;         // ...a free cell no way down leads to

// The keys the player uses, by what they do to the falling piece.
enum Movimiento : int8_t { kNinguno = -1, kIzquierda, kDerecha, kGirar, kBajar };
constexpr int kTeclaDe[] = {tecla::kIzquierda, tecla::kDerecha, tecla::kArriba, tecla::kAbajo};

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
// At a person's pace the piece keeps falling while the keys are pressed:
// a key goes in after `pensarMs` and then every `teclaMs`, the piece falls
// a row every `intervaloMs`, and a place is only reached if the keys get
// the piece there before it lands on its own.
std::vector<Lugar> Lugares(const Modelo& m, const Catalogo& cat, int fila, int pos,
                           const JugadorAutomatico::Ritmo& ritmo) {
  std::vector<Lugar> lugares;
  thread_local std::vector<uint32_t> vistos(kEstados, 0);
  thread_local uint32_t sello = 0;
  if (++sello == 0) {
    std::fill(vistos.begin(), vistos.end(), 0);
    sello = 1;
  }
  auto anotar = [&](int f, int p) {
    const size_t s = static_cast<size_t>(f * kCeldas + p);
    if (vistos[s] != sello) {
      vistos[s] = sello;
      lugares.push_back({f, p});
    }
  };
  if (ritmo.teclaMs <= 0 && ritmo.pensarMs <= 0) {
    Recorrido(m, cat).Andar(fila, pos, [&](int f, int p, int8_t) {
      if (!m.Cabe(f, p + kAncho)) anotar(f, p);
      return false;
    });
    return lugares;
  }

  // Rows fallen by the time the j-th key goes in.
  const int intervalo = std::max(1, ritmo.intervaloMs);
  auto caidas = [&](int j) { return (ritmo.pensarMs + ritmo.teclaMs * j) / intervalo; };
  thread_local std::vector<uint32_t> pasados(kEstados, 0);
  thread_local uint32_t selloPasado = 0;
  if (++selloPasado == 0) {
    std::fill(pasados.begin(), pasados.end(), 0);
    selloPasado = 1;
  }
  // Gravity from key j to key j+1; false when the piece landed on the way.
  auto caer = [&](int f, int& p, int filas) {
    for (int k = 0; k < filas; ++k) {
      if (!m.Cabe(f, p + kAncho)) return false;
      p += kAncho;
    }
    return true;
  };
  std::vector<int> capa, siguiente;
  if (!m.Cabe(fila, pos)) return lugares;
  int p0 = pos;
  if (!caer(fila, p0, caidas(0))) {
    anotar(fila, p0);
    return lugares;
  }
  capa.push_back(fila * kCeldas + p0);
  pasados[static_cast<size_t>(capa.back())] = selloPasado;
  for (int j = 0; !capa.empty() && j < 40; ++j) {
    siguiente.clear();
    const int filas = caidas(j + 1) - caidas(j);
    for (int s : capa) {
      const int f = s / kCeldas;
      const int p = s % kCeldas;
      anotar(f, m.Caida(f, p));  // Space
      const int vecinos[4][2] = {{f, p - 1}, {f, p + 1}, {cat.Siguiente(f), p}, {f, p + kAncho}};
      for (const auto& v : vecinos) {
        int np = v[1];
        if (np < 0 || np >= kCeldas || !m.Cabe(v[0], np)) continue;
        if (!caer(v[0], np, filas)) {
          anotar(v[0], np);  // it landed before the next key
          continue;
        }
        const size_t ns = static_cast<size_t>(v[0] * kCeldas + np);
        if (pasados[ns] == selloPasado) continue;
        pasados[ns] = selloPasado;
        siguiente.push_back(static_cast<int>(ns));
      }
    }
    capa.swap(siguiente);
  }
  return lugares;
}

// Where the torpedo goes when fired from each column it can be moved to
// along its row.
std::vector<Lugar> Disparos(const Modelo& m, int pos) {
  std::vector<Lugar> lugares;
  for (int paso : {-1, 1}) {
    for (int p = paso < 0 ? pos : pos + 1; m.Libre(p) && Columna(p) >= 1 && Columna(p) <= 11; p += paso) {
      lugares.push_back({kFichaTorpedo, m.DestinoTorpedo(p)});
    }
  }
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

bool Ocupada(const Modelo& m, int i) { return !m.Libre(i); }

// Which cells of the area from row `tope` down are taken, with the full rows
// taken out when asked (the rows above them come down). On a rising board
// the empty rows it opened under the stack are as good as floor: nothing
// will ever reach them.
class Forma {
 public:
  Forma(const Modelo& m, int tope, bool sinLlenas, bool subida = false) {
    int destino = kAlto - 2;
    for (int r = kAlto - 2; r >= tope; --r) {
      bool llena = true;
      for (int c = 1; c <= 11; ++c) llena &= !m.Libre(r * kAncho + c);
      if (llena) ++llenas_;
      if (llena && sinLlenas) continue;
      for (int c = 1; c <= 11; ++c) ocupada_[static_cast<size_t>(destino * kAncho + c)] = !m.Libre(r * kAncho + c);
      --destino;
    }
    for (int i = 0; i < kCeldas; ++i) {
      if (Columna(i) == 0 || Columna(i) == kAncho - 1 || Fila(i) == kAlto - 1) ocupada_[static_cast<size_t>(i)] = true;
    }
    if (!subida) return;
    int fondo = kAlto - 2;
    auto vacia = [&](int r) {
      for (int c = 1; c <= 11; ++c) {
        if (ocupada_[static_cast<size_t>(r * kAncho + c)]) return false;
      }
      return true;
    };
    while (fondo >= tope && vacia(fondo)) --fondo;
    for (int r = fondo + 1; r <= kAlto - 2 && fondo >= tope; ++r) {
      for (int c = 1; c <= 11; ++c) ocupada_[static_cast<size_t>(r * kAncho + c)] = true;
    }
  }
  bool Ocupada(int i) const { return i < 0 || i >= kCeldas || ocupada_[static_cast<size_t>(i)]; }
  int Llenas() const { return llenas_; }

 private:
  std::array<bool, kCeldas> ocupada_{};
  int llenas_ = 0;
};

int VaciasEnFila(const Modelo& m, int fila) {
  int n = 0;
  for (int c = 1; c <= 11; ++c) n += m.Libre(fila * kAncho + c);
  return n;
}

// The free cells a way of free cells leads to from the rows above the
// square, going down and sideways: where a piece may still get to.
std::array<bool, kCeldas> Alcanzables(const Modelo& m) {
  std::array<bool, kCeldas> llega{};
  int pila[kCeldas];
  int n = 0;
  for (int c = 1; c <= 11; ++c) {
    const int i = 12 * kAncho + c;
    if (m.Libre(i)) {
      llega[static_cast<size_t>(i)] = true;
      pila[n++] = i;
    }
  }
  while (n > 0) {
    const int i = pila[--n];
    for (int j : {i + kAncho, i - 1, i + 1}) {
      if (Columna(j) < 1 || Columna(j) > 11 || !m.Libre(j) || llega[static_cast<size_t>(j)]) continue;
      llega[static_cast<size_t>(j)] = true;
      pila[n++] = j;
    }
  }
  return llega;
}

// Free cells under the free cells of a row: what must be filled before
// pieces can rest there.
int SoporteQueFalta(const Modelo& m, int fila) {
  int n = 0;
  for (int c = 1; c <= 11; ++c) {
    if (!m.Libre(fila * kAncho + c)) continue;
    for (int r = fila + 1; r < kAlto - 1 && m.Libre(r * kAncho + c); ++r) ++n;
  }
  return n;
}

}  // namespace

JugadorAutomatico::JugadorAutomatico(const Vista& vista, const Catalogo& catalogo)
    : vista_(vista), cat_(catalogo) {}

JugadorAutomatico::Ritmo JugadorAutomatico::RitmoNueva() const {
  Ritmo r = ritmo_;
  r.intervaloMs = vista_.IntervaloJuego();
  return r;
}

JugadorAutomatico::Ritmo JugadorAutomatico::RitmoAhora() const {
  Ritmo r = RitmoNueva();
  if (!pensando_) r.pensarMs = r.teclaMs;  // a key of this piece just went in
  return r;
}

bool JugadorAutomatico::PuedeGirar() const {
  const Grupo* g = vista_.GrupoActual();
  if (g == nullptr) return false;
  const bool cuadrado =
      g->modo == Modo::Rotator || g->modo == Modo::RotatorPlus || g->modo == Modo::Juntator;
  return cuadrado && vista_.CeldaMasBaja() <= kCeldaMasBajaGiro && !vista_.GotaCayendo();
}

bool JugadorAutomatico::GotaEnMovimiento() const {
  const Grupo* g = vista_.GrupoActual();
  if (g == nullptr || (g->modo != Modo::Goteator && g->modo != Modo::Juntator)) return false;
  const int gota = vista_.CeldaGota();
  if (gota < 0 || gota + kAncho >= kCeldas || vista_.Celda(gota) != kGotaAzul) return false;
  if (vista_.GotaCayendo()) return true;
  // Resting only when something is under it (the falling piece counts).
  if (vista_.Celda(gota + kAncho) >= 1) return false;
  const int fila = vista_.Ficha();
  for (int k = 1; k <= Catalogo::NumCeldas(fila); ++k) {
    if (vista_.Posicion() + cat_.Desplazamiento(fila, k) == gota + kAncho) return false;
  }
  return true;
}

double JugadorAutomatico::Valorar(const Modelo& antes, const Modelo& m, int fila, int pos) const {
  if (m.Perdido()) return -kGanado;
  if (m.Ganado()) return kGanado;
  const int tope = m.FilaTope();
  const Modo modo = m.modo();

  // The shape of the stack: the classic measures of a good falling-block
  // player (landing height, rows, transitions, holes, wells). Where rows go
  // only some at a time, a full row is as good as gone: the shape is that
  // of the stack without its full rows.
  const bool juntas = vista_.BorrarCada() > 1;
  const Forma forma(m, tope, juntas, vista_.IntervaloSubida() > 0);
  int agujeros = 0, transCol = 0, transFila = 0, pozos = 0;
  double sumaAlturas = 0, sumaCuadrados = 0;
  for (int c = 1; c <= 11; ++c) {
    int primera = kAlto - 1;
    for (int r = tope; r < kAlto - 1; ++r) {
      if (forma.Ocupada(r * kAncho + c)) {
        primera = r;
        break;
      }
    }
    const int altura = kAlto - 1 - primera;
    sumaAlturas += altura;
    sumaCuadrados += altura * altura;
    bool antes_ = false;
    int hondo = 0;
    for (int r = tope; r < kAlto - 1; ++r) {
      const int i = r * kAncho + c;
      const bool ocupada = forma.Ocupada(i);
      if (ocupada != antes_) ++transCol;
      antes_ = ocupada;
      if (!ocupada && r > primera) ++agujeros;
      if (!ocupada && forma.Ocupada(i - 1) && forma.Ocupada(i + 1)) {
        pozos += ++hondo;
      } else {
        hondo = 0;
      }
    }
    if (!antes_) ++transCol;
  }
  for (int r = tope; r < kAlto - 1; ++r) {
    bool antes_ = true;
    for (int c = 1; c <= 12; ++c) {
      const bool ocupada = forma.Ocupada(r * kAncho + c);
      if (ocupada != antes_) ++transFila;
      antes_ = ocupada;
    }
  }
  double alturaPieza = 0;
  for (int k = 1; k <= Catalogo::NumCeldas(fila); ++k) {
    alturaPieza += kAlto - 1 - Fila(pos + cat_.Desplazamiento(fila, k));
  }
  alturaPieza /= Catalogo::NumCeldas(fila);
  const int filas = m.FilasQuitadas() - antes.FilasQuitadas() +
                    (juntas ? forma.Llenas() - Forma(antes, tope, true).Llenas() : 0);

  double v = -4.5 * alturaPieza + 3.4 * filas * 4 - 9.3 * transCol - 7.9 * agujeros;
  if (modo == Modo::Superpanic) {
    // The columns are shuffled after every landing: only what a shuffle
    // keeps is worth anything, an even stack above all.
    const double media = sumaAlturas / 11;
    v -= kPesoVarianza * (sumaCuadrados / 11 - media * media) + kPesoAgujeroSuper * agujeros;
  } else {
    v += -3.2 * transFila - 3.4 * pozos;
  }
  // Rows waiting for company still take room.
  if (juntas) v -= 6.0 * forma.Llenas();
  // A stack that nears the entry leaves less and less room to steer.
  if (tope == 0) {
    int alta = kAlto;
    for (int i = kAncho; i < kBaseFilaInferior; ++i) {
      if (Columna(i) >= 1 && Columna(i) <= 11 && !m.Libre(i)) {
        alta = Fila(i);
        break;
      }
    }
    const double peligro = std::max(0, kFilaPeligro - alta);
    v -= kPesoPeligro * peligro * peligro;
  }

  switch (modo) {
    case Modo::Clasico:
    case Modo::Panic:
    case Modo::Superpanic:
    case Modo::Rotator: {
      v += 20.0 * filas;
      break;
    }
    case Modo::Goteator: {
      const int gota = m.CeldaGota();
      int debajo = 0, vacias = 0;
      for (int r = Fila(gota) + 1; r < kAlto - 1; ++r) {
        debajo += Ocupada(m, r * kAncho + Columna(gota));
        vacias += VaciasEnFila(m, r);
      }
      v += -60.0 * debajo - 1.5 * vacias;
      break;
    }
    case Modo::RotatorPlus: {
      int vacias = 0;
      for (int r = tope; r < kAlto - 1; ++r) {
        bool conNeutro = false;
        for (int c = 1; c <= 11; ++c) conNeutro |= m[r * kAncho + c] == kMuro;
        if (conNeutro) vacias += VaciasEnFila(m, r) + SoporteQueFalta(m, r);
      }
      v += -80.0 * m.BloquesNeutros() - 3.0 * vacias;
      break;
    }
    case Modo::Juntator: {
      const int b = m.CeldaGota();
      const int p = m.CeldaRosa();
      if (b < 0 || p < 0) break;
      if (Fila(b) == Fila(p) && std::abs(b - p) == 1) {
        v += 300.0 - 12.0 * VaciasEnFila(m, Fila(b)) - 3.0 * SoporteQueFalta(m, Fila(b));
      } else {
        int distancia = 99;
        for (int lado : {p - 1, p + 1}) {
          if (Columna(lado) < 1 || Columna(lado) > 11) continue;
          distancia = std::min(distancia, std::abs(Fila(lado) - Fila(b)) +
                                              std::abs(Columna(lado) - Columna(b)));
        }
        v -= 15.0 * distancia;
      }
      break;
    }
    case Modo::Podator: {
      const int maceta = m.Maceta();
      if (maceta < 0) break;
      const int fila = Fila(maceta);
      // Free cells of the pot's row: under a cover they take a tuck, and
      // once no way down leads to them they take rows cleared first.
      const auto llegan = Alcanzables(m);
      int cubiertas = 0, selladas = 0;
      for (int c = 1; c <= 11; ++c) {
        const int i = fila * kAncho + c;
        if (!m.Libre(i)) continue;
        if (!llegan[static_cast<size_t>(i)]) {
          ++selladas;
          continue;
        }
        for (int k = i - kAncho; k >= 0; k -= kAncho) {
          if (Ocupada(m, k)) {
            ++cubiertas;
            break;
          }
        }
      }
      // A flower shut in on three sides turns red and then climbs through
      // everything above it: its danger is where that climb ends.
      const int punta = m.Punta();
      int filaPunta = Fila(punta);
      auto vacia = [&](int i) { return i >= 0 && i < kCeldas && m[i] == kLibre; };
      if (!vacia(punta - kAncho) && !vacia(punta - 1) && !vacia(punta + 1)) {
        int k = punta - kAncho;
        while (k >= 0 && !vacia(k)) k -= kAncho;
        filaPunta = k < 0 ? 0 : Fila(k);
        if (filaPunta < 13) v -= kGanado / 2;
      }
      const int peligro = std::max(0, kPodFila - filaPunta);
      v += -kPodVacia * VaciasEnFila(m, fila) - kPodCubierta * cubiertas - kPodSellada * selladas -
           kPodPeligro * peligro * peligro;
      break;
    }
  }
  return v;
}

JugadorAutomatico::Jugada JugadorAutomatico::Elegir(bool conGiros) const {
  const Modelo base(vista_, cat_);
  const int siguiente = vista_.FichaSiguiente();
  const Modo modo = base.modo();

  struct Candidata {
    Jugada jugada;
    Modelo modelo;
  };
  std::vector<Candidata> candidatas;
  for (const auto& giros : Giros(modo, conGiros && PuedeGirar())) {
    Modelo girado = base;
    for (bool g : giros) girado.Girar(g);
    if (girado.Perdido()) continue;
    const std::vector<Lugar> lugares = vista_.Ficha() == kFichaTorpedo
                                           ? Disparos(girado, vista_.Posicion())
                                           : Lugares(girado, cat_, vista_.Ficha(), vista_.Posicion(), RitmoAhora());
    for (const Lugar& l : lugares) {
      Modelo m = girado;
      if (girado.Ganado()) {
        candidatas.push_back({{giros, l.fila, l.pos, kGanado + 1}, m});
        continue;
      }
      m.Aterrizar(l.fila, l.pos, siguiente);
      candidatas.push_back({{giros, l.fila, l.pos, Valorar(girado, m, l.fila, l.pos)}, m});
    }
  }
  if (candidatas.empty()) return {};

  // The best few again with the preview piece, from the entry cell.
  std::sort(candidatas.begin(), candidatas.end(),
            [](const Candidata& a, const Candidata& b) { return a.jugada.valor > b.jugada.valor; });
  // Superpanic shuffles the columns before the next piece comes: what the
  // board will look like then is anybody's guess, so one piece is all the
  // player looks at.
  const size_t mejores = modo == Modo::Superpanic
                             ? 0
                             : std::min(candidatas.size(), static_cast<size_t>(kMejoresPrimeras));
  for (size_t k = 0; k < mejores; ++k) {
    Candidata& c = candidatas[k];
    if (c.modelo.Ganado() || c.modelo.Perdido()) continue;
    double mejor = -kGanado;
    for (const auto& giros : Giros(modo, c.modelo.Cuadrado())) {
      Modelo girado = c.modelo;
      for (bool g : giros) girado.Girar(g);
      if (girado.Perdido()) continue;
      if (girado.Ganado()) {
        mejor = kGanado;
        break;
      }
      const std::vector<Lugar> lugares = siguiente == kFichaTorpedo
                                             ? Disparos(girado, kCeldaEntrada)
                                             : Lugares(girado, cat_, siguiente, kCeldaEntrada, RitmoNueva());
      for (const Lugar& l : lugares) {
        Modelo m = girado;
        m.Aterrizar(l.fila, l.pos, -1);
        mejor = std::max(mejor, Valorar(girado, m, l.fila, l.pos));
      }
    }
    // A little of the first landing's own worth breaks ties in its favour.
    c.jugada.valor = mejor + 0.01 * c.jugada.valor;
  }
  std::stable_sort(candidatas.begin(), candidatas.begin() + static_cast<long>(mejores),
                   [](const Candidata& a, const Candidata& b) { return a.jugada.valor > b.jugada.valor; });
  return candidatas.front().jugada;
}

int JugadorAutomatico::Decidir() {
  fichaNueva_ = false;
  if (!vista_.Jugando() || vista_.Pausado() || !vista_.HayFicha() || vista_.FichaSoltada()) return 0;
  if (vista_.FichasEntradas() != fichaVista_ || vista_.NivelActual() != nivelVisto_) {
    fichaVista_ = vista_.FichasEntradas();
    nivelVisto_ = vista_.NivelActual();
    fichaNueva_ = true;
    pensando_ = true;
    plan_ = Elegir(true);
    pensando_ = false;
    giroSiguiente_ = 0;
    replaneado_ = false;
  }
  return SiguienteTecla();
}

int JugadorAutomatico::SiguienteTecla() {
  // The square's turns come first, each once the drop is at rest again.
  if (giroSiguiente_ < plan_.giros.size()) {
    if (vista_.CeldaMasBaja() > kCeldaMasBajaGiro) {
      plan_ = Elegir(false);  // too late to turn: make the best of it
      giroSiguiente_ = 0;
    } else if (GotaEnMovimiento() || !PuedeGirar()) {
      return 0;
    } else {
      const bool antihorario = plan_.giros[giroSiguiente_++];
      if (giroSiguiente_ == plan_.giros.size()) replaneado_ = false;
      return antihorario ? tecla::k3 : tecla::k4;
    }
  }
  // After the turns the board is what the game made of it: look again.
  if (!plan_.giros.empty() && !replaneado_) {
    if (GotaEnMovimiento()) return 0;
    plan_ = Elegir(false);
    plan_.giros.clear();
    replaneado_ = true;
  }
  if (plan_.fila < 0) return tecla::kEspacio;

  const Modelo m(vista_, cat_);
  const int fila = vista_.Ficha();
  const int pos = vista_.Posicion();
  if (fila == kFichaTorpedo) {
    // The torpedo is steered to its column and fired.
    const int columna = Columna(plan_.pos);
    if (Columna(pos) == columna) return tecla::kEspacio;
    const int paso = columna < Columna(pos) ? -1 : 1;
    if (!m.Libre(pos + paso)) return tecla::kEspacio;
    return paso < 0 ? tecla::kIzquierda : tecla::kDerecha;
  }

  int tecla = 0;
  Recorrido(m, cat_).Andar(fila, pos, [&](int f, int p, int8_t primero) {
    if (f != plan_.fila || m.Caida(f, p) != plan_.pos) return false;
    tecla = primero == kNinguno ? tecla::kEspacio : kTeclaDe[primero];
    return true;
  });
  if (tecla != 0) return tecla;
  // Out of reach now (the piece fell past a ledge): a new plan from here.
  plan_ = Elegir(false);
  if (plan_.fila < 0) return tecla::kEspacio;
  tecla = tecla::kEspacio;
  Recorrido(m, cat_).Andar(fila, pos, [&](int f, int p, int8_t primero) {
    if (f != plan_.fila || m.Caida(f, p) != plan_.pos) return false;
    if (primero != kNinguno) tecla = kTeclaDe[primero];
    return true;
  });
  return tecla;
}

}  // namespace tumbla
