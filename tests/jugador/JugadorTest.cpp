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

}  // namespace
}  // namespace tumbla
