// The pad reader, with SDL's virtual pads standing in for real ones: a
// button's command once per press, a held direction at a key's pace, the
// stick's dead zone, pads plugged in and out, nothing read in the background.
#include <QtTest>

#include <memory>
#include <utility>
#include <vector>

#include "ui/Mando.h"

#if TUMBLA_CON_SDL
#include "PadVirtual.h"

using std::chrono::milliseconds;
using tumbla::Comando;
using tumbla::ui::Mando;
using Comandos = std::vector<Comando>;

#endif

class MandoTest : public QObject {
  Q_OBJECT
#if TUMBLA_CON_SDL
  milliseconds ahora_{};
  Comandos recibidos_;

  // A reader on the test's clock, 250 ms to the first repeat and then every
  // 50 (every 20 a row down); with no `sondeo` it reads only when told,
  // through En().
  std::unique_ptr<Mando> Crear(milliseconds sondeo = {}) {
    ahora_ = {};
    recibidos_.clear();
    auto m = std::make_unique<Mando>(Mando::Ritmo{milliseconds(250), milliseconds(50), milliseconds(20), sondeo},
                                     [this] { return ahora_; });
    connect(m.get(), &Mando::comando, this, [this](Comando c) { recibidos_.push_back(c); });
    return m;
  }
  Comandos En(Mando& m, int t) {
    ahora_ = milliseconds(t);
    m.Sondear();
    return std::exchange(recibidos_, {});
  }
#endif

 private slots:
  void initTestCase() {
#if TUMBLA_CON_SDL
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetMainReady();
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0 || !PadVirtual().joystick)
      QSKIP(qPrintable(QStringLiteral("SDL has no virtual pads here: %1").arg(SDL_GetError())));
#else
    QSKIP("built without SDL2: the pad reader is off");
#endif
  }
#if TUMBLA_CON_SDL
  void cleanupTestCase() { SDL_Quit(); }

  void direccionSostenidaRepiteComoUnaTecla() {
    // Held, it moves at once, after 250 ms, then every 50, and a late reading moves once, never in a burst.
    // The stick moves past half its travel, and a thumb wobbling near there is still one press.
    PadVirtual pad;
    auto m = Crear();
    QVERIFY(m->activo() && m->mandos() == 1);
    pad.Boton(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    for (int t : {0, 249, 250, 299, 300, 700})
      QCOMPARE(En(*m, t), (t == 249 || t == 299 ? Comandos{} : Comandos{Comando::Izquierda}));
    pad.Boton(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
    QCOMPARE(En(*m, 1000), Comandos{});
    for (auto [y, mueve] : {std::pair(12000, false), {20000, true}, {12000, false}, {20000, false}, {0, false}, {20000, true}}) {
      pad.Eje(SDL_CONTROLLER_AXIS_LEFTY, y);
      QCOMPARE(En(*m, 1010), mueve ? Comandos{Comando::Abajo} : Comandos{});
    }
    pad.Eje(SDL_CONTROLLER_AXIS_LEFTX, 32767);
    QCOMPARE(En(*m, 1020), Comandos{Comando::Derecha});
    pad.Eje(SDL_CONTROLLER_AXIS_LEFTX, 0);
    pad.Eje(SDL_CONTROLLER_AXIS_LEFTY, 0);
    QCOMPARE(En(*m, 1900), Comandos{});
    pad.Boton(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);  // a row down has a pace of its own
    for (int t : {0, 250, 269, 270}) QCOMPARE(En(*m, 2000 + t), (t == 269 ? Comandos{} : Comandos{Comando::Abajo}));
  }

  void cadaBotonUnaVezPorPulsacionYNadaEnSegundoPlano() {
    // A button acts on the press and never again while held. Suspended, presses are lost; back again, what is
    // still held waits to be pressed anew.
    PadVirtual pad;
    auto m = Crear();
    int t = 0;
    for (auto [boton, comando] : {std::pair(SDL_CONTROLLER_BUTTON_A, Comando::Girar),
                                  {SDL_CONTROLLER_BUTTON_X, Comando::GirarAlReves},
                                  {SDL_CONTROLLER_BUTTON_B, Comando::Soltar},
                                  {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, Comando::GirarCuadrado3},
                                  {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, Comando::GirarCuadrado4},
                                  {SDL_CONTROLLER_BUTTON_START, Comando::Pausa},
                                  {SDL_CONTROLLER_BUTTON_START, Comando::Pausa}}) {
      pad.Boton(boton, true);
      QCOMPARE(En(*m, t += 10), Comandos{comando});
      QCOMPARE(En(*m, t += 1000), Comandos{});
      pad.Boton(boton, false);
      QCOMPARE(En(*m, t += 10), Comandos{});
    }
    const auto pausaYAbajo = [&](bool abajo) {
      pad.Boton(SDL_CONTROLLER_BUTTON_START, abajo);
      pad.Boton(SDL_CONTROLLER_BUTTON_DPAD_DOWN, abajo);
      return En(*m, t += 1000);
    };
    m->Suspender(true);
    QCOMPARE(pausaYAbajo(true), Comandos{});
    m->Suspender(false);
    QCOMPARE(En(*m, t += 1000), Comandos{});
    QCOMPARE(pausaYAbajo(false), Comandos{});
    QCOMPARE(pausaYAbajo(true), (Comandos{Comando::Pausa, Comando::Abajo}));
  }

  void mandosQueLleganYSeVanConElJuegoEnMarcha() {
    // On its own timer it opens pads plugged in later, each plays, and an unplugged pad's held direction stops.
    auto m = Crear(milliseconds(10));
    PadVirtual uno;
    QTRY_COMPARE(m->mandos(), 1);
    uno.Boton(SDL_CONTROLLER_BUTTON_A, true);
    QTRY_COMPARE(recibidos_, Comandos{Comando::Girar});
    PadVirtual dos;
    QTRY_COMPARE(m->mandos(), 2);
    dos.Boton(SDL_CONTROLLER_BUTTON_A, true);
    dos.Boton(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    QTRY_COMPARE(recibidos_, (Comandos{Comando::Girar, Comando::Girar, Comando::Derecha}));
    dos.Desenchufar();
    QTRY_COMPARE(m->mandos(), 1);
    recibidos_.clear();
    QCOMPARE(En(*m, 5000), Comandos{});
  }
#endif
};

QTEST_GUILESS_MAIN(MandoTest)
#include "MandoTest.moc"
