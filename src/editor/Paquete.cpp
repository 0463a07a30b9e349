#include "editor/Paquete.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "almacen/Ini.h"
#include "almacen/SistemaArchivos.h"
#include "grabacion/ArchivoRepeticion.h"

namespace tumbla {

namespace {

constexpr const char* kCabecera = "tumbla-niveles";
constexpr const char* kArchivoPropio = "propio";

std::string Hex(uint64_t v) {
  char t[17];
  std::snprintf(t, sizeof t, "%016llx", static_cast<unsigned long long>(v));
  return t;
}

// The text's lines, numbered from 1, each without its line break.
class Lineas {
 public:
  explicit Lineas(std::string_view texto) : resto_(texto) {}
  bool Siguiente(std::string_view& linea) {
    if (resto_.empty()) return false;
    const size_t fin = resto_.find('\n');
    linea = resto_.substr(0, fin);
    resto_ = fin == std::string_view::npos ? std::string_view{} : resto_.substr(fin + 1);
    // Any number of carriage returns end a line: written again, it reads the same.
    while (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
    ++numero_;
    return true;
  }
  int Numero() const { return numero_; }

 private:
  std::string_view resto_;
  int numero_ = 0;
};

// A level as the pack writes it, before it is checked.
struct Borrador {
  int linea = 0;
  std::string grupo, titulo, descripcion, registro;
  bool hayRegistro = false;
  std::optional<Prueba> prueba;
};

std::string Texto(const Traductor& t, const char* plantilla, std::initializer_list<std::string_view> valores = {}) {
  return Formato(t.traducir("Paquete", plantilla), valores);
}

// "Nivel 3, «Torre»: why.": which level of the pack is left out, and why.
std::string Rechazo(const Traductor& t, size_t numero, const std::string& titulo, const std::string& porque) {
  if (titulo.empty()) return Texto(t, TUMBLA_TEXTO("Paquete", "Nivel %1: %2."), {std::to_string(numero), porque});
  return Texto(t, TUMBLA_TEXTO("Paquete", "Nivel %1, «%2»: %3."), {std::to_string(numero), titulo, porque});
}

// The level a draft holds, or why there is none.
std::string Comprobar(const Borrador& b, NivelDePaquete& n, const Traductor& t) {
  const Grupo* grupo = BuscarGrupo(b.grupo);
  if (grupo == nullptr) return Texto(t, TUMBLA_TEXTO("Paquete", "el grupo '%1' no existe"), {b.grupo});
  if (!b.hayRegistro) return Texto(t, TUMBLA_TEXTO("Paquete", "le falta el registro"));
  if (std::string f = FaltaEnTexto(b.titulo, kLargoNombre, true, TextoDe::Nombre, t); !f.empty()) return f;
  if (std::string f = FaltaEnTexto(b.descripcion, kLargoDescripcion, false, TextoDe::Descripcion, t); !f.empty()) {
    return f;
  }
  const std::vector<FaltaNivel> faltas = FaltasEnRegistro(LeerCampos(b.registro), *grupo, t);
  if (!faltas.empty()) return Texto(t, TUMBLA_TEXTO("Paquete", "su registro no vale: %1"), {faltas.front().motivo});
  n.nivel = NivelDeRegistro(*grupo, LeerCampos(b.registro));
  n.nivel.nombre = b.titulo;
  n.nivel.descripcion = b.descripcion;
  n.prueba = b.prueba;
  return {};
}

}  // namespace

std::string EscribirPaquete(const Paquete& p) {
  std::string t = std::string(kCabecera) + " " + std::to_string(kVersionPaquete) + "\nnombre " + p.nombre +
                  "\nautor " + p.autor + "\n";
  for (const NivelDePaquete& n : p.niveles) {
    t += "nivel " + n.nivel.grupo + "\ntitulo " + n.nivel.nombre + "\ndescripcion " + n.nivel.descripcion +
         "\nregistro " + RegistroDe(n.nivel) + "\n";
    if (!n.prueba) continue;
    std::string guion = n.prueba->guion;
    if (!guion.empty() && guion.back() != '\n') guion += '\n';
    t += "prueba " + Hex(n.prueba->huella) + " " + std::to_string(std::count(guion.begin(), guion.end(), '\n')) +
         "\n" + guion;
  }
  return t;
}

LecturaPaquete LeerPaquete(std::string_view texto, const Traductor& t) {
  LecturaPaquete l;
  const auto fallo = [&](int linea, const char* plantilla, std::initializer_list<std::string_view> valores = {}) {
    l = {};
    l.error = Texto(t, plantilla, valores);
    if (linea > 0) l.error = Texto(t, TUMBLA_TEXTO("Paquete", "línea %1: %2"), {std::to_string(linea), l.error});
    return l;
  };
  if (texto.size() > kLargoPaquete) {
    return fallo(0, TUMBLA_TEXTO("Paquete", "es demasiado grande para ser un paquete de niveles"));
  }
  if (texto.substr(0, 3) == "\xEF\xBB\xBF") texto.remove_prefix(3);
  Lineas lineas(texto);
  std::string_view linea;
  const std::string cabecera = std::string(kCabecera) + " ";
  if (!lineas.Siguiente(linea) || linea.substr(0, cabecera.size()) != cabecera) {
    return fallo(0, TUMBLA_TEXTO("Paquete", "no es un paquete de niveles de Tumbla"));
  }
  if (linea.substr(cabecera.size()) != std::to_string(kVersionPaquete)) {
    return fallo(1, TUMBLA_TEXTO("Paquete", "es un paquete de la versión '%1' del formato, y este juego lee la %2"),
                 {linea.substr(cabecera.size()), std::to_string(kVersionPaquete)});
  }
  std::vector<Borrador> borradores;
  bool hayNombre = false;
  while (lineas.Siguiente(linea)) {
    const int numero = lineas.Numero();
    if (linea.size() > kLargoLinea) return fallo(numero, TUMBLA_TEXTO("Paquete", "es demasiado larga"));
    if (linea.empty() || linea.front() == '#') continue;
    const size_t espacio = linea.find(' ');
    const std::string clave(linea.substr(0, espacio));
    const std::string valor(espacio == std::string_view::npos ? std::string_view{} : linea.substr(espacio + 1));
    Borrador* b = borradores.empty() ? nullptr : &borradores.back();
    const auto unaVez = [&](bool ya) {
      if (ya) fallo(numero, TUMBLA_TEXTO("Paquete", "'%1' aparece dos veces"), {clave});
      return !ya;
    };
    if (clave == "nivel") {
      if (borradores.size() == kNivelesPaquete) {
        return fallo(numero, TUMBLA_TEXTO("Paquete", "el paquete tiene más de %1 niveles"),
                     {std::to_string(kNivelesPaquete)});
      }
      borradores.push_back({numero, valor, {}, {}, {}, false, {}});
    } else if (b == nullptr && (clave == "nombre" || clave == "autor")) {
      if (!unaVez(clave == "nombre" ? hayNombre : false)) return l;
      const TextoDe de = clave == "nombre" ? TextoDe::Nombre : TextoDe::Autor;
      if (std::string f = FaltaEnTexto(valor, kLargoNombre, clave == "nombre", de, t); !f.empty()) {
        return fallo(numero, "%1", {f});
      }
      (clave == "nombre" ? l.paquete.nombre : l.paquete.autor) = valor;
      hayNombre = hayNombre || clave == "nombre";
    } else if (b != nullptr && (clave == "titulo" || clave == "descripcion")) {
      b->titulo = clave == "titulo" ? valor : b->titulo;
      b->descripcion = clave == "descripcion" ? valor : b->descripcion;
    } else if (b != nullptr && clave == "registro") {
      if (!unaVez(b->hayRegistro)) return l;
      b->registro = valor;
      b->hayRegistro = true;
    } else if (b != nullptr && clave == "prueba") {
      if (!unaVez(b->prueba.has_value())) return l;
      // "prueba HUELLA LINEAS", then that many lines of the replay script.
      Prueba p;
      const size_t corte = valor.find(' ');
      const std::string cuenta = corte == std::string::npos ? "" : valor.substr(corte + 1);
      const bool numerica = !cuenta.empty() && cuenta.size() <= 6 &&
                            std::all_of(cuenta.begin(), cuenta.end(), [](char c) { return c >= '0' && c <= '9'; });
      if (corte == std::string::npos || !LeerHex(valor.substr(0, corte), p.huella) || !numerica) {
        return fallo(numero, TUMBLA_TEXTO("Paquete", "la prueba debe empezar con 'prueba HUELLA LINEAS'"));
      }
      const long n = std::stol(cuenta);
      if (static_cast<size_t>(n) > kLineasPrueba) {
        return fallo(numero, TUMBLA_TEXTO("Paquete", "la prueba es demasiado larga"));
      }
      for (long k = 0; k < n; ++k) {
        if (!lineas.Siguiente(linea)) {
          return fallo(numero, TUMBLA_TEXTO("Paquete", "la prueba acaba antes de sus %1 líneas"), {cuenta});
        }
        if (linea.size() > kLargoLinea) return fallo(lineas.Numero(), TUMBLA_TEXTO("Paquete", "es demasiado larga"));
        p.guion.append(linea).push_back('\n');
      }
      b->prueba = std::move(p);
    } else {
      return fallo(numero, TUMBLA_TEXTO("Paquete", "no se entiende '%1'"), {clave});
    }
  }
  if (!hayNombre) return fallo(0, TUMBLA_TEXTO("Paquete", "el paquete no tiene nombre"));
  for (size_t k = 0; k < borradores.size(); ++k) {
    NivelDePaquete n;
    const std::string falta = Comprobar(borradores[k], n, t);
    if (falta.empty()) {
      l.paquete.niveles.push_back(std::move(n));
      l.numeros.push_back(static_cast<int>(k + 1));
    } else {
      l.rechazos.push_back(Rechazo(t, k + 1, borradores[k].titulo, falta));
    }
  }
  return l;
}

LecturaPaquete ImportarPaquete(std::string_view texto, const std::atomic<bool>* cancelar, const Traductor& t) {
  LecturaPaquete l = LeerPaquete(texto, t);
  std::vector<NivelDePaquete> aceptados;
  std::vector<int> numeros;
  for (size_t k = 0; k < l.paquete.niveles.size(); ++k) {
    NivelDePaquete& n = l.paquete.niveles[k];
    const std::string falta =
        n.prueba ? VerificarPrueba(n.nivel, *n.prueba, cancelar, t)
                 : Texto(t, TUMBLA_TEXTO("Paquete", "no tiene prueba de que se pueda ganar"));
    if (falta.empty()) {
      aceptados.push_back(std::move(n));
      numeros.push_back(l.numeros[k]);
    } else {
      l.rechazos.push_back(Rechazo(t, static_cast<size_t>(l.numeros[k]), n.nivel.nombre, falta));
    }
  }
  l.paquete.niveles = std::move(aceptados);
  l.numeros = std::move(numeros);
  return l;
}

LecturaPaquete ImportarArchivo(const std::string& ruta, const std::atomic<bool>* cancelar, const Traductor& t) {
  LecturaPaquete l;
  std::string texto;
  const std::optional<Sello> sello = SelloArchivo(ruta);
  if (sello && sello->existe && sello->tamano > kLargoPaquete) {
    l.error = Texto(t, TUMBLA_TEXTO("Paquete", "el archivo es demasiado grande para ser un paquete de niveles"));
  } else if (LeerArchivoEntero(ruta, texto) != Lectura::Leida) {
    l.error = Texto(t, TUMBLA_TEXTO("Paquete", "no se puede leer el archivo"));
  } else {
    l = ImportarPaquete(texto, cancelar, t);
  }
  return l;
}

std::string NombreDeArchivo(std::string_view nombre) {
  // Accented letters lose their accent; anything else but letters and
  // digits becomes one hyphen.
  static const std::array<std::pair<std::string_view, char>, 14> kLetras{{
      {"á", 'a'}, {"é", 'e'}, {"í", 'i'}, {"ó", 'o'}, {"ú", 'u'}, {"ü", 'u'}, {"ñ", 'n'},
      {"Á", 'a'}, {"É", 'e'}, {"Í", 'i'}, {"Ó", 'o'}, {"Ú", 'u'}, {"Ü", 'u'}, {"Ñ", 'n'},
  }};
  constexpr size_t kLargo = 40;
  std::string n;
  for (size_t k = 0; k < nombre.size() && n.size() < kLargo;) {
    char c = nombre[k];
    size_t largo = 1;
    for (const auto& [letra, llana] : kLetras) {
      if (nombre.substr(k, letra.size()) == letra) {
        c = llana;
        largo = letra.size();
      }
    }
    k += largo;
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    const bool propio = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (propio) {
      n += c;
    } else if (!n.empty() && n.back() != '-') {
      n += '-';
    }
  }
  while (!n.empty() && n.back() == '-') n.pop_back();
  // Names a Windows folder cannot hold, whatever follows them.
  static const std::array<std::string_view, 4> kReservados{"con", "prn", "aux", "nul"};
  const bool reservado = std::find(kReservados.begin(), kReservados.end(), n) != kReservados.end() ||
                         (n.size() == 4 && (n.rfind("com", 0) == 0 || n.rfind("lpt", 0) == 0) && n[3] >= '0' &&
                          n[3] <= '9');
  if (n.empty() || reservado || n == kArchivoPropio) n = "paquete" + (n.empty() ? "" : "-" + n);
  return n;
}

CarpetaPaquetes::CarpetaPaquetes(std::string datos, const Traductor& t)
    : ruta_(TextoRuta(RutaDesdeTexto(datos) / "paquetes")), t_(&t) {}

NivelAjeno AjenoDe(const NivelPropio& nivel) {
  const Grupo* grupo = GrupoDe(nivel);
  return {CatalogoNiveles(RegistrosConNivel(nivel)), grupo != nullptr ? PosicionDelGrupo(*grupo) : 1, nivel.nombre};
}

PaqueteJugable JugableDe(const Paquete& paquete, const std::string& ruta) {
  // The file name cleaned as any pack name is: a section name the settings file can hold.
  PaqueteJugable j{"PAQUETE " + NombreDeArchivo(TextoRuta(RutaDesdeTexto(ruta).stem())), paquete.nombre, {}};
  for (const NivelDePaquete& n : paquete.niveles) {
    if (n.Probado()) j.niveles.push_back(AjenoDe(n.nivel));
  }
  return j;
}

Paquete CarpetaPaquetes::Propio() const {
  std::string texto;
  const std::string ruta = TextoRuta(RutaDesdeTexto(ruta_) / (std::string(kArchivoPropio) + kExtensionPaquete));
  if (LeerArchivoEntero(ruta, texto) == Lectura::Leida) {
    LecturaPaquete l = LeerPaquete(texto);
    if (l.error.empty()) return l.paquete;
  }
  Paquete p;
  p.nombre = Texto(*t_, TUMBLA_TEXTO("Paquete", "Mis niveles"));
  return p;
}

bool CarpetaPaquetes::Guardar(const std::string& ruta, const Paquete& paquete, std::string& error) const {
  std::error_code ec;
  std::filesystem::create_directories(RutaDesdeTexto(ruta_), ec);
  const std::string texto = EscribirPaquete(paquete);
  if (CambiarArchivo(ruta, [&](const std::string&) { return &texto; })) return true;
  error = Texto(*t_, TUMBLA_TEXTO("Paquete", "no se ha podido escribir %1"), {ruta});
  return false;
}

bool CarpetaPaquetes::GuardarPropio(const Paquete& paquete, std::string& error) const {
  return Guardar(TextoRuta(RutaDesdeTexto(ruta_) / (std::string(kArchivoPropio) + kExtensionPaquete)), paquete, error);
}

bool CarpetaPaquetes::GuardarImportado(const Paquete& paquete, std::string& ruta, std::string& error) const {
  const std::string base = NombreDeArchivo(paquete.nombre);
  for (int k = 1; k <= 1000; ++k) {
    const std::string nombre = base + (k == 1 ? "" : "-" + std::to_string(k)) + kExtensionPaquete;
    ruta = TextoRuta(RutaDesdeTexto(ruta_) / nombre);
    std::string texto;
    const Lectura leida = LeerArchivoEntero(ruta, texto);
    if (leida == Lectura::Falta) return Guardar(ruta, paquete, error);
    // The same pack again replaces the one there.
    const LecturaPaquete otro = LeerPaquete(texto);
    if (leida == Lectura::Leida && otro.error.empty() && otro.paquete.nombre == paquete.nombre &&
        otro.paquete.autor == paquete.autor) {
      return Guardar(ruta, paquete, error);
    }
  }
  error = Texto(*t_, TUMBLA_TEXTO("Paquete", "hay demasiados paquetes con el nombre '%1'"), {paquete.nombre});
  return false;
}

std::vector<std::pair<std::string, Paquete>> CarpetaPaquetes::Todos() const {
  std::vector<std::pair<std::string, Paquete>> todos;
  std::error_code ec;
  for (std::filesystem::directory_iterator i(RutaDesdeTexto(ruta_), ec), fin; !ec && i != fin; i.increment(ec)) {
    const std::string ruta = TextoRuta(i->path());
    std::string texto;
    if (i->path().extension() != kExtensionPaquete || LeerArchivoEntero(ruta, texto) != Lectura::Leida) continue;
    LecturaPaquete l = LeerPaquete(texto);
    if (l.error.empty()) todos.emplace_back(ruta, std::move(l.paquete));
  }
  const std::string propio = std::string(kArchivoPropio) + kExtensionPaquete;
  std::sort(todos.begin(), todos.end(), [&](const auto& a, const auto& b) {
    const bool pa = RutaDesdeTexto(a.first).filename() == propio, pb = RutaDesdeTexto(b.first).filename() == propio;
    return pa != pb ? pa : a.first < b.first;
  });
  return todos;
}

}  // namespace tumbla
