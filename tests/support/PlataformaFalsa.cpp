#include "PlataformaFalsa.h"

#include "motor/Juego.h"

namespace tumbla {

int PlataformaFalsa::aleatorio(Sorteo, int n) {
  return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(generador);
}

void PlataformaFalsa::pedir(const Peticion& p) {
  if (p.tipo == TipoPeticion::Mensaje || p.tipo == TipoPeticion::Pregunta) {
    cajas.push_back({p.icono, p.titulo, p.texto, p.tipo == TipoPeticion::Pregunta});
  } else if (p.tipo == TipoPeticion::Selector) {
    ++selectoresMostrados;
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
      default:
        if (alMensaje && (p.tipo == TipoPeticion::Mensaje || p.tipo == TipoPeticion::Pregunta)) alMensaje(p.texto);
        juego.Responder(p.tipo != TipoPeticion::Pregunta);
        break;
    }
  }
}

}  // namespace tumbla
