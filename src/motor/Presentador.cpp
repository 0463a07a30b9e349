#include "motor/Presentador.h"

#include <cstdio>

#include "game/Pasos.h"
#include "game/Reglas.h"

namespace tumbla {

namespace {

constexpr const char* kTextoPersiana = TUMBLA_TEXTO("Pantalla", "Pulsa <INTRO> para continuar.");

// The picture that shows a cell value: the block picture of the same number.
int8_t ImagenDeValor(int16_t valor) {
  return valor >= 1 && valor < kIconLineas ? static_cast<int8_t>(valor) : int8_t{kSinImagen};
}

std::string TresCifras(int n) {
  char texto[16];
  std::snprintf(texto, sizeof texto, "%03d", n);
  return texto;
}

// Nothing of a level shows before the first one and once a game is over.
void PresentarTablero(const Vista& v, const std::optional<Pieza>& consejo, Pantalla& p) {
  if (v.SinNivel()) return;
  const Mesa& m = v.mesa();
  for (int i = 0; i < kCeldas; ++i) {
    if (!EsMuroExterior(i)) p.imgTablero[static_cast<size_t>(i)] = ImagenDeValor(m.tablero[i]);
  }
  const Pieza ficha = m.ficha;
  const auto* perdido = std::get_if<flujo::Perdido>(&v.situacion());
  if (m.hayFicha || (perdido != nullptr && perdido->conFicha)) {
    for (int k = 0; k < ficha.NumCeldas(); ++k) {
      p.imgTablero[static_cast<size_t>(ficha.Celda(k))] = static_cast<int8_t>(ficha.Color());
    }
  }
  // Where the piece would come to rest, when the player wants to see it.
  if (v.ajustes().Sombra() && m.hayFicha && v.Jugando() && m.tablero.Cabe(ficha)) {
    const Pieza abajo = Caida(m.tablero, ficha);
    for (int k = 0; k < abajo.NumCeldas(); ++k) p.sombra.set(static_cast<size_t>(abajo.Celda(k)));
  }
  // Where the computer would put it, when the player asks for a hint.
  // A demo always shows where the computer means to put the piece.
  if ((v.ajustes().Pista() || v.EnDemostracion()) && m.hayFicha && v.EnJuego() && consejo) {
    for (int k = 0; k < consejo->NumCeldas(); ++k) {
      const int i = consejo->Celda(k);
      if (i >= 0 && i < kCeldas) p.pista.set(static_cast<size_t>(i));
    }
  }
  // The preview.
  const Catalogo& cat = Catalogo::Comun();
  const int fila = m.siguiente;
  for (int k = 1; k <= Catalogo::NumCeldas(fila); ++k) {
    const int i = 12 + Catalogo::DecodificarToken(cat.Campo(fila, k + 1), false);
    if (i >= 0 && i < static_cast<int>(p.imgNext.size())) p.imgNext[static_cast<size_t>(i)] = static_cast<int8_t>(cat.Color(fila));
  }
}

// What the panel calls the level: the game's own by its number. One from
// outside plays at its group's first position, which is not its number: a
// pack's shows its place in the pack, and one tried from the editor says so.
std::string NumeroEnPanel(const Vista& v, int enPaquete, const Traductor& tr) {
  if (flujo::En<flujo::Prueba>(v.situacion()) != nullptr) return tr.traducir("Pantalla", TUMBLA_TEXTO("Pantalla", "PRUEBA"));
  if (enPaquete > 0) return Formato(tr.traducir("Pantalla", TUMBLA_TEXTO("Pantalla", "Nº %1")), {std::to_string(enPaquete)});
  return TresCifras(v.nivel().posicion);
}

void PresentarNivel(const Vista& v, const CatalogoNiveles& niveles, int enPaquete, const Traductor& tr, Pantalla& p) {
  const bool enPantalla = !v.SinNivel();
  const Nivel& nivel = v.nivel();
  const Mesa& m = v.mesa();
  if (nivel.posicion != 0) {
    const Grupo* g = BuscarGrupo(GrupoDeClave(niveles.Clave(nivel.posicion)));
    p.lblTipoJuego = {NumeroEnPanel(v, enPaquete, tr) + ": " + (g != nullptr ? g->nombre : ""), enPantalla};
    if (g != nullptr) p.colorTipoJuego = g->color;
  }
  if (m.reglas != nullptr && nivel.posicion != 0) {
    const ObjetivoVisible objetivo = m.reglas->Objetivo(m);
    p.lblObjetivo = {objetivo.texto, enPantalla};
    if (enPantalla) {
      p.imgObjetivo = {objetivo.imagenes[0], objetivo.imagenes[1]};
      // The handicap icons fill their slots from the left.
      size_t k = 0;
      for (Imagen icono : {nivel.periodoBloques > 0 ? kIconBloquesExtra : kSinImagen,
                           m.subida.intervalo > 0 ? kIconSubirNivel : kSinImagen,
                           nivel.borrarCadaRegistro != 0 ? kIconBorrarCada : kSinImagen, m.reglas->Icono()}) {
        if (icono == kSinImagen) continue;
        if (icono == kIconBorrarCada) p.cifraObstaculo[k] = std::to_string(m.borrarCada);
        p.imgObstaculo[k++] = icono;
      }
      p.marco.cuadrado = m.reglas->Cuadrado();
    }
  }
  p.lblTiempo = {v.reloj().Texto(), v.reloj().Visible()};
  p.lblPuntos = {std::to_string(v.marcador().PuntosNivel()), enPantalla};
  p.lblRecord = {std::to_string(v.marcador().record), enPantalla};
  p.lblPista.visible = enPantalla && v.marcador().conPista && !v.EnDemostracion();
}

}  // namespace

Pantalla Presentar(const Vista& v, const CatalogoNiveles& niveles, const std::optional<Pieza>& consejo,
                   int enPaquete, const Traductor& tr) {
  const auto t = [&tr](const char* fuente) { return tr.traducir("Pantalla", fuente); };
  Pantalla p;
  for (Etiqueta* e : {&p.lblPausa, &p.lblPista, &p.lblInicio}) e->texto = t(e->texto.c_str());
  PresentarTablero(v, consejo, p);
  PresentarNivel(v, niveles, enPaquete, tr, p);
  const bool arrancado = !std::holds_alternative<flujo::Apagado>(v.situacion());
  // A menu's hold is no pause the player must end.
  p.lblPausa.visible = v.pausa() == flujo::Pausa::Pausado;
  p.lblDemo.visible = v.EnDemostracion();
  p.lblInicio.visible = v.SinNivel() && arrancado;
  p.marco.visible = arrancado;
  // With fewer flashes the frame turns red once, for all the last seconds.
  p.marco.color = (v.ajustes().MenosDestellos() ? v.reloj().Aviso() : v.reloj().Parpadeo()) ? kColorRojo : kColorGris;
  const flujo::Persiana* persiana = v.persiana();
  p.persianaVisible = persiana != nullptr;
  p.filasPersiana = persiana != nullptr ? persiana->filas : 0;
  p.textoPersiana = persiana != nullptr && !persiana->bajando ? t(kTextoPersiana) : "";
  p.menuNormal = v.ajustes().Fichas() == 0;
  p.menuDificil = v.ajustes().Fichas() == 1;
  p.menuSonido = v.ajustes().Sonido();
  p.menuSombra = v.ajustes().Sombra();
  p.menuPista = v.ajustes().Pista();
  p.menuPantallaCompleta = v.ajustes().PantallaCompleta();
  p.aspecto = {v.ajustes().Paleta(), v.ajustes().MenosDestellos(), v.ajustes().Lengua()};
  p.menuMinutos = arrancado
                      ? Formato(t(TUMBLA_TEXTO("Pantalla", "Minutos extra: %1")), {std::to_string(v.MinutosExtra())})
                      : t(TUMBLA_TEXTO("Pantalla", "Minutos"));
  return p;
}

void Comparar(const Pantalla& antes, const Pantalla& ahora, Cambios& cambios) {
  for (int i = 0; i < kCeldas; ++i) {
    const auto k = static_cast<size_t>(i);
    if (antes.imgTablero[k] != ahora.imgTablero[k] || antes.sombra[k] != ahora.sombra[k] ||
        antes.pista[k] != ahora.pista[k]) {
      cambios.celdas.set(k);
    }
  }
  Pantalla sinTablero = ahora;
  sinTablero.imgTablero = antes.imgTablero;
  sinTablero.sombra = antes.sombra;
  sinTablero.pista = antes.pista;
  if (!(sinTablero == antes)) cambios.panel = true;
}

}  // namespace tumbla
