#include "jugador/Modelo.h"

#include <algorithm>
#include <cstdlib>

#include "game/Vista.h"

namespace tumbla {

namespace {

constexpr int kCeldaCuadrado = 170;  // top-left cell of the square
constexpr int kLado = 11;

}  // namespace

Modelo::Modelo(const Vista& vista, const Catalogo& catalogo) : cat_(&catalogo) {
  for (int i = 0; i < kCeldas; ++i) Poner(i, vista.Celda(i));
  if (const Grupo* g = vista.GrupoActual()) modo_ = g->modo;
  borrarCada_ = std::max(1, vista.BorrarCada());
  objetivoLineas_ = vista.ObjetivoLineas();
  lineasRestantes_ = vista.LineasRestantes();
  intervaloSubida_ = vista.IntervaloSubida();
  contadorSubida_ = vista.ContadorSubida();
  celdaGota_ = vista.CeldaGota();
  if (modo_ == Modo::Podator) planta_ = vista.Planta();
  cargaTorpedo_ = vista.CargaTorpedo();
}

bool Modelo::Cuadrado() const {
  return modo_ == Modo::Rotator || modo_ == Modo::RotatorPlus || modo_ == Modo::Juntator;
}

int Modelo::FilaTope() const { return Cuadrado() || modo_ == Modo::Podator ? 13 : 0; }

bool Modelo::Cabe(int fila, int pos) const {
  for (int k = 1; k <= Catalogo::NumCeldas(fila); ++k) {
    if (!Libre(pos + cat_->Desplazamiento(fila, k))) return false;
  }
  return true;
}

int Modelo::Caida(int fila, int pos) const {
  while (Cabe(fila, pos + kAncho)) pos += kAncho;
  return pos;
}

int Modelo::CeldaRosa() const {
  for (int i = 0; i < kCeldas; ++i) {
    if (c_[static_cast<size_t>(i)] == kGotaRosa) return i;
  }
  return -1;
}

int Modelo::BloquesNeutros() const {
  int n = 0;
  for (int i = 0; i < kBaseFilaInferior + kAncho; ++i) {
    if (Columna(i) != 0 && Columna(i) != kAncho - 1 && c_[static_cast<size_t>(i)] == kMuro) ++n;
  }
  return n;
}

bool Modelo::Desborda() const {
  for (int i = 1; i < 13 * kAncho; ++i) {
    if (Columna(i) >= 1 && Columna(i) <= 11 && c_[static_cast<size_t>(i)] >= 1) return true;
  }
  return false;
}

void Modelo::Aterrizar(int fila, int pos, int siguiente) {
  if (ganado_ || perdido_) return;
  if (pos == kCeldaEntrada) {  // it could not leave the entry
    perdido_ = true;
    return;
  }
  const auto color = static_cast<int16_t>(cat_->Color(fila));
  for (int k = 1; k <= Catalogo::NumCeldas(fila); ++k) Poner(pos + cat_->Desplazamiento(fila, k), color);
  if (!Pasada(true)) return;
  if ((Cuadrado() || modo_ == Modo::Podator) && Desborda()) {
    perdido_ = true;
    return;
  }
  // The rising board is owed by the rows cleared, whatever the placement:
  // the player does not hold it against the rows that bring it on.
  turnosPendientes_ = 0;
  AsentarGota();
  if (!ganado_ && !perdido_ && siguiente >= 0 && !Cabe(siguiente, kCeldaEntrada)) perdido_ = true;
}

int Modelo::DestinoTorpedo(int pos) const {
  const int fondo = Columna(pos) + kBaseFilaInferior;
  int destino = pos;
  for (int i = pos; i <= fondo && Libre(i); i += kAncho) destino = i;
  for (int i = destino + kAncho; i <= fondo; i += kAncho) {
    if (Libre(i)) return i;
  }
  return destino;
}

void Modelo::Girar(bool antihorario) {
  std::array<int16_t, kLado * kLado> lista{};
  size_t n = 0;
  auto celda = [](int f, int col) { return kCeldaCuadrado + kAncho * f + col; };
  if (antihorario) {
    for (int col = 0; col < kLado; ++col) {
      for (int f = 0; f < kLado; ++f) lista[n++] = c_[static_cast<size_t>(celda(f, col))];
    }
  } else {
    for (int col = kLado - 1; col >= 0; --col) {
      for (int f = kLado - 1; f >= 0; --f) lista[n++] = c_[static_cast<size_t>(celda(f, col))];
    }
  }
  n = 0;
  for (int base = kBaseFilaInferior + 1; base >= kCeldaCuadrado; base -= kAncho) {
    for (int col = 0; col < kLado; ++col) {
      const int16_t v = lista[n++];
      Poner(base + col, v);
      if (v == kGotaAzul) celdaGota_ = base + col;
    }
  }
  if (Pasada(false)) AsentarGota();
}

bool Modelo::Pasada(bool entrar) {
  bool objetivo = false;
  bool juntadas = false;
  while (Ciclo(objetivo, juntadas)) {
  }
  if (Cuadrado()) {
    for (int c = kBaseFilaInferior + 1; c <= kBaseFilaInferior + 11; ++c) {
      int ocupadas = 0;
      for (int i = c; i >= c - 130; i -= kAncho) ocupadas += c_[static_cast<size_t>(i)] >= 1;
      if (ocupadas != 11) continue;
      for (int i = c; i >= c - 130; i -= kAncho) {
        const int v = c_[static_cast<size_t>(i)];
        if (v >= 1 && v <= kMuro) Poner(i, kMuro);
      }
    }
  }
  if ((objetivoLineas_ && lineasRestantes_ < 1) || (modo_ == Modo::RotatorPlus && BloquesNeutros() == 0) ||
      objetivo) {
    ganado_ = true;
    return false;
  }
  if (!entrar) return true;
  if (modo_ == Modo::Panic) DesplazarIzquierda();
  if (modo_ == Modo::Podator) PasoPlanta();
  return !perdido_ && !ganado_;
}

bool Modelo::Ciclo(bool& objetivo, bool& juntadas) {
  int filas[kAlto];
  int cuenta = 0;
  for (int base = kBaseFilaInferior; base >= 0 && cuenta < borrarCada_; base -= kAncho) {
    if (ocupadas_[static_cast<size_t>(base / kAncho)] == kAncho) filas[cuenta++] = base;
  }
  if (cuenta < borrarCada_) return false;
  // The drops and the pot count in the last row of the cycle.
  int celda9 = 0, celda10 = 0;
  bool conMaceta = false;
  for (int c = 0; c < kAncho; ++c) {
    const int i = filas[cuenta - 1] + c;
    const int v = c_[static_cast<size_t>(i)];
    if (v == kGotaRosa) celda9 = i;
    if (v == kGotaAzul) celda10 = i;
    conMaceta |= v == kMaceta;
  }
  filasQuitadas_ += cuenta;
  if (modo_ == Modo::Juntator && celda9 != 0 && celda10 != 0 && std::abs(celda9 - celda10) == 1) {
    objetivo = juntadas = true;
  }
  int limite = 0;
  bool cortada = false;
  for (int n = 0; n < cuenta; ++n) QuitarFila(filas[n] + kAncho * n, juntadas, limite, cortada);
  if (cortada && limite > 0 && modo_ == Modo::Podator) Podar(limite);
  if (conMaceta) objetivo = true;
  return true;
}

void Modelo::QuitarFila(int fila, bool juntadas, int& limite, bool& cortada) {
  if (fila + 11 > limite) limite = fila + 11;
  for (int col = 1; col <= 11; ++col) {
    const int v = c_[static_cast<size_t>(fila + col)];
    if ((v == kFlorBlanca || v == kFlorAmarilla) && !planta_.empty()) limite = planta_.front() - 1;
  }
  const int removida = Fila(fila);
  const int ultima = Cuadrado() ? std::max(1, removida - 12) : 1;
  for (int col = 1; col <= 11; ++col) {
    for (int r = removida; r >= ultima; --r) {
      const int j = r * kAncho + col;
      const int antes = c_[static_cast<size_t>(j)];
      if (!juntadas && EsGota(antes)) continue;
      const int16_t v = c_[static_cast<size_t>(j - kAncho)];
      if (EsPlanta(antes)) cortada = true;
      Poner(j, v);
      if (EsGota(v)) {
        Poner(j - kAncho, kLibre);
        if (v == kGotaAzul) celdaGota_ += kAncho;
      }
    }
    if (ultima == 1) {
      if (EsPlanta(c_[static_cast<size_t>(col)])) cortada = true;
      Poner(col, kLibre);
    }
  }
  cargaTorpedo_ = std::min(45, cargaTorpedo_ + 1);
  const bool conTorpedo = modo_ != Modo::Clasico && modo_ != Modo::Panic && modo_ != Modo::Superpanic;
  if (conTorpedo && cargaTorpedo_ >= 4) {
    cargaTorpedo_ -= 4;
    torpedoPendiente_ = true;
  }
  if (intervaloSubida_ > 0 && --contadorSubida_ <= 0) {
    ++turnosPendientes_;
    contadorSubida_ = intervaloSubida_;
  }
  lineasRestantes_ = std::max(0, lineasRestantes_ - 1);
}

void Modelo::Podar(int limite) {
  limite = std::min(limite, kCeldas - 1);
  for (int i = 0; i <= limite; ++i) {
    if (EsPlanta(c_[static_cast<size_t>(i)])) Poner(i, kLibre);
  }
  for (int n = static_cast<int>(planta_.size()) - 1; n >= 0; --n) {
    const int v = c_[static_cast<size_t>(planta_[static_cast<size_t>(n)])];
    if (v < kMaceta || v > kTalloAbajoIzquierda) continue;
    if (static_cast<size_t>(n) + 1 < planta_.size()) {
      const int16_t flor = planta_[static_cast<size_t>(n) + 1];
      Poner(flor, kFlorBlanca);
      celdaGota_ = flor;
      planta_.resize(static_cast<size_t>(n) + 2);
    }
    return;
  }
}

void Modelo::PasoPlanta() {
  const int c = celdaGota_;
  const bool conFlor = c >= kAncho && c < kCeldas && c_[static_cast<size_t>(c)] >= kFlorBlanca &&
                       c_[static_cast<size_t>(c)] <= kFlorRoja;
  if (!conFlor) return;
  auto vacia = [&](int i) { return i >= 0 && i < kCeldas && c_[static_cast<size_t>(i)] == kLibre; };
  int destino = -1;
  if (vacia(c - kAncho)) {
    destino = c - kAncho;
  } else if (vacia(c + 1) || vacia(c - 1)) {
    destino = vacia(c + 1) ? c + 1 : c - 1;
  } else if (c_[static_cast<size_t>(c)] == kFlorBlanca || c_[static_cast<size_t>(c)] == kFlorAmarilla) {
    Poner(c, static_cast<int16_t>(c_[static_cast<size_t>(c)] + 1));
  } else {
    for (int k = c - kAncho; k >= 0; k -= kAncho) {
      if (c_[static_cast<size_t>(k)] == kLibre || k < kAncho) {
        destino = k;
        break;
      }
      Poner(k, kTalloVertical);
      planta_.push_back(static_cast<int16_t>(k));
    }
  }
  if (destino >= 0) {
    Poner(c, kTalloVertical);
    celdaGota_ = destino;
    planta_.push_back(static_cast<int16_t>(destino));
    Poner(destino, kFlorBlanca);
  }
  if (celdaGota_ < kAncho) {
    perdido_ = true;
    return;
  }
  Pasada(false);
}

void Modelo::DesplazarIzquierda() {
  for (int fila = 0; fila < kAlto - 1; ++fila) {
    const int base = fila * kAncho;
    const int16_t primera = c_[static_cast<size_t>(base + 1)];
    for (int col = 1; col < 11; ++col) Poner(base + col, c_[static_cast<size_t>(base + col + 1)]);
    Poner(base + 11, primera);
  }
}

void Modelo::AsentarGota() {
  if (modo_ != Modo::Goteator && modo_ != Modo::Juntator) return;
  for (int paso = 0; paso < 2 * kAlto && !ganado_; ++paso) {
    const int g = celdaGota_;
    if (g < 0 || g >= kCeldas || c_[static_cast<size_t>(g)] != kGotaAzul) return;
    const int abajo = g + kAncho;
    if (abajo < kCeldas && c_[static_cast<size_t>(abajo)] == kLibre) {
      Poner(g, kLibre);
      Poner(abajo, kGotaAzul);
      celdaGota_ = abajo;
    } else {
      const int quitadas = filasQuitadas_;
      if (!Pasada(false)) return;
      if (filasQuitadas_ == quitadas) return;  // at rest
    }
    if (modo_ == Modo::Goteator && celdaGota_ >= kBaseFilaInferior + 1) ganado_ = true;
  }
}

}  // namespace tumbla
