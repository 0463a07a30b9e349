// The score and the record of a level.
#include <gtest/gtest.h>

#include <tuple>

#include "Archivos.h"
#include "Escena.h"

namespace tumbla {
namespace {

TEST(Puntuacion, unNivelCompletadoGuardaSuRecordSoloSiLoSuperaYEnSuPropiaSeccion) {
  // Only the level's own points count, not those of the levels before it; a
  // lower score leaves the stored best, a higher one replaces it; the game's
  // section keeps its keys.
  Escena s;
  const auto ruta = s.carpeta / "tumbla.ini";
  Guardar(ruta, "[OROKORRA]\r\nAZKENA=2026/12/06\r\nAMAITUTAKOA=5\r\n[ERREKORRAK]\r\n3=900\r\n");
  s.juego->Inicializar();
  s.juego->JugarNivel(3);
  for (int posicion : {3, 4}) {
    EXPECT_EQ(s.p().lblRecord.texto, posicion == 3 ? "900" : "0");
    s.e().Puntos += posicion == 3 ? 200 : 900;
    s.TableroVacio();
    s.Dibujar(0, {"#.........."});  // no shutter row: completing adds just 100
    s.juego->NivelCompletado();
    EXPECT_EQ(std::tie(s.p().lblPuntos.texto, s.p().lblRecord.texto),
              posicion == 3 ? std::tuple("300", "900") : std::tuple("1000", "1000"));
    s.juego->ClicPersiana();  // ENTER: the next position, with the points made so far
  }
  EXPECT_EQ(Contenido(ruta), "[OROKORRA]\r\nAZKENA=2026/12/06\r\nAMAITUTAKOA=5\r\nLAGUNTZA=2\r\nSOINUA=S\r\n"
                             "ZAILTASUNA=N\r\n[ERREKORRAK]\r\n3=900\r\n4=1000\r\n");
}

}  // namespace
}  // namespace tumbla
