// The level-selection window's logic, and the two game steps around it:
// opening it and starting the chosen level.
#include "progress/SelectorNiveles.h"

#include <algorithm>
#include <cmath>

#include "game/Partida.h"
#include "progress/Ayuda.h"

namespace tumbla {

namespace {

constexpr int kAjusteMarco = 60;  // the frame sits 60 twips around its button

}  // namespace

SelectorNiveles::SelectorNiveles(Partida& partida)
    : partida_(partida),
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

void SelectorNiveles::Activar(int superados, bool enJuego, int nivelActual, bool bloqueoActivo) {
  Superados_ = superados;
  BloqueoActivo_ = bloqueoActivo;
  int objetivo;
  if (enJuego) {
    titulo_ = "Juego pausado. Pulsa ESCAPE para continuar.";
    objetivo = nivelActual;
  } else if (nivelActual != 0) {
    titulo_ = "¿Volver a intentarlo?";
    objetivo = nivelActual;
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
    } else if (const Grupo* g = BuscarGrupo(std::string_view(partida_.niveles().Clave(n)).substr(0, 5))) {
      b.color = g->color;
    }
  }
}

void SelectorNiveles::MostrarDatos(int i) {
  const BotonNivel& b = cmdNivel_[static_cast<size_t>(i)];
  if (b.texto.empty()) {
    lblDatos_.clear();
  } else {
    lblDatos_ = "Nivel: " + b.texto + " - ";
    const int n = scrNiveles_ * kPorFila + i + 1;
    if (n <= kNumNiveles) {
      if (const Grupo* g = BuscarGrupo(std::string_view(partida_.niveles().Clave(n)).substr(0, 5))) {
        lblDatos_ += g->textoDatos;
      }
    }
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
  abierto_ = false;
  partida_.JugarNivel(nivel, b.color == kColorGris);
}

void SelectorNiveles::Continuar() {
  abierto_ = false;
  partida_.ContinuarPartida(BloqueoActivo_);
}

// ---------------------------------------------------------------------------

void Partida::AbrirSelectorNiveles() {
  // A stored value out of range must neither scroll past the end nor grey
  // out every level. The extra blocks wait while the window shows.
  const long superados = LeerNumeroLeniente(LeerIni(kSeccionIni, "AMAITUTAKOA", "0"));
  const bool bloqueo = e.timBloqueExtra.activo;
  ActivarTemporizador(Temporizador::BloqueExtra, false);
  selector_.Activar(static_cast<int>(std::clamp<long>(superados, 0, kNumNiveles)), e.Jugando || e.PersianaVisible,
                    e.NivelActual, bloqueo);
  plataforma_.mostrarSelectorNiveles();
  // A window closed some other way (its close box) continues like Escape.
  if (selector_.Abierto()) selector_.Continuar();
  e.DemostracionPedida = false;
}

void Partida::ContinuarPartida(bool bloqueoActivo) {
  // The time spent in the window does not count against the level clock.
  ReanudarReloj();
  ActivarTemporizador(Temporizador::BloqueExtra, bloqueoActivo);
  plataforma_.cerrarSelectorNiveles();
}

void Partida::JugarNivel(int posicion, bool gris) {
  if (e.DemostracionPedida && !e.Demostrando) {
    e.Demostrando = true;
    e.NivelAntesDemostracion = e.NivelActual;
  }
  e.NoGuardarProgreso = gris;
  e.PersianaVisible = false;
  e.Parpadeo = false;
  e.Puntos = 0;
  e.NivelActual = static_cast<int16_t>(posicion - 1);
  e.Jugando = e.Pausado = false;
  PonerTemporizador(Temporizador::Juego, true, 300);

  EmpezarNivel();
  const uint32_t gen = generacion_;
  plataforma_.cerrarSelectorNiveles();

  std::string titulo;
  std::string texto;
  if (e.Demostrando || !TextoIntroduccion(e.NivelActual, titulo, texto)) return;

  // Nothing moves while the player reads the introduction; the level clock
  // starts when it is closed.
  const bool juego = e.timJuego.activo;
  const bool gota = e.timGota.activo;
  const bool bloque = e.timBloqueExtra.activo;
  ActivarTemporizador(Temporizador::Juego, false);
  ActivarTemporizador(Temporizador::Gota, false);
  ActivarTemporizador(Temporizador::BloqueExtra, false);
  const bool enDialogo = e.EnDialogo;
  e.EnDialogo = true;
  Mensaje(Icono::Informacion, texto, titulo);
  e.EnDialogo = enDialogo;
  if (gen != generacion_) return;
  ActivarTemporizador(Temporizador::Juego, juego);
  ActivarTemporizador(Temporizador::Gota, gota);
  ActivarTemporizador(Temporizador::BloqueExtra, bloque);
  e.InicioReloj = Reloj();
}

}  // namespace tumbla
