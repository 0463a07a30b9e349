#include "autoplay/Afinador.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <random>
#include <sstream>

#include "autoplay/PartidaAutomatica.h"
#include "autoplay/Trabajos.h"
#include "levels/Niveles.h"

namespace tumbla {

namespace {

// A lost game of rows to clear scores this much for clearing them all.
constexpr double kPesoAvance = 0.25;

// How far the first generation's candidates stray from the starting weight:
// a share of it, and at least a little for a weight of nothing.
double Dispersion(Medida m, double inicial) {
  if (m == Medida::Primera) return 0.3;
  return std::max(0.4 * std::abs(inicial), 2.0);
}

// Weights that mean nothing below zero (a row number, a share) stay at it.
double Acotar(Medida m, double v) {
  if (m == Medida::Primera || m == Medida::FilaPeligro || m == Medida::PodFila) return std::max(0.0, v);
  return v;
}

std::string Fijo(double v, int decimales) {
  char texto[32];
  std::snprintf(texto, sizeof texto, "%.*f", decimales, v);
  return texto;
}

}  // namespace

double Puntuar(const OpcionesAfinado& op, const TablaPesos& tabla, int desde, int semillas) {
  const size_t total = op.posiciones.size() * static_cast<size_t>(semillas);
  std::vector<double> puntos(total, 0.0);
  EnHilos(total, op.hilos, [&](size_t j) {
    OpcionesPartida o;
    o.posicion = op.posiciones[j / static_cast<size_t>(semillas)];
    // The seed as tumbla-autoplay makes it, so that its games are these.
    o.semilla = SemillaDePartida(o.posicion, desde + static_cast<int>(j % static_cast<size_t>(semillas)));
    o.ritmoPersona = op.ritmoPersona;
    o.pesos = &tabla;
    const ResultadoPartida r = JugarPartida(o);
    puntos[j] = r.ganada ? 1.0 : kPesoAvance * r.avance;
  });
  return total == 0 ? 0.0 : std::accumulate(puntos.begin(), puntos.end(), 0.0) / static_cast<double>(total);
}

Pesos PesosDeInicio(const OpcionesAfinado& op, const TablaPesos& partida) {
  Pesos inicio = partida.De(op.modo);
  for (const auto& [medida, valor] : op.fijadas) inicio[medida] = valor;
  return inicio;
}

ResultadoAfinado Afinar(const OpcionesAfinado& op, const TablaPesos& partida, std::ostream& registro) {
  ResultadoAfinado r;
  r.inicial = PesosDeInicio(op, partida);
  const size_t n = op.medidas.size();
  std::vector<double> media(n), desvio(n), desvio0(n);
  for (size_t k = 0; k < n; ++k) {
    media[k] = r.inicial[op.medidas[k]];
    desvio[k] = desvio0[k] = Dispersion(op.medidas[k], media[k]);
  }
  std::mt19937_64 azar(op.semillaCandidatas);
  std::normal_distribution<double> normal;
  const int elite = std::clamp(op.elite, 1, std::max(1, op.poblacion));
  TablaPesos tabla = partida;
  tabla.De(op.modo) = r.inicial;  // the candidates play with the weights set first

  for (int g = 0; g < op.generaciones; ++g) {
    // The mean itself, and candidates drawn around it.
    std::vector<std::vector<double>> candidatas{media};
    while (static_cast<int>(candidatas.size()) < op.poblacion) {
      std::vector<double> c(n);
      for (size_t k = 0; k < n; ++k) c[k] = Acotar(op.medidas[k], media[k] + desvio[k] * normal(azar));
      candidatas.push_back(c);
    }
    const int desde = op.semillaBase + g * op.semillas;
    std::vector<std::pair<double, size_t>> puntos;
    for (size_t i = 0; i < candidatas.size(); ++i) {
      for (size_t k = 0; k < n; ++k) tabla.De(op.modo)[op.medidas[k]] = candidatas[i][k];
      puntos.push_back({Puntuar(op, tabla, desde, op.semillas), i});
    }
    std::stable_sort(puntos.begin(), puntos.end(), [](const auto& a, const auto& b) { return a.first > b.first; });

    // The next mean is the best few's; their spread, plus a noise that
    // fades over the generations, the next spread (so that it does not
    // close on a lucky few too soon).
    const double ruido = 0.2 * (1.0 - static_cast<double>(g) / op.generaciones);
    for (size_t k = 0; k < n; ++k) {
      double suma = 0, cuadrados = 0;
      for (int e = 0; e < elite; ++e) suma += candidatas[puntos[static_cast<size_t>(e)].second][k];
      const double m = suma / elite;
      for (int e = 0; e < elite; ++e) {
        const double d = candidatas[puntos[static_cast<size_t>(e)].second][k] - m;
        cuadrados += d * d;
      }
      media[k] = Acotar(op.medidas[k], m);
      desvio[k] = std::sqrt(cuadrados / elite + ruido * ruido * desvio0[k] * desvio0[k]);
    }
    const auto mediaVieja = std::find_if(puntos.begin(), puntos.end(), [](const auto& p) { return p.second == 0; });
    registro << "generacion " << g + 1 << " semillas " << desde << ".." << desde + op.semillas - 1 << ": mejor "
             << Fijo(puntos.front().first, 3) << ", la media de antes " << Fijo(mediaVieja->first, 3) << '\n';
    Pesos actual = r.inicial;
    for (size_t k = 0; k < n; ++k) actual[op.medidas[k]] = media[k];
    registro << "  " << LineaPesos(op.modo, actual) << '\n' << std::flush;
  }
  r.final = r.inicial;
  for (size_t k = 0; k < n; ++k) r.final[op.medidas[k]] = media[k];

  if (op.semillasValidar > 0) {
    tabla.De(op.modo) = partida.De(op.modo);
    r.validarInicial = Puntuar(op, tabla, op.semillaValidar, op.semillasValidar);
    tabla.De(op.modo) = r.final;
    r.validarFinal = Puntuar(op, tabla, op.semillaValidar, op.semillasValidar);
    r.partidasValidar = static_cast<int>(op.posiciones.size()) * op.semillasValidar;
    registro << "validacion, semillas " << op.semillaValidar << ".." << op.semillaValidar + op.semillasValidar - 1
             << ": antes " << Fijo(r.validarInicial, 3) << ", despues " << Fijo(r.validarFinal, 3) << '\n';
  }
  return r;
}

std::string ReemplazarGrupo(const std::string& texto, Modo modo, const Pesos& pesos, const std::string& nota) {
  const std::string nueva = LineaPesos(modo, pesos);
  const std::string codigo = nueva.substr(0, nueva.find(' '));
  std::vector<std::string> lineas;
  std::istringstream entrada(texto);
  for (std::string l; std::getline(entrada, l);) lineas.push_back(l);
  const auto esDelGrupo = [&](const std::string& l) {
    return l.compare(0, codigo.size() + 1, codigo + " ") == 0 || l == codigo;
  };
  std::vector<std::string> nuevas;
  std::istringstream notas(nota);
  for (std::string l; std::getline(notas, l);) nuevas.push_back(l);
  nuevas.push_back(nueva);

  // The group's notes stay, the new one after them: the runs that made
  // its line, in the order they ran.
  auto linea = std::find_if(lineas.begin(), lineas.end(), esDelGrupo);
  if (linea == lineas.end()) {
    lineas.insert(lineas.end(), nuevas.begin(), nuevas.end());
  } else {
    const auto donde = lineas.erase(linea);
    lineas.insert(donde, nuevas.begin(), nuevas.end());
  }
  std::string salida;
  for (const auto& l : lineas) salida += l + '\n';
  return salida;
}

}  // namespace tumbla
