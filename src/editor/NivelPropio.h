// A level a player makes: its group, the fields its group uses, its starting
// board, a name and a line of description. It is written as a level record
// in the game's own format and played in place of the built-in record of
// its group's first level, so that it runs on exactly the game's rules.
#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "game/Textos.h"
#include "levels/FaltasRegistro.h"
#include "levels/Niveles.h"

namespace tumbla {

struct NivelPropio {
  std::string grupo = "CLASI";  // one of the eight group codes
  int lineas = 10;
  int bloquesExtra = 0;  // seconds
  int subida = 0;        // rows between rises
  int borrarCada = 0;    // 0 or 1: rows go one by one
  int gota = 0;          // board indices; 0 for none
  int gotaRosa = 0;
  int maceta = 0;
  std::set<int> bloques;  // the starting board's blocks
  std::string nombre;
  std::string descripcion;
  bool operator==(const NivelPropio&) const = default;
};

// Longest name and description, in characters.
constexpr size_t kLargoNombre = 60;
constexpr size_t kLargoDescripcion = 200;

// The level's group; null for a code that is none of the eight.
const Grupo* GrupoDe(const NivelPropio& nivel);
// The fields a group's rules read: the line target for the groups won by
// rows, the handicaps for the three classic ones, rows that clear together
// for all, the drops for the two drop groups, the pot for the plant.
bool UsaCampo(const Grupo& grupo, CampoNivel campo);

// An empty board with what the group cannot do without (a drop, a pot, a
// line target) in a place that plays.
NivelPropio NivelVacio(const Grupo& grupo);
// A copy of the built-in level at `posicion` (1..296).
NivelPropio CopiaDelNivel(int posicion, const Traductor& t = SinTraducir());
// The level of a record played as `grupo`; fields the group does not use
// are left at 0.
NivelPropio NivelDeRegistro(const Grupo& grupo, const CamposRegistro& campos);
// Its record, numbered `numero`; fields the group does not use are 0.
CamposRegistro CamposDe(const NivelPropio& nivel, int numero = 1);
std::string RegistroDe(const NivelPropio& nivel, int numero = 1);

// What is wrong with the level, field by field, by the rules the game
// applies to its own records (an unknown group is a fault of its type).
// The reasons come in `t`'s language.
std::vector<FaltaNivel> Faltas(const NivelPropio& nivel, const Traductor& t = SinTraducir());

// Whose text a fault is told of: a field's own (the field is beside it), or
// a level's name or description, a pack's author or its name.
enum class TextoDe : uint8_t { Campo, Nombre, Descripcion, Autor, NombrePaquete };
// What is wrong with a name or a description: "" when nothing. One line of
// printable text of at most `largo` characters; a name is never empty. The
// sentence names `de` and comes in `t`'s language.
std::string FaltaEnTexto(std::string_view texto, size_t largo, bool obligatorio, TextoDe de = TextoDe::Campo,
                         const Traductor& t = SinTraducir());

// A print of what is played (the group and the record, not the name): a
// proof made on one level holds for another only when their prints agree.
uint64_t Huella(const NivelPropio& nivel);

// The position of the sequence a level of `grupo` is played at: its group's
// first level, whose record it takes the place of.
int PosicionDelGrupo(const Grupo& grupo);
// Every record of the game's, with the level's in its group's first place:
// the records the computer player and the replay runner play it from.
std::string RegistrosConNivel(const NivelPropio& nivel);

}  // namespace tumbla
