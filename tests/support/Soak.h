// A long random session of the game, headless: random keys on the main
// window and on the shutter, the three timers (only those a real host would
// deliver), clock jumps, menu commands, random answers and level-window
// choices; in most runs the computer player steers the pieces part of the
// time, so that levels are also won and lost for real. Everything comes from
// one seeded generator, so a seed replays a run, and every run is written
// down as a replay script as it goes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>

namespace tumbla {

class Conductor;
class Juego;

class Soak {
 public:
  // A fresh game in its own settings folder, with stored settings drawn from
  // the seed, started up; then level `primerNivel` (1..296) is chosen with
  // F2. With `anidar`, timer events also come in while a box, the level
  // window or the shutter waits, as under a real window (a script cannot
  // say that, so such a run is replayed by its seed alone).
  Soak(uint64_t semilla, int primerNivel, bool anidar = false);
  ~Soak();
  Soak(const Soak&) = delete;
  Soak& operator=(const Soak&) = delete;

  // One random event, then the invariants: the broken ones, "" when all hold.
  std::string Evento();
  std::string Comprobar();

  long Eventos() const { return eventos_; }
  int NivelesCompletados() const;
  Juego& juego() { return *juego_; }
  const std::filesystem::path& Ini() const { return ini_; }
  uint64_t Semilla() const { return semilla_; }
  // The run so far as a replay script (without a final dump), and with the
  // event under way (after an abort in its middle).
  const std::string& Guion() const { return guion_; }
  std::string GuionHastaAhora() const;
  void GuardarGuion(const std::filesystem::path& ruta) const;

 private:
  class Anfitrion;
  int Azar(int n);
  // Runs one event and writes its script lines: the draws, answers and
  // window choices it took, then its command.
  void Hacer(const std::string& comando, const std::function<void()>& accion);
  void Tecla(int codigo, bool persiana);
  void Jugar();

  uint64_t semilla_;
  std::mt19937_64 azar_;
  std::filesystem::path carpeta_;
  std::filesystem::path ini_;
  std::unique_ptr<Anfitrion> anfitrion_;
  std::unique_ptr<Juego> juego_;
  std::unique_ptr<Conductor> jugador_;  // steers in runs that plan
  int32_t puntos_ = 0;
  long eventos_ = 0;
  std::string guion_;
  std::string pendiente_;
};

}  // namespace tumbla
