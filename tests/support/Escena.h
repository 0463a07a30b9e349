// Scenes for tests: a game on the fake platform with a board drawn as text.
//
// A board picture gives columns 1..11 of consecutive rows, one string per row:
//   .  free            #  neutral block (8)     1-7  piece colours
//   r  pink drop (9)   b  blue drop (10)        m    pot (11)
//   w  white flower    y  yellow flower         R    red flower
//   |  stem up-down    -  stem left-right       L    stem right-up (17)
//   J  stem left-up    F  stem down-right (19)  7 is colour 7, so use
//   T  stem down-left (20)                      t    torpedo block (21)
#pragma once

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>

#include "PlataformaFalsa.h"
#include "game/Juego.h"

namespace tumbla {

class Escena {
 public:
  Escena();
  ~Escena();

  PlataformaFalsa plataforma;
  std::unique_ptr<Juego> juego;
  std::filesystem::path carpeta;  // a folder of the test's own (settings file)

  Estado& e() { return juego->estado(); }
  const Pantalla& p() const { return juego->pantalla(); }

  // An empty board with its walls, a level of the given mode in play, the
  // "Normal" piece set, the play timer at 300 ms, no piece falling yet.
  void TableroVacio(Modo modo = Modo::Clasico);
  // Writes rows starting at `filaSuperior` (values and pictures).
  void Dibujar(int filaSuperior, std::initializer_list<const char*> filas);
  // Columns 1..11 of rows desde..hasta, one line per row, in the same notation.
  std::string Filas(int desde, int hasta) const;
  // Brings in a piece of that catalogue row at the spawn cell, bypassing the
  // random draw (the next piece is drawn as usual).
  void Entrar(int fila);
  // Runs play ticks until the falling piece has landed (the next one then
  // stands at the spawn cell), the level ended, or the limit is reached.
  int TicksHastaAterrizar(int limite = 40);

  static char Simbolo(int valor);
  static int Valor(char simbolo);
};

}  // namespace tumbla
