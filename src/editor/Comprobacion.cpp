#include "editor/Comprobacion.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string_view>
#include <vector>

#include "autoplay/Trabajos.h"

namespace tumbla {

Comprobacion::Comprobacion(const NivelPropio& nivel, OpcionesComprobacion opciones)
    : nivel_(nivel), opciones_(opciones) {
  previstas_ = opciones_.porRonda;
  hilo_ = std::thread([this] { Rondas(); });
}

Comprobacion::~Comprobacion() {
  cancelar_ = true;
  hilo_.join();
}

void Comprobacion::Rondas() {
  const Grupo* grupo = GrupoDe(nivel_);
  if (grupo == nullptr || !Faltas(nivel_).empty()) {
    terminada_ = true;
    return;
  }
  static const CatalogoNiveles niveles;
  const int posicion = PosicionDelGrupo(*grupo);
  ResumenPosicion r;
  for (int desde = 0; !cancelar_;) {
    const int hasta = std::min(desde + opciones_.porRonda, opciones_.maxPartidas);
    previstas_ = hasta;
    Ronda(desde, hasta);
    desde = hasta;
    r = Resumir(niveles, posicion, resultados_);
    informe_.juicio = JuzgarTasa(r.ganadas, r.partidas, kTasaGanable, opciones_.maxPartidas);
    if (informe_.juicio != Juicio::Dudoso || desde >= opciones_.maxPartidas) break;
  }
  informe_.partidas = r.partidas;
  informe_.ganadas = r.ganadas;
  informe_.piezasMediana = r.piezasMediana;
  informe_.segundosMediana = r.segundosMediana;
  informe_.derrotas = r.derrotas;
  informe_.cancelada = cancelar_;
  informe_.prueba = mejor_;
  terminada_ = true;
}

void Comprobacion::Ronda(int desde, int hasta) {
  EnHilos(static_cast<size_t>(std::max(0, hasta - desde)), opciones_.hilos, [&](size_t j) {
    if (cancelar_) return;
    OpcionesPartida o;
    o.ritmoPersona = true;
    o.limiteSegundos = opciones_.limiteSegundos;
    o.semilla = opciones_.semillaBase + static_cast<uint64_t>(desde) + j;
    o.cancelar = &cancelar_;
    std::ostringstream guion;
    o.guion = &guion;
    const ResultadoPartida p = JugarNivel(nivel_, o);
    if (p.motivo == "cancelada") return;
    std::lock_guard<std::mutex> l(mutex_);
    resultados_.push_back(p);
    if (p.ganada && (!mejor_ || p.segundos < mejorSegundos_)) {
      mejor_ = Prueba{Huella(nivel_), guion.str()};
      mejorSegundos_ = p.segundos;
    }
    ++hechas_;
  });
}

std::string DescribirInforme(const InformeComprobacion& i, const OpcionesComprobacion& opciones, const Traductor& t) {
  const auto texto = [&t](const char* plantilla, std::initializer_list<std::string_view> valores = {}) {
    return Formato(t.traducir("Comprobacion", plantilla), valores);
  };
  std::string o;
  if (i.cancelada) o += texto(TUMBLA_TEXTO("Comprobacion", "Comprobación cancelada. "));
  o += texto(TUMBLA_TEXTO("Comprobacion", "Ganadas %1 de %2 partidas."),
             {std::to_string(i.ganadas), std::to_string(i.partidas)});
  if (i.ganadas > 0) {
    char piezas[32];
    char segundos[32];
    std::snprintf(piezas, sizeof piezas, "%.0f", i.piezasMediana);
    std::snprintf(segundos, sizeof segundos, "%.1f", i.segundosMediana);
    o += texto(TUMBLA_TEXTO("Comprobacion", " Una victoria lleva %1 piezas y %2 segundos (medianas)."),
               {piezas, segundos});
  }
  if (!i.derrotas.empty()) {
    std::string lista;
    for (const auto& [motivo, n] : i.derrotas) {
      const std::string porque =
          motivo == "tiempo"     ? texto(TUMBLA_TEXTO("Comprobacion", "se acabó el tiempo"))
          : motivo == "desborde" ? texto(TUMBLA_TEXTO("Comprobacion", "quedaron bloques sobre el tablero cuadrado"))
          : motivo == "planta"   ? texto(TUMBLA_TEXTO("Comprobacion", "la planta llegó arriba"))
          : motivo == "entrada"  ? texto(TUMBLA_TEXTO("Comprobacion", "no cabía la pieza siguiente"))
          : motivo == "limite"   ? texto(TUMBLA_TEXTO("Comprobacion", "duraba más de %1 minutos"),
                                         {std::to_string(opciones.limiteSegundos / 60)})
                                 : motivo;
      lista += (lista.empty() ? "" : ", ") + porque + " (" + std::to_string(n) + ")";
    }
    o += texto(TUMBLA_TEXTO("Comprobacion", "\nPerdidas: %1."), {lista});
  }
  o += '\n';
  if (i.partidas == 0) {
    o += texto(TUMBLA_TEXTO("Comprobacion", "No se ha jugado ninguna partida."));
  } else if (i.juicio == Juicio::Incumple) {
    o += texto(TUMBLA_TEXTO("Comprobacion",
                            "Demasiado difícil: el ordenador lo gana en menos de una partida de cada diez."));
  } else if (i.juicio == Juicio::Cumple) {
    o += texto(TUMBLA_TEXTO("Comprobacion",
                            "Cumple la regla de los niveles del juego: se gana al menos una partida de cada diez."));
  } else {
    o += texto(TUMBLA_TEXTO("Comprobacion", "Aún no se puede decir si se gana una partida de cada diez."));
  }
  o += '\n';
  o += i.prueba ? texto(TUMBLA_TEXTO("Comprobacion", "Es ganable: la partida ganada más corta queda como su prueba."))
                : texto(TUMBLA_TEXTO("Comprobacion", "No es ganable: sin una partida ganada no tiene prueba."));
  return o;
}

}  // namespace tumbla
