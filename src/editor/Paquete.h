// Packs of levels: one text file with a format version, a name, an author,
// and for each level its group, name, description, record (the game's own
// record format) and, once it has one, its proof. The player's packs live in
// the player's data folder; a pack from anyone else is read with limits on
// every size, and on import each level's proof is played again and must win.
//
//   tumbla-niveles 1
//   nombre Mis niveles
//   autor Ana
//   nivel ROTA7
//   titulo La escalera
//   descripcion Siete líneas en el cuadrado
//   registro ROT  1    0      0     7    0       0      0          288290
//   prueba 5d0c1f8e2a4b3c69 413
//   ...the 413 lines of the proof's replay script...
//   nivel CLASI
//   ...
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/Prueba.h"
#include "motor/Ajenos.h"

namespace tumbla {

struct NivelDePaquete {
  NivelPropio nivel;
  std::optional<Prueba> prueba;
  // A proof of this very level: made on it and not changed since.
  bool Probado() const { return prueba && prueba->huella == Huella(nivel); }
  bool operator==(const NivelDePaquete&) const = default;
};

struct Paquete {
  std::string nombre;
  std::string autor;
  std::vector<NivelDePaquete> niveles;
  bool operator==(const Paquete&) const = default;
};

constexpr int kVersionPaquete = 1;
constexpr size_t kLargoPaquete = 16u << 20;  // bytes
constexpr size_t kNivelesPaquete = 200;
constexpr size_t kLargoLinea = 4096;         // bytes, of any line but a proof's
constexpr const char* kExtensionPaquete = ".tumbla-niveles";

// The text of a pack: every level, drafts included.
std::string EscribirPaquete(const Paquete& paquete);

struct LecturaPaquete {
  Paquete paquete;                     // the levels that passed
  std::vector<int> numeros;            // where each stood in the pack, from 1
  std::vector<std::string> rechazos;   // one line per level left out, and why
  std::string error;                   // when the text is no pack at all: why
};

// Reads a pack: a text that is no pack of this format gives `error` and no
// level; a level with a fault of its own (its record, its name, a proof
// made on another level) is left out with a line in `rechazos`. Proofs are
// not played. Every why comes in `t`'s language.
LecturaPaquete LeerPaquete(std::string_view texto, const Traductor& t = SinTraducir());
// Reads a pack from anyone: as LeerPaquete, and each level's proof is
// played again and must win it; a level without one, or whose proof does
// not win, is left out too. `cancelar` (from another thread) leaves the
// levels not yet played out.
LecturaPaquete ImportarPaquete(std::string_view texto, const std::atomic<bool>* cancelar = nullptr,
                               const Traductor& t = SinTraducir());
// The same, from a file; a file larger than a pack may be is not read.
LecturaPaquete ImportarArchivo(const std::string& ruta, const std::atomic<bool>* cancelar = nullptr,
                               const Traductor& t = SinTraducir());

// A level as the game plays it: on the game's records with it in its
// group's first place.
NivelAjeno AjenoDe(const NivelPropio& nivel);
// A pack as the game plays it, its proven levels in order; its progress is
// kept in the settings' section "PAQUETE " and the file's name (`ruta`'s,
// without the extension): two packs never share one.
PaqueteJugable JugableDe(const Paquete& paquete, const std::string& ruta);

// The pack's name as a file name in the data folder: lower-case letters,
// digits and hyphens, never empty, never a name the system keeps.
std::string NombreDeArchivo(std::string_view nombre);

// The player's packs: the folder `paquetes` of the data folder `datos`. A
// fault to store is told in `t`'s language.
class CarpetaPaquetes {
 public:
  explicit CarpetaPaquetes(std::string datos, const Traductor& t = SinTraducir());
  const std::string& Ruta() const { return ruta_; }
  // The player's own pack (the editor's), in `propio.tumbla-niveles`; empty
  // with a name when there is none yet.
  Paquete Propio() const;
  bool GuardarPropio(const Paquete& paquete, std::string& error) const;
  // Stores an imported pack: over one of the same name and author, or under
  // a name of its own. Gives the file's path.
  bool GuardarImportado(const Paquete& paquete, std::string& ruta, std::string& error) const;
  // The packs there, own first, then by file name; a file that is no pack
  // is passed over.
  std::vector<std::pair<std::string, Paquete>> Todos() const;

 private:
  bool Guardar(const std::string& ruta, const Paquete& paquete, std::string& error) const;
  std::string ruta_;
  const Traductor* t_;
};

}  // namespace tumbla
