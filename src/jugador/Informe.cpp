#include "jugador/Informe.h"

#include <algorithm>
#include <cstdio>

namespace tumbla {

namespace {

// The starting boards the game's own design prints; every other ROT, GOT,
// JUN and POD board is ours.
bool ListaImpresa(const std::string& tipo, int numero) {
  return (tipo == "ROT" && numero == 34) || (tipo == "GOT" && numero == 1) ||
         (tipo == "JUN" && numero == 2) || (tipo == "POD" && (numero == 9 || numero == 13));
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
  r.disenoPropio = (tipo == "ROT" || tipo == "GOT" || tipo == "JUN" || tipo == "POD") &&
                   !ListaImpresa(tipo, r.numero);
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

std::vector<std::string> ComprobarReglas(const std::vector<ResumenPosicion>& resumen, int partidas,
                                         bool ritmoPersona) {
  std::vector<std::string> fallos;
  for (const ResumenPosicion& r : resumen) {
    if (r.ganadas < 1) {
      fallos.push_back("position " + std::to_string(r.posicion) + " (" + r.clave + ") was never won in " +
                       std::to_string(partidas) + " games");
    } else if (!ritmoPersona && r.disenoPropio && 2 * r.ganadas < r.partidas) {
      fallos.push_back("position " + std::to_string(r.posicion) + " (" + r.clave + ") was won in only " +
                       std::to_string(r.ganadas) + " of " + std::to_string(r.partidas) + " games");
    }
  }
  // The ramp: a board of ours is not much harder than a later one of its
  // group, by number.
  constexpr double kEscalon = 0.4;
  for (const ResumenPosicion& r : resumen) {
    if (ritmoPersona) break;
    if (!r.disenoPropio || r.partidas == 0) continue;
    for (const ResumenPosicion& s : resumen) {
      if (s.grupo != r.grupo || !s.disenoPropio || s.numero <= r.numero || s.partidas == 0) continue;
      const double tasaR = static_cast<double>(r.ganadas) / r.partidas;
      const double tasaS = static_cast<double>(s.ganadas) / s.partidas;
      if (tasaR < tasaS - kEscalon) {
        fallos.push_back("position " + std::to_string(r.posicion) + " (" + r.clave + ") is much harder than " +
                         s.clave + ": " + std::to_string(r.ganadas) + "/" + std::to_string(r.partidas) +
                         " against " + std::to_string(s.ganadas) + "/" + std::to_string(s.partidas));
        break;
      }
    }
  }
  return fallos;
}

}  // namespace tumbla
