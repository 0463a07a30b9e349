// A level's start and end: the level window and the level it starts, a
// completed level (the shutter comes down, points, the extra minute and the
// progress, then ENTER for the next position) and the end of the game (lost,
// or every level done).

#include <algorithm>

#include "game/Pasos.h"
#include "game/Reglas.h"
#include "game/Sonidos.h"
#include "motor/Ayuda.h"
#include "motor/Juego.h"

namespace tumbla {

void Juego::AbrirNuevo(flujo::Para para) {
  if (flujo::PeticionDe(flujo_).tipo != TipoPeticion::Ninguna) return;
  // A paused game's piece is at rest, so the window can open at once; a
  // game in play leaves it to the next tick.
  const flujo::Jugando* j = flujo::Aqui<flujo::Jugando>(flujo_);
  if (j == nullptr || j->pausa != flujo::Pausa::No) {
    AbrirSelector(para);
    return;
  }
  flujo::Jugando sigue = *j;
  sigue.orden = para == flujo::Para::Demostracion ? flujo::Orden::Demostracion : flujo::Orden::Nuevo;
  PasarNivel(sigue);
}

void Juego::AbrirSelector(flujo::Para para) {
  // The extra blocks wait while the window shows.
  const bool bloques = tiempos_[Temporizador::BloqueExtra].activo;
  tiempos_.Activar(Temporizador::BloqueExtra, false);
  const bool enJuego = vista_.Jugando() || vista_.NivelTerminado();
  const bool demo = para == flujo::Para::Demostracion;
  Pasar(flujo::Selector{{TipoPeticion::Selector, Icono::Informacion, kTituloVentana,
                          SelectorNiveles::TituloPara(enJuego, nivelActual_, demo, plataforma_)},
                         para,
                         bloques,
                         Fondo()});
  // Its model is set up once the flow says what the window is for: one
  // opened for a demo stores nothing, not even the progress's first value.
  selector_.Activar(progreso_.Superados(), enJuego, nivelActual_, demo, plataforma_);
}

void Juego::JugarNivel(int posicion, bool gris, bool demo) {
  const int16_t antes = nivelActual_;
  reloj_.Apagar();
  marcador_.Empezar();
  nivelActual_ = static_cast<int16_t>(posicion - 1);
  tiempos_.Poner(Temporizador::Juego, true, marcador_.intervalo);
  if (!EmpezarNivel()) return;
  if (demo) {
    Pasar(flujo::Demostracion{antes, 0, flujo::Jugando{.gris = gris}});
    return;
  }
  std::string titulo;
  std::string texto;
  if (!TextoIntroduccion(nivelActual_, titulo, texto, plataforma_)) {
    Pasar(flujo::Jugando{.gris = gris});
    return;
  }
  // Nothing moves while the player reads the group's introduction; the
  // level clock starts when it is closed.
  flujo::Introduccion intro{{TipoPeticion::Mensaje, Icono::Informacion, titulo, texto},
                            {tiempos_[Temporizador::Juego].activo, tiempos_[Temporizador::Gota].activo,
                             tiempos_[Temporizador::BloqueExtra].activo},
                            gris};
  tiempos_.Parar();
  Pasar(intro);
}

bool Juego::EmpezarNivel() {
  // Past the last position the whole game is done.
  nivelActual_ = static_cast<int16_t>(nivelActual_ + 1);
  if (nivelActual_ > kNumNiveles) {
    FinPartida(Derrota::Ninguna);
    return false;
  }
  nivel_ = EmpezarMesa(mesa_, niveles_, nivelActual_, azar_);
  tiempos_.Poner(Temporizador::BloqueExtra, true, nivel_.periodoBloques * 1000);
  tiempos_.Activar(Temporizador::Gota, nivel_.conGota);
  reloj_.Empezar(mesa_.reglas->SegundosReloj(), plataforma_.reloj());
  marcador_.EmpezarNivel();
  marcador_.record = progreso_.Record(nivelActual_);
  marcador_.conPista = ajustes_.Pista();
  // A level tried again starts its pieces' count again: the hint's outline
  // is worked out anew.
  consejoPara_ = {-1, -1};
  return true;
}

void Juego::NivelCompletado() {
  // Whatever the level asked the player is over. A piece still in the air
  // goes with the level; a level completed during a pause (the drop keeps
  // falling) ends the pause.
  Retirar();
  const flujo::Jugando* j = flujo::Aqui<flujo::Jugando>(flujo_);
  const bool gris = j != nullptr && j->gris;
  RetirarFicha(mesa_);
  tiempos_.Activar(Temporizador::Juego, true);
  tiempos_.Activar(Temporizador::Gota, false);
  tiempos_.Activar(Temporizador::BloqueExtra, false);
  reloj_.Apagar();
  GuardarNivelGanado(gris);
  PasoPersiana(flujo::Persiana{0, false, gris});
}

void Juego::GuardarNivelGanado(bool gris) {
  // Stored the moment the level is won, with the points the shutter and the
  // level will bring: quitting while the shutter comes down loses nothing.
  if (vista_.EnDemostracion()) return;  // no minute, no progress and no record from a demo
  // A level played with the hint counts as progress, but makes no record.
  const int32_t puntos = marcador_.PuntosAlSuperar(FilasPersiana(mesa_.tablero));
  progreso_.NivelSuperado(nivelActual_, !gris, marcador_.conPista ? -1 : puntos);
}

void Juego::PasoPersiana(const flujo::Persiana& p) {
  // The shutter comes down over the empty top rows, one row per step (each
  // scores); it shows even with no row to cover, so that ENTER can always
  // go on.
  if (PersianaBaja(mesa_.tablero, p.filas)) {
    PasarNivel(flujo::Persiana{p.filas + 1, true, p.gris});
    return;
  }
  TerminarNivel(p);
}

void Juego::TerminarNivel(const flujo::Persiana& p) {
  marcador_.NivelSuperado();
  tiempos_.Poner(Temporizador::Juego, true, marcador_.intervalo);
  Sonar(sonido::kNivelCompletado);
  const flujo::Persiana abajo{p.filas, false, p.gris};
  if (const auto* demo = std::get_if<flujo::Demostracion>(&flujo_)) {
    Pasar(flujo::Demostracion{demo->nivelAntes, plataforma_.reloj(), abajo});
    return;
  }
  Pasar(abajo);
  // The panel shows the record the win made, stored already.
  if (!marcador_.conPista) marcador_.record = std::max(marcador_.record, marcador_.PuntosNivel());
}

void Juego::Continuar() {
  // Only the shutter that asks for ENTER leads on.
  const flujo::Persiana* p = flujo::Aqui<flujo::Persiana>(flujo_);
  if (p == nullptr || p->bajando) return;
  const bool gris = p->gris;
  if (EmpezarNivel()) PasarNivel(flujo::Jugando{.gris = gris});
}

void Juego::FinPartida(Derrota derrota) {
  // Everything stops before the message shows, so nothing can run on under
  // it. The falling piece stays drawn under the message.
  Retirar();
  tiempos_.Parar();
  const bool conFicha = mesa_.hayFicha;
  RetirarFicha(mesa_);
  reloj_.Apagar();
  if (vista_.EnDemostracion()) {
    Sonar(sonido::kFinPartida);
    TerminarDemostracion(derrota);
    return;
  }
  const bool perdida = derrota != Derrota::Ninguna;
  if (perdida) Sonar(sonido::kFinPartida);
  Pasar(flujo::Perdido{{TipoPeticion::Mensaje, Icono::Informacion, kTituloVentana,
                        perdida ? "GAME OVER"
                                : Texto(TUMBLA_TEXTO("Juego", "FELICIDADES!\r\rHas conseguido acabar el juego!"))},
                       derrota, conFicha});
}

}  // namespace tumbla
