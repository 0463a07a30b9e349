// The settings file's text operations on any input: byte 0 picks the section
// and the key written, byte 1 the length of the value that follows, the rest
// is the file. A write must read back as it does written into an empty file,
// leave every other key reading as before, and change nothing done again; the
// text that keeps its sections' keys at hand reads and writes as they do.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "almacen/Ini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
  using tumbla::CambiarValorIni, tumbla::LeerValorIni;
  static const std::string kSecciones[] = {"OROKORRA", "ERREKORRAK"};
  static const std::string kClaves[] = {"LAGUNTZA", "AZKENA", "AMAITUTAKOA", "SOINUA", "CLASI,01"};
  if (tamano < 2) return 0;
  const size_t largo = std::min<size_t>(datos[1], tamano - 2);
  const std::string& seccion = kSecciones[datos[0] % 2];
  const std::string& clave = kClaves[datos[0] / 2 % 5];
  const std::string valor(reinterpret_cast<const char*>(datos) + 2, largo);
  const std::string antes(reinterpret_cast<const char*>(datos) + 2 + largo, tamano - 2 - largo);
  const std::string despues = CambiarValorIni(antes, seccion, clave, valor);
  const std::string solo = CambiarValorIni("", seccion, clave, valor);
  bool bien = LeerValorIni(despues, seccion, clave) == LeerValorIni(solo, seccion, clave) &&
              CambiarValorIni(despues, seccion, clave, valor) == despues;
  for (const std::string& s : kSecciones) {
    for (const std::string& k : kClaves) {
      bien &= (s == seccion && k == clave) || LeerValorIni(despues, s, k) == LeerValorIni(antes, s, k);
    }
  }
  tumbla::TextoIni texto(antes);
  for (const std::string& s : kSecciones) {
    for (const std::string& k : kClaves) bien &= texto.Leer(s, k) == LeerValorIni(antes, s, k);
  }
  texto.Escribir(seccion, clave, valor);
  bien &= texto.Cambiado() == (LeerValorIni(antes, seccion, clave) != LeerValorIni(solo, seccion, clave)) &&
          texto.contenido() == (texto.Cambiado() ? despues : antes);
  for (const std::string& s : kSecciones) {
    for (const std::string& k : kClaves) bien &= texto.Leer(s, k) == LeerValorIni(texto.contenido(), s, k);
  }
  if (!bien) std::abort();
  return 0;
}
