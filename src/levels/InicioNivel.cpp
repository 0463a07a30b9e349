// Level start: the next position of the sequence is set up (its group's
// rules, the board, the handicaps, the objective, the clock) and its first
// piece enters.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "game/Partida.h"

namespace tumbla {

void Partida::EmpezarNivel() {
  // Past the last position the whole game is done.
  e.NivelActual = static_cast<int16_t>(e.NivelActual + 1);
  if (e.NivelActual > kNumNiveles) {
    FinPartida(0);
    return;
  }
  NuevaGeneracion();
  PrepararNivel(RegistroDelNivel());
  ElegirPieza();
  EmpezarJuego();
  EntrarFicha();
}

int Partida::RegistroDelNivel() {
  // The key of this position, its group's rules and its record. Every
  // built-in key has one; a missing one is a fault in the built-in data and
  // must not go unnoticed.
  const std::string& clave = niveles_.Clave(e.NivelActual);
  if (const Grupo* grupo = BuscarGrupo(GrupoDeClave(clave))) {
    e.reglas = &ReglasDe(grupo->modo);
    e.TipoNivel = grupo->tipo;
  }
  const int r = niveles_.Buscar(e.TipoNivel, NumeroDeClave(clave));
  if (r < 0 || e.reglas == nullptr) {
    std::fprintf(stderr, "tumbla: level %d (%s) has no record of type %s\n", e.NivelActual, clave.c_str(),
                 e.TipoNivel.c_str());
    std::abort();
  }
  return r;
}

void Partida::PrepararNivel(int r) {
  const auto dato = [&](int c) { return niveles_.DatoNumero(r, c); };
  // The handicaps of the record: extra blocks (a period of 0 never fires),
  // the rising board, rows that only go together; then the board the
  // group makes of the record's cells.
  e.tablero.Amurallar();
  e.PeriodoBloques = dato(campo::kBloquesExtra);
  PonerTemporizador(Temporizador::BloqueExtra, true, e.PeriodoBloques * 1000);
  e.IntervaloSubida = e.ContadorSubida = static_cast<int16_t>(std::max(0, dato(campo::kSubida)));
  e.Planta.clear();
  e.reglas->Preparar(*this, niveles_.Celdas(r), dato(campo::kGota), dato(campo::kGotaRosa));
  e.BorrarCadaRegistro = static_cast<int16_t>(dato(campo::kBorrarCada));
  e.BorrarCada = e.BorrarCadaRegistro != 0 ? e.BorrarCadaRegistro : int16_t{1};

  // The objective and the clock.
  e.ObjetivoLineas = e.reglas->ObjetivoLineas();
  e.ObjetivoAlcanzado = false;
  if (e.ObjetivoLineas) e.LineasRestantes = static_cast<int16_t>(dato(campo::kLineas));
  e.ConReloj = e.RelojVisible = e.reglas->SegundosReloj() > 0;
  if (e.ConReloj) e.SegundosLimite = e.SegundosReloj = static_cast<int16_t>(e.reglas->SegundosReloj());
}

void Partida::EmpezarJuego() {
  // A fresh level in play: no pause, no pending command, the shutter up.
  e.Posicion = kCeldaEntrada;
  e.Jugando = true;
  e.Pausado = false;
  e.InicioReloj = Reloj();
  e.TorpedoPendiente = e.NoCabeForzado = e.GotaCayendo = false;
  e.CargaTorpedo = 0;
  e.orden = Orden::Ninguna;
  e.TurnosPendientes = 0;
  e.FichaActiva = e.FichaTrasFin = false;
  e.FichasEntradas = 0;
  e.NivelTerminado = e.BajandoPersiana = false;
  e.PersianaVisible = e.PersianaEspera = false;
  e.FilasPersiana = 0;
  e.PantallaLimpia = false;
  e.NivelEnPantalla = e.NivelActual;
  e.PuntosAlEmpezar = e.Puntos;
  e.RecordNivel = RecordGuardado(e.NivelActual);
}

}  // namespace tumbla
