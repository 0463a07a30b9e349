#include "progress/Ajustes.h"

#include <cstdio>
#include <string>

namespace tumbla {

void Ajustes::Cargar() {
  sonido_ = almacen_.LeerClave("SOINUA", "S") == "S";
  const std::string fichas = almacen_.LeerClave("ZAILTASUNA", "N");
  if (fichas == "N" || fichas == "Z") fichas_ = fichas == "Z" ? 1 : 0;
  // Reading a key with a blank default never writes it.
  sombra_ = almacen_.LeerClave("ITZALA", "") == "S";
  pista_ = almacen_.LeerClave("ARGIBIDEA", "") == "S";
  const std::string colores = almacen_.LeerClave("KOLOREAK", "");
  colores_ = colores == "D" ? Colores::Daltonismo : colores == "K" ? Colores::Contraste : Colores::Propios;
  menosDestellos_ = almacen_.LeerClave("DISTIRA_GUTXIAGO", "") == "S";
  CargarVentana();
}

void Ajustes::CargarVentana() {
  const std::string idioma = almacen_.LeerClave("HIZKUNTZA", "");
  idioma_ = idioma == "es" ? Idioma::Espanol : idioma == "en" ? Idioma::Ingles : Idioma::Sistema;
  completa_ = almacen_.Leer(kSeccionVentana, "PANTAILA_OSOA") == "S";
  Geometria g;
  char resto = 0;
  const std::string kokapena = almacen_.Leer(kSeccionVentana, "KOKAPENA");
  if (std::sscanf(kokapena.c_str(), "%d,%d,%d,%d%c", &g.x, &g.y, &g.ancho, &g.alto, &resto) == 4 && g.Valida() &&
      g.ancho < 100000 && g.alto < 100000) {
    ventana_ = g;
  }
}

void Ajustes::CambiarPista() {
  pista_ = !pista_;
  almacen_.EscribirClave("ARGIBIDEA", pista_ ? "S" : "N");
}

void Ajustes::ElegirColores(Colores c) {
  colores_ = c;
  almacen_.EscribirClave("KOLOREAK", c == Colores::Daltonismo ? "D" : c == Colores::Contraste ? "K" : "N");
}

void Ajustes::CambiarMenosDestellos() {
  menosDestellos_ = !menosDestellos_;
  almacen_.EscribirClave("DISTIRA_GUTXIAGO", menosDestellos_ ? "S" : "N");
}

void Ajustes::ElegirIdioma(Idioma i) {
  if (i == Idioma::Sistema) return;
  idioma_ = i;
  almacen_.EscribirClave("HIZKUNTZA", i == Idioma::Ingles ? "en" : "es");
}

void Ajustes::CambiarPantallaCompleta() {
  completa_ = !completa_;
  almacen_.Escribir(kSeccionVentana, "PANTAILA_OSOA", completa_ ? "S" : "N");
}

void Ajustes::RecordarVentana(const Geometria& g) {
  if (!g.Valida() || g == ventana_) return;
  ventana_ = g;
  almacen_.Escribir(kSeccionVentana, "KOKAPENA", std::to_string(g.x) + "," + std::to_string(g.y) + "," +
                                                      std::to_string(g.ancho) + "," + std::to_string(g.alto));
}

void Ajustes::CambiarSonido() {
  sonido_ = !sonido_;
  almacen_.EscribirClave("SOINUA", sonido_ ? "S" : "N");
}

void Ajustes::ElegirFichas(int indice) {
  if (indice != 0 && indice != 1) return;
  fichas_ = indice;
  almacen_.EscribirClave("ZAILTASUNA", indice == 1 ? "Z" : "N");
}

void Ajustes::CambiarSombra() {
  sombra_ = !sombra_;
  almacen_.EscribirClave("ITZALA", sombra_ ? "S" : "N");
}

}  // namespace tumbla
