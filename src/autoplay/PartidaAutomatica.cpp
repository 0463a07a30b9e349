#include "autoplay/PartidaAutomatica.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <utility>
#include <vector>

#include "autoplay/Conductor.h"
#include "game/Reglas.h"
#include "grabacion/Grabadora.h"
#include "motor/Juego.h"

namespace tumbla {

namespace {

constexpr int kTeclasPorInstante = 400;  // a player stuck in a loop of commands
constexpr const char* kFecha = "2000/01/01";

// A settings folder of this game's own, gone with it.
class CarpetaTemporal {
 public:
  CarpetaTemporal() {
    static std::atomic<unsigned> contador{0};
    std::random_device semilla;
    const auto base = std::filesystem::temp_directory_path();
    for (int intento = 0; intento < 100; ++intento) {
      const auto nombre = "tumbla-autoplay-" + std::to_string(semilla()) + "-" +
                          std::to_string(contador++);
      if (std::filesystem::create_directory(base / nombre)) {
        ruta_ = base / nombre;
        return;
      }
    }
    throw std::runtime_error("no temporary folder for the settings");
  }
  ~CarpetaTemporal() {
    std::error_code ec;
    std::filesystem::remove_all(ruta_, ec);
  }
  const std::filesystem::path& ruta() const { return ruta_; }

 private:
  std::filesystem::path ruta_;
};

std::string Segundos(int64_t ms) {
  char texto[32];
  if (ms % 1000 == 0) {
    std::snprintf(texto, sizeof texto, "%lld", static_cast<long long>(ms / 1000));
  } else {
    std::snprintf(texto, sizeof texto, "%lld.%03lld", static_cast<long long>(ms / 1000),
                  static_cast<long long>(ms % 1000));
  }
  return texto;
}

// The host: a clock of whole milliseconds that only moves from one event to
// the next, the three timers, seeded draws, and the answers a careful player
// gives (no extra minute is ever spent: the game starts with none). Every
// call into the game goes through the recorder, which records it only when
// asked to.
class Anfitrion : public Plataforma, public Horario {
 public:
  Anfitrion(uint64_t semilla, std::ostream* guion, const std::vector<int>* sorteos)
      : azar_(semilla), guion_(guion), sorteos_(sorteos) {}

  int64_t ahora = 0;
  int ventana = 0;  // the level window's next answer: a position, 0 for Escape

  struct Reloj {
    bool activo = false;
    int intervalo = 0;
    int64_t proximo = 0;
  };
  std::array<Reloj, 3> relojes;

  // The timer that fires next (in the order Juego, Gota, BloqueExtra when
  // two fall due at once); -1 when none runs.
  int ProximoReloj() const {
    int cual = -1;
    for (int t = 0; t < 3; ++t) {
      const Reloj& r = relojes[static_cast<size_t>(t)];
      if (r.activo && (cual < 0 || r.proximo < relojes[static_cast<size_t>(cual)].proximo)) cual = t;
    }
    return cual;
  }

  void temporizador(Temporizador t, bool activo, int intervaloMs) override {
    Reloj& r = relojes[static_cast<size_t>(t)];
    const bool marcha = activo && intervaloMs > 0;
    if (marcha && (!r.activo || r.intervalo != intervaloMs)) r.proximo = ahora + intervaloMs;
    r.activo = marcha;
    r.intervalo = intervaloMs;
  }
  int64_t Falta(Temporizador t) const override {
    const Reloj& r = relojes[static_cast<size_t>(t)];
    return r.activo ? std::max<int64_t>(0, r.proximo - ahora) : -1;
  }
  bool Desfasar(Temporizador t, int64_t ms) override {
    Reloj& r = relojes[static_cast<size_t>(t)];
    if (r.activo) r.proximo = ahora + ms;
    return r.activo;
  }

