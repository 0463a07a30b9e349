#include "Soak.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "game/Reglas.h"
#include "game/Sonidos.h"
#include "autoplay/Conductor.h"
#include "motor/Juego.h"
#include "motor/CodigosTecla.h"

namespace tumbla {

namespace {

std::atomic<int> contadorCarpetas{0};
// One event's answers: a shutter takes 24 at most, a lost game a box and a
// window per choice. Far more means the game loops.
constexpr int kRespuestasMaximas = 1000;
constexpr std::array<int, 13> kTeclas = {tecla::kIzquierda, tecla::kO, tecla::kDerecha, tecla::kP, tecla::kAbajo,
                                         tecla::kA, tecla::kArriba, tecla::kQ, tecla::kEspacio, tecla::k3,
                                         tecla::k4, tecla::kS, tecla::kF3};

// The run being played, so that an abort (an out-of-range index, a
// sanitizer report) still leaves its script behind.
Soak* actual = nullptr;

std::string NombreGuion(uint64_t semilla) {
  char nombre[64];
  std::snprintf(nombre, sizeof nombre, "soak-%016llx.rep", static_cast<unsigned long long>(semilla));
  return nombre;
}

extern "C" void GuardarAlAbortar(int senal) {
  if (actual != nullptr) {
    const std::string nombre = NombreGuion(actual->Semilla());
    if (std::FILE* f = std::fopen(nombre.c_str(), "wb")) {
      const std::string g = actual->GuionHastaAhora();
      std::fwrite(g.data(), 1, g.size(), f);
      std::fclose(f);
      std::fprintf(stderr, "soak: run %016llx aborted; its script is %s\n",
                   static_cast<unsigned long long>(actual->Semilla()), nombre.c_str());
    }
  }
  std::signal(senal, SIG_DFL);
  std::raise(senal);
}

std::string Segundos(int ms) {
  char texto[32];
  std::snprintf(texto, sizeof texto, ms % 1000 ? "%d.%03d" : "%d", ms / 1000, ms % 1000);
  return texto;
}

}  // namespace

// The host: every draw, answer and level-window choice comes from the run's
// generator and is noted for the script line of the event.
class Soak::Anfitrion : public Plataforma {
 public:
  explicit Anfitrion(Soak& soak) : soak_(soak) {}

  int64_t ms = 0;
  Fecha fecha;
  std::string notas;  // rand/answer/window lines of the event under way
  int forzada = 0;    // the next window's answer, when set
  int completados = 0;
  bool eligio = false;  // a level was chosen in the window
  bool anidar = false;
  std::string error;

  void Nuevo() {
    notas.clear();
    eligio = false;
  }
  void temporizador(Temporizador, bool, int) override {}
  void pedir(const Peticion&) override {}
  void retirar() override {}
  void sonido(int id, bool) override { completados += id == sonido::kNivelCompletado; }
  bool abrir(const std::string&) override { return true; }
  double reloj() override { return static_cast<double>(ms) / 1000.0; }
  Fecha hoy() override { return fecha; }
  int aleatorio(Sorteo, int n) override {
    if (n < 1) {
      error += "a random draw over " + std::to_string(n) + " values\n";
      return 0;
    }
    const int v = soak_.Azar(n);
    notas += "rand " + std::to_string(v) + "\n";
    return v;
  }

  // Answers what the game waits for: questions at random, the level window
  // with Escape, an open level or any level (grey ones included). A real
  // host keeps the timers running while a box or window waits, so with
  // `anidar` their events come in first, now and then.
  void Atender(Juego& juego) {
    for (int n = 0; juego.vista().peticion().tipo != TipoPeticion::Ninguna; ++n) {
      if (n >= kRespuestasMaximas) {
        error += "the game keeps asking for answers\n";
        return;
      }
      Anidar(juego);
      switch (juego.vista().peticion().tipo) {
        case TipoPeticion::Ninguna:
          break;
        case TipoPeticion::Pregunta: {
          const bool ok = soak_.Azar(2) == 0;
          notas += ok ? "answer ok\n" : "answer cancel\n";
          juego.Responder(ok);
          break;
        }
        case TipoPeticion::Selector:
          Elegir(juego);
          break;
        default:
          juego.Responder(true);
          break;
      }
    }
  }

