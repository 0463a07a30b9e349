// The computer player's picture of a level: a copy of the table made of
// what a person sees (game/Panorama.h: the board, the falling piece, the
// "Siguiente" preview, the objective, the group's rules as its caption and
// icons tell them, the clear-together count on the panel, the drop and the
// plant), on which it plays the game's own steps to see what a placement,
// a turn of the square or a torpedo would lead to. Where the game draws at
// random it assumes (Suposiciones): the plant grows to the right first (or
// to the left, when asked), Superpanic's shuffle is a plain cycle, unknown
// pieces are the first of the set.
#pragma once

#include <cstdint>

#include "game/Azar.h"
#include "game/Mesa.h"
#include "game/Modo.h"
#include "game/Panorama.h"
#include "game/Suceso.h"

namespace tumbla {

// The player's answers where the game draws at random: its assumptions
// or, given a sample's seed, draws of its own (never the game's).
class Suposiciones : public Azar {
 public:
  explicit Suposiciones(bool izquierda = false, uint64_t muestra = 0) : izquierda_(izquierda), muestra_(muestra) {}
  int Sortear(Sorteo sorteo, int n) override;
  bool LadoSorteado() const { return ladoSorteado_; }

 private:
  int barajado_ = 0;
  bool izquierda_;
  bool ladoSorteado_ = false;
  uint64_t muestra_;
};

class Modelo {
 public:
  explicit Modelo(const Panorama& panorama);

  int16_t operator[](int i) const { return mesa_.tablero[i]; }
  bool Libre(int i) const { return i >= 0 && i < kCeldas && mesa_.tablero[i] < 1; }
  bool Llena(int fila) const { return mesa_.tablero.Ocupadas(fila * kAncho) == kAncho; }
  Modo modo() const { return modo_; }
  bool Cuadrado() const;
  // First row of the area that counts: 13 where nothing may stay above the
  // square after a landing, 0 elsewhere.
  int FilaTope() const;
  bool Subida() const { return subida_; }   // the board rises (its icon shows)
  int BorrarCada() const { return mesa_.borrarCada; }

  const Tablero& tablero() const { return mesa_.tablero; }
  // Where a piece at `pos` comes to rest when dropped.
  int Caida(int fila, int pos) const;

  // A piece lands at `pos` (its resting place): the game's landing, with its
  // pass and the group's hooks, then the blue drop falls to rest. With
  // `conSiguiente` the known preview must then find room to enter.
  // `izquierda` answers the plant's side choice, if the growth draws one.
  void Aterrizar(int fila, int pos, bool conSiguiente, Suposiciones azar = Suposiciones());
  // The last landing's plant step chose a side at random.
  bool LadoSorteado() const { return ladoSorteado_; }
  // A quarter turn of the square (key 3 when `antihorario`), its pass, and
  // the blue drop falling to rest.
  void Girar(bool antihorario);

  bool Ganado() const { return ganado_; }
  bool Perdido() const { return perdido_; }
  int FilasQuitadas() const { return filasQuitadas_; }
  int LineasRestantes() const { return mesa_.lineasRestantes; }
  int CeldaGota() const { return mesa_.celdaGota; }
  int CeldaRosa() const;
  // The plant's tip, and its pot.
  int Punta() const { return mesa_.celdaGota; }
  int Maceta() const { return mesa_.planta.empty() ? -1 : mesa_.planta.front(); }
  int BloquesNeutros() const { return mesa_.tablero.Neutros(); }

 private:
  void Anotar(const Suceso& s);
  void AsentarGota();

  Mesa mesa_;
  Modo modo_ = Modo::Clasico;
  bool subida_ = false;
  bool ganado_ = false;
  bool perdido_ = false;
  int filasQuitadas_ = 0;
  bool ladoSorteado_ = false;
};

}  // namespace tumbla
