// A small private-profile (INI) reader and writer for the settings file.
//
// It reads files that other programs wrote: CR LF or LF line ends, blank
// lines, comments starting with ";" or "#", other sections, section and key
// names in any letter case, spaces around "=". A write changes one line (or
// adds one) and keeps every other line of the file as it was; the file is
// replaced as a whole (SistemaArchivos.h), so that it is never left or read
// half written, and two copies of the game writing at once each change only
// their own keys. A change of several keys is one write: all of them are
// stored, or none.
//
// The file may be of any size the game can hold: other programs may keep
// large sections in it. It is read once and then again only when it changed,
// and each section the game asks about is looked through once.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <unordered_map>

#include "almacen/SistemaArchivos.h"

namespace tumbla {

constexpr size_t kLargoMaximoValorIni = 255;

// What ArchivoIni does, on the file's text: the value of a key ("" when the
// section or the key is missing), trimmed of blanks and cut to 255
// characters; and the text with one key written (only the key's own line
// changes, or one is added, with its section when missing; the value is cut
// at its first line break or NUL).
std::string LeerValorIni(const std::string& contenido, const std::string& seccion, const std::string& clave);
std::string CambiarValorIni(const std::string& contenido, const std::string& seccion, const std::string& clave,
                            const std::string& valor);

// A settings file's text, read and written key by key as LeerValorIni and
// CambiarValorIni do. The keys of a section are gathered the first time the
// section is read, and kept up to date by the writes.
class TextoIni {
 public:
  TextoIni() = default;
  explicit TextoIni(std::string contenido) : contenido_(std::move(contenido)) {}
  const std::string& contenido() const { return contenido_; }
  std::string Leer(const std::string& seccion, const std::string& clave) const;
  // Writing a value that reads as the key reads now changes nothing.
  void Escribir(const std::string& seccion, const std::string& clave, const std::string& valor);
  // Some key was written since the text was read.
  bool Cambiado() const { return cambiado_; }

 private:
  using Claves = std::unordered_map<std::string, std::string>;  // by key in small letters
  const Claves& Seccion(const std::string& seccion) const;

  std::string contenido_;
  bool cambiado_ = false;
  mutable std::unordered_map<std::string, Claves> secciones_;  // by name in small letters
};

// A change of the settings: reads and writes keys of their text as it is at
// that moment.
using CambioIni = std::function<void(TextoIni&)>;

class ArchivoIni {
 public:
  explicit ArchivoIni(std::string ruta) : ruta_(std::move(ruta)) {}
  const std::string& ruta() const { return ruta_; }

  // Reads the file if it changed since it was last read or written: Falta
  // or Leida say what the text now is (a missing file reads as empty);
  // Error keeps the text read before (none: empty).
  Lectura Cargar() const;
  // A key's value in the file as it now is ("" when the file, the section or
  // the key is missing).
  std::string Leer(const std::string& seccion, const std::string& clave) const;
  // Makes `cambio` on the file's text and stores it in one write, or leaves
  // the file as it is when no key changed. False when the file could not be
  // changed, which a change of nothing also finds (then nothing changed): a
  // read-only file, a folder that takes no file, a file that is not a
  // settings file (not a regular file, or too large to hold).
  bool Cambiar(const CambioIni& cambio);
  bool Escribir(const std::string& seccion, const std::string& clave, const std::string& valor);
  // The text as last read or written.
  const TextoIni& texto() const { return texto_; }

 private:
  std::string ruta_;
  mutable TextoIni texto_;
  mutable Sello sello_;
  mutable bool leido_ = false;
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
