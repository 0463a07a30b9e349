#include "motor/Vista.h"

#include "game/Reglas.h"

namespace tumbla {

bool Vista::SinNivel() const {
  return std::holds_alternative<flujo::Apagado>(situacion()) || flujo::En<flujo::SinNivel>(situacion()) != nullptr;
}

bool Vista::Jugando() const {
  return flujo::En<flujo::Jugando>(situacion()) != nullptr ||
         std::holds_alternative<flujo::Introduccion>(situacion());
}

bool Vista::EnJuego() const {
  // The introduction's box shows over a level in play that nothing paused.
  return pausa() == flujo::Pausa::No && Jugando();
}

flujo::Pausa Vista::pausa() const {
  const flujo::Jugando* j = flujo::En<flujo::Jugando>(situacion());
  return j != nullptr ? j->pausa : flujo::Pausa::No;
}

Derrota Vista::derrota() const {
  if (const auto* p = std::get_if<flujo::Perdido>(&situacion())) return p->derrota;
  const flujo::SinNivel* s = flujo::En<flujo::SinNivel>(situacion());
  return s != nullptr ? s->derrota : Derrota::Ninguna;
}

const char* Vista::NombreModo() const {
  return mesa().reglas != nullptr ? mesa().reglas->NombreModo() : "none";
}

Panorama Vista::panorama() const {
  const Mesa& m = mesa();
  Panorama p;
  // The board with its drop and plant; the falling piece, how far down it
  // has been and whether it was dropped; the preview, each new piece and
  // the piece set; the objective's count, the clear-together figure and the
  // group's rules.
  Mesa& visto = p.mesa;
  visto.tablero = m.tablero;
  visto.ficha = m.ficha;
  visto.hayFicha = m.hayFicha;
  visto.soltada = m.soltada;
  visto.celdaMasBaja = m.celdaMasBaja;
  visto.siguiente = m.siguiente;
  visto.fichasEntradas = m.fichasEntradas;
  visto.fichas = m.fichas;
  visto.reglas = m.reglas;
  visto.borrarCada = m.borrarCada;
  visto.lineasRestantes = m.lineasRestantes;
  visto.objetivoAlcanzado = m.objetivoAlcanzado;
  visto.celdaGota = m.celdaGota;
  visto.gotaCayendo = m.gotaCayendo;
  visto.planta = m.planta;
  visto.direccionPlanta = m.direccionPlanta;
  p.subida = m.subida.intervalo > 0;
  p.enJuego = EnJuego();
  p.nivel = NivelActual();
  p.intervaloMs = Temporizador(tumbla::Temporizador::Juego).intervalo;
  return p;
}

}  // namespace tumbla
