// The settings store: what the game remembers between runs, by section and
// key. The game's own keys live in section OROKORRA, each level's best score
// in ERREKORRAK. The file store (AlmacenIni) is the game's; a demo plays over
// one that stores nothing.
#pragma once

#include <string>

#include "almacen/Ini.h"

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
  // Makes `cambio` on the settings as they are stored at that moment
  // (another copy of the game may have changed them since they were read),
  // in one step: every key it writes is stored, or none. False when it
  // could not be stored; the store then holds it for this run only, and
  // `cambio` may have run twice.
  virtual bool Cambiar(const CambioIni& cambio) = 0;

  bool Escribir(const std::string& seccion, const std::string& clave, const std::string& valor) {
    return Cambiar([&](TextoIni& t) { t.Escribir(seccion, clave, valor); });
  }
  // A key of OROKORRA. A missing or empty key with a real default (not only
  // blanks) gets the default written back and read.
  std::string LeerClave(const std::string& clave, const std::string& defecto);
  bool EscribirClave(const std::string& clave, const std::string& valor) { return Escribir(kSeccionIni, clave, valor); }
};

// LeerClave within a change.
std::string LeerClave(TextoIni& t, const std::string& clave, const std::string& defecto);

// The settings file. A file that cannot be read at start, or the first
// change that cannot be stored, leaves the file as it is for the rest of the
// run: the settings of this run are then held here.
class AlmacenIni : public Almacen {
 public:
  enum class Estado { Guarda, SinLeer, SinGuardar };

  explicit AlmacenIni(std::string ruta) : archivo_(std::move(ruta)) {}
  // Start-up: reads the file, and tries whether it takes changes (with a
  // change of nothing, which writes nothing).
  void Abrir();
  const std::string& ruta() const { return archivo_.ruta(); }
  Estado estado() const { return estado_; }
  std::string Leer(const std::string& seccion, const std::string& clave) const override;
  bool Cambiar(const CambioIni& cambio) override;

 private:
  ArchivoIni archivo_;
  Estado estado_ = Estado::Guarda;
  TextoIni memoria_;  // the settings of this run, once the file is left alone
};

}  // namespace tumbla
