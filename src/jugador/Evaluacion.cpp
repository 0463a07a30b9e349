#include "jugador/Evaluacion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace tumbla {

namespace {

// Weights beyond the classic ones.
constexpr double kPesoVarianza = 20.0;        // Superpanic: uneven columns
constexpr double kPesoAgujeroSuper = 20.0;    // Superpanic: holes, on top of the rest
constexpr double kPesoVarianzaClasico = 5.0;  // CLASIC and Panic: the same, less
constexpr double kPesoAgujeroClasico = 10.0;
constexpr int kFilaPeligro = 10;            // a stack above this row is in danger...
constexpr double kPesoPeligro = 5.0;        // ...squared by the rows it climbs past it
constexpr double kPodVacia = 40;            // PODATOR: a free cell in the pot's row
constexpr double kPodCubierta = 12;         // ...with something above it
constexpr double kPodSellada = 8;           // ...a free cell no way down leads to
constexpr double kPodPeligro = 12;          // ...the plant's tip above kPodFila, squared
constexpr int kPodFila = 18;

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
      const bool llena = m.Llena(r);
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

int LlenasDesde(const Modelo& m, int tope) {
  int n = 0;
  for (int r = kAlto - 2; r >= tope; --r) n += m.Llena(r);
  return n;
}

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


// The classic measures of the stack's shape.
struct Medidas {
  int agujeros = 0;
  int transCol = 0;
  int transFila = 0;
  int pozos = 0;
  double sumaAlturas = 0;
  double sumaCuadrados = 0;
};

Medidas Medir(const Forma& forma, int tope) {
  Medidas d;
  for (int c = 1; c <= 11; ++c) {
    int primera = kAlto - 1;
    for (int r = tope; r < kAlto - 1; ++r) {
      if (forma.Ocupada(r * kAncho + c)) {
        primera = r;
        break;
      }
    }
    const int altura = kAlto - 1 - primera;
    d.sumaAlturas += altura;
    d.sumaCuadrados += altura * altura;
    bool anterior = false;
    int hondo = 0;
    for (int r = tope; r < kAlto - 1; ++r) {
      const int i = r * kAncho + c;
      const bool ocupada = forma.Ocupada(i);
      if (ocupada != anterior) ++d.transCol;
      anterior = ocupada;
      if (!ocupada && r > primera) ++d.agujeros;
      if (!ocupada && forma.Ocupada(i - 1) && forma.Ocupada(i + 1)) {
        d.pozos += ++hondo;
      } else {
        hondo = 0;
      }
    }
    if (!anterior) ++d.transCol;
  }
  for (int r = tope; r < kAlto - 1; ++r) {
    bool anterior = true;
    for (int c = 1; c <= 12; ++c) {
      const bool ocupada = forma.Ocupada(r * kAncho + c);
      if (ocupada != anterior) ++d.transFila;
      anterior = ocupada;
    }
  }
  return d;
}

double AlturaPieza(int fila, int pos) {
  double altura = 0;
  for (int k = 1; k <= Catalogo::NumCeldas(fila); ++k) {
    altura += kAlto - 1 - Fila(pos + Catalogo::Comun().Desplazamiento(fila, k));
  }
  return altura / Catalogo::NumCeldas(fila);
}

// A stack that nears the entry leaves less and less room to steer.
double PeligroArriba(const Modelo& m) {
  int alta = kAlto;
  for (int i = kAncho; i < kBaseFilaInferior; ++i) {
    if (Columna(i) >= 1 && Columna(i) <= 11 && !m.Libre(i)) {
      alta = Fila(i);
      break;
    }
  }
  const double peligro = std::max(0, kFilaPeligro - alta);
  return kPesoPeligro * peligro * peligro;
}

double ObjetivoGoteator(const Modelo& m) {
  const int gota = m.CeldaGota();
  int debajo = 0, vacias = 0;
  for (int r = Fila(gota) + 1; r < kAlto - 1; ++r) {
    debajo += Ocupada(m, r * kAncho + Columna(gota));
    vacias += VaciasEnFila(m, r);
  }
  return -60.0 * debajo - 1.5 * vacias;
}

double ObjetivoRotatorPlus(const Modelo& m) {
  int vacias = 0;
  for (int r = m.FilaTope(); r < kAlto - 1; ++r) {
    bool conNeutro = false;
    for (int c = 1; c <= 11; ++c) conNeutro |= m[r * kAncho + c] == kMuro;
    if (conNeutro) vacias += VaciasEnFila(m, r) + SoporteQueFalta(m, r);
  }
  return -80.0 * m.BloquesNeutros() - 3.0 * vacias;
}

double ObjetivoJuntator(const Modelo& m) {
  const int b = m.CeldaGota();
  const int p = m.CeldaRosa();
  if (b < 0 || p < 0) return 0;
  if (Fila(b) == Fila(p) && std::abs(b - p) == 1) {
    return 300.0 - 12.0 * VaciasEnFila(m, Fila(b)) - 3.0 * SoporteQueFalta(m, Fila(b));
  }
  int distancia = 99;
  for (int lado : {p - 1, p + 1}) {
    if (Columna(lado) < 1 || Columna(lado) > 11) continue;
    distancia = std::min(distancia, std::abs(Fila(lado) - Fila(b)) + std::abs(Columna(lado) - Columna(b)));
  }
  return -15.0 * distancia;
}

double ObjetivoPodator(const Modelo& m) {
  const int maceta = m.Maceta();
  if (maceta < 0) return 0;
  const int fila = Fila(maceta);
  // Free cells of the pot's row: under a cover they take a tuck, and once
  // no way down leads to them they take rows cleared first.
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
  double v = 0;
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
  return v - kPodVacia * VaciasEnFila(m, fila) - kPodCubierta * cubiertas - kPodSellada * selladas -
         kPodPeligro * peligro * peligro;
}

}  // namespace

