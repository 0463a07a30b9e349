#include "game/Juego.h"

#include "game/Partida.h"
#include "game/Presentador.h"

namespace tumbla {

Juego::Juego(Plataforma& plataforma, std::string rutaIni, CatalogoNiveles niveles)
    : partida_(std::make_unique<Partida>(plataforma, std::move(rutaIni), std::move(niveles))),
      vista_(*partida_) {
  cambios_.panel = true;
}

Juego::~Juego() = default;

void Juego::Inicializar() { partida_->Inicializar(); }

bool Juego::Disparar(Temporizador t) {
  const EstadoTemporizador& tm = partida_->Temp(t);
  if (!tm.activo || tm.intervalo <= 0) return false;
  switch (t) {
    case Temporizador::Juego: partida_->TickJuego(); break;
    case Temporizador::Gota: partida_->TickGota(); break;
    case Temporizador::BloqueExtra: partida_->TickBloqueExtra(); break;
  }
  return true;
}

void Juego::Tecla(int codigo, bool persiana) { partida_->Tecla(codigo, persiana); }
void Juego::ClicPersiana() { partida_->ClicPersiana(); }
void Juego::MenuNuevo() { partida_->MenuNuevo(); }
void Juego::MenuAyuda() { partida_->MenuAyuda(); }
void Juego::MenuPiezas(int indice) { partida_->MenuPiezas(indice); }
void Juego::MenuSonido() { partida_->AlternarSonido(); }
void Juego::MenuReset() { partida_->MenuReset(); }
void Juego::MenuSombra() { partida_->MenuSombra(); }
void Juego::MenuDemostracion() { partida_->MenuDemostracion(); }
void Juego::TerminarDemostracion() { partida_->TerminarDemostracion(); }
SelectorNiveles& Juego::selector() { return partida_->selector(); }
const CatalogoNiveles& Juego::niveles() const { return partida_->niveles(); }
const std::string& Juego::rutaIni() const { return partida_->ini().ruta(); }
void Juego::PonerCarpetasAyuda(std::vector<std::string> carpetas) { partida_->PonerCarpetasAyuda(std::move(carpetas)); }

const Pantalla& Juego::pantalla() const {
  Pantalla ahora = Presentar(partida_->e, partida_->niveles());
  Comparar(pantalla_, ahora, cambios_);
  pantalla_ = std::move(ahora);
  return pantalla_;
}

Cambios Juego::TomarCambios() {
  pantalla();
  cambios_.filasBorradas |= partida_->e.FilasRecienQuitadas;
  partida_->e.FilasRecienQuitadas.reset();
  Cambios c = cambios_;
  cambios_ = {};
  return c;
}

}  // namespace tumbla
