// Cells and their pictures, timers, sounds and message boxes.
#include "game/Juego.h"

#include "progress/SelectorNiveles.h"

namespace tumbla {

Juego::Juego(Plataforma& plataforma, std::string rutaIni, CatalogoNiveles niveles)
    : plataforma_(plataforma),
      niveles_(std::move(niveles)),
      ini_(std::move(rutaIni)),
      selector_(std::make_unique<SelectorNiveles>(*this)) {}

Juego::~Juego() = default;

namespace {
// The picture that shows a cell value: the block picture of the same number.
int8_t ImagenDeValor(int16_t valor) {
  return valor >= 1 && valor < kIconLineas ? static_cast<int8_t>(valor) : int8_t{kSinImagen};
}
}  // namespace

void Juego::EscribirCelda(int i, int16_t valor) { EscribirCelda(i, valor, ImagenDeValor(valor)); }

void Juego::EscribirCelda(int i, int16_t valor, int8_t imagen) {
  e_.tablero.Poner(i, valor);
  DibujarImagen(i, valor >= 1 ? imagen : int8_t{kSinImagen});
  // The board under the piece changed: so may the place where it lands.
  if (p_.menuSombra || p_.sombra.any()) ActualizarSombra();
}

void Juego::DibujarImagen(int i, int8_t imagen) {
  if (i < 0 || i >= kCeldas) IndiceFueraDeRango(i, "picture");
  auto& actual = p_.imgTablero[static_cast<size_t>(i)];
  if (actual != imagen) {
    actual = imagen;
    p_.celdasCambiadas.set(static_cast<size_t>(i));
  }
}

void Juego::RedibujarCelda(int i) {
  DibujarImagen(i, ImagenDeValor(e_.tablero[i]));
}

EstadoTemporizador& Juego::Temp(Temporizador t) {
  switch (t) {
    case Temporizador::Juego: return e_.timJuego;
    case Temporizador::Gota: return e_.timGota;
    case Temporizador::BloqueExtra: break;
  }
  return e_.timBloqueExtra;
}

void Juego::PonerTemporizador(Temporizador t, bool activo, int intervaloMs) {
  auto& tm = Temp(t);
  if (tm.Enabled == activo && tm.Interval == intervaloMs) return;
  tm.Enabled = activo;
  tm.Interval = intervaloMs;
  plataforma_.temporizador(t, activo, intervaloMs);
}

void Juego::ActivarTemporizador(Temporizador t, bool activo) {
  PonerTemporizador(t, activo, Temp(t).Interval);
}

void Juego::Sonar(int id) { plataforma_.sonido(id, p_.menuSonido); }

void Juego::Mensaje(Icono icono, const std::string& texto, const std::string& titulo) {
  plataforma_.mensaje(icono, titulo, texto);
}

bool Juego::Pregunta(Icono icono, const std::string& texto, const std::string& titulo) {
  return plataforma_.pregunta(icono, titulo, texto);
}

}  // namespace tumbla
