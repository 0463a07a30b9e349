// The computer player on what a person sees alone, with no game behind it.
#include <gtest/gtest.h>

#include "Escena.h"
#include "jugador/JugadorAutomatico.h"

namespace tumbla {
namespace {

TEST(Jugador, veSoloElPanoramaYNoTocaUnaPiezaSoltadaNiUnaPartidaEnPausa) {
  // Four rows short of one block each in column 2, four rows to go: the
  // upright I in that gap wins, and its first key is Left. A dropped piece,
  // or a game not in play, gets no command.
  Panorama p;
  p.mesa = MesaDe(Modo::Clasico);
  for (int fila = 20; fila <= 23; ++fila) Dibujar(p.mesa.tablero, fila, {"#.#########"});
  p.mesa.lineasRestantes = 4;
  p.mesa.hayFicha = true;
  p.mesa.ficha = {63, kCeldaEntrada};
  p.mesa.siguiente = 77;
  p.enJuego = true;
  JugadorAutomatico jugador;
  const JugadorAutomatico::Jugada j = jugador.Elegir(p, false);
  EXPECT_EQ(j.fila, 63);
  EXPECT_EQ(j.pos, 22 * kAncho + 2);
  EXPECT_GE(j.valor, kGanado);
  EXPECT_EQ(jugador.Decidir(p), Comando::Izquierda);
  p.mesa.soltada = true;
  EXPECT_EQ(jugador.Decidir(p), Comando::Ninguno);
  p.mesa.soltada = false;
  p.enJuego = false;
  EXPECT_EQ(jugador.Decidir(p), Comando::Ninguno);
}

TEST(Jugador, aPasoDePersonaSabeCuantoLeQuedaALaPiezaParaCaer) {
  // An upright I on row 13 over column 6; a four-row target waits in
  // column 1, past a tower in columns 2 and 3 up to row 16. A row of fall
  // every 300 ms, a key every 80 ms from now: the piece passes the tower if
  // it does not fall before the third key, so only when it fell lately.
  Panorama p;
  p.mesa = MesaDe(Modo::Clasico);
  for (int fila = 16; fila <= 19; ++fila) Dibujar(p.mesa.tablero, fila, {".##........"});
  for (int fila = 20; fila <= 23; ++fila) Dibujar(p.mesa.tablero, fila, {".##########"});
  p.mesa.lineasRestantes = 4;
  p.mesa.hayFicha = true;
  p.mesa.ficha = {63, 13 * kAncho + 6};
  p.mesa.siguiente = 77;
  p.enJuego = true;
  p.intervaloMs = 300;
  JugadorAutomatico jugador;
  jugador.PonerRitmo(400, 80);
  // Seen 400 ms after it appeared (it fell 100 ms ago): the win is in reach.
  p.mesa.fichasEntradas = 1;
  EXPECT_EQ(jugador.Decidir(p, 400), Comando::Izquierda);
  EXPECT_GE(jugador.Elegir(p, false).valor, kGanado);
  // Seen 290 ms after: it falls before the second key and stops on the tower.
  p.mesa.fichasEntradas = 2;
  jugador.Decidir(p, 290);
  EXPECT_LT(jugador.Elegir(p, false).valor, kGanado);
}

TEST(Jugador, enSuperpanicMiraLaSiguientePiezaEnBarajadosDeMuestra) {
  // One row to go, short of a block in column 3; an O falls and an upright
  // I is next. The O cannot win, the I wins wherever the shuffle puts the
  // gap, unless the O covers it: with draws of the shuffle the player sees
  // that and keeps the gap open; without them it looks at the O alone. The
  // draws come from what it sees, so the same view gives the same choice.
  Panorama p;
  p.mesa = MesaDe(Modo::Superpanic);
  Dibujar(p.mesa.tablero, 23, {"##.########"});
  p.mesa.lineasRestantes = 1;
  p.mesa.hayFicha = true;
  p.mesa.ficha = {77, kCeldaEntrada};
  p.mesa.siguiente = 63;
  p.mesa.fichasEntradas = 5;
  p.enJuego = true;
  TablaPesos pesos = PesosPropios();
  Pesos& w = pesos.De(Modo::Superpanic);
  w[Medida::Primera] = 0;
  w[Medida::Muestras] = 0;
  JugadorAutomatico jugador;
  jugador.PonerPesos(&pesos);
  EXPECT_LT(jugador.Elegir(p, false).valor, kGanado / 2);

  w[Medida::Muestras] = 4;
  const JugadorAutomatico::Jugada j = jugador.Elegir(p, false);
  EXPECT_GE(j.valor, kGanado);
  EXPECT_NE(Columna(j.pos), 3);
  EXPECT_NE(Columna(j.pos) - 1, 3);
  JugadorAutomatico otro;
  otro.PonerPesos(&pesos);
  const JugadorAutomatico::Jugada k = otro.Elegir(p, false);
  EXPECT_EQ(k.pos, j.pos);
  EXPECT_EQ(k.valor, j.valor);
}

}  // namespace
}  // namespace tumbla
