// The engine's entry points, its requests to the player and their answers,
// and what it does with a step of the rules.
#include "motor/Juego.h"

#include <cstdio>
#include <cstdlib>

#include "game/Pasos.h"
#include "motor/Presentador.h"

namespace tumbla {

Juego::Juego(Plataforma& plataforma, std::string rutaIni, CatalogoNiveles niveles)
    : plataforma_(plataforma),
      azar_(plataforma),
      niveles_(std::move(niveles)),
      ini_(std::move(rutaIni)),
      almacen_(ini_, demo_),
      ajustes_(almacen_),
      progreso_(almacen_),
      selector_(niveles_),
      tiempos_(plataforma),
      vista_(*this) {
  cambios_.panel = true;
  // Where the window stood: the host places it before anything shows.
  ajustes_.CargarVentana();
}

Juego::~Juego() = default;

// ---- Entry points ------------------------------------------------------------

bool Juego::Disparar(Temporizador t) {
  if (!tiempos_.Vivo(t)) return false;
  switch (t) {
    case Temporizador::Juego:
      TickJuego();
      break;
    case Temporizador::Gota:
      // The drop keeps falling whatever else goes on: during a pause, and
      // under a box the play tick waits for.
      Paso([this](Suceso& s) { PasoGota(mesa_, azar_, s); });
      break;
    case Temporizador::BloqueExtra:
      if (flujo_.Jugando()) Paso([this](Suceso& s) { PasoBloqueExtra(mesa_, azar_, s); });
      break;
  }
  AvisarAjustes();
  return true;
}

bool Juego::Interrumpir(Quien quien) {
  if (!demo_.activa || quien != Quien::Persona) return false;
  TerminarDemostracion();
  return true;
}

void Juego::Tecla(int codigo, Foco foco, Quien quien) {
  if (Interrumpir(quien)) return;
  // The main window's handler sees the key first; the shutter, which has the
  // focus while it shows, then sees it too.
  const Comando principal = teclado_.Principal(codigo, foco);
  EjecutarAccion(principal);
  if (foco == Foco::Persiana && persiana_.visible) {
    const Comando propio = Teclado::DeLaPersiana(codigo);
    if (propio != principal) EjecutarAccion(propio);
  }
  AvisarAjustes();
}

void Juego::Ejecutar(Comando c, Quien quien) {
  Interrumpir(quien);
  EjecutarAccion(c);
  AvisarAjustes();
}

void Juego::Clic() { Interrumpir(Quien::Persona); }

void Juego::Responder(bool aceptar) {
  if (!espera_.Hay() || espera_.peticion.tipo == TipoPeticion::Selector) return;
  const Espera e = espera_;
  espera_ = {};
  switch (e.despues) {
    case Despues::Nada:
    case Despues::Aviso:
      break;
    case Despues::MinutoExtra:
      if (!aceptar) {
        FinPartida(Derrota::Tiempo);
        break;
      }
      progreso_.CambiarMinutos(-1);
      reloj_.MinutoExtra(plataforma_.reloj());
      Gravedad();  // the tick goes on
      break;
    case Despues::FinPartida:
      TrasFinPartida(e.derrota);
      break;
    case Despues::Introduccion:
      tiempos_.Activar(Temporizador::Juego, e.temporizadores[0]);
      tiempos_.Activar(Temporizador::Gota, e.temporizadores[1]);
      tiempos_.Activar(Temporizador::BloqueExtra, e.temporizadores[2]);
      reloj_.Reiniciar(plataforma_.reloj());
      break;
    case Despues::Reset:
      if (aceptar) Pedir(Peticion{TipoPeticion::Pregunta, Icono::Exclamacion, kTituloVentana, "¿Estás seguro/a?"}, Despues::ResetSeguro);
      break;
    case Despues::ResetSeguro:
      // Only the progress goes; extra minutes and options stay.
      if (aceptar) progreso_.Reset();
      break;
    case Despues::Persiana:
      marcador_.FilaPersiana();
      PasoPersiana();
      break;
    case Despues::Selector:
      break;
  }
  AvisarAjustes();
}

void Juego::Elegir(const Eleccion& eleccion) {
  if (espera_.peticion.tipo != TipoPeticion::Selector || eleccion.tipo == Eleccion::Ninguna) return;
  const Espera e = espera_;
  espera_ = {};
  if (eleccion.tipo == Eleccion::Jugar) {
    JugarNivel(eleccion.posicion, eleccion.gris);
  } else {
    ContinuarPartida();
  }
  demo_.pedida = false;
  // Left after a lost game with no level chosen: no level is current.
  if (e.trasPerder && !flujo_.Jugando()) flujo_.nivelActual = 0;
  AvisarAjustes();
}

// ---- Requests ----------------------------------------------------------------

void Juego::Pedir(const Espera& e) {
  // The game asks for one thing at a time: nothing asks while it waits.
  if (espera_.Hay()) {
    std::fprintf(stderr, "tumbla: a request while another one waits\n");
    std::abort();
  }
  espera_ = e;
  plataforma_.pedir(e.peticion);
}

void Juego::Mensaje(Icono icono, const std::string& texto, const std::string& titulo, Despues despues) {
  Pedir(Peticion{TipoPeticion::Mensaje, icono, titulo, texto}, despues);
}

void Juego::Retirar() {
  if (!espera_.Hay()) return;
  if (espera_.despues == Despues::Aviso) avisado_ = false;  // said again at the next chance
  espera_ = {};
  plataforma_.retirar();
}

void Juego::AvisarAjustes() {
  const AlmacenIni::Estado estado = ini_.estado();
  if (avisado_ || estado == AlmacenIni::Estado::Guarda || espera_.Hay() || flujo_.fase == Fase::Apagado) return;
  avisado_ = true;
  Mensaje(Icono::Exclamacion,
          estado == AlmacenIni::Estado::SinLeer
              ? "No se puede leer el archivo de ajustes:\r\r" + ini_.ruta() +
                    "\r\rPuedes seguir jugando, pero sin el progreso, los récords ni las opciones que guarda. Lo de "
                    "esta sesión tampoco se guardará; el archivo se queda como está."
              : "No se puede guardar en el archivo de ajustes:\r\r" + ini_.ruta() +
                    "\r\rPuedes seguir jugando, pero el progreso, los récords y las opciones de esta sesión no se "
                    "guardarán. Lo guardado antes se queda como está.",
          kTituloVentana, Despues::Aviso);
}

void Juego::Sonar(int id) { plataforma_.sonido(id, ajustes_.Sonido()); }

void Juego::Sonar(const Suceso& s) {
  for (int k = 0; k < s.numSonidos; ++k) Sonar(s.sonidos[static_cast<size_t>(k)]);
}

void Juego::Paso(const std::function<void(Suceso&)>& paso) {
  // A step's sounds are heard after it, in the order it made them. Nothing
  // a host shows can tell them from sounds heard as they were made, since a
  // draw shows only as the value handed over; but a draw the host cannot
  // make (a replay script out of values) cuts the step short, and what it
  // made before that draw is still heard.
  Suceso s;
  try {
    paso(s);
  } catch (...) {
    Sonar(s);
    throw;
  }
  Sonar(s);
  marcador_.Anotar(s);
  tiempos_.Poner(Temporizador::Juego, tiempos_[Temporizador::Juego].activo, marcador_.intervalo);
  cambios_.filasBorradas |= s.filasVistas;
  if (s.cumplido) {
    NivelCompletado();
  } else if (s.Perdido()) {
    FinPartida(s.derrota);
  }
}

// ---- The screen ----------------------------------------------------------------

const Pantalla& Juego::pantalla() const {
  Pantalla ahora = Presentar(vista_, niveles_, consejero_);
  Comparar(pantalla_, ahora, cambios_);
  pantalla_ = std::move(ahora);
  return pantalla_;
}

Cambios Juego::TomarCambios() {
  pantalla();
  Cambios c = cambios_;
  cambios_ = {};
  return c;
}

}  // namespace tumbla
