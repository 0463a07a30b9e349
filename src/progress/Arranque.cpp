// Start-up and the main window's menu commands.
#include "game/Partida.h"

namespace tumbla {

void Partida::Inicializar() {
  // The host seeds its random generator and lays the window out; the help
  // texts and the catalogues are built-in data, ready before this runs.
  // The screen before any level shows already behind the start-up box: the
  // framed empty board, the clock at "0:00" and how to begin.
  e.Jugando = e.EnTurno = e.Pausado = false;
  e.Inicializado = true;
  e.ConReloj = e.RelojVisible = true;
  e.SegundosReloj = 0;

  PremioDiario();

  e.Sonido = LeerIni(kSeccionIni, "SOINUA", "S");
  e.SonidoActivo = e.Sonido == "S";

  // A stored piece set other than "N" or "Z" changes no check mark, so the
  // one in force stays.
  e.Dificultad = LeerIni(kSeccionIni, "ZAILTASUNA", "N");
  if (e.Dificultad == "N" || e.Dificultad == "Z") {
    e.MarcaNormal = e.Dificultad == "N";
    e.MarcaDificil = e.Dificultad == "Z";
  }
  // The landing shadow is off unless the player switched it on; reading the
  // key with a blank default never writes it.
  e.SombraActiva = LeerIni(kSeccionIni, "ITZALA", "") == "S";

  e.Puntos = 0;
  FijarJuegoFichas(e.MarcaNormal ? 0 : e.MarcaDificil ? 1 : 2);
}

void Partida::MenuNuevo() {
  e.DemostracionPedida = false;
  AbrirNuevo();
}

void Partida::AbrirNuevo() {
  // While the shutter slides down the level is being closed; wait for it.
  if (e.BajandoPersiana || e.EnDialogo) return;
  // A paused game has no ticks to carry a deferred command, and its piece is
  // at rest, so the window can open at once.
  if (!e.Jugando || e.PersianaVisible || (e.Pausado && !e.EnTurno)) {
    e.EnDialogo = e.Jugando;
    AbrirSelectorNiveles();
    e.EnDialogo = false;
  } else {
    e.orden = Orden::Nuevo;
  }
}

void Partida::MenuPiezas(int indice) {
  if (indice != 0 && indice != 1) return;
  e.MarcaNormal = indice == 0;
  e.MarcaDificil = indice == 1;
  FijarJuegoFichas(indice);
  e.Dificultad = indice == 1 ? "Z" : "N";
  EscribirIni(kSeccionIni, "ZAILTASUNA", e.Dificultad);
}

void Partida::AlternarSonido() {
  e.SonidoActivo = !e.SonidoActivo;
  e.Sonido = e.SonidoActivo ? "S" : "N";
  EscribirIni(kSeccionIni, "SOINUA", e.Sonido);
}

void Partida::MenuSombra() {
  e.SombraActiva = !e.SombraActiva;
  EscribirIni(kSeccionIni, "ITZALA", e.SombraActiva ? "S" : "N");
}

void Partida::MenuReset() {
  if (e.Jugando || e.PersianaVisible || e.BajandoPersiana) {
    Mensaje(Icono::Exclamacion, "Para esta opción debes haber finalizado la partida.");
    return;
  }
  if (!Pregunta(Icono::Pregunta, "¿Quieres resetear el juego?")) return;
  if (!Pregunta(Icono::Exclamacion, "¿Estás seguro/a?")) return;
  // Only the progress goes; extra minutes and options stay.
  EscribirIni(kSeccionIni, "AMAITUTAKOA", "0");
}

}  // namespace tumbla
