// The help texts, the help document "Instrucciones.htm" written from them,
// and the group introductions that the level-selection window shows.
#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "game/Textos.h"

namespace tumbla {

constexpr const char* kTituloVentana = "Tumbla 3.0 Dilatorus";

constexpr int kNumTitulosAyuda = 11;  // sections 0..10
constexpr int kNumTextosAyuda = 13;   // section 0, section 1 in three pieces, 2..10

// Section titles. Title 0 is the window title in capitals. The texts are
// the Spanish sources, marked for translation where they are words.
extern const std::array<const char*, kNumTitulosAyuda> TitulosAyuda;
// Section bodies, paragraphs separated by "<>": the body of section 0, the
// CLASIC body in three pieces (paragraphs 1-5, the Panic paragraph, the
// Superpanic paragraph), then the bodies of sections 2..10.
extern const std::array<const char*, kNumTextosAyuda> TextosAyuda;

constexpr const char* kArchivoAyuda = "Instrucciones.htm";
// The box when the desktop cannot open the help written (%1: the file).
constexpr const char* kNoSeAbreLaAyuda = TUMBLA_TEXTO("Juego", "No se ha podido abrir la ayuda: %1");

// The player's keys as they are now, for the help's last sections: each
// action's name and its keys as shown, and the pace of a held key.
struct TeclasAyuda {
  std::vector<std::pair<std::string, std::string>> acciones;
  int retardo = 0;          // ms to the first repeat
  int porSegundo = 0;       // moves a second after it
  int abajoPorSegundo = 0;  // rows a second of a held Down
};

// The whole help document, lines ended by CR LF, UTF-8: the game's
// established text, then the player's keys and what the game added since,
// in the language of `tr` (the keys' names come translated already).
std::string DocumentoAyuda(const TeclasAyuda& teclas, const Traductor& tr = SinTraducir());

// Writes the document as kArchivoAyuda in the folder `carpeta` (an absolute
// UTF-8 path), replacing any earlier one, where only the player can write it:
// in `carpeta` itself when it is the player's own, else in a private folder
// of the player's inside a shared one such as the temporary folder
// (EscribirArchivoPrivado). `archivo` is the file written. False when it
// could not be written completely.
bool EscribirDocumentoAyuda(const std::string& carpeta, const TeclasAyuda& teclas, std::string& archivo,
                            const Traductor& tr = SinTraducir());
// The document written in the first of `carpetas` that takes it; false when
// none did.
bool EscribirAyuda(const std::vector<std::string>& carpetas, const TeclasAyuda& teclas, std::string& archivo,
                   const Traductor& tr = SinTraducir());
// Where the help goes by default: the settings file's folder, then the
// temporary folder.
std::vector<std::string> CarpetasAyuda(const std::string& rutaIni);

// The introduction of the level group that starts at sequence position
// `posicion` (1, 4, 8, 13, 16, 19, 24, 27): its title and its body with every
// "<>" turned into two line breaks. False for any other position.
bool TextoIntroduccion(int posicion, std::string& titulo, std::string& texto, const Traductor& tr = SinTraducir());

// What a handicap icon (kIconPanic .. kIconSubirNivel) or the objective (its
// first picture, and the pink drop or nothing as the second) stands for, in
// the help document's own words; "" for any other picture.
std::string AyudaObstaculo(int imagen, const Traductor& tr = SinTraducir());
std::string AyudaObjetivo(int imagen, int segunda, const Traductor& tr = SinTraducir());

// Replaces every "<>" of a help body by `salto`.
std::string ReemplazarSaltos(const std::string& cuerpo, const std::string& salto);

}  // namespace tumbla
