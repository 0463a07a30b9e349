#include "editor/Prueba.h"

#include <ostream>
#include <streambuf>
#include <vector>

#include "motor/Juego.h"
#include "replay/EjecutorGuion.h"

namespace tumbla {

namespace {

// The start every proof shares: a fresh player, with no extra minute.
constexpr const char* kFecha = "date 2000/01/01";
constexpr const char* kAjustes = "ini AZKENA=2000/01/01 LAGUNTZA=0";

// The replay's report goes nowhere: only how the game ends counts.
class Sumidero : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

std::vector<std::string> Palabras(std::string_view linea) {
  linea = linea.substr(0, linea.find('#'));
  std::vector<std::string> palabras;
  size_t k = 0;
  while (k < linea.size()) {
    while (k < linea.size() && (linea[k] == ' ' || linea[k] == '\t' || linea[k] == '\r')) ++k;
    const size_t inicio = k;
    while (k < linea.size() && linea[k] != ' ' && linea[k] != '\t' && linea[k] != '\r') ++k;
    if (k > inicio) palabras.emplace_back(linea.substr(inicio, k - inicio));
  }
  return palabras;
}

std::string Unidas(const std::vector<std::string>& w) {
  std::string t;
  for (const auto& p : w) t += (t.empty() ? "" : " ") + p;
  return t;
}

// What a script may not do to count as a game of the level by a fresh
// player: "" when it keeps to that, else why not (%1 the line's number).
const char* FaltaEnLinea(const std::vector<std::string>& w, const std::string& posicion) {
  const std::string& orden = w[0];
  if (orden == "date" || orden == "ini") {
    const std::string linea = Unidas(w);
    if (linea != kFecha && linea != kAjustes) {
      return TUMBLA_TEXTO("Prueba", "la prueba cambia la fecha o los ajustes de un jugador nuevo (línea %1)");
    }
  } else if (orden == "menu") {
    return TUMBLA_TEXTO("Prueba", "la prueba usa el menú (línea %1)");
  } else if (orden == "answer") {
    for (size_t k = 1; k < w.size(); ++k) {
      if (w[k] != "cancel") return TUMBLA_TEXTO("Prueba", "la prueba gasta minutos extra (línea %1)");
    }
  } else if (orden == "play" || orden == "window") {
    for (size_t k = 1; k < w.size(); ++k) {
      if (w[k] != posicion && w[k] != "escape") {
        return TUMBLA_TEXTO("Prueba", "la prueba juega otro nivel (línea %1)");
      }
    }
  }
  return nullptr;
}

}  // namespace

ResultadoPartida JugarNivel(const NivelPropio& nivel, OpcionesPartida opciones) {
  opciones.registros = RegistrosConNivel(nivel);
  opciones.posicion = PosicionDelGrupo(*GrupoDe(nivel));
  return JugarPartida(opciones);
}

std::string VerificarPrueba(const NivelPropio& nivel, const Prueba& prueba, const std::atomic<bool>* cancelar,
                            const Traductor& t) {
  const auto texto = [&t](const char* plantilla, std::initializer_list<std::string_view> valores = {}) {
    return Formato(t.traducir("Prueba", plantilla), valores);
  };
  const Grupo* grupo = GrupoDe(nivel);
  if (grupo == nullptr || !Faltas(nivel).empty()) return texto(TUMBLA_TEXTO("Prueba", "el nivel tiene faltas"));
  if (prueba.huella != Huella(nivel)) {
    return texto(TUMBLA_TEXTO("Prueba", "el nivel no es el que ganó su prueba: ha cambiado desde entonces"));
  }
  if (prueba.guion.size() > kLargoPrueba) return texto(TUMBLA_TEXTO("Prueba", "la prueba es demasiado larga"));

  const std::string posicion = std::to_string(PosicionDelGrupo(*grupo));
  Sumidero sumidero;
  std::ostream informe(&sumidero);
  // Half an hour of play at the quickest pace is far fewer timer events.
  EjecutorGuion ejecutor(informe, LimitesGuion{200000, 1000000}, CatalogoNiveles(RegistrosConNivel(nivel)));
  std::string_view resto = prueba.guion;
  size_t numero = 0;
  try {
    while (!resto.empty()) {
      if (++numero > kLineasPrueba) return texto(TUMBLA_TEXTO("Prueba", "la prueba es demasiado larga"));
      if (cancelar != nullptr && cancelar->load(std::memory_order_relaxed)) {
        return texto(TUMBLA_TEXTO("Prueba", "la importación se ha cancelado"));
      }
      const size_t fin = resto.find('\n');
      const std::string_view linea = resto.substr(0, fin);
      resto = fin == std::string_view::npos ? std::string_view{} : resto.substr(fin + 1);
      const std::vector<std::string> w = Palabras(linea);
      if (w.empty()) continue;
      if (const char* falta = FaltaEnLinea(w, posicion)) return texto(falta, {std::to_string(numero)});
      ejecutor.Linea(linea);
    }
  } catch (const std::exception& e) {
    return texto(TUMBLA_TEXTO("Prueba", "la prueba no gana el nivel: se detiene en su línea %1 (%2)"),
                 {std::to_string(numero), e.what()});
  }
  const Juego* juego = ejecutor.juego();
  if (juego == nullptr || !juego->vista().NivelTerminado() || juego->vista().NivelActual() != std::stoi(posicion)) {
    return texto(TUMBLA_TEXTO("Prueba", "la prueba no gana el nivel"));
  }
  return {};
}

}  // namespace tumbla
