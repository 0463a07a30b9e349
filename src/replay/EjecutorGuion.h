// Runs a replay script one line at a time against the real game: every line
// is read and checked in full before it acts, so a malformed line changes
// nothing. Errors (malformed lines, impossible requests from the game) throw
// ErrorGuion with a message that does not yet name the line.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "levels/Niveles.h"
#include "grabacion/Grabadora.h"
#include "replay/PlataformaGuion.h"

namespace tumbla {

// Passes the report on to another stream and counts its lines.
class InformeContado : public std::streambuf {
 public:
  explicit InformeContado(std::ostream& destino) : destino_(*destino.rdbuf()) {}
  int64_t lineas() const { return lineas_; }

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override { return destino_.pubsync(); }

 private:
  std::streambuf& destino_;
  int64_t lineas_ = 0;
};

// A whole script delivers at most this many timer events and writes at most
// this many report lines; beyond either it stops, as for an error.
struct LimitesGuion {
  int64_t ticks = 1000000;
  int64_t lineasInforme = 1000000;
};

class EjecutorGuion {
 public:
  // `niveles`: the level records the game plays (a level of a player's own
  // in place of a built-in one, when its proof is played again).
  explicit EjecutorGuion(std::ostream& informe, LimitesGuion limites = {},
                         CatalogoNiveles niveles = CatalogoNiveles());
  ~EjecutorGuion();  // removes the settings folder
  EjecutorGuion(const EjecutorGuion&) = delete;
  EjecutorGuion& operator=(const EjecutorGuion&) = delete;

  // One line of the script, comments and blank lines included.
  void Linea(std::string_view texto);
  // The game, once the script has started it.
  const Juego* juego() const { return juego_.get(); }
  // Before start: the level the script plays is recorded again as it plays,
  // and the recording goes to `alTerminar` as the level ends.
  void Regrabar(std::function<void(Grabacion)> alTerminar) { regrabar_ = std::move(alTerminar); }
  // The script is over: a level still being recorded again ends as it stands.
  void Terminar();
  // The game the script plays (none before start), its platform, and the
  // time a live script has come to, in ms.
  Juego* juego() { return juego_.get(); }
  PlataformaGuion& plataforma() { return plataforma_; }

 private:
  void Comando(const std::vector<std::string>& w);
  // One handler per command of the script.
  void FijarFecha(const std::vector<std::string>& w);
  void Ini(const std::vector<std::string>& w);
  void Arranque(const std::vector<std::string>& w);
  void Azar(const std::vector<std::string>& w);
  void Ventana(const std::vector<std::string>& w);
  void Jugar(const std::vector<std::string>& w);
  void Tecla(const std::vector<std::string>& w);
  void Menu(const std::vector<std::string>& w);
  void Respuesta(const std::vector<std::string>& w);
  void Tick(const std::vector<std::string>& w);
  void Espera(const std::vector<std::string>& w);
  void Volcado(const std::vector<std::string>& w);
  // A live script's commands (and those of any script: a command by name,
  // a click, a key given to an action, a level gone on to, the settings
  // file stopping to take changes).
  void Vivo(const std::vector<std::string>& w);
  void Correr(const std::vector<std::string>& w);
  void Adelantar(int64_t ms);
  void Contestar(const std::vector<std::string>& w);
  void Escoger(const std::vector<std::string>& w);
  void Fase(const std::vector<std::string>& w);
  void Orden(const std::vector<std::string>& w);
  void Clic(const std::vector<std::string>& w);
  void Asignar(const std::vector<std::string>& w);
  void Seguir(const std::vector<std::string>& w);
  void SinGuardar(const std::vector<std::string>& w);
  void Empezar();
  void Vivo(const std::string& comando, bool vivo) const;
  void Atender();
  void SoloLectura();
  static const char* NombreTemporizador(Temporizador t);
  void Ticks(const std::string& cual, int veces);
  void RequiereArranque(const std::string& comando) const;
  void LimiteInforme() const;

  LimitesGuion limites_;
  InformeContado contado_;
  std::ostream informe_;
  int64_t ticks_ = 0;  // timer events of the script so far, skipped ones too
  PlataformaGuion plataforma_;
  std::filesystem::path carpeta_;    // a fresh temporary folder of this run
  std::filesystem::path ini_;        // the settings file inside it
  std::vector<std::string> lineasIni_;  // KEY=VALUE lines to write before start-up
  CatalogoNiveles niveles_;
  bool seccionAparte_ = false;          // the last ini line is in a section of its own
  bool sinGuardar_ = false;             // the settings file takes no changes
  std::function<void(Grabacion)> regrabar_;
  // The game, and what every call into it goes through.
  std::unique_ptr<Grabadora> grabadora_;
  std::unique_ptr<Juego> juego_;
};

// Reads a whole script (a file, or standard input for "-"), runs it and
// writes the report to `informe`. Returns the exit code: 0 when the script
// ran to its end, 2 after writing a one-line message to `errores`.
int EjecutarGuion(const std::string& ruta, std::ostream& informe, std::ostream& errores);
// The same for a script already read.
int EjecutarTextoGuion(std::string texto, std::ostream& informe, std::ostream& errores,
                       LimitesGuion limites = {});
// A replay file (.tumbla, named `nombre`), checked and played: its report,
// then whether the game ended as recorded (recorded again as it plays, the
// level must end alike and its script come out the same). 0 when it did, 1
// when not, 2 with the player's message when the file is refused or the
// script stops.
int ComprobarRepeticion(std::string_view texto, const std::string& nombre, std::ostream& informe,
                        std::ostream& errores, LimitesGuion limites = {});

}  // namespace tumbla
