// Scenes for tests: a game on the fake platform, started up in a folder of
// its own with a level of the wanted group chosen in the level window, and
// then a board drawn as text, a falling piece, the objective's numbers.
//
// A board picture gives columns 1..11 of consecutive rows, one string per row:
//   .  free            #  neutral block (8)     1-7  piece colours
//   r  pink drop (9)   b  blue drop (10)        m    pot (11)
//   w  white flower    y  yellow flower         R    red flower
//   |  stem up-down    -  stem left-right       L    stem right-up (17)
//   J  stem left-up    F  stem down-right (19)  T    stem down-left (20)
//   t  torpedo block (21)
#pragma once

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "PlataformaFalsa.h"
#include "motor/Juego.h"

namespace tumbla {

// The builder's hand on a game, also the window's own: what it draws and
// sets stands as a level in play would hold it.
class Montaje {
 public:
  explicit Montaje(Juego* juego = nullptr) : juego_(juego) {}

  // An empty field inside its walls, then rows drawn from `filaSuperior`.
  Montaje& Tablero(int filaSuperior, std::initializer_list<const char*> filas);
  // More rows drawn over the board as it is.
  Montaje& Dibujar(int filaSuperior, std::initializer_list<const char*> filas);
  // The falling piece: a row of the catalogue with its pivot at `posicion`.
  Montaje& Ficha(int fila, int posicion = kCeldaEntrada);
  Montaje& Siguiente(int fila);
  // Rows left to clear, and how many must be full together.
  Montaje& Lineas(int restantes, int borrarCada = 1);
  // The plant's cells, pot first; the last is its tip.
  Montaje& Planta(std::vector<int16_t> celdas);
  // The blue drop's cell (drawn as 'b').
  Montaje& Gota(int celda);
  // The panel's score, the level in play played by the computer, or won
  // with the shutter down over `filas` rows and asking for ENTER.
  Montaje& Puntos(int puntos);
  Montaje& Demostracion();
  Montaje& Persiana(int filas);

  // Columns 1..11 of rows desde..hasta, one line per row, in the notation above.
  std::string Filas(int desde, int hasta) const;
  // Play ticks until the falling piece has landed (the next one then stands
  // at the spawn cell), the level ended, or the limit is reached.
  int TicksHastaAterrizar(int limite = 40);

  static char Simbolo(int valor);

 protected:
  Juego* juego_;
  // Answers what the game waits for after each event (the window's own
  // hand sets none: the window answers).
  PlataformaFalsa* plataforma_ = nullptr;

 private:
  Mesa& m();
  // What was set stands as a step of the game leaves it.
  Montaje& Hecho();
};

class Escena : public Montaje {
 public:
  // Start-up, then the first level of `grupo` (CLASI 01, GOTEA 01, ...)
  // chosen in the level window; the boxes and sounds so far are forgotten.
  explicit Escena(Modo grupo = Modo::Clasico);
  // The same with the level of that key ("CLASI,07").
  explicit Escena(const char* clave);
  // Only the game in its folder, not yet started up.
  struct SinArrancar {};
  explicit Escena(SinArrancar);
  ~Escena();

  PlataformaFalsa plataforma;
  std::unique_ptr<Juego> juego;
  std::filesystem::path carpeta;

  const Vista& v() const { return juego->vista(); }
  const Pantalla& p() const { return juego->pantalla(); }
  // An event, then every answer the game waits for.
  void Tick(Temporizador t = Temporizador::Juego);
  void Tecla(int codigo, Contexto donde = Contexto::Tablero);
  void Orden(Comando c);
  void Atender() { plataforma.Atender(*juego); }

 private:
  void Jugar(int posicion);
};

// Board rows as Escena::Filas writes them.
std::string Lineas(std::initializer_list<const char*> filas);

// Rows drawn on a board from `filaSuperior`, in the notation above.
void Dibujar(Tablero& t, int filaSuperior, std::initializer_list<const char*> filas);
// A table of that group's rules on an empty board, rows going one by one.
Mesa MesaDe(Modo modo);

}  // namespace tumbla
