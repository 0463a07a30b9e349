// The texts a player reads are written here in Spanish, the game's own
// language, and marked where they are written with TUMBLA_TEXTO(context,
// text): the macro is the text itself, and the translation tools find the
// marked texts by it. What the game composes of them (a box, the panel, the
// level window, the help) it asks its host to translate first: a host with
// no translation, or none for the player's language, gives the Spanish back.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#define TUMBLA_TEXTO(contexto, texto) texto

namespace tumbla {

class Traductor {
 public:
  virtual ~Traductor() = default;
  // `fuente`, a text marked in `contexto`, in the player's language.
  virtual std::string traducir(const char* /*contexto*/, const char* fuente) const { return fuente; }
};

// The Spanish texts as they are written.
const Traductor& SinTraducir();

// `plantilla` with %1..%9 replaced by the values in order; a % before
// anything else stays as it is.
std::string Formato(std::string_view plantilla, std::initializer_list<std::string_view> valores);

}  // namespace tumbla
