// A small private-profile (INI) reader and writer for the settings file.
//
// It reads files that other programs wrote: CR LF or LF line ends, blank
// lines, comments starting with ";" or "#", other sections, section and key
// names in any letter case, spaces around "=". A write changes one line (or
// adds one) and keeps every other line of the file as it was; the file is
// replaced as a whole (SistemaArchivos.h), so that it is never left or read
// half written, and two copies of the game writing at once each change only
// their own key: the last write of a key wins.
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
  // is replaced atomically. False when it could not be written (then nothing
  // changed): a read-only file, a folder that takes no file, a file that is
  // not a settings file (not a regular file, or over 4 MiB).
  bool Escribir(const std::string& seccion, const std::string& clave, const std::string& valor);

 private:
  std::string ruta_;
};

// What ArchivoIni does, on the file's text: the value of a key as Leer reads
// it, and the text as Escribir writes it (only the key's own line changes, or
// one is added, with its section when missing; the value is cut at its first
// line break or NUL).
std::string LeerValorIni(const std::string& contenido, const std::string& seccion, const std::string& clave);
std::string CambiarValorIni(const std::string& contenido, const std::string& seccion, const std::string& clave,
                            const std::string& valor);

// Paths travel through the game as UTF-8 text.
inline std::filesystem::path RutaDesdeTexto(const std::string& texto) {
  return std::filesystem::path(std::u8string(texto.begin(), texto.end()));
}
inline std::string TextoRuta(const std::filesystem::path& ruta) {
  const std::u8string u = ruta.u8string();
  return std::string(u.begin(), u.end());
}

}  // namespace tumbla
