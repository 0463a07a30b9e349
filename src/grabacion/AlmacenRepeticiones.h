// The player's replays: one .tumbla file each, in a folder of the player's
// own (the desktop's data folder, which the window hands down). A game is
// written whole under a name of its own and put in its place in one step, as
// the settings are, so a copy of the game killed in the middle of a save
// leaves every other replay as it was, and two copies saving at once never
// meet on a name. After each save the folder keeps the last 30 games, each
// level's best won game (the one that made its record: won with no hint,
// and not by the computer) and the last few demos, within a few megabytes.
// A file it cannot read (damaged, of other rules or records, not a replay)
// is listed as such, and left for the player to delete.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "grabacion/ArchivoRepeticion.h"
#include "almacen/SistemaArchivos.h"

namespace tumbla {

// A file of the folder as the list shows it.
struct RepeticionGuardada {
  std::string archivo;   // its name in the folder
  bool legible = false;
  std::string fallo;     // why not, in the player's words
  Resumen resumen;
  bool mejor = false;    // its level's best won game
  uint64_t tamano = 0;
};

class AlmacenRepeticiones {
 public:
  static constexpr int kUltimas = 30;
  static constexpr int kDemos = 5;
  static constexpr uint64_t kTope = uint64_t{8} << 20;

  // `carpeta` is made when missing, closed to other users.
  AlmacenRepeticiones(std::string carpeta, uint64_t huellaNiveles);
  const std::string& carpeta() const { return carpeta_; }
  // The fingerprint of the level records replays must have been played with.
  uint64_t huella() const { return huella_; }

  // A game stored in a file of its own (`nombre` gets its name), and then
  // the folder keeps what it keeps. False when it could not be written.
  bool Guardar(const Grabacion& g, std::string* nombre = nullptr);
  // A replay from elsewhere, checked, stored as a game of its own.
  bool GuardarTexto(const std::string& texto, std::string* nombre = nullptr);
  // Every replay file of the folder, the last stored first; why one cannot
  // be played is told in `t`'s language.
  std::vector<RepeticionGuardada> Listar(const Traductor& t = SinTraducir()) const;
  bool Borrar(const std::string& archivo);
  // A file's whole text.
  Lectura Leer(const std::string& archivo, std::string& texto) const;
  std::string Ruta(const std::string& archivo) const;

 private:
  // What the folder keeps, once another copy pruning it is done.
  void Podar();

  std::string carpeta_;
  uint64_t huella_;
};

}  // namespace tumbla
