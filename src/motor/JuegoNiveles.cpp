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
  ajenos_.reset();
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

void Juego::Retomar(const Continuacion& c) {
  if (!std::holds_alternative<flujo::SinNivel>(flujo_) || c.posicion < 1 || c.posicion > kNumNiveles) return;
  const int16_t antes = nivelActual_;
  reloj_.Apagar();
  marcador_.Seguir(c.puntos, c.intervalo);
  nivelActual_ = static_cast<int16_t>(c.posicion - 1);
  tiempos_.Poner(Temporizador::Juego, true, marcador_.intervalo);
  if (EmpezarNivel()) {
    if (c.demo) {
      Pasar(flujo::Demostracion{antes, 0, flujo::Jugando{.gris = c.gris}});
    } else {
      Pasar(flujo::Jugando{.gris = c.gris});
    }
  }
  AvisarAjustes();
  Presentar();
}

bool Juego::EmpezarNivel() {
  // Past the last position the whole game is done.
  nivelActual_ = static_cast<int16_t>(nivelActual_ + 1);
  if (nivelActual_ > kNumNiveles) {
    FinPartida(Derrota::Ninguna);
    return false;
  }
  MontarNivel(progreso_.Record(nivelActual_));
  return true;
}

const CatalogoNiveles& Juego::Registros() const {
  return ajenos_ ? ajenos_->niveles[static_cast<size_t>(ajeno_)].registros : niveles_;
}

void Juego::MontarNivel(int32_t record) {
  const int32_t orden = nivel_.orden + 1;  // every level begun, the pack's and the tried ones too
  nivel_ = EmpezarMesa(mesa_, Registros(), nivelActual_, azar_);
  nivel_.orden = orden;
  tiempos_.Poner(Temporizador::BloqueExtra, true, nivel_.periodoBloques * 1000);
  tiempos_.Activar(Temporizador::Gota, nivel_.conGota);
  reloj_.Empezar(mesa_.reglas->SegundosReloj(), plataforma_.reloj());
  marcador_.EmpezarNivel();
  marcador_.record = record;
  marcador_.conPista = ajustes_.Pista();
  // A level tried again starts its pieces' count again: the hint's outline
  // is worked out anew.
  consejoPara_ = {-1, -1};
}

void Juego::JugarAjeno(std::shared_ptr<const PaqueteJugable> paquete, int indice, bool prueba) {
  // No introduction: the player knows the level's group from the editor or
  // the pack.
  // The pack's next level keeps the score, and the position the game's own
  // levels go on from.
  const auto* seguido = std::get_if<flujo::DePaquete>(&flujo_);
  const int16_t antes = seguido != nullptr ? seguido->nivelAntes : nivelActual_;
  reloj_.Apagar();
  if (seguido == nullptr) marcador_.Empezar();
  tiempos_.Poner(Temporizador::Juego, true, marcador_.intervalo);
  ajenos_ = std::move(paquete);
  ajeno_ = indice;
  const NivelAjeno& n = ajenos_->niveles[static_cast<size_t>(indice)];
  nivelActual_ = static_cast<int16_t>(n.posicion);
  MontarNivel(prueba ? 0 : progreso_.RecordPaquete(ajenos_->seccion, indice + 1));
  if (prueba) {
    Pasar(flujo::Prueba{antes, flujo::Jugando{}});
  } else {
    Pasar(flujo::DePaquete{antes, indice, flujo::Jugando{}});
  }
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
  if (flujo::En<flujo::Prueba>(flujo_) != nullptr) return;  // nor from a level tried in the editor
  // A level played with the hint counts as progress, but makes no record.
  const int32_t puntos = marcador_.PuntosAlSuperar(FilasPersiana(mesa_.tablero));
  if (const flujo::DePaquete* d = flujo::En<flujo::DePaquete>(flujo_)) {
    // A pack's progress is its own: no minute, nothing of the game's levels.
    progreso_.PaqueteSuperado(ajenos_->seccion, d->indice + 1, marcador_.conPista ? -1 : puntos);
    return;
  }
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
  PasarNivel(abajo);
  // The panel shows the record the win made, stored already.
  if (!marcador_.conPista) marcador_.record = std::max(marcador_.record, marcador_.PuntosNivel());
}

void Juego::Continuar() {
  // Only the shutter that asks for ENTER leads on.
  const flujo::Persiana* p = flujo::Aqui<flujo::Persiana>(flujo_);
  if (p == nullptr || p->bajando) return;
  const bool gris = p->gris;
  if (const auto* prueba = std::get_if<flujo::Prueba>(&flujo_)) {
    VolverSinNivel(prueba->nivelAntes, Derrota::Ninguna);
  } else if (const auto* d = std::get_if<flujo::DePaquete>(&flujo_)) {
    // The pack's next level, or the pack done.
    if (d->indice + 1 < static_cast<int>(ajenos_->niveles.size())) {
      JugarAjeno(ajenos_, d->indice + 1, false);
    } else {
      FinPartida(Derrota::Ninguna);
    }
  } else if (EmpezarNivel()) {
    PasarNivel(flujo::Jugando{.gris = gris});
  }
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
  // A level tried in the editor ends at once: the editor tells how.
  if (const auto* prueba = std::get_if<flujo::Prueba>(&flujo_)) {
    VolverSinNivel(prueba->nivelAntes, derrota);
    return;
  }
  const auto* deUnPaquete = std::get_if<flujo::DePaquete>(&flujo_);
  const bool paquete = deUnPaquete != nullptr;
  // After a pack's level the level window offers the game's own position.
  if (paquete) nivelActual_ = deUnPaquete->nivelAntes;
  Pasar(flujo::Perdido{{TipoPeticion::Mensaje, Icono::Informacion, kTituloVentana,
                        perdida    ? "GAME OVER"
                        : paquete ? Formato(Texto(TUMBLA_TEXTO("Juego", "FELICIDADES!\r\rHas acabado el paquete «%1»!")),
                                            {ajenos_->nombre})
                                  : Texto(TUMBLA_TEXTO("Juego", "FELICIDADES!\r\rHas conseguido acabar el juego!"))},
                       derrota, conFicha});
}

}  // namespace tumbla
