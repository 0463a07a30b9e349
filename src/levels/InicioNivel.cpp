#include "levels/InicioNivel.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "game/Pasos.h"
#include "game/Reglas.h"
#include "modes/Grupos.h"

namespace tumbla {

namespace {

// The record of a position. Every built-in key has one; a missing one is a
// fault in the built-in data and must not go unnoticed.
int RegistroDe(const CatalogoNiveles& niveles, int posicion, const Grupo*& grupo) {
  const std::string& clave = niveles.Clave(posicion);
  grupo = BuscarGrupo(GrupoDeClave(clave));
  const int r = grupo != nullptr ? niveles.Buscar(grupo->tipo, NumeroDeClave(clave)) : -1;
  if (r < 0) {
    std::fprintf(stderr, "tumbla: level %d (%s) has no record\n", posicion, clave.c_str());
    std::abort();
  }
  return r;
}

}  // namespace

Nivel EmpezarMesa(Mesa& m, const CatalogoNiveles& niveles, int posicion, Azar& azar) {
  Nivel n;
  n.posicion = posicion;
  const int r = RegistroDe(niveles, posicion, n.grupo);
  const auto dato = [&](int c) { return niveles.DatoNumero(r, c); };
  m.reglas = &ReglasDe(n.grupo->modo);

  // The handicaps of the record: extra blocks, the rising board, rows that
  // only go together; then the board the group makes of the record's cells.
  m.tablero.Amurallar();
  n.periodoBloques = dato(campo::kBloquesExtra);
  m.subida = {};
  m.subida.intervalo = m.subida.contador = static_cast<int16_t>(std::max(0, dato(campo::kSubida)));
  m.planta.clear();
  n.conGota = m.reglas->Preparar(m, niveles.Celdas(r), dato(campo::kGota), dato(campo::kGotaRosa));
  n.borrarCadaRegistro = dato(campo::kBorrarCada);
  m.borrarCada = static_cast<int16_t>(n.borrarCadaRegistro != 0 ? n.borrarCadaRegistro : 1);
  m.objetivoAlcanzado = false;
  if (m.reglas->ObjetivoLineas()) m.lineasRestantes = static_cast<int16_t>(dato(campo::kLineas));

  // A fresh table: the preview, then the first piece.
  ElegirPieza(m, azar);
  m.ficha.posicion = kCeldaEntrada;
  m.torpedoPendiente = m.soltada = m.gotaCayendo = false;
  m.cargaTorpedo = 0;
  m.hayFicha = false;
  m.fichasEntradas = 0;
  Entrar(m, azar);
  return n;
}

}  // namespace tumbla
