// Turning the square board with the keys 3 and 4.
#include <gtest/gtest.h>

#include "Comprobaciones.h"
#include "Escena.h"

namespace tumbla {
namespace {

std::string Cuadrado(const Escena& s) { return s.Filas(13, 23); }

TEST(Rotacion, quarterTurnsGoBothWaysAndFourRestoreTheSquare) {
  // Key 3 turns counter-clockwise (the left column becomes the bottom row),
  // key 4 clockwise (it becomes the top row); four turns the same way, or 3
  // then 4, give the square back. Sound 105 plays once per turn.
  Escena s;
  s.TableroVacio(Modo::Rotator);
  s.Dibujar(13, {"...........",
                 "...4.......",
                 "...........",
                 "......5....",
                 "...........",
                 "...........",
                 "...........",
                 "...........",
                 "1..........",
                 "1..........",
                 "12........."});
  const std::string inicial = Cuadrado(s);

  s.juego->TeclaPrincipal(tecla::k3);
  EXPECT_EQ(s.Filas(20, 23), Lineas({".4.........",
                                     "...........",
                                     "..........2",
                                     "........111"}));
  EXPECT_EQ(s.Filas(17, 17), "...5.......\n");
  EXPECT_EQ(Veces(s.plataforma.sonidos, sonido::kGiroTablero), 1);
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");

  for (int n = 0; n < 3; ++n) s.juego->TeclaPrincipal(tecla::k3);
  EXPECT_EQ(Cuadrado(s), inicial);
  EXPECT_EQ(Veces(s.plataforma.sonidos, sonido::kGiroTablero), 4);

  s.juego->TeclaPrincipal(tecla::k4);
  EXPECT_EQ(s.Filas(13, 14), Lineas({"111........", "2.........."}));
  s.juego->TeclaPrincipal(tecla::k3);
  EXPECT_EQ(Cuadrado(s), inicial);
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");
  EXPECT_EQ(s.e().Puntos, 0);
}

TEST(Rotacion, turnIsRefusedSilentlyWhenNotAllowed) {
  // No turn while the drop falls, once the piece has reached row 13, while
  // paused, or outside the square-board modes: the board and the sounds
  // stay as they were.
  auto intento = [](Modo modo, auto&& preparar) {
    Escena s;
    s.TableroVacio(modo);
    s.Dibujar(23, {"1.........."});
    preparar(s.e());
    const std::string antes = s.Filas(13, 23);
    s.juego->TeclaPrincipal(tecla::k3);
    s.juego->TeclaPrincipal(tecla::k4);
    EXPECT_EQ(s.Filas(13, 23), antes);
    EXPECT_TRUE(s.plataforma.sonidos.empty());
  };
  intento(Modo::Juntator, [](Estado& e) { e.GotaCayendo = true; });
  intento(Modo::Rotator, [](Estado& e) { e.CeldaMasBaja = 168; });
  intento(Modo::RotatorPlus, [](Estado& e) { e.Pausado = true; });
  intento(Modo::Clasico, [](Estado&) {});
  intento(Modo::Podator, [](Estado&) {});

  // Lowest piece cell at 167 is still above the square.
  Escena s;
  s.TableroVacio(Modo::Rotator);
  s.Dibujar(23, {"1.........."});
  s.e().CeldaMasBaja = 167;
  EXPECT_TRUE(s.juego->PuedeGirarTablero());
  s.juego->TeclaPrincipal(tecla::k4);
  EXPECT_EQ(s.Filas(13, 13), "1..........\n");
}

}  // namespace
}  // namespace tumbla
