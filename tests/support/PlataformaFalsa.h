// A scripted platform for tests: the clock moves only when the test says so,
// random draws come from a queue (then from a fixed-seed generator), questions
// are answered from a queue (Cancel when empty), and everything the game asks
// of the host is recorded.
#pragma once

#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "game/Plataforma.h"

namespace tumbla {

class Juego;

class PlataformaFalsa : public Plataforma {
 public:
  struct Caja {
    Icono icono;
    std::string titulo;
    std::string texto;
    bool pregunta;
    bool respuesta;
  };

  // Scripted inputs.
  double ahora = 0;
  Fecha fecha{2026, 12, 6};
  std::deque<int> aleatorios;
  std::deque<bool> respuestas;
  std::mt19937 generador{12345};
  // Runs when the game shows the level-selection window (modal).
  std::function<void()> alMostrarSelector;
  // Run when the game lets window events through, waits, or shows a box
  // (to look at the game's state at that moment).
  std::function<void()> alProcesarEventos;
  std::function<void()> alEsperar;
  std::function<void(const std::string& texto)> alMensaje;
  bool abrirDevuelve = true;

  // Recorded outputs.
  std::vector<Caja> cajas;
  std::vector<int> sonidos;          // ids that played with the switch on
  std::vector<int> sonidosApagados;  // ids requested with the switch off
  std::vector<std::string> abiertos;
  std::vector<Sorteo> sorteos;
  int selectoresMostrados = 0;
  int selectoresCerrados = 0;
  double esperado = 0;

  void temporizador(Temporizador, bool, int) override {}
  void mensaje(Icono icono, const std::string& titulo, const std::string& texto) override {
    cajas.push_back({icono, titulo, texto, false, true});
    if (alMensaje) alMensaje(texto);
  }
  bool pregunta(Icono icono, const std::string& titulo, const std::string& texto) override {
    bool r = false;
    if (!respuestas.empty()) {
      r = respuestas.front();
      respuestas.pop_front();
    }
    cajas.push_back({icono, titulo, texto, true, r});
    return r;
  }
  void sonido(int id, bool encendido) override {
    (encendido ? sonidos : sonidosApagados).push_back(id);
  }
  bool abrir(const std::string& destino) override {
    abiertos.push_back(destino);
    return abrirDevuelve;
  }
  double reloj() override { return ahora; }
  Fecha hoy() override { return fecha; }
  int aleatorio(Sorteo s, int n) override;
  void procesarEventos() override {
    if (alProcesarEventos) alProcesarEventos();
  }
  void esperar(double segundos) override {
    esperado += segundos;
    if (alEsperar) alEsperar();
  }
  void mostrarSelectorNiveles() override {
    ++selectoresMostrados;
    if (alMostrarSelector) alMostrarSelector();
  }
  void cerrarSelectorNiveles() override { ++selectoresCerrados; }
};

}  // namespace tumbla
