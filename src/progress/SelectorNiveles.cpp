// The level-selection window's logic, and the two game steps around it:
// opening it and starting the chosen level.
#include "progress/SelectorNiveles.h"

#include <algorithm>
#include <cmath>

#include "game/Juego.h"
#include "progress/Ayuda.h"

namespace tumbla {

namespace {

constexpr int kAjusteMarco = 60;  // the frame sits 60 twips around its button

}  // namespace

SelectorNiveles::SelectorNiveles(Juego& juego)
    : juego_(juego),
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

void SelectorNiveles::Activar() {
  Estado& e = juego_.estado();
  // A stored value out of range must neither scroll past the end nor grey
  // out every level.
  const long leido =
      LeerNumeroLeniente(juego_.LeerIni(kSeccionIni, "AMAITUTAKOA", "0"));
  Superados_ = static_cast<int>(std::clamp<long>(leido, 0, kNumNiveles));

  BloqueoActivo_ = e.timBloqueExtra.Enabled;
  juego_.ActivarTemporizador(Temporizador::BloqueExtra, false);

  int objetivo;
  if (e.Jugando || juego_.pantalla().persianaVisible) {
    titulo_ = "Juego pausado. Pulsa ESCAPE para continuar.";
    objetivo = e.NivelActual;
  } else if (e.NivelActual != 0) {
    titulo_ = "¿Volver a intentarlo?";
    objetivo = e.NivelActual;
  } else {
    titulo_ = "Selecciona un nivel";
    objetivo = std::min(Superados_ + 1, kNumNiveles);
  }
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
  Cambio();
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
    } else if (const Grupo* g = BuscarGrupo(std::string_view(juego_.niveles().Clave(n)).substr(0, 5))) {
      b.color = g->color;
    }
  }
  Cambio();
}

