// Where the settings file goes: beside the program when its folder can be
// written, else in the player's configuration folder, seeded from the file
// beside the program the first time; the help document follows it.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "progress/Ini.h"
#include "ui/RutaAjustes.h"

using tumbla::ArchivoIni;
using tumbla::ui::CarpetaEscribible;
using tumbla::ui::CarpetasAyuda;
using tumbla::ui::RutaAjustes;

namespace {

QByteArray Leer(const QString& ruta) {
  QFile f(ruta);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
bool Escribir(const QString& ruta, const QByteArray& contenido) {
  QFile f(ruta);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(contenido) == contenido.size();
}
const QByteArray kAjustes = "[OROKORRA]\r\nAMAITUTAKOA=57\r\nLAGUNTZA=4\r\nSOINUA=N\r\nZAILTASUNA=Z\r\n";
// The program's folder as the rule sees it, without relying on file
// permissions (which the superuser ignores); notes each folder asked about.
auto Escribible(bool si, QStringList* preguntadas = nullptr) {
  return [=](const QString& carpeta) {
    if (preguntadas) preguntadas->append(carpeta);
    return si;
  };
}

}  // namespace

class RutaAjustesTest : public QObject {
  Q_OBJECT
  std::unique_ptr<QTemporaryDir> raiz_;
  QString programa_, configuracion_, junto_, propio_;
  QStringList Contenido(const QString& carpeta) {
    return QDir(carpeta).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
  }

 private slots:
  void init() {
    // Every case starts from an empty tree.
    raiz_ = std::make_unique<QTemporaryDir>();
    programa_ = raiz_->filePath("juegos/tumbla");
    configuracion_ = raiz_->filePath("casa/.config/tumbla");
    junto_ = programa_ + "/tumbla.ini";
    propio_ = configuracion_ + "/tumbla.ini";
    QVERIFY(QDir().mkpath(programa_));
  }

  void carpetaEscribibleGuardaJuntoAlProgramaSinTocarNada() {
    // A portable copy: the file beside the program, named after it without
    // its extension, an existing one untouched, nothing in the player's folder.
    QStringList preguntadas;
    QCOMPARE(RutaAjustes(programa_, "tumbla", configuracion_, Escribible(true, &preguntadas)), junto_);
    QCOMPARE(preguntadas, QStringList{programa_});
    QVERIFY(Escribir(junto_, kAjustes));
    QCOMPARE(RutaAjustes(programa_, "mi.tumbla.exe", configuracion_, Escribible(true)), programa_ + "/mi.tumbla.ini");
    QCOMPARE(RutaAjustes(programa_, "tumbla.exe", configuracion_, Escribible(true)), junto_);
    QCOMPARE(Leer(junto_), kAjustes);
    QVERIFY(!QFileInfo::exists(configuracion_));
  }

  void soloLecturaSinArchivoJuntoVaALaCarpetaDelJugador() {
    // The player's folder is made (parents too) and the file waits for the
    // game's first write, which lands there; a folder named like the file
    // beside the program is not copied; a file the player already has stays;
    // help goes beside the settings, then to the temporary folder.
    QVERIFY(QDir().mkpath(junto_));
    QStringList preguntadas;
    QCOMPARE(RutaAjustes(programa_, "tumbla", configuracion_, Escribible(false, &preguntadas)), propio_);
    QCOMPARE(preguntadas, QStringList{programa_});
    QCOMPARE(RutaAjustes(programa_, "otro.exe", configuracion_, Escribible(false)), configuracion_ + "/otro.ini");
    QVERIFY(QFileInfo(configuracion_).isDir() && !QFileInfo::exists(propio_));
    QVERIFY(ArchivoIni(propio_.toStdString()).Escribir("OROKORRA", "AMAITUTAKOA", "3"));
    QCOMPARE(Contenido(programa_), QStringList{"tumbla.ini"});
    QCOMPARE(RutaAjustes(programa_, "tumbla", configuracion_, Escribible(false)), propio_);
    QCOMPARE(ArchivoIni(propio_.toStdString()).Leer("OROKORRA", "AMAITUTAKOA"), "3");
    const auto ayuda = CarpetasAyuda(propio_);
    QCOMPARE(ayuda.size(), size_t{2});
    QCOMPARE(QDir::cleanPath(QString::fromStdString(ayuda[0])), QDir::cleanPath(configuracion_));
    QCOMPARE(QDir::cleanPath(QString::fromStdString(ayuda[1])), QDir::cleanPath(QDir::tempPath()));
  }

  void soloLecturaConArchivoJuntoLoCopiaLaPrimeraVez() {
    // The file beside the program (even a read-only one) is copied byte for
    // byte into a writable file and left alone; later starts keep the
    // player's file though the one beside still holds the old progress.
    QVERIFY(Escribir(junto_, kAjustes));
    QVERIFY(QFile::setPermissions(junto_, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    QCOMPARE(RutaAjustes(programa_, "tumbla", configuracion_, Escribible(false)), propio_);
    QCOMPARE(Leer(propio_), kAjustes);
    QVERIFY(QFile::permissions(propio_).testFlag(QFileDevice::WriteOwner));
    QVERIFY(ArchivoIni(propio_.toStdString()).Escribir("OROKORRA", "AMAITUTAKOA", "58"));
    QCOMPARE(RutaAjustes(programa_, "tumbla", configuracion_, Escribible(false)), propio_);
    QCOMPARE(ArchivoIni(propio_.toStdString()).Leer("OROKORRA", "AMAITUTAKOA"), "58");
    QCOMPARE(Leer(junto_), kAjustes);
    QFile::setPermissions(junto_, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  }

  void pruebaRealDeEscrituraYCarpetaSinPermiso() {
    // The real test writes and leaves nothing behind; a missing folder, no
    // folder and a "folder" under a plain file are not writable. A folder
    // without write permission runs the whole rule as for an installed game.
    QVERIFY(CarpetaEscribible(programa_));
    QCOMPARE(Contenido(programa_), QStringList{});
    QVERIFY(Escribir(raiz_->filePath("archivo"), "x"));
    for (const QString& no : {raiz_->filePath("no-existe"), QString(), raiz_->filePath("archivo"), raiz_->filePath("archivo/c")})
      QVERIFY2(!CarpetaEscribible(no), qPrintable(no));
    QVERIFY(Escribir(junto_, kAjustes));
    const auto antes = QFile::permissions(programa_);
    QVERIFY(QFile::setPermissions(programa_, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool escribible = CarpetaEscribible(programa_);
    const QString ruta = RutaAjustes(programa_, "tumbla", configuracion_);
    QFile::setPermissions(programa_, antes);
    if (escribible) QSKIP("This user (the superuser) writes to folders without write permission; the cases above cover the rule.");
    QCOMPARE(ruta, propio_);
    QCOMPARE(Leer(ruta), kAjustes);
  }
};

QTEST_GUILESS_MAIN(RutaAjustesTest)
#include "RutaAjustesTest.moc"
