// tumbla-autoplay: the computer player plays levels headless and reports,
// per position, its wins, the pieces and the seconds of the level clock it
// used, and why it lost what it lost.
//
//   tumbla-autoplay [--posicion P[-Q]]... [--semillas N] [--semilla-base S]
//                   [--persona [--pensar MS] [--tecla MS]] [--dificil]
//                   [--guiones CARPETA] [--repeticiones CARPETA]
//                   [--tabla ARCHIVO] [--grafico ARCHIVO.svg]
//                   [--hilos N] [--registros ARCHIVO] [--pesos ARCHIVO]
//                   [--comprobar [--semillas-max M]]
//
// Without --posicion every position 1..296 is played. --guiones writes each
// game as a replay script for tumbla-replay; --repeticiones, as a player's
// replay file (.tumbla), which tumbla-replay plays and checks. --registros plays level records
// from a file (in the layout of src/levels/niveles.txt) instead of the
// built-in ones, as the level design tool does. --pesos plays with the
// player's weights of a file (in the layout of src/jugador/pesos.txt: the
// groups it names; the others keep the game's own). --comprobar makes the exit
// status 1 when a level breaks the house rules (Informe.h): every position
// won in one game in ten; at full speed also every starting board of our
// own design won in half the games, and none much harder than a later one
// of its group. Where the games cannot tell yet, the position gets N games
// more, up to M in all (80 by default), seeds following on.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "autoplay/Informe.h"
#include "autoplay/PartidaAutomatica.h"
#include "levels/FaltasRegistro.h"
#include "autoplay/Trabajos.h"
#include "levels/Niveles.h"

