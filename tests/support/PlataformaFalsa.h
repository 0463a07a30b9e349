// A scripted host for tests: the clock moves only when the test says so,
// random draws come from a fixed-seed generator, and everything the game
// asks of its host is recorded. What the game waits for is answered by
// Atender, as a patient player would.
#pragma once

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "motor/Plataforma.h"
#include "motor/SelectorNiveles.h"

namespace tumbla {

class Juego;

class PlataformaFalsa : public Plataforma {
 public:
  struct Caja {
    Icono icono;
    std::string titulo;
    std::string texto;
    bool pregunta;
  };

  // Scripted inputs.
  double ahora = 0;
  Fecha fecha{2026, 12, 6};
  std::mt19937 generador{12345};
  // The level window's answer (Escape when unset).
  std::function<Eleccion(SelectorNiveles&)> alMostrarSelector;
  // Runs as a box is answered, to look at the game while it shows.
  std::function<void(const std::string& texto)> alMensaje;
  bool abrirDevuelve = true;

  // Recorded outputs.
  std::vector<Caja> cajas;
  std::vector<int> sonidos;  // ids that played with the switch on
  std::vector<std::string> abiertos;
  int selectoresMostrados = 0;
  int retiradas = 0;

  void temporizador(Temporizador, bool, int) override {}
  void pedir(const Peticion& p) override;
  void retirar() override { ++retiradas; }
  void sonido(int id, bool encendido) override {
    if (encendido) sonidos.push_back(id);
  }
  bool abrir(const std::string& destino) override {
    abiertos.push_back(destino);
    return abrirDevuelve;
  }
  double reloj() override { return ahora; }
  Fecha hoy() override { return fecha; }
  int aleatorio(Sorteo s, int n) override;

  // Answers what `juego` waits for until it waits for nothing: boxes close,
  // questions are answered Cancel, the level window gets alMostrarSelector's
  // choice, the shutter's steps come at once.
  void Atender(Juego& juego);
};

}  // namespace tumbla
