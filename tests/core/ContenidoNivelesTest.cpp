// The starting boards of all levels: every cell list is well formed and
// respects its level's rules, no level is decided before the player moves,
// every goal can still be reached, and each type gets harder as its number
// grows.
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
constexpr int kMaxCeldas = 80;

bool Jugable(int c) { return c >= 0 && c < kBaseFilaInferior + kAncho && Columna(c) >= 1 && Columna(c) <= 11; }

// One record with its cells sorted out by meaning.
struct Nivel {
  int registro = 0;
  std::string tipo;
  int numero = 0;
  int gota = 0;     // blue drop, 0 = none
  int rosa = 0;     // pink drop, 0 = none
  int raiz = 0;     // POD: the pot
  std::vector<int> bloques;
  std::string texto;

  std::string Nombre() const { return tipo + " " + std::to_string(numero); }
  bool Cuadrado() const { return tipo == "ROT" || tipo == "JUN"; }
  // Every cell taken at the start, drops and plant included.
  std::set<int> Ocupadas() const {
    std::set<int> o(bloques.begin(), bloques.end());
    if (gota > 0) o.insert(gota);
    if (rosa > 0) o.insert(rosa);
    if (raiz > 0) {
      o.insert(raiz);
      o.insert(raiz - kAncho);
    }
    return o;
  }
};

std::vector<Nivel> LeerNiveles(const CatalogoNiveles& cat) {
  std::vector<Nivel> v;
  for (int r = 1; r <= cat.UltimoRegistro(); ++r) {
    Nivel n;
    n.registro = r;
    n.tipo = cat.Dato(r, campo::kTipo);
    n.numero = cat.DatoNumero(r, campo::kNumero);
    n.texto = cat.Dato(r, campo::kCeldas);
    std::vector<int> celdas = cat.Celdas(r);
    if (n.tipo == "GOT" || n.tipo == "JUN") n.gota = cat.DatoNumero(r, campo::kGota);
    if (n.tipo == "JUN") n.rosa = cat.DatoNumero(r, campo::kGotaRosa);
    if (n.tipo == "POD" && !celdas.empty()) {
      n.raiz = celdas.front();
      celdas.erase(celdas.begin());
    }
    n.bloques = celdas;
    v.push_back(n);
  }
  return v;
}

bool Libre(const std::set<int>& o, int c) { return Jugable(c) && o.count(c) == 0; }

