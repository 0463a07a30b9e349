#include "levels/FaltasRegistro.h"

#include <array>
#include <map>
#include <set>

#include "game/Tablero.h"
#include "game/Textos.h"
#include "modes/Grupos.h"

namespace tumbla {

namespace {

constexpr int kUltimaFilaEntrada = 4;  // a piece enters around row 2 and reaches two rows down

bool SoloDigitos(std::string_view t) {
  for (char c : t) {
    if (c < '0' || c > '9') return false;
  }
  return !t.empty();
}

// Columns 1..11 of rows 0..23, where pieces fall.
bool EnElCampo(int celda) {
  return celda >= 0 && celda < kBaseFilaInferior + kAncho && Columna(celda) >= 1 && Columna(celda) <= kAncho - 2;
}


// The checks of one record, gathered field by field.
class Revision {
 public:
  Revision(const CamposRegistro& campos, const Grupo& grupo, const Traductor& t)
      : campos_(campos), modo_(grupo.modo), reglas_(ReglasDe(grupo.modo)), t_(t) {
    if (campos[campo::kTipo] != grupo.tipo) {
      Anotar(CampoNivel::Tipo,
             TUMBLA_TEXTO("FaltasRegistro", "el registro es de tipo '%1' y el grupo %2 juega registros %3"),
             {campos[campo::kTipo], grupo.codigo, grupo.tipo});
    }
  }

  std::vector<FaltaNivel> Faltas() {
    Numeros();
    if (!SoloDigitos(campos_[campo::kCeldas]) ||
        (campos_[campo::kCeldas] != "0" && campos_[campo::kCeldas].size() % 3 != 0)) {
      Anotar(CampoNivel::Tablero, TUMBLA_TEXTO("FaltasRegistro", "las celdas '%1' no son números de tres cifras"),
             {campos_[campo::kCeldas]});
      return std::move(faltas_);
    }
    Objetivo();
    Tablero();
    return std::move(faltas_);
  }

 private:
  bool Hay(CampoNivel c) const {
    for (const FaltaNivel& f : faltas_) {
      if (f.campo == c) return true;
    }
    return false;
  }
  // `plantilla`, in the player's language, with its values.
  void Anotar(CampoNivel c, const char* plantilla, std::initializer_list<std::string_view> valores = {}) {
    if (!Hay(c)) faltas_.push_back({c, Formato(t_.traducir("FaltasRegistro", plantilla), valores)});
  }
  // The cell and its row.
  void Anotar(CampoNivel c, const char* plantilla, int celda) {
    Anotar(c, plantilla, {std::to_string(celda), std::to_string(Fila(celda))});
  }
  int Numero(int c) const { return LeerNumero(campos_[static_cast<size_t>(c)]); }

  // The fields 2..7 hold numbers; the handicaps no more than the game can
  // time: an hour between extra blocks, the field's rows going together.
  void Numeros() {
    constexpr std::array<CampoNivel, 6> kCampos{CampoNivel::BloquesExtra, CampoNivel::Subida, CampoNivel::Lineas,
                                                CampoNivel::BorrarCada, CampoNivel::Gota, CampoNivel::GotaRosa};
    constexpr std::array<int, 4> kMaximos{3600, 999, 999, kAlto - 1};
    for (int c = campo::kBloquesExtra; c <= campo::kGotaRosa; ++c) {
      const CampoNivel donde = kCampos[static_cast<size_t>(c - campo::kBloquesExtra)];
      const std::string& texto = campos_[static_cast<size_t>(c)];
      if (!SoloDigitos(texto)) {
        Anotar(donde, TUMBLA_TEXTO("FaltasRegistro", "'%1' no es un número"), {texto});
      } else if (c <= campo::kBorrarCada && Numero(c) > kMaximos[static_cast<size_t>(c - campo::kBloquesExtra)]) {
        Anotar(donde, TUMBLA_TEXTO("FaltasRegistro", "'%1' es demasiado grande"), {texto});
      } else if (c >= campo::kGota && Numero(c) != 0 && !EnElCampo(Numero(c))) {
        Anotar(donde, TUMBLA_TEXTO("FaltasRegistro", "la gota '%1' está fuera del tablero"), {texto});
      }
    }
  }

  void Objetivo() {
    if (reglas_.ObjetivoLineas() && Numero(campo::kLineas) == 0) {
      Anotar(CampoNivel::Lineas, TUMBLA_TEXTO("FaltasRegistro", "hay que hacer al menos una línea"));
    }
  }

