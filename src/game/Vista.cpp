#include "game/Vista.h"

#include "game/Partida.h"

namespace tumbla {

const Tablero& Vista::tablero() const { return partida_.e.tablero; }
bool Vista::HayFicha() const { return partida_.e.FichaActiva; }
int Vista::Ficha() const { return partida_.e.Ficha; }
int Vista::Posicion() const { return partida_.e.Posicion; }
int Vista::FichaSiguiente() const { return partida_.e.FichaSiguiente; }
bool Vista::FichaSoltada() const { return partida_.e.NoCabeForzado; }
int Vista::CeldaMasBaja() const { return partida_.e.CeldaMasBaja; }
long Vista::FichasEntradas() const { return partida_.e.FichasEntradas; }
bool Vista::Jugando() const { return partida_.e.Jugando; }
bool Vista::Pausado() const { return partida_.e.Pausado; }
bool Vista::Demostrando() const { return partida_.e.Demostrando; }
bool Vista::NivelTerminado() const { return partida_.e.NivelTerminado; }
bool Vista::PersianaVisible() const { return partida_.e.PersianaVisible; }
int Vista::NivelActual() const { return partida_.e.NivelActual; }

const Grupo* Vista::GrupoActual() const {
  const int n = partida_.e.NivelActual;
  if (n < 1 || n > kNumNiveles) return nullptr;
  return BuscarGrupo(GrupoDeClave(partida_.niveles().Clave(n)));
}

const char* Vista::NombreModo() const {
  return partida_.e.reglas != nullptr ? partida_.e.reglas->NombreModo() : "none";
}
bool Vista::TableroCuadrado() const { return partida_.e.reglas != nullptr && partida_.e.reglas->Cuadrado(); }
bool Vista::Desborda() const { return partida_.e.reglas != nullptr && partida_.e.reglas->Desborda(); }
bool Vista::GanaTorpedos() const { return partida_.e.reglas != nullptr && partida_.e.reglas->GanaTorpedos(); }
int Vista::SegundosNivel() const { return partida_.e.reglas != nullptr ? partida_.e.reglas->SegundosReloj() : 0; }
bool Vista::PuedeGirarTablero() const { return partida_.PuedeGirarTablero(); }
const std::string& Vista::TipoNivel() const { return partida_.e.TipoNivel; }
int Vista::BorrarCada() const { return partida_.e.BorrarCada; }
bool Vista::ObjetivoLineas() const { return partida_.e.ObjetivoLineas; }
int Vista::LineasRestantes() const { return partida_.e.LineasRestantes; }
int Vista::IntervaloSubida() const { return partida_.e.IntervaloSubida; }
int Vista::ContadorSubida() const { return partida_.e.ContadorSubida; }
int Vista::CeldaGota() const { return partida_.e.CeldaGota; }
bool Vista::GotaCayendo() const { return partida_.e.GotaCayendo; }
const std::vector<int16_t>& Vista::Planta() const { return partida_.e.Planta; }
int32_t Vista::Puntos() const { return partida_.e.Puntos; }
int Vista::MinutosExtra() const { return partida_.e.MinutosExtra; }
int Vista::CargaTorpedo() const { return partida_.e.CargaTorpedo; }
bool Vista::TorpedoPendiente() const { return partida_.e.TorpedoPendiente; }
int64_t Vista::SegundosReloj() const { return partida_.e.SegundosReloj; }
int Vista::IntervaloJuego() const { return partida_.e.timJuego.intervalo; }

const EstadoTemporizador& Vista::Temporizador(int t) const {
  return t == 0 ? partida_.e.timJuego : t == 1 ? partida_.e.timGota : partida_.e.timBloqueExtra;
}

}  // namespace tumbla
