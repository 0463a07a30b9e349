// The falling piece: fit test, redraw, spawn, shift, rotate, hard drop, and
// the next-piece preview.
#include "game/Juego.h"

namespace tumbla {

void Juego::ProbarFicha(int fila) {
  if (e_.NoCabeForzado) {
    e_.Cabe = false;
    e_.NoCabeForzado = false;
    return;
  }
  bool cabe = true;
  for (int k = 1; k <= Catalogo::NumCeldas(fila); ++k) {
    const int i = e_.Posicion + fichas_.Desplazamiento(fila, k);
    // A long piece lying on the floor and turned upright would reach below
    // the board: nothing fits there.
    if (i < 0 || i >= kCeldas || e_.tablero.Ocupada(i)) cabe = false;
  }
  e_.Cabe = cabe;
}

void Juego::Redibujar(int nueva, int vieja) {
  // Erase every old cell before drawing any new one, so overlapping cells
  // come out right.
  for (int k = 1; k <= Catalogo::NumCeldas(vieja); ++k) {
    OcultarImagen(e_.PosicionAnterior + fichas_.Desplazamiento(vieja, k));
  }
  const auto color = static_cast<int8_t>(fichas_.Color(nueva));
  for (int k = 1; k <= Catalogo::NumCeldas(nueva); ++k) {
    const int i = e_.Posicion + fichas_.Desplazamiento(nueva, k);
    DibujarImagen(i, color);
    if (i > e_.CeldaMasBaja) e_.CeldaMasBaja = static_cast<int16_t>(i);
  }
  ActualizarSombra();
}

void Juego::ActualizarSombra() {
  std::bitset<kCeldas> sombra;
  if (p_.menuSombra && e_.FichaActiva && e_.Jugando) {
    const int n = Catalogo::NumCeldas(e_.Ficha);
    const auto cabe = [&](int posicion) {
      for (int k = 1; k <= n; ++k) {
        const int i = posicion + fichas_.Desplazamiento(e_.Ficha, k);
        if (i < 0 || i >= kCeldas || e_.tablero.Ocupada(i)) return false;
      }
      return true;
    };
    int posicion = e_.Posicion;
    if (cabe(posicion)) {
      while (cabe(posicion + kAncho)) posicion += kAncho;
      for (int k = 1; k <= n; ++k) sombra.set(static_cast<size_t>(posicion + fichas_.Desplazamiento(e_.Ficha, k)));
    }
  }
  if (sombra == p_.sombra) return;
  p_.celdasCambiadas |= sombra ^ p_.sombra;
  p_.sombra = sombra;
}

void Juego::EntrarFicha() {
  e_.CeldaMasBaja = 0;
  e_.Posicion = kCeldaEntrada;
  ProbarFicha(e_.FichaSiguiente);
  if (e_.Cabe) {
    e_.Ficha = e_.FichaAnterior = e_.FichaSiguiente;
    e_.PosicionAnterior = e_.Posicion;
    e_.FichaActiva = true;
    ++e_.FichasEntradas;
    Redibujar(e_.Ficha, e_.FichaAnterior);
  } else {
    // The entry is blocked: no piece falls; the next tick ends the level.
    e_.FichaActiva = false;
    ActualizarSombra();
  }
  ElegirSiguiente();
}

void Juego::Desplazar(int d) {
  if (!e_.FichaActiva) return;
  e_.Posicion = static_cast<int16_t>(e_.Posicion + d);
  ProbarFicha(e_.Ficha);
  if (!e_.Cabe) {
    e_.Posicion = static_cast<int16_t>(e_.Posicion - d);
    return;
  }
  e_.PosicionAnterior = static_cast<int16_t>(e_.Posicion - d);
  Redibujar(e_.Ficha, e_.FichaAnterior);
  e_.FichaAnterior = e_.Ficha;
}

void Juego::Girar() {
  if (!e_.FichaActiva) return;
  const int candidata = fichas_.Siguiente(e_.Ficha);
  ProbarFicha(candidata);
  if (!e_.Cabe) return;  // no wall kick
  e_.FichaAnterior = e_.Ficha;
  e_.Ficha = static_cast<int16_t>(candidata);
  e_.PosicionAnterior = e_.Posicion;
  Redibujar(e_.Ficha, e_.FichaAnterior);
  e_.FichaAnterior = e_.Ficha;
}

void Juego::BajarDeGolpe() {
  if (!e_.FichaActiva) return;
  const int16_t inicio = e_.Posicion;
  do {
    e_.Posicion = static_cast<int16_t>(e_.Posicion + kAncho);
    ProbarFicha(e_.Ficha);
  } while (e_.Cabe);
  e_.Posicion = static_cast<int16_t>(e_.Posicion - kAncho);
  e_.PosicionAnterior = inicio;
  Redibujar(e_.Ficha, e_.FichaAnterior);
  e_.FichaAnterior = e_.Ficha;
  // The next tick's fit test fails, so the piece lands where it is drawn.
  e_.NoCabeForzado = true;
}

void Juego::ElegirSiguiente() {
  if (e_.TorpedoPendiente) {
    e_.FichaSiguiente = kFichaTorpedo;
    e_.TorpedoPendiente = false;
  } else {
    const int n = plataforma_.aleatorio(Sorteo::Pieza, e_.NumTiposFicha);
    e_.FichaSiguiente = static_cast<int16_t>(Catalogo::EntradaLista(e_.PrimerTipoFicha + n));
  }
  DibujarSiguiente();
}

void Juego::DibujarSiguiente() {
  p_.imgNext.fill(kSinImagen);
  const int fila = e_.FichaSiguiente;
  const auto color = static_cast<int8_t>(fichas_.Color(fila));
  for (int k = 1; k <= Catalogo::NumCeldas(fila); ++k) {
    const int i = 12 + Catalogo::DecodificarToken(fichas_.Campo(fila, k + 1), false);
    if (i >= 0 && i < static_cast<int>(p_.imgNext.size())) p_.imgNext[static_cast<size_t>(i)] = color;
  }
  p_.panelCambiado = true;
}

void Juego::FijarJuegoFichas(int indice) {
  if (indice == 0) {
    e_.NumTiposFicha = 7;
    e_.PrimerTipoFicha = 19;
  } else if (indice == 1) {
    e_.NumTiposFicha = 25;
    e_.PrimerTipoFicha = 1;
  }
}

}  // namespace tumbla
