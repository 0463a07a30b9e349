// The help document and the group introductions.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

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
  Escena s;
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
  Escena s;
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

}  // namespace
}  // namespace tumbla
