// The group rules played on a table, the way the engine and the computer
// player both play them: a board drawn as text, the steps of the rules, and
// what they say happened.
#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "Escena.h"
#include "game/Pasos.h"
#include "game/Reglas.h"
#include "game/Sonidos.h"

namespace tumbla {
namespace {

// Draws from a queue (0 when it is empty), noting what was drawn.
struct AzarFijo : Azar {
  std::deque<int> valores;
  std::vector<Sorteo> pedidos;
  int Sortear(Sorteo s, int n) override {
    pedidos.push_back(s);
    const int v = valores.empty() ? 0 : valores.front();
    if (!valores.empty()) valores.pop_front();
    return v % n;
  }
};

std::vector<int> Sonidos(const Suceso& s) { return {s.sonidos.begin(), s.sonidos.begin() + s.numSonidos}; }

TEST(Reglas, unaPiezaSoltadaYaNoSeMueveYElPasoSiguienteLaPosaDondeSeVe) {
  // After the drop, shifts, a row down and a second drop do nothing; a turn
  // fails and spends the drop's hold; the gravity step lands the piece
  // where it shows. A torpedo fires through the stack, with its sound.
  Mesa m = MesaDe(Modo::Goteator);
  AzarFijo azar;
  Dibujar(m.tablero, 22, {".....#...#.", "11111.11111"});
  m.hayFicha = true;
  m.ficha = {78, kCeldaEntrada + 4};
  Suceso s;
  Actuar(m, Comando::Soltar, azar, s);
  const Pieza abajo = m.ficha;
  EXPECT_EQ(Fila(abajo.posicion), 21);  // on the block in column 10
  for (Comando c : {Comando::Izquierda, Comando::Derecha, Comando::Abajo, Comando::Soltar}) {
    Actuar(m, c, azar, s);
    EXPECT_EQ(m.ficha, abajo);
    EXPECT_TRUE(m.soltada);
  }
  Actuar(m, Comando::GirarAlReves, azar, s);
  EXPECT_EQ(m.ficha, abajo);
  EXPECT_FALSE(m.soltada);
  EXPECT_EQ(s.numSonidos, 0);
  Caer(m, azar, s);
  EXPECT_TRUE(s.aterrizo);
  for (int k = 0; k < abajo.NumCeldas(); ++k) EXPECT_EQ(m.tablero[abajo.Celda(k)], abajo.Color());

  m.ficha = {kFichaTorpedo, 20 * kAncho + 6};
  s = {};
  Actuar(m, Comando::Soltar, azar, s);
  EXPECT_EQ(m.ficha.posicion, 23 * kAncho + 6);  // through row 22, into the gap
  EXPECT_EQ(Sonidos(s), std::vector<int>{sonido::kTorpedoOBloque});
}

TEST(Reglas, laGotaEsperaBajoLaFichaYEnElSueloCumpleElObjetivo) {
  // The blue drop does not enter a cell the falling piece covers; then it
  // falls a row per tick, with its sound, and the floor meets the objective.
  Mesa m = MesaDe(Modo::Goteator);
  AzarFijo azar;
  Dibujar(m.tablero, 20, {"....b......"});
  m.celdaGota = 20 * kAncho + 5;
  m.hayFicha = true;
  m.ficha = {78, 22 * kAncho + 5};  // a T whose cells cover the one below the drop
  Suceso s;
  PasoGota(m, azar, s);
  EXPECT_EQ(m.celdaGota, 20 * kAncho + 5);
  EXPECT_EQ(s.numSonidos, 0);
  m.ficha.posicion = kCeldaEntrada;
  for (int fila = 21; fila <= 23; ++fila) {
    s = {};
    PasoGota(m, azar, s);
    EXPECT_EQ(m.celdaGota, fila * kAncho + 5);
    EXPECT_EQ(Sonidos(s), std::vector<int>{sonido::kGota});
    EXPECT_EQ(s.cumplido, fila == 23);
  }
  EXPECT_EQ(m.tablero[23 * kAncho + 5], kGotaAzul);
  EXPECT_EQ(m.tablero[20 * kAncho + 5], kLibre);
}

TEST(Reglas, losBloquesExtraNiCompletanFilaNiCaenBajoLaFicha) {
  // Column 1 would complete row 23 and the piece covers columns 4..7: the
  // draw picks among the other six. With no column left nothing is drawn,
  // placed or heard.
  Mesa m = MesaDe(Modo::Clasico);
  AzarFijo azar;
  azar.valores = {2};
  Dibujar(m.tablero, 23, {".1111111111"});
  m.hayFicha = true;
  m.ficha = {64, 22 * kAncho + 6};
  Suceso s;
  PasoBloqueExtra(m, azar, s);
  EXPECT_EQ(m.tablero[22 * kAncho + 8], kMuro);
  EXPECT_EQ(m.tablero.Ocupadas(22 * kAncho), 3);
  EXPECT_EQ(Sonidos(s), std::vector<int>{sonido::kTorpedoOBloque});

  m.tablero.Amurallar();
  Dibujar(m.tablero, 0, {"##########."});
  Dibujar(m.tablero, 23, {"##########."});
  azar.pedidos.clear();
  s = {};
  PasoBloqueExtra(m, azar, s);
  EXPECT_TRUE(azar.pedidos.empty());
  EXPECT_EQ(s.numSonidos, 0);
}

TEST(Reglas, laFlorRojaQueSubePorUnaColumnaLlenaLlegaArribaYPierde) {
  // Shut in on three sides, a red flower climbs through every block above
  // it; a column filled to the top takes it into the top row: the landing
  // that made it grow loses the level.
  Mesa m = MesaDe(Modo::Podator);
  AzarFijo azar;
  for (int fila = 0; fila < 22; ++fila) Dibujar(m.tablero, fila, {".....#....."});
  Dibujar(m.tablero, 22, {"....#R#....", ".....m....."});
  m.planta = {23 * kAncho + 6, 22 * kAncho + 6};
  m.celdaGota = m.planta.back();
  m.hayFicha = true;
  m.ficha = {77, 22 * kAncho + 1};  // the O lands in the corner
  Suceso s;
  Caer(m, azar, s);
  EXPECT_TRUE(s.aterrizo);
  EXPECT_EQ(s.derrota, Derrota::Planta);
  EXPECT_EQ(m.celdaGota, 6);
  EXPECT_EQ(m.tablero[6], kFlorBlanca);
  EXPECT_EQ(m.tablero[kAncho + 6], kTalloVertical);
  EXPECT_EQ(m.planta.size(), 24u);  // pot, flower, the 21 blocks it climbed, the top cell
}

TEST(Reglas, laSubidaEmpujaLaPilaContraLaFichaQueCae) {
  // On a rising board the rows a landing clears owe a step up, taken at the
  // end of the tick, after the next piece has entered: a stack that reaches
  // the entry climbs into it, and the next tick, unable to move it, loses.
  Mesa m = MesaDe(Modo::Clasico);
  AzarFijo azar;
  m.subida = {1, 1, 0};
  m.lineasRestantes = 50;
  for (int fila = 1; fila < kAlto - 1; ++fila) Dibujar(m.tablero, fila, {"#.#########"});
  m.siguiente = 77;  // an O, entering over columns 5 and 6 of rows 1 and 2
  m.hayFicha = true;
  m.ficha = {63, 22 * kAncho + 2};  // an upright I in the gap, filling rows 20..23
  Suceso s;
  Caer(m, azar, s);
  ASSERT_TRUE(s.aterrizo && !s.Termina());
  EXPECT_EQ(s.filas, 4);
  const int fila = sonido::kFila;
  EXPECT_EQ(Sonidos(s), (std::vector<int>{sonido::kAterrizaje, fila, fila, fila, fila}));
  ASSERT_TRUE(m.hayFicha);
  EXPECT_FALSE(m.tablero.Cabe(m.ficha));  // four steps up: the stack now reaches the entry
  s = {};
  Caer(m, azar, s);
  EXPECT_TRUE(s.aterrizo);
  EXPECT_EQ(s.derrota, Derrota::Entrada);
}

}  // namespace
}  // namespace tumbla
