#include "replay/PlataformaGuion.h"

#include "game/Juego.h"
#include "progress/SelectorNiveles.h"

namespace tumbla {

namespace {

// The level-selection window cannot legitimately open from inside itself
// more than once or twice; deeper nesting means the game loops.
constexpr int kProfundidadMaxima = 8;

}  // namespace

void PlataformaGuion::temporizador(Temporizador, bool, int) {
  // The game keeps the timers' state in its record; ticks are delivered from
  // there, so nothing is kept here.
}

void PlataformaGuion::mensaje(Icono, const std::string& titulo, const std::string& texto) {
  informe_ << "message " << UnaLinea(titulo) << " | " << UnaLinea(texto) << '\n';
}

bool PlataformaGuion::pregunta(Icono, const std::string& titulo, const std::string& texto) {
  if (respuestas.empty()) {
    throw ErrorGuion("no answer queued for question \"" + UnaLinea(texto) + "\"");
  }
  const bool ok = respuestas.front();
  respuestas.pop_front();
  informe_ << "question " << UnaLinea(titulo) << " | " << UnaLinea(texto) << " -> "
           << (ok ? "ok" : "cancel") << '\n';
  return ok;
}

void PlataformaGuion::sonido(int id, bool encendido) {
  informe_ << "sound " << id << (encendido ? "" : " off") << '\n';
}

bool PlataformaGuion::abrir(const std::string& destino) {
  informe_ << "open " << Destino(destino) << '\n';
  return true;
}

int PlataformaGuion::aleatorio(Sorteo sorteo, int n) {
  if (aleatorios.empty()) {
    throw ErrorGuion(std::string("no random value queued for ") + NombreSorteo(sorteo));
  }
  const int v = aleatorios.front();
  aleatorios.pop_front();
  if (v < 0 || v >= n) {
    throw ErrorGuion("random value " + std::to_string(v) + " out of range 0.." +
                     std::to_string(n - 1) + " for " + NombreSorteo(sorteo));
  }
  return v;
}

void PlataformaGuion::mostrarSelectorNiveles() {
  if (juego_ == nullptr) throw ErrorGuion("the level-selection window opened before start-up");
  if (profundidadSelector_ >= kProfundidadMaxima) {
    throw ErrorGuion("the level-selection window keeps opening inside itself");
  }
  int respuesta = kEscape;
  if (!ventanas.empty()) {
    respuesta = ventanas.front();
    ventanas.pop_front();
  }
  ++profundidadSelector_;
  SelectorNiveles& selector = juego_->selector();
  if (respuesta == kEscape) {
    selector.Continuar();
  } else if (!selector.ElegirPosicion(respuesta)) {
    throw ErrorGuion("the level-selection window refused position " + std::to_string(respuesta));
  }
  --profundidadSelector_;
}

const char* PlataformaGuion::NombreSorteo(Sorteo sorteo) {
  switch (sorteo) {
    case Sorteo::Pieza: return "piece";
    case Sorteo::Columna: return "column";
    case Sorteo::Barajado: return "shuffle";
    case Sorteo::Lado: return "side";
  }
  return "draw";
}

std::string PlataformaGuion::UnaLinea(const std::string& texto) {
  std::string r;
  r.reserve(texto.size());
  for (size_t k = 0; k < texto.size(); ++k) {
    const char c = texto[k];
    if (c == '\r') {
      if (k + 1 < texto.size() && texto[k + 1] == '\n') ++k;
      r += "\\n";
    } else if (c == '\n') {
      r += "\\n";
    } else {
      r += c;
    }
  }
  return r;
}

std::string PlataformaGuion::Destino(const std::string& destino) {
  // A scheme of two or more letters ("http:", "mailto:") marks a URL; a
  // drive letter ("C:") does not.
  const auto dosPuntos = destino.find(':');
  bool esquema = dosPuntos != std::string::npos && dosPuntos > 1;
  for (size_t k = 0; esquema && k < dosPuntos; ++k) {
    const char c = destino[k];
    esquema = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (k > 0 && c >= '0' && c <= '9') ||
              (k > 0 && (c == '+' || c == '-' || c == '.'));
  }
  if (esquema) return destino;
  // Either separator, whatever system wrote the path.
  const auto barra = destino.find_last_of("/\\");
  return barra == std::string::npos ? destino : destino.substr(barra + 1);
}

}  // namespace tumbla
