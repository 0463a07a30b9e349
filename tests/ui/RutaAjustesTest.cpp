// Where the settings file goes: beside the program in a writable folder, else
// in the player's folder, seeded once from a file beside the program.
#include <QtTest>

#include "ui/RutaAjustes.h"

using tumbla::ui::RutaAjustes;

namespace {
QByteArray Leer(const QString& ruta) {
  QFile f(ruta);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void Escribir(const QString& ruta, const QByteArray& texto) {
  QFile f(ruta);
  if (f.open(QIODevice::WriteOnly)) f.write(texto);
}
}  // namespace

class RutaAjustesTest : public QObject {
  Q_OBJECT

 private slots:
  void carpetaEscribibleOSoloLecturaConOSinArchivo() {
    // Writable: beside the program. Read-only: the player's folder, empty or a writable copy, kept on later starts.
    for (const auto& [escribible, junto] : {std::pair(true, true), std::pair(false, false), std::pair(false, true)}) {
      QTemporaryDir raiz;
      const QString programa = raiz.filePath("juego"), propia = raiz.filePath("config/tumbla");
      QVERIFY(QDir().mkpath(programa));
      if (junto) Escribir(programa + "/mi.tumbla.ini", "AMAITUTAKOA=57");
      QFile::setPermissions(programa + "/mi.tumbla.ini", QFile::ReadOwner);
      const auto prueba = [escribible = escribible](const QString&) { return escribible; };
      const QString ruta = RutaAjustes(programa, "mi.tumbla.exe", propia, prueba);
      QCOMPARE(ruta, (escribible ? programa : propia) + "/mi.tumbla.ini");
      QCOMPARE(Leer(ruta), junto ? QByteArray("AMAITUTAKOA=57") : QByteArray());
      QCOMPARE(QFileInfo(propia).isDir(), !escribible);
      if (escribible) continue;
      QVERIFY(!junto || QFile::permissions(ruta).testFlag(QFile::WriteOwner));
      Escribir(ruta, "AMAITUTAKOA=58");
      QCOMPARE(RutaAjustes(programa, "mi.tumbla.exe", propia, prueba), ruta);
      QCOMPARE(Leer(ruta), QByteArray("AMAITUTAKOA=58"));
    }
  }
};

QTEST_GUILESS_MAIN(RutaAjustesTest)
#include "RutaAjustesTest.moc"
