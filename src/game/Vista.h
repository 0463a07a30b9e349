// What anyone outside the game may know of it: the board, the falling piece,
// the "Siguiente" preview, the level in play and its objective, the flags
// that say whether a level is on. Read-only; the game changes only through
// its entry points (timer events, keys, menu commands, the level window).
#pragma once

#include <cstdint>
#include <vector>

#include "game/Tablero.h"
#include "levels/Niveles.h"

namespace tumbla {

class Juego;

class Vista {
 public:
  explicit Vista(const Juego& juego) : juego_(juego) {}

  const Tablero& tablero() const;
  int16_t Celda(int i) const { return tablero()[i]; }

  // The falling piece: a row of the piece catalogue with its pivot cell.
  bool HayFicha() const;
  int Ficha() const;
  int Posicion() const;
  int FichaSiguiente() const;
  // Hard-dropped: it lands at the next tick, wherever it is drawn.
  bool FichaSoltada() const;
  // The lowest cell the piece has reached since it entered.
  int CeldaMasBaja() const;
  // Pieces that have entered since the level started.
  long FichasEntradas() const;

  bool Jugando() const;
  bool Pausado() const;
  // The computer is playing a demo.
  bool Demostrando() const;
  // The level was completed and the shutter waits for ENTER.
  bool NivelTerminado() const;
  int NivelActual() const;
  // The group of the level in play (or last played), nullptr before any.
  const Grupo* GrupoActual() const;

  int BorrarCada() const;
  bool ObjetivoLineas() const;
  int LineasRestantes() const;
  int IntervaloSubida() const;
  int ContadorSubida() const;
  // The blue drop, or the plant's tip in PODATOR.
  int CeldaGota() const;
  bool GotaCayendo() const;
  const std::vector<int16_t>& Planta() const;
  int32_t Puntos() const;
  // The level clock as its label shows it ("2:30"), "" when the level has none.
  const std::string& Reloj() const;
  int IntervaloJuego() const;
  int CargaTorpedo() const;

 private:
  const Juego& juego_;
};

}  // namespace tumbla
