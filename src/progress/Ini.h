// A small private-profile (INI) reader and writer.
#pragma once

#include <string>

namespace tumbla {

class ArchivoIni {
 public:
  explicit ArchivoIni(std::string ruta) : ruta_(std::move(ruta)) {}
  const std::string& ruta() const { return ruta_; }

  // The value of a key of a section ("" when the file, the section or the
  // key is missing), cut to 255 characters.
  std::string Leer(const std::string& seccion, const std::string& clave) const;
  // Writes one key, keeping every other line of the file as it was. The file
  // is replaced atomically. False when it could not be written.
  bool Escribir(const std::string& seccion, const std::string& clave, const std::string& valor);

 private:
  std::string ruta_;
};

}  // namespace tumbla
