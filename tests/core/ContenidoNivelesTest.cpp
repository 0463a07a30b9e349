// The starting boards of all levels: every cell list is well formed and
// respects its level's rules, no level is decided before the player moves,
// the digging levels can be dug out, and each type gets harder as its
// number grows.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "Escena.h"
#include "levels/Niveles.h"

namespace tumbla {
namespace {

constexpr int kPrimeraCuadrado = 13;  // top row of the square board

bool Jugable(int c) { return c >= 0 && c < kBaseFilaInferior + kAncho && Columna(c) >= 1 && Columna(c) <= 11; }
bool Libre(const std::set<int>& o, int c) { return Jugable(c) && o.count(c) == 0; }

// One record with its cells sorted out by meaning.
struct Nivel {
  std::string tipo;
  int numero = 0;
  int gota = 0;  // blue drop, 0 = none
  int rosa = 0;  // pink drop, 0 = none
  int raiz = 0;  // POD: the pot; the flower stands above it
  std::vector<int> bloques;
  std::string texto;

  std::string Nombre() const { return tipo + " " + std::to_string(numero); }
  bool Cuadrado() const { return tipo == "ROT" || tipo == "JUN" || tipo == "POD"; }
  std::set<int> Ocupadas() const {  // drops and plant included
    std::set<int> o(bloques.begin(), bloques.end());
    for (int c : {gota, rosa, raiz, raiz > 0 ? raiz - kAncho : 0}) {
      if (c > 0) o.insert(c);
    }
    return o;
  }
};

std::vector<Nivel> LeerNiveles(const CatalogoNiveles& cat) {
  std::vector<Nivel> v;
  for (int r = 1; r <= cat.UltimoRegistro(); ++r) {
    Nivel n;
    n.tipo = cat.Dato(r, campo::kTipo);
    n.numero = cat.DatoNumero(r, campo::kNumero);
    n.texto = cat.Dato(r, campo::kCeldas);
    n.bloques = cat.Celdas(r);
    if (n.tipo == "GOT" || n.tipo == "JUN") n.gota = cat.DatoNumero(r, campo::kGota);
    if (n.tipo == "JUN") n.rosa = cat.DatoNumero(r, campo::kGotaRosa);
    if (n.tipo == "POD" && !n.bloques.empty()) {
      n.raiz = n.bloques.front();
      n.bloques.erase(n.bloques.begin());
    }
    v.push_back(n);
  }
  return v;
}

// Where a drop starting at `celda` comes to rest on the board `o`.
int Reposo(int celda, const std::set<int>& o) {
  while (Libre(o, celda + kAncho)) celda += kAncho;
  return celda;
}

bool AbiertaArriba(const std::set<int>& o, int c) {
  for (int k = c - kAncho; k >= 0; k -= kAncho) {
    if (o.count(k)) return false;
  }
  return true;
}

// Free cells a piece can get to: falling straight down, or slipping
// sideways, at most two cells along a ceiling of blocks.
std::set<int> Alcanzables(const std::set<int>& o) {
  std::map<int, int> vistas;  // cell -> fewest sideways steps under cover
  std::vector<std::pair<int, int>> pila;
  for (int c = 1; c <= 11; ++c) {
    if (Libre(o, c)) pila.emplace_back(c, 0);
  }
  while (!pila.empty()) {
    const auto [celda, t] = pila.back();
    pila.pop_back();
    const auto it = vistas.find(celda);
    if (it != vistas.end() && it->second <= t) continue;
    vistas[celda] = t;
    if (Libre(o, celda + kAncho)) pila.emplace_back(celda + kAncho, AbiertaArriba(o, celda + kAncho) ? 0 : t);
    for (int lado : {celda - 1, celda + 1}) {
      if (!Libre(o, lado)) continue;
      // Only a step right under a block counts: in a taller hollow a piece
      // moves freely.
      const int t2 = AbiertaArriba(o, lado) ? 0 : o.count(lado - kAncho) ? t + 1 : t;
      if (t2 <= 2) pila.emplace_back(lado, t2);
    }
  }
  std::set<int> r;
  for (const auto& [c, t] : vistas) r.insert(c);
  return r;
}

// How many cells the plant can grow into from its flower (never down).
size_t EspacioPlanta(int flor, const std::set<int>& o) {
  std::set<int> vistas;
  std::vector<int> pila{flor};
  while (!pila.empty()) {
    const int x = pila.back();
    pila.pop_back();
    for (int y : {x - kAncho, x - 1, x + 1}) {
      if (Fila(y) >= kPrimeraCuadrado && Libre(o, y) && vistas.insert(y).second) pila.push_back(y);
    }
  }
  return vistas.size();
}

class ContenidoNiveles : public ::testing::Test {
 protected:
  CatalogoNiveles cat;
  std::vector<Nivel> niveles = LeerNiveles(cat);

