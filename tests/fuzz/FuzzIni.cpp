// The settings file's text operations on any input. Byte 0 picks the section
// and the key written, byte 1 the length of the value that follows; the rest
// is the file. Besides running clean, a write must read back as the same
// write into an empty file reads, leave every other key as it read, and
// change nothing when done again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "progress/Ini.h"

namespace {

const char* const kSecciones[] = {"OROKORRA", "ERREKORRAK"};
const char* const kClaves[] = {"LAGUNTZA", "AZKENA", "AMAITUTAKOA", "SOINUA", "CLASI,01"};

void Comprobar(bool cierto) {
  if (!cierto) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
  using tumbla::CambiarValorIni;
  using tumbla::LeerValorIni;
  if (tamano < 2) return 0;
  const char* texto = reinterpret_cast<const char*>(datos);
  const size_t largo = std::min<size_t>(datos[1], tamano - 2);
  const std::string seccion = kSecciones[datos[0] % 2];
  const std::string clave = kClaves[datos[0] / 2 % 5];
  const std::string valor(texto + 2, largo);
  const std::string antes(texto + 2 + largo, tamano - 2 - largo);

  const std::string despues = CambiarValorIni(antes, seccion, clave, valor);
  const std::string solo = CambiarValorIni("", seccion, clave, valor);
  Comprobar(LeerValorIni(despues, seccion, clave) == LeerValorIni(solo, seccion, clave));
  Comprobar(CambiarValorIni(despues, seccion, clave, valor) == despues);
  for (const char* s : kSecciones) {
    for (const char* k : kClaves) {
      if (s != seccion || k != clave) Comprobar(LeerValorIni(despues, s, k) == LeerValorIni(antes, s, k));
    }
  }
  return 0;
}
