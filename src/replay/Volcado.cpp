#include "replay/Volcado.h"

#include <fstream>

#include "game/Juego.h"

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

const char* NombreModo(const Estado& e) {
  if (e.ModoClasico) return "ModoClasico";
  if (e.ModoPanic) return "ModoPanic";
  if (e.ModoSuperpanic) return "ModoSuperpanic";
  if (e.ModoGoteator) return "ModoGoteator";
  if (e.ModoRotator) return "ModoRotator";
  if (e.ModoRotatorPlus) return "ModoRotatorPlus";
  if (e.ModoJuntator) return "ModoJuntator";
  if (e.ModoPodator) return "ModoPodator";
  return "none";
}

std::string Temp(const char* nombre, const EstadoTemporizador& t) {
  return std::string(nombre) + "=" + (t.Enabled ? "ON" : "OFF") + ":" + std::to_string(t.Interval);
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
  const Estado& e = juego.estado();
  const Pantalla& p = juego.pantalla();
  auto b = [](bool v) { return v ? "1" : "0"; };

  o << "level " << e.NivelActual << ' ' << (e.TipoNivel.empty() ? "-" : e.TipoNivel) << ' '
    << NombreModo(e) << '\n';
  o << "playing " << b(e.Jugando) << ' ' << b(e.Pausado) << '\n';
  if (e.FichaActiva) {
    o << "piece " << e.Ficha << ' ' << e.Posicion << '\n';
  } else {
    o << "piece none\n";
  }
  o << "next " << e.FichaSiguiente << '\n';
  o << "score " << e.Puntos << '\n';
  o << "lines " << e.LineasRestantes << ' ' << e.BorrarCada << '\n';
  o << "torpedo " << e.CargaTorpedo << ' ' << b(e.TorpedoPendiente) << '\n';
  o << "drop " << e.CeldaGota << ' ' << b(e.GotaCayendo) << '\n';
  o << "plant";
  if (e.Planta.empty()) o << " -";
  for (int16_t i : e.Planta) o << ' ' << i;
  o << '\n';
  o << "timers " << Temp("juego", e.timJuego) << ' ' << Temp("gota", e.timGota) << ' '
    << Temp("bloque", e.timBloqueExtra) << '\n';
  o << "labels objetivo=\"" << p.lblObjetivo.texto << "\" tiempo=\"" << p.lblTiempo.texto
    << "\" tipo=\"" << p.lblTipoJuego.texto << "\"\n";
  o << "shutter " << (p.persianaVisible ? "visible" : "hidden") << " \"" << p.textoPersiana
    << "\"\n";
  o << "minutes " << e.MinutosExtra << '\n';
  o << "ini";
  for (const auto& [clave, valor] : ClavesOrokorra(ini)) o << ' ' << clave << '=' << valor;
  o << '\n';
  o << "board\n";
  for (int fila = 0; fila < kAlto; ++fila) {
    for (int col = 0; col < kAncho; ++col) {
      if (col > 0) o << ' ';
      o << e.tablero[fila * kAncho + col];
    }
    o << '\n';
  }
  o << "end\n";
}

}  // namespace tumbla
