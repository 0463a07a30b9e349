// The languages the window speaks: Spanish, the game's own, in which every
// text is written, and the translations built into the program (English).
// The player's choice, or the desktop's language while there is none, picks
// the translation the whole program reads its texts through.
#pragma once

#include <QString>

#include <string>

#include "motor/Plataforma.h"
#include "game/Textos.h"
#include "progress/Ajustes.h"

namespace tumbla::ui {

// The language the game speaks for a choice: Sistema follows the desktop's
// first language, English when it is English, Spanish for any other.
Idioma IdiomaEfectivo(Idioma elegido);
// Every text from now on in that language; the windows are told to read
// their texts again (QEvent::LanguageChange). False when its translation
// could not be loaded (the texts stay Spanish).
bool PonerIdioma(Idioma elegido);
// The game's text `fuente`, marked in `contexto`, in the language in force.
QString Traducido(const char* contexto, const char* fuente);
std::string TraducidoUtf8(const char* contexto, const char* fuente);
// The same, for the game's functions that compose texts.
const Traductor& TraductorQt();

// The part of the game's host that speaks the player's language: the
// player's choice put in force, and the game's texts in it.
class PlataformaTraducida : public Plataforma {
 public:
  void idioma(Idioma i) override;
  std::string traducir(const char* contexto, const char* fuente) const override;
};

}  // namespace tumbla::ui
