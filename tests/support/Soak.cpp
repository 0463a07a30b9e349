#include "Soak.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>

#include "game/Juego.h"
#include "progress/SelectorNiveles.h"

namespace tumbla {

namespace {

std::atomic<int> contadorCarpetas{0};

// The level window may open from inside itself once or twice (a loss right
// after a choice); deeper means the game loops. Same bound as tumbla-replay.
constexpr int kProfundidadMaxima = 8;

// Every key of the main window's table, F1 and F2 (menu shortcuts) apart.
constexpr std::array<int, 13> kTeclas = {
    tecla::kIzquierda, tecla::kO, tecla::kDerecha, tecla::kP, tecla::kAbajo, tecla::kA,
    tecla::kArriba,    tecla::kQ, tecla::kEspacio, tecla::k3, tecla::k4,     tecla::kS,
    tecla::kF3};

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
      std::fprintf(stderr, "soak: run %016llx aborted after its last line; script written to %s\n",
                   static_cast<unsigned long long>(actual->Semilla()), nombre.c_str());
    }
  }
  std::signal(senal, SIG_DFL);
  std::raise(senal);
}

std::string Segundos(int ms) {
  std::string s = std::to_string(ms / 1000);
  if (ms % 1000 != 0) {
    char d[8];
    std::snprintf(d, sizeof d, ".%03d", ms % 1000);
    s += d;
  }
  return s;
}

}  // namespace

// ---------------------------------------------------------------------------
// The host: everything the game asks comes from the run's generator and is
// noted for the script line of the event.

class Soak::Anfitrion : public Plataforma {
 public:
  explicit Anfitrion(Soak& soak) : soak_(soak) {}

  int64_t ms = 0;
  Fecha fecha;
  std::vector<int> sorteos;
  std::vector<bool> respuestas;
  std::vector<int> ventanas;  // positions, 0 for Escape
  bool eligio = false;         // a level was chosen in the window
  int forzada = 0;             // the next window's answer, when set
  int completados = 0;
  std::string error;

  void Nuevo() {
    sorteos.clear();
    respuestas.clear();
    ventanas.clear();
    eligio = false;
  }

  // A real host keeps its timers running under a modal box, the level
  // window and the shutter's waits: when asked to, their events come in
  // here, nested in the event that opened the box.
  bool anidar = false;
  void Anidar() {
    if (!anidar || profundidadAnidada_ >= 3 || soak_.Azar(3) != 0) return;
    ++profundidadAnidada_;
    const Estado& e = soak_.juego().estado();
    for (int n = 1 + soak_.Azar(3); n > 0; --n) {
      const int t = soak_.Azar(3);
      const EstadoTemporizador& tm = t == 0 ? e.timJuego : t == 1 ? e.timGota : e.timBloqueExtra;
      if (!tm.Enabled || tm.Interval <= 0) continue;
      if (t == 0) soak_.juego().TickJuego();
      else if (t == 1) soak_.juego().TickGota();
      else soak_.juego().TickBloqueExtra();
    }
    --profundidadAnidada_;
  }

  void temporizador(Temporizador, bool, int) override {}
  void mensaje(Icono, const std::string&, const std::string&) override { Anidar(); }
  bool pregunta(Icono, const std::string&, const std::string&) override {
    Anidar();
    const bool ok = soak_.Azar(2) == 0;
    respuestas.push_back(ok);
    return ok;
  }
  void sonido(int id, bool) override {
    if (id == sonido::kNivelCompletado) ++completados;
  }
  bool abrir(const std::string&) override { return true; }
  double reloj() override { return static_cast<double>(ms) / 1000.0; }
  Fecha hoy() override { return fecha; }
  int aleatorio(Sorteo, int n) override {
    if (n < 1) {
      error += "a random draw over " + std::to_string(n) + " values\n";
      return 0;
    }
    const int v = soak_.Azar(n);
    sorteos.push_back(v);
    return v;
  }
  void procesarEventos() override { Anidar(); }
  void esperar(double) override { Anidar(); }
  void mostrarSelectorNiveles() override {
    Anidar();
    SelectorNiveles& selector = soak_.juego().selector();
    if (profundidad_ >= kProfundidadMaxima) {
      error += "the level window keeps opening inside itself\n";
      selector.Continuar();
      return;
    }
    // Escape, an open level, or any level (grey ones included).
    int p = 0;
    const int r = forzada > 0 ? -1 : soak_.Azar(10);
    if (r < 0) {
      p = forzada;
      forzada = 0;
    } else if (r >= 3 && r < 8) {
      p = 1 + soak_.Azar(std::min(selector.Superados() + 1, kNumNiveles));
    } else if (r >= 8) {
      p = 1 + soak_.Azar(kNumNiveles);
    }
    ventanas.push_back(p);
    ++profundidad_;
    if (p == 0) {
      selector.Continuar();
    } else {
      eligio = true;
      selector.ElegirPosicion(p);
    }
    --profundidad_;
  }
  void cerrarSelectorNiveles() override {}

