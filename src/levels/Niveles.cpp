// The level records (built in from niveles.txt), the 296-level sequence and
// the eight level groups.
#include "levels/Niveles.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "game/Tablero.h"

namespace tumbla {

// Defined by the source generated from niveles.txt.
extern const char* const TextoNiveles;

namespace {

// The sequence in play order, as runs of group code and first-last number.
// The game works through the groups in turn, a few levels of each per pass.
constexpr const char* kRachasSecuencia =
    "CLASI 01-03; GOTEA 01-04; ROTA7 01; ROTA7 04-07; PANIC 01-03; PODAT 01-03; "
    "ROTA+ 01; ROTA+ 03-04; ROTA+ 07-08; SUPER 01-03; JUNTA 01-03; JUNTA 13; "
    "JUNTA 22; CLASI 04-06; GOTEA 05-08; ROTA7 08-12; PANIC 04-06; PODAT 04; "
    "PODAT 13; PODAT 15; ROTA+ 10-12; ROTA+ 16-17; SUPER 04-06; JUNTA 24-25; "
    "JUNTA 31; JUNTA 34; JUNTA 37; CLASI 07-09; GOTEA 09-10; GOTEA 12-13; "
    "ROTA7 13-15; ROTA7 17-18; PANIC 07-09; PODAT 19; PODAT 08-09; ROTA+ 18; "
    "ROTA+ 21; ROTA+ 26; ROTA+ 29; ROTA+ 32; SUPER 07-09; JUNTA 39-42; JUNTA 44; "
    "CLASI 10-12; GOTEA 14-17; ROTA7 19-21; ROTA7 23; ROTA7 25; PANIC 10-12; "
    "PODAT 10; PODAT 05; PODAT 07; ROTA+ 37; ROTA+ 41-43; ROTA+ 46; SUPER 10-12; "
    "JUNTA 10; JUNTA 23; JUNTA 26; JUNTA 36; JUNTA 38; CLASI 13-15; GOTEA 19; "
    "GOTEA 21; GOTEA 23; GOTEA 28; ROTA7 26-27; ROTA7 30-32; PANIC 13-15; "
    "PODAT 16; PODAT 20; PODAT 12; ROTA+ 48; ROTA+ 02; ROTA+ 05; ROTA+ 13-14; "
    "SUPER 13-15; JUNTA 47; JUNTA 08; JUNTA 29; JUNTA 32; JUNTA 43; CLASI 16-18; "
    "GOTEA 29-32; ROTA7 34; ROTA7 37; ROTA7 39; ROTA7 42; ROTA7 48; PANIC 16-18; "
    "PODAT 17; PODAT 14; PODAT 18; ROTA+ 15; ROTA+ 28; ROTA+ 39-40; ROTA+ 45; "
    "SUPER 16-18; JUNTA 45; JUNTA 07; JUNTA 16; JUNTA 27; JUNTA 30; CLASI 19-21; "
    "GOTEA 33; GOTEA 35-37; ROTA7 02-03; ROTA7 16; ROTA7 22; ROTA7 28; "
    "PANIC 19-21; PODAT 11; PODAT 06; PODAT 23; ROTA+ 50; ROTA+ 09; ROTA+ 20; "
    "ROTA+ 22; ROTA+ 25; SUPER 19-21; JUNTA 48-49; JUNTA 04; JUNTA 14; JUNTA 35; "
    "CLASI 22-24; GOTEA 39; GOTEA 11; GOTEA 18; GOTEA 20; ROTA7 33; ROTA7 36; "
    "ROTA7 40; ROTA7 44; ROTA7 46; PANIC 22-24; PODAT 25; PODAT 22; PODAT 21; "
    "PODAT 24; ROTA+ 30; ROTA+ 34; ROTA+ 36; ROTA+ 44; ROTA+ 06; SUPER 22-24; "
    "JUNTA 18; JUNTA 50; JUNTA 15; JUNTA 33; JUNTA 46; CLASI 25-27; GOTEA 25-26; "
    "GOTEA 34; GOTEA 38; ROTA7 41; ROTA7 43; ROTA7 45; ROTA7 24; ROTA7 29; "
    "PANIC 25-27; ROTA+ 19; ROTA+ 31; ROTA+ 47; ROTA+ 23; ROTA+ 49; SUPER 25-27; "
    "JUNTA 06; JUNTA 20; JUNTA 19; JUNTA 17; JUNTA 12; GOTEA 40; GOTEA 22; "
    "GOTEA 24; GOTEA 27; ROTA7 35; ROTA7 47; ROTA7 50; ROTA7 38; ROTA7 49; "
    "ROTA+ 24; ROTA+ 27; ROTA+ 35; ROTA+ 38; ROTA+ 33; JUNTA 05; JUNTA 11; "
    "JUNTA 09; JUNTA 28; JUNTA 21";

constexpr std::array<Grupo, 8> kGrupos{{
    {"CLASI", "CLA", Modo::Clasico, "CLASIC", 0xC0E0FF, "CLASIC. "},
    {"GOTEA", "GOT", Modo::Goteator, "GOTEATOR", 0xC0FFC0, "GOTEATOR "},
    {"ROTA7", "ROT", Modo::Rotator, "ROTATOR", 0xFFFFC0, "ROTATOR "},
    {"PANIC", "CLA", Modo::Panic, "CLASIC", 0xC0E0FF, "CLASIC (Panic) "},
    {"PODAT", "POD", Modo::Podator, "PODATOR", 0xFFC0FF, "PODATOR "},
    {"ROTA+", "ROT", Modo::RotatorPlus, "ROTATOR", 0xFFFFC0, "ROTATOR (Plus) "},
    {"SUPER", "CLA", Modo::Superpanic, "CLASIC", 0xC0E0FF, "CLASIC (Superpanic) "},
    {"JUNTA", "JUN", Modo::Juntator, "JUNTATOR", 0xFFC0C0, "JUNTATOR "},
}};

// Columns of the nine fields: first column (0-based) and width; the last
// field runs to the end of the line.
constexpr std::array<std::pair<size_t, size_t>, kNumCampos> kColumnas{{
    {0, 5}, {5, 5}, {10, 7}, {17, 6}, {23, 5}, {28, 8}, {36, 7}, {43, 11},
    {54, std::string_view::npos},
}};

bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool EsDigito(char c) { return c >= '0' && c <= '9'; }

std::string_view Recortar(std::string_view s) {
  while (!s.empty() && EsBlanco(s.front())) s.remove_prefix(1);
  while (!s.empty() && EsBlanco(s.back())) s.remove_suffix(1);
  return s;
}

[[noreturn]] void FueraDeRango(const char* que, int valor) {
  std::fprintf(stderr, "tumbla: %s %d does not exist\n", que, valor);
  std::abort();
}

}  // namespace

const std::array<Grupo, 8>& Grupos() { return kGrupos; }

const Grupo* BuscarGrupo(std::string_view codigo) {
  for (const Grupo& g : kGrupos) {
    if (codigo == g.codigo) return &g;
  }
  return nullptr;
}

std::string_view GrupoDeClave(std::string_view clave) { return clave.substr(0, 5); }

int NumeroDeClave(std::string_view clave) {
  return clave.size() > 6 ? LeerNumero(clave.substr(6)) : 0;
}

int LeerNumero(std::string_view texto) {
  size_t k = 0;
  while (k < texto.size() && EsBlanco(texto[k])) ++k;
  long long n = 0;
  for (; k < texto.size() && EsDigito(texto[k]); ++k) {
    n = n * 10 + (texto[k] - '0');
    if (n > INT_MAX) return INT_MAX;
  }
  return static_cast<int>(n);
}

long LeerNumeroLeniente(std::string_view texto) {
  size_t k = 0;
  while (k < texto.size() && EsBlanco(texto[k])) ++k;
  bool negativo = false;
  if (k < texto.size() && (texto[k] == '+' || texto[k] == '-')) {
    negativo = texto[k] == '-';
    ++k;
  }
  long n = 0;
  for (; k < texto.size() && EsDigito(texto[k]); ++k) {
    const int d = texto[k] - '0';
    if (n > (LONG_MAX - d) / 10) return negativo ? LONG_MIN : LONG_MAX;
    n = n * 10 + d;
  }
  return negativo ? -n : n;
}

CatalogoNiveles::CatalogoNiveles() : CatalogoNiveles(TextoNiveles) {}

CatalogoNiveles::CatalogoNiveles(std::string_view textoRegistros) {
  LeerRegistros(textoRegistros);
  ExpandirSecuencia();
}

void CatalogoNiveles::LeerRegistros(std::string_view texto) {
  while (!texto.empty()) {
    const size_t fin = texto.find('\n');
    std::string_view linea = texto.substr(0, fin);
    texto = fin == std::string_view::npos ? std::string_view{} : texto.substr(fin + 1);
    if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
    if (Recortar(linea).empty() || linea.front() == '#') continue;

    TablaNiveles.emplace_back(linea);
    DatosNivel.push_back(LeerCampos(linea));
  }
}

CamposRegistro LeerCampos(std::string_view linea) {
  CamposRegistro campos;
  for (size_t k = 0; k < campos.size(); ++k) {
    const auto [desde, ancho] = kColumnas[k];
    if (desde < linea.size()) campos[k] = Recortar(linea.substr(desde, ancho));
  }
  return campos;
}

std::string EscribirRegistro(const CamposRegistro& campos) {
  std::string linea;
  for (size_t k = 0; k < campos.size(); ++k) {
    linea.resize(std::max(linea.size(), kColumnas[k].first), ' ');
    linea += campos[k];
  }
  return linea;
}

std::vector<int> LeerCeldas(std::string_view lista) {
  std::vector<int> celdas;
  if (lista.size() <= 1) return celdas;
  for (size_t k = 0; k < lista.size(); k += 3) celdas.push_back(LeerNumero(lista.substr(k, 3)));
  return celdas;
}

void CatalogoNiveles::ExpandirSecuencia() {
  std::string_view resto = kRachasSecuencia;
  while (!resto.empty()) {
    const size_t fin = resto.find(';');
    const std::string_view racha = Recortar(resto.substr(0, fin));
    resto = fin == std::string_view::npos ? std::string_view{} : resto.substr(fin + 1);
    if (racha.empty()) continue;
    // "CODIG aa-bb" or "CODIG aa".
    const std::string codigo(racha.substr(0, 5));
    const std::string_view numeros = Recortar(racha.substr(5));
    const int primero = LeerNumero(numeros);
    const size_t guion = numeros.find('-');
    const int ultimo = guion == std::string_view::npos ? primero : LeerNumero(numeros.substr(guion + 1));
    for (int n = primero; n <= ultimo; ++n) {
      SecuenciaNiveles.push_back(codigo + "," + (n < 10 ? "0" : "") + std::to_string(n));
    }
  }
}

const std::string& CatalogoNiveles::Registro(int registro) const {
  if (registro < 0 || registro > UltimoRegistro()) FueraDeRango("level record", registro);
  return TablaNiveles[static_cast<size_t>(registro)];
}

const std::string& CatalogoNiveles::Dato(int registro, int c) const {
  if (registro < 0 || registro > UltimoRegistro()) FueraDeRango("level record", registro);
  if (c < 0 || c >= kNumCampos) FueraDeRango("level record field", c);
  return DatosNivel[static_cast<size_t>(registro)][static_cast<size_t>(c)];
}

int CatalogoNiveles::DatoNumero(int registro, int c) const { return LeerNumero(Dato(registro, c)); }

int CatalogoNiveles::Buscar(std::string_view tipo, int numero) const {
  for (int i = 0; i <= UltimoRegistro(); ++i) {
    if (Dato(i, campo::kTipo) == tipo && DatoNumero(i, campo::kNumero) == numero) return i;
  }
  return -1;
}

const std::string& CatalogoNiveles::Clave(int posicion) const {
  if (posicion < 1 || posicion > static_cast<int>(SecuenciaNiveles.size())) {
    FueraDeRango("level position", posicion);
  }
  return SecuenciaNiveles[static_cast<size_t>(posicion - 1)];
}

std::vector<int> CatalogoNiveles::Celdas(int registro) const { return LeerCeldas(Dato(registro, campo::kCeldas)); }

const CamposRegistro& CatalogoNiveles::Campos(int registro) const {
  if (registro < 0 || registro > UltimoRegistro()) FueraDeRango("level record", registro);
  return DatosNivel[static_cast<size_t>(registro)];
}

uint64_t HuellaNiveles(const CatalogoNiveles& niveles) {
  uint64_t h = 14695981039346656037ull;  // FNV-1a, 64 bits
  const auto mezclar = [&h](std::string_view texto) {
    for (unsigned char c : texto) h = (h ^ c) * 1099511628211ull;
  };
  for (int p = 1; p <= kNumNiveles; ++p) {
    const std::string& clave = niveles.Clave(p);
    mezclar(clave);
    const Grupo* g = BuscarGrupo(GrupoDeClave(clave));
    const int r = g != nullptr ? niveles.Buscar(g->tipo, NumeroDeClave(clave)) : -1;
    for (int c = 0; r >= 0 && c < kNumCampos; ++c) {
      mezclar("|");
      mezclar(niveles.Dato(r, c));
    }
    mezclar("\n");
  }
  return h;
}

}  // namespace tumbla
