#include "jugador/Conductor.h"

#include "game/Catalogo.h"
#include "motor/Juego.h"

namespace tumbla {

Conductor::Conductor(const Juego& juego, std::function<void(int)> pulsar, bool ritmoPersona,
                     int pensarMs, int teclaMs)
    : juego_(juego),
      jugador_(juego.vista(), Catalogo::Comun()),
      pulsar_(std::move(pulsar)),
      ritmoPersona_(ritmoPersona),
      pensarMs_(pensarMs),
      teclaMs_(teclaMs) {
  if (ritmoPersona_) jugador_.PonerRitmo(pensarMs_, teclaMs_);
}

bool Conductor::Paso(int64_t ahora, int64_t& siguiente) {
  const Vista& vista = juego_.vista();
  // A new piece: a person looks at it before the first key.
  if (ritmoPersona_ && vista.HayFicha() && vista.mesa().fichasEntradas != fichaPensada_) {
    fichaPensada_ = vista.mesa().fichasEntradas;
    proxima_ = ahora + pensarMs_;
  }
  if (ahora < proxima_) {
    siguiente = proxima_;
    return false;
  }
  const int tecla = juego_.teclado().TeclaDe(jugador_.Decidir());
  if (tecla == 0) {
    siguiente = kNunca;
    return false;
  }
  pulsar_(tecla);
  ++teclas_;
  proxima_ = ritmoPersona_ ? ahora + teclaMs_ : ahora;
  siguiente = proxima_;
  return true;
}

}  // namespace tumbla
