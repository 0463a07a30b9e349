// The engine's entry points, the flow's moves, its requests to the player
// and their answers, and what it does with a step of the rules.
#include "motor/Juego.h"

#include <cstdio>
#include <cstdlib>
#include <type_traits>

#include "game/Pasos.h"
#include "motor/Ayuda.h"
#include "motor/Presentador.h"

namespace tumbla {

Juego::Juego(Plataforma& plataforma, std::string rutaIni, CatalogoNiveles niveles)
    : plataforma_(plataforma),
      azar_(plataforma),
      niveles_(std::move(niveles)),
      ini_(std::move(rutaIni)),
      almacen_(ini_, flujo_),
      ajustes_(almacen_),
      progreso_(almacen_),
      selector_(niveles_),
      tiempos_(plataforma),
      vista_({&mesa_, &flujo_, &nivelActual_, &nivel_, &reloj_, &marcador_, &ajustes_, &progreso_, &tiempos_}) {
  // Where the window stood: the host places it before anything shows.
  ajustes_.CargarVentana();
  plataforma_.idioma(ajustes_.Lengua());
  Presentar();
  cambios_.panel = true;
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
      if (vista_.Jugando()) Paso([this](Suceso& s) { PasoBloqueExtra(mesa_, azar_, s); });
      break;
  }
  AvisarAjustes();
  Presentar();
  return true;
}

bool Juego::Interrumpir(Quien quien) {
  if (!vista_.EnDemostracion() || quien != Quien::Persona) return false;
  TerminarDemostracion();
  return true;
}

void Juego::Tecla(int codigo, Contexto donde, bool repeticion) {
  if (!Interrumpir(Quien::Persona)) {
    // A box or window of the game's has the keys while it shows; on the
    // board, the shutter has the focus while it shows.
    if (flujo::PeticionDe(flujo_).tipo != TipoPeticion::Ninguna) {
      donde = Contexto::Caja;
    } else if (donde == Contexto::Tablero || donde == Contexto::Persiana) {
      donde = vista_.NivelTerminado() ? Contexto::Persiana : Contexto::Tablero;
    }
    EjecutarAccion(teclado_.Resolver(codigo, repeticion, donde));
    AvisarAjustes();
  }
  Presentar();
}

void Juego::Ejecutar(Comando c, Quien quien) {
  Interrumpir(quien);
  EjecutarAccion(c);
  AvisarAjustes();
  Presentar();
}

void Juego::Clic() {
  Interrumpir(Quien::Persona);
  Presentar();
}

void Juego::Responder(bool aceptar) {
  const flujo::Situacion antes = flujo_;
  const TipoPeticion tipo = flujo::PeticionDe(antes).tipo;
  if (tipo == TipoPeticion::Ninguna || tipo == TipoPeticion::Selector) return;
  // The answer takes the request away: the game stands where it stood under it.
  Pasar(flujo::Debajo(antes));
  if (const auto* e = std::get_if<flujo::Esperando>(&antes)) {
    switch (e->despues) {
      case flujo::Despues::Nada:
      case flujo::Despues::Aviso:
        break;
      case flujo::Despues::MinutoExtra:
        if (!aceptar) {
          FinPartida(Derrota::Tiempo);
          break;
        }
        progreso_.CambiarMinutos(-1);
        reloj_.MinutoExtra(plataforma_.reloj());
        Gravedad();  // the tick goes on
        break;
      case flujo::Despues::Reset:
        if (aceptar) {
          Pedir(Peticion{TipoPeticion::Pregunta, Icono::Exclamacion, kTituloVentana,
                         Texto(TUMBLA_TEXTO("Juego", "¿Estás seguro/a?"))},
                flujo::Despues::ResetSeguro);
        }
        break;
      case flujo::Despues::ResetSeguro:
        // Only the progress goes; extra minutes and options stay.
        if (aceptar) progreso_.Reset();
        break;
      case flujo::Despues::Ver:
        // The replay chosen plays where the board was; leaving it comes back here.
        if (aceptar) Pasar(flujo::Repeticion{{TipoPeticion::Visor, Icono::Informacion, "REPETICIÓN", ""}, Fondo()});
        break;
    }
  } else if (const auto* p = std::get_if<flujo::Perdido>(&antes)) {
    // The screen is cleared; the board values stay as they were. After a
    // loss the player picks the next level at once.
    reloj_.Ocultar();
    if (p->derrota != Derrota::Ninguna) AbrirNuevo(flujo::Para::Reintentar);
  } else if (const auto* i = std::get_if<flujo::Introduccion>(&antes)) {
    tiempos_.Activar(Temporizador::Juego, i->temporizadores[0]);
    tiempos_.Activar(Temporizador::Gota, i->temporizadores[1]);
    tiempos_.Activar(Temporizador::BloqueExtra, i->temporizadores[2]);
    reloj_.Reiniciar(plataforma_.reloj());
  } else if (const flujo::Persiana* persiana = flujo::Aqui<flujo::Persiana>(flujo_)) {
    const flujo::Persiana cubiertas = *persiana;
    marcador_.FilaPersiana();
    PasoPersiana(cubiertas);
  }
  AvisarAjustes();
  Presentar();
}

