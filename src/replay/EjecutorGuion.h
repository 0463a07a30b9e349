// Runs a replay script one line at a time against the real game: every line
// is read and checked in full before it acts, so a malformed line changes
// nothing. Errors (malformed lines, impossible requests from the game) throw
// ErrorGuion with a message that does not yet name the line.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "replay/PlataformaGuion.h"

namespace tumbla {

class Juego;

class EjecutorGuion {
 public:
  explicit EjecutorGuion(std::ostream& informe);
  ~EjecutorGuion();  // removes the settings folder
  EjecutorGuion(const EjecutorGuion&) = delete;
  EjecutorGuion& operator=(const EjecutorGuion&) = delete;

  // One line of the script, comments and blank lines included.
  void Linea(std::string_view texto);

 private:
  void Comando(const std::vector<std::string>& w);
  void Empezar();
  void Ticks(const std::string& cual, int veces);
  void RequiereArranque(const std::string& comando) const;

  std::ostream& informe_;
  PlataformaGuion plataforma_;
  std::filesystem::path carpeta_;    // a fresh temporary folder of this run
  std::filesystem::path ini_;        // the settings file inside it
  std::vector<std::string> lineasIni_;  // KEY=VALUE lines to write before start-up
  std::unique_ptr<Juego> juego_;
};

// Reads a whole script (a file, or standard input for "-"), runs it and
// writes the report to `informe`. Returns the exit code: 0 when the script
// ran to its end, 2 after writing a one-line message to `errores`.
int EjecutarGuion(const std::string& ruta, std::ostream& informe, std::ostream& errores);

}  // namespace tumbla
