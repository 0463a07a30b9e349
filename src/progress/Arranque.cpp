// Start-up and the main window's menu commands.
#include "game/Juego.h"

namespace tumbla {

void Juego::Inicializar() {
  // The host seeds its random generator and lays the window out; the help
  // texts and the catalogues are built-in data, ready before this runs.
  e_.Jugando = false;
  e_.EnTurno = false;
  e_.Pausado = false;
  // The screen before any level, already behind a box at start-up: the
  // framed empty board, the clock at "0:00" and how to begin.
  AjustarMarco(false);
  p_.lblTiempo = {TextoReloj(0), true};
  p_.lblInicio.visible = true;

  PremioDiario();

  e_.Sonido = LeerIni(kSeccionIni, "SOINUA", "S");
  p_.menuSonido = e_.Sonido == "S";

  // A stored piece set other than "N" or "Z" changes no check mark, so the
  // one in force stays.
  e_.Dificultad = LeerIni(kSeccionIni, "ZAILTASUNA", "N");
  if (e_.Dificultad == "N") {
    p_.menuNormal = true;
    p_.menuDificil = false;
  } else if (e_.Dificultad == "Z") {
    p_.menuNormal = false;
    p_.menuDificil = true;
  }

  // The landing shadow is off unless the player switched it on; reading
  // the key with a blank default never writes it.
  p_.menuSombra = LeerIni(kSeccionIni, "ITZALA", "") == "S";

  e_.Puntos = 0;
  p_.lblTipoJuego.texto.clear();
  p_.lblObjetivo.texto.clear();
  AjustarMarco(false);
  p_.panelCambiado = true;

  FijarJuegoFichas(p_.menuNormal ? 0 : p_.menuDificil ? 1 : 2);
}

void Juego::MenuNuevo() {
  e_.DemostracionPedida = false;
  AbrirNuevo();
}

void Juego::AbrirNuevo() {
  // While the shutter slides down the level is being closed; wait for it.
  if (e_.BajandoPersiana || e_.EnDialogo) return;
  // A paused game has no ticks to carry a deferred command, and its piece is
  // at rest, so the window can open at once.
  if (!e_.Jugando || p_.persianaVisible || (e_.Pausado && !e_.EnTurno)) {
    e_.EnDialogo = e_.Jugando;
    AbrirSelectorNiveles();
    e_.EnDialogo = false;
  } else {
    e_.Orden = "nuevo";
  }
}

void Juego::MenuPiezas(int indice) {
  if (indice != 0 && indice != 1) return;
  p_.menuNormal = indice == 0;
  p_.menuDificil = indice == 1;
  p_.panelCambiado = true;
  FijarJuegoFichas(indice);
  e_.Dificultad = indice == 1 ? "Z" : "N";
  EscribirIni(kSeccionIni, "ZAILTASUNA", e_.Dificultad);
}

void Juego::MenuSonido() { AlternarSonido(); }

void Juego::AlternarSonido() {
  p_.menuSonido = !p_.menuSonido;
  p_.panelCambiado = true;
  GuardarSonido();
}

void Juego::GuardarSonido() {
  e_.Sonido = p_.menuSonido ? "S" : "N";
  EscribirIni(kSeccionIni, "SOINUA", e_.Sonido);
}

void Juego::MenuSombra() {
  p_.menuSombra = !p_.menuSombra;
  p_.panelCambiado = true;
  EscribirIni(kSeccionIni, "ITZALA", p_.menuSombra ? "S" : "N");
  ActualizarSombra();
}

void Juego::MenuReset() {
  if (e_.Jugando || p_.persianaVisible || e_.BajandoPersiana) {
    Mensaje(Icono::Exclamacion, "Para esta opción debes haber finalizado la partida.");
    return;
  }
  if (!Pregunta(Icono::Pregunta, "¿Quieres resetear el juego?")) return;
  if (!Pregunta(Icono::Exclamacion, "¿Estás seguro/a?")) return;
  // Only the progress goes; extra minutes and options stay.
  EscribirIni(kSeccionIni, "AMAITUTAKOA", "0");
}

}  // namespace tumbla