void SelectorNiveles::MostrarDatos(int i) {
  const BotonNivel& b = cmdNivel_[static_cast<size_t>(i)];
  if (b.texto.empty()) {
    lblDatos_.clear();
  } else {
    lblDatos_ = "Nivel: " + b.texto + " - ";
    const int n = scrNiveles_ * kPorFila + i + 1;
    if (n <= kNumNiveles) {
      if (const Grupo* g = BuscarGrupo(std::string_view(juego_.niveles().Clave(n)).substr(0, 5))) {
        lblDatos_ += g->textoDatos;
      }
    }
  }
  Cambio();
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

void SelectorNiveles::TeclaAbajo(int codigo) {
  switch (codigo) {
    case tecla::kIzquierda:
      if (Seleccionado_ > 0) {
        --Seleccionado_;
      } else if (scrNiveles_ > 0) {
        PonerDesplazamiento(scrNiveles_ - 1);
        Seleccionado_ = kPorFila - 1;
      }
      break;
    case tecla::kArriba:
      if (Seleccionado_ >= kPorFila) {
        Seleccionado_ -= kPorFila;
      } else if (scrNiveles_ > 0) {
        PonerDesplazamiento(scrNiveles_ - 1);
      }
      break;
    case tecla::kDerecha:
      if (Boton(Seleccionado_).texto == std::to_string(kNumNiveles)) break;
      if (Seleccionado_ < kBotones - 1) {
        ++Seleccionado_;
      } else if (scrNiveles_ < maximo_) {
        PonerDesplazamiento(scrNiveles_ + 1);
        Seleccionado_ = kBotones - kPorFila;
      }
      break;
    case tecla::kAbajo:
      if (Seleccionado_ + kPorFila < kBotones) {
        Seleccionado_ += kPorFila;
      } else if (scrNiveles_ != maximo_) {
        PonerDesplazamiento(scrNiveles_ + 1);
      }
      break;
    default:
      return;
  }
  MarcarSeleccion();
}

void SelectorNiveles::TeclaPulsada(int codigo) {
  if (!abierto_) return;
  if (codigo == tecla::kEscape) {
    Continuar();
  } else if (codigo == tecla::kIntro || codigo == tecla::kEspacio) {
    if (!Boton(Seleccionado_).texto.empty()) Elegir(Seleccionado_);
  }
}

void SelectorNiveles::PunteroSobreBoton(int i) {
  if (i < 0 || i >= kBotones || !Boton(i).visible) return;
  MostrarDatos(i);
}

void SelectorNiveles::PunteroSobreFondo() { MostrarDatos(Seleccionado_); }

void SelectorNiveles::ClicBoton(int i) {
  if (!abierto_ || i < 0 || i >= kBotones) return;
  if (!Boton(i).visible || Boton(i).texto.empty()) return;
  Elegir(i);
}

bool SelectorNiveles::ElegirPosicion(int p) {
  if (p < 1 || p > kNumNiveles) return false;
  const int primera = scrNiveles_ * kPorFila + 1;
  if (p < primera || p >= primera + kBotones) {
    int fila = 0;
    while (p > fila * kPorFila + kBotones) ++fila;
    PonerDesplazamiento(std::min(fila, maximo_));
  }
  Seleccionado_ = p - (scrNiveles_ * kPorFila + 1);
  MarcarSeleccion();
  Elegir(Seleccionado_);
  return true;
}

void SelectorNiveles::Elegir(int i) {
  const BotonNivel& b = Boton(i);
  const int nivel = static_cast<int>(LeerNumeroLeniente(b.texto));
  if (nivel < 1 || nivel > kNumNiveles) return;
  // Levels beyond the frontier can be played; only their completion is not
  // recorded.
  juego_.estado().NoGuardarProgreso = b.color == kColorGris;
  abierto_ = false;
  Cambio();
  juego_.JugarNivel(nivel);
}

void SelectorNiveles::Continuar() {
  // The time spent in the window does not count against the level clock.
  juego_.ReanudarReloj();
  juego_.ActivarTemporizador(Temporizador::BloqueExtra, BloqueoActivo_);
  abierto_ = false;
  Cambio();
  juego_.plataforma().cerrarSelectorNiveles();
}

// ---------------------------------------------------------------------------

void Juego::AbrirSelectorNiveles() {
  selector_->Activar();
  plataforma_.mostrarSelectorNiveles();
  // A window closed some other way (its close box) continues like Escape.
  if (selector_->Abierto()) selector_->Continuar();
  e_.DemostracionPedida = false;
}

void Juego::JugarNivel(int p) {
  if (e_.DemostracionPedida && !e_.Demostrando) {
    e_.Demostrando = true;
    e_.NivelAntesDemostracion = e_.NivelActual;
    p_.lblDemo.visible = true;
  }
  for (auto& img : p_.imgNext) img = kSinImagen;
  p_.persianaVisible = false;
  p_.colorMarco = kColorGris;
  p_.panelCambiado = true;
  e_.Puntos = 0;
  e_.NivelActual = static_cast<int16_t>(p - 1);
  e_.Jugando = false;
  e_.Pausado = false;
  PonerTemporizador(Temporizador::Juego, true, 300);

  EmpezarNivel();
  const uint32_t gen = generacion_;
  plataforma_.cerrarSelectorNiveles();

  std::string titulo;
  std::string texto;
  if (e_.Demostrando || !TextoIntroduccion(e_.NivelActual, titulo, texto)) return;

  // Nothing moves while the player reads the introduction; the level clock
  // starts when it is closed.
  const bool juego = e_.timJuego.Enabled;
  const bool gota = e_.timGota.Enabled;
  const bool bloque = e_.timBloqueExtra.Enabled;
  ActivarTemporizador(Temporizador::Juego, false);
  ActivarTemporizador(Temporizador::Gota, false);
  ActivarTemporizador(Temporizador::BloqueExtra, false);
  const bool enDialogo = e_.EnDialogo;
  e_.EnDialogo = true;
  Mensaje(Icono::Informacion, texto, titulo);
  e_.EnDialogo = enDialogo;
  if (gen != generacion_) return;
  ActivarTemporizador(Temporizador::Juego, juego);
  ActivarTemporizador(Temporizador::Gota, gota);
  ActivarTemporizador(Temporizador::BloqueExtra, bloque);
  e_.InicioReloj = plataforma_.reloj();
}

}  // namespace tumbla
