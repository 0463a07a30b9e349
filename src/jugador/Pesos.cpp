#include "jugador/Pesos.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "levels/Niveles.h"

namespace tumbla {

extern const char* const TextoPesos;

namespace {

constexpr std::array<const char*, kMedidas> kNombres = {
    "altura",       "filas",        "transCol",     "transFila",      "agujeros",    "pozos",
    "varianza",     "esperando",    "peligro",      "filaPeligro",    "alturaMax",   "filasConAgujero",
    "sepultadas",   "casiLlenas",   "gotaDebajo",   "gotaVacias",     "neutros",     "neutroVacias",
    "junta",        "juntaVacias",  "juntaSoporte", "juntaDistancia", "podVacia",    "podCubierta",
    "podSellada",   "podPeligro",   "podFila",      "primera",
    "muestras"};

const Grupo* GrupoDeModo(Modo modo) {
  for (const Grupo& g : Grupos()) {
    if (g.modo == modo) return &g;
  }
  return nullptr;
}

std::string_view Palabra(std::string_view& resto) {
  const size_t inicio = resto.find_first_not_of(" \t\r");
  if (inicio == std::string_view::npos) {
    resto = {};
    return {};
  }
  resto.remove_prefix(inicio);
  const size_t fin = std::min(resto.find_first_of(" \t\r"), resto.size());
  const std::string_view p = resto.substr(0, fin);
  resto.remove_prefix(fin);
  return p;
}

}  // namespace

const char* NombreMedida(Medida m) { return kNombres[static_cast<size_t>(m)]; }

std::string LeerPesos(std::string_view texto, TablaPesos& tabla) {
  int numero = 0;
  while (!texto.empty()) {
    ++numero;
    const size_t fin = std::min(texto.find('\n'), texto.size());
    std::string_view resto = texto.substr(0, fin);
    texto.remove_prefix(std::min(fin + 1, texto.size()));
    const std::string linea = "line " + std::to_string(numero) + ": ";
    const std::string_view codigo = Palabra(resto);
    if (codigo.empty() || codigo.front() == '#') continue;
    const Grupo* grupo = BuscarGrupo(codigo);
    if (grupo == nullptr) return linea + "unknown group '" + std::string(codigo) + "'";
    Pesos pesos;
    for (std::string_view par = Palabra(resto); !par.empty(); par = Palabra(resto)) {
      const size_t igual = par.find('=');
      const std::string nombre(par.substr(0, std::min(igual, par.size())));
      size_t k = 0;
      while (k < kNombres.size() && nombre != kNombres[k]) ++k;
      if (igual == std::string_view::npos || k == kNombres.size()) {
        return linea + "not a measure=weight pair: '" + std::string(par) + "'";
      }
      // Read and written the same whatever the locale.
      const std::string_view valor = par.substr(igual + 1);
      double v = 0;
      const auto [final, ec] = std::from_chars(valor.data(), valor.data() + valor.size(), v);
      if (valor.empty() || ec != std::errc() || final != valor.data() + valor.size() || !(v > -1e7 && v < 1e7)) {
        return linea + "not a weight: '" + std::string(valor) + "'";
      }
      pesos.v[k] = v;
    }
    tabla.De(grupo->modo) = pesos;
  }
  return {};
}

std::string LineaPesos(Modo modo, const Pesos& pesos) {
  const Grupo* grupo = GrupoDeModo(modo);
  std::string linea = grupo != nullptr ? grupo->codigo : "?";
  for (size_t k = 0; k < kNombres.size(); ++k) {
    if (pesos.v[k] == 0) continue;
    char valor[32];
    const auto r = std::to_chars(valor, valor + sizeof valor, pesos.v[k], std::chars_format::general, 5);
    linea += std::string(" ") + kNombres[k] + "=" + std::string(valor, r.ptr);
  }
  return linea;
}

const TablaPesos& PesosPropios() {
  static const TablaPesos tabla = [] {
    TablaPesos t;
    const std::string error = LeerPesos(TextoPesos, t);
    if (!error.empty()) {
      std::fprintf(stderr, "pesos.txt, %s\n", error.c_str());
      std::abort();
    }
    return t;
  }();
  return tabla;
}

}  // namespace tumbla
