// A replay file (.tumbla): one small text file that plays a level again.
// Its head says what it is (the format's version), what the level was played
// with (the version of the rules and the fingerprint of the level records, so
// that a replay of other rules or records is refused, never played wrongly)
// and what the game was (the summary a list shows); then comes the script, a
// live replay script that plays the level again to the same end:
//
//   TUMBLA-REPETICION 1
//   reglas 1
//   niveles 5f2a9c0e1b3d4a77
//   nivel 13 CLASI,13 CLASIC
//   jugada 2024-05-01 18:32:05      (local time, when the level began)
//   resultado ganado                (perdido MOTIVO, or sin-acabar)
//   puntos 1234
//   piezas 87
//   reloj 1:23                      (- for a level without a clock)
//   duracion 95.250                 (seconds from its start to its end)
//   tablero 0123456789abcdef        (the board's fingerprint at the end)
//   demo 0
//   pista 0                         (1: the hint showed, the score made no record)
//   guion 5123 9a8b7c6d5e4f3a2b     (the script's length in bytes and fingerprint)
//   <the script>
//
// A file may come from anywhere: every field is checked, the whole file is
// held to a size, and each kind of fault has a message of its own.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/Suceso.h"
#include "game/Textos.h"

namespace tumbla {

constexpr int kVersionFormatoRepeticion = 1;
constexpr const char* kCabeceraRepeticion = "TUMBLA-REPETICION";
constexpr const char* kExtensionRepeticion = ".tumbla";
// A whole file at most: a ten-minute game takes a few tens of kilobytes.
constexpr size_t kLargoMaximoRepeticion = size_t{1} << 20;
// Room for the head, so that a script the recorder held under this fits.
constexpr size_t kLargoMaximoGuion = kLargoMaximoRepeticion - 4096;

enum class Resultado : uint8_t { Ganado, Perdido, SinAcabar };

// A level as a replay sums it up.
struct Resumen {
  int posicion = 0;           // 1..296
  std::string clave;          // "CLASI,13"
  std::string nombre;         // the group's name as the panel shows it, "CLASIC"
  std::string jugada;         // "YYYY-MM-DD HH:MM:SS"
  Resultado resultado = Resultado::SinAcabar;
  Derrota derrota = Derrota::Ninguna;  // Perdido: why
  int32_t puntos = 0;         // the level's own, as the panel shows them
  int32_t piezas = 0;         // pieces that entered
  std::string reloj;          // the level clock at the end, "" when the level has none
  int64_t duracionMs = 0;     // from the level's start to its end
  uint64_t tablero = 0;       // the board's fingerprint at the end
  bool demo = false;          // the computer played it
  bool pista = false;         // the hint showed: its score made no record
  // The same game, whenever it was played.
  bool MismoFinal(const Resumen& otro) const;
};

// A level recorded: its summary and the script that plays it again.
struct Grabacion {
  Resumen resumen;
  std::string guion;
};

// What can be wrong with a file that is to be a replay.
enum class FalloRepeticion : uint8_t {
  Ninguno,
  Grande,   // larger than any replay
  Ajena,    // not a replay of this game
  Formato,  // a replay in a format this version cannot read
  Reglas,   // played under another version of the rules
  Niveles,  // played with other level records
  Danada,   // a replay, damaged (the detail says where)
};

struct LecturaRepeticion {
  FalloRepeticion fallo = FalloRepeticion::Ninguno;
  const char* motivo = nullptr;  // for Danada, what is wrong: a marked text, %1 the field
  int linea = 0;                 // for Danada, the head's line, 0 when none
  std::string detalle;           // the version, for Formato and Reglas; the field, for Danada
  Grabacion grabacion;
  bool Valida() const { return fallo == FalloRepeticion::Ninguno; }
};

// The file's text. `huellaNiveles` is the fingerprint of the records the
// level was played with (HuellaNiveles).
std::string EscribirRepeticion(const Grabacion& g, uint64_t huellaNiveles);
// Reads a file's text, refused unless it was played with this version of
// the rules and records of fingerprint `huellaNiveles`.
LecturaRepeticion LeerRepeticion(std::string_view texto, uint64_t huellaNiveles);
// The player's message for a fault of the file named `nombre`, in `t`'s language.
std::string TextoFallo(const LecturaRepeticion& lectura, const std::string& nombre,
                       const Traductor& t = SinTraducir());

// How the list and the report name a result: "Ganado", "Perdido (tiempo)", "Sin acabar".
// The result as the list of replays shows it, in Spanish (marked for
// translation in context "Repeticiones").
std::string TextoResultado(const Resumen& r);
// FNV-1a, 64 bits: the fingerprints of scripts and boards.
// Sixteen lower-case hex digits, as fingerprints are written; false for anything else.
bool LeerHex(std::string_view t, uint64_t& v);

uint64_t Huella(std::string_view texto, uint64_t h = 14695981039346656037ull);

}  // namespace tumbla
