// What the player sees, as plain data: the picture of each board and preview
// cell, the side-panel icons and labels, the board frame, the shutter and the
// menu. The presenter derives it from the game's state; the window paints
// this and nothing else, so tests can check it.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "game/Imagen.h"
#include "game/Tablero.h"
#include "levels/Niveles.h"
#include "game/Textos.h"
#include "progress/Ajustes.h"

namespace tumbla {

struct Etiqueta {
  std::string texto;
  bool visible = false;
  bool operator==(const Etiqueta&) const = default;
};

// The board frame: round the full board (columns 1..11, rows 0..23) or the
// square (rows 13..23).
struct MarcoTablero {
  bool visible = false;
  bool cuadrado = false;
  uint32_t color = kColorGris;
  bool operator==(const MarcoTablero&) const = default;
};

// How the player wants the game painted: the colours, whether cleared rows
// show a steady mark instead of a flash, and the language it speaks.
struct Aspecto {
  Colores colores = Colores::Propios;
  bool menosDestellos = false;
  Idioma idioma = Idioma::Sistema;
  bool operator==(const Aspecto&) const = default;
};

struct Pantalla {
  std::array<int8_t, kCeldas> imgTablero{};  // 0 = hidden
  std::array<int8_t, 20> imgNext{};          // preview, 5 wide x 4 high
  std::array<int8_t, 5> imgObstaculo{};      // handicap icons
  // A figure on an icon: how many full rows go together, on its icon.
  std::array<std::string, 5> cifraObstaculo{};
  std::array<int8_t, 2> imgObjetivo{};       // objective pictures

  Etiqueta lblObjetivo;
  Etiqueta lblTiempo;
  Etiqueta lblTipoJuego;
  uint32_t colorTipoJuego = 0;
  // The texts in the player's language (the Spanish here).
  Etiqueta lblPausa{TUMBLA_TEXTO("Pantalla", "PAUSA (F3)"), false};
  Etiqueta lblDemo{"DEMO", false};
  // The score of the level in play and the best ever made on that level.
  Etiqueta lblPuntos;
  Etiqueta lblRecord;
  // The hint showed during this level: its score will make no record.
  Etiqueta lblPista{TUMBLA_TEXTO("Pantalla", "Con pista:\nsin récord"), false};
  // On the empty board before a level: how to begin.
  Etiqueta lblInicio{TUMBLA_TEXTO("Pantalla", "Pulsa F2 para elegir un nivel"), false};

  MarcoTablero marco;

  // Shutter over the board from its top edge, `filasPersiana` rows high.
  bool persianaVisible = false;
  int filasPersiana = 0;
  std::string textoPersiana;

  // Menu state.
  bool menuNormal = true;
  bool menuDificil = false;
  bool menuSonido = true;
  std::string menuMinutos = "Minutos";
  bool menuSombra = false;
  bool menuPista = false;
  bool menuPantallaCompleta = false;
  Aspecto aspecto;

  // Landing shadow (when switched on): the cells where the falling piece
  // would come to rest.
  std::bitset<kCeldas> sombra;
  // The hint (when switched on): the cells where the computer player would
  // put the falling piece.
  std::bitset<kCeldas> pista;
  friend bool operator==(const Pantalla&, const Pantalla&) = default;
};

// What changed on screen since the host last took the changes: the board
// cells (their picture or shadow), anything else, and the rows just cleared
// (board rows 0..23, where the player saw them), for the host to flash.
struct Cambios {
  std::bitset<kCeldas> celdas;
  bool panel = false;
  std::bitset<kAlto> filasBorradas;
};

}  // namespace tumbla
