#include "grabacion/Grabadora.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "grabacion/NombresComando.h"
#include "almacen/Ini.h"

namespace tumbla {

namespace {

constexpr std::array<const char*, 3> kTemporizadores{"juego", "gota", "bloque"};

// Seconds as a script writes them: "2", "0.300".
std::string Segundos(int64_t ms) {
  char texto[32];
  if (ms % 1000 == 0) {
    std::snprintf(texto, sizeof texto, "%lld", static_cast<long long>(ms / 1000));
  } else {
    std::snprintf(texto, sizeof texto, "%lld.%03lld", static_cast<long long>(ms / 1000),
                  static_cast<long long>(ms % 1000));
  }
  std::string t = texto;
  while (t.find('.') != std::string::npos && t.back() == '0') t.pop_back();
  return t;
}

// The level in play counts for nothing stored (chosen beyond the open levels).
bool Gris(const Vista& v) {
  const flujo::Jugando* j = flujo::En<flujo::Jugando>(v.situacion());
  return j != nullptr && j->gris;
}

bool GuardaAjustes(const Juego& juego) { return juego.ini().estado() == AlmacenIni::Estado::Guarda; }

}  // namespace

// The level as the summary tells it: what the game leaves of a level that
// ends without a win or a loss is what it was before the call that ended it.
struct Grabadora::Visto {
  Tablero tablero;
  Pieza ficha;
  bool hayFicha = false;
  int32_t puntos = 0;
  int32_t piezas = 0;
  RelojNivel reloj;
  bool pista = false;
};

struct Grabadora::EnCurso {
  Grabacion g;
  int64_t inicio = 0;   // the host's time the level began at
  int64_t escrito = 0;  // the time the script has come to
  // Where the timers stood in their rhythm as the level began (-1: not
  // running), written before anything else comes.
  std::array<int64_t, 3> fases{-1, -1, -1};
  bool faseDebida = false;
  // The time that passed since the last line, and the last line, held back
  // while the same line follows after as long a time (written once, with
  // its count).
  int64_t debido = 0;
  std::string ultima;
  int64_t ultimoDebido = 0;
  int veces = 0;
};

Grabadora::Grabadora(Plataforma& anfitrion, Horario& horario)
    : DelanteDe(anfitrion), anfitrion_(anfitrion), horario_(horario), visto_(std::make_unique<Visto>()) {}

Grabadora::~Grabadora() = default;

void Grabadora::Conectar(Juego* juego, std::function<void(Grabacion)> alTerminar,
                         std::function<std::string()> hora) {
  juego_ = juego;
  alTerminar_ = std::move(alTerminar);
  hora_ = std::move(hora);
  curso_.reset();
}

// ---- Around every call -----------------------------------------------------------

void Grabadora::Antes() {
  ahora_ = std::llround(anfitrion_.reloj() * 1000);
  if (!curso_) {
    sorteos_.clear();
    enPunto_.clear();
  }
  sorteosAntes_ = sorteos_.size();
  enPuntoAntes_ = enPunto_.size();
  nivelesAntes_ = juego_->vista().nivel().orden;
  guardabaAntes_ = GuardaAjustes(*juego_);
}

void Grabadora::Despues(const std::string& linea, bool eleccion) {
  const Vista& v = juego_->vista();
  const bool empezo = v.nivel().orden != nivelesAntes_;
  if (curso_ && empezo) {
    // The level recorded ended before this call, as it then stood.
    Ponerse(sorteosAntes_, enPuntoAntes_);
    Cerrar(Resultado::SinAcabar, Derrota::Ninguna, *visto_);
  }
  // A level of the players' own (tried in the editor, or a pack's) is no
  // position of the game's: a replay of it would play another level.
  const bool delJuego = flujo::En<flujo::Prueba>(v.situacion()) == nullptr &&
                      flujo::En<flujo::DePaquete>(v.situacion()) == nullptr;
  if (empezo && alTerminar_ && delJuego) {
    Empezar(eleccion);
    return;
  }
  if (!curso_) return;
  if (guardabaAntes_ && !GuardaAjustes(*juego_)) {
    // The settings file stopped taking changes in this call: a replay's
    // stops first, so that it says so when the game did. A timer's event
    // comes after it.
    const size_t antes = linea.empty() && !enPunto_.empty() ? enPunto_.size() - 1 : enPunto_.size();
    Ponerse(sorteos_.size(), antes);
    Emitir("nostore");
  }
  if (!linea.empty()) Escribir(linea);
  Mirar();
}

Grabadora::Visto Grabadora::Ver() const {
  const Vista& v = juego_->vista();
  return {v.mesa().tablero, v.mesa().ficha, v.mesa().hayFicha, v.marcador().PuntosNivel(),
          v.mesa().fichasEntradas, v.reloj(), v.marcador().conPista};
}

void Grabadora::Empezar(bool eleccion) {
  const Vista& v = juego_->vista();
  curso_ = std::make_unique<EnCurso>();
  EnCurso& c = *curso_;
  c.inicio = c.escrito = ahora_;
  Resumen& r = c.g.resumen;
  r.posicion = v.NivelActual();
  r.clave = juego_->niveles().Clave(r.posicion);
  const Grupo* grupo = BuscarGrupo(GrupoDeClave(r.clave));
  r.nombre = grupo != nullptr ? grupo->nombre : "";
  r.demo = v.EnDemostracion();
  const Fecha hoy = anfitrion_.hoy();
  char dia[16];
  std::snprintf(dia, sizeof dia, "%04d-%02d-%02d", hoy.anio, hoy.mes, hoy.dia);
  r.jugada = hora_ ? hora_() : std::string(dia) + " 00:00:00";

  // What the game needs to begin the level as it did: the date (its minute
  // already given), the settings that change play as they stood, and the
  // player's keys and the level's record when there are any.
  const Ajustes& a = v.ajustes();
  std::string superados = std::to_string(juego_->selector().Superados());
  if (!eleccion) {
    // Gone on from a won level: the progress may have grown since the level
    // window last looked.
    std::string ini;
    if (LeerArchivoEntero(juego_->ini().ruta(), ini) == Lectura::Leida) {
      const std::string guardado = LeerValorIni(ini, kSeccionIni, "AMAITUTAKOA");
      if (!guardado.empty()) superados = guardado;
    }
  }
  const std::string fecha = Progreso::TextoFecha(hoy);
  std::string& s = c.g.guion;
  s = "date " + fecha + "\nini AZKENA=" + fecha + " LAGUNTZA=" + std::to_string(v.MinutosExtra()) +
      " AMAITUTAKOA=" + superados + " ZAILTASUNA=" + (a.Fichas() == 1 ? "Z" : "N") + " SOINUA=" +
      (a.Sonido() ? "S" : "N") + " ARGIBIDEA=" + (a.Pista() ? "S" : "N");
  std::string teclas;
  bool propias = false;
  for (const Entrada& accion : Entradas().first(kAccionesTecla)) {
    const int tecla = juego_->teclado().TeclaDe(accion.comando);
    propias |= tecla != accion.teclas[0];
    teclas += std::string(" ") + accion.clave + "=" + NombreTecla(tecla);
  }
  if (propias) s += " [" + std::string(kSeccionTeclas) + "]" + teclas;
  if (v.marcador().record > 0) {
    s += " [" + std::string(kSeccionRecords) + "] " + std::to_string(r.posicion) + "=" +
         std::to_string(v.marcador().record);
  }
  s += "\nlive\n";
  // A settings file that takes no changes: the replay's takes none either,
  // and its box is closed before the level.
  const bool guarda = GuardaAjustes(*juego_);
  s += guarda ? "start\n" : "nostore\nstart\nreply\n";

  // How the level began, with the draws it took.
  if (eleccion) s += r.demo ? "command demostracion\n" : "command nuevo\n";
  if (!sorteos_.empty()) {
    s += "rand";
    for (int valor : sorteos_) s += " " + std::to_string(valor);
    s += "\n";
  }
  sorteos_.clear();
  if (eleccion) {
    s += "choose " + std::to_string(r.posicion) + "\n";
  } else {
    s += "level " + std::to_string(r.posicion) + " " + std::to_string(v.marcador().alEmpezar) + " " +
         std::to_string(v.marcador().intervalo) + (Gris(v) ? " grey" : "") + (r.demo ? " demo" : "") +
         "\n";
  }
  for (size_t t = 0; t < c.fases.size(); ++t) {
    c.fases[t] = horario_.Falta(static_cast<Temporizador>(t));
    c.faseDebida |= c.fases[t] >= 0;
  }
  enPunto_.clear();
  *visto_ = Ver();
}

void Grabadora::Ponerse(size_t sorteos, size_t disparos) {
  EnCurso& c = *curso_;
  if (c.faseDebida) {
    std::string fase = "phase";
    for (size_t t = 0; t < c.fases.size(); ++t) {
      if (c.fases[t] >= 0) fase += std::string(" ") + kTemporizadores[t] + "=" + Segundos(c.fases[t]);
    }
    Crudo(fase);
    c.faseDebida = false;
  }
  if (sorteos > 0) {
    std::string rand = "rand";
    for (size_t k = 0; k < sorteos; ++k) rand += " " + std::to_string(sorteos_[k]);
    Crudo(rand);
    sorteos_.erase(sorteos_.begin(), sorteos_.begin() + static_cast<std::ptrdiff_t>(sorteos));
  }
  // The timers fire on the way by themselves, but for those due at this
  // very moment that came before the call.
  c.debido += ahora_ - c.escrito;
  c.escrito = ahora_;
  if (enPuntoMs_ != ahora_) {
    enPunto_.clear();
    return;
  }
  for (size_t k = 0; k < disparos; ++k) Emitir(std::string("tick ") + kTemporizadores[static_cast<size_t>(enPunto_[k])]);
  enPunto_.erase(enPunto_.begin(), enPunto_.begin() + static_cast<std::ptrdiff_t>(disparos));
}

void Grabadora::Emitir(const std::string& linea) {
  // A line like the one before, after as long a time, adds to its count.
  EnCurso& c = *curso_;
  if (c.veces > 0 && c.ultima == linea && c.ultimoDebido == c.debido) {
    ++c.veces;
  } else {
    Vaciar();
    c.ultima = linea;
    c.ultimoDebido = c.debido;
    c.veces = 1;
  }
  c.debido = 0;
}

void Grabadora::Vaciar() {
  EnCurso& c = *curso_;
  if (c.veces == 0) return;
  std::string& s = c.g.guion;
  if (c.ultimoDebido > 0) s += "+" + Segundos(c.ultimoDebido) + " ";
  s += c.ultima;
  if (c.veces > 1) s += " *" + std::to_string(c.veces);
  s += '\n';
  c.veces = 0;
}

void Grabadora::Crudo(const std::string& linea) {
  Vaciar();
  curso_->g.guion += linea;
  curso_->g.guion += '\n';
}

void Grabadora::Escribir(const std::string& linea) {
  Ponerse(sorteos_.size(), enPunto_.size());
  Emitir(linea);
}

void Grabadora::Mirar() {
  const Vista& v = juego_->vista();
  const bool demo = curso_->g.resumen.demo;
  if (v.persiana() != nullptr && !v.persiana()->bajando) {
    Ponerse(sorteos_.size(), enPunto_.size());
    Cerrar(Resultado::Ganado, Derrota::Ninguna, Ver());
  } else if (std::holds_alternative<flujo::Perdido>(v.situacion())) {
    Ponerse(sorteos_.size(), enPunto_.size());
    Cerrar(Resultado::Perdido, v.derrota(), Ver());
  } else if (demo && !v.EnDemostracion()) {
    // The demo ended, lost or by the player's hand; the game clears its
    // score, and what showed before stands.
    Ponerse(sorteos_.size(), enPunto_.size());
    Cerrar(v.derrota() != Derrota::Ninguna ? Resultado::Perdido : Resultado::SinAcabar, v.derrota(), *visto_);
  } else if (curso_->g.guion.size() > kLargoMaximoGuion - 1024) {
    Ponerse(sorteos_.size(), enPunto_.size());
    Cerrar(Resultado::SinAcabar, Derrota::Ninguna, Ver());
  } else {
    *visto_ = Ver();
  }
}

void Grabadora::Cerrar(Resultado resultado, Derrota derrota, const Visto& estado) {
  Vaciar();
  if (curso_->debido > 0) curso_->g.guion += "run " + Segundos(curso_->debido) + "\n";
  Grabacion g = std::move(curso_->g);
  Resumen& r = g.resumen;
  r.resultado = resultado;
  r.derrota = resultado == Resultado::Perdido ? derrota : Derrota::Ninguna;
  r.puntos = std::max(0, estado.puntos);
  r.piezas = estado.piezas;
  r.reloj = estado.reloj.Texto();
  r.duracionMs = ahora_ - curso_->inicio;
  r.pista = estado.pista;
  r.tablero = HuellaTablero(estado.tablero, estado.hayFicha ? &estado.ficha : nullptr);
  curso_.reset();
  alTerminar_(std::move(g));
}

uint64_t HuellaTablero(const Tablero& tablero, const Pieza* ficha) {
  std::string celdas;
  celdas.reserve(2 * kCeldas + 5);
  for (int i = 0; i < kCeldas; ++i) {
    celdas += static_cast<char>(tablero[i] & 0xFF);
    celdas += static_cast<char>((tablero[i] >> 8) & 0xFF);
  }
  if (ficha != nullptr) {
    for (int16_t x : {ficha->fila, ficha->posicion}) {
      celdas += static_cast<char>(x & 0xFF);
      celdas += static_cast<char>((x >> 8) & 0xFF);
    }
  }
  return Huella(celdas);
}

// ---- The entry points ------------------------------------------------------------

void Grabadora::Inicializar() {
  Antes();
  juego_->Inicializar();
  Despues({});
}

bool Grabadora::Disparar(Temporizador t) {
  Antes();
  if (curso_) {
    if (enPuntoMs_ != ahora_) {
      enPunto_.clear();
      enPuntoMs_ = ahora_;
    }
    enPuntoAntes_ = enPunto_.size();
    enPunto_.push_back(t);
  }
  const bool hecho = juego_->Disparar(t);
  Despues({});
  return hecho;
}

void Grabadora::Tecla(int codigo, Contexto donde, bool repeticion) {
  Antes();
  juego_->Tecla(codigo, donde, repeticion);
  Despues((repeticion ? "held " : donde == Contexto::Ventana ? "key " : "shutter ") + std::to_string(codigo));
}

void Grabadora::Ejecutar(Comando c, Quien quien) {
  Antes();
  juego_->Ejecutar(c, quien);
  Despues(c == Comando::Ninguno ? std::string() : (quien == Quien::Maquina ? "cpu " : "command ") + std::string(NombreComando(c)));
}

void Grabadora::Clic() {
  Antes();
  juego_->Clic();
  Despues("click");
}

void Grabadora::Responder(bool aceptar) {
  const TipoPeticion tipo = juego_->vista().peticion().tipo;
  Antes();
  juego_->Responder(aceptar);
  // What waited for nothing, or for the level window's choice, took no answer.
  Despues(tipo == TipoPeticion::Pregunta || tipo == TipoPeticion::Repeticiones ? (aceptar ? "reply ok" : "reply cancel")
          : tipo == TipoPeticion::Ninguna || tipo == TipoPeticion::Selector ? std::string()
                                                                            : "reply");
}

void Grabadora::Elegir(const Eleccion& eleccion) {
  const bool selector = juego_->vista().peticion().tipo == TipoPeticion::Selector;
  Antes();
  juego_->Elegir(eleccion);
  if (!selector || eleccion.tipo == Eleccion::Ninguna) return Despues({});
  Despues(eleccion.tipo == Eleccion::Jugar ? "choose " + std::to_string(eleccion.posicion) : "choose escape",
          eleccion.tipo == Eleccion::Jugar);
}

void Grabadora::Retomar(const Continuacion& c) {
  Antes();
  juego_->Retomar(c);
  Despues({});
}

bool Grabadora::AsignarTecla(Comando c, int codigo, Comando& ocupada) {
  Antes();
  const bool hecho = juego_->AsignarTecla(c, codigo, ocupada);
  Despues("assign " + std::string(NombreComando(c)) + " " + std::to_string(codigo));
  return hecho;
}

void Grabadora::TeclasPredeterminadas() {
  Antes();
  juego_->TeclasPredeterminadas();
  Despues("assign default");
}

bool Grabadora::Desfasar(Temporizador t, int64_t ms) {
  const bool hecho = horario_.Desfasar(t, ms);
  if (hecho && curso_ && curso_->faseDebida) curso_->fases[static_cast<size_t>(t)] = ms;
  return hecho;
}

void Grabadora::Terminar() {
  if (!curso_ || !juego_) return;
  Antes();
  Ponerse(sorteos_.size(), enPunto_.size());
  Cerrar(Resultado::SinAcabar, Derrota::Ninguna, Ver());
}

// ---- The platform --------------------------------------------------------------

void Grabadora::temporizador(Temporizador t, bool activo, int intervaloMs) {
  anfitrion_.temporizador(t, activo, intervaloMs);
}

int Grabadora::aleatorio(Sorteo sorteo, int n) {
  const int v = anfitrion_.aleatorio(sorteo, n);
  if (curso_ || alTerminar_) sorteos_.push_back(v);
  return v;
}

}  // namespace tumbla
