// Level start: the next position of the sequence is set up (mode, board,
// handicaps, objective, clock, game-type label) and its first piece enters.
// Also the board frame and the block count of ROTATOR Plus.
#include <cstdio>
#include <cstdlib>

#include "game/Juego.h"

namespace tumbla {

namespace {

constexpr int kSegundosGotaPlanta = 150;   // GOTEATOR, PODATOR: 2:30
constexpr int kSegundosJuntarLimpiar = 90;  // JUNTATOR, ROTATOR Plus: 1:30

std::string TresCifras(int n) {
  char texto[16];
  std::snprintf(texto, sizeof texto, "%03d", n);
  return texto;
}

}  // namespace

void Juego::EmpezarNivel() {
  // 1. Past the last position the whole game is done.
  e_.NivelActual = static_cast<int16_t>(e_.NivelActual + 1);
  if (e_.NivelActual > kNumNiveles) {
    FinPartida(0);
    return;
  }
  NuevaGeneracion();

  // 2. The key of this position.
  const std::string& clave = niveles_.Clave(e_.NivelActual);
  const int numero = NumeroDeClave(clave);
  const Grupo* grupo = BuscarGrupo(GrupoDeClave(clave));

  // 3. Mode flags: only the group's own.
  e_.ModoClasico = e_.ModoPanic = e_.ModoSuperpanic = e_.ModoGoteator = false;
  e_.ModoRotator = e_.ModoRotatorPlus = e_.ModoJuntator = e_.ModoPodator = false;
  e_.ObjetivoLineas = false;
  if (grupo != nullptr) {
    switch (grupo->modo) {
      case Modo::Clasico: e_.ModoClasico = true; break;
      case Modo::Panic: e_.ModoPanic = true; break;
      case Modo::Superpanic: e_.ModoSuperpanic = true; break;
      case Modo::Goteator: e_.ModoGoteator = true; break;
      case Modo::Rotator: e_.ModoRotator = true; break;
      case Modo::RotatorPlus: e_.ModoRotatorPlus = true; break;
      case Modo::Juntator: e_.ModoJuntator = true; break;
      case Modo::Podator: e_.ModoPodator = true; break;
    }
    e_.TipoNivel = grupo->tipo;
  }

  // 4. The record. Every built-in key has one; a missing one is a fault in
  // the built-in data and must not go unnoticed.
  const int r = niveles_.Buscar(e_.TipoNivel, numero);
  if (r < 0) {
    std::fprintf(stderr, "tumbla: level %d (%s) has no record of type %s number %d\n",
                 e_.NivelActual, clave.c_str(), e_.TipoNivel.c_str(), numero);
    std::abort();
  }
  const auto dato = [&](int c) { return niveles_.DatoNumero(r, c); };

  // 5-6. An empty board inside its walls and floor (walls have no picture).
  for (int i = 0; i < kCeldas; ++i) EscribirCelda(i, kLibre);
  for (int i = 0; i < kCeldas; ++i) {
    if (Columna(i) == 0 || Columna(i) == kAncho - 1 || Fila(i) == kAlto - 1) {
      EscribirCelda(i, kMuro, kSinImagen);
    }
  }

  // 7. Handicap icons fill the slots from the left.
  p_.imgObstaculo.fill(kSinImagen);
  size_t icono = 0;
  const auto mostrarIcono = [&](Imagen imagen) {
    if (icono < p_.imgObstaculo.size()) p_.imgObstaculo[icono++] = imagen;
  };

  // 8. Extra blocks (an interval of 0 never fires).
  const int periodoBloques = dato(campo::kBloquesExtra);
  PonerTemporizador(Temporizador::BloqueExtra, true, periodoBloques * 1000);
  if (periodoBloques > 0) mostrarIcono(kIconBloquesExtra);

  // 9. Rising board.
  const int subida = dato(campo::kSubida);
  if (subida > 0) {
    e_.IntervaloSubida = e_.ContadorSubida = static_cast<int16_t>(subida);
    mostrarIcono(kIconSubirNivel);
  } else {
    e_.IntervaloSubida = e_.ContadorSubida = 0;
  }

  // 10. Fixed blocks; in PODATOR the first cell is the pot, with the plant's
  // first cell just above it.
  e_.Planta.clear();
  const std::vector<int> celdas = niveles_.Celdas(r);
  for (size_t k = 0; k < celdas.size(); ++k) {
    const int c = celdas[k];
    if (e_.ModoPodator && k == 0) {
      EscribirCelda(c, kMaceta);
      EscribirCelda(c - kAncho, kFlorBlanca);
      e_.Planta = {static_cast<int16_t>(c), static_cast<int16_t>(c - kAncho)};
      e_.CeldaGota = static_cast<int16_t>(c - kAncho);
      e_.DireccionPlanta = 0;
    } else {
      EscribirCelda(c, kMuro);
    }
  }

  // 11. Rows that only vanish together.
  e_.BorrarCada = static_cast<int16_t>(dato(campo::kBorrarCada));
  if (e_.BorrarCada != 0) mostrarIcono(kIconBorrarCada);
  else e_.BorrarCada = 1;

  // 12. Panic and Superpanic.
  if (e_.ModoPanic) mostrarIcono(kIconPanic);
  else if (e_.ModoSuperpanic) mostrarIcono(kIconSuperPanic);

  // 13. The pink drop.
  const int gotaRosa = dato(campo::kGotaRosa);
  if (gotaRosa > 0 && e_.ModoJuntator) EscribirCelda(gotaRosa, kGotaRosa);

  // 14. The blue drop, and the timer that lets it fall.
  const int gota = dato(campo::kGota);
  if (gota != 0 && (e_.ModoGoteator || e_.ModoJuntator)) {
    e_.CeldaGota = static_cast<int16_t>(gota);
    EscribirCelda(gota, kGotaAzul);
    ActivarTemporizador(Temporizador::Gota, true);
  } else {
    ActivarTemporizador(Temporizador::Gota, false);
  }

  // 15. Frame around the square board or the whole board.
  AjustarMarco(ModoCuadrado(e_));

  // 16. Game type: "008: ROTATOR" on the group's colour.
  p_.lblTipoJuego.visible = true;
  p_.lblTipoJuego.texto = TresCifras(e_.NivelActual) + ": " + (grupo ? grupo->nombre : "");
  if (grupo != nullptr) p_.colorTipoJuego = grupo->color;

  // 17. Objective panel.
  p_.lblObjetivo.visible = true;
  p_.imgObjetivo[1] = kSinImagen;
  if (e_.ModoClasico || e_.ModoPanic || e_.ModoSuperpanic || e_.ModoRotator) {
    e_.ObjetivoLineas = true;
    p_.imgObjetivo[0] = kIconLineas;
    e_.LineasRestantes = static_cast<int16_t>(dato(campo::kLineas));
    p_.lblObjetivo.texto = "x" + std::to_string(e_.LineasRestantes);
  } else if (e_.ModoRotatorPlus) {
    p_.imgObjetivo[0] = kMuro;
    ContarBloques();
  } else if (e_.ModoGoteator) {
    p_.imgObjetivo[0] = kGotaAzul;
    p_.lblObjetivo.texto = "x1";
  } else if (e_.ModoPodator) {
    p_.imgObjetivo[0] = kMaceta;
    p_.lblObjetivo.texto = "x1";
  } else if (e_.ModoJuntator) {
    p_.imgObjetivo[0] = kGotaAzul;
    p_.imgObjetivo[1] = kGotaRosa;
    p_.lblObjetivo.texto = "x1";
  }

  // 18. Level clock.
  if (e_.ModoGoteator || e_.ModoPodator) {
    e_.SegundosLimite = kSegundosGotaPlanta;
    p_.lblTiempo = {TextoReloj(kSegundosGotaPlanta), true};
  } else if (e_.ModoJuntator || e_.ModoRotatorPlus) {
    e_.SegundosLimite = kSegundosJuntarLimpiar;
    p_.lblTiempo = {TextoReloj(kSegundosJuntarLimpiar), true};
  } else {
    p_.lblTiempo = {"", false};
  }

  // 19. The next piece, from the piece set in force.
  const int n = plataforma_.aleatorio(Sorteo::Pieza, e_.NumTiposFicha);
  e_.FichaSiguiente = static_cast<int16_t>(Catalogo::EntradaLista(e_.PrimerTipoFicha + n));
  DibujarSiguiente();

  // 20. A fresh level in play: no pause, no pending command, the shutter up.
  e_.Posicion = e_.PosicionAnterior = kCeldaEntrada;
  e_.Jugando = true;
  e_.Pausado = false;
  e_.InicioReloj = plataforma_.reloj();
  e_.TorpedoPendiente = false;
  e_.NoCabeForzado = false;
  e_.GotaCayendo = false;
  e_.CargaTorpedo = 0;
  e_.Orden.clear();
  e_.TurnosPendientes = 0;
  e_.FichaActiva = false;
  e_.FichasEntradas = 0;
  e_.NivelTerminado = false;
  e_.BajandoPersiana = false;
  p_.lblPausa.visible = false;
  p_.persianaVisible = false;
  p_.filasPersiana = 0;
  p_.textoPersiana.clear();
  p_.lblInicio.visible = false;
  p_.panelCambiado = true;
  e_.PuntosAlEmpezar = e_.Puntos;
  MostrarPuntos();
  MostrarRecord();

  // 21. The first piece.
  EntrarFicha();
}

void Juego::AjustarMarco(bool cuadrado) {
  p_.marcoCuadrado = cuadrado;
  p_.marcoVisible = true;
  p_.panelCambiado = true;
}

int Juego::ContarBloques() {
  if (!e_.ModoRotatorPlus) return 0;
  int bloques = 0;
  for (int i = 0; i < kBaseFilaInferior + kAncho; ++i) {
    if (Columna(i) != 0 && Columna(i) != kAncho - 1 && e_.tablero[i] == kMuro) ++bloques;
  }
  p_.lblObjetivo.texto = "x" + std::to_string(bloques);
  p_.panelCambiado = true;
  return bloques;
}

}  // namespace tumbla
