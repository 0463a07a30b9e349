// The help texts and the help document.
#include "motor/Ayuda.h"

#include <filesystem>
#include <system_error>

#include "game/Imagen.h"
#include "game/Tablero.h"
#include "almacen/Ini.h"
#include "almacen/SistemaArchivos.h"

namespace tumbla {

namespace {

std::string Cuerpo(int cuerpo, const Traductor& tr) {
  return tr.traducir("Ayuda", TextosAyuda[static_cast<size_t>(cuerpo)]);
}

std::string Titulo(int titulo, const Traductor& tr) {
  return tr.traducir("Ayuda", TitulosAyuda[static_cast<size_t>(titulo)]);
}

// Paragraph n (from 0) of help body `cuerpo`, without its bullet.
std::string Parrafo(int cuerpo, int n, const Traductor& tr) {
  const std::string t = Cuerpo(cuerpo, tr);
  size_t inicio = 0;
  for (int k = 0; k < n && inicio != std::string::npos; ++k) {
    inicio = t.find("<>", inicio);
    if (inicio != std::string::npos) inicio += 2;
  }
  if (inicio == std::string::npos) return {};
  const size_t fin = t.find("<>", inicio);
  std::string p = t.substr(inicio, fin == std::string::npos ? std::string::npos : fin - inicio);
  const std::string vineta = "• ";
  if (p.compare(0, vineta.size(), vineta) == 0) p.erase(0, vineta.size());
  return p;
}


}  // namespace

// The game's own words, exactly as the player reads them.
const std::array<const char*, kNumTitulosAyuda> TitulosAyuda = {
    "TUMBLA 3.0 DILATORUS",
    "CLASIC",
    "GOTEATOR",
    "ROTATOR",
    "ROTATOR (PLUS)",
    "JUNTATOR",
    "PODATOR",
    "TORPEDO",
    TUMBLA_TEXTO("Ayuda", "MINUTOS EXTRA"),
    TUMBLA_TEXTO("Ayuda", "OPCIONES"),
    TUMBLA_TEXTO("Ayuda", "TECLADO"),
};

const std::array<const char*, kNumTextosAyuda> TextosAyuda = {
    // TUMBLA 3.0 DILATORUS
    TUMBLA_TEXTO("Ayuda",
        "El Tumbla es un juego que, tomando como base el conocido Plombis, va mucho mas allá, con un montón de variaciones y novedades. Además de la clásica opción de ir completando líneas a través de diferentes fases, el Tumbla incluye nuevas y originales opciones de juego. Si te gusta el Plombis de toda la vida, pero buscas nuevos retos a los que hacer frente, ¡este es tu juego!.<>"
        "Consta de casi 300 niveles, en los que podrás encontrar multitud de modos de juego diferentes. Cada nivel tendrá su objetivo y sus obstáculos."),
    // CLASIC, first piece: paragraphs 1 to 5
    TUMBLA_TEXTO("Ayuda",
        "Es el modo clásico del Plombis, el de toda la vida. A medida que avances de nivel, irán apareciendo diferentes handicaps.<>"
        "• Objetivo: Realizar un número determinado de líneas.<>"
        "• Handicap: 'Borrar en bloque'. En lugar de que las líneas se borren según se vayan completando, con este obstáculo deberás realizar un número concreto de líneas para que estas desaparezcan.<>"
        "• Handicap: 'Subir Nivel'. Cada vez que hagas cierto número de líneas, el tablero ascenderá.<>"
        "• Handicap: 'Bloques Extras'. Irán apareciendo bloques aleatoriamente en el tablero.<>"),
    // CLASIC, second piece: Panic
    TUMBLA_TEXTO("Ayuda",
        "• Handicap: 'Panic'. El tablero se mueve a la izquierda.<>"),
    // CLASIC, third piece: Superpanic
    TUMBLA_TEXTO("Ayuda",
        "• Handicap: 'Superpanic'. El tablero se desordena aleatoriamente."),
    // GOTEATOR
    TUMBLA_TEXTO("Ayuda",
        "En esta caso el objetivo no es hacer un número de líneas determinado, si no conseguir que la gota azul llegue hasta el suelo. Para ello, deberás ir borrando los bloques que tiene debajopara que vaya cayendo poco a poco. Ten en cuenta que los únicos bloques que te interesa borrar son los que están debajo de la gota. Intenta también no poner mas bloques en su camino, si no, los tendrás que hacer desaparecer después.<>"
        "• Objetivo: Llevar la gota azul hasta el suelo.<>"
        "• Handicap: Tiempo determinado para completar el nivel.<>"
        "• Ayuda: En este juego podrás usar el Torpedo (consulta la ayuda)."),
    // ROTATOR
    TUMBLA_TEXTO("Ayuda",
        "La característica principal es que el tablero es más pequeño, cuadrado, y este se puede girar (con las teclas '3' y '4'). De esta forma puedes colocar las piezas en cualquier posición del tablero. Ten en cuenta que a pesar de esto las piezas pueden ser movidas y giradas como siempre (una vez que la ficha que cae está dentro del tablero, este no podrá girarse).<>"
        "Si realizas una línea vertical, esta quedará marcada por bloques neutros (sin color). Para borrar esa línea deberás girar el tablero para que se ponga en posición horizontal.<>"
        "• Objetivo: Realizar un número determinado de líneas.<>"
        "• Handicap: No tiene.<>"
        "• Ayuda: En este juego podrás usar el Torpedo (consulta la ayuda)."),
    // ROTATOR (PLUS)
    TUMBLA_TEXTO("Ayuda",
        "Similar al Rotator, pero en este caso el objetivo es borrar TODOS los bloques iniciales para pasar de nivel. En este caso, cuando hagas una lína vertical y esta quede marcada con bloques neutros, estos también deberán ser eliminados para conseguir pasar de nivel.<>"
        "• Objetivo: Eliminar todos los bloques iniciales.<>"
        "• Handicap: Tiempo determinado para completar el nivel.<>"
        "• Ayuda: En este juego podrás usar el Torpedo (consulta la ayuda)."),
    // JUNTATOR
    TUMBLA_TEXTO("Ayuda",
        "Es una mezcla entre el Rotator y el Goteator. En esta caso te aparecerán dos gotas: una azul y otra rosa. La azul, al igual que en el Goteator, cae hasta el suelo en caso de que no tenga obstáculos debajo. La rosa es fija, no se mueve. Tu misión en este juego para poder pasar de nivel es conseguir juntar ambas gotas y, una vez que estén juntas, borrarlas A LA VEZ con una SOLA línea.<>"
        "En este juego también pueden girarse el tablero, de forma que puedas mover la gota azul por todo el tablero. Aunque mientras la gota azul está en movimiento (está cayendo), no se puede girar el tablero.<>"
        "Las gotas solo se borrarán cuando estén juntas (una pegada a la otra) y estén en la misma línea. En cualquier otro caso, no se borrarán nunca.<>"
        "• Objetivo: Juntar ambas gotas y borrarlas en una misma línea.<>"
        "• Handicap: Tiempo determinado para completar el nivel.<>"
        "• Ayuda: En este juego podrás usar el Torpedo (consulta la ayuda)."),
    // PODATOR
    TUMBLA_TEXTO("Ayuda",
        "Al comenzar cada nivel aparecerá una maceta en la parte inferior con una flor. Cada vez que coloques una ficha en el suelo, la planta crecerá un recuadro. La finalidad de este juego es la de eliminar la maceta, antes de que la planta llegue hasta el nivel superior del tablero.<>"
        "La planta crece hacia arriba o hacia los lados, nunca hacia abajo. Cuando la flor no pueda crecer en ninguna dirección, irá cambiando de color de blanco a amarillo, y de amarillo a rojo. Cuando esté roja, ascenderá atravesando todos los bloques que tenga sobre si. Cuando mediante una línea cortemos la planta en dos, todos los bloques por encima del corte desaparecerán. Cuando eliminemos la flor mediante una línea, la planta desaparecerá completamente, pero volverá a crecer después.<>"
        "• Objetivo: Eliminar la maceta.<>"
        "• Handicap: Tiempo determinado para completar el nivel.<>"
        "• Ayuda: En este juego podrás usar el Torpedo (consulta la ayuda)."),
    // TORPEDO
    TUMBLA_TEXTO("Ayuda",
        "En algunos juegos (Goteator, Rotator, Rotator Plus, Juntator y Podator) tienes un ficha extra que te ayudará a resolver el plombis: El Torpedo. Cada 4 líneas que hagas en uno de estos juegos, te aparecerá una ficha formada por un único bloque neutro (sin color).<>"
        "Esta ficha tiene una característica peculiar: Si la bajas con el cursor, la ficha actuará igual que las demás. Pero si la bajas con la barra espaciadora (bajar de golpe), esta pieza atravesará la primera capa de bloques incrustándose en el primer hueco justo por debajo de esta. Si no hay ningún hueco libre, se quedará encima. Aunque pueda sonar un poco complicado, en cuanto la veas y la uses un par de veces entederás su función.<>"
        "Esta ficha es muy útil para tapar huecos en los niveles inferiores del tablero."),
    // MINUTOS EXTRA
    TUMBLA_TEXTO("Ayuda",
        "En los juegos con tiempo para finalizar el nivel, tienes como ayuda los 'Minutos Extra'. Si no consigues finalizar el nivel porque se te ha agotado el tiempo y cuentas con Minutos Extra, podrás utilizarlos para alargar la partida.<>"
        "Conseguirás 1 minuto extra cada día, o cada vez que completes un nivel."),
    // OPCIONES
    TUMBLA_TEXTO("Ayuda",
        "• Normal: Las 7 fichas clásicas, Tetrominós (formadas por cuatro bloques cada una).<>"
        "• Difícil: Se añaden los 19 Pentominós (formadas por cinco bloques cada una).<>"
        "• Sonido: Para activar/desactivar el sonido.<>"
        "• Minutos extra: Indica cuántos tienes acumulados.<>"
        "• Reset: Elimina los niveles ya superados para comenzar desde cero."),
    // TECLADO
    TUMBLA_TEXTO("Ayuda",
        "• Izquierda: Mover la pieza a la izquierda.<>"
        "• Derecha: Mover la pieza a la derecha.<>"
        "• Arriba: Girar la pieza.<>"
        "• Abajo: Bajar la pieza poco a poco.<>"
        "• Espacio: Bajar la pieza de golpe. / Lanzar el Torpedo.<>"
        "• 3: Girar el tablero en el sentido contrario a las agujas del reloj.<>"
        "• 4: Girar el tablero en el sentido de las agujas del reloj.<>"
        "• F1: Ayuda.<>"
        "• F2: Nueva partida.<>"
        "• F3: Pausar/Continuar partida.<>"
        "• S: Quitar/Poner el sonido."),
};

std::string AyudaObstaculo(int imagen, const Traductor& tr) {
  // Bodies 1..3 are the CLASIC pieces: its handicap paragraphs.
  switch (imagen) {
    case kIconBorrarCada: return Parrafo(1, 2, tr);
    case kIconSubirNivel: return Parrafo(1, 3, tr);
    case kIconBloquesExtra: return Parrafo(1, 4, tr);
    case kIconPanic: return Parrafo(2, 0, tr);
    case kIconSuperPanic: return Parrafo(3, 0, tr);
    default: return {};
  }
}

std::string AyudaObjetivo(int imagen, int segunda, const Traductor& tr) {
  switch (imagen) {
    case kIconLineas: return Parrafo(1, 1, tr);                         // CLASIC, ROTATOR
    case kMuro: return Parrafo(6, 1, tr);                               // ROTATOR (PLUS)
    case kGotaAzul: return segunda == kGotaRosa ? Parrafo(7, 3, tr)     // JUNTATOR
                                                : Parrafo(4, 1, tr);    // GOTEATOR
    case kMaceta: return Parrafo(8, 2, tr);                             // PODATOR
    default: return {};
  }
}

std::string ReemplazarSaltos(const std::string& cuerpo, const std::string& salto) {
  std::string r;
  r.reserve(cuerpo.size() + 64);
  for (size_t i = 0; i < cuerpo.size();) {
    if (cuerpo.compare(i, 2, "<>") == 0) {
      r += salto;
      i += 2;
    } else {
      r += cuerpo[i++];
    }
  }
  return r;
}

namespace {

std::string Html(const std::string& texto) {
  std::string r;
  for (char c : texto) {
    switch (c) {
      case '&': r += "&amp;"; break;
      case '<': r += "&lt;"; break;
      case '>': r += "&gt;"; break;
      default: r += c;
    }
  }
  return r;
}

// After the established text: the keys the player has now, and what the
// game offers beyond its first design.
std::string SeccionesNuevas(const TeclasAyuda& teclas, const Traductor& tr, const char* fin, const char* br) {
  const auto t = [&tr](const char* fuente) { return Html(tr.traducir("Ayuda", fuente)); };
  std::string lista;
  for (const auto& [accion, nombres] : teclas.acciones) {
    lista += "• " + Html(accion) + ": " + Html(nombres) + "." + br;
  }
  const std::string r = std::to_string(teclas.retardo), n = std::to_string(teclas.porSegundo),
                    b = std::to_string(teclas.abajoPorSegundo);
  std::string d;
  d += std::string("<p>&nbsp;</p>") + fin;
  d += "<p><b>" + t(TUMBLA_TEXTO("Ayuda", "TUS TECLAS")) + "</b></p>" + fin;
  d += "<p>" + t(TUMBLA_TEXTO("Ayuda", "Las teclas que tienes ahora (se cambian en Opciones > Teclas...):")) + br +
       lista +
       t(TUMBLA_TEXTO("Ayuda",
                      "• F1: Ayuda. F2: Nueva partida. F10, o Alt y la letra subrayada: abrir los menús. F11: Pantalla "
                      "completa. Ctrl+Q: Salir. Escape: cerrar un menú o una ventana.")) +
       "</p>" + fin;
  d += "<p>" +
       Html(Formato(tr.traducir("Ayuda", TUMBLA_TEXTO("Ayuda",
                                                      "Mientras mantienes pulsada una tecla de mover, la pieza se mueve "
                                                      "en cuanto la pulsas, otra vez a los %1 ms y después %2 veces por "
                                                      "segundo; la de bajar una fila, sostenida, la baja %3 filas por "
                                                      "segundo. Ese ritmo también se elige en Opciones > Teclas...")),
                    {r, n, b})) +
       "</p>" + fin;
  d += std::string("<p>&nbsp;</p>") + fin;
  d += "<p><b>" + t(TUMBLA_TEXTO("Ayuda", "NOVEDADES")) + "</b></p>" + fin;
  static constexpr const char* kNovedades[] = {
      TUMBLA_TEXTO("Ayuda",
                   "• Teclas... (Opciones): elige tus propias teclas y el ritmo de una tecla sostenida. Una tecla que "
                   "ya usa otra acción no se acepta; «Predeterminadas» devuelve las del juego."),
      TUMBLA_TEXTO("Ayuda", "• Sombra de la pieza (Opciones): muestra dónde caerá la pieza."),
      TUMBLA_TEXTO("Ayuda",
                   "• Pista (Opciones): marca dónde pondría la pieza el ordenador. Un nivel completado con pista "
                   "cuenta como superado, pero su puntuación no es récord, y el panel lo avisa."),
      TUMBLA_TEXTO("Ayuda",
                   "• Demostración (Juego): el ordenador juega el nivel que elijas y, si lo gana, sigue con el "
                   "siguiente. Cualquier tecla, clic u orden la termina, y no guarda nada."),
      TUMBLA_TEXTO("Ayuda",
                   "• Pantalla completa (Opciones, o F11). El juego recuerda el sitio y el tamaño de su ventana."),
      TUMBLA_TEXTO("Ayuda",
                   "• Mando: la cruceta o la palanca izquierda mueven y bajan la pieza (sostenidas, al ritmo de las "
                   "teclas), A la gira, X la gira al otro lado, B la suelta o lanza el Torpedo, los botones "
                   "superiores giran el tablero y Start pausa."),
      TUMBLA_TEXTO("Ayuda",
                   "• Pausa (Juego, o la tecla de pausa). Mientras un menú está abierto el juego espera, y sigue al "
                   "cerrarlo. Una ventana del juego (la ayuda, «Acerca de», «Teclas...») o la ventana sin el foco "
                   "lo pausan, y sigue con la tecla de pausa."),
      TUMBLA_TEXTO("Ayuda", "• Abandonar el nivel (Juego): da el nivel por perdido, sin minuto extra ni récord."),
  };
  d += "<p>";
  for (const char* novedad : kNovedades) {
    d += t(novedad);
    d += novedad == kNovedades[std::size(kNovedades) - 1] ? "</p>" : br;
  }
  d += fin;
  return d;
}

}  // namespace

std::string DocumentoAyuda(const TeclasAyuda& teclas, const Traductor& tr) {
  constexpr const char* kFin = "\r\n";
  constexpr const char* kBr = "<br/><br/>";
  std::string d;
  d += std::string("<html><head><meta charset=\"utf-8\"><title>") + kTituloVentana +
       "</title></head>" + kFin;
  d += std::string("<body style='font-family: Arial'>") + kFin;
  d += std::string("<p>&nbsp;</p>") + kFin;
  d += "<h2><b><u>" + Titulo(0, tr) + "</u></b></h2>" + kFin;
  d += "<p>" + ReemplazarSaltos(Cuerpo(0, tr), kBr) + "</p>" + kFin;
  for (int k = 1; k < kNumTitulosAyuda; ++k) {
    // The CLASIC body is kept in three pieces; the document shows them as one.
    const std::string cuerpo = k == 1 ? Cuerpo(1, tr) + Cuerpo(2, tr) + Cuerpo(3, tr) : Cuerpo(k + 2, tr);
    d += std::string("<p>&nbsp;</p>") + kFin;
    d += "<p><b>" + Titulo(k, tr) + "</b></p>" + kFin;
    d += "<p>" + ReemplazarSaltos(cuerpo, kBr) + "</p>" + kFin;
  }
  d += SeccionesNuevas(teclas, tr, kFin, kBr);
  d += std::string("</body></html>") + kFin;
  return d;
}

bool EscribirDocumentoAyuda(const std::string& carpeta, const TeclasAyuda& teclas, std::string& archivo,
                            const Traductor& tr) {
  std::string escrito;
  if (!EscribirArchivoPrivado(carpeta, kArchivoAyuda, DocumentoAyuda(teclas, tr), escrito)) return false;
  archivo = TextoRuta(RutaDesdeTexto(escrito).make_preferred());
  return true;
}

bool TextoIntroduccion(int posicion, std::string& titulo, std::string& texto, const Traductor& tr) {
  struct Introduccion {
    int posicion;
    int titulo;  // index into TitulosAyuda
    int cuerpo;  // index into TextosAyuda
  };
  // The first level of each group, and what it shows.
  static constexpr Introduccion kIntroducciones[] = {
      {1, 1, 1},   // CLASIC: description, objective, the first three handicaps
      {4, 2, 4},   // GOTEATOR
      {8, 3, 5},   // ROTATOR
      {13, 1, 2},  // CLASIC: Panic
      {16, 6, 8},  // PODATOR
      {19, 4, 6},  // ROTATOR (PLUS)
      {24, 1, 3},  // CLASIC: Superpanic
      {27, 5, 7},  // JUNTATOR
  };
  for (const auto& in : kIntroducciones) {
    if (in.posicion == posicion) {
      titulo = Titulo(in.titulo, tr);
      texto = ReemplazarSaltos(Cuerpo(in.cuerpo, tr), "\r\n\r\n");
      return true;
    }
  }
  return false;
}

// ---------------------------------------------------------------------------

bool EscribirAyuda(const std::vector<std::string>& carpetas, const TeclasAyuda& teclas, std::string& archivo,
                   const Traductor& tr) {
  for (const std::string& carpeta : carpetas) {
    std::error_code ec;
    const auto absoluta =
        std::filesystem::absolute(RutaDesdeTexto(carpeta.empty() ? "." : carpeta), ec).lexically_normal();
    // The file opened is the very file written, in a folder nobody else can
    // write to swap it.
    if (!ec && EscribirDocumentoAyuda(TextoRuta(absoluta), teclas, archivo, tr)) return true;
  }
  return false;
}

std::vector<std::string> CarpetasAyuda(const std::string& rutaIni) {
  // Beside the program (where its settings file is), else a folder of the
  // player's own in the user's temporary folder.
  std::vector<std::string> carpetas{TextoRuta(RutaDesdeTexto(rutaIni).parent_path())};
  std::error_code ec;
  const auto temporal = std::filesystem::temp_directory_path(ec);
  if (!ec) carpetas.push_back(TextoRuta(temporal));
  return carpetas;
}

}  // namespace tumbla
