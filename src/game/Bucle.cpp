// The play tick: deferred commands, the level clock, gravity, landing, and the
// after-landing pass that clears rows, scores, speeds up and checks the
// objective.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "game/FichaActiva.h"
#include "game/Juego.h"

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

bool EsGota(int v) { return v == kGotaRosa || v == kGotaAzul; }

// Whole seconds in a span of the clock, for any span: beyond 2^53 s (where
// seconds stop being whole numbers) the count stays there, and a span that is
// no number counts as none.
int64_t SegundosTranscurridos(double segundos) {
  constexpr double kLimite = 9007199254740992.0;  // 2^53
  if (std::isnan(segundos)) return 0;
  return static_cast<int64_t>(std::clamp(std::floor(segundos), -kLimite, kLimite));
}

}  // namespace

std::string Juego::TextoReloj(int segundos) {
  if (segundos < 0) segundos = 0;
  const int s = segundos % 60;
  return std::to_string(segundos / 60) + ":" + (s < 10 ? "0" : "") + std::to_string(s);
}

bool Juego::LeerTextoReloj(const std::string& texto, int& segundos) {
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

void Juego::ReanudarReloj() {
  int segundos = 0;
  if (LeerTextoReloj(p_.lblTiempo.texto, segundos)) {
    e_.SegundosLimite = static_cast<int16_t>(segundos);
  }
  e_.InicioReloj = plataforma_.reloj();
}

void Juego::TickJuego() {
  if (!e_.Jugando || e_.EnTurno || e_.EnDialogo) return;
  const uint32_t gen = generacion_;

  if (e_.Orden == "pause") {
    ActivarTemporizador(Temporizador::Juego, false);
    p_.lblPausa.visible = true;
    p_.panelCambiado = true;
    e_.BloqueExtraAntesDePausa = e_.timBloqueExtra.Enabled;
    ActivarTemporizador(Temporizador::BloqueExtra, false);
    e_.Orden.clear();
    e_.DemostracionPedida = false;
    e_.Pausado = true;
    // The pausing tick still makes its gravity step.
  } else if (e_.Orden == "nuevo") {
    e_.Orden.clear();
    e_.EnDialogo = true;
    AbrirSelectorNiveles();
    e_.EnDialogo = false;
    return;
  }

  // Level clock of the timed groups.
  if (ModoConReloj(e_)) {
    const int64_t quedan = e_.SegundosLimite - SegundosTranscurridos(plataforma_.reloj() - e_.InicioReloj);
    p_.lblTiempo.texto = TextoReloj(static_cast<int>(std::clamp<int64_t>(quedan, -1, INT32_MAX)));
    if (quedan < kUmbralParpadeo) {
      // Blinks by the parity of the seconds left: grey on odd, red on even.
      p_.colorMarco = (std::abs(quedan) % 2 == 1) ? kColorGris : kColorRojo;
    }
    p_.panelCambiado = true;
    if (quedan < 1) {
      e_.EnDialogo = true;
      const bool sigue = UsarMinutoExtra();
      e_.EnDialogo = false;
      if (gen != generacion_ || !e_.Jugando) return;
      if (!sigue) {
        FinPartida(2);
        return;
      }
    }
  }

  // With no piece falling (its entry was blocked) the board is full.
  if (!e_.FichaActiva) {
    FinPartida(1);
    return;
  }

  // Gravity step.
  e_.EnTurno = true;
  e_.PosicionAnterior = e_.Posicion;
  e_.Posicion = static_cast<int16_t>(e_.Posicion + kAncho);
  ProbarFicha(e_.Ficha);
  if (e_.Cabe) {
    Redibujar(e_.Ficha, e_.FichaAnterior);
    e_.FichaAnterior = e_.Ficha;
  } else {
    // Landing.
    Sonar(sonido::kAterrizaje);
    const int donde = e_.Posicion - kAncho;
    if (donde == kCeldaEntrada) {
      FinPartida(1);
      e_.EnTurno = false;
      return;
    }
    e_.FichaActiva = false;
    e_.Fijando = true;
    const auto color = static_cast<int16_t>(fichas_.Color(e_.Ficha));
    for (int k = 1; k <= Catalogo::NumCeldas(e_.Ficha); ++k) {
      EscribirCelda(donde + fichas_.Desplazamiento(e_.Ficha, k), color);
    }
    e_.Fijando = false;
    e_.Puntos += kPuntosAterrizaje;

    if (!PasadaTrasAterrizaje(true) || gen != generacion_) {
      // The level ended inside the pass (and maybe another one started from
      // the level window): this tick is over.
      e_.EnTurno = false;
      return;
    }

    // Overflow: in the square-board modes (and around the plant) nothing may
    // stay above row 13 after a landing.
    if (!e_.NivelTerminado && (ModoCuadrado(e_) || e_.ModoPodator)) {
      for (int fila = 12; fila >= 0; --fila) {
        for (int col = 11; col >= 1; --col) {
          if (e_.tablero.Ocupada(fila * kAncho + col)) {
            FinPartida(1);
            return;
          }
        }
      }
    }
  }

  if (!e_.NivelTerminado && e_.TurnosPendientes > 0) {
    const int veces = e_.TurnosPendientes;
    for (int n = 0; n < veces; ++n) SubirTablero();
    e_.TurnosPendientes = 0;
  }
  e_.EnTurno = false;
}

bool Juego::PasadaTrasAterrizaje(bool entrar) {
  const uint32_t gen = generacion_;
  int total = 0;
  bool objetivo = false;
  bool juntadas = false;
  const bool cuadrado = ModoCuadrado(e_);
  // The row each board row was at when the pass began (-1: none), so that
  // the window flashes a cleared row where the player saw it.
  std::array<int, kAlto> origen{};
  for (int f = 0; f < kAlto; ++f) origen[static_cast<size_t>(f)] = f;

  // 1. Clearing cycles, BorrarCada full rows at a time.
  for (;;) {
    e_.FilasLlenas.clear();
    int cuenta = 0;
    int celda9 = 0;
    int celda10 = 0;
    bool conMaceta = false;
    bool completa = false;
    for (int base = kBaseFilaInferior; base >= 0; base -= kAncho) {
      int ocupadas = 0;
      celda9 = celda10 = 0;
      conMaceta = false;
      for (int c = 0; c < kAncho; ++c) {
        const int v = e_.tablero[base + c];
        if (v >= 1) ++ocupadas;
        if (v == kGotaRosa) celda9 = base + c;
        if (v == kGotaAzul) celda10 = base + c;
        if (v == kMaceta) conMaceta = true;
      }
      if (ocupadas == kAncho) {
        e_.FilasLlenas.push_back(static_cast<int16_t>(base));
        if (++cuenta >= e_.BorrarCada) {
          completa = true;
          break;
        }
      }
    }
    if (!completa) break;
    total += cuenta;

    // Both drops side by side in the row that completed the count.
    if (e_.ModoJuntator && celda9 != 0 && celda10 != 0 && std::abs(celda9 - celda10) == 1) {
      p_.lblObjetivo.texto = "x0";
      p_.panelCambiado = true;
      objetivo = true;
      juntadas = true;
      ActivarTemporizador(Temporizador::Gota, false);
    }

    // Row removal.
    int limite = 0;
    bool cortada = false;
    for (size_t n = 0; n < e_.FilasLlenas.size(); ++n) {
      const int fila = e_.FilasLlenas[n] + kAncho * static_cast<int>(n);
      if (fila + 11 > limite) limite = fila + 11;
      for (int col = 1; col <= 11; ++col) {
        const int v = e_.tablero[fila + col];
        if (v == kFlorBlanca || v == kFlorAmarilla) {
          limite = e_.Planta.empty() ? limite : e_.Planta.front() - 1;
          e_.Puntos += 30;
        }
      }
      // In the square-board modes only the removed row and the twelve rows
      // above it move; elsewhere everything above moves down to row 1 and
      // row 0 empties.
      const int filaRemovida = Fila(fila);
      const int ultimaFila = cuadrado ? std::max(1, filaRemovida - 12) : 1;
      if (origen[static_cast<size_t>(filaRemovida)] >= 0) {
        p_.filasBorradas.set(static_cast<size_t>(origen[static_cast<size_t>(filaRemovida)]));
      }
      for (int r = filaRemovida; r >= ultimaFila; --r) origen[static_cast<size_t>(r)] = origen[static_cast<size_t>(r - 1)];
      if (ultimaFila == 1) origen[0] = -1;
      for (int col = 1; col <= 11; ++col) {
        for (int r = filaRemovida; r >= ultimaFila; --r) {
          const int j = r * kAncho + col;
          const int antes = e_.tablero[j];
          if (!juntadas && EsGota(antes)) continue;  // a drop keeps its place
          const int16_t v = e_.tablero[j - kAncho];
          if (EsPlanta(antes)) {
            e_.Puntos += 15;
            cortada = true;
          }
          EscribirCelda(j, v);
          if (EsGota(v)) {
            // A drop is never duplicated.
            EscribirCelda(j - kAncho, kLibre);
            if (v == kGotaAzul) e_.CeldaGota = static_cast<int16_t>(e_.CeldaGota + kAncho);
          }
        }
        if (ultimaFila == 1) {
          const int j = col;
          if (EsPlanta(e_.tablero[j])) {
            e_.Puntos += 15;
            cortada = true;
          }
          EscribirCelda(j, kLibre);
        }
      }

      // Counters that move with every removed row.
      e_.CargaTorpedo = static_cast<int16_t>(std::min(45, e_.CargaTorpedo + 1));
      if (ModoConTorpedo(e_) && e_.CargaTorpedo >= 4) {
        e_.CargaTorpedo = static_cast<int16_t>(e_.CargaTorpedo - 4);
        e_.TorpedoPendiente = true;
      }
      if (e_.IntervaloSubida > 0) {
        e_.ContadorSubida = static_cast<int16_t>(e_.ContadorSubida - 1);
        if (e_.ContadorSubida <= 0) {
          e_.TurnosPendientes = static_cast<int16_t>(e_.TurnosPendientes + 1);
          e_.ContadorSubida = e_.IntervaloSubida;
        }
      }
      e_.LineasRestantes = static_cast<int16_t>(std::max(0, e_.LineasRestantes - 1));
      if (e_.ObjetivoLineas) {
        p_.lblObjetivo.texto = "x" + std::to_string(e_.LineasRestantes);
        p_.panelCambiado = true;
      }
      if (!p_.persianaVisible) Sonar(sonido::kFila);
    }
    if (cortada && limite > 0 && e_.ModoPodator) PodarPlanta(limite);
    RepintarFichaActiva(*this);

    // The pot went with the last full row.
    if (conMaceta) {
      p_.lblObjetivo.texto = "x0";
      p_.panelCambiado = true;
      objetivo = true;
    }

    // Speed-up.
    PonerTemporizador(Temporizador::Juego, e_.timJuego.Enabled,
                      std::max(kIntervaloMinimo, e_.timJuego.Interval - kPasoVelocidad));
  }

  // 2. Square-board columns filled from top to bottom turn solid.
  if (cuadrado) {
    for (int c = kBaseFilaInferior + 1; c <= kBaseFilaInferior + 11; ++c) {
      int ocupadas = 0;
      for (int i = c; i >= c - 130; i -= kAncho) {
        if (e_.tablero.Ocupada(i)) ++ocupadas;
      }
      if (ocupadas == 11) {
        for (int i = c; i >= c - 130; i -= kAncho) {
          const int v = e_.tablero[i];
          if (v >= 1 && v <= kMuro) EscribirCelda(i, kMuro);
        }
      }
    }
    RepintarFichaActiva(*this);
  }

  // 3. Score.
  e_.Puntos += PuntosPorFilas(total);
  MostrarPuntos();

  // 4. Objective.
  if ((e_.ObjetivoLineas && e_.LineasRestantes < 1) ||
      (e_.ModoRotatorPlus && ContarBloques() == 0) || objetivo) {
    NivelCompletado();
    return false;
  }

  // 5. Only a landing brings in a new piece.
  if (!entrar || e_.EnBloqueExtra) return true;

  // 6..8. Mode hooks, then the next piece.
  e_.Posicion = e_.PosicionAnterior = kCeldaEntrada;
  if (e_.ModoPanic) DesplazarColumnas(1);
  else if (e_.ModoSuperpanic) DesplazarColumnas(2);
  if (e_.ModoPodator) {
    // The plant step brings in the next piece itself.
    PasoPlanta();
    return gen == generacion_;
  }
  EntrarFicha();
  return true;
}

}  // namespace tumbla
