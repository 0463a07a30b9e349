#include "Escena.h"

#include <atomic>
#include <chrono>
#include <stdexcept>

#include "AccesoPruebas.h"
#include "modes/Grupos.h"
#include "motor/SelectorNiveles.h"

namespace tumbla {

namespace {

std::atomic<int> contador{0};
constexpr const char* kSimbolos = ".1234567#rbmwyR|-LJFTt";

int ValorDe(char s) {
  for (int v = 0; v <= 21; ++v) {
    if (kSimbolos[v] == s) return v;
  }
  throw std::invalid_argument(std::string("unknown board symbol ") + s);
}

// The first position of each group in the sequence.
int PrimeraPosicion(Modo grupo) {
  switch (grupo) {
    case Modo::Clasico: return 1;
    case Modo::Goteator: return 4;
    case Modo::Rotator: return 8;
    case Modo::Panic: return 13;
    case Modo::Podator: return 16;
    case Modo::RotatorPlus: return 19;
    case Modo::Superpanic: return 24;
    case Modo::Juntator: break;
  }
  return 27;
}

}  // namespace

Escena::Escena(SinArrancar) {
  plataforma_ = &plataforma;
  carpeta = std::filesystem::temp_directory_path() /
            ("tumbla-prueba-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
             std::to_string(contador++));
  std::filesystem::create_directories(carpeta);
  juego = std::make_unique<Juego>(plataforma, (carpeta / "tumbla.ini").string());
  juego_ = juego.get();
}

Escena::Escena(Modo grupo) : Escena(SinArrancar{}) { Jugar(PrimeraPosicion(grupo)); }

Escena::Escena(const char* clave) : Escena(SinArrancar{}) {
  int posicion = 1;
  while (posicion < kNumNiveles && juego->niveles().Clave(posicion) != clave) ++posicion;
  Jugar(posicion);
}

void Escena::Jugar(int posicion) {
  juego->Inicializar();
  Atender();
  plataforma.alMostrarSelector = [posicion](SelectorNiveles& s) { return s.ElegirPosicion(posicion); };
  Orden(Comando::Nuevo);
  plataforma.alMostrarSelector = nullptr;
  plataforma.cajas.clear();
  plataforma.sonidos.clear();
  plataforma.selectoresMostrados = 0;
}

void Escena::Tick(Temporizador t) {
  juego->Disparar(t);
  Atender();
}

void Escena::Tecla(int codigo, Contexto donde) {
  juego->Tecla(codigo, donde);
  Atender();
}

void Escena::Orden(Comando c) {
  juego->Ejecutar(c);
  Atender();
}

Escena::~Escena() {
  juego.reset();
  std::error_code ec;
  std::filesystem::remove_all(carpeta, ec);
}

Mesa& Montaje::m() { return AccesoPruebas::mesa(*juego_); }

char Montaje::Simbolo(int v) { return v >= 0 && v <= 21 ? kSimbolos[v] : '?'; }

Montaje& Montaje::Tablero(int filaSuperior, std::initializer_list<const char*> filas) {
  m().tablero.Amurallar();
  return Dibujar(filaSuperior, filas);
}

Montaje& Montaje::Dibujar(int filaSuperior, std::initializer_list<const char*> filas) {
  tumbla::Dibujar(m().tablero, filaSuperior, filas);
  return Hecho();
}

void Dibujar(Tablero& t, int filaSuperior, std::initializer_list<const char*> filas) {
  int fila = filaSuperior;
  for (const char* texto : filas) {
    const std::string r(texto);
    if (r.size() != 11) throw std::invalid_argument("a board row has 11 cells: " + r);
    for (int c = 1; c <= 11; ++c) t.Poner(fila * kAncho + c, static_cast<int16_t>(ValorDe(r[c - 1])));
    ++fila;
  }
}

Mesa MesaDe(Modo modo) {
  Mesa m;
  m.reglas = &ReglasDe(modo);
  m.borrarCada = 1;
  m.tablero.Amurallar();
  return m;
}

Montaje& Montaje::Ficha(int fila, int posicion) {
  m().ficha = {static_cast<int16_t>(fila), static_cast<int16_t>(posicion)};
  m().hayFicha = true;
  m().soltada = false;
  m().celdaMasBaja = static_cast<int16_t>(posicion);
  return Hecho();
}

Montaje& Montaje::Siguiente(int fila) {
  m().siguiente = static_cast<int16_t>(fila);
  return Hecho();
}

Montaje& Montaje::Lineas(int restantes, int borrarCada) {
  m().lineasRestantes = static_cast<int16_t>(restantes);
  m().borrarCada = static_cast<int16_t>(borrarCada);
  return Hecho();
}

Montaje& Montaje::Planta(std::vector<int16_t> celdas) {
  m().planta = std::move(celdas);
  m().celdaGota = m().planta.back();
  return Hecho();
}

Montaje& Montaje::Gota(int celda) {
  m().celdaGota = static_cast<int16_t>(celda);
  return Hecho();
}

Montaje& Montaje::Puntos(int puntos) {
  AccesoPruebas::marcador(*juego_).puntos = puntos;
  return Hecho();
}

Montaje& Montaje::Demostracion() {
  flujo::Situacion& f = AccesoPruebas::flujo(*juego_);
  const flujo::Jugando* j = std::get_if<flujo::Jugando>(&f);
  f = flujo::Demostracion{0, 0, j != nullptr ? *j : flujo::Jugando{}};
  return Hecho();
}

Montaje& Montaje::Persiana(int filas) {
  flujo::Situacion& f = AccesoPruebas::flujo(*juego_);
  const flujo::Jugando* j = flujo::Aqui<flujo::Jugando>(f);
  const flujo::Persiana abajo{filas, false, j != nullptr && j->gris};
  if (auto* demo = std::get_if<flujo::Demostracion>(&f)) {
    demo->nivel = abajo;
  } else {
    f = abajo;
  }
  return Hecho();
}

Montaje& Montaje::Hecho() {
  AccesoPruebas::Montado(*juego_);
  return *this;
}

std::string Montaje::Filas(int desde, int hasta) const {
  std::string r;
  for (int f = desde; f <= hasta; ++f) {
    for (int c = 1; c <= 11; ++c) r += Simbolo(juego_->vista().Celda(f * kAncho + c));
    r += '\n';
  }
  return r;
}

int Montaje::TicksHastaAterrizar(int limite) {
  // A landing brings the next piece in at the spawn cell within the same tick.
  int n = 0;
  do {
    juego_->Disparar(Temporizador::Juego);
    if (plataforma_ != nullptr) plataforma_->Atender(*juego_);
    ++n;
  } while (juego_->vista().HayFicha() && juego_->vista().Jugando() &&
           juego_->vista().FichaEnJuego().posicion != kCeldaEntrada && n < limite);
  return n;
}

std::string Lineas(std::initializer_list<const char*> filas) {
  std::string r;
  for (const char* f : filas) r += std::string(f) + "\n";
  return r;
}

}  // namespace tumbla
