// The settings file on shared ground: other programs' files, two copies at once, whatever others put in the way.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif
#ifdef __linux__
#include <sys/inotify.h>
#endif

#include "Archivos.h"
#include "Escena.h"
#include "progress/Ajustes.h"
#include "almacen/Ini.h"
#include "progress/Progreso.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace tumbla {
namespace {

#define BOM "\xEF\xBB\xBF"

class Ini : public ::testing::Test {
 protected:
  Escena s{Escena::SinArrancar{}};
  fs::path ruta = s.carpeta / "tumbla.ini";
  ArchivoIni ini{ruta.string()};
  std::string Leer(const std::string& clave) { return ini.Leer("OROKORRA", clave); }
  bool Escribir(const std::string& clave, const std::string& valor) { return ini.Escribir("OROKORRA", clave, valor); }
  long Entradas() { return std::distance(fs::directory_iterator(s.carpeta), fs::directory_iterator()); }
  // Settings at `ajustes`, where no write goes through: no day's minute that could not be kept, a won level and
  // the switches held in memory, the file left as it was.
  void SinGuardar(const fs::path& ajustes, int minutos) {
    const std::string antes = Contenido(ajustes);
    EXPECT_FALSE(ArchivoIni(ajustes.string()).Escribir("OROKORRA", "LAGUNTZA", "9"));
    AlmacenIni almacen(ajustes.string());
    almacen.Abrir();
    EXPECT_EQ(almacen.estado(), AlmacenIni::Estado::SinGuardar);
    Progreso progreso(almacen);
    EXPECT_FALSE(progreso.PremioDiario({2026, 12, 6}));
    EXPECT_EQ(progreso.MinutosExtra(), minutos);
    EXPECT_TRUE(progreso.NivelSuperado(5, true, 700));
    EXPECT_EQ(std::tuple(progreso.MinutosExtra(), progreso.Superados(), progreso.Record(5)),
              std::tuple(minutos + 1, 5, 700));
    Ajustes opciones(almacen);
    opciones.Cargar();
    opciones.CambiarSonido();
    EXPECT_FALSE(opciones.Sonido());
    EXPECT_EQ(Contenido(ajustes), antes);
  }
};

#ifdef __linux__
// How many times `hacer` wrote the settings file: replaced it, or wrote it in place.
int Escrituras(const fs::path& carpeta, const std::function<void()>& hacer) {
  const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  inotify_add_watch(fd, carpeta.c_str(), IN_MOVED_TO | IN_MODIFY);
  hacer();
  int n = 0;
  alignas(inotify_event) char sucesos[4096];
  for (ssize_t largo; (largo = read(fd, sucesos, sizeof sucesos)) > 0;) {
    for (char* p = sucesos; p < sucesos + largo; p += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(p)->len) {
      const inotify_event* e = reinterpret_cast<inotify_event*>(p);
      n += e->len > 0 && std::string(e->name) == "tumbla.ini";
    }
  }
  close(fd);
  return n;
}
#endif


TEST_F(Ini, leeLoQueEscribieronOtrosProgramas) {
  // Line ends, blanks, comments, a BOM, quotes, other sections and letter case hide no key; a value ends at a NUL.
  Guardar(ruta, BOM "[OTRA]\r\nLAGUNTZA=99\r\n; a mano\r\n\r\n  [ orokorra ]  \r\n# LAGUNTZA=77\r\n"
                    "  laguntza   =   12  \r\nSoinua=N\nAZKENA=\"2026/12/06\"\r\nZAILTASUNA=Z\0N\r\n"
                    "[Despues]\r\nAMAITUTAKOA=3\r\n"s);
  for (const auto& [seccion, clave, valor] :
       {std::tuple{"OROKORRA", "LAGUNTZA", "12"}, {"OROKORRA", "SOINUA", "N"}, {"OROKORRA", "AZKENA", "2026/12/06"},
        {"OROKORRA", "ZAILTASUNA", "Z"}, {"OROKORRA", "AMAITUTAKOA", ""}, {"otra", "laguntza", "99"}}) {
    EXPECT_EQ(ini.Leer(seccion, clave), valor) << clave;
  }
}

TEST_F(Ini, escribirUnaClaveDejaLasDemasLineasByteAByte) {
  // One line changes or is added in the file's own line ends; a value adds no line; 300 characters read back as 255.
  const std::string largo = std::string(150, 'a') + std::string(150, 'b');
  struct Caso { std::string antes, clave, valor, despues; };
  for (const Caso& c : std::vector<Caso>{
           {BOM "; mío\r\n[OROKORRA]\r\nSOINUA = N\r\nlaguntza=3   \r\n\r\n[Otra]\r\nLAGUNTZA=8\r\n", "LAGUNTZA", "4",
            BOM "; mío\r\n[OROKORRA]\r\nSOINUA = N\r\nLAGUNTZA=4\r\n\r\n[Otra]\r\nLAGUNTZA=8\r\n"},
           {BOM "[OROKORRA]\nLAGUNTZA=3\n", "LAGUNTZA", "4", BOM "[OROKORRA]\nLAGUNTZA=4\n"},
           {"[OROKORRA]\nSOINUA=S\n\n[Otra]\nX=1", "AZKENA", "hoy", "[OROKORRA]\nSOINUA=S\nAZKENA=hoy\n\n[Otra]\nX=1"},
           {"[Otra]\nX=1", "SOINUA", "N", "[Otra]\nX=1\n[OROKORRA]\nSOINUA=N\n"},
           {"", "LAGUNTZA", "1", "[OROKORRA]\r\nLAGUNTZA=1\r\n"},
           {"[OROKORRA]\nLAGUNTZA=7\nAMAITU", "AMAITUTAKOA", "3", "[OROKORRA]\nLAGUNTZA=7\nAMAITUTAKOA=3\nAMAITU"},
           {"[OROKORRA]\r\n", "AZKENA", "hoy\r\nLAGUNTZA=999", "[OROKORRA]\r\nAZKENA=hoy\r\n"},
           {"[OROKORRA]\n", "AZKENA", largo, "[OROKORRA]\nAZKENA=" + largo + "\n"},
           // A file cut between CR and LF: the LF completes the last line, whose CR stays out of its text.
           {"[OROKORRA]\r\nSOINUA=N\r", "AZKENA", "hoy", "[OROKORRA]\r\nSOINUA=N\r\nAZKENA=hoy\r\n"},
           {"[orokorra\r", "LAGUNTZA", "4", "[orokorra\r\nLAGUNTZA=4\r\n"}}) {
    Guardar(ruta, c.antes);
    ASSERT_TRUE(Escribir(c.clave, c.valor));
    EXPECT_EQ(Contenido(ruta), c.despues);
    EXPECT_EQ(Leer(c.clave), c.valor.substr(0, c.valor.find('\r')).substr(0, kLargoMaximoValorIni));
  }
  // No file reads as empty; the first write makes it and leaves nothing beside it.
  fs::remove(ruta);
  EXPECT_EQ(Leer("LAGUNTZA"), "");
  ASSERT_TRUE(Escribir("LAGUNTZA", "2"));
  EXPECT_EQ(Contenido(ruta), "[OROKORRA]\r\nLAGUNTZA=2\r\n");
  EXPECT_EQ(Entradas(), 1);
}

#ifdef __linux__
TEST_F(Ini, unArchivoDeDiezMegasGuardaElProgresoYLoAjenoYCadaCambioEsUnaEscrituraSobreLoQueHay) {
  // Beside 10 MB of another program's section the game reads the progress, the minutes and a record, stores the
  // day's minute with its date and a won level's minute, progress and record each in one write, and adds the
  // minute to what another copy stored meanwhile; the foreign text stays byte for byte, for the next run.
  std::string ajeno = "[OTRO]\r\n";
  while (ajeno.size() < 10 << 20) ajeno += "clave" + std::to_string(ajeno.size()) + "=" + std::string(60, 'x') + "\r\n";
  Guardar(ruta, "[OROKORRA]\r\nAZKENA=2026/12/05\r\nLAGUNTZA=4\r\nAMAITUTAKOA=2\r\nSOINUA=N\r\nZAILTASUNA=N\r\n" +
                    ajeno + "[ERREKORRAK]\r\n3=100\r\n");
  EXPECT_EQ(Escrituras(s.carpeta, [&] { s.juego->Inicializar(); }), 1);
  s.Atender();
  EXPECT_EQ(s.plataforma.cajas.at(0).texto.find("Enhorabuena"), 0u);
  EXPECT_EQ(std::pair(s.v().MinutosExtra(), s.v().ajustes().Sonido()), std::pair(5, false));
  s.plataforma.alMostrarSelector = [](SelectorNiveles& v) {
    EXPECT_NE(v.Boton(2).color, kColorGris);  // the progress read: the third level is open
    return v.ElegirPosicion(3);
  };
  s.Orden(Comando::Nuevo);
  EXPECT_EQ(s.p().lblRecord.texto, "100");
  ArchivoIni(ruta.string()).Escribir("OROKORRA", "LAGUNTZA", "50");  // another copy of the game
  s.Tablero(23, {"11111.11111"}).Lineas(1).Ficha(63, 22 * kAncho + 6);
  EXPECT_EQ(Escrituras(s.carpeta, [&] { s.Tick(); }), 1);
  EXPECT_EQ(s.p().lblRecord.texto, "260");
  EXPECT_TRUE(Contenido(ruta) == "[OROKORRA]\r\nAZKENA=2026/12/06\r\nLAGUNTZA=51\r\nAMAITUTAKOA=3\r\nSOINUA=N\r\n"
                                 "ZAILTASUNA=N\r\n" + ajeno + "[ERREKORRAK]\r\n3=260\r\n");
}
#endif

TEST_F(Ini, unArchivoDeSoloLecturaQuedaComoEstabaYLaEscrituraGuardaPermisosYEnlaces) {
  // No write to a file nobody may write, even as root; a write keeps the bits; a dangling link stays, its target made.
  const std::string seis = "[OROKORRA]\r\nLAGUNTZA=6\r\n";
  for (const int bits : {0444, 0400, 0600, 0620}) {
    Guardar(ruta, seis);
    fs::permissions(ruta, fs::perms(bits));
    const bool escribible = bits & 0200;
    EXPECT_EQ(Escribir("LAGUNTZA", "7"), escribible) << bits;
    EXPECT_EQ(Contenido(ruta), escribible ? "[OROKORRA]\r\nLAGUNTZA=7\r\n" : seis);
    EXPECT_EQ(fs::status(ruta).permissions(), fs::perms(bits));
  }
  fs::remove(ruta);
  fs::create_directory(s.carpeta / "datos");
  fs::create_symlink("datos/real.ini", ruta);
  for (const std::string valor : {"8", "9"}) {
    ASSERT_TRUE(Escribir("LAGUNTZA", valor));
    EXPECT_TRUE(fs::is_symlink(ruta));
    EXPECT_EQ(Contenido(s.carpeta / "datos" / "real.ini"), "[OROKORRA]\r\nLAGUNTZA=" + valor + "\r\n");
  }
#ifndef _WIN32
  // Another user's link (in a folder they share with the player) leads no write anywhere.
  if (geteuid() == 0 && lchown(ruta.c_str(), 65534, 65534) == 0) {
    EXPECT_FALSE(Escribir("LAGUNTZA", "10"));
    EXPECT_EQ(Contenido(s.carpeta / "datos" / "real.ini"), "[OROKORRA]\r\nLAGUNTZA=9\r\n");
  }
#endif
}

#ifndef _WIN32
TEST_F(Ini, dondeNadiePuedeEscribirElJuegoSigueEnMemoria) {
  // Under a plain file not even root writes: no write goes through, the game plays on with what it holds.
  Guardar(s.carpeta / "archivo", "x");
  SinGuardar(s.carpeta / "archivo" / "tumbla.ini", 0);
  EXPECT_EQ(Contenido(s.carpeta / "archivo"), "x");
}

TEST_F(Ini, enUnaCarpetaDeSoloLecturaElJuegoSigueEnMemoria) {
  // The stored minutes are read; the day's new one is not given, since it could not be kept.
  if (geteuid() == 0) GTEST_SKIP() << "skipped as root, who writes into read-only folders";
  Guardar(ruta, "[OROKORRA]\r\nLAGUNTZA=6\r\n");
  fs::permissions(s.carpeta, fs::perms::owner_read | fs::perms::owner_exec);
  SinGuardar(ruta, 6);
  fs::permissions(s.carpeta, fs::perms::owner_all);
}

TEST_F(Ini, siLosAjustesNoSePuedenGuardarUnaCajaLoDiceUnaVezYElArchivoQuedaComoEstaba) {
  // A read-only file with an old date (even for root) brings no daily box; a folder, a pipe or a link loop at the
  // settings path cannot be read. One box at start says which and where, a won level then says nothing more.
  const std::string viejo = "[OROKORRA]\r\nAZKENA=2020/01/01\r\nLAGUNTZA=3\r\nAMAITUTAKOA=0\r\n";
  for (int k = 0; k < 4; ++k) {
    Escena e{Escena::SinArrancar{}};
    const fs::path r = e.carpeta / "tumbla.ini";
    if (k == 0) {
      Guardar(r, viejo);
      fs::permissions(r, fs::perms(0444));
    }
    if (k == 1) fs::create_directory(r);
    if (k == 2) ASSERT_EQ(mkfifo(r.c_str(), 0666), 0);
    if (k == 3) fs::create_symlink("tumbla.ini", r);
    e.juego->Inicializar();
    e.Atender();
    ASSERT_EQ(e.plataforma.cajas.size(), 1u) << k;
    EXPECT_EQ(e.plataforma.cajas[0].icono, Icono::Exclamacion);
    EXPECT_EQ(e.plataforma.cajas[0].texto.find(k == 0 ? "No se puede guardar en el archivo de ajustes:\r\r" + r.string()
                                                       : "No se puede leer el archivo de ajustes:\r\r" + r.string()),
              0u) << k;
    e.plataforma.alMostrarSelector = [](SelectorNiveles& v) { return v.ElegirPosicion(2); };
    e.Orden(Comando::Nuevo);
    e.Tablero(23, {"11111.11111"}).Lineas(1).Ficha(63, 22 * kAncho + 6);
    e.Tick();
    EXPECT_TRUE(e.v().NivelTerminado());
    EXPECT_EQ(e.v().MinutosExtra(), k == 0 ? 4 : 1);
    EXPECT_EQ(e.plataforma.cajas.size(), 1u);
    const std::array tipos{fs::file_type::regular, fs::file_type::directory, fs::file_type::fifo, fs::file_type::symlink};
    EXPECT_EQ(fs::symlink_status(r).type(), tipos[static_cast<size_t>(k)]);
    if (k == 0) EXPECT_EQ(Contenido(r), viejo);
  }
  // A file that turns read-only during the run: the first write that fails says so, once.
  s.juego->Inicializar();
  s.Atender();
  const std::string antes = Contenido(ruta);
  fs::permissions(ruta, fs::perms(0444));
  s.plataforma.cajas.clear();
  s.Orden(Comando::Sonido);
  s.Orden(Comando::Sombra);
  ASSERT_EQ(s.plataforma.cajas.size(), 1u);
  EXPECT_EQ(s.plataforma.cajas[0].texto.find("No se puede guardar"), 0u);
  EXPECT_TRUE(!s.v().ajustes().Sonido() && s.v().ajustes().Sombra());
  EXPECT_EQ(Contenido(ruta), antes);
}

TEST_F(Ini, loQueOtrosPonenEnMedioNiSeEscribeNiSeEspera) {
  // A link, pipe or folder at a temporary name changes nothing; at the settings path it reads empty, takes no write.
  const fs::path victima = s.carpeta / "victima";
  Guardar(victima, "mío");
  const auto plantar = [&](int k, const fs::path& p) {
    if (k == 0) fs::create_symlink(victima, p);
    return k == 0 || (k == 1 ? mkfifo(p.c_str(), 0666) == 0 : fs::create_directory(p));
  };
  for (int k = 0; k < 3; ++k) {
    for (const char* nombre : {"tumbla.ini.tmp", ".tumbla.ini.tmp", ".tumbla.ini.0123456789abcdef"}) {
      ASSERT_TRUE(plantar(k, s.carpeta / nombre));
      ASSERT_TRUE(Escribir("LAGUNTZA", nombre));
      EXPECT_EQ(Leer("LAGUNTZA"), nombre);
      fs::remove(s.carpeta / nombre);
    }
    fs::remove(ruta);
    if (k == 0) continue;
    ASSERT_TRUE(plantar(k, ruta));
    EXPECT_EQ(ArchivoIni(ruta.string()).Leer("OROKORRA", "LAGUNTZA"), "");
    EXPECT_FALSE(Escribir("LAGUNTZA", "9"));
    EXPECT_EQ(fs::symlink_status(ruta).type(), k == 1 ? fs::file_type::fifo : fs::file_type::directory);
    fs::remove(ruta);
  }
  EXPECT_EQ(Contenido(victima), "mío");
}

TEST_F(Ini, dosCopiasEscribiendoALaVezNoPierdenNada) {
  // Two processes write a key each while a third reads: reads see whole files, other lines stay, last values win.
  const std::string ajeno = "; a mano\r\n[OTRA]\r\nLAGUNTZA=99\r\n[OROKORRA]\r\nAMAITUTAKOA=57\r\n";
  Guardar(ruta, ajeno + "LAGUNTZA=0\r\nAZKENA=0\r\n");
  Guardar(s.carpeta / ".tumbla.ini.00000000deadbeef", "[OROKORRA]");
  const std::regex entero(R"(; a mano\r\n\[OTRA\]\r\nLAGUNTZA=99\r\n\[OROKORRA\]\r\nAMAITUTAKOA=57\r\n)"
                          R"(LAGUNTZA=\d+\r\nAZKENA=\d+\r\n)");
  for (const char* clave : {"LAGUNTZA", "AZKENA"}) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid > 0) continue;
    bool bien = true;
    for (int n = 1; n <= 100; ++n) bien = Escribir(clave, std::to_string(n)) && bien;
    _exit(bien ? 0 : 1);
  }
  int lecturas = 0, malas = 0, vivos = 2, fallidos = 0, estado = 0;
  while (vivos > 0) {
    ++lecturas;
    malas += Leer("AMAITUTAKOA") != "57" || !std::regex_match(Contenido(ruta), entero);
    for (; vivos > 0 && waitpid(-1, &estado, WNOHANG) > 0; --vivos) fallidos += estado != 0;
  }
  EXPECT_EQ(fallidos, 0);
  EXPECT_EQ(malas, 0) << "of " << lecturas << " reads";
  EXPECT_EQ(Contenido(ruta), ajeno + "LAGUNTZA=100\r\nAZKENA=100\r\n");
  EXPECT_EQ(Entradas(), 1);

  // A copy stopped halfway through its write holds the others up a moment, not for ever: their writes fail.
  const int parada = open(s.carpeta.c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_EQ(flock(parada, LOCK_EX), 0);
  const auto antes = std::chrono::steady_clock::now();
  EXPECT_FALSE(Escribir("LAGUNTZA", "7"));
  EXPECT_LT(std::chrono::steady_clock::now() - antes, std::chrono::seconds(8));
  close(parada);
  EXPECT_EQ(Leer("LAGUNTZA"), "100");
}
#endif

}  // namespace
}  // namespace tumbla
