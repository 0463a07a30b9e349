#include "editor/NivelPropio.h"

#include "game/Tablero.h"

namespace tumbla {

namespace {

const CatalogoNiveles& Propios() {
  static const CatalogoNiveles niveles;
  return niveles;
}

bool Clasico(const Grupo& g) { return g.modo == Modo::Clasico || g.modo == Modo::Panic || g.modo == Modo::Superpanic; }

// Characters of UTF-8 text; -1 when it is not well formed or holds a
// control character (a line break among them).
long Caracteres(std::string_view t) {
  long n = 0;
  for (size_t k = 0; k < t.size(); ++n) {
    const auto c = static_cast<unsigned char>(t[k]);
    const size_t largo = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (largo == 0 || k + largo > t.size() || c < 0x20 || c == 0x7F) return -1;
    // No overlong forms, no surrogates, nothing past U+10FFFF; no C1 controls.
    uint32_t punto = largo == 1 ? c : c & (0x7F >> largo);
    for (size_t j = 1; j < largo; ++j) {
      const auto s = static_cast<unsigned char>(t[k + j]);
      if ((s & 0xC0) != 0x80) return -1;
      punto = (punto << 6) | (s & 0x3F);
    }
    constexpr uint32_t kMinimos[] = {0, 0, 0x80, 0x800, 0x10000};
    if (punto < kMinimos[largo] || (punto >= 0xD800 && punto <= 0xDFFF) || punto > 0x10FFFF ||
        (punto >= 0x80 && punto < 0xA0)) {
      return -1;
    }
    k += largo;
  }
  return n;
}

}  // namespace

const Grupo* GrupoDe(const NivelPropio& nivel) { return BuscarGrupo(nivel.grupo); }

bool UsaCampo(const Grupo& grupo, CampoNivel campo) {
  switch (campo) {
    case CampoNivel::Lineas:
      return Clasico(grupo) || grupo.modo == Modo::Rotator;
    case CampoNivel::BloquesExtra:
    case CampoNivel::Subida:
      return Clasico(grupo);
    case CampoNivel::Gota:
      return grupo.modo == Modo::Goteator || grupo.modo == Modo::Juntator;
    case CampoNivel::GotaRosa:
      return grupo.modo == Modo::Juntator;
    case CampoNivel::Maceta:
      return grupo.modo == Modo::Podator;
    case CampoNivel::Tipo:
    case CampoNivel::BorrarCada:
    case CampoNivel::Tablero:
      break;
  }
  return true;
}

NivelPropio NivelVacio(const Grupo& grupo) {
  NivelPropio n;
  n.grupo = grupo.codigo;
  n.lineas = UsaCampo(grupo, CampoNivel::Lineas) ? (grupo.modo == Modo::Rotator ? 7 : 10) : 0;
  constexpr int kCentro = 6;
  if (UsaCampo(grupo, CampoNivel::Gota)) n.gota = kFilaCuadrado * kAncho + kCentro;
  if (UsaCampo(grupo, CampoNivel::GotaRosa)) n.gotaRosa = kBaseFilaInferior + kCentro;
  if (UsaCampo(grupo, CampoNivel::Maceta)) n.maceta = kBaseFilaInferior + kCentro;
  return n;
}

NivelPropio NivelDeRegistro(const Grupo& grupo, const CamposRegistro& campos) {
  NivelPropio n;
  n.grupo = grupo.codigo;
  const auto numero = [&](CampoNivel c, int k) {
    return UsaCampo(grupo, c) ? LeerNumero(campos[static_cast<size_t>(k)]) : 0;
  };
  n.lineas = numero(CampoNivel::Lineas, campo::kLineas);
  n.bloquesExtra = numero(CampoNivel::BloquesExtra, campo::kBloquesExtra);
  n.subida = numero(CampoNivel::Subida, campo::kSubida);
  n.borrarCada = numero(CampoNivel::BorrarCada, campo::kBorrarCada);
  n.gota = numero(CampoNivel::Gota, campo::kGota);
  n.gotaRosa = numero(CampoNivel::GotaRosa, campo::kGotaRosa);
  std::vector<int> celdas = LeerCeldas(campos[campo::kCeldas]);
  if (UsaCampo(grupo, CampoNivel::Maceta) && !celdas.empty()) {
    n.maceta = celdas.front();
    celdas.erase(celdas.begin());
  }
  n.bloques.insert(celdas.begin(), celdas.end());
  return n;
}

NivelPropio CopiaDelNivel(int posicion, const Traductor& t) {
  const CatalogoNiveles& niveles = Propios();
  const std::string& clave = niveles.Clave(posicion);
  const Grupo& grupo = *BuscarGrupo(GrupoDeClave(clave));
  NivelPropio n = NivelDeRegistro(grupo, niveles.Campos(niveles.Buscar(grupo.tipo, NumeroDeClave(clave))));
  n.nombre = Formato(t.traducir("NivelPropio", TUMBLA_TEXTO("NivelPropio", "Copia de %1")), {clave});
  return n;
}

CamposRegistro CamposDe(const NivelPropio& nivel, int numero) {
  CamposRegistro c;
  const Grupo* grupo = GrupoDe(nivel);
  c[campo::kTipo] = grupo != nullptr ? grupo->tipo : nivel.grupo;
  c[campo::kNumero] = std::to_string(numero);
  const auto usado = [&](CampoNivel campo, int valor) {
    return std::to_string(grupo != nullptr && UsaCampo(*grupo, campo) ? valor : 0);
  };
  c[campo::kBloquesExtra] = usado(CampoNivel::BloquesExtra, nivel.bloquesExtra);
  c[campo::kSubida] = usado(CampoNivel::Subida, nivel.subida);
  c[campo::kLineas] = usado(CampoNivel::Lineas, nivel.lineas);
  c[campo::kBorrarCada] = usado(CampoNivel::BorrarCada, nivel.borrarCada);
  c[campo::kGota] = usado(CampoNivel::Gota, nivel.gota);
  c[campo::kGotaRosa] = usado(CampoNivel::GotaRosa, nivel.gotaRosa);
  // Three digits a cell, the pot first.
  std::string lista;
  const auto poner = [&](int celda) {
    const std::string cifras = std::to_string(celda);
    lista += std::string(cifras.size() < 3 ? 3 - cifras.size() : 0, '0') + cifras;
  };
  if (grupo != nullptr && UsaCampo(*grupo, CampoNivel::Maceta)) poner(nivel.maceta);
  for (int celda : nivel.bloques) poner(celda);
  c[campo::kCeldas] = lista.empty() ? "0" : lista;
  return c;
}

std::string RegistroDe(const NivelPropio& nivel, int numero) { return EscribirRegistro(CamposDe(nivel, numero)); }

std::vector<FaltaNivel> Faltas(const NivelPropio& nivel, const Traductor& t) {
  const Grupo* grupo = GrupoDe(nivel);
  if (grupo == nullptr) {
    const char* plantilla = TUMBLA_TEXTO("NivelPropio", "el grupo '%1' no existe");
    return {{CampoNivel::Tipo, Formato(t.traducir("NivelPropio", plantilla), {nivel.grupo})}};
  }
  return FaltasEnRegistro(CamposDe(nivel), *grupo, t);
}

std::string FaltaEnTexto(std::string_view texto, size_t largo, bool obligatorio, TextoDe de, const Traductor& t) {
  // Not one line, empty, too long: for each whose text.
  static constexpr const char* kFaltas[][3] = {
      {TUMBLA_TEXTO("NivelPropio", "solo puede llevar texto de una línea"),
       TUMBLA_TEXTO("NivelPropio", "no puede quedar vacío"), TUMBLA_TEXTO("NivelPropio", "tiene más de %1 caracteres")},
      {TUMBLA_TEXTO("NivelPropio", "el nombre solo puede llevar texto de una línea"),
       TUMBLA_TEXTO("NivelPropio", "el nombre no puede quedar vacío"),
       TUMBLA_TEXTO("NivelPropio", "el nombre tiene más de %1 caracteres")},
      {TUMBLA_TEXTO("NivelPropio", "la descripción solo puede llevar texto de una línea"),
       TUMBLA_TEXTO("NivelPropio", "la descripción no puede quedar vacía"),
       TUMBLA_TEXTO("NivelPropio", "la descripción tiene más de %1 caracteres")},
      {TUMBLA_TEXTO("NivelPropio", "el autor solo puede llevar texto de una línea"),
       TUMBLA_TEXTO("NivelPropio", "el autor no puede quedar vacío"),
       TUMBLA_TEXTO("NivelPropio", "el autor tiene más de %1 caracteres")},
      {TUMBLA_TEXTO("NivelPropio", "El nombre del paquete solo puede llevar texto de una línea."),
       TUMBLA_TEXTO("NivelPropio", "El nombre del paquete no puede quedar vacío."),
       TUMBLA_TEXTO("NivelPropio", "El nombre del paquete tiene más de %1 caracteres.")},
  };
  const long n = Caracteres(texto);
  const int falta = n < 0 ? 0 : obligatorio && n == 0 ? 1 : static_cast<size_t>(n) > largo ? 2 : -1;
  if (falta < 0) return {};
  return Formato(t.traducir("NivelPropio", kFaltas[static_cast<int>(de)][falta]), {std::to_string(largo)});
}

uint64_t Huella(const NivelPropio& nivel) {
  // FNV-1a, 64 bits, over the group and the record.
  uint64_t h = 14695981039346656037ull;
  for (const char c : nivel.grupo + "\n" + RegistroDe(nivel)) {
    h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
  return h;
}

int PosicionDelGrupo(const Grupo& grupo) {
  for (int p = 1; p <= kNumNiveles; ++p) {
    const std::string& clave = Propios().Clave(p);
    if (GrupoDeClave(clave) == grupo.codigo && NumeroDeClave(clave) == 1) return p;
  }
  return 1;  // every group has its first level
}

std::string RegistrosConNivel(const NivelPropio& nivel) {
  const CatalogoNiveles& niveles = Propios();
  const Grupo* grupo = GrupoDe(nivel);
  std::string texto;
  for (int r = 0; r <= niveles.UltimoRegistro(); ++r) {
    const bool suyo = grupo != nullptr && niveles.Dato(r, campo::kTipo) == grupo->tipo &&
                      niveles.DatoNumero(r, campo::kNumero) == 1;
    texto += suyo ? RegistroDe(nivel, 1) : niveles.Registro(r);
    texto += '\n';
  }
  return texto;
}

}  // namespace tumbla
