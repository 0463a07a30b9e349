#include "motor/Teclado.h"

#include <cstddef>
#include <utility>

#include "progress/CodigosTecla.h"

namespace tumbla {

namespace {

Comando Atajo(int codigo) {
  if (codigo == tecla::kF1) return Comando::Ayuda;
  if (codigo == tecla::kF2) return Comando::Nuevo;
  return Comando::Ninguno;
}

}  // namespace

Comando Teclado::DeLaPersiana(int codigo) {
  switch (codigo) {
    case tecla::kIntro: return Comando::Continuar;
    case tecla::kF2: return Comando::Nuevo;
    case tecla::kS: return Comando::Sonido;
    default: return Comando::Ninguno;
  }
}

Teclado::Teclado() {
  const std::pair<int, Comando> teclas[] = {
      {tecla::kIzquierda, Comando::Izquierda}, {tecla::kO, Comando::Izquierda},
      {tecla::kDerecha, Comando::Derecha},     {tecla::kP, Comando::Derecha},
      {tecla::kAbajo, Comando::Abajo},         {tecla::kA, Comando::Abajo},
      {tecla::kArriba, Comando::Girar},        {tecla::kQ, Comando::Girar},
      {tecla::kEspacio, Comando::Soltar},      {tecla::k3, Comando::GirarCuadrado3},
      {tecla::k4, Comando::GirarCuadrado4},    {tecla::kF3, Comando::Pausa},
      {tecla::kS, Comando::Sonido},
  };
  for (const auto& [codigo, comando] : teclas) principal_[static_cast<size_t>(codigo)] = comando;
}

Comando Teclado::Principal(int codigo, Foco foco) const {
  if (codigo <= 0 || codigo > 255) return Comando::Ninguno;
  const Comando atajo = foco == Foco::Ventana ? Atajo(codigo) : Comando::Ninguno;
  return atajo != Comando::Ninguno ? atajo : principal_[static_cast<size_t>(codigo)];
}

int Teclado::TeclaDe(Comando c) const {
  if (c == Comando::Ninguno) return 0;
  for (int codigo = 1; codigo < 256; ++codigo) {
    if (principal_[static_cast<size_t>(codigo)] == c) return codigo;
  }
  return 0;
}

}  // namespace tumbla
