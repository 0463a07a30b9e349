// Packs: written and read back the same; a text that is no pack says why;
// on import only levels whose proof wins come in, each other one is named
// with why not; files go only into the packs folder, under clean names.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "Archivos.h"
#include "NivelProbado.h"

namespace tumbla {
namespace {

Paquete PaqueteDePrueba() {
  Paquete p{"Mis niveles", "Ana", {NivelProbado()}};
  NivelDePaquete borrador{CopiaDelNivel(4), {}};
  p.niveles.push_back(borrador);
  return p;
}

TEST(Paquete, seEscribeYSeLeeIgualYAlImportarSoloEntraLoProbado) {
  const Paquete p = PaqueteDePrueba();
  const LecturaPaquete leido = LeerPaquete(EscribirPaquete(p));
  EXPECT_EQ(leido.error, "");
  EXPECT_TRUE(leido.rechazos.empty());
  EXPECT_EQ(leido.paquete, p);
  const LecturaPaquete importado = ImportarPaquete(EscribirPaquete(p));
  ASSERT_EQ(importado.paquete.niveles.size(), 1u);
  EXPECT_TRUE(importado.paquete.niveles[0].Probado());
  ASSERT_EQ(importado.rechazos.size(), 1u);
  EXPECT_NE(importado.rechazos[0].find("Nivel 2, «Copia de GOTEA,01»: no tiene prueba"), std::string::npos);
}

TEST(Paquete, unNivelFalsoSeRechazaYLosDemasEntran) {
  // A forged proof (cut before its win), a record changed after its proof
  // (the proof kept), a record the game cannot play: each is left out and
  // named; the level whose proof wins comes in.
  Paquete p{"Trampas", "", {NivelProbado(), NivelProbado(), NivelProbado()}};
  p.niveles[0].nivel.nombre = "Cortada";
  std::string& guion = p.niveles[0].prueba->guion;
  guion.erase(guion.rfind("key"));
  p.niveles[1].nivel.nombre = "Cambiada";
  p.niveles[1].nivel.lineas = 4;
  std::string texto = EscribirPaquete(p);
  const std::string registro = RegistroDe(NivelProbado().nivel);
  texto.replace(texto.rfind(registro), registro.size(), registro.substr(0, 54) + "287288289290291292293294295296297");
  const LecturaPaquete l = ImportarPaquete(texto);
  ASSERT_EQ(l.rechazos.size(), 3u);
  EXPECT_NE(l.rechazos[0].find("Nivel 3, «Escalera»: su registro no vale: la fila 22 está llena"), std::string::npos) << l.rechazos[0];
  EXPECT_NE(l.rechazos[1].find("Nivel 1, «Cortada»: la prueba no gana el nivel"), std::string::npos) << l.rechazos[1];
  EXPECT_NE(l.rechazos[2].find("Nivel 2, «Cambiada»: el nivel no es el que ganó su prueba"), std::string::npos)
      << l.rechazos[2];
  EXPECT_TRUE(l.paquete.niveles.empty());
}

TEST(Paquete, unTextoQueNoEsUnPaqueteDiceQueFalla) {
  const std::string bueno = EscribirPaquete(PaqueteDePrueba());
  const auto con = [&](const std::string& antes, const std::string& despues) {
    std::string t = bueno;
    return t.replace(t.find(antes), antes.size(), despues);
  };
  std::string muchos = "tumbla-niveles 1\nnombre x\n";
  for (int k = 0; k <= 200; ++k) muchos += "nivel CLASI\n";
  const std::string prueba = bueno.substr(bueno.find("prueba "), 24);
  for (const auto& [texto, falta] : {std::pair{std::string("[OROKORRA]\n"), "no es un paquete"},
                                     {con("niveles 1", "niveles 2"), "versión '2'"},
                                     {con("autor Ana", "autora Ana"), "línea 3: no se entiende 'autora'"},
                                     {con("nombre Mis niveles\n", ""), "no tiene nombre"},
                                     {con(prueba, prueba + "9"), "acaba antes"},
                                     {con(prueba, "prueba xyz"), "'prueba HUELLA LINEAS'"},
                                     {con("titulo Escalera", "titulo " + std::string(5000, 'a')), "larga"},
                                     {muchos, "más de 200 niveles"},
                                     {std::string(kLargoPaquete + 1, '\n'), "demasiado grande"}}) {
    const LecturaPaquete l = LeerPaquete(texto);
    EXPECT_NE(l.error.find(falta), std::string::npos) << falta << ": " << l.error;
    EXPECT_TRUE(l.paquete.niveles.empty());
  }
}

TEST(Paquete, losArchivosSoloVanALaCarpetaDePaquetesConNombresLimpios) {
  EXPECT_EQ(NombreDeArchivo("../../etc/passwd"), "etc-passwd");
  EXPECT_EQ(NombreDeArchivo("Señor Ñandú: ¡niveles!"), "senor-nandu-niveles");
  EXPECT_EQ(NombreDeArchivo("CON"), "paquete-con");
  EXPECT_EQ(NombreDeArchivo("com1"), "paquete-com1");
  EXPECT_EQ(NombreDeArchivo("..."), "paquete");
  EXPECT_EQ(NombreDeArchivo("propio"), "paquete-propio");

  const auto datos = std::filesystem::temp_directory_path() / ("tumbla-paquetes-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::filesystem::remove_all(datos);
  const CarpetaPaquetes carpeta(datos.string());
  EXPECT_EQ(carpeta.Propio().nombre, "Mis niveles");
  std::string error, ruta1, ruta2, ruta3;
  Paquete p = PaqueteDePrueba();
  ASSERT_TRUE(carpeta.GuardarPropio(p, error)) << error;
  EXPECT_EQ(carpeta.Propio(), p);
  p.nombre = "../propio";
  ASSERT_TRUE(carpeta.GuardarImportado(p, ruta1, error));
  ASSERT_TRUE(carpeta.GuardarImportado(p, ruta2, error));  // the same pack again
  p.autor = "Otra";
  ASSERT_TRUE(carpeta.GuardarImportado(p, ruta3, error));
  EXPECT_EQ(ruta1, (datos / "paquetes" / "paquete-propio.tumbla-niveles").string());
  EXPECT_EQ(ruta2, ruta1);
  EXPECT_EQ(ruta3, (datos / "paquetes" / "paquete-propio-2.tumbla-niveles").string());
  EXPECT_EQ(carpeta.Todos().size(), 3u);
  EXPECT_EQ(carpeta.Todos()[0].second.nombre, "Mis niveles");

  // A file far larger than any pack is not read at all.
  const auto grande = datos / "grande.tumbla-niveles";
  Guardar(grande, "tumbla-niveles 1\n");
  std::filesystem::resize_file(grande, kLargoPaquete + 1);
  EXPECT_NE(ImportarArchivo(grande.string()).error.find("demasiado grande"), std::string::npos);
  std::filesystem::remove_all(datos);
}

}  // namespace
}  // namespace tumbla
