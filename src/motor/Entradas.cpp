#include "motor/Entradas.h"

#include <utility>

#include "motor/CodigosTecla.h"
#include "game/Textos.h"

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
    {.comando = Comando::Izquierda, .nombre = TUMBLA_TEXTO("Entradas", "Mover a la izquierda"), .clave = "EZKERRA",
     .teclas = {kIzquierda, kO}, .selector = {kIzquierda}, .repite = Repite::Mueve},
    {.comando = Comando::Derecha, .nombre = TUMBLA_TEXTO("Entradas", "Mover a la derecha"), .clave = "ESKUINA",
     .teclas = {kDerecha, kP}, .selector = {kDerecha}, .repite = Repite::Mueve},
    {.comando = Comando::Girar, .nombre = TUMBLA_TEXTO("Entradas", "Girar la pieza"), .clave = "BIRATU",
     .teclas = {kArriba, kQ}},
    {.comando = Comando::GirarAlReves, .nombre = TUMBLA_TEXTO("Entradas", "Girar al otro lado"), .clave = "ALDERANTZ"},
    {.comando = Comando::Abajo, .nombre = TUMBLA_TEXTO("Entradas", "Bajar una fila"), .clave = "BEHERA",
     .teclas = {kAbajo, kA}, .selector = {kAbajo}, .repite = Repite::Baja},
    {.comando = Comando::Soltar, .nombre = TUMBLA_TEXTO("Entradas", "Soltar la pieza o el torpedo"), .clave = "JAURTI",
     .teclas = {kEspacio}},
    {.comando = Comando::GirarCuadrado3, .nombre = TUMBLA_TEXTO("Entradas", "Girar el tablero a la izquierda"),
     .clave = "TAULA_EZKER", .teclas = {k3}},
    {.comando = Comando::GirarCuadrado4, .nombre = TUMBLA_TEXTO("Entradas", "Girar el tablero a la derecha"),
     .clave = "TAULA_ESKUIN", .teclas = {k4}},
    {.comando = Comando::Pausa, .nombre = TUMBLA_TEXTO("Entradas", "Pausa"), .menu = TUMBLA_TEXTO("Entradas", "&Pausa"),
     .guion = "pausa", .clave = "PAUSA", .teclas = {kF3}, .visor = {kEspacio, kF3},
     .enVisor = TUMBLA_TEXTO("Entradas", "Pausa, y seguir")},
    // The shutter's S switches the sound too, whatever key the player chose.
    {.comando = Comando::Sonido, .nombre = TUMBLA_TEXTO("Entradas", "Sonido"),
     .menu = TUMBLA_TEXTO("Entradas", "S&onido (S)"), .guion = "sonido", .clave = "SOINUA", .teclas = {kS},
     .persiana = kS},

    // "Juego".
    {.comando = Comando::Nuevo, .menu = TUMBLA_TEXTO("Entradas", "&Nuevo"), .guion = "nuevo", .atajo = kF2,
     .persiana = kF2, .reserva = true},
    {.comando = Comando::Ayuda, .menu = TUMBLA_TEXTO("Entradas", "A&yuda"), .guion = "ayuda", .atajo = kF1,
     .reserva = true},
    {.comando = Comando::AcercaDe, .menu = TUMBLA_TEXTO("Entradas", "&Acerca de..."), .guion = "acerca"},
    {.comando = Comando::Demostracion, .menu = TUMBLA_TEXTO("Entradas", "&Demostración"), .guion = "demostracion"},
    {.comando = Comando::Repeticiones, .menu = TUMBLA_TEXTO("Entradas", "&Repeticiones..."), .guion = "repeticiones"},
    {.comando = Comando::Abandonar, .menu = TUMBLA_TEXTO("Entradas", "A&bandonar el nivel"), .guion = "abandonar"},
    {.comando = Comando::Salir, .menu = TUMBLA_TEXTO("Entradas", "&Salir"), .guion = "salir"},
    // "Opciones".
    {.comando = Comando::Normal, .menu = TUMBLA_TEXTO("Entradas", "&Normal"), .guion = "normal"},
    {.comando = Comando::Dificil, .menu = TUMBLA_TEXTO("Entradas", "&Difícil"), .guion = "dificil"},
    {.comando = Comando::Reset, .menu = TUMBLA_TEXTO("Entradas", "&Reset"), .guion = "reset"},
    {.comando = Comando::Sombra, .menu = TUMBLA_TEXTO("Entradas", "Sombra de la &pieza"), .guion = "sombra"},
    {.comando = Comando::Pista, .menu = TUMBLA_TEXTO("Entradas", "P&ista"), .guion = "pista"},
    {.comando = Comando::ColoresPropios, .menu = TUMBLA_TEXTO("Entradas", "&Originales"), .guion = "originales"},
    {.comando = Comando::ColoresDaltonismo, .menu = TUMBLA_TEXTO("Entradas", "&Adaptados al daltonismo"),
     .guion = "adaptados"},
    {.comando = Comando::ColoresContraste, .menu = TUMBLA_TEXTO("Entradas", "Alto &contraste"), .guion = "alto"},
    {.comando = Comando::MenosDestellos, .menu = TUMBLA_TEXTO("Entradas", "Reducir d&estellos"), .guion = "reducir"},
    {.comando = Comando::Teclas, .menu = TUMBLA_TEXTO("Entradas", "&Teclas..."), .guion = "teclas"},
    {.comando = Comando::PantallaCompleta, .menu = TUMBLA_TEXTO("Entradas", "Pantalla &completa"), .guion = "pantalla",
     .atajo = kF11, .reserva = true},
    // "Idioma": each language by its own name, in no other.
    {.comando = Comando::IdiomaEspanol, .menu = "&Español", .guion = "espanol"},
    {.comando = Comando::IdiomaIngles, .menu = "E&nglish", .guion = "english"},
    // F10: the menu bar takes the keys.
    {.comando = Comando::Menus, .atajo = kF10, .reserva = true},

    // ENTER on the shutter (or a click on it) leads on.
    {.comando = Comando::Continuar, .persiana = kIntro, .reserva = true},
    // The level window's keys, and Escape out of it or out of a box.
    {.comando = Comando::Arriba, .selector = {kArriba}, .repite = Repite::Mueve},
    {.comando = Comando::PaginaAnterior, .selector = {kRePag}, .repite = Repite::Mueve},
    {.comando = Comando::PaginaSiguiente, .selector = {kAvPag}, .repite = Repite::Mueve},
    {.comando = Comando::Primero, .selector = {kInicio}, .visor = {kInicio}, .enVisor = TUMBLA_TEXTO("Entradas", "Al principio")},
    {.comando = Comando::Ultimo, .selector = {kFin}, .visor = {kFin}, .enVisor = TUMBLA_TEXTO("Entradas", "Al final")},
    {.comando = Comando::Aceptar, .selector = {kIntro, kEspacio}},
    {.comando = Comando::Cancelar, .selector = {kEscape}, .caja = kEscape, .visor = {kEscape},
     .enVisor = TUMBLA_TEXTO("Entradas", "Salir de la repetición"), .reserva = true},
    // A replay watched: its own keys.
    {.comando = Comando::MasDespacio, .visor = {kAbajo}, .enVisor = TUMBLA_TEXTO("Entradas", "Más despacio")},
    {.comando = Comando::MasDeprisa, .visor = {kArriba}, .enVisor = TUMBLA_TEXTO("Entradas", "Más deprisa")},
    {.comando = Comando::PiezaAnterior, .visor = {kIzquierda}, .enVisor = TUMBLA_TEXTO("Entradas", "Una pieza atrás")},
    {.comando = Comando::PiezaSiguiente, .visor = {kDerecha}, .enVisor = TUMBLA_TEXTO("Entradas", "Una pieza adelante")},
    {.comando = Comando::SeguirAqui, .visor = {kIntro}, .enVisor = TUMBLA_TEXTO("Entradas", "Seguir desde aquí")},
};

