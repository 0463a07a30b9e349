#include "motor/Vista.h"

#include "game/Reglas.h"
#include "motor/Juego.h"

namespace tumbla {

const Mesa& Vista::mesa() const { return juego_.mesa_; }
const Flujo& Vista::flujo() const { return juego_.flujo_; }
const Nivel& Vista::nivel() const { return juego_.nivel_; }
int32_t Vista::NivelesEmpezados() const { return juego_.empezados_; }
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
  p.enJuego = fase() == Fase::Jugando;
  p.nivel = NivelActual();
  p.intervaloMs = Temporizador(tumbla::Temporizador::Juego).intervalo;
  return p;
}
const Demostracion& Vista::demo() const { return juego_.demo_; }
const Persiana& Vista::persiana() const { return juego_.persiana_; }
const RelojNivel& Vista::reloj() const { return juego_.reloj_; }
const Marcador& Vista::marcador() const { return juego_.marcador_; }
const Ajustes& Vista::ajustes() const { return juego_.ajustes_; }
int Vista::MinutosExtra() const { return juego_.progreso_.MinutosExtra(); }
bool Vista::AjustesGuardados() const { return juego_.ini_.estado() == AlmacenIni::Estado::Guarda; }
const EstadoTemporizador& Vista::Temporizador(tumbla::Temporizador t) const { return juego_.tiempos_[t]; }
const Peticion& Vista::peticion() const { return juego_.espera_.peticion; }

}  // namespace tumbla
