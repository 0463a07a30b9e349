#include "Invariantes.h"

#include <sstream>

#include "Comprobaciones.h"
#include "game/Juego.h"

namespace tumbla {

namespace {

constexpr int kValorMaximo = kTorpedo;  // 21
constexpr int kIntervaloMinimo = 50;
constexpr int kIntervaloMaximo = 300;
constexpr int kCargaMaxima = 45;

bool EsMarco(int i) { return Columna(i) == 0 || Columna(i) == kAncho - 1 || Fila(i) == kAlto - 1; }

}  // namespace

std::string Invariantes::Comprobar(const Juego& juego, bool nivelElegido) {
  const Estado& e = juego.estado();
  const Pantalla& p = juego.pantalla();
  const Catalogo& cat = juego.catalogo();
  std::ostringstream mal;

  // ---- Frame and cell values -------------------------------------------------
  if (!marcoPuesto_ && e.tablero[0] == kMuro) marcoPuesto_ = true;
  int azules = 0;
  int rosas = 0;
  int macetas = 0;
  int azul = -1;
  for (int i = 0; i < kCeldas; ++i) {
    const int v = e.tablero[i];
    if (v < 0 || v > kValorMaximo) mal << "cell " << i << " holds " << v << "\n";
    if (EsMarco(i)) {
      const int esperado = marcoPuesto_ ? kMuro : kLibre;
      if (v != esperado) mal << "frame cell " << i << " holds " << v << "\n";
      if (p.imgTablero[static_cast<size_t>(i)] != kSinImagen) {
        mal << "frame cell " << i << " shows picture " << int{p.imgTablero[static_cast<size_t>(i)]} << "\n";
      }
      continue;
    }
    if (v == kGotaAzul) {
      ++azules;
      azul = i;
    }
    if (v == kGotaRosa) ++rosas;
    if (v == kMaceta) ++macetas;
  }

  // ---- Pictures ---------------------------------------------------------------
  // While a level is on (or its shutter is down) every cell shows its value,
  // except under the falling piece; once it has ended the board is cleared
  // on screen and the values stay.
  const bool enNivel = e.Jugando || p.persianaVisible;
  if (e.Jugando) {
    const std::string imagenes = ImagenesErroneas(juego);
    if (!imagenes.empty()) mal << "pictures disagree with the board:\n" << imagenes;
  } else if (enNivel) {
    // A level completed while the piece was still in the air (the drop
    // reached the floor): the shutter hides the piece only in the rows it
    // covers, and what is left of it stays on show until the next level.
    for (int i = 0; i < kCeldas; ++i) {
      if (EsMarco(i)) continue;
      const int v = e.tablero[i];
      const int vista = p.imgTablero[static_cast<size_t>(i)];
      const int propia = v >= 1 ? v : kSinImagen;
      if (vista == propia) continue;
      bool pieza = false;
      if (v == kLibre && e.Ficha >= 0 && e.Ficha < kFilasCatalogo && vista == cat.Color(e.Ficha)) {
        for (int k = 1; k <= Catalogo::NumCeldas(e.Ficha); ++k) {
          pieza |= e.Posicion + cat.Desplazamiento(e.Ficha, k) == i;
        }
      }
      if (!pieza) mal << "under the shutter cell " << i << " shows " << vista << ", holds " << v << "\n";
    }
  } else {
    for (int i = 0; i < kCeldas; ++i) {
      if (p.imgTablero[static_cast<size_t>(i)] != kSinImagen) {
        mal << "no level is on but cell " << i << " shows picture "
            << int{p.imgTablero[static_cast<size_t>(i)]} << "\n";
        break;
      }
    }
  }

  // ---- The falling piece ------------------------------------------------------
  if (e.FichaActiva) {
    if (!e.Jugando) mal << "a piece falls while no level is on\n";
    if (e.Ficha < 0 || e.Ficha >= kFilasCatalogo) {
      mal << "falling piece row " << e.Ficha << "\n";
    } else {
      for (int k = 1; k <= Catalogo::NumCeldas(e.Ficha); ++k) {
        const int i = e.Posicion + cat.Desplazamiento(e.Ficha, k);
        if (i < 0 || i >= kCeldas) {
          mal << "falling piece cell " << i << " outside the board\n";
        } else if (e.tablero[i] != kLibre) {
          mal << "falling piece overlaps cell " << i << " holding " << e.tablero[i] << "\n";
        }
      }
    }
  }
  if (e.FichaSiguiente < 0 || e.FichaSiguiente >= kFilasCatalogo) {
    mal << "next piece row " << e.FichaSiguiente << "\n";
  }

  // ---- Drops --------------------------------------------------------------------
  if (azules > 1) mal << azules << " blue drops\n";
  if (rosas > 1) mal << rosas << " pink drops\n";
  if ((e.ModoGoteator || e.ModoJuntator) && azules == 1 && e.CeldaGota != azul) {
    mal << "CeldaGota " << e.CeldaGota << " but the blue drop is at " << azul << "\n";
  }
  if (e.ModoGoteator && e.Jugando && azules != 1) mal << "a drop level in play without its blue drop\n";
  if (e.GotaCayendo && !e.timGota.Enabled && e.Jugando) {
    // Harmless on its own, but the board-turn keys stay refused for good.
    if (ModoCuadrado(e)) mal << "the drop is marked falling with its timer off\n";
  }

  // ---- Plant --------------------------------------------------------------------
  if (e.ModoPodator && e.Jugando) {
    if (macetas != 1) mal << macetas << " pots\n";
    if (e.Planta.size() < 2) {
      mal << "the plant has " << e.Planta.size() << " cells\n";
    } else {
      for (size_t n = 0; n < e.Planta.size(); ++n) {
        const int i = e.Planta[n];
        if (i < 0 || i >= kCeldas) {
          mal << "plant entry " << n << " is cell " << i << "\n";
          continue;
        }
        const int v = e.tablero[i];
        const bool bien = n == 0 ? v == kMaceta : EsPlanta(v);
        if (!bien) mal << "plant entry " << n << " (cell " << i << ") holds " << v << "\n";
      }
      if (e.CeldaGota != e.Planta.back()) {
        mal << "CeldaGota " << e.CeldaGota << " is not the plant's tip " << e.Planta.back() << "\n";
      }
    }
  }

  // ---- Score, counters, timers, flags ----------------------------------------
  if (!nivelElegido && e.Puntos < puntos_) {
    mal << "the score fell from " << puntos_ << " to " << e.Puntos << "\n";
  }
  puntos_ = e.Puntos;
  if (e.CargaTorpedo < 0 || e.CargaTorpedo > kCargaMaxima) mal << "CargaTorpedo " << e.CargaTorpedo << "\n";
  if (e.timJuego.Interval < kIntervaloMinimo || e.timJuego.Interval > kIntervaloMaximo) {
    mal << "timJuego interval " << e.timJuego.Interval << "\n";
  }
  if (e.MinutosExtra < 0) mal << "MinutosExtra " << e.MinutosExtra << "\n";
  if (e.LineasRestantes < 0) mal << "LineasRestantes " << e.LineasRestantes << "\n";
  if (marcoPuesto_ && e.BorrarCada < 1) mal << "BorrarCada " << e.BorrarCada << "\n";
  // Between events no handler is half way through its work.
  if (e.EnTurno) mal << "EnTurno left set\n";
  if (e.Fijando) mal << "Fijando left set\n";
  if (e.EnBloqueExtra) mal << "EnBloqueExtra left set\n";
  if (e.EnDialogo) mal << "EnDialogo left set\n";
  if (e.BajandoPersiana) mal << "BajandoPersiana left set\n";
  if (!e.Orden.empty() && e.Orden != "pause" && e.Orden != "nuevo") mal << "Orden \"" << e.Orden << "\"\n";
  if (e.Pausado && !e.Jugando) mal << "paused with no level on\n";
  // A level in play and not paused always has its play timer running, or
  // nothing would ever move again.
  if (e.Jugando && !e.Pausado && !e.timJuego.Enabled) mal << "a level in play with timJuego off\n";
  if (e.Pausado && (e.timJuego.Enabled || e.timBloqueExtra.Enabled)) {
    mal << "paused with timJuego or timBloqueExtra on\n";
  }
  if (!enNivel && (e.timGota.Enabled || e.timBloqueExtra.Enabled)) {
    mal << "no level is on but a level timer runs\n";
  }
  if (p.persianaVisible && e.Jugando) mal << "the shutter is down over a level in play\n";
  return mal.str();
}

}  // namespace tumbla
