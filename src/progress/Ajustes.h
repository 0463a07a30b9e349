// The player's options, each held once and stored the moment it changes:
// the sound switch (SOINUA, "S" or "N"), the piece set (ZAILTASUNA, "N"
// Normal or "Z" Difícil) and the landing shadow (ITZALA, off unless "S").
#pragma once

#include "game/Mesa.h"
#include "progress/Almacen.h"

namespace tumbla {

class Ajustes {
 public:
  explicit Ajustes(Almacen& almacen) : almacen_(almacen) {}

  // Start-up: the stored options. A stored piece set other than "N" or "Z"
  // changes nothing, so the one in force (Normal) stays.
  void Cargar();

  bool Sonido() const { return sonido_; }
  void CambiarSonido();
  // 0 for Normal, 1 for Difícil.
  int Fichas() const { return fichas_; }
  JuegoFichas JuegoDeFichas() const { return fichas_ == 1 ? JuegoFichas::Dificil() : JuegoFichas::Normal(); }
  void ElegirFichas(int indice);
  bool Sombra() const { return sombra_; }
  void CambiarSombra();

 private:
  Almacen& almacen_;
  bool sonido_ = true;
  int fichas_ = 0;
  bool sombra_ = false;
};

}  // namespace tumbla