  void pedir(const Peticion&) override {}
  void retirar() override {}
  void sonido(int, bool) override {}
  bool abrir(const std::string&) override { return true; }
  double reloj() override { return static_cast<double>(ahora) / 1000.0; }
  Fecha hoy() override { return {2000, 1, 1}; }
  int aleatorio(Sorteo, int n) override {
    int v = n <= 1 ? 0 : static_cast<int>((azar_() >> 11) % static_cast<uint64_t>(n));
    if (sorteos_ != nullptr) {
      const bool hay = sacados_ < sorteos_->size() && (*sorteos_)[sacados_] >= 0 && (*sorteos_)[sacados_] < n;
      sinSorteos = sinSorteos || !hay;
      v = hay ? (*sorteos_)[sacados_++] : 0;
    }
    escritos_ += " " + std::to_string(v);
    return v;
  }
  bool sinSorteos = false;  // a draw the list did not hold

  // Answers what the game waits for: boxes close, the extra minute is
  // refused, the level window takes its answer, the shutter slides at once.
  void Atender(Grabadora& grabadora) {
    Juego& juego = grabadora.juego();
    for (;;) {
      switch (juego.vista().peticion().tipo) {
        case TipoPeticion::Ninguna:
          return;
        case TipoPeticion::Pregunta:
          respuestas_ += " cancel";
          grabadora.Responder(false);
          break;
        case TipoPeticion::Selector: {
          const int p = std::exchange(ventana, 0);
          ventanas_ += p == 0 ? " escape" : " " + std::to_string(p);
          SelectorNiveles& selector = juego.selector();
          grabadora.Elegir(p == 0 ? selector.Continuar() : selector.ElegirPosicion(p));
          break;
        }
        default:
          grabadora.Responder(true);
          break;
      }
    }
  }

  // One event with its script lines: the clock's advance, the draws,
  // answers and level-window choices the event took, then its command.
  template <typename F>
  void Evento(Grabadora& grabadora, const std::string& comando, F accion) {
    escritos_.clear();
    respuestas_.clear();
    ventanas_.clear();
    accion();
    Atender(grabadora);
    if (guion_ == nullptr) return;
    std::ostream& g = *guion_;
    if (ahora > escrito_) g << "wait " << Segundos(ahora - escrito_) << '\n';
    escrito_ = ahora;
    if (!escritos_.empty()) g << "rand" << escritos_ << '\n';
    if (!respuestas_.empty()) g << "answer" << respuestas_ << '\n';
    if (!ventanas_.empty() && comando.rfind("play", 0) != 0) g << "window" << ventanas_ << '\n';
    g << comando << '\n';
  }

