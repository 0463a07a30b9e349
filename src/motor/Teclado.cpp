#include "motor/Teclado.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstddef>

namespace tumbla {

namespace {

constexpr const char* kClaveRetardo = "ATZERAPENA";
constexpr const char* kClavePorSegundo = "ABIADURA";
constexpr const char* kClaveAbajo = "ABIADURA_BEHERA";

// The keys of play: the first entries of the input table.
const Entrada& Accion(size_t a) { return Entradas()[a]; }

// A stored whole number (one too large for an int as the largest), or
// `porDefecto` when the text is no number.
int Numero(const std::string& texto, int porDefecto) {
  int n = 0;
  const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), n);
  if (fin != texto.data() + texto.size()) return porDefecto;
  if (error == std::errc::result_out_of_range) return texto[0] == '-' ? INT_MIN : INT_MAX;
  return error == std::errc() ? n : porDefecto;
}

}  // namespace

Teclado::Teclado() {
  for (size_t a = 0; a < teclas_.size(); ++a) teclas_[a] = Accion(a).teclas[0];
  Rehacer();
}

Repeticion Repeticion::Acotada() const {
  return {std::clamp(retardo, 0, kRetardoMaximo), std::clamp(porSegundo, 1, kPorSegundoMaximo),
          std::clamp(abajoPorSegundo, 1, kPorSegundoMaximo)};
}

void Teclado::Rehacer() {
  // Each action's own key, then the second keys no action has taken.
  mapa_.fill(Comando::Ninguno);
  for (size_t a = 0; a < teclas_.size(); ++a) {
    if (teclas_[a] != 0) mapa_[static_cast<size_t>(teclas_[a])] = Accion(a).comando;
  }
  for (size_t a = 0; a < teclas_.size(); ++a) {
    const int segunda = Accion(a).teclas[1];
    if (segunda != 0 && mapa_[static_cast<size_t>(segunda)] == Comando::Ninguno) {
      mapa_[static_cast<size_t>(segunda)] = Accion(a).comando;
    }
  }
}

void Teclado::Cargar(const Almacen& almacen) {
  std::array<int, kAccionesTecla> guardadas{};
  std::array<int, 256> veces{};
  for (size_t a = 0; a < guardadas.size(); ++a) {
    const int codigo = CodigoTecla(almacen.Leer(kSeccionTeclas, Accion(a).clave));
    if (codigo != 0 && !Reservada(codigo)) guardadas[a] = codigo;
    ++veces[static_cast<size_t>(guardadas[a])];
  }
  // A key stored for two actions counts for neither; then a key that ends
  // up with an action that kept its own goes back to the game's own keys,
  // until no key has two actions.
  for (size_t a = 0; a < guardadas.size(); ++a) {
    if (veces[static_cast<size_t>(guardadas[a])] > 1) guardadas[a] = 0;
    teclas_[a] = guardadas[a] != 0 ? guardadas[a] : Accion(a).teclas[0];
  }
  for (bool repetida = true; repetida;) {
    repetida = false;
    for (size_t a = 0; a < teclas_.size(); ++a) {
      for (size_t b = 0; b < teclas_.size(); ++b) {
        if (a == b || teclas_[a] == 0 || teclas_[a] != teclas_[b] || guardadas[a] == 0) continue;
        teclas_[a] = Accion(a).teclas[0];
        guardadas[a] = 0;
        repetida = true;
      }
    }
  }
  Rehacer();
  // Files from before the game timed held keys have none of these keys.
  const Repeticion propia;
  repeticion_ = Repeticion{Numero(almacen.Leer(kSeccionTeclas, kClaveRetardo), propia.retardo),
                           Numero(almacen.Leer(kSeccionTeclas, kClavePorSegundo), propia.porSegundo),
                           Numero(almacen.Leer(kSeccionTeclas, kClaveAbajo), propia.abajoPorSegundo)}
                    .Acotada();
}

