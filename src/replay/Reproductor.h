// A replay as a player watches it: the level plays again, exactly, from its
// script, to any moment of it. Forward it plays on; back it plays from the
// start again at full speed, so that every moment shows as it was. A piece
// forward or back goes to the moment that piece came in.
//
// From any moment the player may take over ("Seguir desde aquí"): the game
// goes on from there with the player's keys and the host's clock, with draws
// of its own, in a settings file of its own that is thrown away, so nothing
// it does is stored as progress or record.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "grabacion/ArchivoRepeticion.h"
#include "motor/Juego.h"

namespace tumbla {

class EjecutorGuion;

class Reproductor {
 public:
  // The script must be one the recorder wrote (a replay file read).
  explicit Reproductor(Grabacion grabacion);
  ~Reproductor();
  Reproductor(const Reproductor&) = delete;
  Reproductor& operator=(const Reproductor&) = delete;

  const Resumen& resumen() const { return grabacion_.resumen; }
  // The game as it stands at the moment shown.
  Juego& juego();
  // That moment, and the last, in ms from the level's start.
  int64_t Ahora() const { return ahora_; }
  int64_t Duracion() const { return duracion_; }
  // To the moment `ms` (held to the replay's length).
  void Ir(int64_t ms);
  // To the moment the next piece came in (`sentido` 1), or the one before
  // the piece shown (-1).
  void Pieza(int sentido);

  // The player takes over here; then the game goes on by `ms` of the
  // host's clock, and takes a key (or a held key's repeat).
  void Practicar();
  bool Practicando() const { return practica_; }
  void Correr(int64_t ms);
  void Tecla(int codigo, bool repeticion);

 private:
  // A line of the script at its time: the time it runs for first (its +S),
  // and the command, once per count.
  struct Paso {
    int64_t hasta;
    std::string orden;  // empty for a plain run
  };
  void Empezar();
  void Linea(const std::string& linea);
  void Anotar();

  Grabacion grabacion_;
  std::vector<Paso> pasos_;
  int64_t duracion_ = 0;
  std::ostringstream informe_;
  std::unique_ptr<EjecutorGuion> ejecutor_;
  size_t siguiente_ = 0;  // the next step to take
  int64_t ahora_ = 0;
  // When each piece was first seen in play (its count of pieces entered).
  std::map<int32_t, int64_t> piezas_;
  bool practica_ = false;
};

}  // namespace tumbla
