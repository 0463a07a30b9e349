// tumbla-afinar: tunes the computer player's weights for one level group
// (Afinador.h) and writes them into a weights file, with the command and
// the seeds that made them.
//
//   tumbla-afinar --grupo CODIGO [--posicion P[-Q]]... [--medidas a,b,...]
//                 [--fijar a=v,b=w,...] [--semilla-base S] [--semillas N] [--generaciones G]
//                 [--poblacion K] [--elite E] [--azar A]
//                 [--validar V --semillas-validar M] [--rapido] [--hilos H]
//                 [--pesos ARCHIVO] [--salida ARCHIVO]
//
// It starts from the weights of --pesos (the game's own by default), with
// those of --fijar set first, and plays at a person's pace unless --rapido.
// Without --posicion it plays every position of the group. With --salida
// the file gets the tuned line (its other lines as they were; a new file
// starts as --pesos), and the line only when the check on the --validar
// seeds scores it no worse than the weights as they were, without --fijar.
#include <algorithm>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

#include "almacen/SistemaArchivos.h"
#include "autoplay/Afinador.h"
#include "autoplay/Trabajos.h"
#include "levels/Niveles.h"

namespace {

using namespace tumbla;

[[noreturn]] void Uso(const std::string& error) {
  std::cerr << "tumbla-afinar: " << error << "\n"
            << "uso: tumbla-afinar --grupo CODIGO [--posicion P[-Q]]... [--medidas a,b,...]\n"
               "       [--fijar a=v,b=w,...] [--semilla-base S] [--semillas N] [--generaciones G] [--poblacion K] [--elite E]\n"
               "       [--azar A] [--validar V --semillas-validar M] [--rapido] [--hilos H]\n"
               "       [--pesos ARCHIVO] [--salida ARCHIVO]\n";
  std::exit(2);
}

int Entero(const std::string& texto, int minimo, int maximo, const std::string& que) {
  return LeerEntero(texto, minimo, maximo, que, Uso);
}

// The measure named `nombre`, kMedidas when none is.
int BuscarMedida(const std::string& nombre) {
  int k = 0;
  while (k < kMedidas && nombre != NombreMedida(static_cast<Medida>(k))) ++k;
  return k;
}

std::string Leer(const std::string& ruta) {
  std::string texto;
  if (LeerArchivoEntero(ruta, texto) != Lectura::Leida) Uso("no se puede leer " + ruta);
  return texto;
}

}  // namespace

