#include "replay/Volcado.h"

#include <fstream>

#include "motor/Juego.h"

namespace tumbla {

namespace {

std::string SinBlancos(const std::string& t) {
  const auto a = t.find_first_not_of(" \t\r");
  if (a == std::string::npos) return {};
  const auto b = t.find_last_not_of(" \t\r");
  return t.substr(a, b - a + 1);
}

bool MismoNombre(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t k = 0; k < a.size(); ++k) {
    auto m = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; };
    if (m(a[k]) != m(b[k])) return false;
  }
  return true;
}

std::string Temp(const char* nombre, const EstadoTemporizador& t) {
  return std::string(nombre) + "=" + (t.activo ? "ON" : "OFF") + ":" + std::to_string(t.intervalo);
}

}  // namespace

std::vector<std::pair<std::string, std::string>> ClavesOrokorra(const std::filesystem::path& ini) {
  std::vector<std::pair<std::string, std::string>> claves;
  std::ifstream f(ini, std::ios::binary);
  if (!f) return claves;
  std::string linea;
  bool dentro = false;
  while (std::getline(f, linea)) {
    const std::string t = SinBlancos(linea);
    if (t.empty() || t[0] == ';') continue;
    if (t[0] == '[') {
      const auto cierre = t.find(']');
      dentro = cierre != std::string::npos &&
               MismoNombre(SinBlancos(t.substr(1, cierre - 1)), kSeccionIni);
      continue;
    }
    if (!dentro) continue;
    const auto igual = t.find('=');
    if (igual == std::string::npos) continue;
    claves.emplace_back(SinBlancos(t.substr(0, igual)), SinBlancos(t.substr(igual + 1)));
  }
  return claves;
}

void EscribirVolcado(std::ostream& o, const Juego& juego, const std::filesystem::path& ini) {
  const Vista& v = juego.vista();
  const Pantalla& p = juego.pantalla();
  auto b = [](bool x) { return x ? "1" : "0"; };

  const Mesa& m = v.mesa();
  o << "level " << v.NivelActual() << ' ' << (v.nivel().grupo != nullptr ? v.nivel().grupo->tipo : "-") << ' '
    << v.NombreModo() << '\n';
  o << "playing " << b(v.Jugando()) << ' ' << b(v.Pausado()) << '\n';
  if (m.hayFicha) {
    o << "piece " << m.ficha.fila << ' ' << m.ficha.posicion << '\n';
  } else {
    o << "piece none\n";
  }
  o << "next " << m.siguiente << '\n';
  o << "score " << v.marcador().puntos << '\n';
  o << "lines " << m.lineasRestantes << ' ' << m.borrarCada << '\n';
  o << "torpedo " << m.cargaTorpedo << ' ' << b(m.torpedoPendiente) << '\n';
  o << "drop " << m.celdaGota << ' ' << b(m.gotaCayendo) << '\n';
  o << "plant";
  if (m.planta.empty()) o << " -";
  for (int16_t i : m.planta) o << ' ' << i;
  o << '\n';
  o << "timers " << Temp("juego", v.Temporizador(Temporizador::Juego)) << ' '
    << Temp("gota", v.Temporizador(Temporizador::Gota)) << ' ' << Temp("bloque", v.Temporizador(Temporizador::BloqueExtra))
    << '\n';
  o << "labels objetivo=\"" << p.lblObjetivo.texto << "\" tiempo=\"" << p.lblTiempo.texto
    << "\" tipo=\"" << p.lblTipoJuego.texto << "\"\n";
  o << "shutter " << (p.persianaVisible ? "visible" : "hidden") << " \"" << p.textoPersiana
    << "\"\n";
  o << "minutes " << v.MinutosExtra() << '\n';
  o << "ini";
  for (const auto& [clave, valor] : ClavesOrokorra(ini)) o << ' ' << clave << '=' << valor;
  o << '\n';
  o << "board\n";
  for (int fila = 0; fila < kAlto; ++fila) {
    for (int col = 0; col < kAncho; ++col) {
      if (col > 0) o << ' ';
      o << v.Celda(fila * kAncho + col);
    }
    o << '\n';
  }
  o << "end\n";
}

}  // namespace tumbla
