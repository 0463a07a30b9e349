#include "jugador/Modelo.h"

#include <algorithm>
#include <cstdlib>

#include "game/Vista.h"

namespace tumbla {

Modelo::Modelo(const Vista& vista, const Catalogo& catalogo) : cat_(&catalogo) {
  for (int i = 0; i < kCeldas; ++i) Poner(i, vista.Celda(i));
  if (const Grupo* g = vista.GrupoActual()) modo_ = g->modo;
  cuadrado_ = vista.TableroCuadrado();
  desborda_ = vista.Desborda();
  torpedos_ = vista.GanaTorpedos();
  borrarCada_ = std::max(1, vista.BorrarCada());
  objetivoLineas_ = vista.ObjetivoLineas();
  lineasRestantes_ = vista.LineasRestantes();
  intervaloSubida_ = vista.IntervaloSubida();
  contadorSubida_ = vista.ContadorSubida();
  celdaGota_ = vista.CeldaGota();
  if (modo_ == Modo::Podator) planta_ = vista.Planta();
  cargaTorpedo_ = vista.CargaTorpedo();
}

int Modelo::FilaTope() const { return desborda_ ? kFilaCuadrado : 0; }

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
    if (t_[i] == kGotaRosa) return i;
  }
  return -1;
}

int Modelo::BloquesNeutros() const { return t_.Neutros(); }

void Modelo::Recontar(int desde, int hasta) {
  for (int fila = desde; fila <= hasta; ++fila) ocupadas_[static_cast<size_t>(fila)] = static_cast<int8_t>(t_.Ocupadas(fila * kAncho));
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
  if (desborda_ && t_.OcupadoSobreCuadrado()) {
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
  const int gota = t_.GirarCuadrado(antihorario);
  if (gota >= 0) celdaGota_ = gota;
  Recontar(kFilaCuadrado, Fila(kBaseFilaInferior));
  if (Pasada(false)) AsentarGota();
}

bool Modelo::Pasada(bool entrar) {
  bool objetivo = false;
  bool juntadas = false;
  while (Ciclo(objetivo, juntadas)) {
  }
  if (cuadrado_) t_.SolidificarColumnas();  // taken cells stay taken
  if ((objetivoLineas_ && lineasRestantes_ < 1) || (modo_ == Modo::RotatorPlus && BloquesNeutros() == 0) ||
      objetivo) {
    ganado_ = true;
    return false;
  }
  if (!entrar) return true;
  if (modo_ == Modo::Panic) t_.RotarColumnas({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});  // the row counts stay
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
    const int v = t_[i];
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
    const int v = t_[fila + col];
    if ((v == kFlorBlanca || v == kFlorAmarilla) && !planta_.empty()) limite = planta_.front() - 1;
  }
  const int removida = Fila(fila);
  const int ultima = cuadrado_ ? std::max(1, removida - 12) : 1;
  const Tablero::Quitada q = t_.QuitarFila(fila, ultima, juntadas);
  Recontar(ultima - 1, removida);
  if (q.plantaPisada > 0) cortada = true;
  celdaGota_ += kAncho * q.gotaAzulBajada;
  cargaTorpedo_ = std::min(45, cargaTorpedo_ + 1);
  if (torpedos_ && cargaTorpedo_ >= 4) {
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
    if (EsPlanta(t_[i])) Poner(i, kLibre);
  }
  for (int n = static_cast<int>(planta_.size()) - 1; n >= 0; --n) {
    const int v = t_[planta_[static_cast<size_t>(n)]];
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
  const bool conFlor = c >= kAncho && c < kCeldas && t_[c] >= kFlorBlanca &&
                       t_[c] <= kFlorRoja;
  if (!conFlor) return;
  auto vacia = [&](int i) { return i >= 0 && i < kCeldas && t_[i] == kLibre; };
  int destino = -1;
  if (vacia(c - kAncho)) {
    destino = c - kAncho;
  } else if (vacia(c + 1) || vacia(c - 1)) {
    destino = vacia(c + 1) ? c + 1 : c - 1;
  } else if (t_[c] == kFlorBlanca || t_[c] == kFlorAmarilla) {
    Poner(c, static_cast<int16_t>(t_[c] + 1));
  } else {
    for (int k = c - kAncho; k >= 0; k -= kAncho) {
      if (t_[k] == kLibre || k < kAncho) {
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

void Modelo::AsentarGota() {
  if (modo_ != Modo::Goteator && modo_ != Modo::Juntator) return;
  for (int paso = 0; paso < 2 * kAlto && !ganado_; ++paso) {
    const int g = celdaGota_;
    if (g < 0 || g >= kCeldas || t_[g] != kGotaAzul) return;
    const int abajo = g + kAncho;
    if (abajo < kCeldas && t_[abajo] == kLibre) {
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
