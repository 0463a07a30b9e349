// Where the settings file lives.
//
// A copy of the game in a folder the player can write to (unpacked from an
// archive, on a memory stick) keeps its settings file beside the program, named
// after the program file with ".ini": the whole game travels as one folder.
// An installed game lives in a system folder that the player cannot write to;
// there the settings file goes to the player's own configuration folder, same
// name and contents, so progress and extra minutes are kept from one start to
// the next. The first time it is created there it starts as a copy of the
// settings file beside the program, when there is one (a portable copy that
// was installed, or settings an administrator put there).
#pragma once

#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace tumbla::ui {

// True when a file can be created in `carpeta`. Decided by creating (and
// removing) one, not by the permission bits, which say nothing about
// read-only mounts, access lists or an administrator's rights.
bool CarpetaEscribible(const QString& carpeta);

using PruebaEscritura = std::function<bool(const QString& carpeta)>;

// The settings file of the program file `nombrePrograma` (a file name, such as
// "tumbla" or "tumbla.exe") that runs from `carpetaPrograma`.
// `carpetaConfiguracion` is the player's configuration folder for the game; it
// is created, and the settings file beside the program copied into it, only
// when the program's folder is not writable and no settings file is there yet.
QString RutaAjustes(const QString& carpetaPrograma, const QString& nombrePrograma,
                    const QString& carpetaConfiguracion,
                    const PruebaEscritura& escribible = CarpetaEscribible);

// The same for the running program: its own folder and file name, and
// "tumbla" in the desktop's per-user configuration folder
// (~/.config/tumbla, %LOCALAPPDATA%/tumbla). Needs a QCoreApplication.
QString RutaAjustes();

// The per-user configuration folder RutaAjustes() falls back on.
QString CarpetaConfiguracionUsuario();

// Folders to write the help document to, in order: the settings file's folder
// (writable by the rule above), then the temporary folder, where the document
// goes into a folder of the player's own (EscribirDocumentoAyuda). UTF-8
// paths, as Juego::PonerCarpetasAyuda takes them.
std::vector<std::string> CarpetasAyuda(const QString& rutaAjustes);

}  // namespace tumbla::ui