double Valorar(const Modelo& antes, const Modelo& m, int fila, int pos) {
  if (m.Perdido()) return -kGanado;
  if (m.Ganado()) return kGanado;
  const int tope = m.FilaTope();
  const Modo modo = m.modo();
  // Where rows go only some at a time, a full row is as good as gone: the
  // shape is that of the stack without its full rows.
  const bool juntas = m.BorrarCada() > 1;
  const Forma forma(m, tope, juntas, m.Subida());
  const Medidas d = Medir(forma, tope);
  const int filas = m.FilasQuitadas() - antes.FilasQuitadas() +
                    (juntas ? forma.Llenas() - LlenasDesde(antes, tope) : 0);

  double v = -4.5 * AlturaPieza(fila, pos) + 3.4 * filas * 4 - 9.3 * d.transCol - 7.9 * d.agujeros;
  const double varianza = d.sumaCuadrados / 11 - (d.sumaAlturas / 11) * (d.sumaAlturas / 11);
  if (modo == Modo::Superpanic) {
    // The columns are shuffled after every landing: only what a shuffle
    // keeps is worth anything, an even stack above all.
    v -= kPesoVarianza * varianza + kPesoAgujeroSuper * d.agujeros;
  } else {
    v += -3.2 * d.transFila - 3.4 * d.pozos;
    // On the flat board the handicaps pile up late in the group: a stack
    // kept even and closed takes them best.
    if (modo == Modo::Clasico || modo == Modo::Panic) {
      v -= kPesoVarianzaClasico * varianza + kPesoAgujeroClasico * d.agujeros;
    }
  }
  // Rows waiting for company still take room.
  if (juntas) v -= 6.0 * forma.Llenas();
  if (tope == 0) v -= PeligroArriba(m);

  switch (modo) {
    case Modo::Clasico:
    case Modo::Panic:
    case Modo::Superpanic:
    case Modo::Rotator: return v + 20.0 * filas;
    case Modo::Goteator: return v + ObjetivoGoteator(m);
    case Modo::RotatorPlus: return v + ObjetivoRotatorPlus(m);
    case Modo::Juntator: return v + ObjetivoJuntator(m);
    case Modo::Podator: break;
  }
  return v + ObjetivoPodator(m);
}

}  // namespace tumbla