void Juego::Elegir(const Eleccion& eleccion) {
  const auto* abierto = std::get_if<flujo::Selector>(&flujo_);
  if (abierto == nullptr || eleccion.tipo == Eleccion::Ninguna) return;
  const flujo::Selector selector = *abierto;
  Pasar(flujo::Debajo(flujo_));
  const bool demo = selector.para == flujo::Para::Demostracion;
  // A pack's level is open once those before it are completed.
  const auto& p = eleccion.paquete;
  const bool dePaquete = eleccion.tipo == Eleccion::Paquete && !demo && p && eleccion.posicion >= 0 &&
                         eleccion.posicion < static_cast<int>(p->niveles.size()) &&
                         eleccion.posicion <= progreso_.SuperadosPaquete(p->seccion);
  if (eleccion.tipo == Eleccion::Jugar) {
    JugarNivel(eleccion.posicion, eleccion.gris, demo);
  } else if (dePaquete) {
    JugarAjeno(p, eleccion.posicion, false);
  } else {
    // The time spent in the window does not count against the level clock.
    reloj_.Reanudar(plataforma_.reloj());
    tiempos_.Activar(Temporizador::BloqueExtra, selector.bloques);
  }
  // Left after a lost game with no level chosen: no level is current.
  if (selector.para == flujo::Para::Reintentar && !vista_.Jugando()) nivelActual_ = 0;
  AvisarAjustes();
  Presentar();
}

bool Juego::Probar(NivelAjeno nivel) {
  if (flujo::PeticionDe(flujo_).tipo != TipoPeticion::Ninguna || !vista_.SinNivel() ||
      std::holds_alternative<flujo::Apagado>(flujo_)) {
    return false;
  }
  auto prueba = std::make_shared<PaqueteJugable>();
  prueba->nombre = nivel.nombre;
  prueba->niveles.push_back(std::move(nivel));
  JugarAjeno(std::move(prueba), 0, true);
  Presentar();
  return true;
}

void Juego::RecordarVentana(const Geometria& g) {
  ajustes_.RecordarVentana(g);
  AvisarAjustes();
  Presentar();
}

void Juego::PonerConsejero(Consejero* consejero) {
  consejero_ = consejero;
  consejo_.reset();
  consejoPara_ = {-1, -1};
  Presentar();
}

// ---- The flow and its requests -------------------------------------------------

void Juego::Pasar(flujo::Situacion nueva) {
  // The game asks for one thing at a time: an answer, or a request withdrawn,
  // first goes back to what the request stood over.
  const bool pide = flujo::PeticionDe(nueva).tipo != TipoPeticion::Ninguna;
  if (!flujo::Permitida(flujo_, nueva) || (pide && flujo::PeticionDe(flujo_).tipo != TipoPeticion::Ninguna)) {
    std::fprintf(stderr, "tumbla: the flow cannot go from %s to %s\n", flujo::Nombre(flujo_), flujo::Nombre(nueva));
    std::abort();
  }
  flujo_ = std::move(nueva);
  if (pide) plataforma_.pedir(flujo::PeticionDe(flujo_));
}

