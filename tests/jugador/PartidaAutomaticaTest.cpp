// The computer player's headless game: its host moves the clock from event
// to event, whatever the hand at the keys does.
#include <gtest/gtest.h>

#include "jugador/PartidaAutomatica.h"
#include "motor/Juego.h"
#include "progress/CodigosTecla.h"

namespace tumbla {
namespace {

TEST(PartidaAutomatica, unaManoQueNoDejaDeTeclearNoParaElReloj) {
  // A hand that wants a key at every instant gets a few, then the game's
  // timers go on: the pieces fall and the game ends, lost or stopped at its
  // limit, instead of waiting for an instant that never passes.
  OpcionesPartida o;
  o.posicion = 1;
  o.limiteSegundos = 120;
  long teclas = 0;
  o.mano = [&](const Juego&, const std::function<void(int)>& pulsar, int64_t ahora, int64_t& siguiente) {
    pulsar(++teclas % 2 ? tecla::kArriba : tecla::kAbajo);
    siguiente = ahora;
    return true;
  };
  const ResultadoPartida r = JugarPartida(o);
  EXPECT_FALSE(r.ganada);
  EXPECT_GT(r.piezas, 1);
  EXPECT_GT(teclas, 1000);
  EXPECT_TRUE(r.motivo == "entrada" || r.motivo == "limite") << r.motivo;
}

}  // namespace
}  // namespace tumbla
