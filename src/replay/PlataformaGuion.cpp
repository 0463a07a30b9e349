#include "replay/PlataformaGuion.h"

#include "motor/Juego.h"

namespace tumbla {

namespace {

// One command's answers: a level's shutter takes 24 at most, a lost game a
// box and a window per queued choice. Far more means the game loops.
constexpr int kRespuestasMaximas = 100000;

}  // namespace

void PlataformaGuion::temporizador(Temporizador t, bool activo, int intervaloMs) {
  // The game keeps the timers' state in its record and a script's ticks are
  // delivered from there; a live script's timers run from the schedule.
  if (vivo) agenda.Poner(t, activo, intervaloMs);
}

void PlataformaGuion::pedir(const Peticion& p) {
  if (p.tipo == TipoPeticion::Pregunta && vivo) return;  // reported once answered
  if (p.tipo == TipoPeticion::Mensaje) {
    informe_ << "message " << UnaLinea(p.titulo) << " | " << UnaLinea(SinCarpeta(p.texto)) << '\n';
  } else if (p.tipo == TipoPeticion::Pregunta) {
    if (respuestas.empty()) {
      throw ErrorGuion("no answer queued for question \"" + UnaLinea(p.texto) + "\"");
    }
    respuesta_ = respuestas.front();
    respuestas.pop_front();
    informe_ << "question " << UnaLinea(p.titulo) << " | " << UnaLinea(p.texto) << " -> "
             << (respuesta_ ? "ok" : "cancel") << '\n';
  }
}

void PlataformaGuion::sonido(int id, bool encendido) {
  informe_ << "sound " << id << (encendido ? "" : " off") << '\n';
}

bool PlataformaGuion::abrir(const std::string& destino) {
  informe_ << "open " << Destino(destino) << '\n';
  return true;
}

int PlataformaGuion::aleatorio(Sorteo sorteo, int n) {
  if (aleatorios.empty() && azarLibre) return azarLibre(n);
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

std::string PlataformaGuion::SinCarpeta(std::string texto) const {
  if (carpeta.empty()) return texto;
  for (size_t k = texto.find(carpeta); k != std::string::npos; k = texto.find(carpeta, k + 5)) {
    texto.replace(k, carpeta.size(), "<tmp>");
  }
  return texto;
}

void PlataformaGuion::Contestada(const Peticion& p, bool aceptar) {
  informe_ << "question " << UnaLinea(p.titulo) << " | " << UnaLinea(p.texto) << " -> " << (aceptar ? "ok" : "cancel")
           << '\n';
}

void PlataformaGuion::Atender(Juego& juego) {
  if (vivo) return;
  for (int n = 0; juego.vista().peticion().tipo != TipoPeticion::Ninguna; ++n) {
    if (n >= kRespuestasMaximas) throw ErrorGuion("the game keeps asking for answers");
    switch (juego.vista().peticion().tipo) {
      case TipoPeticion::Pregunta:
        juego.Responder(respuesta_);
        break;
      case TipoPeticion::Selector: {
        int respuesta = kEscape;
        if (!ventanas.empty()) {
          respuesta = ventanas.front();
          ventanas.pop_front();
        }
        SelectorNiveles& selector = juego.selector();
        const Eleccion e = respuesta == kEscape ? selector.Continuar() : selector.ElegirPosicion(respuesta);
        if (e.tipo == Eleccion::Ninguna) {
          throw ErrorGuion("the level-selection window refused position " + std::to_string(respuesta));
        }
        juego.Elegir(e);
        break;
      }
      default:
        juego.Responder(true);
        break;
    }
  }
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
