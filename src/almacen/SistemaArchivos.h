// The game's few calls to the operating system's files: reading the settings
// file, changing it, and writing the help document. Everything that differs
// between systems lives behind these functions (SistemaArchivos.cpp); what
// the files hold is the callers' business. Paths are UTF-8 text.
//
// Files are shared ground. Two copies of the game may change the settings
// file at the same moment, and other users of the computer may write the
// folders the game writes to (a program folder open to everyone, the shared
// temporary folder). So a file is never written where it will be read: the
// new contents go into a fresh file of a unique name beside it, created
// exclusively and flushed to disk, which then replaces the old file in one
// step. A reader sees the old file or the new one, whole, never a mix.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tumbla {

enum class Lectura { Falta, Leida, Error };

// Which version of a file a path leads to: another copy of the game that
// replaced the file, or a person who changed it in place, leaves another
// stamp. A path with nothing there has the empty stamp.
struct Sello {
  bool existe = false;
  uint64_t dispositivo = 0;
  uint64_t nodo = 0;
  uint64_t tamano = 0;
  int64_t modificado = 0;  // nanoseconds
  bool operator==(const Sello&) const = default;
};

// Reads a whole regular file, following links, and gives its stamp. Falta
// when nothing is there (a dangling link included); Error for anything that
// is not a regular file (a folder, a pipe: never waited on), a file larger
// than the game may hold (a quarter of the computer's memory: a change holds
// the file's text more than once), or a failed read.
Lectura LeerArchivoEntero(const std::string& ruta, std::string& contenido, Sello* sello = nullptr);

// The stamp of what `ruta` leads to now (the empty stamp when nothing is
// there); none when it cannot be looked at.
std::optional<Sello> SelloArchivo(const std::string& ruta);

// The new contents of a file made from its present ones, which must last
// until the change is over; null leaves the file as it is.
using CambioArchivo = std::function<const std::string*(std::string actual)>;

// Changes a file in one step that another copy of the game changing the same
// file cannot interleave: the file is read ("" when missing), `cambio` makes
// the new contents from the old, and the new file replaces the old. A copy
// finding the file being changed by another waits for it a moment (not for a
// stopped one: then this fails). A link at `ruta` of the player's own (or
// the administrator's) stays a link and the file it leads to is what changes
// (created when missing); a link of another user's is never followed, so
// that nobody can lead the game's writes to a file of the player's through a
// folder they share. The replacement keeps the old file's permission bits.
// `nuevo` gets the stamp of the file as it is left.
//
// Fails, leaving everything as it was, when the file is not a regular file or
// is larger than the game may hold, when the player may not write it (a file
// without any write permission is never written, whoever runs the game), or
// when its folder takes no new file. A change with nothing to write still
// fails where a write would: the folder is tried with a new file, which then
// goes.
bool CambiarArchivo(const std::string& ruta, const CambioArchivo& cambio, Sello* nuevo = nullptr);

// Writes the file `nombre` with `contenido` in a folder that only the player
// can write, and gives its absolute path in `ruta`: `carpeta` itself when it
// is such a folder; inside a shared folder (one where everyone may create
// files but only remove their own, as the temporary folder), a private folder
// of the player's own made in it; any other folder is refused. Whatever stood
// at the name (a link, a pipe, an older file) is replaced, never followed or
// opened. `carpeta` must be absolute.
bool EscribirArchivoPrivado(const std::string& carpeta, const std::string& nombre,
                            const std::string& contenido, std::string& ruta);

}  // namespace tumbla