void Juego::PasarNivel(const EnNivel& nivel) {
  // Whoever plays the level on someone's behalf (the demo) goes on playing it.
  const flujo::Situacion ahora = flujo_;
  std::visit(
      [&](const auto& x) {
        if constexpr (flujo::JuegaUnNivel<std::decay_t<decltype(x)>>) {
          auto sigue = x;
          sigue.nivel = nivel;
          Pasar(sigue);
        } else {
          std::visit([this](const auto& n) { Pasar(n); }, nivel);
        }
      },
      ahora);
}

void Juego::Pedir(const Peticion& p, flujo::Despues despues) {
  Pasar(flujo::Esperando{p, despues, Fondo()});
}

flujo::Fondo Juego::Fondo() const {
  return std::visit(
      [this](const auto& x) -> flujo::Fondo {
        if constexpr (std::is_constructible_v<flujo::Fondo, decltype(x)>) {
          return x;
        } else {
          std::fprintf(stderr, "tumbla: nothing can be asked while the game is %s\n", flujo::Nombre(flujo_));
          std::abort();
        }
      },
      flujo_);
}

void Juego::Mensaje(Icono icono, const std::string& texto, const std::string& titulo, flujo::Despues despues) {
  Pedir(Peticion{TipoPeticion::Mensaje, icono, titulo, texto}, despues);
}

void Juego::Retirar() {
  if (flujo::PeticionDe(flujo_).tipo == TipoPeticion::Ninguna) return;
  const auto* e = std::get_if<flujo::Esperando>(&flujo_);
  if (e != nullptr && e->despues == flujo::Despues::Aviso) avisado_ = false;  // said again at the next chance
  Pasar(flujo::Debajo(flujo_));
  plataforma_.retirar();
}

void Juego::AvisarAjustes() {
  const AlmacenIni::Estado estado = ini_.estado();
  if (avisado_ || estado == AlmacenIni::Estado::Guarda || flujo::PeticionDe(flujo_).tipo != TipoPeticion::Ninguna ||
      std::holds_alternative<flujo::Apagado>(flujo_)) {
    return;
  }
  avisado_ = true;
  Mensaje(Icono::Exclamacion,
          Formato(Texto(estado == AlmacenIni::Estado::SinLeer
                            ? TUMBLA_TEXTO("Juego",
                                           "No se puede leer el archivo de ajustes:\r\r%1\r\rPuedes seguir jugando, "
                                           "pero sin el progreso, los récords ni las opciones que guarda. Lo de esta "
                                           "sesión tampoco se guardará; el archivo se queda como está.")
                            : TUMBLA_TEXTO("Juego",
                                           "No se puede guardar en el archivo de ajustes:\r\r%1\r\rPuedes seguir "
                                           "jugando, pero el progreso, los récords y las opciones de esta sesión no se "
                                           "guardarán. Lo guardado antes se queda como está.")),
                  {ini_.ruta()}),
          kTituloVentana, flujo::Despues::Aviso);
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

void Juego::Presentar() {
  // The hint: where the computer player would put a new piece, worked out
  // once, when the piece is in play and moves.
  if (consejero_ != nullptr && (ajustes_.Pista() || vista_.EnDemostracion()) && mesa_.hayFicha && vista_.EnJuego()) {
    const std::pair<int, long> pieza{nivelActual_, mesa_.fichasEntradas};
    if (pieza != consejoPara_) {
      consejoPara_ = pieza;
      consejo_ = consejero_->Consejo(vista_.panorama());
    }
  }
  Pantalla ahora = tumbla::Presentar(vista_, Registros(), consejo_, ajenos_ ? ajeno_ + 1 : 0, plataforma_);
  Comparar(pantalla_, ahora, cambios_);
  pantalla_ = std::move(ahora);
}

Cambios Juego::TomarCambios() {
  Cambios c = cambios_;
  cambios_ = {};
  return c;
}

}  // namespace tumbla
