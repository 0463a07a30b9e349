// A level as one line of printable text, to copy and paste: "tumbla1."
// and then, in base64url (RFC 4648, no padding), the bytes of
//   the group (its place among the eight), the seven fields as varints
//   (line target, extra blocks, rise, rows together, blue drop, pink drop,
//   pot), the blocks (a count, then each cell as its distance from the one
//   before, in order), the name and the description (a length, then UTF-8),
//   the proof: 0 and the seed its draws came from, or 1, a count and each
//   draw; then a count of keys, each a varint of (the change in the time
//   since the key before, zig-zag) * 8 + the command of play - 1,
//   and a CRC-32 (IEEE, little-endian) of all the bytes before it.
// Varints are unsigned LEB128. The proof's timer events are not written: the
// headless host plays the keys again at their times, with the draws, and
// writes the whole replay script, which must then win the level.
#pragma once

#include <string>
#include <string_view>

#include "editor/Paquete.h"

namespace tumbla {

constexpr const char* kPrefijoCodigo = "tumbla1.";
constexpr size_t kLargoCodigo = 200000;  // characters

// The code of a level with a proof of its own; "" and `error` when it has
// none, or its proof is no game of keys the host can play again. Every why
// here comes in `t`'s language.
std::string CodigoDeNivel(const NivelDePaquete& nivel, std::string& error, const Traductor& t = SinTraducir());

struct LecturaCodigo {
  NivelDePaquete nivel;  // with its proof played again
  std::string error;     // why the code gives no level
};
// Reads a code from anyone: every size is limited, and the level comes with
// a proof only when the replay runner finds that it wins.
LecturaCodigo LeerCodigo(std::string_view codigo, const Traductor& t = SinTraducir());
// The level in a code's bytes, once out of base64url and past their CRC.
LecturaCodigo LeerBytesCodigo(std::string_view datos, const Traductor& t = SinTraducir());

}  // namespace tumbla
