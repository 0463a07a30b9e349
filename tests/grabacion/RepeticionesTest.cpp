// Every level recorded plays again to the same end; a replay file says what
// is wrong with it; the player's folder keeps what it should through copies
// of the game saving at once and one killed halfway through a save.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "Archivos.h"
#include "Escena.h"
#include "autoplay/PartidaAutomatica.h"
#include "grabacion/AlmacenRepeticiones.h"
#include "levels/Niveles.h"
#include "replay/EjecutorGuion.h"
#include "replay/Reproductor.h"

namespace fs = std::filesystem;

namespace tumbla {
namespace {

const uint64_t kHuella = HuellaNiveles(CatalogoNiveles());

Grabacion Jugada(int posicion, bool persona, uint64_t semilla = 90001, ResultadoPartida* r = nullptr) {
  OpcionesPartida o;
  o.posicion = posicion;
  o.ritmoPersona = persona;
  o.semilla = (static_cast<uint64_t>(posicion) << 32) | semilla;
  std::optional<Grabacion> g;
  o.repeticion = [&g](Grabacion x) { g = std::move(x); };
  const ResultadoPartida hecha = JugarPartida(o);
  if (r != nullptr) *r = hecha;
  return g.value();
}

int Comprobar(const std::string& archivo, std::string* informe = nullptr) {
  std::ostringstream o, e;
  const int salida = ComprobarRepeticion(archivo, "x.tumbla", o, e);
  if (informe != nullptr) *informe = o.str() + e.str();
  return salida;
}

TEST(Repeticiones, cadaPartidaDelComprobadorSeJuegaIgualComoRepeticion) {
  // The first level of each group, as the level check plays it at both paces, recorded as a player's game: the
  // summary tells the game's end, and played again the level ends alike and records the same script.
  const CatalogoNiveles niveles;
  std::set<std::string> grupos;
  for (int p = 1; p <= kNumNiveles; ++p) {
    if (!grupos.insert(std::string(GrupoDeClave(niveles.Clave(p)))).second) continue;
    for (const bool persona : {false, true}) {
      ResultadoPartida r;
      const Grabacion g = Jugada(p, persona, 90001, &r);
      EXPECT_EQ(g.resumen.resultado == Resultado::Ganado, r.ganada) << p;
      EXPECT_EQ(g.resumen.piezas, r.piezas) << p;
      std::string informe;
      EXPECT_EQ(Comprobar(EscribirRepeticion(g, kHuella), &informe), 0) << p << (persona ? " persona\n" : "\n") << informe;
    }
  }
  EXPECT_EQ(grupos.size(), 8u);
}

TEST(Repeticiones, unaRepeticionVistaLlegaACadaMomentoComoFue) {
  // Watched: the end shows the board the game ended with; a piece forward twice and back once is a piece forward
  // once; a moment reached going back (played from the start) is that moment reached going forward.
  for (const int posicion : {2, 49}) {
    const Grabacion g = Jugada(posicion, /*persona=*/true);
    Reproductor r(g);
    ASSERT_GT(r.Duracion(), 0);
    const auto Huella = [&r] {
      const Mesa& m = r.juego().vista().mesa();
      return HuellaTablero(m.tablero, m.hayFicha ? &m.ficha : nullptr);
    };
    r.Ir(r.Duracion());
    EXPECT_EQ(Huella(), g.resumen.tablero) << posicion;
    EXPECT_EQ(r.juego().vista().marcador().PuntosNivel(), g.resumen.puntos);
    r.Ir(0);
    const int32_t primera = r.juego().vista().mesa().fichasEntradas;
    r.Pieza(1);
    const uint64_t una = Huella();
    const int64_t cuando = r.Ahora();
    r.Pieza(1);
    EXPECT_EQ(r.juego().vista().mesa().fichasEntradas, primera + 2);
    r.Pieza(-1);
    EXPECT_EQ(r.Ahora(), cuando);
    EXPECT_EQ(Huella(), una);
    const int64_t mitad = r.Duracion() / 2;
    r.Ir(mitad);
    const uint64_t adelante = Huella();
    r.Ir(r.Duracion());
    r.Ir(mitad);
    EXPECT_EQ(Huella(), adelante);
  }
}

TEST(Repeticiones, unNivelSeguidoConIntroEmpiezaDondeLoDejoElAnterior) {
  // A won level, ENTER, and a few moves of the next: recorded again as it plays, the next level begins with the
  // running score, pace and timers' rhythm, and its replay ends as the game did. A replay whose script plays
  // otherwise says so.
  const Grabacion ganada = Jugada(1, false);
  ASSERT_EQ(ganada.resumen.resultado, Resultado::Ganado);
  std::vector<Grabacion> otras;
  {
    std::ostringstream informe;
    EjecutorGuion ejecutor(informe);
    ejecutor.Regrabar([&otras](Grabacion g) { otras.push_back(std::move(g)); });
    std::istringstream guion(ganada.guion + "rand 1 2 3 4 5 6\n+0.5 shutter 13\n+0.2 key 37\n+0.9 key 32\n+0.4 key 39\n");
    for (std::string linea; std::getline(guion, linea);) ejecutor.Linea(linea);
    ejecutor.Terminar();
  }
  ASSERT_EQ(otras.size(), 2u);
  EXPECT_TRUE(otras[0].resumen.MismoFinal(ganada.resumen));
  EXPECT_EQ(otras[0].guion, ganada.guion);
  const Grabacion& seguida = otras[1];
  EXPECT_EQ(seguida.resumen.posicion, 2);
  EXPECT_NE(seguida.guion.find("\nlevel 2 " + std::to_string(ganada.resumen.puntos) + " 300\nphase juego="),
            std::string::npos) << seguida.guion;
  EXPECT_EQ(Comprobar(EscribirRepeticion(seguida, kHuella)), 0);

  Grabacion otra = seguida;
  otra.guion.erase(otra.guion.rfind("+0.2 key 37\n"), 12);
  std::string informe;
  EXPECT_EQ(Comprobar(EscribirRepeticion(otra, kHuella), &informe), 1);
  EXPECT_NE(informe.find("played again"), std::string::npos) << informe;
}

TEST(Repeticiones, unArchivoDiceQueLeFalta) {
  // Each fault of a file has its kind and its message; what the writer writes reads back the same.
  Grabacion g = Jugada(4, true);
  const std::string bien = EscribirRepeticion(g, kHuella);
  const LecturaRepeticion leida = LeerRepeticion(bien, kHuella);
  ASSERT_TRUE(leida.Valida());
  EXPECT_TRUE(leida.grabacion.resumen.MismoFinal(g.resumen));
  EXPECT_EQ(leida.grabacion.guion, g.guion);
  const auto cambiada = [&bien](const std::string& de, const std::string& a) {
    std::string t = bien;
    return t.replace(t.find(de), de.size(), a);
  };
  const struct {
    std::string texto;
    FalloRepeticion fallo;
    const char* mensaje;
  } casos[] = {
      {std::string(kLargoMaximoRepeticion + 1, 'x'), FalloRepeticion::Grande, "demasiado grande"},
      {"[OROKORRA]\n", FalloRepeticion::Ajena, "no es una repetición"},
      {cambiada("REPETICION 1", "REPETICION 2"), FalloRepeticion::Formato, "(formato 2)"},
      {cambiada("\nreglas 1\n", "\nreglas 12\n"), FalloRepeticion::Reglas, "(la 12;"},
      {cambiada("\nniveles ", "\nniveles f"), FalloRepeticion::Danada, "línea 3"},
      {bien.substr(0, bien.size() - 10), FalloRepeticion::Danada, "cortado"},
      {bien + "x", FalloRepeticion::Danada, "tras el guion"},
      {cambiada("\npuntos ", "\npuntos -"), FalloRepeticion::Danada, "línea 7: los puntos"},
      {cambiada("GOTEA,01 GOTEATOR", "GOTEA,01 CLASIC"), FalloRepeticion::Danada, "el nivel"},
      {cambiada("\nreply\n", "\nreplY\n"), FalloRepeticion::Danada, "no es el que se grabó"},
  };
  for (const auto& c : casos) {
    const LecturaRepeticion l = LeerRepeticion(c.texto, kHuella);
    EXPECT_EQ(l.fallo, c.fallo) << c.mensaje;
    EXPECT_NE(TextoFallo(l, "x").find(c.mensaje), std::string::npos) << TextoFallo(l, "x");
  }
  EXPECT_EQ(LeerRepeticion(bien, kHuella + 1).fallo, FalloRepeticion::Niveles);
}

TEST(Repeticiones, laCarpetaGuardaLasUltimasLasMejoresYPocosMegas) {
  // Forty games: the last thirty stay, with each level's best won game however old, and the last five demos; a
  // file it cannot read is listed and left alone. Games too large for the folder push the oldest out, never the
  // newest.
  Escena s{Escena::SinArrancar{}};
  AlmacenRepeticiones almacen((s.carpeta / "repeticiones").string(), kHuella);
  Guardar(s.carpeta / "repeticiones" / "ajena.tumbla", "no es una repetición");
  const Grabacion ganada = Jugada(1, false);
  Grabacion mejor = ganada;
  mejor.resumen.puntos += 1000;
  ASSERT_TRUE(almacen.Guardar(mejor));
  for (int n = 0; n < 40; ++n) {
    Grabacion g = ganada;
    g.resumen.demo = n % 4 == 0;
    g.resumen.posicion = 1 + n % 3;
    ASSERT_TRUE(almacen.Guardar(g));
  }
  auto lista = almacen.Listar();
  int demos = 0, jugadas = 0, mejores = 0, ajenas = 0;
  for (const RepeticionGuardada& r : lista) {
    if (!r.legible) {
      ajenas += r.archivo == "ajena.tumbla" && r.fallo.find("no es una repetición") != std::string::npos;
      continue;
    }
    (r.resumen.demo ? demos : jugadas) += 1;
    mejores += r.mejor && r.resumen.posicion == 1 && r.resumen.puntos == mejor.resumen.puntos;
  }
  EXPECT_EQ(std::tuple(demos, jugadas, mejores, ajenas), std::tuple(5, 31, 1, 1));

  Grabacion grande = ganada;
  grande.guion.append(kLargoMaximoGuion - grande.guion.size() - 100, '#');
  std::vector<std::string> nuevas(12);
  for (std::string& n : nuevas) ASSERT_TRUE(almacen.Guardar(grande, &n));
  uint64_t total = 0;
  std::set<std::string> quedan;
  for (const RepeticionGuardada& r : almacen.Listar()) {
    total += r.legible ? r.tamano : 0;
    quedan.insert(r.archivo);
  }
  EXPECT_LE(total, AlmacenRepeticiones::kTope);
  for (size_t k = nuevas.size() - 5; k < nuevas.size(); ++k) EXPECT_TRUE(quedan.count(nuevas[k])) << k;
  EXPECT_TRUE(quedan.count("ajena.tumbla"));
}

#ifndef _WIN32
TEST(Repeticiones, dosCopiasALaVezYUnaMuertaAMitadNoPierdenNinguna) {
  // One copy saves games while another, saving demos without end, is killed again and again in the middle of a
  // save: every game the first stored is still there, and every file in the folder reads whole.
  Escena s{Escena::SinArrancar{}};
  const std::string carpeta = (s.carpeta / "repeticiones").string();
  AlmacenRepeticiones almacen(carpeta, kHuella);
  const Grabacion g = Jugada(2, true);
  Grabacion demo = g;
  demo.resumen.demo = true;
  std::vector<std::string> mias;
  for (int ronda = 0; ronda < 4; ++ronda) {
    const pid_t otra = fork();
    ASSERT_GE(otra, 0);
    if (otra == 0) {
      AlmacenRepeticiones suya(carpeta, kHuella);
      for (;;) suya.Guardar(demo);
    }
    for (int n = 0; n < 2; ++n) ASSERT_TRUE(almacen.Guardar(g, &mias.emplace_back()));
    kill(otra, SIGKILL);
    waitpid(otra, nullptr, 0);
  }
  std::set<std::string> legibles;
  for (const RepeticionGuardada& r : almacen.Listar()) {
    EXPECT_TRUE(r.legible) << r.archivo << ": " << r.fallo;
    legibles.insert(r.archivo);
  }
  for (const std::string& m : mias) EXPECT_TRUE(legibles.count(m)) << m;
}
#endif

}  // namespace
}  // namespace tumbla
