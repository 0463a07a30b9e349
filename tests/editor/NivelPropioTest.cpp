// A level of the player's own: it becomes the game's record and back, its
// print follows what is played, and each fault the game would trip on is
// told beside its field.
#include <gtest/gtest.h>

#include <tuple>

#include "editor/NivelPropio.h"
#include "game/Tablero.h"

namespace tumbla {
namespace {

int Celda(int fila, int columna) { return fila * kAncho + columna; }

TEST(NivelPropio, cadaNivelDelJuegoSeCopiaYVuelveASuRegistro) {
  // The record of a copy holds what the built-in record holds in every field
  // its group uses; written and read again it is the same level, with the
  // same print, and the print changes with a cell but not with the name.
  const CatalogoNiveles niveles;
  for (int p = 1; p <= kNumNiveles; ++p) {
    const NivelPropio n = CopiaDelNivel(p);
    const Grupo& g = *GrupoDe(n);
    SCOPED_TRACE(niveles.Clave(p));
    ASSERT_TRUE(Faltas(n).empty()) << Faltas(n).front().motivo;
    const CamposRegistro propio = niveles.Campos(niveles.Buscar(g.tipo, NumeroDeClave(niveles.Clave(p))));
    const CamposRegistro copia = LeerCampos(RegistroDe(n, NumeroDeClave(niveles.Clave(p))));
    for (const auto& [c, k] : {std::pair{CampoNivel::Lineas, campo::kLineas}, {CampoNivel::Gota, campo::kGota},
                               {CampoNivel::BloquesExtra, campo::kBloquesExtra}, {CampoNivel::Subida, campo::kSubida},
                               {CampoNivel::GotaRosa, campo::kGotaRosa}}) {
      if (UsaCampo(g, c)) EXPECT_EQ(copia[static_cast<size_t>(k)], propio[static_cast<size_t>(k)]);
    }
    EXPECT_EQ(LeerCeldas(copia[campo::kCeldas]).size(), LeerCeldas(propio[campo::kCeldas]).size());
    NivelPropio leido = NivelDeRegistro(g, copia);
    leido.nombre = n.nombre;
    EXPECT_EQ(leido, n);
    NivelPropio otro = n;
    otro.nombre = "otro";
    EXPECT_EQ(Huella(otro), Huella(n));
    otro.bloques.insert(Celda(12, 1));
    EXPECT_NE(Huella(otro), Huella(n));
  }
}

TEST(NivelPropio, lasFaltasSeDicenJuntoASuCampo) {
  // Each change breaks one rule the game's own records keep; the fault is
  // told beside the field it lies in.
  const auto con = [](const char* grupo, auto cambio) {
    NivelPropio n = NivelVacio(*BuscarGrupo(grupo));
    n.bloques = {Celda(23, 1)};
    cambio(n);
    return n;
  };
  const std::tuple<NivelPropio, CampoNivel, const char*> casos[] = {
      {con("CLASI", [](NivelPropio& n) { for (int c = 1; c <= 11; ++c) n.bloques.insert(Celda(20, c)); }),
       CampoNivel::Tablero, "la fila 20 está llena"},
      {con("CLASI", [](NivelPropio& n) { n.bloques.insert(Celda(3, 6)); }), CampoNivel::Tablero, "entran las piezas"},
      {con("CLASI", [](NivelPropio& n) { n.lineas = 0; }), CampoNivel::Lineas, "al menos una línea"},
      {con("CLASI", [](NivelPropio& n) { n.borrarCada = 30; }), CampoNivel::BorrarCada, "demasiado grande"},
      {con("ROTA7", [](NivelPropio& n) { n.bloques.insert(Celda(12, 4)); }), CampoNivel::Tablero,
       "sobre el tablero cuadrado"},
      {con("ROTA+", [](NivelPropio& n) { n.bloques.clear(); }), CampoNivel::Tablero, "no hay bloques"},
      {con("GOTEA", [](NivelPropio& n) { n.gota = Celda(23, 1); }), CampoNivel::Gota, "dentro del montón"},
      {con("GOTEA", [](NivelPropio& n) { n.gota = Celda(23, 5); }), CampoNivel::Gota, "ya está en el suelo"},
      {con("GOTEA", [](NivelPropio& n) { n.gota = 0; }), CampoNivel::Gota, "falta la gota"},
      {con("JUNTA", [](NivelPropio& n) { n.gotaRosa = Celda(8, 5); }), CampoNivel::GotaRosa, "fuera del tablero cuadrado"},
      {con("PODAT", [](NivelPropio& n) { n.maceta = Celda(20, 5); }), CampoNivel::Maceta, "no está en el suelo"},
      {con("PODAT", [](NivelPropio& n) { n.bloques.insert(n.maceta - kAncho); }), CampoNivel::Tablero, "tapa la flor"},
  };
  for (const auto& [nivel, campo, motivo] : casos) {
    const std::vector<FaltaNivel> faltas = Faltas(nivel);
    SCOPED_TRACE(motivo);
    ASSERT_EQ(faltas.size(), 1u);
    EXPECT_EQ(faltas[0].campo, campo);
    EXPECT_NE(faltas[0].motivo.find(motivo), std::string::npos) << faltas[0].motivo;
  }
  for (const char* grupo : {"CLASI", "ROTA7", "GOTEA", "JUNTA", "PODAT"}) {
    EXPECT_TRUE(Faltas(con(grupo, [](NivelPropio&) {})).empty()) << grupo;
  }
}

TEST(NivelPropio, nombresDeUnaLineaYDeLargoAcotadoEnCaracteres) {
  std::string enes;
  for (int k = 0; k < 60; ++k) enes += "ñ";
  EXPECT_EQ(FaltaEnTexto(enes, kLargoNombre, true), "");
  EXPECT_NE(FaltaEnTexto(enes + "a", kLargoNombre, true), "");
  EXPECT_NE(FaltaEnTexto("", kLargoNombre, true), "");
  EXPECT_EQ(FaltaEnTexto("", kLargoDescripcion, false), "");
  // Cut, overlong, surrogate and control characters are no text for a name.
  for (const char* malo : {"dos\nlíneas", "tab\tdentro", "a\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xC2\x85"}) {
    EXPECT_NE(FaltaEnTexto(malo, kLargoNombre, true), "") << malo;
  }
}

}  // namespace
}  // namespace tumbla
