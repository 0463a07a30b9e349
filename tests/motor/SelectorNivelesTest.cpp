// The level window's model at its edges: a fresh start, everything done, the
// blank slots past the last level.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

#include "Archivos.h"
#include "Escena.h"
#include "almacen/Ini.h"
#include "motor/CodigosTecla.h"
#include "motor/SelectorNiveles.h"
#include "motor/Teclado.h"

namespace tumbla {
namespace {

// Starts the game with that progress stored and opens the level window, in
// which `dentro` plays the player's part and gives the window's answer.
void Abrir(Escena& s, const std::string& progreso, const std::function<Eleccion(SelectorNiveles&)>& dentro) {
  if (!progreso.empty()) {
    Guardar(s.carpeta / "tumbla.ini", "[OROKORRA]\r\nAZKENA=2026/12/06\r\nAMAITUTAKOA=" + progreso + "\r\n");
  }
  s.juego->Inicializar();
  s.Atender();
  s.plataforma.alMostrarSelector = dentro;
  s.Orden(Comando::Nuevo);
}

TEST(Selector, alEmpezarOfreceElNivelUnoYElRestoEnGris) {
  // Nothing done (also a stored "-5"): level 1 selected and open, 2..50
  // grey; left without a choice, progress 0 is stored.
  for (const char* progreso : {"", "-5"}) {
    Escena s{Escena::SinArrancar{}};
    Abrir(s, progreso, [](SelectorNiveles& v) {
      EXPECT_EQ(v.Titulo(), "Selecciona un nivel");
      EXPECT_EQ(v.Seleccionado(), 0);
      EXPECT_EQ(v.Boton(0).color, 0xC0E0FFu);
      for (int i = 1; i < 50; ++i) EXPECT_EQ(v.Boton(i).color, kColorGris) << i;
      EXPECT_EQ(v.lblDatos(), "Nivel: 1 - CLASIC. ");
      return v.Continuar();
    });
    EXPECT_FALSE(s.juego->selector().Abierto());
    EXPECT_EQ(ArchivoIni((s.carpeta / "tumbla.ini").string()).Leer("OROKORRA", "AMAITUTAKOA"),
              progreso[0] ? "-5" : "0");
  }
}

TEST(Selector, conTodoHechoElCursorNoSaleDeLosNivelesYInicioYFinLlevanALosExtremos) {
  // "400" counts as all 296 done: scroll 25, four blank slots; Right stays
  // on 296, and Down from 287 stops there too; Home goes to level 1 and End
  // back to 296; a page is fifty levels, and stops at either end.
  Escena s{Escena::SinArrancar{}};
  Abrir(s, "400", [](SelectorNiveles& v) {
    const auto nivel = [&] { return v.Boton(v.Seleccionado()).texto; };
    // A key as the level window hands it on, through the input table.
    const auto pulsar = [&](int codigo) { return v.Ordenar(Teclado().Resolver(codigo, false, Contexto::Selector)); };
    EXPECT_EQ(v.ValorDesplazamiento(), 25);
    EXPECT_EQ(nivel(), "296");
    for (int i = 46; i < 50; ++i) EXPECT_FALSE(v.Boton(i).visible);
    pulsar(tecla::kDerecha);
    EXPECT_EQ(nivel(), "296");
    for (int n = 0; n < 9; ++n) pulsar(tecla::kIzquierda);
    EXPECT_EQ(nivel(), "287");
    pulsar(tecla::kAbajo);
    EXPECT_EQ(std::pair(nivel(), v.lblDatos()), std::pair(std::string("296"), std::string("Nivel: 296 - JUNTATOR ")));
    pulsar(tecla::kInicio);
    EXPECT_EQ(std::pair(nivel(), v.ValorDesplazamiento()), std::pair(std::string("1"), 0));
    pulsar(tecla::kFin);
    EXPECT_EQ(nivel(), "296");
    for (const auto& [codigo, esperado, desplazamiento] :
         {std::tuple(tecla::kRePag, "246", 20), {tecla::kRePag, "196", 15}, {tecla::kAvPag, "246", 20},
          {tecla::kAvPag, "296", 25}, {tecla::kAvPag, "296", 25}}) {
      pulsar(codigo);
      EXPECT_EQ(std::pair(nivel(), v.ValorDesplazamiento()), std::pair(std::string(esperado), desplazamiento));
    }
    for (int n = 0; n < 4; ++n) pulsar(tecla::kIzquierda);  // 292, then the first page
    for (int n = 0; n < 6; ++n) pulsar(tecla::kRePag);
    EXPECT_EQ(std::pair(nivel(), v.ValorDesplazamiento()), std::pair(std::string("1"), 0));
    return pulsar(tecla::kEscape);
  });
  EXPECT_FALSE(s.v().Jugando());
}

}  // namespace
}  // namespace tumbla
