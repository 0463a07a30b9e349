// Start-up, what each command does (the keys of play and the menu items),
// and the demo.
#include "game/Pasos.h"
#include "motor/Juego.h"
#include "motor/Ayuda.h"

namespace tumbla {

void Juego::Inicializar() {
  // The screen before any level shows already behind the start-up box: the
  // framed empty board, the clock at "0:00" and how to begin.
  Pasar(flujo::SinNivel{});
  reloj_.Arrancar();
  ini_.Abrir();
  const bool premio = progreso_.PremioDiario(plataforma_.hoy());
  ajustes_.Cargar();
  plataforma_.idioma(ajustes_.Lengua());
  teclado_.Cargar(almacen_);
  mesa_.fichas = ajustes_.JuegoDeFichas();
  marcador_.puntos = 0;
  if (premio) {
    Mensaje(Icono::Informacion,
            Formato(Texto(TUMBLA_TEXTO("Juego", "Enhorabuena! Acabas de obtener otro minuto extra.\r\rYa tienes %1 "
                                                "minutos extra acumulados.")),
                    {std::to_string(progreso_.MinutosExtra())}),
            kTituloVentana);
  }
  AvisarAjustes();
  Presentar();
}

void Juego::EjecutarAccion(Comando c) {
  // While the game waits for the player, the box or window it opened has
  // the keyboard and the menus (but "Salir").
  if (c == Comando::Ninguno || std::holds_alternative<flujo::Apagado>(flujo_)) return;
  if (c == Comando::Salir) {
    // The game ends whatever shows: a box goes unanswered, and nothing runs on.
    Retirar();
    tiempos_.Parar();
    Pasar(flujo::Apagado{});
    return;
  }
  if (flujo::PeticionDe(flujo_).tipo != TipoPeticion::Ninguna) return;
  // A menu only holds play while it is open: its closing, or whatever was
  // chosen in it, finds the game as it was before the menu opened.
  if (vista_.pausa() == flujo::Pausa::Menu && c != Comando::MenuAbierto) Reanudar();
  switch (c) {
    case Comando::Sonido:
      ajustes_.CambiarSonido();
      break;
    case Comando::Continuar:
      Continuar();
      break;
    case Comando::Nuevo:
      AbrirNuevo(flujo::Para::Jugar);
      break;
    case Comando::Ayuda:
      PausarYa();  // the help covers the board
      MenuAyuda();
      break;
    case Comando::AcercaDe:
      PausarYa();
      Pedir(Peticion{TipoPeticion::Creditos, Icono::Informacion, Texto(TUMBLA_TEXTO("Juego", "Acerca de Tumbla")), ""});
      break;
    case Comando::Demostracion:
      MenuDemostracion();
      break;
    case Comando::Normal:
    case Comando::Dificil:
      MenuPiezas(c == Comando::Dificil ? 1 : 0);
      break;
    case Comando::Reset:
      MenuReset();
      break;
    case Comando::Sombra:
      ajustes_.CambiarSombra();
      break;
    case Comando::Pista:
      ajustes_.CambiarPista();
      marcador_.conPista |= ajustes_.Pista() && vista_.Jugando();
      break;
    case Comando::PantallaCompleta:
      ajustes_.CambiarPantallaCompleta();
      break;
    case Comando::ColoresPropios:
      ajustes_.ElegirColores(Colores::Propios);
      break;
    case Comando::ColoresDaltonismo:
      ajustes_.ElegirColores(Colores::Daltonismo);
      break;
    case Comando::ColoresContraste:
      ajustes_.ElegirColores(Colores::Contraste);
      break;
    case Comando::MenosDestellos:
      ajustes_.CambiarMenosDestellos();
      break;
    case Comando::IdiomaEspanol:
    case Comando::IdiomaIngles:
      // The host speaks it before the screen is presented again.
      ajustes_.ElegirIdioma(c == Comando::IdiomaIngles ? Idioma::Ingles : Idioma::Espanol);
      plataforma_.idioma(ajustes_.Lengua());
      break;
    case Comando::Teclas:
      PausarYa();
      Pedir(Peticion{TipoPeticion::Teclas, Icono::Informacion, Texto(TUMBLA_TEXTO("Juego", "Teclas")), ""});
      break;
    case Comando::Repeticiones:
      PausarYa();
      Pedir(Peticion{TipoPeticion::Repeticiones, Icono::Informacion, Texto(TUMBLA_TEXTO("Juego", "Repeticiones")), ""},
            flujo::Despues::Ver);
      break;
    case Comando::Abandonar:
      // Given up: lost as any lost level, with no minute and no record.
      if (vista_.Jugando()) FinPartida(Derrota::Abandono);
      break;
    case Comando::Ausencia:
      // Only the pause key goes on, as after any pause.
      PausarYa();
      break;
    case Comando::MenuAbierto:
      PausarYa(flujo::Pausa::Menu);
      break;
    case Comando::MenuCerrado:
    case Comando::Menus:
    case Comando::Arriba:
    case Comando::PaginaAnterior:
    case Comando::PaginaSiguiente:
    case Comando::Primero:
    case Comando::Ultimo:
    case Comando::Aceptar:
    case Comando::Cancelar:
      break;
    default:
      AccionDeJuego(c);
      break;
  }
}

void Juego::AccionDeJuego(Comando c) {
  // The commands of play act on the table while a level is in play and not
  // paused; what each does is the rules' (Actuar).
  const flujo::Jugando* j = flujo::Aqui<flujo::Jugando>(flujo_);
  const bool mueve = j != nullptr && j->pausa == flujo::Pausa::No;
  if (c != Comando::Pausa) {
    if (mueve) Paso([this, c](Suceso& s) { Actuar(mesa_, c, azar_, s); });
    return;
  }
  if (j != nullptr && j->pausa != flujo::Pausa::No) {
    Reanudar();
  } else if (mueve) {
    flujo::Jugando pausa = *j;
    pausa.orden = flujo::Orden::Pausa;
    PasarNivel(pausa);
  }
}

bool Juego::AsignarTecla(Comando c, int codigo, Comando& ocupada) {
  return teclado_.Asignar(almacen_, c, codigo, ocupada);
}

void Juego::TeclasPredeterminadas() { teclado_.Predeterminadas(almacen_); }

void Juego::MenuAyuda() {
  std::string ruta;
  if (!EscribirAyuda(carpetasAyuda_.empty() ? CarpetasAyuda(ini_.ruta()) : carpetasAyuda_,
                     teclado_.ParaAyuda(plataforma_), ruta, plataforma_)) {
    Mensaje(Icono::Exclamacion,
            Formato(Texto(TUMBLA_TEXTO("Juego", "No se ha podido escribir la ayuda: %1")), {kArchivoAyuda}),
            kTituloVentana);
  } else if (!plataforma_.abrir(ruta)) {
    Mensaje(Icono::Exclamacion, Formato(Texto(kNoSeAbreLaAyuda), {ruta}), kTituloVentana);
  }
}

void Juego::MenuPiezas(int indice) {
  // It takes effect with the next piece drawn.
  ajustes_.ElegirFichas(indice);
  mesa_.fichas = ajustes_.JuegoDeFichas();
}

void Juego::MenuReset() {
  if (vista_.Jugando() || vista_.NivelTerminado()) {
    Mensaje(Icono::Exclamacion, Texto(TUMBLA_TEXTO("Juego", "Para esta opción debes haber finalizado la partida.")),
            kTituloVentana);
    return;
  }
  Pedir(Peticion{TipoPeticion::Pregunta, Icono::Pregunta, kTituloVentana,
                 Texto(TUMBLA_TEXTO("Juego", "¿Quieres resetear el juego?"))},
        flujo::Despues::Reset);
}

void Juego::MenuDemostracion() {
  TerminarDemostracion();
  AbrirNuevo(flujo::Para::Demostracion);
}

void Juego::TerminarDemostracion(Derrota derrota) {
  const flujo::Demostracion* demo = flujo::En<flujo::Demostracion>(flujo_);
  if (demo == nullptr) return;
  VolverSinNivel(demo->nivelAntes, derrota);
}

void Juego::VolverSinNivel(int16_t antes, Derrota derrota) {
  Retirar();
  tiempos_.Parar();
  Pasar(flujo::SinNivel{derrota});
  ajenos_.reset();
  nivelActual_ = antes;
  RetirarFicha(mesa_);
  marcador_.puntos = 0;
  // The screen as the game starts: an empty board in its full frame, the
  // clock at 0:00.
  nivel_.posicion = 0;
  reloj_.Apagar();
  reloj_.Arrancar();
}

}  // namespace tumbla
