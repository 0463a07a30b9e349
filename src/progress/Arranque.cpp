// Start-up and the main window's menu commands.
#include "game/Juego.h"

namespace tumbla {

void Juego::Inicializar() { FijarJuegoFichas(0); }
void Juego::MenuNuevo() {}
void Juego::MenuAyuda() {}
void Juego::MenuPiezas(int indice) { FijarJuegoFichas(indice); }
void Juego::MenuSonido() { AlternarSonido(); }
void Juego::MenuReset() {}
void Juego::AlternarSonido() { p_.menuSonido = !p_.menuSonido; p_.panelCambiado = true; }
void Juego::GuardarSonido() {}

}  // namespace tumbla
