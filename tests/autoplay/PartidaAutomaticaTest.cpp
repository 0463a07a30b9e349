// The computer player's headless game: its host moves the clock from event
// to event, whatever the hand at the controls does.
#include <gtest/gtest.h>

#include "autoplay/PartidaAutomatica.h"
#include "motor/Juego.h"

namespace tumbla {
namespace {

TEST(PartidaAutomatica, unaManoQueNoDejaDeTeclearNoParaElReloj) {
  // A hand that wants a command at every instant gets a few, then the game's
  // timers go on: the pieces fall and the game ends, lost or stopped at its
  // limit, instead of waiting for an instant that never passes.
  OpcionesPartida o;
  o.posicion = 1;
  o.limiteSegundos = 120;
  long teclas = 0;
  o.mano = [&](const Juego&, const std::function<void(Comando)>& dar, int64_t ahora, int64_t& siguiente) {
    dar(++teclas % 2 ? Comando::Girar : Comando::Abajo);
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
