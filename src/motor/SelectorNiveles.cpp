// The level-selection window's logic.
#include "motor/SelectorNiveles.h"

#include <algorithm>
#include <cmath>

#include "levels/Niveles.h"

namespace tumbla {

namespace {

constexpr int kAjusteMarco = 60;  // the frame sits 60 twips around its button

}  // namespace

SelectorNiveles::SelectorNiveles(const CatalogoNiveles& niveles)
    : niveles_(niveles),
      // Five rows of ten are visible; the scroll bar runs over the rest.
      maximo_(static_cast<int>(std::lround(kNumNiveles / 10.0 - 1 - kFilasVisibles + 1))) {}

int SelectorNiveles::IzquierdaBoton(int i) {
  return kIzquierdaBotones + (i % kPorFila) * (kLadoBoton + kSeparacion);
}

int SelectorNiveles::ArribaBoton(int i) {
  return kArribaBotones + (i / kPorFila) * (kLadoBoton + kSeparacion);
}

SelectorNiveles::Marco SelectorNiveles::MarcoSeleccion() const {
  return {IzquierdaBoton(Seleccionado_) - kAjusteMarco, ArribaBoton(Seleccionado_) - kAjusteMarco,
          kLadoBoton + kSeparacion, kLadoBoton + kSeparacion};
}

std::string SelectorNiveles::TituloPara(bool enJuego, int nivelActual, bool paraDemo, const Traductor& tr) {
  const char* titulo = paraDemo  ? TUMBLA_TEXTO("Niveles", "Demostración: elige el nivel que jugará el ordenador")
                       : enJuego ? TUMBLA_TEXTO("Niveles", "Juego pausado. Pulsa ESCAPE para continuar.")
                       : nivelActual != 0 ? TUMBLA_TEXTO("Niveles", "¿Volver a intentarlo?")
                                          : TUMBLA_TEXTO("Niveles", "Selecciona un nivel");
  return tr.traducir("Niveles", titulo);
}

void SelectorNiveles::Activar(int superados, bool enJuego, int nivelActual, bool paraDemo, const Traductor& tr) {
  tr_ = &tr;
  Superados_ = superados;
  titulo_ = TituloPara(enJuego, nivelActual, paraDemo, tr);
  int objetivo = enJuego || nivelActual != 0 ? nivelActual : std::min(Superados_ + 1, kNumNiveles);
  objetivo = std::clamp(objetivo, 1, kNumNiveles);

  // The first row that shows the target among its five.
  int fila = 0;
  while (objetivo > fila * kPorFila + kBotones) ++fila;
  PonerDesplazamiento(std::min(fila, maximo_));
  PintarBotones();

  const std::string texto = std::to_string(objetivo);
  for (int i = 0; i < kBotones; ++i) {
    if (cmdNivel_[static_cast<size_t>(i)].texto == texto) {
      Seleccionado_ = i;
      break;
    }
  }
  MarcarSeleccion();
  abierto_ = true;
}

void SelectorNiveles::PintarBotones() {
  for (auto& b : cmdNivel_) {
    b.visible = false;
    b.texto.clear();
  }
  int n = scrNiveles_ * kPorFila + 1;
  for (int i = 0; i < kBotones && n <= kNumNiveles; ++i, ++n) {
    BotonNivel& b = cmdNivel_[static_cast<size_t>(i)];
    b.visible = true;
    b.texto = std::to_string(n);
    if (n >= Superados_ + 2) {
      b.color = kColorGris;
    } else if (const Grupo* g = BuscarGrupo(std::string_view(niveles_.Clave(n)).substr(0, 5))) {
      b.color = g->color;
    }
  }
}

void SelectorNiveles::MostrarDatos(int i) {
  const BotonNivel& b = cmdNivel_[static_cast<size_t>(i)];
  if (b.texto.empty()) {
    lblDatos_.clear();
  } else {
    // The group's line is its name: the same in every language.
    const int n = scrNiveles_ * kPorFila + i + 1;
    const Grupo* g = n <= kNumNiveles ? BuscarGrupo(std::string_view(niveles_.Clave(n)).substr(0, 5)) : nullptr;
    lblDatos_ = Formato(tr_->traducir("Niveles", TUMBLA_TEXTO("Niveles", "Nivel: %1 - %2")),
                        {b.texto, g != nullptr ? g->textoDatos : ""});
  }
}

void SelectorNiveles::MarcarSeleccion() {
  MostrarDatos(Seleccionado_);
}

void SelectorNiveles::PonerDesplazamiento(int valor) {
  valor = std::clamp(valor, 0, maximo_);
  if (valor == scrNiveles_) return;
  scrNiveles_ = valor;
  PintarBotones();
  MostrarDatos(Seleccionado_);
}

void SelectorNiveles::CambiarDesplazamiento(int valor) {
  scrNiveles_ = std::clamp(valor, 0, maximo_);
  PintarBotones();
  MostrarDatos(Seleccionado_);
}

Eleccion SelectorNiveles::Ordenar(Comando c) {
  if (!abierto_) return {};
  switch (c) {
    case Comando::Izquierda:
      if (Seleccionado_ > 0) {
        --Seleccionado_;
      } else if (scrNiveles_ > 0) {
        PonerDesplazamiento(scrNiveles_ - 1);
        Seleccionado_ = kPorFila - 1;
      }
      break;
    case Comando::Arriba:
      if (Seleccionado_ >= kPorFila) {
        Seleccionado_ -= kPorFila;
      } else if (scrNiveles_ > 0) {
        PonerDesplazamiento(scrNiveles_ - 1);
      }
      break;
    case Comando::Derecha:
      if (Boton(Seleccionado_).texto == std::to_string(kNumNiveles)) break;
      if (Seleccionado_ < kBotones - 1) {
        ++Seleccionado_;
      } else if (scrNiveles_ < maximo_) {
        PonerDesplazamiento(scrNiveles_ + 1);
        Seleccionado_ = kBotones - kPorFila;
      }
      break;
    case Comando::Abajo:
      if (Seleccionado_ + kPorFila < kBotones) {
        Seleccionado_ += kPorFila;
      } else if (scrNiveles_ != maximo_) {
        PonerDesplazamiento(scrNiveles_ + 1);
      }
      break;
    case Comando::Primero:
      PonerDesplazamiento(0);
      Seleccionado_ = 0;
      break;
    case Comando::Ultimo:
      PonerDesplazamiento(maximo_);
      Seleccionado_ = kNumNiveles - 1 - scrNiveles_ * kPorFila;
      break;
    case Comando::PaginaAnterior:
    case Comando::PaginaSiguiente: {
      // A page is the rows in sight: the selection moves as many levels,
      // and at either end stops at the first or the last level.
      const int pagina = c == Comando::PaginaSiguiente ? kBotones : -kBotones;
      const int nivel = std::clamp(scrNiveles_ * kPorFila + Seleccionado_ + pagina, 0, kNumNiveles - 1);
      PonerDesplazamiento(scrNiveles_ + pagina / kPorFila);
      Seleccionado_ = nivel - scrNiveles_ * kPorFila;
      break;
    }
    case Comando::Cancelar:
      return Continuar();
    case Comando::Aceptar:
      return Boton(Seleccionado_).texto.empty() ? Eleccion{} : Elegir(Seleccionado_);
    default:
      return {};
  }
  // Past the last level the slots are blank: the selection stops at it.
  while (Seleccionado_ > 0 && Boton(Seleccionado_).texto.empty()) --Seleccionado_;
  MarcarSeleccion();
  return {};
}

void SelectorNiveles::PunteroSobreBoton(int i) {
  if (i < 0 || i >= kBotones || !Boton(i).visible) return;
  MostrarDatos(i);
}

void SelectorNiveles::PunteroSobreFondo() { MostrarDatos(Seleccionado_); }

Eleccion SelectorNiveles::ClicBoton(int i) {
  if (!abierto_ || i < 0 || i >= kBotones) return {};
  if (!Boton(i).visible || Boton(i).texto.empty()) return {};
  return Elegir(i);
}

Eleccion SelectorNiveles::ElegirPosicion(int p) {
  if (p < 1 || p > kNumNiveles) return {};
  const int primera = scrNiveles_ * kPorFila + 1;
  if (p < primera || p >= primera + kBotones) {
    int fila = 0;
    while (p > fila * kPorFila + kBotones) ++fila;
    PonerDesplazamiento(std::min(fila, maximo_));
  }
  Seleccionado_ = p - (scrNiveles_ * kPorFila + 1);
  MarcarSeleccion();
  return Elegir(Seleccionado_);
}

Eleccion SelectorNiveles::Elegir(int i) {
  const BotonNivel& b = Boton(i);
  const int nivel = static_cast<int>(LeerNumeroLeniente(b.texto));
  if (nivel < 1 || nivel > kNumNiveles) return {};
  // Levels beyond the frontier can be played; only their completion is not
  // recorded.
  abierto_ = false;
  return {.tipo = Eleccion::Jugar, .posicion = nivel, .gris = b.color == kColorGris};
}

Eleccion SelectorNiveles::Continuar() {
  abierto_ = false;
  return {.tipo = Eleccion::Continuar};
}

}  // namespace tumbla