void Teclado::PonerRepeticion(Almacen& almacen, const Repeticion& r) {
  repeticion_ = r.Acotada();
  GuardarRepeticion(almacen);
}

void Teclado::GuardarRepeticion(Almacen& almacen) const {
  almacen.Escribir(kSeccionTeclas, kClaveRetardo, std::to_string(repeticion_.retardo));
  almacen.Escribir(kSeccionTeclas, kClavePorSegundo, std::to_string(repeticion_.porSegundo));
  almacen.Escribir(kSeccionTeclas, kClaveAbajo, std::to_string(repeticion_.abajoPorSegundo));
}

TeclasAyuda Teclado::ParaAyuda(const Traductor& tr) const {
  TeclasAyuda ayuda;
  for (size_t a = 0; a < teclas_.size(); ++a) {
    std::string nombres;
    for (int codigo : Teclas(Accion(a).comando)) {
      if (codigo == 0) continue;
      nombres += (nombres.empty() ? "" : ", ") + tr.traducir("Entradas", NombreVisible(codigo).c_str());
    }
    if (nombres.empty()) nombres = tr.traducir("Entradas", TUMBLA_TEXTO("Entradas", "(ninguna)"));
    ayuda.acciones.emplace_back(tr.traducir("Entradas", Accion(a).nombre), nombres);
  }
  ayuda.retardo = repeticion_.retardo;
  ayuda.porSegundo = repeticion_.porSegundo;
  ayuda.abajoPorSegundo = repeticion_.abajoPorSegundo;
  return ayuda;
}

bool Teclado::Asignar(Almacen& almacen, Comando c, int codigo, Comando& ocupada) {
  ocupada = Comando::Ninguno;
  if (codigo <= 0 || codigo > 255 || Reservada(codigo) || NombreTecla(codigo).empty()) return false;
  for (size_t a = 0; a < teclas_.size(); ++a) {
    if (Accion(a).comando != c && teclas_[a] == codigo) {
      ocupada = Accion(a).comando;
      return false;
    }
  }
  for (size_t a = 0; a < teclas_.size(); ++a) {
    if (Accion(a).comando != c) continue;
    teclas_[a] = codigo;
    almacen.Escribir(kSeccionTeclas, Accion(a).clave, NombreTecla(codigo));
  }
  Rehacer();
  return true;
}

void Teclado::Predeterminadas(Almacen& almacen) {
  for (size_t a = 0; a < teclas_.size(); ++a) teclas_[a] = Accion(a).teclas[0];
  almacen.Cambiar([this](TextoIni& t) {
    for (size_t a = 0; a < teclas_.size(); ++a) t.Escribir(kSeccionTeclas, Accion(a).clave, NombreTecla(teclas_[a]));
  });
  Rehacer();
  repeticion_ = {};
  GuardarRepeticion(almacen);
}

Comando Teclado::Resolver(int codigo, bool repeticion, Contexto contexto) const {
  if (codigo <= 0 || codigo > 255) return Comando::Ninguno;
  Comando c = ComandoFijo(codigo, contexto);
  if (c == Comando::Ninguno && (contexto == Contexto::Ventana || contexto == Contexto::Tablero ||
                                contexto == Contexto::Persiana)) {
    c = mapa_[static_cast<size_t>(codigo)];
  }
  return repeticion && ComoRepite(c) == Repite::No ? Comando::Ninguno : c;
}

std::array<int, 2> Teclado::Teclas(Comando c) const {
  std::array<int, 2> r{};
  for (size_t a = 0; a < teclas_.size(); ++a) {
    if (Accion(a).comando != c) continue;
    r[0] = teclas_[a];
    const int segunda = Accion(a).teclas[1];
    if (segunda != 0 && mapa_[static_cast<size_t>(segunda)] == c) r[1] = segunda;
  }
  return r;
}

}  // namespace tumbla
