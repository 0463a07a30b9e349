// The replay runner's platform: everything the game asks of its host comes
// from the script (clock, date, random draws, answers to boxes and to the
// level-selection window) and everything it shows goes to the report.
//
// A request the script cannot satisfy (a draw with nothing queued, a value
// out of range, a question with no answer) throws ErrorGuion; the runner
// catches it at the top and stops.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "grabacion/Agenda.h"
#include "motor/Plataforma.h"

namespace tumbla {

class Juego;

// A malformed script or an impossible request. The message names neither the
// line nor the program; the runner adds the line.
class ErrorGuion : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class PlataformaGuion : public Plataforma {
 public:
  // Answer to the level-selection window that stands for Escape.
  static constexpr int kEscape = 0;

  explicit PlataformaGuion(std::ostream& informe) : informe_(informe) {}

  // ---- Scripted inputs -------------------------------------------------------
  Fecha fecha{2000, 1, 1};
  std::deque<int> aleatorios;
  // Draws beyond the queued ones (none: a fault of the script), as a game
  // taken over from a replay makes them.
  std::function<int(int n)> azarLibre;
  std::deque<bool> respuestas;
  std::deque<int> ventanas;  // positions 1..296, or kEscape
  int64_t milisegundos = 0;  // the clock, from 0 at the start of the script
  // A live script: the timers run from a schedule as the clock moves, and
  // what the game asks waits for the script's answer.
  bool vivo = false;
  Agenda agenda;
  // The run's own folder, which the report names "<tmp>" (it differs from
  // run to run).
  std::string carpeta;

  // ---- Plataforma ------------------------------------------------------------
  void temporizador(Temporizador t, bool activo, int intervaloMs) override;
  // A box is reported as it shows; a question takes its answer from the
  // queue at once.
  void pedir(const Peticion& p) override;
  void retirar() override {}
  void sonido(int id, bool encendido) override;
  bool abrir(const std::string& destino) override;
  double reloj() override { return static_cast<double>(vivo ? agenda.Ahora() : milisegundos) / 1000.0; }
  Fecha hoy() override { return fecha; }
  int aleatorio(Sorteo sorteo, int n) override;

  // Answers whatever the game waits for, as the script says, until it waits
  // for nothing: boxes are closed, questions get their queued answer, the
  // level window its queued choice (Escape when none), and the shutter's
  // slide completes at once without the clock moving.
  void Atender(Juego& juego);
  // A live script's answer to question `p`, reported.
  void Contestada(const Peticion& p, bool aceptar);

  // The name a script and the report give a draw.
  static const char* NombreSorteo(Sorteo sorteo);
  // Line breaks ("\r\n", "\r" or "\n") written as the two characters \n.
  static std::string UnaLinea(const std::string& texto);
  std::string SinCarpeta(std::string texto) const;
  // What the report shows of a file or URL handed to the desktop: URLs as
  // they are, local files by their name alone.
  static std::string Destino(const std::string& destino);

 private:
  std::ostream& informe_;
  bool respuesta_ = false;  // what the question being asked was answered
};

}  // namespace tumbla
