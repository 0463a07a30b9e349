#include "motor/Teclado.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstddef>
#include <utility>

#include "motor/CodigosTecla.h"

namespace tumbla {

namespace {

constexpr int kF10 = 121;
constexpr int kF11 = 122;

const std::array<AccionTecla, kAccionesTecla> kAcciones{{
    {Comando::Izquierda, "EZKERRA", "Mover a la izquierda", tecla::kIzquierda, tecla::kO},
    {Comando::Derecha, "ESKUINA", "Mover a la derecha", tecla::kDerecha, tecla::kP},
    {Comando::Girar, "BIRATU", "Girar la pieza", tecla::kArriba, tecla::kQ},
    {Comando::GirarAlReves, "ALDERANTZ", "Girar al otro lado", 0, 0},
    {Comando::Abajo, "BEHERA", "Bajar una fila", tecla::kAbajo, tecla::kA},
    {Comando::Soltar, "JAURTI", "Soltar la pieza o el torpedo", tecla::kEspacio, 0},
    {Comando::GirarCuadrado3, "TAULA_EZKER", "Girar el tablero a la izquierda", tecla::k3, 0},
    {Comando::GirarCuadrado4, "TAULA_ESKUIN", "Girar el tablero a la derecha", tecla::k4, 0},
    {Comando::Pausa, "PAUSA", "Pausa", tecla::kF3, 0},
    {Comando::Sonido, "SOINUA", "Sonido", tecla::kS, 0},
}};

// Keys with a name of their own; letters and digits are their character,
// F1..F12 their name.
constexpr std::pair<int, const char*> kNombres[] = {
    {8, "Backspace"}, {9, "Tab"},     {tecla::kIntro, "Return"}, {tecla::kEscape, "Esc"}, {tecla::kEspacio, "Space"},
    {33, "PgUp"},     {34, "PgDown"}, {35, "End"},               {36, "Home"},            {tecla::kIzquierda, "Left"},
    {tecla::kArriba, "Up"}, {tecla::kDerecha, "Right"}, {tecla::kAbajo, "Down"}, {45, "Ins"}, {46, "Del"},
    {186, ";"},       {187, "="},     {188, ","},                {189, "-"},              {190, "."},
    {191, "/"},       {192, "`"},     {219, "["},                {220, "\\"},             {221, "]"},
    {222, "'"},
};

// Keys whose name shows in Spanish; the others show their portable name.
constexpr std::pair<int, const char*> kNombresVisibles[] = {
    {tecla::kIzquierda, "Flecha izquierda"}, {tecla::kDerecha, "Flecha derecha"}, {tecla::kArriba, "Flecha arriba"},
    {tecla::kAbajo, "Flecha abajo"},         {tecla::kEspacio, "Espacio"},         {8, "Retroceso"},
    {9, "Tabulador"},                        {33, "Re Pág"},                       {34, "Av Pág"},
    {35, "Fin"},                             {36, "Inicio"},                       {45, "Insertar"},
    {46, "Suprimir"},
};

constexpr const char* kClaveRetardo = "ATZERAPENA";
constexpr const char* kClavePorSegundo = "ABIADURA";
constexpr const char* kClaveAbajo = "ABIADURA_BEHERA";

// A stored whole number (one too large for an int as the largest), or
// `porDefecto` when the text is no number.
int Numero(const std::string& texto, int porDefecto) {
  int n = 0;
  const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), n);
  if (fin != texto.data() + texto.size()) return porDefecto;
  if (error == std::errc::result_out_of_range) return texto[0] == '-' ? INT_MIN : INT_MAX;
  return error == std::errc() ? n : porDefecto;
}

Comando Atajo(int codigo) {
  if (codigo == tecla::kF1) return Comando::Ayuda;
  if (codigo == tecla::kF2) return Comando::Nuevo;
  return Comando::Ninguno;
}

}  // namespace

Teclado::Teclado() {
  for (size_t a = 0; a < kAcciones.size(); ++a) teclas_[a] = kAcciones[a].tecla;
  Rehacer();
}

const std::array<AccionTecla, kAccionesTecla>& Teclado::Acciones() { return kAcciones; }

std::string Teclado::NombreTecla(int codigo) {
  if ((codigo >= 'A' && codigo <= 'Z') || (codigo >= '0' && codigo <= '9')) return std::string(1, static_cast<char>(codigo));
  if (codigo >= tecla::kF1 && codigo < tecla::kF1 + 12) return "F" + std::to_string(codigo - tecla::kF1 + 1);
  for (const auto& [c, nombre] : kNombres) {
    if (c == codigo) return nombre;
  }
  return "";
}

int Teclado::CodigoTecla(std::string_view nombre) {
  for (int codigo = 1; codigo < 256; ++codigo) {
    if (!nombre.empty() && NombreTecla(codigo) == nombre) return codigo;
  }
  return 0;
}

std::string Teclado::NombreVisible(int codigo) {
  for (const auto& [c, nombre] : kNombresVisibles) {
    if (c == codigo) return nombre;
  }
  return NombreTecla(codigo);
}

Repeticion Repeticion::Acotada() const {
  return {std::clamp(retardo, 0, kRetardoMaximo), std::clamp(porSegundo, 1, kPorSegundoMaximo),
          std::clamp(abajoPorSegundo, 1, kPorSegundoMaximo)};
}