int main(int argc, char** argv) {
  OpcionesAfinado op;
  op.hilos = std::max(1u, std::thread::hardware_concurrency());
  const Grupo* grupo = nullptr;
  std::string medidas, fijar, rutaPesos, salida;
  std::ostringstream orden;
  orden << "tumbla-afinar";
  for (int k = 1; k < argc; ++k) {
    const std::string a = argv[k];
    auto valor = [&]() -> std::string {
      if (k + 1 >= argc) Uso("falta el valor de " + a);
      return argv[++k];
    };
    if (a != "--pesos" && a != "--salida" && a != "--hilos") {
      orden << ' ' << a;
      if (k + 1 < argc && a != "--rapido") orden << ' ' << argv[k + 1];
    }
    if (a == "--grupo") {
      grupo = BuscarGrupo(valor());
      if (grupo == nullptr) Uso("grupo desconocido '" + std::string(argv[k]) + "'");
    } else if (a == "--posicion") {
      AnadirPosiciones(valor(), op.posiciones, Uso);
    } else if (a == "--medidas") {
      medidas = valor();
    } else if (a == "--fijar") {
      fijar = valor();
    } else if (a == "--semilla-base") {
      op.semillaBase = Entero(valor(), 0, 1000000000, "semilla-base");
    } else if (a == "--semillas") {
      op.semillas = Entero(valor(), 1, 10000, "semillas");
    } else if (a == "--generaciones") {
      op.generaciones = Entero(valor(), 0, 1000, "generaciones");
    } else if (a == "--poblacion") {
      op.poblacion = Entero(valor(), 1, 1000, "poblacion");
    } else if (a == "--elite") {
      op.elite = Entero(valor(), 1, 1000, "elite");
    } else if (a == "--azar") {
      op.semillaCandidatas = static_cast<uint64_t>(Entero(valor(), 0, 1000000000, "azar"));
    } else if (a == "--validar") {
      op.semillaValidar = Entero(valor(), 0, 1000000000, "validar");
    } else if (a == "--semillas-validar") {
      op.semillasValidar = Entero(valor(), 0, 10000, "semillas-validar");
    } else if (a == "--rapido") {
      op.ritmoPersona = false;
    } else if (a == "--hilos") {
      op.hilos = static_cast<unsigned>(Entero(valor(), 1, 256, "hilos"));
    } else if (a == "--pesos") {
      rutaPesos = valor();
    } else if (a == "--salida") {
      salida = valor();
    } else {
      Uso("opcion desconocida '" + a + "'");
    }
  }
  if (grupo == nullptr) Uso("falta --grupo");
  op.modo = grupo->modo;
  const std::string textoPesos = rutaPesos.empty() ? std::string() : Leer(rutaPesos);
  TablaPesos tabla = PesosPropios();
  if (const std::string error = LeerPesos(textoPesos, tabla); !error.empty()) Uso(rutaPesos + ", " + error);
  // Each pair of --fijar, read as the file's pairs are.
  std::istringstream pares(fijar);
  for (std::string par; std::getline(pares, par, ',');) {
    TablaPesos uno;
    if (const std::string error = LeerPesos(std::string(grupo->codigo) + " " + par, uno); !error.empty()) {
      Uso("--fijar, " + error.substr(error.find(": ") + 2));
    }
    const int k = BuscarMedida(par.substr(0, par.find('=')));
    op.fijadas.emplace_back(static_cast<Medida>(k), uno.De(op.modo)[static_cast<Medida>(k)]);
  }

  // The validation's seeds must be none the tuning played.
  const long finEntreno = static_cast<long>(op.semillaBase) + static_cast<long>(op.generaciones) * op.semillas;
  if (op.semillasValidar > 0 && op.semillaValidar < finEntreno && op.semillaValidar + op.semillasValidar > op.semillaBase) {
    Uso("las semillas de --validar se cruzan con las del afinado");
  }
  const CatalogoNiveles niveles;
  if (op.posiciones.empty()) {
    for (int p = 1; p <= kNumNiveles; ++p) {
      if (GrupoDeClave(niveles.Clave(p)) == grupo->codigo) op.posiciones.push_back(p);
    }
  }
  if (medidas.empty()) {
    const Pesos inicial = PesosDeInicio(op, tabla);
    for (int k = 0; k < kMedidas; ++k) {
      const bool cuenta = static_cast<Medida>(k) == Medida::Muestras;
      if (!cuenta && inicial.v[static_cast<size_t>(k)] != 0) op.medidas.push_back(static_cast<Medida>(k));
    }
  } else {
    std::istringstream lista(medidas);
    for (std::string nombre; std::getline(lista, nombre, ',');) {
      const int k = BuscarMedida(nombre);
      if (k == kMedidas) Uso("medida desconocida '" + nombre + "'");
      if (static_cast<Medida>(k) == Medida::Muestras) Uso("muestras es una cuenta: se fija con --fijar");
      op.medidas.push_back(static_cast<Medida>(k));
    }
  }

  std::cout << orden.str() << '\n';
  const ResultadoAfinado r = Afinar(op, tabla, std::cout);
  std::cout << LineaPesos(op.modo, r.final) << '\n';
  if (salida.empty()) return 0;
  const bool mejor = op.semillasValidar == 0 || r.validarFinal >= r.validarInicial;
  if (!mejor) {
    std::cout << "la validacion no mejora: " << salida << " queda como estaba\n";
    return 0;
  }
  std::ostringstream nota;
  nota << "# " << grupo->codigo << ": " << orden.str() << "\n# " << grupo->codigo << ": ";
  if (op.generaciones > 0) {
    nota << "played seeds " << op.semillaBase << ".." << finEntreno - 1;
  } else {
    nota << "no tuning, only what --fijar sets";
  }
  if (op.semillasValidar > 0) {
    nota << ", checked on " << op.semillaValidar << ".." << op.semillaValidar + op.semillasValidar - 1 << " (score "
         << r.validarInicial << " before, " << r.validarFinal << " after, " << r.partidasValidar << " games)";
  }
  // The file's other lines stay as they are: groups tuned one after another
  // all land in it. A file not there yet starts as --pesos.
  std::string nuevo;
  const bool escrito = CambiarArchivo(salida, [&](std::string actual) {
    nuevo = ReemplazarGrupo(actual.empty() ? textoPesos : actual, op.modo, r.final, nota.str());
    return &nuevo;
  });
  if (!escrito) Uso("no se puede escribir " + salida);
  std::cout << "escrito " << salida << '\n';
  return 0;
}
