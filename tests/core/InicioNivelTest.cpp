// Level start: the board, the handicap icons, the objective panel, the clock,
// the game-type label and the first piece of a level of each group.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "Escena.h"

namespace tumbla {
namespace {

const std::string kTableroVacio = [] {
  std::string s;
  for (int f = 0; f < 24; ++f) s += "...........\n";
  return s;
}();

std::vector<Modo> ModosActivos(const Estado& e) {
  std::vector<Modo> m;
  if (e.ModoClasico) m.push_back(Modo::Clasico);
  if (e.ModoPanic) m.push_back(Modo::Panic);
  if (e.ModoSuperpanic) m.push_back(Modo::Superpanic);
  if (e.ModoGoteator) m.push_back(Modo::Goteator);
  if (e.ModoRotator) m.push_back(Modo::Rotator);
  if (e.ModoRotatorPlus) m.push_back(Modo::RotatorPlus);
  if (e.ModoJuntator) m.push_back(Modo::Juntator);
  if (e.ModoPodator) m.push_back(Modo::Podator);
  return m;
}

class InicioNivel : public ::testing::Test {
 protected:
  Escena s;

  void SetUp() override { s.juego->FijarJuegoFichas(0); }

  int PosicionDe(const std::string& clave) {
    const auto& sec = s.juego->niveles().Secuencia();
    const auto it = std::find(sec.begin(), sec.end(), clave);
    EXPECT_NE(it, sec.end()) << clave;
    return static_cast<int>(it - sec.begin()) + 1;
  }
  // Starts position p the way the game does (NivelActual one below). The
  // two piece draws pick the first piece and the one after it.
  void Empezar(int p, int primera = 0, int siguiente = 0) {
    s.plataforma.aleatorios = {primera, siguiente};
    s.e().NivelActual = static_cast<int16_t>(p - 1);
    s.juego->EmpezarNivel();
  }
  std::vector<int> Iconos() const {
    return {s.p().imgObstaculo.begin(), s.p().imgObstaculo.end()};
  }
  // Board cells whose picture shows.
  std::set<int> ConImagen() const {
    std::set<int> r;
    for (int i = 0; i < kCeldas; ++i) {
      if (s.p().imgTablero[static_cast<size_t>(i)] != kSinImagen) r.insert(i);
    }
    return r;
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
  // Whatever the last level left behind, position 1 ("CLASI,01") starts on
  // an empty walled board: no icons, x5 rows, no clock, "001: CLASIC".
  s.TableroVacio(Modo::Podator);
  s.Dibujar(20, {"#####.#####", "12345.1234m", "....w......", ".....b....r"});
  Estado& e = s.e();
  e.Planta = {300, 287};
  e.Pausado = true;
  e.Orden = "pause";
  e.TorpedoPendiente = true;
  e.CargaTorpedo = 7;
  e.TurnosPendientes = 2;
  e.NoCabeForzado = true;
  e.GotaCayendo = true;
  e.NivelTerminado = true;
  e.SegundosLimite = 77;
  e.IntervaloSubida = e.ContadorSubida = 3;
  e.BorrarCada = 4;
  auto& p = s.juego->pantalla();
  p.imgObstaculo = {kIconPanic, kIconBorrarCada, 0, 0, 0};
  p.imgObjetivo = {kGotaAzul, kGotaRosa};
  p.lblTiempo = {"0:42", true};
  p.lblPausa.visible = true;
  p.persianaVisible = true;
  p.filasPersiana = 4;
  p.textoPersiana = "Pulsa <INTRO> para continuar.";
  s.plataforma.ahora = 1234.5;
  const uint32_t gen = s.juego->Generacion();

  Empezar(1, 0, 1);

  EXPECT_EQ(e.NivelActual, 1);
  EXPECT_EQ(ModosActivos(e), std::vector<Modo>{Modo::Clasico});
  EXPECT_EQ(e.TipoNivel, "CLA");
  EXPECT_EQ(s.Filas(0, 23), kTableroVacio);
  EsperarMuros();
  EXPECT_TRUE(e.Planta.empty());
  EXPECT_EQ(Iconos(), (std::vector<int>{0, 0, 0, 0, 0}));
  EXPECT_EQ(e.BorrarCada, 1);
  EXPECT_EQ(e.IntervaloSubida, 0);
  EXPECT_EQ(e.ContadorSubida, 0);
  EXPECT_TRUE(e.ObjetivoLineas);
  EXPECT_EQ(e.LineasRestantes, 5);
  EXPECT_EQ(p.imgObjetivo[0], kIconLineas);
  EXPECT_EQ(p.imgObjetivo[1], kSinImagen);
  EXPECT_EQ(p.lblObjetivo.texto, "x5");
  EXPECT_TRUE(p.lblObjetivo.visible);
  EXPECT_FALSE(p.lblTiempo.visible);
  EXPECT_EQ(p.lblTiempo.texto, "");
  EXPECT_EQ(e.SegundosLimite, 77);  // untimed levels leave it alone
  EXPECT_TRUE(p.lblTipoJuego.visible);
  EXPECT_EQ(p.lblTipoJuego.texto, "001: CLASIC");
  EXPECT_EQ(p.colorTipoJuego, 0xC0E0FFu);
  EXPECT_TRUE(p.marcoVisible);
  EXPECT_FALSE(p.marcoCuadrado);

  // Timers: extra blocks on but never firing, no drop.
  EXPECT_TRUE(e.timBloqueExtra.Enabled);
  EXPECT_EQ(e.timBloqueExtra.Interval, 0);
  EXPECT_FALSE(e.timGota.Enabled);

  // Flow: in play, nothing pending, the shutter up, the clock from now.
  EXPECT_TRUE(e.Jugando);
  EXPECT_FALSE(e.Pausado);
  EXPECT_FALSE(p.lblPausa.visible);
  EXPECT_EQ(e.Orden, "");
  EXPECT_FALSE(e.TorpedoPendiente);
  EXPECT_EQ(e.CargaTorpedo, 0);
  EXPECT_EQ(e.TurnosPendientes, 0);
  EXPECT_FALSE(e.NoCabeForzado);
  EXPECT_FALSE(e.GotaCayendo);
  EXPECT_FALSE(e.NivelTerminado);
  EXPECT_FALSE(e.BajandoPersiana);
  EXPECT_DOUBLE_EQ(e.InicioReloj, 1234.5);
  EXPECT_FALSE(p.persianaVisible);
  EXPECT_EQ(p.textoPersiana, "");
  EXPECT_NE(s.juego->Generacion(), gen);

  // The first piece (entry 19: the long bar lying flat) falls from the spawn
  // cell; the next one (entry 20) waits in the preview.
  EXPECT_TRUE(e.FichaActiva);
  EXPECT_EQ(e.Ficha, 64);
  EXPECT_EQ(e.Posicion, kCeldaEntrada);
  EXPECT_EQ(ConImagen(), (std::set<int>{30, 31, 32, 33}));
  EXPECT_EQ(e.FichaSiguiente, 66);
  EXPECT_EQ(std::count(s.plataforma.sorteos.begin(), s.plataforma.sorteos.end(), Sorteo::Pieza), 2);
  EXPECT_GT(std::count_if(p.imgNext.begin(), p.imgNext.end(), [](int8_t v) { return v != 0; }), 0);
  EXPECT_TRUE(s.plataforma.cajas.empty());
}

TEST_F(InicioNivel, hardPieceSetDrawsFromAllTwentyFiveEntries) {
  // With "Difícil" the draw n picks spawn entry 1 + n.
  s.juego->FijarJuegoFichas(1);
  Empezar(1, 24, 0);
  EXPECT_EQ(s.e().Ficha, Catalogo::EntradaLista(25));
  EXPECT_EQ(s.e().FichaSiguiente, Catalogo::EntradaLista(1));
}

TEST_F(InicioNivel, classic25ShowsThreeHandicapIconsInOrder) {
  // Extra blocks every 10 s, a board rising every 4 rows and rows that
  // vanish two at a time: three icons in slots 0, 1, 2.
  Empezar(PosicionDe("CLASI,25"));
  const Estado& e = s.e();
  EXPECT_EQ(Iconos(), (std::vector<int>{kIconBloquesExtra, kIconSubirNivel, kIconBorrarCada, 0, 0}));
  EXPECT_TRUE(e.timBloqueExtra.Enabled);
  EXPECT_EQ(e.timBloqueExtra.Interval, 10000);
  EXPECT_EQ(e.IntervaloSubida, 4);
  EXPECT_EQ(e.ContadorSubida, 4);
  EXPECT_EQ(e.BorrarCada, 2);
  EXPECT_EQ(e.LineasRestantes, 17);
  EXPECT_EQ(s.p().lblObjetivo.texto, "x17");
  EXPECT_FALSE(s.p().lblTiempo.visible);
}

TEST_F(InicioNivel, panicAndSuperpanicShowTheirOwnIcon) {
  // PANIC 1 is position 13 with one icon; SUPER 1 (position 24) its own.
  Empezar(13);
  EXPECT_EQ(s.juego->niveles().Clave(13), "PANIC,01");
  EXPECT_EQ(ModosActivos(s.e()), std::vector<Modo>{Modo::Panic});
  EXPECT_EQ(Iconos(), (std::vector<int>{kIconPanic, 0, 0, 0, 0}));
  EXPECT_EQ(s.p().lblTipoJuego.texto, "013: CLASIC");
  EXPECT_EQ(s.p().lblObjetivo.texto, "x5");

  Empezar(24);
  EXPECT_EQ(ModosActivos(s.e()), std::vector<Modo>{Modo::Superpanic});
  EXPECT_EQ(Iconos(), (std::vector<int>{kIconSuperPanic, 0, 0, 0, 0}));
  EXPECT_EQ(s.p().colorTipoJuego, 0xC0E0FFu);
}

TEST_F(InicioNivel, podator9PlantsThePotWithItsBlocksAndAClock) {
  // Pot at 310 with the plant's first cell above it (297), five blocks,
  // 2:30 on the clock, no drop timer.
  Empezar(PosicionDe("PODAT,09"));
  const Estado& e = s.e();
  EXPECT_EQ(ModosActivos(e), std::vector<Modo>{Modo::Podator});
  EXPECT_EQ(e.TipoNivel, "POD");
  EXPECT_EQ(s.Filas(14, 23),
            ".........#.\n"
            "...........\n"
            ".......#...\n"
            "...........\n"
            ".....#.....\n"
            "...........\n"
            "...#.......\n"
            "...........\n"
            ".#........w\n"
            "..........m\n");
  EXPECT_EQ(s.Filas(0, 13), kTableroVacio.substr(0, 14 * 12));
  EXPECT_EQ(s.p().imgTablero[310], kMaceta);
  EXPECT_EQ(s.p().imgTablero[297], kFlorBlanca);
  EXPECT_EQ(s.p().imgTablero[192], kMuro);
  EXPECT_EQ(e.CeldaGota, 297);
  EXPECT_EQ(e.Planta, (std::vector<int16_t>{310, 297}));
  EXPECT_EQ(e.DireccionPlanta, 0);
  EXPECT_EQ(s.p().lblTiempo.texto, "2:30");
  EXPECT_TRUE(s.p().lblTiempo.visible);
  EXPECT_EQ(e.SegundosLimite, 150);
  EXPECT_FALSE(e.timGota.Enabled);
  EXPECT_FALSE(e.ObjetivoLineas);
  EXPECT_EQ(s.p().imgObjetivo[0], kMaceta);
  EXPECT_EQ(s.p().imgObjetivo[1], kSinImagen);
  EXPECT_EQ(s.p().lblObjetivo.texto, "x1");
  EXPECT_FALSE(s.p().marcoCuadrado);
  EXPECT_EQ(s.p().colorTipoJuego, 0xFFC0FFu);
  EXPECT_EQ(Iconos(), (std::vector<int>{0, 0, 0, 0, 0}));
}

TEST_F(InicioNivel, juntator1PlacesBothDropsOnTheSquareBoard) {
  // Blue drop at 310, pink at 170, the drop timer on, 1:30, square frame.
  Empezar(27);
  const Estado& e = s.e();
  EXPECT_EQ(s.juego->niveles().Clave(27), "JUNTA,01");
  EXPECT_EQ(ModosActivos(e), std::vector<Modo>{Modo::Juntator});
  EXPECT_EQ(e.tablero[310], kGotaAzul);
  EXPECT_EQ(e.tablero[170], kGotaRosa);
  EXPECT_EQ(s.p().imgTablero[310], kGotaAzul);
  EXPECT_EQ(s.p().imgTablero[170], kGotaRosa);
  EXPECT_EQ(e.CeldaGota, 310);
  EXPECT_TRUE(e.timGota.Enabled);
  EXPECT_EQ(s.p().lblTiempo.texto, "1:30");
  EXPECT_EQ(e.SegundosLimite, 90);
  EXPECT_TRUE(s.p().marcoCuadrado);
  EXPECT_EQ(s.p().imgObjetivo[0], kGotaAzul);
  EXPECT_EQ(s.p().imgObjetivo[1], kGotaRosa);
  EXPECT_EQ(s.p().lblObjetivo.texto, "x1");
  EXPECT_EQ(s.p().lblTipoJuego.texto, "027: JUNTATOR");
  EXPECT_EQ(s.p().colorTipoJuego, 0xFFC0C0u);
}

TEST_F(InicioNivel, goteator1DropsTheBlueDropAmongItsBlocks) {
  // Position 4: drop at 219 resting on a block at 232, another block at
  // 255, 2:30, full frame.
  Empezar(4);
  const Estado& e = s.e();
  EXPECT_EQ(ModosActivos(e), std::vector<Modo>{Modo::Goteator});
  EXPECT_EQ(s.Filas(16, 19),
            "..........b\n"
            "..........#\n"
            "...........\n"
            ".......#...\n");
  EXPECT_EQ(e.CeldaGota, 219);
  EXPECT_TRUE(e.timGota.Enabled);
  EXPECT_EQ(s.p().lblTiempo.texto, "2:30");
  EXPECT_FALSE(s.p().marcoCuadrado);
  EXPECT_EQ(s.p().imgObjetivo[0], kGotaAzul);
  EXPECT_EQ(s.p().lblObjetivo.texto, "x1");
  EXPECT_EQ(s.p().lblTipoJuego.texto, "004: GOTEATOR");
  EXPECT_EQ(s.p().colorTipoJuego, 0xC0FFC0u);
}

TEST_F(InicioNivel, rotatorPlus34CountsItsFiveBlocks) {
  // ROTA+ 34: five blocks on the square board, x5 to remove, 1:30.
  Empezar(PosicionDe("ROTA+,34"));
  const Estado& e = s.e();
  EXPECT_EQ(ModosActivos(e), std::vector<Modo>{Modo::RotatorPlus});
  EXPECT_EQ(e.TipoNivel, "ROT");
  for (int c : {179, 225, 256, 279, 287}) {
    EXPECT_EQ(e.tablero[c], kMuro) << c;
    EXPECT_EQ(s.p().imgTablero[static_cast<size_t>(c)], kMuro) << c;
  }
  EXPECT_FALSE(e.ObjetivoLineas);
  EXPECT_EQ(s.p().imgObjetivo[0], kMuro);
  EXPECT_EQ(s.p().lblObjetivo.texto, "x5");
  EXPECT_EQ(s.p().lblTiempo.texto, "1:30");
  EXPECT_EQ(e.SegundosLimite, 90);
  EXPECT_TRUE(s.p().marcoCuadrado);
  EXPECT_EQ(s.p().colorTipoJuego, 0xFFFFC0u);
  EXPECT_EQ(s.juego->ContarBloques(), 5);
}

TEST_F(InicioNivel, rotator1IsALineLevelOnTheSquareBoard) {
  // Position 8 reads "008: ROTATOR", seven rows to clear, no clock.
  Empezar(8);
  EXPECT_EQ(ModosActivos(s.e()), std::vector<Modo>{Modo::Rotator});
  EXPECT_EQ(s.p().lblTipoJuego.texto, "008: ROTATOR");
  EXPECT_EQ(s.p().lblObjetivo.texto, "x7");
  EXPECT_TRUE(s.e().ObjetivoLineas);
  EXPECT_TRUE(s.p().marcoCuadrado);
  EXPECT_FALSE(s.p().lblTiempo.visible);
}

TEST_F(InicioNivel, blockCountOnlyCountsNeutralBlocksInsideTheWalls) {
  // Walls and floor never count; blocks anywhere in rows 0..23 do; outside
  // ROTATOR Plus the count is 0 and the objective label is left alone.
  Empezar(PosicionDe("ROTA+,34"));
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
  // After position 296 there is no level: the congratulation, no window.
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

TEST_F(InicioNivel, everyPositionStartsWithItsGroupsRules) {
  // All 296 positions in a row: the right single mode, record type, label,
  // colour, objective, clock, frame and drop timer, and a piece in play.
  for (int p = 1; p <= kNumNiveles; ++p) {
    Empezar(p);
    const Estado& e = s.e();
    const Pantalla& pan = s.p();
    const std::string& clave = s.juego->niveles().Clave(p);
    const Grupo* g = BuscarGrupo(GrupoDeClave(clave));
    ASSERT_NE(g, nullptr) << clave;
    SCOPED_TRACE(clave);
    ASSERT_EQ(e.NivelActual, p);
    EXPECT_EQ(ModosActivos(e), std::vector<Modo>{g->modo});
    EXPECT_EQ(e.TipoNivel, g->tipo);
    char prefijo[8];
    std::snprintf(prefijo, sizeof prefijo, "%03d: ", p);
    EXPECT_EQ(pan.lblTipoJuego.texto, std::string(prefijo) + g->nombre);
    EXPECT_EQ(pan.colorTipoJuego, g->color);
    EXPECT_TRUE(pan.lblObjetivo.visible);
    EXPECT_EQ(pan.lblObjetivo.texto.substr(0, 1), "x");

    const bool lineas = g->modo == Modo::Clasico || g->modo == Modo::Panic ||
                        g->modo == Modo::Superpanic || g->modo == Modo::Rotator;
    EXPECT_EQ(e.ObjetivoLineas, lineas);
    if (lineas) {
      EXPECT_EQ(pan.lblObjetivo.texto, "x" + std::to_string(e.LineasRestantes));
    }
    const bool gota = g->modo == Modo::Goteator || g->modo == Modo::Juntator;
    EXPECT_EQ(e.timGota.Enabled, gota);
    if (gota) {
      EXPECT_EQ(e.tablero[e.CeldaGota], kGotaAzul);
    }
    EXPECT_EQ(pan.marcoCuadrado, g->modo == Modo::Rotator || g->modo == Modo::RotatorPlus ||
                                     g->modo == Modo::Juntator);
    const char* reloj = g->modo == Modo::Goteator || g->modo == Modo::Podator ? "2:30"
                        : g->modo == Modo::Juntator || g->modo == Modo::RotatorPlus ? "1:30"
                                                                                     : "";
    EXPECT_EQ(pan.lblTiempo.texto, reloj);
    EXPECT_EQ(pan.lblTiempo.visible, *reloj != '\0');
    EXPECT_EQ(pan.imgObjetivo[1], g->modo == Modo::Juntator ? int8_t{kGotaRosa} : int8_t{kSinImagen});
    EXPECT_TRUE(e.Jugando);
    EXPECT_TRUE(e.FichaActiva);
    EsperarMuros();
  }
  EXPECT_TRUE(s.plataforma.cajas.empty());
}

}  // namespace
}  // namespace tumbla
