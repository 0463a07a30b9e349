// The settings file: our own private-profile reader and writer, and the
// game's two ways in and out of it.
#include "almacen/Ini.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace tumbla {

namespace {

constexpr std::string_view kMarcaUtf8 = "\xEF\xBB\xBF";

bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view Recortar(std::string_view s) {
  while (!s.empty() && EsBlanco(s.front())) s.remove_prefix(1);
  while (!s.empty() && EsBlanco(s.back())) s.remove_suffix(1);
  return s;
}

char Minuscula(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Minusculas(std::string_view s) {
  std::string m(s);
  for (char& c : m) c = Minuscula(c);
  return m;
}

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

// The lines of a text, one after another.
class Lineas {
 public:
  explicit Lineas(std::string_view todo) : todo_(todo) {}
  bool Siguiente(Linea& l) {
    if (i_ >= todo_.size()) return false;
    const size_t salto = todo_.find('\n', i_);
    l.inicio = i_;
    l.fin = salto == std::string_view::npos ? todo_.size() : salto + 1;
    l.texto = todo_.substr(i_, (salto == std::string_view::npos ? todo_.size() : salto) - i_);
    if (!l.texto.empty() && l.texto.back() == '\r') l.texto.remove_suffix(1);
    if (i_ == 0 && l.texto.substr(0, kMarcaUtf8.size()) == kMarcaUtf8) l.texto.remove_prefix(kMarcaUtf8.size());
    i_ = l.fin;
    return true;
  }

 private:
  std::string_view todo_;
  size_t i_ = 0;
};

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
  Lineas lineas(contenido);
  for (Linea l; lineas.Siguiente(l);) {
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

  std::optional<Linea> cabecera;   // the section's header
  std::optional<Linea> ultima;     // the last key line of the section
  std::optional<Linea> existente;  // the key's own line
  bool dentro = false;
  Lineas lineas(contenido);
  for (Linea l; !existente && lineas.Siguiente(l);) {
    if (auto nombre = NombreSeccion(l.texto)) {
      if (cabecera && dentro) break;  // the section ended
      dentro = !cabecera && Iguales(*nombre, seccion);
      if (dentro) cabecera = l;
      continue;
    }
    std::string_view k;
    std::string_view v;
    if (dentro && ParClaveValor(l.texto, k, v)) {
      ultima = l;
      if (Iguales(k, clave)) existente = l;
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
    const Linea& l = *existente;
    // Keep a byte-order mark that precedes the first line.
    const size_t marca = static_cast<size_t>(l.texto.data() - contenido.data()) - l.inicio;
    const size_t finTexto = static_cast<size_t>(l.texto.data() - contenido.data()) + l.texto.size();
    resultado.append(contenido, 0, l.inicio + marca);
    resultado += nueva;
    resultado.append(contenido, finTexto, std::string::npos);
  } else if (cabecera) {
    const Linea& l = ultima.value_or(*cabecera);
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

const TextoIni::Claves& TextoIni::Seccion(const std::string& seccion) const {
  const std::string nombre = Minusculas(seccion);
  if (auto it = secciones_.find(nombre); it != secciones_.end()) return it->second;
  // The first line of a key counts, as LeerValorIni reads it.
  Claves claves;
  bool dentro = false;
  Lineas lineas(contenido_);
  for (Linea l; lineas.Siguiente(l);) {
    if (auto n = NombreSeccion(l.texto)) {
      dentro = Iguales(*n, nombre);
      continue;
    }
    std::string_view k;
    std::string_view v;
    if (dentro && ParClaveValor(l.texto, k, v)) claves.try_emplace(Minusculas(k), LimpiarValor(v));
  }
  return secciones_.emplace(nombre, std::move(claves)).first->second;
}

std::string TextoIni::Leer(const std::string& seccion, const std::string& clave) const {
  const Claves& claves = Seccion(seccion);
  const auto it = claves.find(Minusculas(clave));
  return it == claves.end() ? std::string() : it->second;
}

void TextoIni::Escribir(const std::string& seccion, const std::string& clave, const std::string& valor) {
  // The write reads back as it would from a file of that one key, and
  // changes how no other key reads.
  std::string leido = LeerValorIni(CambiarValorIni("", seccion, clave, valor), seccion, clave);
  if (Leer(seccion, clave) == leido) return;
  contenido_ = CambiarValorIni(contenido_, seccion, clave, valor);
  secciones_[Minusculas(seccion)][Minusculas(clave)] = std::move(leido);
  cambiado_ = true;
}

Lectura ArchivoIni::Cargar() const {
  if (leido_ && SelloArchivo(ruta_) == std::optional(sello_)) return sello_.existe ? Lectura::Leida : Lectura::Falta;
  std::string contenido;
  Sello sello;
  const Lectura lectura = LeerArchivoEntero(ruta_, contenido, &sello);
  if (lectura == Lectura::Error) return lectura;
  texto_ = TextoIni(std::move(contenido));
  sello_ = lectura == Lectura::Leida ? sello : Sello{};
  leido_ = true;
  return lectura;
}

std::string ArchivoIni::Leer(const std::string& seccion, const std::string& clave) const {
  Cargar();
  return texto_.Leer(seccion, clave);
}

bool ArchivoIni::Cambiar(const CambioIni& cambio) {
  std::optional<TextoIni> nuevo;
  Sello sello;
  const bool hecho = CambiarArchivo(
      ruta_,
      [&](std::string actual) -> const std::string* {
        nuevo.emplace(std::move(actual));
        cambio(*nuevo);
        return nuevo->Cambiado() ? &nuevo->contenido() : nullptr;
      },
      &sello);
  if (!hecho) return false;
  // What was read or written is what the file now holds.
  texto_ = std::move(*nuevo);
  sello_ = sello;
  leido_ = true;
  return true;
}

bool ArchivoIni::Escribir(const std::string& seccion, const std::string& clave, const std::string& valor) {
  return Cambiar([&](TextoIni& t) { t.Escribir(seccion, clave, valor); });
}

}  // namespace tumbla