 private:
  Soak& soak_;
  int profundidad_ = 0;
  int profundidadAnidada_ = 0;
};

// ---------------------------------------------------------------------------

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
  if (anidar) {
    guion_ += "# timer events nested under boxes are not written here: replay this run by its seed\n";
  }
  guion_ += std::string("date ") + fecha + "\n";
  if (Azar(4) != 0) {
    std::vector<std::string> lineas;
    const int hecho = Azar(5) == 0 ? -Azar(10) : Azar(kNumNiveles + 1);
    lineas.push_back("AMAITUTAKOA=" + std::to_string(hecho));
    if (Azar(5) == 0) lineas.push_back("LAGUNTZA=" + std::string(Azar(2) ? "abc" : "40000"));
    else lineas.push_back("LAGUNTZA=" + std::to_string(Azar(6)));
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
  conPlan_ = Azar(4) != 0;

  juego_ = std::make_unique<Juego>(*anfitrion_, ini_.string());
  anfitrion_->Nuevo();
  Hacer("start", [&] { juego_->Inicializar(); });

  // The first level, chosen from the window that F2 opens.
  anfitrion_->Nuevo();
  anfitrion_->forzada = primerNivel;
  Tecla(tecla::kF2, false);
  ++empezados_;
}

Soak::~Soak() {
  if (actual == this) actual = nullptr;
  juego_.reset();
  std::error_code ec;
  std::filesystem::remove_all(carpeta_, ec);
}

int Soak::Azar(int n) { return static_cast<int>(azar_() % static_cast<uint64_t>(n)); }

void Soak::Pendiente(std::string& g) const {
  // What the event under way drew and answered so far.
  const Anfitrion& a = *anfitrion_;
  if (!a.sorteos.empty()) {
    g += "rand";
    for (int v : a.sorteos) g += " " + std::to_string(v);
    g += "\n";
  }
  if (!a.respuestas.empty()) {
    g += "answer";
    for (bool ok : a.respuestas) g += ok ? " ok" : " cancel";
    g += "\n";
  }
  if (!a.ventanas.empty()) {
    g += "window";
    for (int p : a.ventanas) g += p == 0 ? std::string(" escape") : " " + std::to_string(p);
    g += "\n";
  }
}

std::string Soak::GuionHastaAhora() const {
  std::string g = guion_;
  Pendiente(g);
  if (!pendiente_.empty()) g += pendiente_ + "\n";
  return g;
}

void Soak::Hacer(const std::string& comando, const std::function<void()>& accion) {
  pendiente_ = comando;
  accion();
  Pendiente(guion_);
  guion_ += comando + "\n";
  ultimo_ = comando;
  pendiente_.clear();
}

void Soak::GuardarGuion(const std::filesystem::path& ruta) const {
  std::ofstream f(ruta, std::ios::binary);
  f << guion_ << "dump\n";
}

void Soak::Tecla(int codigo, bool persiana) {
  // As the window does: F1 and F2 are menu shortcuts on the main window; on
  // the shutter the main window's handler sees the key first.
  Hacer(std::string(persiana ? "shutter " : "key ") + std::to_string(codigo), [&] {
    if (!persiana && codigo == tecla::kF1) {
      juego_->MenuAyuda();
    } else if (!persiana && codigo == tecla::kF2) {
      juego_->MenuNuevo();
    } else {
      juego_->TeclaPrincipal(codigo);
      if (persiana && juego_->pantalla().persianaVisible) juego_->TeclaPersiana(codigo);
    }
  });
}

