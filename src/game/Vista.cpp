#include "game/Vista.h"

#include "game/Juego.h"

namespace tumbla {

namespace {
const Estado& E(const Juego& j) { return j.estado(); }
}  // namespace

const Tablero& Vista::tablero() const { return E(juego_).tablero; }
bool Vista::HayFicha() const { return E(juego_).FichaActiva; }
int Vista::Ficha() const { return E(juego_).Ficha; }
int Vista::Posicion() const { return E(juego_).Posicion; }
int Vista::FichaSiguiente() const { return E(juego_).FichaSiguiente; }
bool Vista::FichaSoltada() const { return E(juego_).NoCabeForzado; }
int Vista::CeldaMasBaja() const { return E(juego_).CeldaMasBaja; }
long Vista::FichasEntradas() const { return E(juego_).FichasEntradas; }
bool Vista::Jugando() const { return E(juego_).Jugando; }
bool Vista::Pausado() const { return E(juego_).Pausado; }
bool Vista::Demostrando() const { return E(juego_).Demostrando; }
bool Vista::NivelTerminado() const { return E(juego_).NivelTerminado; }
int Vista::NivelActual() const { return E(juego_).NivelActual; }

const Grupo* Vista::GrupoActual() const {
  const int n = E(juego_).NivelActual;
  if (n < 1 || n > kNumNiveles) return nullptr;
  return BuscarGrupo(GrupoDeClave(juego_.niveles().Clave(n)));
}

int Vista::BorrarCada() const { return E(juego_).BorrarCada; }
bool Vista::ObjetivoLineas() const { return E(juego_).ObjetivoLineas; }
int Vista::LineasRestantes() const { return E(juego_).LineasRestantes; }
int Vista::IntervaloSubida() const { return E(juego_).IntervaloSubida; }
int Vista::ContadorSubida() const { return E(juego_).ContadorSubida; }
int Vista::CeldaGota() const { return E(juego_).CeldaGota; }
bool Vista::GotaCayendo() const { return E(juego_).GotaCayendo; }
const std::vector<int16_t>& Vista::Planta() const { return E(juego_).Planta; }
int32_t Vista::Puntos() const { return E(juego_).Puntos; }
const std::string& Vista::Reloj() const { return juego_.pantalla().lblTiempo.texto; }
int Vista::IntervaloJuego() const { return E(juego_).timJuego.Interval; }
int Vista::CargaTorpedo() const { return E(juego_).CargaTorpedo; }

}  // namespace tumbla