constexpr int AccionesTecla() {
  int n = 0;
  while (n < static_cast<int>(std::size(kEntradas)) && kEntradas[n].clave != nullptr) ++n;
  return n;
}
static_assert(AccionesTecla() == kAccionesTecla, "the keys of play come first in the table");

// Keys with a name of their own; letters and digits are their character,
// F1..F12 their name. A key with no name shown in Spanish shows its
// portable name. The names shown are marked for translation.
struct Nombres {
  int codigo;
  const char* portable;
  const char* visible;
};
constexpr Nombres kNombres[] = {
    {kRetroceso, "Backspace", TUMBLA_TEXTO("Entradas", "Retroceso")},
    {kTabulador, "Tab", TUMBLA_TEXTO("Entradas", "Tabulador")},
    {kIntro, "Return", nullptr},
    {kEscape, "Esc", nullptr},
    {kEspacio, "Space", TUMBLA_TEXTO("Entradas", "Espacio")},
    {kRePag, "PgUp", TUMBLA_TEXTO("Entradas", "Re Pág")},
    {kAvPag, "PgDown", TUMBLA_TEXTO("Entradas", "Av Pág")},
    {kFin, "End", TUMBLA_TEXTO("Entradas", "Fin")},
    {kInicio, "Home", TUMBLA_TEXTO("Entradas", "Inicio")},
    {kIzquierda, "Left", TUMBLA_TEXTO("Entradas", "Flecha izquierda")},
    {kArriba, "Up", TUMBLA_TEXTO("Entradas", "Flecha arriba")},
    {kDerecha, "Right", TUMBLA_TEXTO("Entradas", "Flecha derecha")},
    {kAbajo, "Down", TUMBLA_TEXTO("Entradas", "Flecha abajo")},
    {kInsertar, "Ins", TUMBLA_TEXTO("Entradas", "Insertar")},
    {kSuprimir, "Del", TUMBLA_TEXTO("Entradas", "Suprimir")},
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
