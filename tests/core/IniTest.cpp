// The settings file reader and writer, and the game's LeerIni/EscribirIni.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "Archivos.h"
#include "Escena.h"
#include "progress/Ini.h"

namespace fs = std::filesystem;

namespace tumbla {
namespace {

class Ini : public ::testing::Test {
 protected:
  Escena s{Escena::SinArrancar{}};
  fs::path ruta = s.carpeta / "tumbla.ini";
  ArchivoIni ini{ruta.string()};
  std::string Laguntza() { return ini.Leer("OROKORRA", "LAGUNTZA"); }
};

TEST_F(Ini, readsFilesWrittenByOtherPrograms) {
  // Line ends, blanks, comments, other sections and letter case do not hide a key.
  Guardar(ruta,
          "; written by hand\r\n[OTRA]\r\nLAGUNTZA=99\r\n\r\n  [ orokorra ]  \r\n# LAGUNTZA=77\r\n"
          "  laguntza   =   12  \r\nSoinua=N\nAZKENA=\"2026/12/06\"\r\n[Despues]\r\nZAILTASUNA=Z\r\n");
  EXPECT_EQ(Laguntza(), "12");
  EXPECT_EQ(ini.Leer("OROKORRA", "SOINUA"), "N");
  EXPECT_EQ(ini.Leer("OROKORRA", "AZKENA"), "2026/12/06");
  EXPECT_EQ(ini.Leer("OROKORRA", "ZAILTASUNA"), "");
  EXPECT_EQ(ini.Leer("OTRA", "laguntza"), "99");
}

TEST_F(Ini, writingOneKeyKeepsEveryOtherLineAsItWas) {
  // Only the key's own line changes; BOM, comments, other sections and CR LF
  // stay. A new key goes after its section's last key, a new section at the
  // end, in the file's own line ends.
  Guardar(ruta, "\xEF\xBB\xBF; mis ajustes\r\n[OROKORRA]\r\nSOINUA = N\r\nlaguntza=3   \r\n\r\n[Otra]\r\nLAGUNTZA=8\r\n");
  ASSERT_TRUE(ini.Escribir("OROKORRA", "LAGUNTZA", "4"));
  EXPECT_EQ(Contenido(ruta), "\xEF\xBB\xBF; mis ajustes\r\n[OROKORRA]\r\nSOINUA = N\r\nLAGUNTZA=4\r\n\r\n[Otra]\r\nLAGUNTZA=8\r\n");
  EXPECT_EQ(Laguntza(), "4");

  Guardar(ruta, "[OROKORRA]\nSOINUA=S\n\n[Otra]\nX=1");
  ASSERT_TRUE(ini.Escribir("OROKORRA", "AZKENA", "2026/12/06"));
  EXPECT_EQ(Contenido(ruta), "[OROKORRA]\nSOINUA=S\nAZKENA=2026/12/06\n\n[Otra]\nX=1");
  Guardar(ruta, "[Otra]\nX=1");
  ASSERT_TRUE(ini.Escribir("OROKORRA", "SOINUA", "N"));
  EXPECT_EQ(Contenido(ruta), "[Otra]\nX=1\n[OROKORRA]\nSOINUA=N\n");
}

TEST_F(Ini, aMissingOrEmptyFileReadsEmptyAndIsCreatedByTheFirstWrite) {
  // No file, or an empty one, holds no keys; a write creates a well-formed
  // file and leaves nothing beside it.
  EXPECT_EQ(Laguntza(), "");
  Guardar(ruta, "");
  EXPECT_EQ(Laguntza(), "");
  ASSERT_TRUE(ini.Escribir("OROKORRA", "LAGUNTZA", "1"));
  EXPECT_EQ(Contenido(ruta), "[OROKORRA]\r\nLAGUNTZA=1\r\n");
  fs::remove(ruta);
  ASSERT_TRUE(ini.Escribir("OROKORRA", "LAGUNTZA", "2"));
  EXPECT_EQ(Contenido(ruta), "[OROKORRA]\r\nLAGUNTZA=2\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(s.carpeta), fs::directory_iterator()), 1);
}

TEST_F(Ini, binaryOrTruncatedFilesAreSurvivedAndKept) {
  // Garbage reads as missing keys and stays in the file after a write; a
  // line cut off at the end stays as it was; a value ends at a NUL byte.
  std::string basura;
  for (int i = 0; i < 3000; ++i) basura += static_cast<char>((i * 7919 + 13) % 256);
  basura += std::string("\0[OROKORRA\0]=\r\r\n=", 17);
  Guardar(ruta, basura);
  EXPECT_EQ(Laguntza(), "");
  ASSERT_TRUE(ini.Escribir("OROKORRA", "LAGUNTZA", "5"));
  EXPECT_EQ(Laguntza(), "5");
  EXPECT_EQ(Contenido(ruta).substr(0, basura.size()), basura);

  Guardar(ruta, "[OROKORRA]\r\nLAGUNTZA=7\r\nAMAITU");
  EXPECT_EQ(Laguntza(), "7");
  EXPECT_EQ(ini.Leer("OROKORRA", "AMAITUTAKOA"), "");
  ASSERT_TRUE(ini.Escribir("OROKORRA", "AMAITUTAKOA", "3"));
  EXPECT_EQ(Contenido(ruta), "[OROKORRA]\r\nLAGUNTZA=7\r\nAMAITUTAKOA=3\r\nAMAITU");

  Guardar(ruta, std::string("[OROKORRA]\nSOINUA=N\0S\n", 22));
  EXPECT_EQ(ini.Leer("OROKORRA", "SOINUA"), "N");
}

TEST_F(Ini, longValuesComeBackCutTo255Characters) {
  // A 300-character value is stored whole but read as its first 255.
  const std::string largo = std::string(150, 'a') + std::string(150, 'b');
  ASSERT_TRUE(ini.Escribir("OROKORRA", "AZKENA", largo));
  EXPECT_EQ(ini.Leer("OROKORRA", "AZKENA"), largo.substr(0, 255));
}

TEST_F(Ini, aValueCannotBreakTheFileIntoNewLines) {
  // Line breaks inside a value would forge other keys; the value stops there.
  ASSERT_TRUE(ini.Escribir("OROKORRA", "AZKENA", "hoy\r\nLAGUNTZA=999"));
  EXPECT_EQ(ini.Leer("OROKORRA", "AZKENA"), "hoy");
  EXPECT_EQ(Laguntza(), "");
}

TEST_F(Ini, aReadOnlyFolderFailsSilentlyAndTheGameRunsOn) {
  // Writes fail without a trace; reads still see what the file holds.
  Guardar(ruta, "[OROKORRA]\r\nLAGUNTZA=6\r\n");
  fs::permissions(s.carpeta, fs::perms::owner_read | fs::perms::owner_exec);
  if (std::ofstream(s.carpeta / "prueba")) {
    fs::remove(s.carpeta / "prueba");
    fs::permissions(s.carpeta, fs::perms::owner_all);
    GTEST_SKIP() << "this user can write to a read-only folder";
  }
  EXPECT_FALSE(ini.Escribir("OROKORRA", "LAGUNTZA", "9"));
  s.juego->Inicializar();  // writes the daily award, which fails
  EXPECT_EQ(s.v().MinutosExtra(), 7);
  EXPECT_EQ(s.p().menuMinutos, "Minutos extra: 7");
  fs::permissions(s.carpeta, fs::perms::owner_all);
  EXPECT_EQ(Contenido(ruta), "[OROKORRA]\r\nLAGUNTZA=6\r\n");
}

TEST_F(Ini, aPlaceNobodyCanWriteToFailsSilently) {
  // A settings path under a plain file cannot be written, even by root; the
  // game starts and its switches work, just unstored.
  Guardar(s.carpeta / "archivo", "x");
  const fs::path imposible = s.carpeta / "archivo" / "tumbla.ini";
  EXPECT_FALSE(ArchivoIni(imposible.string()).Escribir("OROKORRA", "LAGUNTZA", "9"));
  Juego juego(s.plataforma, imposible.string());
  juego.Inicializar();
  EXPECT_EQ(juego.vista().MinutosExtra(), 1);
  juego.MenuSonido();
  EXPECT_FALSE(juego.pantalla().menuSonido);
  EXPECT_EQ(Contenido(s.carpeta / "archivo"), "x");
}

TEST_F(Ini, readOnlyFilesStayAsTheyWereAndAWriteKeepsBitsAndLinks) {
  // A file nobody may write is a failed write, even for an administrator (the
  // system would let root write it; the game does not); a write keeps the
  // file's permission bits; a link stays a link and the file it leads to is
  // written, created when missing.
  const std::string seis = "[OROKORRA]\r\nLAGUNTZA=6\r\n";
  Guardar(ruta, seis);
  for (const int bits : {0444, 0400, 0600, 0620}) {
    fs::permissions(ruta, fs::perms(bits));
    const bool escribible = bits & 0200;
    EXPECT_EQ(ini.Escribir("OROKORRA", "LAGUNTZA", "7"), escribible);
    EXPECT_EQ(Contenido(ruta), escribible ? "[OROKORRA]\r\nLAGUNTZA=7\r\n" : seis);
    EXPECT_EQ(fs::status(ruta).permissions(), fs::perms(bits));
    Guardar(ruta, seis);
  }
  fs::remove(ruta);
  fs::create_directory(s.carpeta / "datos");
  fs::create_symlink("datos/real.ini", ruta);  // dangling
  for (const char* valor : {"8", "9"}) {
    ASSERT_TRUE(ini.Escribir("OROKORRA", "LAGUNTZA", valor));
    EXPECT_TRUE(fs::is_symlink(ruta));
    EXPECT_EQ(Contenido(s.carpeta / "datos" / "real.ini"), std::string("[OROKORRA]\r\nLAGUNTZA=") + valor + "\r\n");
  }
}

#ifndef _WIN32
TEST_F(Ini, whatOthersPutInTheWayIsNeitherWrittenThroughNorWaitedOn) {
  // A link, a pipe or a folder at the name a temporary file once had changes
  // nothing: the write goes on and the thing is left alone. A pipe or a folder
  // at the settings path reads as nothing and takes no write.
  const fs::path victima = s.carpeta / "victima";
  Guardar(victima, "mio");
  const auto plantar = [&](int k, const fs::path& p) {
    ASSERT_TRUE(k == 0 ? (fs::create_symlink(victima, p), true) : k == 1 ? mkfifo(p.c_str(), 0666) == 0 : fs::create_directory(p));
  };
  for (int k = 0; k < 3; ++k) {
    SCOPED_TRACE(k);
    const fs::path tmp = s.carpeta / "tumbla.ini.tmp";
    plantar(k, tmp);
    const auto tipo = fs::symlink_status(tmp).type();
    ASSERT_TRUE(ini.Escribir("OROKORRA", "LAGUNTZA", std::to_string(k)));
    EXPECT_EQ(Laguntza(), std::to_string(k));
    EXPECT_EQ(fs::symlink_status(tmp).type(), tipo);
    fs::remove(tmp);
    fs::remove(ruta);
    if (k == 0) continue;
    plantar(k, ruta);
    EXPECT_EQ(Laguntza(), "");
    EXPECT_FALSE(ini.Escribir("OROKORRA", "LAGUNTZA", "9"));
    EXPECT_EQ(fs::symlink_status(ruta).type(), tipo);
    fs::remove(ruta);
  }
  EXPECT_EQ(Contenido(victima), "mio");
}

TEST_F(Ini, twoCopiesWritingAtOnceLoseNothingAndNeverShowAHalfFile) {
  // Two processes write their own key over and over while this one reads as
  // the level window does: every read finds the whole file, other lines stay
  // byte for byte, each key ends with its last value, nothing is left beside.
  const std::string ajeno = "; a mano\r\n[OTRA]\r\nLAGUNTZA=99\r\n[OROKORRA]\r\nAMAITUTAKOA=57\r\n";
  Guardar(ruta, ajeno + "LAGUNTZA=0\r\nAZKENA=0\r\n");
  Guardar(s.carpeta / ".tumbla.ini.00000000deadbeef", "[OROKORRA]");  // a write cut short
  const std::regex entero(R"(; a mano\r\n\[OTRA\]\r\nLAGUNTZA=99\r\n\[OROKORRA\]\r\nAMAITUTAKOA=57\r\n)"
                          R"(LAGUNTZA=\d+\r\nAZKENA=\d+\r\n)");
  constexpr int kVeces = 100;
  std::vector<pid_t> hijos;
  for (const char* clave : {"LAGUNTZA", "AZKENA"}) {
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      bool bien = true;
      for (int n = 1; n <= kVeces; ++n) bien = ArchivoIni(ruta.string()).Escribir("OROKORRA", clave, std::to_string(n)) && bien;
      _exit(bien ? 0 : 1);
    }
    hijos.push_back(pid);
  }
  int lecturas = 0;
  int malas = 0;
  std::vector<int> fines;
  while (fines.size() < hijos.size()) {
    ++lecturas;
    if (ini.Leer("OROKORRA", "AMAITUTAKOA") != "57" || !std::regex_match(Contenido(ruta), entero)) ++malas;
    for (pid_t& pid : hijos) {
      int estado = 0;
      if (pid > 0 && waitpid(pid, &estado, WNOHANG) == pid) {
        fines.push_back(WIFEXITED(estado) ? WEXITSTATUS(estado) : -1);
        pid = 0;
      }
    }
  }
  EXPECT_EQ(fines, std::vector<int>({0, 0}));
  EXPECT_EQ(malas, 0) << "of " << lecturas << " reads";
  EXPECT_EQ(Contenido(ruta), ajeno + "LAGUNTZA=100\r\nAZKENA=100\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(s.carpeta), fs::directory_iterator()), 1);

  // A copy stopped in the middle of its write holds the others up a moment,
  // not for ever: their writes fail and change nothing.
  const int parada = open(s.carpeta.c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_EQ(flock(parada, LOCK_EX), 0);
  const auto antes = std::chrono::steady_clock::now();
  EXPECT_FALSE(ini.Escribir("OROKORRA", "LAGUNTZA", "7"));
  EXPECT_LT(std::chrono::steady_clock::now() - antes, std::chrono::seconds(3));
  close(parada);
  EXPECT_EQ(Laguntza(), "100");
}
#endif

}  // namespace
}  // namespace tumbla
