// The play tick: deferred commands, the level clock, gravity, landing, and
// the after-landing pass that clears rows, scores, speeds up and checks the
// objective. Where a level group may act, its rule set is asked.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numeric>

#include "game/Partida.h"

namespace tumbla {

namespace {

constexpr int kPasoVelocidad = 3;
constexpr int kIntervaloMinimo = 50;
constexpr int kPuntosAterrizaje = 5;
constexpr int kUmbralParpadeo = 16;

int PuntosPorFilas(int filas) {
  switch (filas) {
    case 1: return 50;
    case 2: return 125;
    case 3: return 200;
    case 4: return 300;
    case 5: return 400;
    default: return 0;
  }
}

// Whole seconds in a span of the clock, for any span: beyond 2^53 s (where
// seconds stop being whole numbers) the count stays there, and a span that is
// no number counts as none.
int64_t SegundosTranscurridos(double segundos) {
  constexpr double kLimite = 9007199254740992.0;  // 2^53
  if (std::isnan(segundos)) return 0;
  return static_cast<int64_t>(std::clamp(std::floor(segundos), -kLimite, kLimite));
}

}  // namespace

std::string Partida::TextoReloj(int64_t segundos) {
  const int64_t t = std::clamp<int64_t>(segundos, 0, INT32_MAX);
  const int64_t s = t % 60;
  return std::to_string(t / 60) + ":" + (s < 10 ? "0" : "") + std::to_string(s);
}

bool Partida::LeerTextoReloj(const std::string& texto, int& segundos) {
  const auto dosPuntos = texto.find(':');
  if (dosPuntos == std::string::npos || dosPuntos == 0 || dosPuntos > 3 ||
      texto.size() != dosPuntos + 3) {
    return false;
  }
  for (size_t k = 0; k < texto.size(); ++k) {
    if (k != dosPuntos && (texto[k] < '0' || texto[k] > '9')) return false;
  }
  const int minutos = std::atoi(texto.substr(0, dosPuntos).c_str());
  const int s = std::atoi(texto.substr(dosPuntos + 1).c_str());
  if (s > 59) return false;
  segundos = minutos * 60 + s;
  return true;
}

void Partida::ReanudarReloj() {
  // The clock goes on from what it shows (at most what the limit holds); a
  // level without one shows nothing.
  int segundos = 0;
  if (e.ConReloj && LeerTextoReloj(TextoReloj(e.SegundosReloj), segundos)) {
    e.SegundosLimite = static_cast<int16_t>(std::min<int>(segundos, INT16_MAX));
  }
  e.InicioReloj = Reloj();
}

void Partida::TickJuego() {
  if (!e.Jugando || e.EnTurno || e.EnDialogo) return;
  const uint32_t gen = generacion_;
  if (!OrdenPendiente() || !RelojDelNivel(gen)) return;
  // With no piece falling (its entry was blocked) the board is full.
  if (!e.FichaActiva) {
    FinPartida(1);
    return;
  }
  e.EnTurno = true;
  if (Cabe(e.FichaEnJuego().Movida(kAncho))) {
    e.Posicion = static_cast<int16_t>(e.Posicion + kAncho);
    MarcarCeldaMasBaja();
  } else if (!Aterrizar(gen)) {
    return;
  }
  if (!e.NivelTerminado) e.reglas->TrasGravedad(*this);
  e.EnTurno = false;
}

bool Partida::OrdenPendiente() {
  if (e.orden == Orden::Pausa) {
    ActivarTemporizador(Temporizador::Juego, false);
    e.BloqueExtraAntesDePausa = e.timBloqueExtra.activo;
    ActivarTemporizador(Temporizador::BloqueExtra, false);
    e.orden = Orden::Ninguna;
    e.DemostracionPedida = false;
    e.Pausado = true;
    return true;  // the pausing tick still makes its gravity step
  }
  if (e.orden == Orden::Nuevo) {
    e.orden = Orden::Ninguna;
    e.EnDialogo = true;
    AbrirSelectorNiveles();
    e.EnDialogo = false;
    return false;
  }
  return true;
}

bool Partida::RelojDelNivel(uint32_t gen) {
  if (e.reglas->SegundosReloj() == 0) return true;
  const int64_t quedan = e.SegundosLimite - SegundosTranscurridos(Reloj() - e.InicioReloj);
  e.SegundosReloj = std::max<int64_t>(quedan, -1);
  // The frame blinks by the parity of the seconds left: red on even.
  if (quedan < kUmbralParpadeo) e.Parpadeo = std::abs(quedan) % 2 != 1;
  if (quedan >= 1) return true;
  e.EnDialogo = true;
  const bool sigue = UsarMinutoExtra();
  e.EnDialogo = false;
  if (gen != generacion_ || !e.Jugando) return false;
  if (!sigue) FinPartida(2);
  return sigue;
}

bool Partida::Aterrizar(uint32_t gen) {
  Sonar(sonido::kAterrizaje);
  if (e.Posicion == kCeldaEntrada) {  // it could not leave the entry
    FinPartida(1);
    e.EnTurno = false;
    return false;
  }
  e.FichaActiva = false;
  const Pieza ficha = e.FichaEnJuego();
  for (int k = 0; k < ficha.NumCeldas(); ++k) e.tablero.Poner(ficha.Celda(k), static_cast<int16_t>(ficha.Color()));
  e.Puntos += kPuntosAterrizaje;
  if (!PasadaTrasAterrizaje(true) || gen != generacion_) {
    // The level ended inside the pass (and maybe another one started from
    // the level window): this tick is over.
    e.EnTurno = false;
    return false;
  }
  if (!e.NivelTerminado && e.reglas->Desborda() && e.tablero.OcupadoSobreCuadrado()) {
    FinPartida(1);
    return false;
  }
  return true;
}

void Partida::TickGota() {
  if (e.reglas != nullptr) e.reglas->TickGota(*this);
}

void Partida::TickBloqueExtra() {
  if (e.EnTurno || !e.Jugando) return;
  e.reglas->TickBloqueExtra(*this);
}

bool Partida::PasadaTrasAterrizaje(bool entrar) {
  const uint32_t gen = generacion_;
  // 1. Clearing cycles, BorrarCada full rows at a time.
  bool objetivo = false;
  const int total = CiclosDeLimpieza(objetivo);
  // 2. Square columns filled top to bottom turn solid.
  if (e.reglas->Cuadrado()) e.tablero.SolidificarColumnas();
  // 3. Score.
  e.Puntos += PuntosPorFilas(total);
  // 4. Objective.
  if ((e.ObjetivoLineas && e.LineasRestantes < 1) || e.reglas->Cumplido(*this) || objetivo) {
    NivelCompletado();
    return false;
  }
  // 5. Only a landing brings in a new piece.
  if (!entrar || e.EnBloqueExtra) return true;
  // 6..8. The group's hooks, then the next piece (unless a hook brought it).
  e.Posicion = kCeldaEntrada;
  if (!e.reglas->AntesDeFicha(*this)) return gen == generacion_;
  EntrarFicha();
  return true;
}

int Partida::CiclosDeLimpieza(bool& objetivo) {
  int total = 0;
  bool juntadas = false;
  // The row each board row was at when the pass began (-1: none), so that
  // the window flashes a cleared row where the player saw it.
  std::array<int, kAlto> origen{};
  std::iota(origen.begin(), origen.end(), 0);
  for (;;) {
    std::array<int, kAlto> filas{};
    int cuenta = 0;
    FilaLlena ultima;
    for (int base = kBaseFilaInferior; base >= 0 && cuenta < e.BorrarCada; base -= kAncho) {
      if (e.tablero.Ocupadas(base) != kAncho) continue;
      filas[static_cast<size_t>(cuenta++)] = base;
      ultima = {base, 0, 0, false};
      for (int c = 0; c < kAncho; ++c) {
        const int v = e.tablero[base + c];
        if (v == kGotaRosa) ultima.celdaRosa = base + c;
        if (v == kGotaAzul) ultima.celdaAzul = base + c;
        if (v == kMaceta) ultima.conMaceta = true;
      }
    }
    if (cuenta < e.BorrarCada) return total;
    total += cuenta;

    if (e.reglas->Juntadas(ultima)) {
      e.ObjetivoAlcanzado = objetivo = juntadas = true;
      ActivarTemporizador(Temporizador::Gota, false);
    }
    int limite = 0;
    bool cortada = false;
    for (int n = 0; n < cuenta; ++n) {
      QuitarFilaLlena(filas[static_cast<size_t>(n)] + kAncho * n, juntadas, limite, cortada, origen);
    }
    e.reglas->TrasQuitar(*this, limite, cortada);
    if (e.reglas->CumplidoAlQuitar(ultima)) e.ObjetivoAlcanzado = objetivo = true;
    PonerTemporizador(Temporizador::Juego, e.timJuego.activo,
                      std::max(kIntervaloMinimo, e.timJuego.intervalo - kPasoVelocidad));
  }
}

void Partida::QuitarFilaLlena(int fila, bool juntadas, int& limite, bool& cortada,
                              std::array<int, kAlto>& origen) {
  // A white or yellow flower in the row takes the whole plant above the pot.
  if (fila + 11 > limite) limite = fila + 11;
  for (int col = 1; col <= 11; ++col) {
    const int v = e.tablero[fila + col];
    if (v == kFlorBlanca || v == kFlorAmarilla) {
      if (!e.Planta.empty()) limite = e.Planta.front() - 1;
      e.Puntos += 30;
    }
  }
  // In the square-board groups only the removed row and the twelve above it
  // move; elsewhere everything above moves down to row 1 and row 0 empties.
  const int removida = Fila(fila);
  const int ultimaFila = e.reglas->Cuadrado() ? std::max(1, removida - 12) : 1;
  if (origen[static_cast<size_t>(removida)] >= 0) {
    e.FilasRecienQuitadas.set(static_cast<size_t>(origen[static_cast<size_t>(removida)]));
  }
  for (int r = removida; r >= ultimaFila; --r) origen[static_cast<size_t>(r)] = origen[static_cast<size_t>(r - 1)];
  if (ultimaFila == 1) origen[0] = -1;
  const Tablero::Quitada q = e.tablero.QuitarFila(fila, ultimaFila, juntadas);
  e.Puntos += 15 * q.plantaPisada;
  if (q.plantaPisada > 0) cortada = true;
  e.CeldaGota = static_cast<int16_t>(e.CeldaGota + kAncho * q.gotaAzulBajada);

  // Counters that move with every removed row.
  e.CargaTorpedo = static_cast<int16_t>(std::min(45, e.CargaTorpedo + 1));
  if (e.reglas->GanaTorpedos() && e.CargaTorpedo >= 4) {
    e.CargaTorpedo = static_cast<int16_t>(e.CargaTorpedo - 4);
    e.TorpedoPendiente = true;
  }
  e.reglas->FilaQuitada(*this);
  e.LineasRestantes = static_cast<int16_t>(std::max(0, e.LineasRestantes - 1));
  if (!e.PersianaVisible) Sonar(sonido::kFila);
}

bool Partida::PuedeGirarTablero() const {
  return e.Jugando && !e.Pausado && e.reglas != nullptr && e.reglas->Cuadrado() &&
         e.CeldaMasBaja <= kCeldaMasBajaGiro && !e.GotaCayendo;
}

void Partida::GirarTablero(bool antihorario) {
  const int gota = e.tablero.GirarCuadrado(antihorario);
  if (gota >= 0) e.CeldaGota = static_cast<int16_t>(gota);
  Sonar(sonido::kGiroTablero);
  // Rows the turn completed go, and columns it filled turn solid.
  PasadaTrasAterrizaje(false);
}

}  // namespace tumbla
