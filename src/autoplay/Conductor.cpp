#include "autoplay/Conductor.h"

#include "motor/Juego.h"

namespace tumbla {

Conductor::Conductor(const Juego& juego, std::function<void(Comando)> dar, bool ritmoPersona, int pensarMs,
                     int teclaMs)
    : juego_(juego), dar_(std::move(dar)), ritmoPersona_(ritmoPersona), pensarMs_(pensarMs), teclaMs_(teclaMs) {
  if (ritmoPersona_) jugador_.PonerRitmo(pensarMs_, teclaMs_);
}

bool Conductor::Paso(int64_t ahora, int64_t& siguiente) {
  const Panorama panorama = juego_.vista().panorama();
  // A new piece: a person looks at it before the first key.
  if (ritmoPersona_ && panorama.mesa.hayFicha && panorama.mesa.fichasEntradas != fichaPensada_) {
    fichaPensada_ = panorama.mesa.fichasEntradas;
    aparecio_ = ahora;
    proxima_ = ahora + pensarMs_;
  }
  if (ahora < proxima_) {
    siguiente = proxima_;
    return false;
  }
  const Comando c = jugador_.Decidir(panorama, ritmoPersona_ ? static_cast<int>(ahora - aparecio_) : -1);
  if (c == Comando::Ninguno) {
    siguiente = kNunca;
    return false;
  }
  dar_(c);
  ++teclas_;
  proxima_ = ritmoPersona_ ? ahora + teclaMs_ : ahora;
  siguiente = proxima_;
  return true;
}

}  // namespace tumbla
