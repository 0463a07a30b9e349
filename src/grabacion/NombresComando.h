// Every command of the game by the name a replay script gives it: a menu
// item by the first word of its caption, in small letters and without
// accents ("nuevo", "pista", "pantalla", "reducir"), the keys of play and
// what the window tells the game by what they do ("izquierda", "soltar",
// "ausencia").
#pragma once

#include <string_view>

#include "game/Comando.h"

namespace tumbla {

// "" for Comando::Ninguno.
const char* NombreComando(Comando c);
// Comando::Ninguno for a name no command has.
Comando ComandoDeNombre(std::string_view nombre);

}  // namespace tumbla
