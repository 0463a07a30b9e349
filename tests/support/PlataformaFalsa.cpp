#include "PlataformaFalsa.h"

#include "motor/Juego.h"

namespace tumbla {

int PlataformaFalsa::aleatorio(Sorteo s, int n) {
  sorteos.push_back(s);
  if (n <= 0) return 0;
  if (!aleatorios.empty()) {
    int v = aleatorios.front();
    aleatorios.pop_front();
    return v % n;
  }
  return std::uniform_int_distribution<int>(0, n - 1)(generador);
}

void PlataformaFalsa::pedir(const Peticion& p) {
  if (p.tipo == TipoPeticion::Mensaje || p.tipo == TipoPeticion::Pregunta) {
    cajas.push_back({p.icono, p.titulo, p.texto, p.tipo == TipoPeticion::Pregunta, true});
  } else if (p.tipo == TipoPeticion::Selector) {
    ++selectoresMostrados;
  } else if (p.tipo == TipoPeticion::Persiana) {
    ++pasosPersiana;
  }
}

void PlataformaFalsa::Atender(Juego& juego) {
  for (int n = 0; n < 10000; ++n) {
    const Peticion p = juego.vista().peticion();
    switch (p.tipo) {
      case TipoPeticion::Ninguna:
        return;
      case TipoPeticion::Selector: {
        SelectorNiveles& s = juego.selector();
        juego.Elegir(alMostrarSelector ? alMostrarSelector(s) : s.Continuar());
        break;
      }
      case TipoPeticion::Pregunta: {
        const bool ok = !respuestas.empty() && respuestas.front();
        if (!respuestas.empty()) respuestas.pop_front();
        cajas.back().respuesta = ok;
        if (alMensaje) alMensaje(p.texto);
        juego.Responder(ok);
        break;
      }
      default:
        if (p.tipo == TipoPeticion::Mensaje && alMensaje) alMensaje(p.texto);
        juego.Responder(true);
        break;
    }
  }
}

}  // namespace tumbla
