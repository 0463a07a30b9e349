#include "editor/Comprobacion.h"

#include <cstdio>
#include <sstream>
#include <vector>

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
  std::atomic<int> siguiente{desde};
  const auto jugar = [&] {
    for (int k = siguiente++; k < hasta && !cancelar_; k = siguiente++) {
      OpcionesPartida o;
      o.ritmoPersona = true;
      o.limiteSegundos = opciones_.limiteSegundos;
      o.semilla = opciones_.semillaBase + static_cast<uint64_t>(k);
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
    }
  };
  std::vector<std::thread> otros;
  for (unsigned h = 1; h < opciones_.hilos; ++h) otros.emplace_back(jugar);
  jugar();
  for (auto& h : otros) h.join();
}

std::string DescribirInforme(const InformeComprobacion& i, const OpcionesComprobacion& opciones) {
  std::ostringstream o;
  o << (i.cancelada ? "Comprobación cancelada. " : "") << "Ganadas " << i.ganadas << " de " << i.partidas
    << " partidas.";
  if (i.ganadas > 0) {
    char medianas[96];
    std::snprintf(medianas, sizeof medianas, " Una victoria lleva %.0f piezas y %.1f segundos (medianas).",
                  i.piezasMediana, i.segundosMediana);
    o << medianas;
  }
  if (!i.derrotas.empty()) {
    o << "\nPerdidas:";
    const char* separador = " ";
    for (const auto& [motivo, n] : i.derrotas) {
      const std::string texto = motivo == "tiempo"     ? "se acabó el tiempo"
                                : motivo == "desborde" ? "quedaron bloques sobre el tablero cuadrado"
                                : motivo == "planta"   ? "la planta llegó arriba"
                                : motivo == "entrada"  ? "no cabía la pieza siguiente"
                                : motivo == "limite"
                                    ? "duraba más de " + std::to_string(opciones.limiteSegundos / 60) + " minutos"
                                    : motivo;
      o << separador << texto << " (" << n << ")";
      separador = ", ";
    }
    o << '.';
  }
  o << '\n';
  if (i.partidas == 0) {
    o << "No se ha jugado ninguna partida.";
  } else if (i.juicio == Juicio::Incumple) {
    o << "Demasiado difícil: el ordenador lo gana en menos de una partida de cada diez.";
  } else if (i.juicio == Juicio::Cumple) {
    o << "Cumple la regla de los niveles del juego: se gana al menos una partida de cada diez.";
  } else {
    o << "Aún no se puede decir si se gana una partida de cada diez.";
  }
  o << '\n'
    << (i.prueba ? "Es ganable: la partida ganada más corta queda como su prueba."
                 : "No es ganable: sin una partida ganada no tiene prueba.");
  return o.str();
}

}  // namespace tumbla
