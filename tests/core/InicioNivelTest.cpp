// Level start: the board, the handicap icons, the objective panel, the clock,
// the game-type label and the first piece of a level of each group.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

#include "Comprobaciones.h"
#include "Escena.h"

namespace tumbla {
namespace {

// The mode flags that are on, one letter each: Clasico Panic Superpanic
// Goteator Rotator rotator+ Juntator poDator.
std::string Modos(const Estado& e) {
  std::string m;
  for (auto [activo, letra] : {std::pair{e.ModoClasico, 'C'}, {e.ModoPanic, 'P'}, {e.ModoSuperpanic, 'S'},
                               {e.ModoGoteator, 'G'}, {e.ModoRotator, 'R'}, {e.ModoRotatorPlus, '+'},
                               {e.ModoJuntator, 'J'}, {e.ModoPodator, 'D'}}) {
    if (activo) m += letra;
  }
  return m;
}

class InicioNivel : public ::testing::Test {
 protected:
  Escena s;

  void SetUp() override { s.juego->FijarJuegoFichas(0); }

  int PosicionDe(const std::string& clave) {
    const auto& sec = s.juego->niveles().Secuencia();
    return static_cast<int>(std::find(sec.begin(), sec.end(), clave) - sec.begin()) + 1;
  }
  // Starts position p the way the game does (NivelActual one below). The
  // two piece draws pick the first piece and the one after it.
  void Empezar(int p, int primera = 0, int siguiente = 0) {
    s.plataforma.aleatorios = {primera, siguiente};
    s.e().NivelActual = static_cast<int16_t>(p - 1);
    s.juego->EmpezarNivel();
  }
  void EsperarMuros() {
    for (int i = 0; i < kCeldas; ++i) {
      if (Columna(i) == 0 || Columna(i) == 12 || Fila(i) == 24) {
        EXPECT_EQ(s.e().tablero[i], kMuro) << i;
        EXPECT_EQ(s.p().imgTablero[static_cast<size_t>(i)], kSinImagen) << i;
      }
    }
  }
};

TEST_F(InicioNivel, firstPositionStartsAClassicLevelOnAFreshBoard) {
  // Whatever the last level left behind, position 1 starts on an empty walled
  // board with nothing of the old level left; the clock runs from now.
  s.TableroVacio(Modo::Podator);
  s.Dibujar(20, {"#####.#####", "12345.1234m", "....w......", ".....b....r"});
  Estado& e = s.e();
  e.Planta = {300, 287};
  e.Pausado = e.TorpedoPendiente = e.NoCabeForzado = e.GotaCayendo = e.NivelTerminado = true;
  e.Orden = "pause";
  e.CargaTorpedo = 7;
  e.TurnosPendientes = 2;
  e.SegundosLimite = 77;
  e.IntervaloSubida = e.ContadorSubida = 3;
  e.BorrarCada = 4;
  auto& p = s.juego->pantalla();
  p.imgObstaculo = {kIconPanic, kIconBorrarCada, 0, 0, 0};
  p.imgObjetivo = {kGotaAzul, kGotaRosa};
  p.lblTiempo = {"0:42", true};
  p.lblPausa.visible = p.persianaVisible = true;
  p.textoPersiana = "Pulsa <INTRO> para continuar.";
  s.plataforma.ahora = 1234.5;
  const uint32_t gen = s.juego->Generacion();

  Empezar(1, 0, 1);

  std::string vacio;
  for (int f = 0; f < 24; ++f) vacio += "...........\n";
  EXPECT_EQ(s.Filas(0, 23), vacio);
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");
  EXPECT_TRUE(e.Planta.empty());
  EXPECT_EQ(p.imgObstaculo, (std::array<int8_t, 5>{0, 0, 0, 0, 0}));
  EXPECT_EQ(std::make_tuple(e.BorrarCada, e.IntervaloSubida, e.ContadorSubida), std::make_tuple(1, 0, 0));
  EXPECT_EQ(std::make_tuple(p.imgObjetivo[0], p.lblObjetivo.texto, p.lblTiempo.texto, p.lblTiempo.visible),
            std::make_tuple(int8_t{kIconLineas}, std::string("x5"), std::string(), false));
  EXPECT_EQ(e.SegundosLimite, 77);  // untimed levels leave it alone
  EXPECT_TRUE(e.timBloqueExtra.Enabled);  // on, but never firing
  EXPECT_EQ(std::make_tuple(e.Pausado, e.TorpedoPendiente, e.NoCabeForzado, e.GotaCayendo,
                            e.NivelTerminado, e.BajandoPersiana, p.lblPausa.visible, p.persianaVisible),
            std::make_tuple(false, false, false, false, false, false, false, false));
  EXPECT_EQ(std::make_tuple(e.Orden, e.CargaTorpedo, e.TurnosPendientes, p.textoPersiana),
            std::make_tuple(std::string(), int16_t{0}, int16_t{0}, std::string()));
  EXPECT_DOUBLE_EQ(e.InicioReloj, 1234.5);
  EXPECT_NE(s.juego->Generacion(), gen);
  // The first piece (entry 19: the flat long bar) at the spawn cell, entry 20 next.
  EXPECT_EQ(std::make_tuple(e.Ficha, e.Posicion, e.FichaSiguiente), std::make_tuple(int16_t{64}, int16_t{kCeldaEntrada}, int16_t{66}));
  EXPECT_EQ(Veces(s.plataforma.sorteos, Sorteo::Pieza), 2);
  EXPECT_TRUE(std::any_of(p.imgNext.begin(), p.imgNext.end(), [](int8_t v) { return v != 0; }));
  EXPECT_TRUE(s.plataforma.cajas.empty());
}

TEST_F(InicioNivel, aLevelOfEachGroupShowsItsRulesPanelTimersAndClock) {
  // The single mode on, the label and its colour, handicap icons in slot
  // order, the objective pictures and count, the clock (and its limit), the
  // square frame, the drop timer and the extra-block period of the record.
  struct Caso {
    const char* clave;
    const char* modos;
    const char* etiqueta;
    uint32_t color;
    std::array<int8_t, 5> iconos;
    std::array<int8_t, 2> objetivo;
    const char* cuenta;
    const char* reloj;
    int limite;
    bool cuadrado, gota;
    int bloqueExtra;
  };
  const int8_t L = kIconLineas, N = kSinImagen;
  const Caso casos[] = {
      {"CLASI,25", "C", "CLASIC", 0xC0E0FF, {kIconBloquesExtra, kIconSubirNivel, kIconBorrarCada}, {L, N}, "x17", "", -1, false, false, 10000},
      {"PANIC,01", "P", "013: CLASIC", 0xC0E0FF, {kIconPanic}, {L, N}, "x5", "", -1, false, false, 0},
      {"SUPER,01", "S", "024: CLASIC", 0xC0E0FF, {kIconSuperPanic}, {L, N}, "x5", "", -1, false, false, 0},
      {"GOTEA,01", "G", "004: GOTEATOR", 0xC0FFC0, {}, {kGotaAzul, N}, "x1", "2:30", 150, false, true, 0},
      {"ROTA7,01", "R", "008: ROTATOR", 0xFFFFC0, {}, {L, N}, "x7", "", -1, true, false, 0},
      {"ROTA+,34", "+", "ROTATOR", 0xFFFFC0, {}, {kMuro, N}, "x5", "1:30", 90, true, false, 0},
      {"JUNTA,01", "J", "027: JUNTATOR", 0xFFC0C0, {}, {kGotaAzul, kGotaRosa}, "x1", "1:30", 90, true, true, 0},
      {"PODAT,09", "D", "PODATOR", 0xFFC0FF, {}, {kMaceta, N}, "x1", "2:30", 150, false, false, 0},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.clave);
    s.e().SegundosLimite = -1;
    Empezar(PosicionDe(c.clave));
    const Pantalla& p = s.p();
    EXPECT_EQ(Modos(s.e()), c.modos);
    EXPECT_NE(p.lblTipoJuego.texto.find(c.etiqueta), std::string::npos) << p.lblTipoJuego.texto;
    EXPECT_EQ(p.colorTipoJuego, c.color);
    EXPECT_EQ(p.imgObstaculo, c.iconos);
    EXPECT_EQ(p.imgObjetivo, c.objetivo);
    EXPECT_EQ(p.lblObjetivo.texto, c.cuenta);
    EXPECT_EQ(std::make_pair(p.lblTiempo.texto, p.lblTiempo.visible), std::make_pair(std::string(c.reloj), *c.reloj != 0));
    EXPECT_EQ(s.e().SegundosLimite, c.limite);
    EXPECT_EQ(p.marcoCuadrado, c.cuadrado);
    EXPECT_EQ(s.e().timGota.Enabled, c.gota);
    EXPECT_EQ(s.e().timBloqueExtra.Interval, c.bloqueExtra);
    EXPECT_TRUE(s.e().Jugando && s.e().FichaActiva);
    EsperarMuros();
  }
}

TEST_F(InicioNivel, designedLevelsLayTheirBoards) {
  // CLASI 25 rises every 4 rows and clears two at a time.
  Empezar(PosicionDe("CLASI,25"));
  EXPECT_EQ(std::make_tuple(s.e().IntervaloSubida, s.e().ContadorSubida, s.e().BorrarCada), std::make_tuple(4, 4, 2));
  // PODAT 9: pot at 310 with the plant's first cell above it (297), five blocks.
  Empezar(PosicionDe("PODAT,09"));
  EXPECT_EQ(s.Filas(14, 23), Lineas({".........#.", "...........", ".......#...", "...........", ".....#.....",
                                     "...........", "...#.......", "...........", ".#........w", "..........m"}));
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");
  EXPECT_EQ(s.e().Planta, (std::vector<int16_t>{310, 297}));
  EXPECT_EQ(std::make_pair(s.e().CeldaGota, s.e().DireccionPlanta), std::make_pair(int16_t{297}, int16_t{0}));

  // JUNTA 1: blue drop at 310, pink at 170.
  Empezar(27);
  EXPECT_EQ(std::make_tuple(s.e().tablero[310], s.e().tablero[170], s.e().CeldaGota),
            std::make_tuple(int16_t{kGotaAzul}, int16_t{kGotaRosa}, int16_t{310}));
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");

  // ROTA+ 34: five blocks to remove. Only neutral blocks inside the walls
  // count, anywhere in rows 0..23; outside ROTATOR Plus nothing counts.
  Empezar(PosicionDe("ROTA+,34"));
  for (int c : {179, 225, 256, 279, 287}) EXPECT_EQ(s.e().tablero[c], kMuro) << c;
  EXPECT_EQ(ImagenesErroneas(*s.juego), "");
  EXPECT_EQ(s.juego->ContarBloques(), 5);
  s.Dibujar(3, {"#.........#"});
  s.Dibujar(23, {"#.1........"});
  EXPECT_EQ(s.juego->ContarBloques(), 8);
  EXPECT_EQ(s.p().lblObjetivo.texto, "x8");
  Empezar(1);
  s.Dibujar(23, {"###########"});
  EXPECT_EQ(s.juego->ContarBloques(), 0);
  EXPECT_EQ(s.p().lblObjetivo.texto, "x5");
}

TEST_F(InicioNivel, startingPastTheLastPositionEndsTheGame) {
  // After position 296 there is no level: the congratulation, no window, no draw.
  s.e().NivelActual = 296;
  s.juego->EmpezarNivel();
  EXPECT_EQ(s.e().NivelActual, 297);
  EXPECT_FALSE(s.e().Jugando);
  ASSERT_EQ(s.plataforma.cajas.size(), 1u);
  EXPECT_EQ(s.plataforma.cajas[0].texto, "FELICIDADES!\r\rHas conseguido acabar el juego!");
  EXPECT_EQ(s.plataforma.cajas[0].icono, Icono::Informacion);
  EXPECT_EQ(s.plataforma.selectoresMostrados, 0);
  EXPECT_TRUE(s.plataforma.sorteos.empty());
}

}  // namespace
}  // namespace tumbla
