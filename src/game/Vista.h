// What anyone outside the game may know of it: the board, the falling piece,
// the "Siguiente" preview, the level in play and its objective, the flags
// that say whether a level is on. Read-only; the game changes only through
// its entry points (timer events, keys, menu commands, the level window).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/Pieza.h"
#include "game/Plataforma.h"
#include "game/Tablero.h"
#include "levels/Niveles.h"

namespace tumbla {

class Partida;

class Vista {
 public:
  explicit Vista(const Partida& partida) : partida_(partida) {}

  const Tablero& tablero() const;
  int16_t Celda(int i) const { return tablero()[i]; }

  // The falling piece: a row of the catalogue with its pivot cell.
  bool HayFicha() const;
  int Ficha() const;
  int Posicion() const;
  Pieza FichaEnJuego() const { return {static_cast<int16_t>(Ficha()), static_cast<int16_t>(Posicion())}; }
  int FichaSiguiente() const;
  // Hard-dropped: it lands at the next tick, wherever it is drawn.
  bool FichaSoltada() const;
  // The lowest cell the piece has reached since it entered.
  int CeldaMasBaja() const;
  // Pieces that have entered since the level started.
  long FichasEntradas() const;

  bool Jugando() const;
  bool Pausado() const;
  bool Demostrando() const;
  // The level was completed and the shutter waits for ENTER.
  bool NivelTerminado() const;
  bool PersianaVisible() const;
  int NivelActual() const;
  // The group of the level in play (or last played), nullptr before any.
  const Grupo* GrupoActual() const;
  // The name the replay dump gives the rules in force ("none" before any).
  const char* NombreModo() const;
  // What the rules in force say of the board (false or 0 before any level):
  // the square that turns with 3 and 4, nothing left above the square after
  // a landing, cleared rows that earn the torpedo, the level clock's length.
  bool TableroCuadrado() const;
  bool Desborda() const;
  bool GanaTorpedos() const;
  int SegundosNivel() const;
  // Keys 3 and 4 would turn the square now.
  bool PuedeGirarTablero() const;
  const std::string& TipoNivel() const;

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
  int MinutosExtra() const;
  int CargaTorpedo() const;
  bool TorpedoPendiente() const;
  // The level clock as shown: whole seconds left.
  int64_t SegundosReloj() const;
  int IntervaloJuego() const;
  const EstadoTemporizador& Temporizador(int t) const;  // 0 play, 1 drop, 2 extra blocks

 private:
  const Partida& partida_;
};

}  // namespace tumbla