// Where a drop starting at `celda` comes to rest on the board `o` (which
// must not hold the drop itself).
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
    const int abajo = celda + kAncho;
    if (Libre(o, abajo)) pila.emplace_back(abajo, AbiertaArriba(o, abajo) ? 0 : t);
    for (int d : {-1, 1}) {
      const int lado = celda + d;
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

// Cells the plant can grow into from its flower (it never grows down).
std::set<int> EspacioPlanta(int flor, const std::set<int>& o) {
  std::set<int> vistas;
  std::vector<int> pila{flor};
  while (!pila.empty()) {
    const int x = pila.back();
    pila.pop_back();
    for (int y : {x - kAncho, x - 1, x + 1}) {
      if (Fila(y) >= kPrimeraCuadrado && Libre(o, y) && vistas.insert(y).second) pila.push_back(y);
    }
  }
  return vistas;
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

TEST_F(ContenidoNiveles, listsAreRunsOfThreeDigitPlayableCellsOffTheDropsAndThePlant) {
  for (const Nivel& n : niveles) {
    SCOPED_TRACE(n.Nombre());
    if (n.texto == "0") {
      EXPECT_TRUE(n.bloques.empty());
      continue;
    }
    EXPECT_EQ(n.texto.size() % 3, 0u) << n.texto;
    EXPECT_TRUE(std::all_of(n.texto.begin(), n.texto.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        << n.texto;
    EXPECT_LE(n.texto.size() / 3, static_cast<size_t>(kMaxCeldas));
    std::set<int> vistas;
    if (n.raiz > 0) vistas.insert(n.raiz);
    for (int c : n.bloques) {
      EXPECT_TRUE(Jugable(c)) << c;
      if (n.Cuadrado() || n.tipo == "POD") {
        EXPECT_GE(Fila(c), kPrimeraCuadrado) << c << " lies above the square";
      }
      EXPECT_TRUE(vistas.insert(c).second) << c << " twice";
      EXPECT_NE(c, n.gota);
      EXPECT_NE(c, n.rosa);
      if (n.raiz > 0) {
        EXPECT_NE(c, n.raiz - kAncho) << "block on the flower";
      }
    }
  }
}

TEST_F(ContenidoNiveles, everyDesignedLevelHasBlocksAndTheOthersNone) {
  // CLA 4-6 start on a little rubble, the other classic levels on an empty
  // board; every level of the other types has blocks of its own.
  for (const Nivel& n : niveles) {
    SCOPED_TRACE(n.Nombre());
    if (n.tipo == "CLA") {
      EXPECT_EQ(n.bloques.empty(), n.numero < 4 || n.numero > 6);
    } else {
      EXPECT_FALSE(n.bloques.empty());
    }
  }
  // The plus variant of the square board has something to remove.
  for (const Nivel* n : DelTipo("ROT")) EXPECT_GE(n->bloques.size(), 2u) << n->Nombre();
}

TEST_F(ContenidoNiveles, noRowIsFullAndNoSquareColumnIsSolidAtTheStart) {
  for (const Nivel& n : niveles) {
    SCOPED_TRACE(n.Nombre());
    const std::set<int> o = n.Ocupadas();
    for (int f = 0; f < 24; ++f) {
      int llenas = 0;
      for (int c = 1; c <= 11; ++c) llenas += o.count(f * kAncho + c) ? 1 : 0;
      EXPECT_LT(llenas, 11) << "row " << f;
    }
    if (n.Cuadrado()) {
      for (int c = 1; c <= 11; ++c) {
        int llenas = 0;
        for (int f = kPrimeraCuadrado; f < 24; ++f) llenas += o.count(f * kAncho + c) ? 1 : 0;
        EXPECT_LT(llenas, 11) << "column " << c;
      }
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
    const int tope = *std::min_element(n->bloques.begin(), n->bloques.end()) / kAncho;
    for (int f = tope; f < 24; ++f) {
      for (int c = 1; c <= 11; ++c) {
        const int x = f * kAncho + c;
        if (o.count(x) || (c == Columna(reposo) && f > Fila(reposo))) continue;
        EXPECT_TRUE(alcanzables.count(x)) << "cell " << x << " is sealed in";
      }
    }
  }
}

TEST_F(ContenidoNiveles, juntatorDropsStartApartWithRoomBesideThePinkDrop) {
  for (const Nivel* n : DelTipo("JUN")) {
    SCOPED_TRACE(n->Nombre());
    ASSERT_GT(n->gota, 0);
    ASSERT_GT(n->rosa, 0);
    std::set<int> o(n->bloques.begin(), n->bloques.end());
    o.insert(n->rosa);
    const int azul = Reposo(n->gota, o);
    EXPECT_FALSE(Fila(azul) == Fila(n->rosa) && std::abs(azul - n->rosa) == 1) << "the drops start joined";
    o.insert(azul);
    int libres = 0;
    for (int v : {n->rosa - 1, n->rosa + 1, n->rosa - kAncho, n->rosa + kAncho}) {
      libres += Fila(v) >= kPrimeraCuadrado && Libre(o, v) ? 1 : 0;
    }
    EXPECT_GE(libres, 1) << "the pink drop is walled in";
  }
}

TEST_F(ContenidoNiveles, podatorPlantHasRoomToGrowAndThePotRowCanBeFilled) {
  for (const Nivel* n : DelTipo("POD")) {
    SCOPED_TRACE(n->Nombre());
    ASSERT_GE(n->raiz, kBaseFilaInferior + 1);
    const int flor = n->raiz - kAncho;
    const std::set<int> o = n->Ocupadas();
    // Room to grow: at least one way out of the flower, and somewhere to go.
    std::set<int> sinFlor = o;
    sinFlor.erase(flor);
    EXPECT_TRUE(Libre(sinFlor, flor));
    EXPECT_GE(EspacioPlanta(flor, o).size(), 10u);
    // Every free cell of the pot's row can be reached by a piece.
    const std::set<int> alcanzables = Alcanzables(o);
    int libres = 0;
    for (int x = kBaseFilaInferior + 1; x <= kBaseFilaInferior + 11; ++x) {
      if (o.count(x)) continue;
      ++libres;
      EXPECT_TRUE(alcanzables.count(x)) << "cell " << x << " of the pot's row is sealed in";
    }
    EXPECT_GE(libres, 5) << "the pot's row is nearly full already";
  }
}

// A measure of difficulty per level: the number of blocks.
void ComprobarRampa(const std::vector<const Nivel*>& v, const char* tipo) {
  SCOPED_TRACE(tipo);
  ASSERT_GE(v.size(), 6u);
  std::vector<double> m;
  for (const Nivel* n : v) m.push_back(static_cast<double>(n->bloques.size()));
  for (size_t k = 1; k < m.size(); ++k) {
    const double margen = std::max(2.0, m[k - 1] / 4);
    EXPECT_GE(m[k], m[k - 1] - margen) << v[k]->Nombre() << " after " << v[k - 1]->Nombre();
  }
  const size_t tercio = m.size() / 3;
  const double primero = std::accumulate(m.begin(), m.begin() + static_cast<long>(tercio), 0.0) / tercio;
  const double ultimo = std::accumulate(m.end() - static_cast<long>(tercio), m.end(), 0.0) / tercio;
  EXPECT_GT(ultimo, primero * 1.5) << "the last third is not harder than the first";
}

TEST_F(ContenidoNiveles, eachTypeGetsHarderAsItsNumberGrows) {
  for (const char* tipo : {"ROT", "GOT", "JUN", "POD"}) ComprobarRampa(DelTipo(tipo), tipo);
  // The drop of the digging levels sits on a column of blocks that deepens:
  // one row to remove for each of them.
  const auto got = DelTipo("GOT");
  std::vector<int> hondo;
  for (const Nivel* n : got) {
    std::set<int> o(n->bloques.begin(), n->bloques.end());
    const int r = Reposo(n->gota, o);
    int k = 0;
    for (int x = r + kAncho; x < kBaseFilaInferior + kAncho; x += kAncho) k += o.count(x) ? 1 : 0;
    hondo.push_back(k);
  }
  // Some drops start low, with little room under them, so only the thirds
  // are compared.
  const size_t tercio = hondo.size() / 3;
  const int primero = std::accumulate(hondo.begin(), hondo.begin() + static_cast<long>(tercio), 0);
  const int ultimo = std::accumulate(hondo.end() - static_cast<long>(tercio), hondo.end(), 0);
  EXPECT_GT(ultimo, primero * 3 / 2);
}

// Starting every position for real.
class ArranqueNiveles : public ::testing::Test {
 protected:
  Escena s;
  void SetUp() override { s.juego->FijarJuegoFichas(0); }

  void Empezar(int p, int primera) {
    s.plataforma.aleatorios = {primera, 0};
    s.plataforma.cajas.clear();
    s.e().NivelActual = static_cast<int16_t>(p - 1);
    s.juego->EmpezarNivel();
  }
  // Runs the drop timer until the drop stops; the number of ticks.
  int AsentarGota() {
    int n = 0;
    if (!s.e().timGota.Enabled) return 0;
    do {
      s.juego->TickGota();
      ++n;
    } while (s.e().GotaCayendo && s.e().Jugando && n < 40);
    return n;
  }
  bool Perdido() { return !s.e().Jugando && !s.e().NivelTerminado; }
};

TEST_F(ArranqueNiveles, noLevelIsDecidedBeforeThePlayerMoves) {
  // All 296 positions: the drop settles and the first piece, of each of the
  // seven shapes, falls untouched. The level is neither won nor lost, unless
  // the record's own pink drop stands high in the way of the entering piece.
  const CatalogoNiveles& cat = s.juego->niveles();
  for (int p = 1; p <= kNumNiveles; ++p) {
    const std::string& clave = cat.Clave(p);
    SCOPED_TRACE(clave);
    for (int primera = 0; primera < 7; ++primera) {
      Empezar(p, primera);
      ASSERT_TRUE(s.e().Jugando);
      const int ticks = AsentarGota();
      EXPECT_LT(ticks, 40) << "the drop never stops";
      if (!s.e().Jugando) {
        ADD_FAILURE() << "decided by the drop alone";
        break;
      }
      if (s.e().timGota.Enabled) {
        EXPECT_EQ(s.e().tablero[s.e().CeldaGota], kGotaAzul);
      }
      const int rosa = s.e().ModoJuntator ? cat.DatoNumero(cat.Buscar("JUN", NumeroDeClave(clave)), campo::kGotaRosa) : 0;

      const int32_t puntos = s.e().Puntos;
      const int ticks2 = s.TicksHastaAterrizar(60);
      EXPECT_GE(ticks2, 8) << "the first piece falls a long way";
      EXPECT_TRUE(s.e().Puntos > puntos || !s.e().Jugando) << "the first piece lands";
      EXPECT_FALSE(s.e().NivelTerminado) << "won by the first piece, shape " << primera;
      if (Perdido()) {
        EXPECT_TRUE(rosa > 0 && Fila(rosa) <= 16 && Columna(rosa) >= 4 && Columna(rosa) <= 8)
            << "lost by the first piece, shape " << primera;
      }
    }
  }
}

TEST_F(ArranqueNiveles, goteatorDropsComeToRestAboveTheFloorWhereTheLevelPutsThem) {
  // Played for real, each digging level's drop stops on its blocks, short of
  // the floor, at the cell the board's layout says.
  const CatalogoNiveles& cat = s.juego->niveles();
  int vistos = 0;
  for (int p = 1; p <= kNumNiveles; ++p) {
    const std::string& clave = cat.Clave(p);
    if (GrupoDeClave(clave) != "GOTEA") continue;
    SCOPED_TRACE(clave);
    ++vistos;
    Empezar(p, 0);
    const int r = cat.Buscar("GOT", NumeroDeClave(clave));
    const std::vector<int> celdas = cat.Celdas(r);
    const int esperado = Reposo(cat.DatoNumero(r, campo::kGota), std::set<int>(celdas.begin(), celdas.end()));
    AsentarGota();
    EXPECT_EQ(s.e().CeldaGota, esperado);
    EXPECT_LT(s.e().CeldaGota, kBaseFilaInferior + 1);
    EXPECT_EQ(s.p().lblObjetivo.texto, "x1");
  }
  EXPECT_EQ(vistos, 40);
}

}  // namespace
}  // namespace tumbla
