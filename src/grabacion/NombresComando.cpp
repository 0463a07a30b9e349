#include "grabacion/NombresComando.h"

#include <array>
#include <utility>

namespace tumbla {

namespace {

constexpr std::array<std::pair<Comando, const char*>, 33> kNombres{{
    {Comando::Izquierda, "izquierda"},
    {Comando::Derecha, "derecha"},
    {Comando::Abajo, "abajo"},
    {Comando::Girar, "girar"},
    {Comando::GirarAlReves, "girar-al-reves"},
    {Comando::Soltar, "soltar"},
    {Comando::GirarCuadrado3, "cuadrado-izquierda"},
    {Comando::GirarCuadrado4, "cuadrado-derecha"},
    {Comando::Pausa, "pausa"},
    {Comando::Sonido, "sonido"},
    {Comando::Continuar, "continuar"},
    {Comando::Nuevo, "nuevo"},
    {Comando::Ayuda, "ayuda"},
    {Comando::AcercaDe, "acerca"},
    {Comando::Demostracion, "demostracion"},
    {Comando::Normal, "normal"},
    {Comando::Dificil, "dificil"},
    {Comando::Reset, "reset"},
    {Comando::Sombra, "sombra"},
    {Comando::Pista, "pista"},
    {Comando::PantallaCompleta, "pantalla"},
    {Comando::Teclas, "teclas"},
    {Comando::ColoresPropios, "originales"},
    {Comando::ColoresDaltonismo, "adaptados"},
    {Comando::ColoresContraste, "alto"},
    {Comando::MenosDestellos, "reducir"},
    {Comando::Abandonar, "abandonar"},
    {Comando::Repeticiones, "repeticiones"},
    {Comando::Salir, "salir"},
    {Comando::Menus, "menus"},
    {Comando::Ausencia, "ausencia"},
    {Comando::MenuAbierto, "menu-abierto"},
    {Comando::MenuCerrado, "menu-cerrado"},
}};

}  // namespace

const char* NombreComando(Comando c) {
  for (const auto& [comando, nombre] : kNombres) {
    if (comando == c) return nombre;
  }
  return "";
}

Comando ComandoDeNombre(std::string_view nombre) {
  for (const auto& [comando, n] : kNombres) {
    if (nombre == n) return comando;
  }
  return Comando::Ninguno;
}

}  // namespace tumbla
