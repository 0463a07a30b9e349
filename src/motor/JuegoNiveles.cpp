// A level's start and end: the level window and the level it starts, a
// completed level (the shutter comes down, points, the extra minute and the
// progress, then ENTER for the next position) and the end of the game (lost,
// or every level done).

#include "game/Pasos.h"
#include "game/Reglas.h"
#include "game/Sonidos.h"
#include "motor/Juego.h"
#include "progress/Ayuda.h"

namespace tumbla {

namespace {

constexpr double kPasoPersiana = 0.05;  // seconds per shutter row

}  // namespace

void Juego::AbrirNuevo(bool trasPerder) {
  if (espera_.Hay()) return;
  // A paused game's piece is at rest, so the window can open at once; a
  // game in play leaves it to the next tick.
  if (!flujo_.Jugando() || persiana_.visible || flujo_.fase == Fase::Pausado) {
    AbrirSelector(trasPerder);
  } else {
    flujo_.orden = Orden::Nuevo;
  }
}

void Juego::AbrirSelector(bool trasPerder) {
  // The extra blocks wait while the window shows.
  const int superados = progreso_.Superados();
  flujo_.bloqueoSelector = tiempos_[Temporizador::BloqueExtra].activo;
  tiempos_.Activar(Temporizador::BloqueExtra, false);
  selector_.Activar(superados, flujo_.Jugando() || persiana_.visible, flujo_.nivelActual, demo_.pedida);
  Espera e{{TipoPeticion::Selector, Icono::Informacion, kTituloVentana, selector_.Titulo()}, Despues::Selector};
  e.trasPerder = trasPerder;
  Pedir(e);
}

void Juego::ContinuarPartida() {
  // The time spent in the window does not count against the level clock.
  reloj_.Reanudar(plataforma_.reloj());
  tiempos_.Activar(Temporizador::BloqueExtra, flujo_.bloqueoSelector);
}

void Juego::JugarNivel(int posicion, bool gris) {
  if (demo_.pedida && !demo_.activa) {
    demo_.activa = true;
    demo_.nivelAntes = flujo_.nivelActual;
  }
  flujo_.noGuardar = gris;
  persiana_.visible = false;
  reloj_.Apagar();
  marcador_.Empezar();
  flujo_.nivelActual = static_cast<int16_t>(posicion - 1);
  flujo_.fase = Fase::SinNivel;
  tiempos_.Poner(Temporizador::Juego, true, marcador_.intervalo);
  EmpezarNivel();

  std::string titulo;
  std::string texto;
  if (demo_.activa || !TextoIntroduccion(flujo_.nivelActual, titulo, texto)) return;
  // Nothing moves while the player reads the group's introduction; the
  // level clock starts when it is closed.
  Espera e{{TipoPeticion::Mensaje, Icono::Informacion, titulo, texto}, Despues::Introduccion};
  e.temporizadores = {tiempos_[Temporizador::Juego].activo, tiempos_[Temporizador::Gota].activo,
                      tiempos_[Temporizador::BloqueExtra].activo};
  tiempos_.Parar();
  Pedir(e);
}

void Juego::Retomar(const Continuacion& c) {
  if (espera_.Hay() || flujo_.fase == Fase::Apagado || flujo_.Jugando() || persiana_.visible || demo_.activa ||
      c.posicion < 1 || c.posicion > kNumNiveles) {
    return;
  }
  demo_.activa = c.demo;
  demo_.pedida = false;
  demo_.nivelAntes = flujo_.nivelActual;
  flujo_.noGuardar = c.gris;
  reloj_.Apagar();
  marcador_.Seguir(c.puntos, c.intervalo);
  flujo_.nivelActual = static_cast<int16_t>(c.posicion - 1);
  flujo_.fase = Fase::SinNivel;
  tiempos_.Poner(Temporizador::Juego, true, marcador_.intervalo);
  EmpezarNivel();
  AvisarAjustes();
}

void Juego::EmpezarNivel() {
  // Past the last position the whole game is done.
  flujo_.nivelActual = static_cast<int16_t>(flujo_.nivelActual + 1);
  if (flujo_.nivelActual > kNumNiveles) {
    FinPartida(Derrota::Ninguna);
    return;
  }
  ++empezados_;
  nivel_ = EmpezarMesa(mesa_, niveles_, flujo_.nivelActual, azar_);
  tiempos_.Poner(Temporizador::BloqueExtra, true, nivel_.periodoBloques * 1000);
  tiempos_.Activar(Temporizador::Gota, nivel_.conGota);
  reloj_.Empezar(mesa_.reglas->SegundosReloj(), plataforma_.reloj());
  flujo_.fase = Fase::Jugando;
  flujo_.orden = Orden::Ninguna;
  flujo_.fichaTrasFin = false;
  flujo_.derrota = Derrota::Ninguna;
  persiana_.Quitar();
  marcador_.EmpezarNivel();
  marcador_.record = progreso_.Record(flujo_.nivelActual);
  marcador_.conPista = ajustes_.Pista();
}

void Juego::NivelCompletado() {
  // Whatever the level asked the player is over. A piece still in the air
  // goes with the level; a level completed during a pause (the drop keeps
  // falling) ends the pause.
  Retirar();
  flujo_.fase = Fase::Completado;
  RetirarFicha(mesa_);
  tiempos_.Activar(Temporizador::Juego, true);
  tiempos_.Activar(Temporizador::Gota, false);
  tiempos_.Activar(Temporizador::BloqueExtra, false);
  persiana_.filas = 0;
  persiana_.espera = false;
  reloj_.Apagar();
  GuardarNivelGanado();
  PasoPersiana();
}

void Juego::GuardarNivelGanado() {
  // Stored the moment the level is won, with the points the shutter and the
  // level will bring: quitting while the shutter comes down loses nothing.
  if (demo_.activa) return;  // no minute, no progress and no record from a demo
  // A level played with the hint counts as progress, but makes no record.
  const int32_t puntos = marcador_.PuntosAlSuperar(FilasPersiana(mesa_.tablero));
  progreso_.NivelSuperado(flujo_.nivelActual, !flujo_.noGuardar, marcador_.conPista ? -1 : puntos);
}

void Juego::PasoPersiana() {
  // The shutter comes down over the empty top rows, one row per step (each
  // scores); it shows even with no row to cover, so that ENTER can always
  // go on.
  if (PersianaBaja(mesa_.tablero, persiana_.filas)) {
    persiana_.filas += 1;
    persiana_.visible = true;
    Pedir(Peticion{TipoPeticion::Persiana, Icono::Informacion, "", "", kPasoPersiana}, Despues::Persiana);
    return;
  }
  TerminarNivel();
}

void Juego::TerminarNivel() {
  persiana_.visible = true;
  persiana_.espera = true;
  marcador_.NivelSuperado();
  tiempos_.Poner(Temporizador::Juego, true, marcador_.intervalo);
  Sonar(sonido::kNivelCompletado);
  demo_.ganadoEn = plataforma_.reloj();
  // The panel shows the record the win made, stored already.
  if (!demo_.activa && !marcador_.conPista) {
    marcador_.record = std::max(marcador_.record, marcador_.PuntosNivel());
  }
}

void Juego::Continuar() {
  // Only the shutter that asks for ENTER leads on.
  if (!persiana_.espera) return;
  persiana_.visible = persiana_.espera = false;
  EmpezarNivel();
}

void Juego::FinPartida(Derrota derrota) {
  // Everything stops before the message shows, so nothing can run on under
  // it. The falling piece stays drawn under the message.
  Retirar();
  tiempos_.Parar();
  flujo_.fase = Fase::Perdido;
  flujo_.derrota = derrota;
  flujo_.fichaTrasFin = mesa_.hayFicha;
  RetirarFicha(mesa_);
  reloj_.Apagar();
  if (demo_.activa) {
    Sonar(sonido::kFinPartida);
    TerminarDemostracion();
    return;
  }
  const bool perdida = derrota != Derrota::Ninguna;
  if (perdida) Sonar(sonido::kFinPartida);
  Espera e{{TipoPeticion::Mensaje, Icono::Informacion, kTituloVentana,
            perdida ? "GAME OVER" : "FELICIDADES!\r\rHas conseguido acabar el juego!"},
           Despues::FinPartida};
  e.derrota = derrota;
  Pedir(e);
}

void Juego::TrasFinPartida(Derrota derrota) {
  // The screen is cleared; the board values stay as they were. After a loss
  // the player picks the next level at once.
  flujo_.fase = Fase::SinNivel;
  flujo_.fichaTrasFin = false;
  reloj_.Ocultar();
  persiana_.Quitar();
  if (derrota != Derrota::Ninguna) {
    demo_.pedida = false;
    AbrirNuevo(true);
  }
}

}  // namespace tumbla
