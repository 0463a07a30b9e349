#include "game/Presentador.h"

#include <cstdio>

#include "game/Partida.h"
#include "modes/ReglasGrupo.h"

namespace tumbla {

namespace {

constexpr const char* kTextoPersiana = "Pulsa <INTRO> para continuar.";

// The picture that shows a cell value: the block picture of the same number.
int8_t ImagenDeValor(int16_t valor) {
  return valor >= 1 && valor < kIconLineas ? static_cast<int8_t>(valor) : int8_t{kSinImagen};
}

std::string TresCifras(int n) {
  char texto[16];
  std::snprintf(texto, sizeof texto, "%03d", n);
  return texto;
}

void PresentarTablero(const Estado& e, Pantalla& p) {
  if (e.PantallaLimpia) return;
  for (int i = 0; i < kCeldas; ++i) {
    if (!EsMuroExterior(i)) p.imgTablero[static_cast<size_t>(i)] = ImagenDeValor(e.tablero[i]);
  }
  const Pieza ficha = e.FichaEnJuego();
  if (e.FichaActiva || e.FichaTrasFin) {
    for (int k = 0; k < ficha.NumCeldas(); ++k) {
      p.imgTablero[static_cast<size_t>(ficha.Celda(k))] = static_cast<int8_t>(ficha.Color());
    }
  }
  // Where the piece would come to rest, when the player wants to see it.
  if (e.SombraActiva && e.FichaActiva && e.Jugando && e.tablero.Cabe(ficha)) {
    Pieza abajo = ficha;
    while (e.tablero.Cabe(abajo.Movida(kAncho))) abajo = abajo.Movida(kAncho);
    for (int k = 0; k < abajo.NumCeldas(); ++k) p.sombra.set(static_cast<size_t>(abajo.Celda(k)));
  }
  // The preview.
  const Catalogo& cat = Catalogo::Comun();
  const int fila = e.FichaSiguiente;
  for (int k = 1; k <= Catalogo::NumCeldas(fila); ++k) {
    const int i = 12 + Catalogo::DecodificarToken(cat.Campo(fila, k + 1), false);
    if (i >= 0 && i < static_cast<int>(p.imgNext.size())) p.imgNext[static_cast<size_t>(i)] = static_cast<int8_t>(cat.Color(fila));
  }
}

void PresentarNivel(const Estado& e, const CatalogoNiveles& niveles, Pantalla& p) {
  const bool enPantalla = !e.PantallaLimpia;
  if (e.NivelEnPantalla != 0) {
    const Grupo* g = BuscarGrupo(GrupoDeClave(niveles.Clave(e.NivelEnPantalla)));
    p.lblTipoJuego = {TresCifras(e.NivelEnPantalla) + ": " + (g != nullptr ? g->nombre : ""), enPantalla};
    if (g != nullptr) p.colorTipoJuego = g->color;
  }
  if (e.reglas != nullptr && e.NivelEnPantalla != 0) {
    const ObjetivoVisible objetivo = e.reglas->Objetivo(e);
    p.lblObjetivo = {objetivo.texto, enPantalla};
    if (enPantalla) {
      p.imgObjetivo = {objetivo.imagenes[0], objetivo.imagenes[1]};
      // The handicap icons fill their slots from the left.
      size_t k = 0;
      for (Imagen icono : {e.PeriodoBloques > 0 ? kIconBloquesExtra : kSinImagen,
                           e.IntervaloSubida > 0 ? kIconSubirNivel : kSinImagen,
                           e.BorrarCadaRegistro != 0 ? kIconBorrarCada : kSinImagen, e.reglas->Icono()}) {
        if (icono != kSinImagen) p.imgObstaculo[k++] = icono;
      }
      p.marcoCuadrado = e.reglas->Cuadrado();
    }
  }
  p.lblTiempo = {e.ConReloj ? Partida::TextoReloj(e.SegundosReloj) : "", e.RelojVisible};
  p.lblPuntos = {std::to_string(e.Puntos - e.PuntosAlEmpezar), enPantalla};
  p.lblRecord = {std::to_string(e.RecordNivel), enPantalla};
}

}  // namespace

Pantalla Presentar(const Estado& e, const CatalogoNiveles& niveles) {
  Pantalla p;
  PresentarTablero(e, p);
  PresentarNivel(e, niveles, p);
  p.lblPausa.visible = e.Pausado;
  p.lblDemo.visible = e.Demostrando;
  p.lblInicio.visible = e.PantallaLimpia && e.Inicializado;
  p.marcoVisible = e.Inicializado;
  p.colorMarco = e.Parpadeo ? kColorRojo : kColorGris;
  p.persianaVisible = e.PersianaVisible;
  p.filasPersiana = e.FilasPersiana;
  p.textoPersiana = e.PersianaEspera ? kTextoPersiana : "";
  p.menuNormal = e.MarcaNormal;
  p.menuDificil = e.MarcaDificil;
  p.menuSonido = e.SonidoActivo;
  p.menuSombra = e.SombraActiva;
  p.menuMinutos = e.Inicializado ? "Minutos extra: " + std::to_string(e.MinutosExtra) : "Minutos";
  return p;
}

void Comparar(const Pantalla& antes, const Pantalla& ahora, Cambios& cambios) {
  for (int i = 0; i < kCeldas; ++i) {
    const auto k = static_cast<size_t>(i);
    if (antes.imgTablero[k] != ahora.imgTablero[k] || antes.sombra[k] != ahora.sombra[k]) cambios.celdas.set(k);
  }
  Pantalla sinTablero = ahora;
  sinTablero.imgTablero = antes.imgTablero;
  sinTablero.sombra = antes.sombra;
  if (!(sinTablero == antes)) cambios.panel = true;
}

}  // namespace tumbla
