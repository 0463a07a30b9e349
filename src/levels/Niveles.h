// The level records, the 296-level sequence and the level groups.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/Modo.h"

namespace tumbla {

constexpr int kNumNiveles = 296;

// Colours are 0x00BBGGRR, as the game's tables give them. Grey marks a
// level beyond the open ones, and the board frame's normal border.
constexpr uint32_t kColorGris = 0xC0C0C0;
constexpr uint32_t kColorRojo = 0x0000FF;

// A level group: what the first five characters of a level key select.
struct Grupo {
  const char* codigo;       // "CLASI", "PANIC", ...
  const char* tipo;         // record type: "CLA", "ROT", "GOT", "JUN", "POD"
  Modo modo;
  const char* nombre;       // game-type name shown: "CLASIC", "ROTATOR", ...
  uint32_t color;           // 0x00BBGGRR
  const char* textoDatos;   // text of the level window's data line
};

// The group of a five-character code (exact, case-sensitive), or nullptr.
const Grupo* BuscarGrupo(std::string_view codigo);
// The eight groups, in the order the game introduces them.
const std::array<Grupo, 8>& Grupos();

// A level key is "GRUPO,NN": the group code, a comma, the number.
std::string_view GrupoDeClave(std::string_view clave);
int NumeroDeClave(std::string_view clave);

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
constexpr int kNumCampos = 9;

// The fields of one record, trimmed, in field order.
using CamposRegistro = std::array<std::string, kNumCampos>;
// A record line cut into its fields by their columns.
CamposRegistro LeerCampos(std::string_view linea);
// A record line with each field in its columns: what LeerCampos reads back
// as long as each field fits its width (the cell list has no limit).
std::string EscribirRegistro(const CamposRegistro& campos);
// The board indices of a cell list, in the order written (empty for "0" and
// any one-character list); a short last piece reads as a shorter number.
std::vector<int> LeerCeldas(std::string_view lista);

class CatalogoNiveles {
 public:
  CatalogoNiveles();  // parses the built-in records and the sequence
  // Parses records from other text (one per line, '#' lines and blank lines
  // skipped); the sequence is the built-in one.
  explicit CatalogoNiveles(std::string_view textoRegistros);

  int UltimoRegistro() const { return static_cast<int>(DatosNivel.size()) - 1; }
  // Trimmed text of a field.
  const std::string& Dato(int registro, int campo) const;
  // A numeric field: its leading decimal digits, 0 when there are none.
  int DatoNumero(int registro, int campo) const;
  // First record of that type and number, or -1.
  int Buscar(std::string_view tipo, int numero) const;
  // Level key at position p (1..296), e.g. "CLASI,01".
  const std::string& Clave(int posicion) const;
  const std::string& Registro(int registro) const;
  const CamposRegistro& Campos(int registro) const;
  // The board indices of a record's cell list, in the order written (empty
  // for "0"); a short last piece reads as a shorter number.
  std::vector<int> Celdas(int registro) const;

 private:
  void LeerRegistros(std::string_view texto);
  void ExpandirSecuencia();

  std::vector<std::string> TablaNiveles;
  std::vector<CamposRegistro> DatosNivel;
  std::vector<std::string> SecuenciaNiveles;
};

// A fingerprint of what the 296 positions play: each position's key and the
// fields of its record. Two sets of records with the same fingerprint set
// every level up alike; a replay names the fingerprint of the records it
// was played with.
uint64_t HuellaNiveles(const CatalogoNiveles& niveles);

// Leading decimal digits of a text (after blanks), 0 when there are none;
// stops short of overflowing.
int LeerNumero(std::string_view texto);
// Lenient number: optional blanks, an optional sign, then leading digits; 0
// when there are none. Saturates instead of overflowing.
long LeerNumeroLeniente(std::string_view texto);

}  // namespace tumbla
