// A long random session of the game core, headless: random keys on the main
// window and on the shutter, the three timers in random order (only those a
// real host would deliver: enabled, with an interval), clock jumps, menu
// commands, random answers to every question and random choices in the level
// window. Everything comes from one seeded generator, so a seed replays a
// run exactly, and every run is also written down as a replay script for
// tumbla-replay.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "Invariantes.h"
#include "game/Plataforma.h"

namespace tumbla {

class Juego;

class Soak {
 public:
  // A fresh game in its own settings folder, with stored settings drawn from
  // the seed, started up; then level `primerNivel` (1..296) is chosen with F2.
  // With `anidar`, timer events also come in while a box, the level window
  // or the shutter waits, as under a real window; a script cannot say that,
  // so such a run is replayed by its seed alone.
  Soak(uint64_t semilla, int primerNivel, bool anidar = false);
  ~Soak();
  Soak(const Soak&) = delete;
  Soak& operator=(const Soak&) = delete;

  // Plays one random event and checks the state. Returns the broken rules
  // (empty when all hold).
  std::string Evento();
  // Checks the state as it is now (after start-up and the first level).
  std::string Comprobar();

  long Eventos() const { return eventos_; }
  // What the last event did, as its script line.
  const std::string& UltimoComando() const { return ultimo_; }
  // The run so far as a replay script (without a final dump).
  const std::string& Guion() const { return guion_; }
  // The script with the event under way (after an abort in its middle).
  std::string GuionHastaAhora() const;
  // Writes the script, with a final dump, to `ruta`.
  void GuardarGuion(const std::filesystem::path& ruta) const;

  Juego& juego() { return *juego_; }
  const std::filesystem::path& Ini() const { return ini_; }
  uint64_t Semilla() const { return semilla_; }
  // Levels started and levels completed so far.
  int NivelesEmpezados() const { return empezados_; }
  int NivelesCompletados() const { return completados_; }

 private:
  class Anfitrion;
  friend class Anfitrion;

  int Azar(int n);  // 0..n-1 from the run's generator
  // Runs one event and writes its script lines: the draws, answers and
  // window choices it took, then its command.
  void Hacer(const std::string& comando, const std::function<void()>& accion);
  void Pendiente(std::string& guion) const;
  void Tecla(int codigo, bool persiana);
  void Jugar();  // the chosen event
  // A plan of keys that puts the falling piece where it clears most rows.
  void Planear();

  uint64_t semilla_;
  std::mt19937_64 azar_;
  std::filesystem::path carpeta_;
  std::filesystem::path ini_;
  std::unique_ptr<Anfitrion> anfitrion_;
  std::unique_ptr<Juego> juego_;
  Invariantes invariantes_;
  std::vector<int> plan_;
  bool conPlan_ = false;   // this run follows the planner much of the time
  int32_t planeadoPuntos_ = -1;
  uint32_t planeadoGeneracion_ = 0;
  long eventos_ = 0;
  int empezados_ = 0;
  int completados_ = 0;
  std::string guion_;
  std::string ultimo_;
  std::string pendiente_;  // the command of the event under way
};

}  // namespace tumbla