 private:
  std::mt19937_64 azar_;
  std::ostream* guion_;
  const std::vector<int>* sorteos_;
  size_t sacados_ = 0;
  int64_t escrito_ = 0;
  std::string escritos_;  // the event's draws, as the script writes them
  std::string respuestas_;
  std::string ventanas_;
};

const char* NombreTemporizador(Temporizador t) {
  switch (t) {
    case Temporizador::Juego: return "juego";
    case Temporizador::Gota: return "gota";
    case Temporizador::BloqueExtra: break;
  }
  return "bloque";
}

// Why a game was lost, in the report's words.
const char* Motivo(Derrota d) {
  switch (d) {
    case Derrota::Tiempo: return "tiempo";
    case Derrota::Planta: return "planta";
    case Derrota::Desborde: return "desborde";
    case Derrota::Entrada: return "entrada";
    case Derrota::Abandono: return "abandono";
    case Derrota::Ninguna: break;
  }
  return "limite";  // not lost: stopped
}

// The settings a fresh player starts with, in the folder and in the script.
std::filesystem::path EscribirArranque(const OpcionesPartida& o, const CarpetaTemporal& carpeta) {
  const auto ini = carpeta.ruta() / "tumbla.ini";
  {
    std::ofstream f(ini, std::ios::binary);
    f << "[OROKORRA]\nAZKENA=" << kFecha << "\nLAGUNTZA=0\n";
    if (o.dificil) f << "ZAILTASUNA=Z\n";
  }
  if (o.guion != nullptr) {
    *o.guion << "# position " << o.posicion << ", seed " << o.semilla
             << (o.ritmoPersona ? ", at a person's pace" : ", at full speed") << "\n"
             << "date " << kFecha << "\nini AZKENA=" << kFecha << " LAGUNTZA=0"
             << (o.dificil ? " ZAILTASUNA=Z" : "") << "\nstart\n";
  }
  return ini;
}

}  // namespace

ResultadoPartida JugarPartida(const OpcionesPartida& o) {
  CarpetaTemporal carpeta;
  const auto ini = EscribirArranque(o, carpeta);
  Anfitrion anfitrion(o.semilla, o.guion, o.sorteos);
  Grabadora grabadora(anfitrion, anfitrion);
  Juego juego(grabadora, ini.string(),
              o.registros.empty() ? CatalogoNiveles() : CatalogoNiveles(o.registros));
  grabadora.Conectar(&juego, o.repeticion);
  grabadora.Inicializar();
  anfitrion.Atender(grabadora);
  anfitrion.ventana = o.posicion;
  anfitrion.Evento(grabadora, "play " + std::to_string(o.posicion), [&] { grabadora.Ejecutar(Comando::Nuevo); });

  const Vista& vista = juego.vista();
  ResultadoPartida r;
  r.segundosLimite = vista.mesa().reglas != nullptr ? vista.mesa().reglas->SegundosReloj() : 0;
  const bool deFilas = vista.mesa().reglas != nullptr && vista.mesa().reglas->ObjetivoLineas();
  const int filasNivel = vista.mesa().lineasRestantes;

  // The computer's commands go to the game as its own; a replay script
  // knows only keys, so it writes each down as the key a person would press.
  const auto dar = [&](Comando c) {
    anfitrion.Evento(grabadora, "key " + std::to_string(juego.teclado().TeclaDe(c)),
                     [&] { grabadora.Ejecutar(c, Quien::Maquina); });
  };
  Conductor conductor(juego, dar, o.ritmoPersona, o.pensarMs, o.teclaMs);
  conductor.PonerPesos(o.pesos);
  const Mano mano = o.mano ? o.mano : Mano([&](const Juego&, const std::function<void(Comando)>&, int64_t ahora,
                                                int64_t& siguiente) { return conductor.Paso(ahora, siguiente); });
  const int64_t inicio = anfitrion.ahora;
  int64_t proximaTecla = inicio;
  int teclasSeguidas = 0;

  const auto parada = [&] {
    return anfitrion.sinSorteos || (o.cancelar != nullptr && o.cancelar->load(std::memory_order_relaxed));
  };
  while (vista.Jugando() && anfitrion.ahora - inicio < int64_t{o.limiteSegundos} * 1000 && !parada()) {
    // A hand that keeps pressing at one instant gets no more keys there: the
    // game moves on to its next timer event.
    const bool teclea = teclasSeguidas < kTeclasPorInstante;
    if (teclea && anfitrion.ahora >= proximaTecla) {
      if (mano(juego, dar, anfitrion.ahora, proximaTecla)) {
        ++teclasSeguidas;
        continue;
      }
    }

    // The next timer event, unless the player's next key comes first.
    const int cual = anfitrion.ProximoReloj();
    if (cual < 0) break;  // nothing can ever happen again
    auto& reloj = anfitrion.relojes[static_cast<size_t>(cual)];
    if (teclea && proximaTecla != Conductor::kNunca && proximaTecla < reloj.proximo) {
      anfitrion.ahora = std::max(anfitrion.ahora, proximaTecla);
      continue;
    }
    anfitrion.ahora = reloj.proximo;
    reloj.proximo += reloj.intervalo;
    teclasSeguidas = 0;
    if (proximaTecla == Conductor::kNunca) proximaTecla = anfitrion.ahora;
    const auto t = static_cast<Temporizador>(cual);
    anfitrion.Evento(grabadora, std::string("tick ") + NombreTemporizador(t), [&] { grabadora.Disparar(t); });
  }
  r.teclas = conductor.Teclas();

  r.ganada = vista.NivelTerminado() && !parada();
  r.piezas = vista.mesa().fichasEntradas;
  r.segundos = static_cast<double>(anfitrion.ahora - inicio) / 1000.0;
  if (!r.ganada) r.motivo = anfitrion.sinSorteos ? "sorteo" : parada() ? "cancelada" : Motivo(vista.derrota());
  if (deFilas && filasNivel > 0) r.avance = 1.0 - static_cast<double>(vista.mesa().lineasRestantes) / filasNivel;
  if (o.guion != nullptr) *o.guion << "dump\n";
  grabadora.Terminar();  // a game stopped at its limit
  return r;
}

}  // namespace tumbla
