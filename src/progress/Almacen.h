// The settings store: what the game remembers between runs, by section and
// key. The game's own keys live in section OROKORRA, each level's best score
// in ERREKORRAK. The file store (AlmacenIni) is the game's; a demo plays over
// one that stores nothing, and tests use one in memory.
#pragma once

#include <string>

#include "progress/Ini.h"

namespace tumbla {

constexpr const char* kSeccionIni = "OROKORRA";
// The best score of each level position, in a section of its own so that
// the game's own keys keep their meaning.
constexpr const char* kSeccionRecords = "ERREKORRAK";

class Almacen {
 public:
  virtual ~Almacen() = default;
  // A key's value, "" when it is missing.
  virtual std::string Leer(const std::string& seccion, const std::string& clave) const = 0;
  // A value that cannot be stored is not the player's problem: the game
  // runs on with what it holds.
  virtual void Escribir(const std::string& seccion, const std::string& clave, const std::string& valor) = 0;

  // A key of OROKORRA. A missing or empty key with a real default (not only
  // blanks) gets the default written back and read.
  std::string LeerClave(const std::string& clave, const std::string& defecto);
  void EscribirClave(const std::string& clave, const std::string& valor) { Escribir(kSeccionIni, clave, valor); }
};

// The settings file.
class AlmacenIni : public Almacen {
 public:
  explicit AlmacenIni(std::string ruta) : ini_(std::move(ruta)) {}
  const std::string& ruta() const { return ini_.ruta(); }
  std::string Leer(const std::string& seccion, const std::string& clave) const override {
    return ini_.Leer(seccion, clave);
  }
  void Escribir(const std::string& seccion, const std::string& clave, const std::string& valor) override {
    (void)ini_.Escribir(seccion, clave, valor);
  }

 private:
  ArchivoIni ini_;
};

}  // namespace tumbla