  std::vector<const Nivel*> DelTipo(const std::string& tipo) const {
    std::vector<const Nivel*> v;
    for (const Nivel& n : niveles) {
      if (n.tipo == tipo) v.push_back(&n);
    }
    return v;
  }
};

TEST_F(ContenidoNiveles, listsAreRunsOfPlayableCellsOffTheDropsAndThePlantWithNoFullRow) {
  // Each list is "0" or runs of three digits, no cell twice, every cell
  // playable (in the square for ROT, JUN and POD) and off the drops, the pot
  // and the flower. CLA 4-6 start on a little rubble, the other classic
  // levels on an empty board, every other level on blocks of its own. No
  // row is full at the start, nor a column of the square.
  for (const Nivel& n : niveles) {
    SCOPED_TRACE(n.Nombre());
    EXPECT_EQ(n.bloques.empty(), n.tipo == "CLA" && (n.numero < 4 || n.numero > 6));
    if (n.texto != "0") {
      EXPECT_EQ(n.texto.size() % 3, 0u) << n.texto;
      EXPECT_LE(n.texto.size(), 3u * 80u);
      EXPECT_EQ(n.texto.find_first_not_of("0123456789"), std::string::npos) << n.texto;
    }
    std::set<int> vistas{n.raiz};
    for (int c : n.bloques) {
      EXPECT_TRUE(Jugable(c) && (!n.Cuadrado() || Fila(c) >= kPrimeraCuadrado)) << c;
      EXPECT_TRUE(vistas.insert(c).second) << c << " twice or on the pot";
      EXPECT_TRUE(c != n.gota && c != n.rosa && (n.raiz == 0 || c != n.raiz - kAncho)) << c;
    }
    const std::set<int> o = n.Ocupadas();
    auto llenas = [&](int desde, int paso) {
      int r = 0;
      for (int k = 0; k < 11; ++k) r += o.count(desde + k * paso) ? 1 : 0;
      return r;
    };
    for (int f = 0; f < 24; ++f) EXPECT_LT(llenas(f * kAncho + 1, 1), 11) << "row " << f;
    for (int c = 1; c <= 11 && (n.tipo == "ROT" || n.tipo == "JUN"); ++c) {
      EXPECT_LT(llenas(kPrimeraCuadrado * kAncho + c, kAncho), 11) << "column " << c;
    }
  }
}

TEST_F(ContenidoNiveles, goteatorDropRestsOnBlocksThatCanBeDugOut) {
  // The blue drop falls onto a block above the floor, and every hole in the
  // rubble can be reached by a piece, except the cells under the drop in
  // its own column, which it falls through.
  for (const Nivel* n : DelTipo("GOT")) {
    SCOPED_TRACE(n->Nombre());
    std::set<int> o(n->bloques.begin(), n->bloques.end());
    const int reposo = Reposo(n->gota, o);
    ASSERT_LT(Fila(reposo), 23) << "the drop falls to the floor by itself";
    EXPECT_TRUE(o.count(reposo + kAncho)) << "the drop rests on a block";
    o.insert(reposo);
    const std::set<int> alcanzables = Alcanzables(o);
    for (int x = *std::min_element(n->bloques.begin(), n->bloques.end()) / kAncho * kAncho;
         x < kBaseFilaInferior + kAncho; ++x) {
      if (!Libre(o, x) || (Columna(x) == Columna(reposo) && x > reposo)) continue;
      EXPECT_TRUE(alcanzables.count(x)) << "cell " << x << " is sealed in";
    }
  }
}

TEST_F(ContenidoNiveles, juntatorDropsStartApartAndThePlantHasRoomToGrow) {
  // Fallen to rest, the blue drop is not already beside the pink one. The
  // POD flower's cell is free of blocks and the plant has room to grow.
  for (const Nivel* n : DelTipo("JUN")) {
    SCOPED_TRACE(n->Nombre());
    ASSERT_TRUE(n->gota > 0 && n->rosa > 0);
    std::set<int> o(n->bloques.begin(), n->bloques.end());
    o.insert(n->rosa);
    const int azul = Reposo(n->gota, o);
    EXPECT_FALSE(Fila(azul) == Fila(n->rosa) && std::abs(azul - n->rosa) == 1) << "the drops start joined";
  }
  for (const Nivel* n : DelTipo("POD")) {
    SCOPED_TRACE(n->Nombre());
    ASSERT_GE(n->raiz, kBaseFilaInferior + 1);
    EXPECT_EQ(std::count(n->bloques.begin(), n->bloques.end(), n->raiz - kAncho), 0);
    EXPECT_GE(EspacioPlanta(n->raiz - kAncho, n->Ocupadas()), 10u);
  }
}

TEST_F(ContenidoNiveles, eachTypeGetsHarderAsItsNumberGrows) {
  // The number of blocks never drops by more than a quarter (or two) from
  // one level to the next, and the last third has half as many again as the
  // first.
  for (const char* tipo : {"ROT", "GOT", "JUN", "POD"}) {
    SCOPED_TRACE(tipo);
    const auto v = DelTipo(tipo);
    ASSERT_GE(v.size(), 6u);
    std::vector<double> m;
    for (const Nivel* n : v) m.push_back(static_cast<double>(n->bloques.size()));
    for (size_t k = 1; k < m.size(); ++k) {
      EXPECT_GE(m[k], m[k - 1] - std::max(2.0, m[k - 1] / 4)) << v[k]->Nombre();
    }
    const long tercio = static_cast<long>(m.size() / 3);
    const double primero = std::accumulate(m.begin(), m.begin() + tercio, 0.0);
    const double ultimo = std::accumulate(m.end() - tercio, m.end(), 0.0);
    EXPECT_GT(ultimo, primero * 1.5) << "the last third is not harder than the first";
  }
}

TEST(ArranqueNiveles, noLevelIsDecidedBeforeThePlayerMoves) {
  // All 296 positions started for real: the drop settles and the first
  // piece, of each of the seven shapes, falls untouched. The level is
  // neither won nor lost, unless the record's own pink drop stands high in
  // the way of the entering piece.
  Escena s;
  s.juego->FijarJuegoFichas(0);
  const CatalogoNiveles& cat = s.juego->niveles();
  for (int p = 1; p <= kNumNiveles; ++p) {
    const std::string& clave = cat.Clave(p);
    SCOPED_TRACE(clave);
    const int rosa = GrupoDeClave(clave) == "JUNTA"
                         ? cat.DatoNumero(cat.Buscar("JUN", NumeroDeClave(clave)), campo::kGotaRosa)
                         : 0;
    for (int primera = 0; primera < 7; ++primera) {
      s.plataforma.aleatorios = {primera, 0};
      s.e().NivelActual = static_cast<int16_t>(p - 1);
      s.juego->EmpezarNivel();
      ASSERT_TRUE(s.e().Jugando);
      for (int n = 0; s.e().timGota.Enabled && n < 40; ++n) {
        s.juego->TickGota();
        ASSERT_LT(n, 39) << "the drop never stops";
        if (!s.e().GotaCayendo) break;
      }
      ASSERT_TRUE(s.e().Jugando) << "decided by the drop alone";
      if (s.e().timGota.Enabled) {
        EXPECT_EQ(s.e().tablero[s.e().CeldaGota], kGotaAzul);
      }
      const int32_t puntos = s.e().Puntos;
      EXPECT_GE(s.TicksHastaAterrizar(60), 8) << "the first piece falls a long way";
      EXPECT_TRUE(s.e().Puntos > puntos || !s.e().Jugando) << "the first piece lands";
      EXPECT_FALSE(s.e().NivelTerminado) << "won by the first piece, shape " << primera;
      if (!s.e().Jugando && !s.e().NivelTerminado) {
        EXPECT_TRUE(rosa > 0 && Fila(rosa) <= 16 && Columna(rosa) >= 4 && Columna(rosa) <= 8)
            << "lost by the first piece, shape " << primera;
      }
    }
  }
}

}  // namespace
}  // namespace tumbla
