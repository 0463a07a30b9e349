// Where the settings file goes: beside the program when its folder can be
// written, else in the player's configuration folder, seeded from the file
// beside the program the first time.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "progress/Ini.h"
#include "ui/RutaAjustes.h"

using tumbla::ui::CarpetaEscribible;
using tumbla::ui::CarpetasAyuda;
using tumbla::ui::RutaAjustes;

namespace {

QByteArray Leer(const QString& ruta) {
  QFile f(ruta);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

bool Escribir(const QString& ruta, const QByteArray& contenido) {
  QFile f(ruta);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(contenido) == contenido.size();
}

const QByteArray kAjustes =
    "[OROKORRA]\r\nAMAITUTAKOA=57\r\nLAGUNTZA=4\r\nAZKENA=2026/12/01\r\nSOINUA=N\r\nZAILTASUNA=Z\r\n";

// The program's folder as the rule sees it, without relying on file
// permissions (which the superuser ignores).
auto SoloLectura(QStringList* preguntadas = nullptr) {
  return [preguntadas](const QString& carpeta) {
    if (preguntadas) preguntadas->append(carpeta);
    return false;
  };
}
bool Escribible(const QString&) { return true; }

}  // namespace

class RutaAjustesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(raiz_.isValid());
    programa_ = raiz_.filePath("juegos/tumbla");
    configuracion_ = raiz_.filePath("casa/.config/tumbla");
    QVERIFY(QDir().mkpath(programa_));
  }
  void cleanup() {
    // Every case starts from an empty tree.
    QDir(raiz_.path()).removeRecursively();
    QDir().mkpath(raiz_.path());
  }

  // ---- A writable program folder: a portable copy ---------------------------

  void carpetaEscribibleGuardaJuntoAlPrograma() {
    QStringList preguntadas;
    const QString ruta = RutaAjustes(programa_, "tumbla", configuracion_, [&](const QString& c) {
      preguntadas.append(c);
      return true;
    });
    QCOMPARE(ruta, QDir(programa_).filePath("tumbla.ini"));
    QCOMPARE(preguntadas, QStringList{programa_});
    // Nothing is made in the player's folder for a portable copy.
    QVERIFY(!QFileInfo::exists(configuracion_));
  }

  void elNombreEsElDelProgramaSinExtension() {
    QCOMPARE(QFileInfo(RutaAjustes(programa_, "tumbla.exe", configuracion_, Escribible)).fileName(),
             QString("tumbla.ini"));
    QCOMPARE(QFileInfo(RutaAjustes(programa_, "mi.tumbla.exe", configuracion_, Escribible)).fileName(),
             QString("mi.tumbla.ini"));
    QCOMPARE(QFileInfo(RutaAjustes(programa_, "otro", configuracion_, SoloLectura())).fileName(),
             QString("otro.ini"));
  }

  void carpetaEscribibleNoTocaUnArchivoExistente() {
    const QString junto = QDir(programa_).filePath("tumbla.ini");
    QVERIFY(Escribir(junto, kAjustes));
    QCOMPARE(RutaAjustes(programa_, "tumbla", configuracion_, Escribible), junto);
    QCOMPARE(Leer(junto), kAjustes);
    QVERIFY(!QFileInfo::exists(configuracion_));
  }

  // ---- A read-only program folder with nothing beside the program -----------

  void soloLecturaSinArchivoVaALaCarpetaDelJugador() {
    QStringList preguntadas;
    const QString ruta = RutaAjustes(programa_, "tumbla", configuracion_, SoloLectura(&preguntadas));
    QCOMPARE(ruta, QDir(configuracion_).filePath("tumbla.ini"));
    QCOMPARE(preguntadas, QStringList{programa_});
    // The folder is made (parents too); the file itself waits for the first
    // write, as a settings file always does.
    QVERIFY(QFileInfo(configuracion_).isDir());
    QVERIFY(!QFileInfo::exists(ruta));

    // The game's first write lands there and the program folder stays clean.
    tumbla::ArchivoIni ini(ruta.toStdString());
    QVERIFY(ini.Escribir("OROKORRA", "LAGUNTZA", "1"));
    QCOMPARE(ini.Leer("OROKORRA", "LAGUNTZA"), std::string("1"));
    QCOMPARE(QDir(programa_).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{});
  }

  void soloLecturaConservaLoQueElJugadorYaTiene() {
    QVERIFY(QDir().mkpath(configuracion_));
    const QString propio = QDir(configuracion_).filePath("tumbla.ini");
    QVERIFY(Escribir(propio, "[OROKORRA]\nAMAITUTAKOA=3\n"));
    QCOMPARE(RutaAjustes(programa_, "tumbla", configuracion_, SoloLectura()), propio);
    QCOMPARE(Leer(propio), QByteArray("[OROKORRA]\nAMAITUTAKOA=3\n"));
  }

  // ---- A read-only program folder with a settings file beside the program ---

  void soloLecturaCopiaElArchivoDeJuntoAlProgramaLaPrimeraVez() {
    const QString junto = QDir(programa_).filePath("tumbla.ini");
    QVERIFY(Escribir(junto, kAjustes));
    const QString ruta = RutaAjustes(programa_, "tumbla", configuracion_, SoloLectura());
    QCOMPARE(ruta, QDir(configuracion_).filePath("tumbla.ini"));
    QCOMPARE(Leer(ruta), kAjustes);   // same contents, byte for byte
    QCOMPARE(Leer(junto), kAjustes);  // the original is left alone

    // The player then plays on: later starts keep the player's file even
    // though the one beside the program still holds the old progress.
    tumbla::ArchivoIni ini(ruta.toStdString());
    QCOMPARE(ini.Leer("OROKORRA", "AMAITUTAKOA"), std::string("57"));
    QVERIFY(ini.Escribir("OROKORRA", "AMAITUTAKOA", "58"));
    QCOMPARE(RutaAjustes(programa_, "tumbla", configuracion_, SoloLectura()), ruta);
    QCOMPARE(ini.Leer("OROKORRA", "AMAITUTAKOA"), std::string("58"));
    QCOMPARE(Leer(junto), kAjustes);
  }

  void laCopiaDeUnArchivoProtegidoSePuedeEscribir() {
    const QString junto = QDir(programa_).filePath("tumbla.ini");
    QVERIFY(Escribir(junto, kAjustes));
    QVERIFY(QFile::setPermissions(junto, QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                             QFileDevice::ReadOther));
    const QString ruta = RutaAjustes(programa_, "tumbla", configuracion_, SoloLectura());
    QVERIFY(QFile::permissions(ruta).testFlag(QFileDevice::WriteOwner));
    QFile::setPermissions(junto, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  }

  void soloLecturaNoCopiaUnaCarpetaConElMismoNombre() {
    QVERIFY(QDir().mkpath(QDir(programa_).filePath("tumbla.ini")));
    const QString ruta = RutaAjustes(programa_, "tumbla", configuracion_, SoloLectura());
    QCOMPARE(ruta, QDir(configuracion_).filePath("tumbla.ini"));
    QVERIFY(!QFileInfo::exists(ruta));
  }

  // ---- Telling a writable folder from one that is not -----------------------

  void pruebaDeEscrituraReal() {
    QVERIFY(CarpetaEscribible(programa_));
    // The try leaves nothing behind.
    QCOMPARE(QDir(programa_).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{});
    QVERIFY(!CarpetaEscribible(raiz_.filePath("no-existe")));
    QVERIFY(!CarpetaEscribible(QString()));
    // A folder "under" a plain file cannot exist, not even for the superuser.
    const QString archivo = raiz_.filePath("archivo");
    QVERIFY(Escribir(archivo, "x"));
    QVERIFY(!CarpetaEscribible(archivo));
    QVERIFY(!CarpetaEscribible(archivo + "/carpeta"));
  }

  void carpetaSinPermisoDeEscritura() {
    // With the real test the whole rule runs as it will for an installed game.
    const QString junto = QDir(programa_).filePath("tumbla.ini");
    QVERIFY(Escribir(junto, kAjustes));
    const auto antes = QFile::permissions(programa_);
    QVERIFY(QFile::setPermissions(programa_, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool escribible = CarpetaEscribible(programa_);
    const QString ruta = RutaAjustes(programa_, "tumbla", configuracion_);
    QFile::setPermissions(programa_, antes);
    if (escribible) {
      QSKIP("This user writes to folders without write permission (the superuser): "
            "the read-only cases above cover the rule.");
    }
    QCOMPARE(ruta, QDir(configuracion_).filePath("tumbla.ini"));
    QCOMPARE(Leer(ruta), kAjustes);
  }

  // ---- The help document follows the settings file --------------------------

  void ayudaJuntoAlArchivoDeAjustesLuegoTemporal() {
    const QString ruta = RutaAjustes(programa_, "tumbla", configuracion_, SoloLectura());
    const auto carpetas = CarpetasAyuda(ruta);
    QCOMPARE(carpetas.size(), size_t{2});
    QCOMPARE(QDir::cleanPath(QString::fromStdString(carpetas[0])), QDir::cleanPath(configuracion_));
    QCOMPARE(QDir::cleanPath(QString::fromStdString(carpetas[1])), QDir::cleanPath(QDir::tempPath()));
    QVERIFY(CarpetaEscribible(QString::fromStdString(carpetas[0])));
  }

 private:
  QTemporaryDir raiz_;
  QString programa_;
  QString configuracion_;
};

QTEST_GUILESS_MAIN(RutaAjustesTest)
#include "RutaAjustesTest.moc"
