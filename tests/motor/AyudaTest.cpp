// The help document: what it holds, where it goes, and the boxes when it cannot be written or opened.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "Archivos.h"
#include "Escena.h"
#include "motor/Ayuda.h"

namespace fs = std::filesystem;

namespace tumbla {
namespace {

TEST(Ayuda, cadaPeticionReescribeElDocumentoEsperadoJuntoALosAjustes) {
  // Instrucciones.htm beside the settings is rewritten byte for byte as the expected document; a folder that is
  // missing or a file is passed over, and with none left nothing is written. Its last sections tell the keys the
  // player has now.
  Escena s{Escena::SinArrancar{}};
  const TeclasAyuda teclas = s.juego->teclado().ParaAyuda();
  const fs::path archivo = s.carpeta / kArchivoAyuda;
  // The document as it must be, built apart from the game's code from its help texts and the page layout.
  const std::string esperado = Contenido(fs::path(TUMBLA_SOURCE_DIR) / "tests/motor/Instrucciones.htm");
  Guardar(s.carpeta / "archivo", "x");
  const std::string otras[] = {(s.carpeta / "no-existe").string(), (s.carpeta / "archivo").string()};
  for (int vez = 0; vez < 2; ++vez) {
    Guardar(archivo, "viejo");
    std::string ruta;
    ASSERT_TRUE(EscribirAyuda({otras[0], otras[1], CarpetasAyuda(s.juego->ini().ruta()).front()}, teclas, ruta));
    EXPECT_TRUE(fs::path(ruta).is_absolute());
    EXPECT_TRUE(fs::equivalent(ruta, archivo));
    EXPECT_EQ(Contenido(archivo), esperado);
  }
  std::string ruta;
  EXPECT_FALSE(EscribirAyuda({otras[0], otras[1]}, teclas, ruta));
  s.juego->Inicializar();
  s.Atender();
  Comando ocupada;
  ASSERT_TRUE(s.juego->AsignarTecla(Comando::Izquierda, 'J', ocupada));
  s.juego->PonerRepeticion({90, 12, 40});
  s.Orden(Comando::Ayuda);
  const std::string propio = Contenido(archivo);
  for (const char* texto : {"• Mover a la izquierda: J, O.", "• Girar al otro lado: (ninguna).", "a los 90 ms y después 12",
                            "la baja 40 filas por segundo"})
    EXPECT_NE(propio.find(texto), std::string::npos) << texto;
}

#ifndef _WIN32
TEST(Ayuda, sinCarpetaPropiaVaAUnaCarpetaPrivadaQueNadieMasPuedeTocar) {
  // Past a missing settings folder and one open to all, the document goes to a private folder in the shared one.
  Escena s{Escena::SinArrancar{}};
  const fs::path abierta = s.carpeta / "abierta", compartida = s.carpeta / "tmp", ajena = s.carpeta / "ajena";
  const fs::path victima = s.carpeta / "victima", fija = compartida / ("tumbla-" + std::to_string(geteuid()));
  for (const auto& [carpeta, bits] : {std::pair{abierta, 0777}, {compartida, 01777}, {ajena, 0777}}) {
    fs::create_directory(carpeta);
    ASSERT_EQ(chmod(carpeta.c_str(), static_cast<mode_t>(bits)), 0);
  }
  Guardar(victima, "mío");
  for (const fs::path& carpeta : {abierta, compartida}) fs::create_symlink(victima, carpeta / kArchivoAyuda);
  std::vector<std::string> abiertos;
  const auto escribir = [&] {
    std::string ruta;
    ASSERT_TRUE(EscribirAyuda({(s.carpeta / "no-existe").string(), abierta.string(), compartida.string()}, {}, ruta));
    abiertos.push_back(ruta);
  };
  // At the private folder's name: nothing, another user's link to their folder, pipe, folder (made only as root).
  const std::function<bool()> plantar[] = {
      [] { return true; }, [&] { return fs::create_directory_symlink(ajena, fija), true; },
      [&] { return mkfifo(fija.c_str(), 0666) == 0; },
      [&] { return fs::create_directory(fija) && chown(fija.c_str(), 65534, 65534) == 0; }};
  for (size_t k = 0; k < (geteuid() == 0 ? 4u : 3u); ++k) {
    SCOPED_TRACE(k);
    ASSERT_TRUE(plantar[k]());
    for (int vez = 0; vez < 2; ++vez) escribir();
    ASSERT_EQ(abiertos.size(), 2 * k + 2);
    const fs::path archivo = abiertos.back(), suya = archivo.parent_path();
    // The same folder each time, unless its name was taken; then a fresh one beside it.
    EXPECT_EQ(suya.parent_path(), compartida);
    EXPECT_EQ(suya == fija, k == 0);
    EXPECT_EQ(abiertos[2 * k] == archivo.string(), k == 0);
    struct stat st {};
    ASSERT_EQ(lstat(suya.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(archivo)));
    EXPECT_EQ(Contenido(archivo), DocumentoAyuda({}));
    EXPECT_TRUE(fs::exists(fs::symlink_status(fija)));
    fs::remove_all(fija);
  }
  EXPECT_EQ(Contenido(victima), "mío");
  EXPECT_TRUE(fs::is_empty(ajena));
  EXPECT_TRUE(fs::is_symlink(abierta / kArchivoAyuda) && fs::is_symlink(compartida / kArchivoAyuda));
}
#endif

}  // namespace
}  // namespace tumbla