std::string Soak::Evento() {
  anfitrion_->Nuevo();
  const uint32_t generacion = juego_->Generacion();
  Jugar();
  ++eventos_;
  const Estado& e = juego_->estado();
  if (juego_->Generacion() != generacion && e.Jugando) ++empezados_;
  completados_ = anfitrion_->completados;
  return Comprobar();
}

std::string Soak::Comprobar() {
  std::string mal = invariantes_.Comprobar(*juego_, anfitrion_->eligio);
  if (!anfitrion_->error.empty()) {
    mal += anfitrion_->error;
    anfitrion_->error.clear();
  }
  return mal;
}

void Soak::Jugar() {
  const Estado& e = juego_->estado();
  const Pantalla& p = juego_->pantalla();

  auto tick = [&](Temporizador t) {
    switch (t) {
      case Temporizador::Juego: Hacer("tick juego", [&] { juego_->TickJuego(); }); break;
      case Temporizador::Gota: Hacer("tick gota", [&] { juego_->TickGota(); }); break;
      case Temporizador::BloqueExtra: Hacer("tick bloque", [&] { juego_->TickBloqueExtra(); }); break;
    }
  };
  auto activo = [](const EstadoTemporizador& t) { return t.Enabled && t.Interval > 0; };
  auto esperar = [&](int ms) {
    Hacer("wait " + Segundos(ms), [&] { anfitrion_->ms += ms; });
  };
  auto menu = [&] {
    switch (Azar(5)) {
      case 0: Hacer("menu nuevo", [&] { juego_->MenuNuevo(); }); break;
      case 1: Hacer("menu normal", [&] { juego_->MenuPiezas(0); }); break;
      case 2: Hacer("menu dificil", [&] { juego_->MenuPiezas(1); }); break;
      case 3: Hacer("menu sonido", [&] { juego_->MenuSonido(); }); break;
      default: Hacer("menu reset", [&] { juego_->MenuReset(); }); break;
    }
  };
  auto teclaCualquiera = [&](bool persiana) {
    // F1 writes the help document: rare. F2 opens the level window.
    const int r = Azar(400);
    if (r == 0) Tecla(tecla::kF1, persiana);
    else if (r < 3) Tecla(tecla::kF2, persiana);
    else Tecla(kTeclas[static_cast<size_t>(Azar(static_cast<int>(kTeclas.size())))], persiana);
  };

  // The shutter is down: mostly ENTER, which starts the next level.
  if (p.persianaVisible && !e.Jugando) {
    const int r = Azar(20);
    if (r < 12) Tecla(tecla::kIntro, true);
    else if (r < 14) teclaCualquiera(true);
    else if (r < 16) teclaCualquiera(false);
    else if (r < 17 && activo(e.timJuego)) tick(Temporizador::Juego);
    else if (r < 19) esperar(Azar(3000));
    else menu();
    return;
  }

  // No level on: mostly F2, which opens the level window.
  if (!e.Jugando) {
    const int r = Azar(10);
    if (r < 6) Tecla(tecla::kF2, false);
    else if (r < 8) teclaCualquiera(Azar(2) == 0);
    else if (r < 9) esperar(Azar(3000));
    else menu();
    return;
  }

  // A level in play. A run that plans mostly plays its plan out before
  // gravity and the rest get a say.
  if (conPlan_ && e.FichaActiva && Azar(4) != 0) {
    // What is left of the last piece's plan is no use for this one.
    if (planeadoPuntos_ != e.Puntos || planeadoGeneracion_ != juego_->Generacion()) plan_.clear();
    if (plan_.empty()) Planear();
    if (!plan_.empty()) {
      const int codigo = plan_.front();
      plan_.erase(plan_.begin());
      Tecla(codigo, false);
      return;
    }
  }
  const int r = Azar(100);
  if (r < 38 && activo(e.timJuego)) {
    tick(Temporizador::Juego);
  } else if (r < 48 && activo(e.timGota)) {
    tick(Temporizador::Gota);
  } else if (r < 53 && activo(e.timBloqueExtra)) {
    tick(Temporizador::BloqueExtra);
  } else if (r < 88) {
    teclaCualquiera(false);
  } else if (r < 97) {
    esperar(Azar(2000));
  } else if (r < 98) {
    // Long enough for a timed level to run out.
    esperar(20000 + Azar(120000));
  } else if (r < 99 && Azar(2) == 0) {
    menu();
  } else {
    teclaCualquiera(true);
  }
}