bool Teclado::Reservada(int codigo) {
  return codigo == tecla::kF1 || codigo == tecla::kF2 || codigo == kF10 || codigo == kF11 ||
         codigo == tecla::kIntro || codigo == tecla::kEscape;
}

void Teclado::Rehacer() {
  // Each action's own key, then the second keys no action has taken.
  mapa_.fill(Comando::Ninguno);
  for (size_t a = 0; a < kAcciones.size(); ++a) {
    if (teclas_[a] != 0) mapa_[static_cast<size_t>(teclas_[a])] = kAcciones[a].comando;
  }
  for (const AccionTecla& a : kAcciones) {
    if (a.alternativa != 0 && mapa_[static_cast<size_t>(a.alternativa)] == Comando::Ninguno) {
      mapa_[static_cast<size_t>(a.alternativa)] = a.comando;
    }
  }
}

void Teclado::Cargar(const Almacen& almacen) {
  std::array<int, kAccionesTecla> guardadas{};
  std::array<int, 256> veces{};
  for (size_t a = 0; a < kAcciones.size(); ++a) {
    const int codigo = CodigoTecla(almacen.Leer(kSeccionTeclas, kAcciones[a].clave));
    if (codigo != 0 && !Reservada(codigo)) guardadas[a] = codigo;
    ++veces[static_cast<size_t>(guardadas[a])];
  }
  // A key stored for two actions counts for neither; then a key that ends
  // up with an action that kept its own goes back to the game's own keys,
  // until no key has two actions.
  for (size_t a = 0; a < kAcciones.size(); ++a) {
    if (veces[static_cast<size_t>(guardadas[a])] > 1) guardadas[a] = 0;
    teclas_[a] = guardadas[a] != 0 ? guardadas[a] : kAcciones[a].tecla;
  }
  for (bool repetida = true; repetida;) {
    repetida = false;
    for (size_t a = 0; a < kAcciones.size(); ++a) {
      for (size_t b = 0; b < kAcciones.size(); ++b) {
        if (a == b || teclas_[a] == 0 || teclas_[a] != teclas_[b] || guardadas[a] == 0) continue;
        teclas_[a] = kAcciones[a].tecla;
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

TeclasAyuda Teclado::ParaAyuda() const {
  TeclasAyuda ayuda;
  for (const AccionTecla& a : kAcciones) {
    std::string nombres;
    for (int codigo : Teclas(a.comando)) {
      if (codigo != 0) nombres += (nombres.empty() ? "" : ", ") + NombreVisible(codigo);
    }
    ayuda.acciones.emplace_back(a.nombre, nombres.empty() ? "(ninguna)" : nombres);
  }
  ayuda.retardo = repeticion_.retardo;
  ayuda.porSegundo = repeticion_.porSegundo;
  ayuda.abajoPorSegundo = repeticion_.abajoPorSegundo;
  return ayuda;
}

bool Teclado::Asignar(Almacen& almacen, Comando c, int codigo, Comando& ocupada) {
  ocupada = Comando::Ninguno;
  if (codigo <= 0 || codigo > 255 || Reservada(codigo) || NombreTecla(codigo).empty()) return false;
  for (size_t a = 0; a < kAcciones.size(); ++a) {
    if (kAcciones[a].comando == c) continue;
    if (teclas_[a] == codigo) {
      ocupada = kAcciones[a].comando;
      return false;
    }
  }
  for (size_t a = 0; a < kAcciones.size(); ++a) {
    if (kAcciones[a].comando != c) continue;
    teclas_[a] = codigo;
    almacen.Escribir(kSeccionTeclas, kAcciones[a].clave, NombreTecla(codigo));
  }
  Rehacer();
  return true;
}

void Teclado::Predeterminadas(Almacen& almacen) {
  for (size_t a = 0; a < kAcciones.size(); ++a) teclas_[a] = kAcciones[a].tecla;
  almacen.Cambiar([this](TextoIni& t) {
    for (size_t a = 0; a < kAcciones.size(); ++a) t.Escribir(kSeccionTeclas, kAcciones[a].clave, NombreTecla(teclas_[a]));
  });
  Rehacer();
  repeticion_ = {};
  GuardarRepeticion(almacen);
}

Comando Teclado::DeLaPersiana(int codigo) {
  switch (codigo) {
    case tecla::kIntro: return Comando::Continuar;
    case tecla::kF2: return Comando::Nuevo;
    case tecla::kS: return Comando::Sonido;
    default: return Comando::Ninguno;
  }
}

Comando Teclado::Principal(int codigo, Foco foco) const {
  if (codigo <= 0 || codigo > 255) return Comando::Ninguno;
  const Comando atajo = foco == Foco::Ventana ? Atajo(codigo) : Comando::Ninguno;
  return atajo != Comando::Ninguno ? atajo : mapa_[static_cast<size_t>(codigo)];
}

std::array<int, 2> Teclado::Teclas(Comando c) const {
  std::array<int, 2> r{};
  for (size_t a = 0; a < kAcciones.size(); ++a) {
    if (kAcciones[a].comando != c) continue;
    r[0] = teclas_[a];
    const int alt = kAcciones[a].alternativa;
    if (alt != 0 && mapa_[static_cast<size_t>(alt)] == c) r[1] = alt;
  }
  return r;
}

}  // namespace tumbla
