#include "jugador/Modelo.h"

#include "game/Pasos.h"
#include "game/Reglas.h"

namespace tumbla {

namespace {

constexpr int kPasosGota = 2 * kAlto;

}  // namespace

int Suposiciones::Sortear(Sorteo sorteo, int n) {
  if (muestra_ != 0 && sorteo != Sorteo::Pieza) {
    if (sorteo == Sorteo::Lado) ladoSorteado_ = true;
    // splitmix64
    uint64_t z = (muestra_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return static_cast<int>((z >> 11) % static_cast<uint64_t>(n));
  }
  // Shuffled columns taken in order make a plain cycle; the plant takes the
  // side it was told (and notes that it drew one); everything else takes the
  // first choice (the set's first piece).
  if (sorteo == Sorteo::Barajado) return barajado_++ % n;
  if (sorteo == Sorteo::Lado) {
    ladoSorteado_ = true;
    return izquierda_ ? 1 : 0;
  }
  return 0;
}

Modelo::Modelo(const Panorama& panorama) {
  const Mesa& m = panorama.mesa;
  // The board, the falling piece, the preview, the objective's count, the
  // clear-together count on the panel, the drop and the plant: a placement
  // is played from there.
  mesa_.tablero = m.tablero;
  mesa_.ficha = m.ficha;
  mesa_.hayFicha = m.hayFicha;
  mesa_.siguiente = m.siguiente;
  mesa_.reglas = m.reglas;
  mesa_.borrarCada = m.borrarCada;
  mesa_.lineasRestantes = m.lineasRestantes;
  mesa_.celdaGota = m.celdaGota;
  mesa_.planta = m.planta;
  mesa_.direccionPlanta = m.direccionPlanta;
  if (m.reglas != nullptr) modo_ = m.reglas->modo();
  subida_ = panorama.subida;
}

bool Modelo::Cuadrado() const { return mesa_.reglas != nullptr && mesa_.reglas->Cuadrado(); }

int Modelo::FilaTope() const { return mesa_.reglas != nullptr && mesa_.reglas->Desborda() ? kFilaCuadrado : 0; }

int Modelo::Caida(int fila, int pos) const {
  return tumbla::Caida(mesa_.tablero, {static_cast<int16_t>(fila), static_cast<int16_t>(pos)}).posicion;
}


int Modelo::CeldaRosa() const {
  for (int i = 0; i < kCeldas; ++i) {
    if (mesa_.tablero[i] == kGotaRosa) return i;
  }
  return -1;
}

void Modelo::Anotar(const Suceso& s) {
  filasQuitadas_ += s.filas;
  ganado_ |= s.cumplido;
  perdido_ |= s.Perdido();
}

void Modelo::Aterrizar(int fila, int pos, bool conSiguiente, Suposiciones azar) {
  if (ganado_ || perdido_ || mesa_.reglas == nullptr) return;
  mesa_.ficha = {static_cast<int16_t>(fila), static_cast<int16_t>(pos)};
  mesa_.hayFicha = true;
  mesa_.soltada = false;
  Suceso s;
  // The landing without the rising board's steps it may owe: they come
  // whatever the placement, and the player does not hold them against it.
  tumbla::Aterrizar(mesa_, azar, s);
  ladoSorteado_ = azar.LadoSorteado();
  Anotar(s);
  if (s.Termina()) return;
  AsentarGota();
  if (!ganado_ && !perdido_ && conSiguiente && !mesa_.hayFicha) perdido_ = true;
}

void Modelo::Girar(bool antihorario) {
  if (ganado_ || perdido_ || mesa_.reglas == nullptr) return;
  Suposiciones azar;
  Suceso s;
  GirarCuadrado(mesa_, azar, antihorario, s);
  Anotar(s);
  if (!s.Termina()) AsentarGota();
}

void Modelo::AsentarGota() {
  // The drop falls, and clears what it completes, until it rests.
  Suposiciones azar;
  for (int paso = 0; paso < kPasosGota && !ganado_ && !perdido_; ++paso) {
    Suceso s;
    PasoGota(mesa_, azar, s);
    Anotar(s);
    if (!mesa_.gotaCayendo && s.filas == 0) return;
  }
}

}  // namespace tumbla