// ---------------------------------------------------------------------------
// The planner: tries every turn and shift of the falling piece from where it
// is, drops it, and keeps the placement that clears most rows and leaves the
// fewest holes. Its keys go through the same handlers as any other.

void Soak::Planear() {
  const Estado& e = juego_->estado();
  if (!e.FichaActiva || e.NoCabeForzado) return;
  // One plan per piece: every landing adds to the score.
  if (planeadoPuntos_ == e.Puntos && planeadoGeneracion_ == juego_->Generacion()) return;
  planeadoPuntos_ = e.Puntos;
  planeadoGeneracion_ = juego_->Generacion();

  const Catalogo& cat = juego_->catalogo();
  std::array<int16_t, kCeldas> t{};
  for (int i = 0; i < kCeldas; ++i) t[static_cast<size_t>(i)] = e.tablero[i];
  auto cabe = [&](int fila, int pos) {
    for (int k = 1; k <= Catalogo::NumCeldas(fila); ++k) {
      const int i = pos + cat.Desplazamiento(fila, k);
      if (i < 0 || i >= kCeldas || t[static_cast<size_t>(i)] >= 1) return false;
    }
    return true;
  };

  long mejor = -1000000000L;
  int mejorGiros = 0;
  int mejorDesplazamiento = 0;
  int fila = e.Ficha;
  for (int giros = 0; giros < 4; ++giros) {
    if (giros > 0) {
      const int siguiente = cat.Siguiente(fila);
      if (siguiente == e.Ficha || !cabe(siguiente, e.Posicion)) break;
      fila = siguiente;
    }
    for (int d = -10; d <= 10; ++d) {
      int pos = e.Posicion;
      bool llega = true;
      for (int k = 0; k < std::abs(d); ++k) {
        const int paso = d > 0 ? 1 : -1;
        if (!cabe(fila, pos + paso)) {
          llega = false;
          break;
        }
        pos += paso;
      }
      if (!llega) continue;
      while (cabe(fila, pos + kAncho)) pos += kAncho;

      auto u = t;
      long valor = 0;
      for (int k = 1; k <= Catalogo::NumCeldas(fila); ++k) {
        const int i = pos + cat.Desplazamiento(fila, k);
        u[static_cast<size_t>(i)] = 1;
        valor += Fila(i) * 10;  // low is good
      }
      for (int base = 0; base < kBaseFilaInferior + 1; base += kAncho) {
        int ocupadas = 0;
        for (int c = 0; c < kAncho; ++c) ocupadas += u[static_cast<size_t>(base + c)] >= 1;
        if (ocupadas == kAncho) valor += 1000;
      }
      for (int c = 1; c <= 11; ++c) {
        bool techo = false;
        for (int i = c; i < kBaseFilaInferior + 1; i += kAncho) {
          if (u[static_cast<size_t>(i)] >= 1) techo = true;
          else if (techo) valor -= 80;
        }
      }
      if (valor > mejor) {
        mejor = valor;
        mejorGiros = giros;
        mejorDesplazamiento = d;
      }
    }
  }
  plan_.assign(static_cast<size_t>(mejorGiros), tecla::kArriba);
  for (int k = 0; k < std::abs(mejorDesplazamiento); ++k) {
    plan_.push_back(mejorDesplazamiento > 0 ? tecla::kDerecha : tecla::kIzquierda);
  }
  plan_.push_back(tecla::kEspacio);
}

}  // namespace tumbla
