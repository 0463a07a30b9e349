// The plant of the PODATOR levels: steering clear of dead ends, its stem
// pieces, being cut and growing again, and the top row.
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "Comprobaciones.h"
#include "Escena.h"

namespace tumbla {
namespace {

constexpr int Celda(int fila, int columna) { return fila * kAncho + columna; }

// The plant from its pot to its tip, as drawn on the board.
void PonerPlanta(Escena& s, std::initializer_list<int> celdas) {
  s.e().Planta.assign(celdas.begin(), celdas.end());
  s.e().CeldaGota = s.e().Planta.back();
  s.e().DireccionPlanta = 0;
  s.e().SegundosLimite = 300;
}

std::vector<int> Planta(const Escena& s) {
  return {s.juego->estado().Planta.begin(), s.juego->estado().Planta.end()};
}

int Lados(const Escena& s) { return Veces(s.plataforma.sorteos, Sorteo::Lado); }

// An upright I hard-dropped into column 11 and landed.
void PaloEnColumna11(Escena& s) {
  s.Entrar(63);
  for (int n = 0; n < 5; ++n) s.juego->TeclaPrincipal(tecla::kDerecha);
  s.juego->TeclaPrincipal(tecla::kEspacio);
  s.juego->TickJuego();
}

TEST(Planta, rowThroughTheStemCutsItAndItGrowsAgainFromTheCut) {
  // A row through the stem removes the plant above it, 15 points for each
  // plant cell the removal passes over; the first removed cell of the plant
  // becomes the new white flower, which grows on at once.
  Escena s;
  s.TableroVacio(Modo::Podator);
  s.Dibujar(15, {"...........",
                 ".....w.....",
                 ".....|.....",
                 ".....|.....",
                 "11111|1111.",
                 ".....|....1",
                 ".....|.....",
                 ".....|.....",
                 ".....m....."});
  PonerPlanta(s, {Celda(23, 6), Celda(22, 6), Celda(21, 6), Celda(20, 6), Celda(19, 6),
                  Celda(18, 6), Celda(17, 6), Celda(16, 6)});
  PaloEnColumna11(s);

  EXPECT_EQ(s.Filas(15, 23), Lineas({"...........",
                                     "...........",
                                     "..........7",
                                     ".....w....7",
                                     ".....|....7",
                                     ".....|....1",
                                     ".....|.....",
                                     ".....|.....",
                                     ".....m....."}));
  EXPECT_EQ(s.e().Puntos, 5 + 4 * 15 + 50);
  EXPECT_EQ(Planta(s), (std::vector<int>{Celda(23, 6), Celda(22, 6), Celda(21, 6), Celda(20, 6),
                                          Celda(19, 6), Celda(18, 6)}));
  EXPECT_TRUE(s.e().Jugando);
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");
}

TEST(Planta, rowThroughTheFlowerTakesThePlantBackToItsPot) {
  // A row through the white flower scores 30 more and removes every plant
  // cell above the pot; the plant starts again right above the pot.
  Escena s;
  s.TableroVacio(Modo::Podator);
  s.Dibujar(19, {"...........",
                 "1111wT1111.",
                 "....FJ....1",
                 "....|......",
                 "....m......"});
  PonerPlanta(s, {Celda(23, 5), Celda(22, 5), Celda(21, 5), Celda(21, 6), Celda(20, 6), Celda(20, 5)});
  PaloEnColumna11(s);

  EXPECT_EQ(s.Filas(17, 23), Lineas({"...........",
                                     "..........7",
                                     "..........7",
                                     "..........7",
                                     "....w.....1",
                                     "....|......",
                                     "....m......"}));
  EXPECT_EQ(s.e().Puntos, 5 + 30 + 2 * 15 + 50);
  EXPECT_EQ(Planta(s), (std::vector<int>{Celda(23, 5), Celda(22, 5), Celda(21, 5)}));
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");
}

TEST(Planta, eachStepAvoidsDeadEndsAndJoinsItsStemPieces) {
  // The flower grows up when the cell above is open, sideways (the drawn
  // side: 0 right, 1 left) past a dead end or a pocket closed under a
  // ceiling; the cell it leaves becomes the stem piece joining where the
  // plant came from to where it goes, and the step sets the new direction
  // and brings the next piece in.
  struct Caso {
    const char* nombre;
    int16_t direccion;
    const char* fila20;
    const char* fila21;
    const char* fila22;
    std::deque<int> lado;
    const char* esperado21;
    const char* esperado22;
    int16_t nuevaDireccion;
  };
  const Caso casos[] = {
      {"dead end, left", 0, "....111....", "....1.1....", ".....w.....", {1}, "....1.1....", "....wT.....", -1},
      {"dead end, right", 0, "....111....", "....1.1....", ".....w.....", {0}, "....1.1....", ".....Fw....", 1},
      {"closed pocket", 0, "...11111...", "...1...1...", ".....w.....", {0}, "...1...1...", ".....Fw....", 1},
      {"open pocket", 0, "...11111...", "...1.......", ".....w.....", {}, "...1.w.....", ".....|.....", 0},
      {"up after left", -1, "...........", "...........", ".....w-....", {}, ".....w.....", ".....L-....", 0},
      {"up after right", 1, "...........", "...........", "....-w.....", {}, ".....w.....", "....-J.....", 0},
      {"left after left", -1, "...........", ".....1.....", ".....w-....", {0}, ".....1.....", "....w--....", -1},
      {"right after right", 1, "...........", ".....1.....", "....-w.....", {1}, ".....1.....", "....--w....", 1},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    Escena s;
    s.TableroVacio(Modo::Podator);
    s.Dibujar(20, {caso.fila20, caso.fila21, caso.fila22, ".....m....."});
    PonerPlanta(s, {Celda(23, 6), Celda(22, 6)});
    s.e().DireccionPlanta = caso.direccion;
    s.plataforma.aleatorios = caso.lado;
    s.juego->PasoPlanta();
    EXPECT_EQ(s.Filas(21, 22), Lineas({caso.esperado21, caso.esperado22}));
    EXPECT_EQ(s.e().DireccionPlanta, caso.nuevaDireccion);
    EXPECT_EQ(Lados(s), static_cast<int>(caso.lado.size()));
    EXPECT_TRUE(s.e().FichaActiva);
  }
}

TEST(Planta, reachingTheTopRowLosesTheLevel) {
  // The flower growing into row 0 loses; so does a red flower climbing a
  // column filled to row 0: it ends in the top cell of its own column, every
  // block on the way turned into stem, and nothing else of the board moves.
  {
    Escena s;
    s.TableroVacio(Modo::Podator);
    s.Dibujar(0, {"...........", "....1w1....", ".....m....."});
    PonerPlanta(s, {Celda(2, 6), Celda(1, 6)});
    s.juego->PasoPlanta();
    EXPECT_EQ(s.Filas(0, 1), Lineas({".....w.....", "....1|1...."}));
    EXPECT_FALSE(s.e().Jugando);
    EXPECT_EQ(s.plataforma.cajas.back().texto, "GAME OVER");
  }
  {
    Escena s;
    s.TableroVacio(Modo::Podator);
    for (int fila = 0; fila <= 12; ++fila) s.Dibujar(fila, {".....4....."});
    s.Dibujar(13, {"....1R1....", ".....m....."});
    PonerPlanta(s, {Celda(14, 6), Celda(13, 6)});
    s.juego->PasoPlanta();
    EXPECT_EQ(s.Filas(0, 2), Lineas({".....w.....", ".....|.....", ".....|....."}));
    EXPECT_EQ(s.Filas(12, 14), Lineas({".....|.....", "....1|1....", ".....m....."}));
    EXPECT_EQ(s.e().CeldaGota, 6);
    EXPECT_EQ(s.e().tablero[0], kMuro);
    EXPECT_EQ(Planta(s).size(), 2u + 12u + 1u);
    EXPECT_EQ(Planta(s).back(), 6);
    EXPECT_FALSE(s.e().Jugando);
  }
}

}  // namespace
}  // namespace tumbla