  // A drop of the group's: on the board, on the square where the board
  // turns, on a cell of its own.
  void Gota(CampoNivel donde, int celda) {
    if (celda == 0) {
      Anotar(donde, TUMBLA_TEXTO("FaltasRegistro", "falta la gota"));
    } else if (reglas_.Cuadrado() && Fila(celda) < kFilaCuadrado) {
      Anotar(donde, TUMBLA_TEXTO("FaltasRegistro", "la gota está fuera del tablero cuadrado"));
    } else if (ocupadas_.count(celda) != 0) {
      Anotar(donde, TUMBLA_TEXTO("FaltasRegistro", "la gota está dentro del montón"));
    }
    ocupadas_.insert(celda);
  }

  void Tablero() {
    std::vector<int> celdas = LeerCeldas(campos_[campo::kCeldas]);
    if (modo_ == Modo::Podator) {
      // The pot stands on the floor with its flower on top.
      if (celdas.empty()) {
        Anotar(CampoNivel::Maceta, TUMBLA_TEXTO("FaltasRegistro", "falta la maceta"));
      } else if (!EnElCampo(celdas.front()) || Fila(celdas.front()) != kAlto - 2) {
        Anotar(CampoNivel::Maceta, TUMBLA_TEXTO("FaltasRegistro", "la maceta no está en el suelo"));
      } else {
        ocupadas_ = {celdas.front(), celdas.front() - kAncho};
      }
      if (!celdas.empty()) celdas.erase(celdas.begin());
    }
    std::set<int> bloques;
    for (int c : celdas) {
      if (!EnElCampo(c)) {
        Anotar(CampoNivel::Tablero, TUMBLA_TEXTO("FaltasRegistro", "la celda %1 (fila %2) está fuera del tablero"), c);
      } else if (Fila(c) <= kUltimaFilaEntrada) {
        Anotar(CampoNivel::Tablero,
               TUMBLA_TEXTO("FaltasRegistro", "la celda %1 (fila %2) está donde entran las piezas"), c);
      } else if (reglas_.Cuadrado() && Fila(c) < kFilaCuadrado) {
        Anotar(CampoNivel::Tablero,
               TUMBLA_TEXTO("FaltasRegistro", "la celda %1 (fila %2) está sobre el tablero cuadrado"), c);
      } else if (!bloques.insert(c).second) {
        Anotar(CampoNivel::Tablero, TUMBLA_TEXTO("FaltasRegistro", "la celda %1 (fila %2) está dos veces"), c);
      } else if (ocupadas_.count(c) != 0) {
        Anotar(CampoNivel::Tablero,
               TUMBLA_TEXTO("FaltasRegistro", "la celda %1 (fila %2) tapa la flor de la maceta"), c);
      }
    }
    ocupadas_.insert(bloques.begin(), bloques.end());
    if (modo_ == Modo::Goteator || modo_ == Modo::Juntator) {
      Gota(CampoNivel::Gota, Numero(campo::kGota));
      if (modo_ == Modo::Goteator && Fila(Numero(campo::kGota)) == kAlto - 2) {
        Anotar(CampoNivel::Gota, TUMBLA_TEXTO("FaltasRegistro", "la gota ya está en el suelo"));
      }
    }
    if (modo_ == Modo::Juntator) Gota(CampoNivel::GotaRosa, Numero(campo::kGotaRosa));
    if (modo_ == Modo::RotatorPlus && bloques.empty()) {
      Anotar(CampoNivel::Tablero, TUMBLA_TEXTO("FaltasRegistro", "no hay bloques que quitar"));
    }
    // A full row would go with the first piece.
    std::map<int, int> porFila;
    for (int c : ocupadas_) {
      if (++porFila[Fila(c)] == kAncho - 2) {
        Anotar(CampoNivel::Tablero, TUMBLA_TEXTO("FaltasRegistro", "la fila %1 está llena desde el principio"),
               {std::to_string(Fila(c))});
      }
    }
  }

  const CamposRegistro& campos_;
  Modo modo_;
  const ReglasGrupo& reglas_;
  std::set<int> ocupadas_;  // blocks, drops, pot and flower
  std::vector<FaltaNivel> faltas_;
  const Traductor& t_;
};

}  // namespace

std::vector<FaltaNivel> FaltasEnRegistro(const CamposRegistro& campos, const Grupo& grupo, const Traductor& t) {
  return Revision(campos, grupo, t).Faltas();
}

std::string FaltaEnRegistros(const CatalogoNiveles& niveles) {
  for (int p = 1; p <= kNumNiveles; ++p) {
    const std::string& clave = niveles.Clave(p);
    const Grupo& grupo = *BuscarGrupo(GrupoDeClave(clave));
    const int r = niveles.Buscar(grupo.tipo, NumeroDeClave(clave));
    if (r < 0) return "falta el registro " + std::string(grupo.tipo) + " " + std::to_string(NumeroDeClave(clave));
    const std::vector<FaltaNivel> faltas = FaltasEnRegistro(niveles.Campos(r), grupo);
    if (!faltas.empty()) return "registro '" + niveles.Registro(r) + "': " + faltas.front().motivo;
  }
  return {};
}

}  // namespace tumbla
