// What the panel and the board add for the player: the screen before a level,
// the score and record of a level, the landing shadow and the cleared rows
// the window flashes.
#include <gtest/gtest.h>

#include <tuple>

#include "Archivos.h"
#include "Escena.h"

namespace tumbla {
namespace {

TEST(Puntuacion, antesDeUnNivelElRelojMarcaCeroYLaPistaSaleHastaEmpezarYTrasPerder) {
  // The clock reads "0:00" and the hint shows on the framed board; a level
  // hides the hint and shows its score; a lost game clears them again.
  Escena s;
  s.juego->Inicializar();
  EXPECT_EQ(std::tie(s.p().lblTiempo.texto, s.p().lblTiempo.visible), std::tuple("0:00", true));
  EXPECT_TRUE(s.p().lblInicio.visible && s.p().marcoVisible && !s.p().lblPuntos.visible);
  s.juego->JugarNivel(2);
  EXPECT_FALSE(s.p().lblInicio.visible);
  EXPECT_EQ(std::tie(s.p().lblPuntos.texto, s.p().lblRecord.texto), std::tuple("0", "0"));
  s.juego->FinPartida(1);
  EXPECT_TRUE(s.p().lblInicio.visible && !s.p().lblPuntos.visible && !s.p().lblRecord.visible);
}

TEST(Puntuacion, unNivelCompletadoGuardaSuRecordSoloSiLoSuperaYEnSuPropiaSeccion) {
  // The level's own points (not those of the levels before it) count; a
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

TEST(Puntuacion, laSombraMarcaDondeCaeraLaPiezaYSoloSeGuardaAlCambiarla) {
  // Off until switched on; then it covers the cells where the piece comes to
  // rest, follows the board under it, and only the switch writes ITZALA.
  Escena s;
  s.juego->Inicializar();
  const std::string antes = Contenido(s.carpeta / "tumbla.ini");
  s.TableroVacio();
  s.Entrar(Catalogo::EntradaLista(19));
  EXPECT_TRUE(s.p().sombra.none());
  s.juego->MenuSombra();
  EXPECT_EQ(Contenido(s.carpeta / "tumbla.ini"), antes + "ITZALA=S\r\n");
  size_t i = 0;
  while (!s.p().sombra.test(i)) ++i;
  s.juego->EscribirCelda(static_cast<int>(i), kMuro);  // a block where it would land
  const std::bitset<kCeldas> sombra = s.p().sombra;
  EXPECT_EQ(sombra.count(), 4u);
  EXPECT_TRUE((s.p().celdasCambiadas & sombra) == sombra && !sombra.test(i) && !sombra.test(i + kAncho));
  s.juego->BajarDeGolpe();
  std::bitset<kCeldas> ficha;
  for (int k = 1; k <= Catalogo::NumCeldas(s.e().Ficha); ++k)
    ficha.set(static_cast<size_t>(s.e().Posicion + s.juego->catalogo().Desplazamiento(s.e().Ficha, k)));
  EXPECT_EQ(ficha, sombra);
  s.juego->MenuSombra();
  EXPECT_TRUE(s.p().sombra.none());
  EXPECT_EQ(Contenido(s.carpeta / "tumbla.ini"), antes + "ITZALA=N\r\n");
}

TEST(Puntuacion, lasFilasBorradasQuedanMarcadasDondeEstabanYLosPuntosAlDia) {
  // Two full rows with one between them, cleared one after the other: both
  // are marked at the rows they had, the one between is not, and the score
  // label shows the 125 points at once.
  Escena s;
  s.juego->Inicializar();
  s.TableroVacio();
  s.Dibujar(21, {"###########", "#####.#####", "###########"});
  s.juego->PasadaTrasAterrizaje(false);
  EXPECT_EQ(s.p().filasBorradas.to_ulong(), (1ul << 21) | (1ul << 23));
  EXPECT_EQ(s.p().lblPuntos.texto, "125");
}

}  // namespace
}  // namespace tumbla
