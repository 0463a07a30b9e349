#include "jugador/Evaluacion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace tumbla {

namespace {

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
  int alturaMax = 0;
  int filasConAgujero = 0;
  int sepultadas = 0;  // taken cells above a hole of their column
  int casiLlenas = 0;  // rows short of one or two blocks
};

Medidas Medir(const Forma& forma, int tope) {
  Medidas d;
  std::array<bool, kAlto> conAgujero{};
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
    d.alturaMax = std::max(d.alturaMax, altura);
    bool anterior = false;
    int hondo = 0;
    int encima = 0;  // taken cells of the column so far, from the top
    for (int r = tope; r < kAlto - 1; ++r) {
      const int i = r * kAncho + c;
      const bool ocupada = forma.Ocupada(i);
      if (ocupada != anterior) ++d.transCol;
      anterior = ocupada;
      encima += ocupada;
      if (!ocupada && r > primera) {
        ++d.agujeros;
        conAgujero[static_cast<size_t>(r)] = true;
        d.sepultadas += encima;
        encima = 0;
      }
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
    int libres = 0;
    for (int c = 1; c <= 12; ++c) {
      const bool ocupada = forma.Ocupada(r * kAncho + c);
      if (ocupada != anterior) ++d.transFila;
      anterior = ocupada;
      libres += !ocupada;
    }
    d.filasConAgujero += conAgujero[static_cast<size_t>(r)];
    d.casiLlenas += libres == 1 || libres == 2;
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
double PeligroArriba(const Modelo& m, const Pesos& w) {
  int alta = kAlto;
  for (int i = kAncho; i < kBaseFilaInferior; ++i) {
    if (Columna(i) >= 1 && Columna(i) <= 11 && !m.Libre(i)) {
      alta = Fila(i);
      break;
    }
  }
  const double peligro = std::max(0.0, w[Medida::FilaPeligro] - alta);
  return w[Medida::Peligro] * peligro * peligro;
}

double ObjetivoGoteator(const Modelo& m, const Pesos& w) {
  const int gota = m.CeldaGota();
  int debajo = 0, vacias = 0;
  for (int r = Fila(gota) + 1; r < kAlto - 1; ++r) {
    debajo += Ocupada(m, r * kAncho + Columna(gota));
    vacias += VaciasEnFila(m, r);
  }
  return w[Medida::GotaDebajo] * debajo + w[Medida::GotaVacias] * vacias;
}

double ObjetivoRotatorPlus(const Modelo& m, const Pesos& w) {
  int vacias = 0;
  for (int r = m.FilaTope(); r < kAlto - 1; ++r) {
    bool conNeutro = false;
    for (int c = 1; c <= 11; ++c) conNeutro |= m[r * kAncho + c] == kMuro;
    if (conNeutro) vacias += VaciasEnFila(m, r) + SoporteQueFalta(m, r);
  }
  return w[Medida::Neutros] * m.BloquesNeutros() + w[Medida::NeutroVacias] * vacias;
}

double ObjetivoJuntator(const Modelo& m, const Pesos& w) {
  const int b = m.CeldaGota();
  const int p = m.CeldaRosa();
  if (b < 0 || p < 0) return 0;
  if (Fila(b) == Fila(p) && std::abs(b - p) == 1) {
    return w[Medida::Junta] + w[Medida::JuntaVacias] * VaciasEnFila(m, Fila(b)) +
           w[Medida::JuntaSoporte] * SoporteQueFalta(m, Fila(b));
  }
  int distancia = 99;
  for (int lado : {p - 1, p + 1}) {
    if (Columna(lado) < 1 || Columna(lado) > 11) continue;
    distancia = std::min(distancia, std::abs(Fila(lado) - Fila(b)) + std::abs(Columna(lado) - Columna(b)));
  }
  return w[Medida::JuntaDistancia] * distancia;
}

double ObjetivoPodator(const Modelo& m, const Pesos& w) {
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
  const double peligro = std::max(0.0, w[Medida::PodFila] - filaPunta);
  return v + w[Medida::PodVacia] * VaciasEnFila(m, fila) + w[Medida::PodCubierta] * cubiertas +
         w[Medida::PodSellada] * selladas + w[Medida::PodPeligro] * peligro * peligro;
}

}  // namespace

double Valorar(const Modelo& antes, const Modelo& m, int fila, int pos, const Pesos& w) {
  if (m.Perdido()) return -kGanado;
  if (m.Ganado()) return kGanado;
  const int tope = m.FilaTope();
  // Where rows go only some at a time, a full row is as good as gone: the
  // shape is that of the stack without its full rows, and they count as
  // cleared (and, for the room they take, as waiting).
  const bool juntas = m.BorrarCada() > 1;
  const Forma forma(m, tope, juntas, m.Subida());
  const Medidas d = Medir(forma, tope);
  const int filas = m.FilasQuitadas() - antes.FilasQuitadas() +
                    (juntas ? forma.Llenas() - LlenasDesde(antes, tope) : 0);
  const double varianza = d.sumaCuadrados / 11 - (d.sumaAlturas / 11) * (d.sumaAlturas / 11);

  double v = w[Medida::Altura] * AlturaPieza(fila, pos) + w[Medida::Filas] * filas + w[Medida::TransCol] * d.transCol +
             w[Medida::TransFila] * d.transFila + w[Medida::Agujeros] * d.agujeros + w[Medida::Pozos] * d.pozos +
             w[Medida::Varianza] * varianza + w[Medida::AlturaMax] * d.alturaMax +
             w[Medida::FilasConAgujero] * d.filasConAgujero + w[Medida::Sepultadas] * d.sepultadas +
             w[Medida::CasiLlenas] * d.casiLlenas;
  if (juntas) v += w[Medida::Esperando] * forma.Llenas();
  if (tope == 0) v += PeligroArriba(m, w);

  switch (m.modo()) {
    case Modo::Goteator: return v + ObjetivoGoteator(m, w);
    case Modo::RotatorPlus: return v + ObjetivoRotatorPlus(m, w);
    case Modo::Juntator: return v + ObjetivoJuntator(m, w);
    case Modo::Podator: return v + ObjetivoPodator(m, w);
    default: return v;
  }
}

}  // namespace tumbla
