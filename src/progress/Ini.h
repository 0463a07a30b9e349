// A small private-profile (INI) reader and writer for the settings file.
//
// It reads files that other programs wrote: CR LF or LF line ends, blank
// lines, comments starting with ";" or "#", other sections, section and key
// names in any letter case, spaces around "=". A write changes one line (or
// adds one) and keeps every other line of the file as it was; the file is
// replaced as a whole, through a temporary file beside it, so that it is
// never left half written.
#pragma once

#include <filesystem>
#include <string>

namespace tumbla {

constexpr size_t kLargoMaximoValorIni = 255;

class ArchivoIni {
 public:
  explicit ArchivoIni(std::string ruta) : ruta_(std::move(ruta)) {}
  const std::string& ruta() const { return ruta_; }

  // The value of a key of a section ("" when the file, the section or the
  // key is missing), trimmed of blanks and cut to 255 characters.
  std::string Leer(const std::string& seccion, const std::string& clave) const;
  // Writes one key, keeping every other line of the file as it was. The file
  // is replaced atomically. False when it could not be written.
  bool Escribir(const std::string& seccion, const std::string& clave, const std::string& valor);

 private:
  std::string ruta_;
};

// Paths travel through the game as UTF-8 text.
inline std::filesystem::path RutaDesdeTexto(const std::string& texto) {
  return std::filesystem::path(std::u8string(texto.begin(), texto.end()));
}
inline std::string TextoRuta(const std::filesystem::path& ruta) {
  const std::u8string u = ruta.u8string();
  return std::string(u.begin(), u.end());
}

}  // namespace tumbla
