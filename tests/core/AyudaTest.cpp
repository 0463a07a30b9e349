// The help document and the group introductions.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "Archivos.h"
#include "Escena.h"
#include "progress/Ayuda.h"

namespace fs = std::filesystem;

namespace tumbla {
namespace {

size_t Cuenta(const std::string& texto, const std::string& trozo) {
  size_t n = 0;
  for (size_t i = texto.find(trozo); i != std::string::npos; i = texto.find(trozo, i + 1)) ++n;
  return n;
}

TEST(Ayuda, theDocumentHasItsTitleCharsetSectionsAndCrLfLines) {
  // The head declares UTF-8; title 0 is the window title in capitals; the
  // CLASIC section shows its seven paragraphs as one; eleven sections, 3
  // lines each after the first 5, all CR LF; no "<>" separator is left.
  const std::string d = DocumentoAyuda();
  const std::string cabeza =
      "<html><head><meta charset=\"utf-8\"><title>Tumbla 3.0 Dilatorus</title></head>\r\n"
      "<body style='font-family: Arial'>\r\n"
      "<p>&nbsp;</p>\r\n"
      "<h2><b><u>TUMBLA 3.0 DILATORUS</u></b></h2>\r\n"
      "<p>El Tumbla es un juego que, tomando como base el conocido Plombis, va mucho mas allá, "
      "con un montón de variaciones y novedades. Además de la clásica opción de ir completando "
      "líneas a través de diferentes fases, el Tumbla incluye nuevas y originales opciones de "
      "juego. Si te gusta el Plombis de toda la vida, pero buscas nuevos retos a los que hacer "
      "frente, ¡este es tu juego!.<br/><br/>Consta de casi 300 niveles, en los que podrás "
      "encontrar multitud de modos de juego diferentes. Cada nivel tendrá su objetivo y sus "
      "obstáculos.</p>\r\n";
  const std::string clasic =
      "<p>&nbsp;</p>\r\n"
      "<p><b>CLASIC</b></p>\r\n"
      "<p>Es el modo clásico del Plombis, el de toda la vida. A medida que avances de nivel, "
      "irán apareciendo diferentes handicaps.<br/><br/>"
      "• Objetivo: Realizar un número determinado de líneas.<br/><br/>"
      "• Handicap: 'Borrar en bloque'. En lugar de que las líneas se borren según se vayan "
      "completando, con este obstáculo deberás realizar un número concreto de líneas para que "
      "estas desaparezcan.<br/><br/>"
      "• Handicap: 'Subir Nivel'. Cada vez que hagas cierto número de líneas, el tablero "
      "ascenderá.<br/><br/>"
      "• Handicap: 'Bloques Extras'. Irán apareciendo bloques aleatoriamente en el tablero."
      "<br/><br/>"
      "• Handicap: 'Panic'. El tablero se mueve a la izquierda.<br/><br/>"
      "• Handicap: 'Superpanic'. El tablero se desordena aleatoriamente.</p>\r\n"
      "<p>&nbsp;</p>\r\n"
      "<p><b>GOTEATOR</b></p>\r\n";
  EXPECT_EQ(d.substr(0, cabeza.size()), cabeza);
  EXPECT_EQ(d.find(clasic), cabeza.size());
  EXPECT_EQ(d.substr(d.size() - 16), "</body></html>\r\n");
  EXPECT_EQ(d.find("<>"), std::string::npos);
  EXPECT_EQ(Cuenta(d, "\r\n"), 5u + 3u * 10u + 1u);
  EXPECT_EQ(Cuenta(d, "\n"), Cuenta(d, "\r\n"));
  EXPECT_EQ(Cuenta(d, "<p>&nbsp;</p>"), 11u);
  EXPECT_EQ(Cuenta(d, "•"), 6u + 3u + 3u + 3u + 3u + 3u + 5u + 11u);
}

TEST(Ayuda, introductionsCoverTheFirstLevelOfEachGroup) {
  // Eight positions open a group, with "<>" turned into two CR LF pairs.
  std::string titulo;
  std::string texto;
  ASSERT_TRUE(TextoIntroduccion(13, titulo, texto));
  EXPECT_EQ(titulo, "CLASIC");
  EXPECT_EQ(texto, "• Handicap: 'Panic'. El tablero se mueve a la izquierda.\r\n\r\n");
  ASSERT_TRUE(TextoIntroduccion(27, titulo, texto));
  EXPECT_EQ(titulo, "JUNTATOR");
  EXPECT_EQ(texto.rfind("Es una mezcla entre el Rotator y el Goteator.", 0), 0u);
  EXPECT_EQ(Cuenta(texto, "\r\n\r\n"), 5u);
  EXPECT_EQ(texto.find("<>"), std::string::npos);
  int grupos = 0;
  for (int p = 0; p <= 300; ++p) grupos += TextoIntroduccion(p, titulo, texto) ? 1 : 0;
  EXPECT_EQ(grupos, 8);
}

TEST(Ayuda, askingForHelpWritesTheFileAndOpensThatSamePath) {
  // The document lands beside the settings file and is rewritten on every request.
  Escena s{Escena::SinArrancar{}};
  s.juego->MenuAyuda();
  const fs::path archivo = s.carpeta / "Instrucciones.htm";
  ASSERT_EQ(s.plataforma.abiertos.size(), 1u);
  EXPECT_TRUE(fs::path(s.plataforma.abiertos[0]).is_absolute());
  EXPECT_TRUE(fs::equivalent(fs::path(s.plataforma.abiertos[0]), archivo));
  EXPECT_EQ(Contenido(archivo), DocumentoAyuda());
  Guardar(archivo, "viejo");
  s.juego->MenuAyuda();
  EXPECT_EQ(s.plataforma.abiertos.size(), 2u);
  EXPECT_EQ(Contenido(archivo), DocumentoAyuda());
  EXPECT_TRUE(s.plataforma.cajas.empty());
}

TEST(Ayuda, noBrowserIsReportedAndAnUnwritableFolderFallsBackToTheNextOne) {
  // When nothing can open the document the player is told where it is;
  // when no folder takes it, that it could not be written.
  Escena s{Escena::SinArrancar{}};
  s.plataforma.abrirDevuelve = false;
  s.juego->MenuAyuda();
  ASSERT_EQ(s.plataforma.cajas.size(), 1u);
  EXPECT_EQ(s.plataforma.cajas[0].icono, Icono::Exclamacion);
  EXPECT_EQ(s.plataforma.cajas[0].texto, "No se ha podido abrir la ayuda: " + s.plataforma.abiertos[0]);
  // A folder that cannot take the file is skipped for the next.
  fs::create_directories(s.carpeta / "otra");
  s.juego->PonerCarpetasAyuda({(s.carpeta / "no-existe").string(), (s.carpeta / "otra").string()});
  s.juego->MenuAyuda();
  ASSERT_EQ(s.plataforma.abiertos.size(), 2u);
  EXPECT_TRUE(fs::equivalent(fs::path(s.plataforma.abiertos[1]), s.carpeta / "otra" / "Instrucciones.htm"));
  s.juego->PonerCarpetasAyuda({(s.carpeta / "no-existe").string()});
  s.juego->MenuAyuda();
  ASSERT_EQ(s.plataforma.cajas.size(), 3u);
  EXPECT_EQ(s.plataforma.abiertos.size(), 2u);
  EXPECT_EQ(s.plataforma.cajas[2].texto.rfind("No se ha podido escribir la ayuda", 0), 0u);
}

#ifndef _WIN32
TEST(Ayuda, withNoFolderOfItsOwnTheHelpGoesToAPrivateOneThatNobodyCanTamperWith) {
  // A missing folder and one that others may write are passed over; in the
  // shared temporary folder the document goes into a folder of the player's
  // own, closed to others (the same one each time), whatever another user
  // planted there: their link, pipe or folder is left alone, nothing is
  // written through a link, and the file opened is the very file written.
  Escena s{Escena::SinArrancar{}};
  const fs::path abierta = s.carpeta / "abierta";
  const fs::path compartida = s.carpeta / "tmp";
  const fs::path ajena = s.carpeta / "ajena";
  const fs::path victima = s.carpeta / "victima";
  for (const auto& [carpeta, bits] : {std::pair{abierta, 0777}, {compartida, 01777}, {ajena, 0777}}) {
    fs::create_directory(carpeta);
    ASSERT_EQ(chmod(carpeta.c_str(), static_cast<mode_t>(bits)), 0);
  }
  Guardar(victima, "mio");
  fs::create_symlink(victima, abierta / kArchivoAyuda);
  fs::create_symlink(victima, compartida / kArchivoAyuda);
  s.juego->PonerCarpetasAyuda({(s.carpeta / "no-existe").string(), abierta.string(), compartida.string()});
  const std::string propia = "tumbla-" + std::to_string(geteuid());
  // Nothing, a link to someone else's folder, a pipe, another user's folder.
  const auto plantar = [&](size_t k, const fs::path& p) {
    if (k == 1) fs::create_directory_symlink(ajena, p);
    if (k == 2) { ASSERT_EQ(mkfifo(p.c_str(), 0666), 0); }
    if (k == 3) { ASSERT_TRUE(fs::create_directory(p) && chown(p.c_str(), 65534, 65534) == 0); }
  };
  for (size_t k = 0; k < (geteuid() == 0 ? 4u : 3u); ++k) {
    SCOPED_TRACE(k);
    plantar(k, compartida / propia);
    for (int vez = 0; vez < 2; ++vez) s.juego->MenuAyuda();
    ASSERT_EQ(s.plataforma.abiertos.size(), 2 * k + 2);
    const fs::path archivo = s.plataforma.abiertos.back();
    const fs::path suya = archivo.parent_path();
    EXPECT_EQ(suya.parent_path(), compartida);
    EXPECT_EQ(suya.filename() == propia, k == 0);
    EXPECT_EQ(k == 0, s.plataforma.abiertos[2 * k] == archivo);
    struct stat st {};
    EXPECT_TRUE(lstat(suya.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(archivo)));
    EXPECT_EQ(Contenido(archivo), DocumentoAyuda());
    EXPECT_TRUE(k == 0 || fs::exists(fs::symlink_status(compartida / propia)));
    fs::remove_all(compartida / propia);
  }
  EXPECT_TRUE(s.plataforma.cajas.empty());
  EXPECT_EQ(Contenido(victima), "mio");
  EXPECT_TRUE(fs::is_empty(ajena));
  EXPECT_TRUE(fs::is_symlink(abierta / kArchivoAyuda) && fs::is_symlink(compartida / kArchivoAyuda));
}
#endif

}  // namespace
}  // namespace tumbla
