#include "Escena.h"

#include <atomic>
#include <chrono>
#include <stdexcept>

namespace tumbla {

namespace {
std::atomic<int> contador{0};
constexpr const char* kSimbolos = ".1234567#rbmwyR|-LJFTt";
}  // namespace

Escena::Escena() {
  carpeta = std::filesystem::temp_directory_path() /
            ("tumbla-test-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
             std::to_string(contador++));
  std::filesystem::remove_all(carpeta);
  std::filesystem::create_directories(carpeta);
  juego = std::make_unique<Juego>(plataforma, (carpeta / "tumbla.ini").string());
}

Escena::~Escena() {
  juego.reset();
  std::error_code ec;
  std::filesystem::remove_all(carpeta, ec);
}

char Escena::Simbolo(int v) {
  if (v >= 0 && v <= 21) return kSimbolos[v];
  return '?';
}

int Escena::Valor(char s) {
  for (int v = 0; v <= 21; ++v) {
    if (kSimbolos[v] == s) return v;
  }
  throw std::invalid_argument(std::string("unknown board symbol ") + s);
}

void Escena::TableroVacio(Modo modo) {
  Estado& s = e();
  for (int i = 0; i < kCeldas; ++i) juego->EscribirCelda(i, kLibre);
  for (int i = 0; i < kCeldas; ++i) {
    if (Columna(i) == 0 || Columna(i) == 12 || Fila(i) == 24) juego->EscribirCelda(i, kMuro, kSinImagen);
  }
  s.ModoClasico = modo == Modo::Clasico;
  s.ModoPanic = modo == Modo::Panic;
  s.ModoSuperpanic = modo == Modo::Superpanic;
  s.ModoGoteator = modo == Modo::Goteator;
  s.ModoRotator = modo == Modo::Rotator;
  s.ModoRotatorPlus = modo == Modo::RotatorPlus;
  s.ModoJuntator = modo == Modo::Juntator;
  s.ModoPodator = modo == Modo::Podator;
  s.BorrarCada = 1;
  s.ObjetivoLineas = false;
  s.LineasRestantes = 99;
  s.Jugando = true;
  s.Pausado = false;
  s.FichaActiva = false;
  juego->FijarJuegoFichas(0);
  juego->PonerTemporizador(Temporizador::Juego, true, 300);
}

void Escena::Dibujar(int filaSuperior, std::initializer_list<const char*> filas) {
  int fila = filaSuperior;
  for (const char* texto : filas) {
    std::string t(texto);
    if (t.size() != 11) throw std::invalid_argument("a board row has 11 cells: " + t);
    for (int c = 1; c <= 11; ++c) juego->EscribirCelda(fila * kAncho + c, static_cast<int16_t>(Valor(t[c - 1])));
    ++fila;
  }
}

std::string Escena::Filas(int desde, int hasta) const {
  std::string r;
  for (int f = desde; f <= hasta; ++f) {
    for (int c = 1; c <= 11; ++c) r += Simbolo(juego->estado().tablero[f * kAncho + c]);
    r += '\n';
  }
  return r;
}

void Escena::Entrar(int fila) {
  Estado& s = e();
  const int16_t siguiente = s.FichaSiguiente;
  s.FichaSiguiente = static_cast<int16_t>(fila);
  s.Posicion = s.PosicionAnterior = kCeldaEntrada;
  juego->EntrarFicha();
  (void)siguiente;
}

int Escena::TicksHastaAterrizar(int limite) {
  // A landing brings the next piece in at the spawn cell within the same tick.
  int n = 0;
  do {
    juego->TickJuego();
    ++n;
  } while (e().FichaActiva && e().Jugando && e().Posicion != kCeldaEntrada && n < limite);
  return n;
}

}  // namespace tumbla
