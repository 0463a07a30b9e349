#include "motor/Flujo.h"

#include <string_view>

namespace tumbla::flujo {

namespace {

constexpr double kPasoPersiana = 0.05;  // seconds per shutter row

constexpr std::size_t kSituaciones = std::variant_size_v<Situacion>;

// The kinds of situation in the order of the variant, and where the engine
// may go from each: row "from", column "to", in that order. A request is
// answered or withdrawn by going back to what it stood over (Debajo); the
// request that follows is a transition of its own.
constexpr const char* kNombres[] = {"Apagado",  "SinNivel",     "Jugando", "Introduccion", "Persiana",  "Perdido",
                                    "Selector", "Esperando",    "Demostracion", "Prueba", "DePaquete", "Repeticion"};
constexpr std::string_view kPermitidas[] = {
    // ApSNJuInPePdSeEsDePrDPRe
    "010000000000",  // Apagado: start-up
    "101100111111",  // SinNivel: "Salir", a level chosen (or its introduction, a demo, a try, a pack's), the window, a box, a replay
    "101111111011",  // Jugando: "Salir", its pause and orders, another level, won, lost, the window, a box, a replay
    "001000000000",  // Introduccion: closed
    "101111111011",  // Persiana: "Salir", ENTER, another level, a row, the last level won, the window, a box, a replay
    "010000000000",  // Perdido: its box closed
    "011010000110",  // Selector: back to what it stands over
    "011010001110",  // Esperando: back to what it stands over
    "010000011000",  // Demostracion: its end, a box, its level's steps
    "111101111111",  // Prueba: "Salir", its end, another level (a demo, a pack's), lost, the window, a box, its steps, a replay
    "111101111111",  // DePaquete: as Prueba; won, ENTER goes on to the pack's next level
    "011010000110",  // Repeticion: left, back to what it stands over
};
static_assert(std::size(kNombres) == kSituaciones && std::size(kPermitidas) == kSituaciones);
constexpr bool FilasCompletas() {
  for (std::string_view fila : kPermitidas) {
    if (fila.size() != kSituaciones || fila.find_first_not_of("01") != std::string_view::npos) return false;
  }
  return true;
}
static_assert(FilasCompletas(), "one 0 or 1 for each kind of situation");

Peticion DeLaPersiana(const Persiana& p) {
  return p.bajando ? Peticion{TipoPeticion::Persiana, Icono::Informacion, "", "", kPasoPersiana} : Peticion{};
}

}  // namespace

Peticion PeticionDe(const Situacion& s) {
  return std::visit(
      [](const auto& x) -> Peticion {
        using X = std::decay_t<decltype(x)>;
        if constexpr (std::is_same_v<X, Introduccion> || std::is_same_v<X, Perdido>) {
          return x.caja;
        } else if constexpr (std::is_same_v<X, Selector>) {
          return x.ventana;
        } else if constexpr (std::is_same_v<X, Esperando>) {
          return x.peticion;
        } else if constexpr (std::is_same_v<X, Repeticion>) {
          return x.visor;
        } else {
          const Persiana* p = De<Persiana>(x);
          return p != nullptr ? DeLaPersiana(*p) : Peticion{};
        }
      },
      s);
}

Situacion Debajo(const Situacion& s) {
  return std::visit(
      [](auto x) -> Situacion {
        using X = decltype(x);
        if constexpr (std::is_same_v<X, Introduccion>) {
          return Jugando{.gris = x.gris};
        } else if constexpr (std::is_same_v<X, Perdido>) {
          return SinNivel{x.derrota};
        } else if constexpr (EsperaSobre<X>) {
          return std::visit([](const auto& f) { return Situacion(f); }, x.fondo);
        } else if constexpr (std::is_same_v<X, Persiana>) {
          x.bajando = false;
          return x;
        } else if constexpr (JuegaUnNivel<X>) {
          if (auto* p = std::get_if<Persiana>(&x.nivel)) p->bajando = false;
          return x;
        } else {
          return x;
        }
      },
      s);
}

bool Permitida(const Situacion& de, const Situacion& a) { return kPermitidas[de.index()][a.index()] == '1'; }

const char* Nombre(const Situacion& s) { return kNombres[s.index()]; }

bool GuardaNada(const Situacion& s) {
  if (En<Demostracion>(s) != nullptr || En<Prueba>(s) != nullptr) return true;
  if (const auto* v = std::get_if<Selector>(&s); v != nullptr && v->para == Para::Demostracion) return true;
  const Jugando* j = En<Jugando>(s);
  return j != nullptr && j->orden == Orden::Demostracion;
}

}  // namespace tumbla::flujo
