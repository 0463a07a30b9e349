#include "autoplay/Informe.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tumbla {

namespace {

// The starting boards the game's own design prints; every other ROT, GOT,
// JUN and POD board is ours, and so is the rubble of CLA 4-6.
bool ListaImpresa(const std::string& tipo, int numero) {
  return (tipo == "ROT" && numero == 34) || (tipo == "GOT" && numero == 1) ||
         (tipo == "JUN" && numero == 2) || (tipo == "POD" && (numero == 9 || numero == 13));
}

bool DisenoPropio(const std::string& tipo, int numero) {
  if (tipo == "CLA") return numero >= 4 && numero <= 6;
  return (tipo == "ROT" || tipo == "GOT" || tipo == "JUN" || tipo == "POD") && !ListaImpresa(tipo, numero);
}

// The rules' thresholds. A verdict is only "broken" when the level's win
// rate is shown below the threshold with an error of kError at each look;
// it is settled as "met" as soon as the 1 - kDuda bound is clear of it, or
// when no later game could make it fail.
constexpr double kMitad = 0.5;     // every designed board, at full speed
constexpr double kEscalon = 0.4;   // a designed board against a later one
constexpr double kError = 0.0005;
constexpr double kDuda = 0.2;

std::string Tasa(double v) {
  char texto[16];
  std::snprintf(texto, sizeof texto, "%.2f", v);
  return texto;
}

std::string Partidas(const ResumenPosicion& r) {
  return std::to_string(r.ganadas) + "/" + std::to_string(r.partidas);
}

double Mediana(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string Fijo(const char* formato, double v) {
  char texto[32];
  std::snprintf(texto, sizeof texto, formato, v);
  return texto;
}

// 0x00BBGGRR to "#RRGGBB", a little darker than the pale level colours so
// that the bars read on white.
std::string ColorSvg(uint32_t c) {
  const auto canal = [&](int desplazamiento) { return static_cast<int>((c >> desplazamiento) & 0xFF) * 3 / 4; };
  char texto[8];
  std::snprintf(texto, sizeof texto, "#%02X%02X%02X", canal(0), canal(8), canal(16));
  return texto;
}

}  // namespace

ResumenPosicion Resumir(const CatalogoNiveles& niveles, int posicion,
                        const std::vector<ResultadoPartida>& partidas) {
  ResumenPosicion r;
  r.posicion = posicion;
  r.clave = niveles.Clave(posicion);
  r.grupo = BuscarGrupo(GrupoDeClave(r.clave));
  r.numero = NumeroDeClave(r.clave);
  const std::string tipo = r.grupo != nullptr ? r.grupo->tipo : "";
  r.disenoPropio = DisenoPropio(tipo, r.numero);
  std::vector<double> piezas, segundos;
  for (const ResultadoPartida& p : partidas) {
    ++r.partidas;
    r.segundosLimite = p.segundosLimite;
    if (p.ganada) {
      ++r.ganadas;
      piezas.push_back(static_cast<double>(p.piezas));
      segundos.push_back(p.segundos);
    } else {
      ++r.derrotas[p.motivo];
    }
  }
  r.piezasMediana = Mediana(piezas);
  r.segundosMediana = Mediana(segundos);
  return r;
}

void EscribirTabla(std::ostream& o, const std::vector<ResumenPosicion>& resumen, bool ritmoPersona) {
  o << "# Levels played by the computer player " << (ritmoPersona ? "at a person's pace" : "at full speed")
    << ".\n# pieces and clock: medians over the games won; limit: the level's clock.\n"
    << "# pos  key       own  won      pieces  clock   limit  lost\n";
  for (const ResumenPosicion& r : resumen) {
    char linea[128];
    std::snprintf(linea, sizeof linea, "%5d  %-8s  %-3s  %3d/%-3d  %6.1f  %6.1f  %5d ", r.posicion,
                  r.clave.c_str(), r.disenoPropio ? "yes" : "no", r.ganadas, r.partidas, r.piezasMediana,
                  r.segundosMediana, r.segundosLimite);
    o << linea;
    for (const auto& [motivo, n] : r.derrotas) o << ' ' << motivo << '=' << n;
    o << '\n';
  }

  // Per group: games won, and the medians of the positions' medians.
  o << "#\n# group  won        pieces  clock\n";
  for (const Grupo& g : Grupos()) {
    int ganadas = 0, partidas = 0;
    std::vector<double> piezas, segundos;
    for (const ResumenPosicion& r : resumen) {
      if (r.grupo != &g) continue;
      ganadas += r.ganadas;
      partidas += r.partidas;
      if (r.ganadas > 0) {
        piezas.push_back(r.piezasMediana);
        segundos.push_back(r.segundosMediana);
      }
    }
    if (partidas == 0) continue;
    char linea[128];
    std::snprintf(linea, sizeof linea, "# %-5s  %4d/%-4d  %6.1f  %6.1f\n", g.codigo, ganadas, partidas,
                  Mediana(piezas), Mediana(segundos));
    o << linea;
  }
}

void EscribirGrafico(std::ostream& o, const std::vector<ResumenPosicion>& resumen) {
  constexpr int kAnchoBarra = 4;
  constexpr int kAlto = 120;
  constexpr int kMargen = 40;
  const int ancho = kMargen * 2 + kAnchoBarra * static_cast<int>(resumen.size());
  const int alto = kMargen * 3 + kAlto * 2;
  o << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << ancho << "\" height=\"" << alto
    << "\" font-family=\"sans-serif\" font-size=\"11\">\n"
    << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n"
    << "<text x=\"" << kMargen << "\" y=\"" << kMargen - 12 << "\">Partidas ganadas por posición</text>\n"
    << "<text x=\"" << kMargen << "\" y=\"" << 2 * kMargen + kAlto - 12
    << "\">Reloj que sobra al ganar (niveles con reloj)</text>\n";
  for (int panel = 0; panel < 2; ++panel) {
    const int y0 = kMargen + panel * (kMargen + kAlto);
    o << "<rect x=\"" << kMargen << "\" y=\"" << y0 << "\" width=\"" << ancho - 2 * kMargen << "\" height=\""
      << kAlto << "\" fill=\"none\" stroke=\"#999\"/>\n";
  }
  for (size_t k = 0; k < resumen.size(); ++k) {
    const ResumenPosicion& r = resumen[k];
    const std::string color = r.grupo != nullptr ? ColorSvg(r.grupo->color) : "#888888";
    const int x = kMargen + kAnchoBarra * static_cast<int>(k);
    const double ganadas = r.partidas > 0 ? static_cast<double>(r.ganadas) / r.partidas : 0;
    const int h = static_cast<int>(ganadas * kAlto + 0.5);
    o << "<rect x=\"" << x << "\" y=\"" << kMargen + kAlto - h << "\" width=\"" << kAnchoBarra - 1
      << "\" height=\"" << h << "\" fill=\"" << color << "\"><title>" << r.posicion << " " << r.clave
      << ": " << r.ganadas << "/" << r.partidas << "</title></rect>\n";
    if (r.segundosLimite > 0 && r.ganadas > 0) {
      const double sobra = std::clamp(1.0 - r.segundosMediana / r.segundosLimite, 0.0, 1.0);
      const int hs = static_cast<int>(sobra * kAlto + 0.5);
      const int y0 = 2 * kMargen + kAlto;
      o << "<rect x=\"" << x << "\" y=\"" << y0 + kAlto - hs << "\" width=\"" << kAnchoBarra - 1
        << "\" height=\"" << hs << "\" fill=\"" << color << "\"><title>" << r.posicion << " " << r.clave
        << ": " << Fijo("%.1f", r.segundosMediana) << " s of " << r.segundosLimite << "</title></rect>\n";
    }
  }
  // The groups' legend.
  int x = kMargen;
  for (const Grupo& g : Grupos()) {
    o << "<rect x=\"" << x << "\" y=\"" << alto - 22 << "\" width=\"10\" height=\"10\" fill=\""
      << ColorSvg(g.color) << "\"/><text x=\"" << x + 14 << "\" y=\"" << alto - 13 << "\">" << g.codigo
      << "</text>\n";
    x += 70;
  }
  o << "</svg>\n";
}

namespace {

// P(at most `ganadas` wins in `partidas` games) at a win rate `tasa`.
double Acumulada(int ganadas, int partidas, double tasa) {
  if (ganadas < 0) return 0;
  if (ganadas >= partidas || tasa <= 0) return 1;
  if (tasa >= 1) return 0;
  // Term by term in logarithms: exact enough for thousands of games.
  const double lp = std::log(tasa), lq = std::log1p(-tasa);
  const double total = std::lgamma(partidas + 1.0);
  double suma = 0;
  for (int i = 0; i <= ganadas; ++i) {
    suma += std::exp(total - std::lgamma(i + 1.0) - std::lgamma(partidas - i + 1.0) + i * lp + (partidas - i) * lq);
  }
  return std::min(1.0, suma);
}

}  // namespace

double CotaSuperior(int ganadas, int partidas, double error) {
  if (ganadas >= partidas) return 1;
  double bajo = 0, alto = 1;
  for (int paso = 0; paso < 50; ++paso) {
    const double medio = (bajo + alto) / 2;
    (Acumulada(ganadas, partidas, medio) > error ? bajo : alto) = medio;
  }
  return (bajo + alto) / 2;
}

double CotaInferior(int ganadas, int partidas, double error) {
  return ganadas <= 0 ? 0 : 1 - CotaSuperior(partidas - ganadas, partidas, error);
}

Juicio JuzgarTasa(int ganadas, int partidas, double umbral, int maxPartidas) {
  if (CotaSuperior(ganadas, partidas, kError) < umbral) return Juicio::Incumple;
  if (CotaInferior(ganadas, partidas, kDuda) < umbral && CotaSuperior(ganadas, maxPartidas, kError) < umbral) {
    return Juicio::Dudoso;
  }
  return Juicio::Cumple;
}

Veredicto ComprobarReglas(const std::vector<ResumenPosicion>& resumen, int maxPartidas, bool ritmoPersona) {
  Veredicto v;
  std::vector<bool> pendiente(resumen.size(), false);
  const auto seguir = [&](size_t k) { pendiente[k] = pendiente[k] || resumen[k].partidas < maxPartidas; };
  // A rule "the win rate is at least `umbral`" on one position: broken,
  // settled, or worth more games.
  const auto regla = [&](size_t k, double umbral, const std::string& que) {
    const ResumenPosicion& r = resumen[k];
    const Juicio juicio = JuzgarTasa(r.ganadas, r.partidas, umbral, maxPartidas);
    if (juicio == Juicio::Incumple) {
      v.fallos.push_back("position " + std::to_string(r.posicion) + " (" + r.clave + ") was won in " + Partidas(r) +
                         " games: " + que + " (upper bound " + Tasa(CotaSuperior(r.ganadas, r.partidas, kError)) +
                         ")");
    } else if (juicio == Juicio::Dudoso) {
      seguir(k);
    }
  };
  for (size_t k = 0; k < resumen.size(); ++k) {
    if (resumen[k].partidas == 0) continue;
    regla(k, kTasaGanable, "less than one in ten");
    if (!ritmoPersona && resumen[k].disenoPropio) regla(k, kMitad, "less than half of them");
  }
  // The ramp: a board of ours is not much harder than a later one of its
  // group, by number. Each side's bound takes half the error; every
  // position's bounds are worked out once.
  struct Cotas {
    double alta, baja, altaDuda, bajaDuda;
  };
  std::vector<Cotas> cotas(resumen.size());
  for (size_t k = 0; k < resumen.size() && !ritmoPersona; ++k) {
    const ResumenPosicion& r = resumen[k];
    if (!r.disenoPropio || r.partidas == 0) continue;
    cotas[k] = {CotaSuperior(r.ganadas, r.partidas, kError / 2), CotaInferior(r.ganadas, r.partidas, kError / 2),
                CotaSuperior(r.ganadas, r.partidas, kDuda), CotaInferior(r.ganadas, r.partidas, kDuda)};
  }
  for (size_t k = 0; k < resumen.size() && !ritmoPersona; ++k) {
    const ResumenPosicion& r = resumen[k];
    if (!r.disenoPropio || r.partidas == 0) continue;
    for (size_t j = 0; j < resumen.size(); ++j) {
      const ResumenPosicion& s = resumen[j];
      if (s.grupo != r.grupo || !s.disenoPropio || s.numero <= r.numero || s.partidas == 0) continue;
      if (cotas[k].alta < cotas[j].baja - kEscalon) {
        v.fallos.push_back("position " + std::to_string(r.posicion) + " (" + r.clave + ") is much harder than " +
                           s.clave + ": " + Partidas(r) + " against " + Partidas(s) + " (bounds " +
                           Tasa(cotas[k].alta) + " and " + Tasa(cotas[j].baja) + ")");
        break;
      }
      if (cotas[k].bajaDuda < cotas[j].altaDuda - kEscalon) {
        // Both sides: the later board's lower bound counts as much as the
        // earlier one's upper bound.
        seguir(k);
        seguir(j);
      }
    }
  }
  for (size_t k = 0; k < resumen.size(); ++k) {
    if (pendiente[k]) v.pendientes.push_back(resumen[k].posicion);
  }
  return v;
}

}  // namespace tumbla
