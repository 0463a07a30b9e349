// The settings file: our own private-profile reader and writer, and the
// game's two ways in and out of it.
#include "progress/Ini.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "progress/SistemaArchivos.h"

namespace tumbla {

namespace {

// Anything larger is not a settings file of ours; it is neither parsed nor
// rewritten.
constexpr size_t kLargoMaximoArchivo = 4u << 20;
constexpr std::string_view kMarcaUtf8 = "\xEF\xBB\xBF";

bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view Recortar(std::string_view s) {
  while (!s.empty() && EsBlanco(s.front())) s.remove_prefix(1);
  while (!s.empty() && EsBlanco(s.back())) s.remove_suffix(1);
  return s;
}

char Minuscula(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool Iguales(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Minuscula(a[i]) != Minuscula(b[i])) return false;
  }
  return true;
}

// One line of the file: its text without the line end, and where it lies.
struct Linea {
  std::string_view texto;
  size_t inicio = 0;
  size_t fin = 0;  // just past the line end (or the end of the file)
};

std::vector<Linea> PartirLineas(const std::string& contenido) {
  std::vector<Linea> lineas;
  const std::string_view todo(contenido);
  size_t i = 0;
  while (i < todo.size()) {
    const size_t salto = todo.find('\n', i);
    Linea l;
    l.inicio = i;
    if (salto == std::string_view::npos) {
      l.texto = todo.substr(i);
      l.fin = todo.size();
    } else {
      l.texto = todo.substr(i, salto - i);
      l.fin = salto + 1;
    }
    if (!l.texto.empty() && l.texto.back() == '\r') l.texto.remove_suffix(1);
    if (lineas.empty() && l.texto.substr(0, kMarcaUtf8.size()) == kMarcaUtf8) {
      l.texto.remove_prefix(kMarcaUtf8.size());
    }
    lineas.push_back(l);
    i = l.fin;
  }
  return lineas;
}

// "[name]": the name, trimmed. A missing "]" takes the rest of the line.
std::optional<std::string_view> NombreSeccion(std::string_view linea) {
  linea = Recortar(linea);
  if (linea.empty() || linea.front() != '[') return std::nullopt;
  linea.remove_prefix(1);
  const size_t cierre = linea.find(']');
  if (cierre != std::string_view::npos) linea = linea.substr(0, cierre);
  return Recortar(linea);
}

// "key = value": false for blank lines, comments and lines without "=".
bool ParClaveValor(std::string_view linea, std::string_view& clave, std::string_view& valor) {
  const std::string_view recortada = Recortar(linea);
  if (recortada.empty() || recortada.front() == ';' || recortada.front() == '#' ||
      recortada.front() == '[') {
    return false;
  }
  const size_t igual = recortada.find('=');
  if (igual == std::string_view::npos) return false;
  clave = Recortar(recortada.substr(0, igual));
  valor = Recortar(recortada.substr(igual + 1));
  return !clave.empty();
}

std::string LimpiarValor(std::string_view valor) {
  const size_t nulo = valor.find('\0');
  if (nulo != std::string_view::npos) valor = Recortar(valor.substr(0, nulo));
  // A value in matching quotes is read without them.
  if (valor.size() >= 2 && (valor.front() == '"' || valor.front() == '\'') &&
      valor.back() == valor.front()) {
    valor = valor.substr(1, valor.size() - 2);
  }
  return std::string(valor.substr(0, kLargoMaximoValorIni));
}

}  // namespace

std::string LeerValorIni(const std::string& contenido, const std::string& seccion, const std::string& clave) {
  bool dentro = false;
  for (const Linea& l : PartirLineas(contenido)) {
    if (auto nombre = NombreSeccion(l.texto)) {
      dentro = Iguales(*nombre, seccion);
      continue;
    }
    std::string_view k;
    std::string_view v;
    if (dentro && ParClaveValor(l.texto, k, v) && Iguales(k, clave)) return LimpiarValor(v);
  }
  return {};
}

std::string CambiarValorIni(const std::string& contenido, const std::string& seccion, const std::string& clave,
                            const std::string& valor) {
  // New lines follow the file's own line ends.
  std::string salto = "\r\n";
  const size_t primerSalto = contenido.find('\n');
  if (primerSalto != std::string::npos && (primerSalto == 0 || contenido[primerSalto - 1] != '\r')) {
    salto = "\n";
  }
  std::string limpio = valor.substr(0, valor.find_first_of(std::string("\r\n\0", 3)));
  const std::string nueva = clave + "=" + limpio;

  const std::vector<Linea> lineas = PartirLineas(contenido);
  std::optional<size_t> cabecera;   // line of the section's header
  std::optional<size_t> ultima;     // last key line of the section
  std::optional<size_t> existente;  // the key's own line
  bool dentro = false;
  for (size_t n = 0; n < lineas.size() && !existente; ++n) {
    if (auto nombre = NombreSeccion(lineas[n].texto)) {
      if (cabecera && dentro) break;  // the section ended
      dentro = !cabecera && Iguales(*nombre, seccion);
      if (dentro) cabecera = n;
      continue;
    }
    std::string_view k;
    std::string_view v;
    if (dentro && ParClaveValor(lineas[n].texto, k, v)) {
      ultima = n;
      if (Iguales(k, clave)) existente = n;
    }
  }

  std::string resultado;
  resultado.reserve(contenido.size() + nueva.size() + seccion.size() + 8);
  // The last line gets its line end before a line follows it. A CR it ends
  // with is the half of a CR LF that was cut off: the LF completes it, where
  // another line end would make the CR part of the line's text.
  const auto terminarLinea = [&] {
    if (!resultado.empty() && resultado.back() != '\n') resultado += resultado.back() == '\r' ? "\n" : salto;
  };
  if (existente) {
    const Linea& l = lineas[*existente];
    // Keep a byte-order mark that precedes the first line.
    const size_t marca = static_cast<size_t>(l.texto.data() - contenido.data()) - l.inicio;
    const size_t finTexto = static_cast<size_t>(l.texto.data() - contenido.data()) + l.texto.size();
    resultado.append(contenido, 0, l.inicio + marca);
    resultado += nueva;
    resultado.append(contenido, finTexto, std::string::npos);
  } else if (cabecera) {
    const Linea& l = lineas[ultima.value_or(*cabecera)];
    resultado.append(contenido, 0, l.fin);
    terminarLinea();
    resultado += nueva + salto;
    resultado.append(contenido, l.fin, std::string::npos);
  } else {
    resultado = contenido;
    terminarLinea();
    resultado += "[" + seccion + "]" + salto + nueva + salto;
  }

  return resultado;
}

std::string ArchivoIni::Leer(const std::string& seccion, const std::string& clave) const {
  std::string contenido;
  if (LeerArchivoEntero(ruta_, kLargoMaximoArchivo, contenido) != Lectura::Leida) return {};
  return LeerValorIni(contenido, seccion, clave);
}

bool ArchivoIni::Escribir(const std::string& seccion, const std::string& clave,
                          const std::string& valor) {
  return CambiarArchivo(ruta_, kLargoMaximoArchivo, [&](const std::string& contenido) {
    return CambiarValorIni(contenido, seccion, clave, valor);
  });
}

}  // namespace tumbla