 private:
  void Elegir(Juego& juego) {
    SelectorNiveles& selector = juego.selector();
    int p = 0;
    const int r = forzada > 0 ? -1 : soak_.Azar(10);
    if (r < 0) {
      p = std::exchange(forzada, 0);
    } else if (r >= 3 && r < 8) {
      p = 1 + soak_.Azar(std::min(selector.Superados() + 1, kNumNiveles));
    } else if (r >= 8) {
      p = 1 + soak_.Azar(kNumNiveles);
    }
    notas += p == 0 ? std::string("window escape\n") : "window " + std::to_string(p) + "\n";
    eligio |= p != 0;
    juego.Elegir(p == 0 ? selector.Continuar() : selector.ElegirPosicion(p));
  }
  void Anidar(Juego& juego) {
    if (!anidar || soak_.Azar(3) != 0) return;
    for (int n = 1 + soak_.Azar(3); n > 0; --n) juego.Disparar(static_cast<Temporizador>(soak_.Azar(3)));
  }

  Soak& soak_;
};

Soak::Soak(uint64_t semilla, int primerNivel, bool anidar)
    : semilla_(semilla), azar_(semilla), anfitrion_(std::make_unique<Anfitrion>(*this)) {
  anfitrion_->anidar = anidar;
  static const bool instalado = [] {
    std::signal(SIGABRT, GuardarAlAbortar);
    return true;
  }();
  (void)instalado;
  actual = this;
  carpeta_ = std::filesystem::temp_directory_path() /
             ("tumbla-soak-" + std::to_string(semilla) + "-" +
              std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
              std::to_string(contadorCarpetas++));
  std::filesystem::create_directories(carpeta_);
  ini_ = carpeta_ / "tumbla.ini";

  // Today's date and the stored settings, some of them nonsense.
  Fecha& f = anfitrion_->fecha;
  f = {2000 + Azar(30), 1 + Azar(12), 1 + Azar(28)};
  char fecha[16];
  std::snprintf(fecha, sizeof fecha, "%04d/%02d/%02d", f.anio, f.mes, f.dia);
  guion_ = "# soak run " + NombreGuion(semilla) + ", first level " + std::to_string(primerNivel) + "\n";
  if (anidar) guion_ += "# timer events nested under boxes are not written here: replay this run by its seed\n";
  guion_ += std::string("date ") + fecha + "\n";
  if (Azar(4) != 0) {
    std::vector<std::string> lineas{
        "AMAITUTAKOA=" + std::to_string(Azar(5) == 0 ? -Azar(10) : Azar(kNumNiveles + 1)),
        "LAGUNTZA=" + (Azar(5) == 0 ? std::string(Azar(2) ? "abc" : "40000") : std::to_string(Azar(6)))};
    if (Azar(2) == 0) lineas.push_back(std::string("AZKENA=") + fecha);
    lineas.push_back(std::string("SOINUA=") + (Azar(2) ? "S" : "N"));
    lineas.push_back(std::string("ZAILTASUNA=") + (Azar(6) == 0 ? "Q" : Azar(2) ? "N" : "Z"));
    std::ofstream archivo(ini_, std::ios::binary);
    archivo << '[' << kSeccionIni << "]\n";
    guion_ += "ini";
    for (const auto& l : lineas) {
      archivo << l << '\n';
      guion_ += " " + l;
    }
    guion_ += "\n";
  }
  juego_ = std::make_unique<Juego>(*anfitrion_, ini_.string());
  if (Azar(4) != 0) {
    // The computer's commands, written down as the keys a person would press.
    jugador_ = std::make_unique<Conductor>(
        *juego_,
        [this](Comando c) {
          Hacer("key " + std::to_string(juego_->teclado().TeclaDe(c)), [&] { juego_->Ejecutar(c, Quien::Maquina); });
        },
        false);
  }
  Hacer("start", [&] { juego_->Inicializar(); });
  anfitrion_->forzada = primerNivel;
  Tecla(tecla::kF2, false);
}

Soak::~Soak() {
  if (actual == this) actual = nullptr;
  jugador_.reset();
  juego_.reset();
  std::error_code ec;
  std::filesystem::remove_all(carpeta_, ec);
}

int Soak::Azar(int n) { return static_cast<int>(azar_() % static_cast<uint64_t>(n)); }
int Soak::NivelesCompletados() const { return anfitrion_->completados; }

std::string Soak::GuionHastaAhora() const {
  return guion_ + anfitrion_->notas + (pendiente_.empty() ? "" : pendiente_ + "\n");
}

void Soak::GuardarGuion(const std::filesystem::path& ruta) const {
  std::ofstream(ruta, std::ios::binary) << guion_ << "dump\n";
}

void Soak::Hacer(const std::string& comando, const std::function<void()>& accion) {
  pendiente_ = comando;
  accion();
  anfitrion_->Atender(*juego_);
  guion_ += anfitrion_->notas + comando + "\n";
  anfitrion_->notas.clear();
  pendiente_.clear();
}

void Soak::Tecla(int codigo, bool persiana) {
  // As the window does: F1 and F2 are the menu's shortcuts on the main
  // window; on the shutter the main window's handler sees the key first.
  Hacer(std::string(persiana ? "shutter " : "key ") + std::to_string(codigo),
        [&] { juego_->Tecla(codigo, persiana ? Contexto::Tablero : Contexto::Ventana); });
}

std::string Soak::Evento() {
  anfitrion_->Nuevo();
  Jugar();
  ++eventos_;
  return Comprobar();
}

void Soak::Jugar() {
  const Vista& v = juego_->vista();
  auto tick = [&](Temporizador t, const char* nombre) {
    Hacer(std::string("tick ") + nombre, [&] { juego_->Disparar(t); });
  };
  auto vivo = [&](int t) {
    const EstadoTemporizador& e = v.Temporizador(static_cast<Temporizador>(t));
    return e.activo && e.intervalo > 0;
  };
  auto esperar = [&](int ms) { Hacer("wait " + Segundos(ms), [&] { anfitrion_->ms += ms; }); };
  auto menu = [&] {
    // Any menu item by its script name, but the demo (the computer's
    // commands would read as a person's keys in the run's script), the help
    // (F1 writes it, now and then) and "Salir".
    static const std::vector<const Entrada*> kItems = [] {
      std::vector<const Entrada*> items;
      for (const Entrada& e : Entradas()) {
        if (e.guion != nullptr && e.comando != Comando::Demostracion && e.comando != Comando::Ayuda &&
            e.comando != Comando::Salir) {
          items.push_back(&e);
        }
      }
      return items;
    }();
    const Entrada& item = *kItems[static_cast<size_t>(Azar(static_cast<int>(kItems.size())))];
    Hacer(std::string("menu ") + item.guion, [&] { juego_->Ejecutar(item.comando); });
  };
  auto cualquiera = [&](bool persiana) {
    // F1 writes the help document: rare. F2 opens the level window.
    const int r = Azar(400);
    Tecla(r == 0 ? tecla::kF1 : r < 3 ? tecla::kF2 : kTeclas[static_cast<size_t>(Azar(kTeclas.size()))], persiana);
  };

  // The shutter is down: mostly ENTER, which starts the next level.
  if (v.NivelTerminado() && !v.Jugando()) {
    const int r = Azar(20);
    if (r < 12) Tecla(tecla::kIntro, true);
    else if (r < 16) cualquiera(r < 14);
    else if (r < 17 && vivo(0)) tick(Temporizador::Juego, "juego");
    else if (r < 19) esperar(Azar(3000));
    else menu();
    return;
  }
  // No level on: mostly F2, which opens the level window.
  if (!v.Jugando()) {
    const int r = Azar(10);
    if (r < 6) Tecla(tecla::kF2, false);
    else if (r < 8) cualquiera(Azar(2) == 0);
    else if (r < 9) esperar(Azar(3000));
    else menu();
    return;
  }
  // A level in play: the player, when it has a key to press, most of the time.
  if (jugador_ && Azar(4) != 0) {
    int64_t siguiente = 0;
    if (jugador_->Paso(anfitrion_->ms, siguiente)) return;
  }
  const int r = Azar(100);
  if (r < 38 && vivo(0)) tick(Temporizador::Juego, "juego");
  else if (r < 48 && vivo(1)) tick(Temporizador::Gota, "gota");
  else if (r < 53 && vivo(2)) tick(Temporizador::BloqueExtra, "bloque");
  else if (r < 88) cualquiera(false);
  else if (r < 97) esperar(Azar(2000));
  else if (r < 98) esperar(20000 + Azar(120000));  // long enough for a clock to run out
  else if (r < 99 && Azar(2) == 0) menu();
  else cualquiera(true);
}

// ---------------------------------------------------------------------------
// The invariants: what must hold between any two events.

std::string Soak::Comprobar() {
  Juego& j = *juego_;
  const Vista& v = j.vista();
  const Mesa& m = v.mesa();
  std::ostringstream mal;
  mal << anfitrion_->error;
  anfitrion_->error.clear();

  int azules = 0;
  for (int i = 0; i < kCeldas; ++i) {
    const int c = m.tablero[i];
    if (c < 0 || c > kTorpedo) mal << "cell " << i << " holds " << c << "\n";
    if (m.reglas != nullptr && EsMuroExterior(i) && c != kMuro) mal << "wall cell " << i << " holds " << c << "\n";
    azules += c == kGotaAzul;
  }
  if (azules > 1) mal << azules << " blue drops\n";
  const Modo modo = m.reglas != nullptr ? m.reglas->modo() : Modo::Clasico;
  if ((modo == Modo::Goteator || modo == Modo::Juntator) && azules == 1 && m.tablero[m.celdaGota] != kGotaAzul) {
    mal << "CeldaGota " << m.celdaGota << " is not the blue drop\n";
  }
  if (modo == Modo::Podator && v.Jugando() && (m.planta.size() < 2 || m.celdaGota != m.planta.back())) {
    mal << "the plant's list has lost its tip\n";
  }
  // The falling piece never overlaps the stack, except where the board
  // rises: the stack may climb into a piece that is falling (and the next
  // tick lands it there, or ends the level when it cannot leave the entry).
  if (m.hayFicha && (!v.Jugando() || (!m.tablero.Cabe(m.ficha) && m.subida.intervalo == 0))) {
    mal << "piece " << m.ficha.fila << " at " << m.ficha.posicion
        << " overlaps the board or falls with no level on\n";
  }
  if (m.siguiente < 0 || m.siguiente >= kFilasCatalogo) mal << "next piece " << m.siguiente << "\n";
  // Within a level the score only grows.
  const int32_t puntos = v.marcador().puntos;
  if (!anfitrion_->eligio && v.Jugando() && puntos < puntos_) mal << "score fell to " << puntos << "\n";
  puntos_ = puntos;
  if (m.cargaTorpedo < 0 || m.cargaTorpedo > 45) mal << "CargaTorpedo " << m.cargaTorpedo << "\n";
  const auto t = [&](Temporizador x) { return v.Temporizador(x); };
  if (t(Temporizador::Juego).intervalo < 50 || t(Temporizador::Juego).intervalo > 300) {
    mal << "play interval " << t(Temporizador::Juego).intervalo << "\n";
  }
  if (v.MinutosExtra() < 0 || m.lineasRestantes < 0) mal << "a count below zero\n";
  if (m.reglas != nullptr && m.borrarCada < 1) mal << "BorrarCada " << m.borrarCada << "\n";
  // Everything asked was answered, and the timers follow the flow.
  if (v.peticion().tipo != TipoPeticion::Ninguna) mal << "a request left unanswered\n";
  if (v.EnJuego() && !t(Temporizador::Juego).activo) mal << "a level in play with its play timer off\n";
  if (v.Pausado() && (t(Temporizador::Juego).activo || t(Temporizador::BloqueExtra).activo)) {
    mal << "timers running during a pause\n";
  }
  if (!v.Jugando() && (t(Temporizador::Gota).activo || t(Temporizador::BloqueExtra).activo)) {
    mal << "level timers running with no level on\n";
  }
  return mal.str();
}

}  // namespace tumbla
