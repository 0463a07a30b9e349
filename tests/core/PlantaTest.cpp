// The plant of the PODATOR levels: growing, changing colour, climbing,
// steering clear of dead ends, being cut and growing again, and the top row.
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

// Hard-drops the falling O (row 77) with its left half in that column and
// lands it; the piece that comes in next is an O again.
void SoltarO(Escena& s, int columnaIzquierda) {
  ASSERT_EQ(s.e().Ficha, 77);
  while (Columna(s.e().Posicion) - 1 > columnaIzquierda) s.juego->TeclaPrincipal(tecla::kIzquierda);
  while (Columna(s.e().Posicion) - 1 < columnaIzquierda) s.juego->TeclaPrincipal(tecla::kDerecha);
  s.e().FichaSiguiente = 77;
  s.juego->TeclaPrincipal(tecla::kEspacio);
  s.juego->TickJuego();
  ASSERT_TRUE(s.e().Jugando);
  ASSERT_EQ(s.e().Posicion, kCeldaEntrada);
}

TEST(Planta, hemmedInFlowerTurnsYellowRedThenClimbsAndGrowsOn) {
  // Walled in on three sides, the flower turns yellow, then red, then climbs
  // through the three blocks above it (each becoming stem) to the first free
  // cell. Then it grows up while it can, sideways under a block (the side
  // drawn), and up again, with the stem pieces that join each turn.
  Escena s;
  s.TableroVacio(Modo::Podator);
  s.Dibujar(16, {".....3.....",
                 "...........",
                 "...........",
                 ".....2.....",
                 ".....1.....",
                 "....111....",
                 "....1w1....",
                 ".....m....."});
  PonerPlanta(s, {Celda(23, 6), Celda(22, 6)});
  s.Entrar(77);

  SoltarO(s, 1);
  EXPECT_EQ(s.Filas(22, 22), "22..1y1....\n");
  SoltarO(s, 10);
  EXPECT_EQ(s.Filas(22, 22), "22..1R1..22\n");
  SoltarO(s, 1);
  EXPECT_EQ(s.Filas(16, 23), Lineas({".....3.....",
                                     "...........",
                                     ".....w.....",
                                     ".....|.....",
                                     "22...|.....",
                                     "22..1|1....",
                                     "22..1|1..22",
                                     "22...m...22"}));
  EXPECT_EQ(Planta(s), (std::vector<int>{Celda(23, 6), Celda(22, 6), Celda(21, 6), Celda(20, 6),
                                          Celda(19, 6), Celda(18, 6)}));
  EXPECT_EQ(s.e().CeldaGota, Celda(18, 6));

  SoltarO(s, 10);
  EXPECT_EQ(s.Filas(16, 18), Lineas({".....3.....", ".....w.....", ".....|....."}));
  EXPECT_EQ(Lados(s), 0);  // a free cell above is taken without a draw

  s.plataforma.aleatorios = {0};  // the side: right
  SoltarO(s, 1);
  EXPECT_EQ(Lados(s), 1);
  EXPECT_EQ(s.Filas(16, 18), Lineas({".....3.....", ".....Fw....", "22...|....."}));
  EXPECT_EQ(s.e().DireccionPlanta, 1);

  SoltarO(s, 10);
  EXPECT_EQ(s.Filas(15, 23), Lineas({"...........",
                                     ".....3w....",
                                     ".....FJ....",
                                     "22...|...22",
                                     "22...|...22",
                                     "22...|...22",
                                     "22..1|1..22",
                                     "22..1|1..22",
                                     "22...m...22"}));
  EXPECT_EQ(s.e().DireccionPlanta, 0);
  EXPECT_EQ(s.e().CeldaGota, Celda(16, 7));
  EXPECT_EQ(Planta(s).size(), 9u);
  EXPECT_EQ(s.e().Puntos, 6 * 5);
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");
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
  s.Entrar(63);  // vertical I
  for (int n = 0; n < 5; ++n) s.juego->TeclaPrincipal(tecla::kDerecha);
  s.juego->TeclaPrincipal(tecla::kEspacio);
  s.juego->TickJuego();

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
  EXPECT_EQ(s.e().CeldaGota, Celda(18, 6));
  EXPECT_EQ(s.e().DireccionPlanta, 0);
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
  s.Entrar(63);
  for (int n = 0; n < 5; ++n) s.juego->TeclaPrincipal(tecla::kDerecha);
  s.juego->TeclaPrincipal(tecla::kEspacio);
  s.juego->TickJuego();

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

TEST(Planta, deadEndsAndClosedPocketsAreAvoided) {
  // A free cell above the flower that leads nowhere, or that opens into a
  // pocket closed under a ceiling, is passed over for a side cell; the drawn
  // side decides (0 right, 1 left). An open space above is taken at once.
  struct Caso {
    const char* nombre;
    const char* fila20;
    const char* fila21;
    std::deque<int> lado;
    const char* esperado21;
    const char* esperado22;
  };
  const Caso casos[] = {
      {"dead end, left", "....111....", "....1.1....", {1}, "....1.1....", "....wT....."},
      {"dead end, right", "....111....", "....1.1....", {0}, "....1.1....", ".....Fw...."},
      {"closed pocket", "...11111...", "...1...1...", {0}, "...1...1...", ".....Fw...."},
      {"open pocket", "...11111...", "...1.......", {}, "...1.w.....", ".....|....."},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    Escena s;
    s.TableroVacio(Modo::Podator);
    s.Dibujar(20, {caso.fila20, caso.fila21, ".....w.....", ".....m....."});
    PonerPlanta(s, {Celda(23, 6), Celda(22, 6)});
    s.plataforma.aleatorios = caso.lado;
    s.juego->PasoPlanta();
    EXPECT_EQ(s.Filas(21, 22), Lineas({caso.esperado21, caso.esperado22}));
    EXPECT_EQ(Lados(s), static_cast<int>(caso.lado.size()));
    EXPECT_TRUE(s.e().FichaActiva);  // the step brings the next piece in
  }
}

TEST(Planta, stemPiecesJoinTheLastStepToTheNext) {
  // The cell the flower leaves becomes the stem piece that joins where the
  // plant came from to where it goes, and the step sets the new direction.
  struct Caso {
    const char* nombre;
    int16_t direccion;
    const char* fila21;
    const char* fila22;
    std::deque<int> lado;
    const char* esperado21;
    const char* esperado22;
    int16_t nuevaDireccion;
  };
  const Caso casos[] = {
      {"up after up", 0, "...........", ".....w.....", {}, ".....w.....", ".....|.....", 0},
      {"up after left", -1, "...........", ".....w-....", {}, ".....w.....", ".....L-....", 0},
      {"up after right", 1, "...........", "....-w.....", {}, ".....w.....", "....-J.....", 0},
      {"left after left", -1, ".....1.....", ".....w-....", {0}, ".....1.....", "....w--....", -1},
      {"right after right", 1, ".....1.....", "....-w.....", {1}, ".....1.....", "....--w....", 1},
      {"left after up", 0, ".....1.....", ".....w.....", {1}, ".....1.....", "....wT.....", -1},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    Escena s;
    s.TableroVacio(Modo::Podator);
    s.Dibujar(21, {caso.fila21, caso.fila22, "...m......."});
    PonerPlanta(s, {Celda(23, 4), Celda(22, 6)});
    s.e().DireccionPlanta = caso.direccion;
    s.plataforma.aleatorios = caso.lado;
    s.juego->PasoPlanta();
    EXPECT_EQ(s.Filas(21, 22), Lineas({caso.esperado21, caso.esperado22}));
    EXPECT_EQ(s.e().DireccionPlanta, caso.nuevaDireccion);
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
