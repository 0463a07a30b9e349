#include "motor/Flujo.h"

namespace tumbla::flujo {

namespace {

constexpr double kPasoPersiana = 0.05;  // seconds per shutter row

template <typename... F>
struct Casos : F... {
  using F::operator()...;
};

// A situation of the fondo's kinds as a situation of its own.
Situacion Sola(const Fondo& f) {
  return std::visit([](const auto& x) { return Situacion(x); }, f);
}

// Where the engine may go from each kind of situation, in the order of the
// variant: Apagado, SinNivel, Jugando, Introduccion, Persiana, Perdido,
// Selector, Esperando, Demostracion. A request is answered or withdrawn by
// going back to what it stood over (Debajo); the request that follows is a
// transition of its own.
constexpr std::size_t kSituaciones = std::variant_size_v<Situacion>;
constexpr bool kPermitidas[kSituaciones][kSituaciones] = {
    // Ap SN Ju In Pe Pd Se Es De
    {0, 1, 0, 0, 0, 0, 0, 0, 0},  // Apagado: start-up
    {1, 0, 1, 1, 0, 0, 1, 1, 1},  // SinNivel: a level chosen, the window, a box, "Salir"
    {1, 0, 1, 1, 1, 1, 1, 1, 1},  // Jugando: its pause and orders, another level, won, lost, ...
    {0, 0, 1, 0, 0, 0, 0, 0, 0},  // Introduccion: closed
    {1, 0, 1, 1, 1, 1, 1, 1, 1},  // Persiana: a row, ENTER, the last level won, the window, a box
    {0, 1, 0, 0, 0, 0, 0, 0, 0},  // Perdido: its box closed
    {0, 1, 1, 0, 1, 0, 0, 0, 0},  // Selector: back to what it stands over
    {0, 1, 1, 0, 1, 0, 0, 0, 1},  // Esperando: back to what it stands over
    {0, 1, 0, 0, 0, 0, 0, 1, 1},  // Demostracion: its level's steps, its end, a box
};

}  // namespace

Peticion PeticionDe(const Situacion& s) {
  const auto persiana = [](const Persiana& p) {
    return p.bajando ? Peticion{TipoPeticion::Persiana, Icono::Informacion, "", "", kPasoPersiana} : Peticion{};
  };
  return std::visit(Casos{[](const Introduccion& i) { return i.caja; }, [](const Perdido& p) { return p.caja; },
                          [](const Selector& v) { return v.ventana; }, [](const Esperando& e) { return e.peticion; },
                          persiana,
                          [&](const Demostracion& d) {
                            const Persiana* p = std::get_if<Persiana>(&d.nivel);
                            return p != nullptr ? persiana(*p) : Peticion{};
                          },
                          [](const auto&) { return Peticion{}; }},
                    s);
}

Situacion Debajo(const Situacion& s) {
  const auto persiana = [](Persiana p) {
    p.bajando = false;
    return p;
  };
  return std::visit(Casos{[](const Introduccion& i) { return Situacion(Jugando{.gris = i.gris}); },
                          [](const Perdido& p) { return Situacion(SinNivel{p.derrota}); },
                          [](const Selector& v) { return Sola(v.fondo); },
                          [](const Esperando& e) { return Sola(e.fondo); },
                          [&](const Persiana& p) { return Situacion(persiana(p)); },
                          [&](Demostracion d) {
                            if (auto* p = std::get_if<Persiana>(&d.nivel)) *p = persiana(*p);
                            return Situacion(d);
                          },
                          [](const auto& x) { return Situacion(x); }},
                    s);
}

bool Permitida(const Situacion& de, const Situacion& a) { return kPermitidas[de.index()][a.index()]; }

const char* Nombre(const Situacion& s) {
  constexpr const char* kNombres[kSituaciones] = {"Apagado", "SinNivel",  "Jugando",   "Introduccion", "Persiana",
                                                  "Perdido", "Selector", "Esperando", "Demostracion"};
  return kNombres[s.index()];
}

bool GuardaNada(const Situacion& s) {
  if (En<Demostracion>(s) != nullptr) return true;
  if (const auto* v = std::get_if<Selector>(&s); v != nullptr && v->para == Para::Demostracion) return true;
  const Jugando* j = En<Jugando>(s);
  return j != nullptr && j->orden == Orden::Demostracion;
}

}  // namespace tumbla::flujo
