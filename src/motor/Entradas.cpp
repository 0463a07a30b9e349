#include "motor/Entradas.h"

#include <utility>

#include "motor/CodigosTecla.h"

namespace tumbla {

namespace {

using namespace tecla;

// A menu item's script name is the first word of its caption, in lower case
// and without accents ("Demostración": demostracion). No two captions begin
// with the same word; one that did would take its first two words, joined
// by '-'.
constexpr Entrada kEntradas[] = {
    // The keys of play: the player chooses them ("Teclas..."), the game's
    // own and a second one it keeps while no other action takes it.
    {.comando = Comando::Izquierda, .nombre = "Mover a la izquierda", .clave = "EZKERRA", .teclas = {kIzquierda, kO},
     .selector = {kIzquierda}, .repite = Repite::Mueve},
    {.comando = Comando::Derecha, .nombre = "Mover a la derecha", .clave = "ESKUINA", .teclas = {kDerecha, kP},
     .selector = {kDerecha}, .repite = Repite::Mueve},
    {.comando = Comando::Girar, .nombre = "Girar la pieza", .clave = "BIRATU", .teclas = {kArriba, kQ}},
    {.comando = Comando::GirarAlReves, .nombre = "Girar al otro lado", .clave = "ALDERANTZ"},
    {.comando = Comando::Abajo, .nombre = "Bajar una fila", .clave = "BEHERA", .teclas = {kAbajo, kA},
     .selector = {kAbajo}, .repite = Repite::Baja},
    {.comando = Comando::Soltar, .nombre = "Soltar la pieza o el torpedo", .clave = "JAURTI", .teclas = {kEspacio}},
    {.comando = Comando::GirarCuadrado3, .nombre = "Girar el tablero a la izquierda", .clave = "TAULA_EZKER",
     .teclas = {k3}},
    {.comando = Comando::GirarCuadrado4, .nombre = "Girar el tablero a la derecha", .clave = "TAULA_ESKUIN",
     .teclas = {k4}},
    {.comando = Comando::Pausa, .nombre = "Pausa", .menu = "&Pausa", .guion = "pausa", .clave = "PAUSA",
     .teclas = {kF3}, .visor = {kEspacio, kF3}, .enVisor = "Pausa, y seguir"},
    // The shutter's S switches the sound too, whatever key the player chose.
    {.comando = Comando::Sonido, .nombre = "Sonido", .menu = "S&onido (S)", .guion = "sonido", .clave = "SOINUA",
     .teclas = {kS}, .persiana = kS},

    // "Juego".
    {.comando = Comando::Nuevo, .menu = "&Nuevo", .guion = "nuevo", .atajo = kF2, .persiana = kF2, .reserva = true},
    {.comando = Comando::Ayuda, .menu = "A&yuda", .guion = "ayuda", .atajo = kF1, .reserva = true},
    {.comando = Comando::AcercaDe, .menu = "&Acerca de...", .guion = "acerca"},
    {.comando = Comando::Demostracion, .menu = "&Demostración", .guion = "demostracion"},
    {.comando = Comando::Repeticiones, .menu = "&Repeticiones...", .guion = "repeticiones"},
    {.comando = Comando::Abandonar, .menu = "A&bandonar el nivel", .guion = "abandonar"},
    {.comando = Comando::Salir, .menu = "&Salir", .guion = "salir"},
    // "Opciones".
    {.comando = Comando::Normal, .menu = "&Normal", .guion = "normal"},
    {.comando = Comando::Dificil, .menu = "&Difícil", .guion = "dificil"},
    {.comando = Comando::Reset, .menu = "&Reset", .guion = "reset"},
    {.comando = Comando::Sombra, .menu = "Sombra de la &pieza", .guion = "sombra"},
    {.comando = Comando::Pista, .menu = "P&ista", .guion = "pista"},
    {.comando = Comando::ColoresPropios, .menu = "&Originales", .guion = "originales"},
    {.comando = Comando::ColoresDaltonismo, .menu = "&Adaptados al daltonismo", .guion = "adaptados"},
    {.comando = Comando::ColoresContraste, .menu = "Alto &contraste", .guion = "alto"},
    {.comando = Comando::MenosDestellos, .menu = "Reducir d&estellos", .guion = "reducir"},
    {.comando = Comando::Teclas, .menu = "&Teclas...", .guion = "teclas"},
    {.comando = Comando::PantallaCompleta, .menu = "Pantalla &completa", .guion = "pantalla", .atajo = kF11,
     .reserva = true},
    // F10: the menu bar takes the keys.
    {.comando = Comando::Menus, .atajo = kF10, .reserva = true},

    // ENTER on the shutter (or a click on it) leads on.
    {.comando = Comando::Continuar, .persiana = kIntro, .reserva = true},
    // The level window's keys, and Escape out of it or out of a box.
    {.comando = Comando::Arriba, .selector = {kArriba}, .repite = Repite::Mueve},
    {.comando = Comando::PaginaAnterior, .selector = {kRePag}, .repite = Repite::Mueve},
    {.comando = Comando::PaginaSiguiente, .selector = {kAvPag}, .repite = Repite::Mueve},
    {.comando = Comando::Primero, .selector = {kInicio}, .visor = {kInicio}, .enVisor = "Al principio"},
    {.comando = Comando::Ultimo, .selector = {kFin}, .visor = {kFin}, .enVisor = "Al final"},
    {.comando = Comando::Aceptar, .selector = {kIntro, kEspacio}},
    {.comando = Comando::Cancelar, .selector = {kEscape}, .caja = kEscape, .visor = {kEscape},
     .enVisor = "Salir de la repetición", .reserva = true},
    // A replay watched: its own keys.
    {.comando = Comando::MasDespacio, .visor = {kAbajo}, .enVisor = "Más despacio"},
    {.comando = Comando::MasDeprisa, .visor = {kArriba}, .enVisor = "Más deprisa"},
    {.comando = Comando::PiezaAnterior, .visor = {kIzquierda}, .enVisor = "Una pieza atrás"},
    {.comando = Comando::PiezaSiguiente, .visor = {kDerecha}, .enVisor = "Una pieza adelante"},
    {.comando = Comando::SeguirAqui, .visor = {kIntro}, .enVisor = "Seguir desde aquí"},
};

constexpr int AccionesTecla() {
  int n = 0;
  while (n < static_cast<int>(std::size(kEntradas)) && kEntradas[n].clave != nullptr) ++n;
  return n;
}
static_assert(AccionesTecla() == kAccionesTecla, "the keys of play come first in the table");

// Keys with a name of their own; letters and digits are their character,
// F1..F12 their name. A key with no name shown in Spanish shows its
// portable name.
struct Nombres {
  int codigo;
  const char* portable;
  const char* visible;
};
constexpr Nombres kNombres[] = {
    {kRetroceso, "Backspace", "Retroceso"},
    {kTabulador, "Tab", "Tabulador"},
    {kIntro, "Return", nullptr},
    {kEscape, "Esc", nullptr},
    {kEspacio, "Space", "Espacio"},
    {kRePag, "PgUp", "Re Pág"},
    {kAvPag, "PgDown", "Av Pág"},
    {kFin, "End", "Fin"},
    {kInicio, "Home", "Inicio"},
    {kIzquierda, "Left", "Flecha izquierda"},
    {kArriba, "Up", "Flecha arriba"},
    {kDerecha, "Right", "Flecha derecha"},
    {kAbajo, "Down", "Flecha abajo"},
    {kInsertar, "Ins", "Insertar"},
    {kSuprimir, "Del", "Suprimir"},
    {186, ";", nullptr},
    {187, "=", nullptr},
    {188, ",", nullptr},
    {189, "-", nullptr},
    {190, ".", nullptr},
    {191, "/", nullptr},
    {192, "`", nullptr},
    {219, "[", nullptr},
    {220, "\\", nullptr},
    {221, "]", nullptr},
    {222, "'", nullptr},
};

const Nombres* NombresDe(int codigo) {
  for (const Nombres& n : kNombres) {
    if (n.codigo == codigo) return &n;
  }
  return nullptr;
}

bool Tiene(const std::array<int, 2>& teclas, int codigo) {
  return codigo != 0 && (teclas[0] == codigo || teclas[1] == codigo);
}

}  // namespace

std::span<const Entrada> Entradas() { return kEntradas; }

const Entrada* EntradaDe(Comando c) {
  for (const Entrada& e : kEntradas) {
    if (e.comando == c) return &e;
  }
  return nullptr;
}

const Entrada* EntradaDeGuion(std::string_view nombre) {
  for (const Entrada& e : kEntradas) {
    if (e.guion != nullptr && e.guion == nombre) return &e;
  }
  return nullptr;
}

Comando ComandoFijo(int codigo, Contexto contexto) {
  if (codigo == 0) return Comando::Ninguno;
  for (const Entrada& e : kEntradas) {
    const bool da = contexto == Contexto::Ventana    ? e.atajo == codigo
                    : contexto == Contexto::Persiana ? e.persiana == codigo
                    : contexto == Contexto::Selector ? Tiene(e.selector, codigo)
                    : contexto == Contexto::Caja     ? e.caja == codigo
                    : contexto == Contexto::Visor    ? Tiene(e.visor, codigo)
                                                     : false;
    if (da) return e.comando;
  }
  return Comando::Ninguno;
}

Repite ComoRepite(Comando c) {
  const Entrada* e = EntradaDe(c);
  return e != nullptr ? e->repite : Repite::No;
}

std::string NombreTecla(int codigo) {
  if ((codigo >= 'A' && codigo <= 'Z') || (codigo >= '0' && codigo <= '9')) return std::string(1, static_cast<char>(codigo));
  if (codigo >= kF1 && codigo < kF1 + 12) return "F" + std::to_string(codigo - kF1 + 1);
  const Nombres* n = NombresDe(codigo);
  return n != nullptr ? n->portable : "";
}

int CodigoTecla(std::string_view nombre) {
  for (int codigo = 1; codigo < 256; ++codigo) {
    if (!nombre.empty() && NombreTecla(codigo) == nombre) return codigo;
  }
  return 0;
}

std::string NombreVisible(int codigo) {
  const Nombres* n = NombresDe(codigo);
  return n != nullptr && n->visible != nullptr ? n->visible : NombreTecla(codigo);
}

bool Reservada(int codigo) {
  for (const Entrada& e : kEntradas) {
    if (e.reserva && codigo != 0 &&
        (e.atajo == codigo || e.persiana == codigo || e.caja == codigo || Tiene(e.selector, codigo))) {
      return true;
    }
  }
  return false;
}

}  // namespace tumbla
