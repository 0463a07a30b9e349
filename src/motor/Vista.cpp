#include "motor/Vista.h"

#include "game/Pasos.h"
#include "game/Reglas.h"
#include "motor/Juego.h"

namespace tumbla {

const Mesa& Vista::mesa() const { return juego_.mesa_; }
const Flujo& Vista::flujo() const { return juego_.flujo_; }
const Nivel& Vista::nivel() const { return juego_.nivel_; }
const char* Vista::NombreModo() const {
  return mesa().reglas != nullptr ? mesa().reglas->NombreModo() : "none";
}
bool Vista::PuedeGirarTablero() const { return fase() == Fase::Jugando && PuedeGirarCuadrado(mesa()); }
const Demostracion& Vista::demo() const { return juego_.demo_; }
const Persiana& Vista::persiana() const { return juego_.persiana_; }
const RelojNivel& Vista::reloj() const { return juego_.reloj_; }
const Marcador& Vista::marcador() const { return juego_.marcador_; }
const Ajustes& Vista::ajustes() const { return juego_.ajustes_; }
int Vista::MinutosExtra() const { return juego_.progreso_.MinutosExtra(); }
const EstadoTemporizador& Vista::Temporizador(tumbla::Temporizador t) const { return juego_.tiempos_[t]; }
const Peticion& Vista::peticion() const { return juego_.espera_.peticion; }

}  // namespace tumbla
