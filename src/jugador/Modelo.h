// The computer player's picture of a board: what it expects to happen when
// it lands a piece, turns the square or fires the torpedo. It follows the
// game's rules as a good player knows them (rows that go, drops that keep
// their place, the pot's row, square columns that turn solid, Panic's shift,
// the plant's growth), but it is the player's own imagination: the game
// itself always has the last word, and the player looks again after every
// event. The plant's sideways choices are random in the game; here they go
// to the first free side.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/Catalogo.h"
#include "game/Tablero.h"
#include "levels/Niveles.h"

namespace tumbla {

class Vista;

class Modelo {
 public:
  // The board as the view shows it, with the level's rules.
  Modelo(const Vista& vista, const Catalogo& catalogo);

  int16_t operator[](int i) const { return t_[i]; }
  bool Llena(int fila) const { return ocupadas_[static_cast<size_t>(fila)] == kAncho; }
  bool Libre(int i) const { return i >= 0 && i < kCeldas && t_[i] < 1; }
  Modo modo() const { return modo_; }
  bool Cuadrado() const { return cuadrado_; }
  // First row of the area that counts: 13 where nothing may stay above the
  // square after a landing, 0 elsewhere.
  int FilaTope() const;

  bool Cabe(int fila, int pos) const;
  // Where a piece at `pos` comes to rest when dropped.
  int Caida(int fila, int pos) const;

  // A piece lands at `pos` (its resting place): rows go, the mode's hooks
  // run, the blue drop settles. `siguiente` is the piece that will enter
  // next, or -1 when unknown.
  void Aterrizar(int fila, int pos, int siguiente);
  // The torpedo fired from `pos` in the spawn rows: it passes through the
  // blocks under it into the first free cell below them.
  int DestinoTorpedo(int pos) const;
  // A quarter turn of the square (key 3 when `antihorario`), its pass, and
  // the blue drop falling to rest.
  void Girar(bool antihorario);

  bool Ganado() const { return ganado_; }
  bool Perdido() const { return perdido_; }
  int FilasQuitadas() const { return filasQuitadas_; }
  int LineasRestantes() const { return lineasRestantes_; }
  int CeldaGota() const { return celdaGota_; }
  int CeldaRosa() const;
  // The plant's tip, and its pot.
  int Punta() const { return celdaGota_; }
  int Maceta() const { return planta_.empty() ? -1 : planta_.front(); }
  int BloquesNeutros() const;
  bool TorpedoPendiente() const { return torpedoPendiente_; }

 private:
  // The game's after-landing pass without its sounds and timers; returns
  // false when the level ended.
  bool Pasada(bool entrar);
  // One clearing cycle; false when too few rows are full.
  bool Ciclo(bool& objetivo, bool& juntadas);
  void QuitarFila(int fila, bool juntadas, int& limite, bool& cortada);
  void Podar(int limite);
  void PasoPlanta();
  void AsentarGota();
  void Poner(int i, int16_t v) {
    ocupadas_[static_cast<size_t>(i / kAncho)] += static_cast<int8_t>((v >= 1) - (t_[i] >= 1));
    t_.Poner(i, v);
  }
  // The row counts again, after the board moved rows desde..hasta at once.
  void Recontar(int desde, int hasta);

  const Catalogo* cat_;
  Tablero t_;
  std::array<int8_t, kAlto> ocupadas_{};  // taken cells of each row, walls included
  Modo modo_ = Modo::Clasico;
  bool cuadrado_ = false;
  bool desborda_ = false;
  bool torpedos_ = false;
  int borrarCada_ = 1;
  bool objetivoLineas_ = false;
  int lineasRestantes_ = 0;
  int intervaloSubida_ = 0;
  int contadorSubida_ = 0;
  int turnosPendientes_ = 0;
  int celdaGota_ = 0;
  std::vector<int16_t> planta_;
  int cargaTorpedo_ = 0;
  bool torpedoPendiente_ = false;
  bool ganado_ = false;
  bool perdido_ = false;
  int filasQuitadas_ = 0;
};

}  // namespace tumbla
