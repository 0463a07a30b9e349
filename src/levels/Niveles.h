// The level records, the 296-level sequence and the level groups.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tumbla {

constexpr int kNumNiveles = 296;

enum class Modo { Clasico, Panic, Superpanic, Goteator, Rotator, RotatorPlus, Juntator, Podator };

// A level group: what the first five characters of a level key select.
struct Grupo {
  const char* codigo;       // "CLASI", "PANIC", ...
  const char* tipo;         // record type: "CLA", "ROT", "GOT", "JUN", "POD"
  Modo modo;
  const char* nombre;       // game-type name shown: "CLASIC", "ROTATOR", ...
  uint32_t color;           // 0x00BBGGRR
  const char* textoDatos;   // text of the level window's data line
};

// The group of a five-character code, or nullptr.
const Grupo* BuscarGrupo(std::string_view codigo);

// Field numbers of a level record.
namespace campo {
constexpr int kTipo = 0;
constexpr int kNumero = 1;
constexpr int kBloquesExtra = 2;
constexpr int kSubida = 3;
constexpr int kLineas = 4;
constexpr int kBorrarCada = 5;
constexpr int kGota = 6;
constexpr int kGotaRosa = 7;
constexpr int kCeldas = 8;
}  // namespace campo

class CatalogoNiveles {
 public:
  CatalogoNiveles();  // parses the built-in records and the sequence

  int UltimoRegistro() const { return static_cast<int>(DatosNivel.size()) - 1; }
  // Trimmed text of a field.
  const std::string& Dato(int registro, int campo) const;
  // A numeric field: its leading decimal digits, 0 when there are none.
  int DatoNumero(int registro, int campo) const;
  // First record of that type and number, or -1.
  int Buscar(std::string_view tipo, int numero) const;
  // Level key at position p (1..296), e.g. "CLASI,01".
  const std::string& Clave(int posicion) const;
  const std::string& Registro(int registro) const { return TablaNiveles[registro]; }

 private:
  std::vector<std::string> TablaNiveles;
  std::vector<std::array<std::string, 9>> DatosNivel;
  std::vector<std::string> SecuenciaNiveles;
};

// Lenient number: optional sign and leading digits, 0 when there are none.
long LeerNumeroLeniente(std::string_view texto);

}  // namespace tumbla