namespace {

using namespace tumbla;

[[noreturn]] void Uso(const std::string& error) {
  std::cerr << "tumbla-autoplay: " << error << "\n"
            << "uso: tumbla-autoplay [--posicion P[-Q]]... [--semillas N] [--semilla-base S]\n"
               "       [--persona [--pensar MS] [--tecla MS]] [--dificil] [--guiones CARPETA]\n"
               "       [--repeticiones CARPETA]\n"
               "       [--tabla ARCHIVO] [--grafico ARCHIVO.svg] [--hilos N] [--registros ARCHIVO]\n"
               "       [--pesos ARCHIVO] [--comprobar [--semillas-max M]]\n";
  std::exit(2);
}

int Entero(const std::string& texto, int minimo, int maximo, const std::string& que) {
  return LeerEntero(texto, minimo, maximo, que, Uso);
}

struct Opciones {
  std::vector<int> posiciones;
  int semillas = 10;
  int semillasMax = 80;
  int semillaBase = 1;
  OpcionesPartida base;
  std::string guiones, repeticiones, tabla, grafico;
  unsigned hilos = std::max(1u, std::thread::hardware_concurrency());
  bool comprobar = false;
  TablaPesos pesos = PesosPropios();
};

Opciones LeerOpciones(int argc, char** argv) {
  Opciones op;
  for (int k = 1; k < argc; ++k) {
    const std::string a = argv[k];
    auto valor = [&]() -> std::string {
      if (k + 1 >= argc) Uso("falta el valor de " + a);
      return argv[++k];
    };
    if (a == "--posicion") {
      AnadirPosiciones(valor(), op.posiciones, Uso);
    } else if (a == "--semillas") {
      op.semillas = Entero(valor(), 1, 100000, "semillas");
    } else if (a == "--semillas-max") {
      op.semillasMax = Entero(valor(), 1, 100000, "semillas-max");
    } else if (a == "--semilla-base") {
      op.semillaBase = Entero(valor(), 0, 1000000000, "semilla-base");
    } else if (a == "--persona") {
      op.base.ritmoPersona = true;
    } else if (a == "--pensar") {
      op.base.pensarMs = Entero(valor(), 0, 60000, "pensar");
    } else if (a == "--tecla") {
      op.base.teclaMs = Entero(valor(), 0, 60000, "tecla");
    } else if (a == "--dificil") {
      op.base.dificil = true;
    } else if (a == "--guiones") {
      op.guiones = valor();
    } else if (a == "--repeticiones") {
      op.repeticiones = valor();
    } else if (a == "--tabla") {
      op.tabla = valor();
    } else if (a == "--grafico") {
      op.grafico = valor();
    } else if (a == "--hilos") {
      op.hilos = static_cast<unsigned>(Entero(valor(), 1, 256, "hilos"));
    } else if (a == "--registros") {
      std::ifstream f(valor(), std::ios::binary);
      if (!f) Uso("no se puede leer " + std::string(argv[k]));
      op.base.registros.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
      const std::string falta = FaltaEnRegistros(CatalogoNiveles(op.base.registros));
      if (!falta.empty()) Uso(std::string(argv[k]) + ": " + falta);
    } else if (a == "--pesos") {
      std::ifstream f(valor(), std::ios::binary);
      if (!f) Uso("no se puede leer " + std::string(argv[k]));
      const std::string texto((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
      const std::string error = LeerPesos(texto, op.pesos);
      if (!error.empty()) Uso(std::string(argv[k]) + ", " + error);
    } else if (a == "--comprobar") {
      op.comprobar = true;
    } else {
      Uso("opcion desconocida '" + a + "'");
    }
  }
  if (op.posiciones.empty()) {
    for (int p = 1; p <= kNumNiveles; ++p) op.posiciones.push_back(p);
  }
  // A position named twice is played once.
  std::vector<int> unicas;
  for (int p : op.posiciones) {
    if (std::find(unicas.begin(), unicas.end(), p) == unicas.end()) unicas.push_back(p);
  }
  op.posiciones = unicas;
  op.semillasMax = std::max(op.semillasMax, op.semillas);
  return op;
}

struct Trabajo {
  int posicion;
  int semilla;
};

// Every (position, seed) game is one job; the threads take them in turn.
// Throws the last error any game raised.
std::vector<ResultadoPartida> JugarTodas(const Opciones& op, const std::vector<Trabajo>& trabajos) {
  if (!op.guiones.empty()) std::filesystem::create_directories(op.guiones);
  if (!op.repeticiones.empty()) std::filesystem::create_directories(op.repeticiones);
  const uint64_t huella = HuellaNiveles(op.base.registros.empty() ? CatalogoNiveles() : CatalogoNiveles(op.base.registros));
  std::vector<ResultadoPartida> resultados(trabajos.size());
  EnHilos(trabajos.size(), op.hilos, [&](size_t j) {
    OpcionesPartida o = op.base;
    o.pesos = &op.pesos;
    o.posicion = trabajos[j].posicion;
    o.semilla = SemillaDePartida(o.posicion, trabajos[j].semilla);
    if (!op.repeticiones.empty()) {
      char nombre[64];
      std::snprintf(nombre, sizeof nombre, "pos%03d-semilla%d%s", o.posicion, trabajos[j].semilla,
                    kExtensionRepeticion);
      const auto ruta = std::filesystem::path(op.repeticiones) / nombre;
      o.repeticion = [ruta, huella](Grabacion g) {
        std::ofstream(ruta, std::ios::binary) << EscribirRepeticion(g, huella);
      };
    }
    if (op.guiones.empty()) {
      resultados[j] = JugarPartida(o);
    } else {
      char nombre[64];
      std::snprintf(nombre, sizeof nombre, "pos%03d-semilla%d.rep", o.posicion, trabajos[j].semilla);
      std::ofstream f(std::filesystem::path(op.guiones) / nombre, std::ios::binary);
      o.guion = &f;
      resultados[j] = JugarPartida(o);
    }
  });
  return resultados;
}

// Writes the table (and the chart).
void Informar(const Opciones& op, const std::vector<ResumenPosicion>& resumen) {
  std::ostringstream texto;
  EscribirTabla(texto, resumen, op.base.ritmoPersona);
  if (op.tabla.empty()) {
    std::cout << texto.str();
  } else {
    std::ofstream(op.tabla, std::ios::binary) << texto.str();
  }
  if (!op.grafico.empty()) {
    std::ofstream f(op.grafico, std::ios::binary);
    EscribirGrafico(f, resumen);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const Opciones op = LeerOpciones(argc, argv);
  const CatalogoNiveles niveles;
  // Each position's games in seed order. With --comprobar, rounds of N
  // games more go to the positions whose verdict is still open.
  std::map<int, std::vector<ResultadoPartida>> partidas;
  std::vector<int> ronda = op.posiciones;
  std::vector<ResumenPosicion> resumen;
  Veredicto veredicto;
  while (!ronda.empty()) {
    std::vector<Trabajo> trabajos;
    for (int p : ronda) {
      const int hechas = static_cast<int>(partidas[p].size());
      for (int s = 0; s < op.semillas; ++s) trabajos.push_back({p, op.semillaBase + hechas + s});
    }
    std::vector<ResultadoPartida> resultados;
    try {
      resultados = JugarTodas(op, trabajos);
    } catch (const std::exception& e) {
      std::cerr << "tumbla-autoplay: " << e.what() << '\n';
      return 2;
    }
    for (size_t j = 0; j < trabajos.size(); ++j) partidas[trabajos[j].posicion].push_back(resultados[j]);
    resumen.clear();
    for (int p : op.posiciones) resumen.push_back(Resumir(niveles, p, partidas[p]));
    if (!op.comprobar) break;
    veredicto = ComprobarReglas(resumen, op.semillasMax, op.base.ritmoPersona);
    ronda = veredicto.pendientes;
  }
  Informar(op, resumen);
  for (const auto& f : veredicto.fallos) std::cerr << f << '\n';
  return veredicto.fallos.empty() ? 0 : 1;
}
