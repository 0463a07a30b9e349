// The seven sound effects: the files built into the game, their generator,
// and the player that plays them (silent here: the tests have no sound device
// and must not need one).
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdint>

#include "ui/Sonidos.h"

using tumbla::ui::ReproductorSonidos;

namespace {

struct Esperado {
  int id;
  uint32_t tasa;
  uint32_t datos;
};

// Sample rate and sample-data length of each effect.
constexpr Esperado kTabla[] = {
    {101, 11025, 2981}, {102, 22050, 28004}, {103, 22050, 1546}, {104, 11025, 8719},
    {105, 22050, 6028}, {106, 22050, 13947}, {107, 22050, 13682},
};

uint32_t U32(const QByteArray& b, int en) {
  return uint32_t(uint8_t(b[en])) | uint32_t(uint8_t(b[en + 1])) << 8 |
         uint32_t(uint8_t(b[en + 2])) << 16 | uint32_t(uint8_t(b[en + 3])) << 24;
}
uint16_t U16(const QByteArray& b, int en) { return uint16_t(uint8_t(b[en]) | uint8_t(b[en + 1]) << 8); }

QByteArray Leer(const QString& ruta) {
  QFile f(ruta);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString Recurso(int id) { return QStringLiteral(":/sounds/%1.wav").arg(id); }

}  // namespace

class SonidosTest : public QObject {
  Q_OBJECT

 private slots:
  void embeddedFilesMatchTheTable() {
    // Each built-in file is a RIFF WAVE of PCM mono 8-bit samples with the
    // table's rate and data length, the chunk sizes adding up.
    for (const Esperado& e : kTabla) {
      const QByteArray b = Leer(Recurso(e.id));
      const QByteArray nombre = QByteArray::number(e.id);
      QVERIFY2(b.size() >= 44, nombre);
      QCOMPARE(b.mid(0, 4), QByteArray("RIFF"));
      QCOMPARE(U32(b, 4), uint32_t(b.size() - 8));
      QCOMPARE(b.mid(8, 4), QByteArray("WAVE"));

      // Walk the chunks: "fmt " first, then "data".
      int en = 12;
      bool formato = false;
      uint32_t datos = 0;
      int inicioDatos = -1;
      while (en + 8 <= b.size()) {
        const QByteArray id = b.mid(en, 4);
        const uint32_t largo = U32(b, en + 4);
        if (id == "fmt ") {
          QVERIFY2(largo >= 16, nombre);
          QCOMPARE(U16(b, en + 8), uint16_t(1));   // PCM
          QCOMPARE(U16(b, en + 10), uint16_t(1));  // mono
          QCOMPARE(U32(b, en + 12), e.tasa);
          QCOMPARE(U32(b, en + 16), e.tasa);       // bytes per second
          QCOMPARE(U16(b, en + 20), uint16_t(1));  // block align
          QCOMPARE(U16(b, en + 22), uint16_t(8));  // bits per sample
          formato = true;
        } else if (id == "data") {
          QVERIFY2(formato, nombre);
          datos = largo;
          inicioDatos = en + 8;
        }
        en += 8 + int(largo) + int(largo & 1u);  // odd chunks carry a pad byte
      }
      QCOMPARE(en, int(b.size()));
      QCOMPARE(datos, e.datos);
      QVERIFY(inicioDatos > 0);

      // Soft edges (no click at start or end) and headroom everywhere.
      const auto muestra = [&](int k) { return int(uint8_t(b[inicioDatos + k])) - 128; };
      QVERIFY2(qAbs(muestra(0)) <= 2 && qAbs(muestra(int(datos) - 1)) <= 2, nombre);
      int pico = 0;
      for (int k = 0; k < int(datos); ++k) pico = qMax(pico, qAbs(muestra(k)));
      QVERIFY2(pico >= 30 && pico <= 100, qPrintable(nombre + " pico " + QByteArray::number(pico)));
    }
  }

  void generatorReproducesTheCommittedFiles() {
    // Running the generator afresh writes exactly the bytes in the
    // repository, which are exactly the ones built into the game.
    QTemporaryDir carpeta;
    QVERIFY(carpeta.isValid());
    QProcess generador;
    generador.start(QStringLiteral(TUMBLA_GENERADOR), {carpeta.path()});
    QVERIFY(generador.waitForFinished(30000));
    QCOMPARE(generador.exitStatus(), QProcess::NormalExit);
    QCOMPARE(generador.exitCode(), 0);
    for (const Esperado& e : kTabla) {
      const QString nombre = QStringLiteral("%1.wav").arg(e.id);
      const QByteArray nuevo = Leer(carpeta.filePath(nombre));
      QVERIFY2(!nuevo.isEmpty(), qPrintable(nombre));
      QVERIFY2(nuevo == Leer(QStringLiteral(TUMBLA_SOURCE_DIR "/assets/sounds/") + nombre), qPrintable(nombre));
      QVERIFY2(nuevo == Leer(Recurso(e.id)), qPrintable(nombre));
    }
  }

  void generatorFailsOnAFolderItCannotWrite() {
    // A missing folder is reported with a failing exit code.
    QTemporaryDir carpeta;
    QProcess generador;
    generador.start(QStringLiteral(TUMBLA_GENERADOR), {carpeta.filePath(QStringLiteral("no/existe"))});
    QVERIFY(generador.waitForFinished(30000));
    QVERIFY(generador.exitCode() != 0);
  }

  void soundOffLoadsAndPlaysNothing() {
    // With the switch off no effect is created, whatever is asked.
    ReproductorSonidos sonidos;
    for (int id = 101; id <= 107; ++id) sonidos.Reproducir(id, false);
    QCOMPARE(sonidos.Cargados(), 0);
    QCOMPARE(sonidos.Ultimo(), 0);
    QVERIFY(sonidos.findChildren<QSoundEffect*>().isEmpty());
  }

  void soundOnLoadsEachEffectOnceAndTheLatestWins() {
    // Playing loads that one effect (and keeps it); a second sound replaces
    // the first; unknown ids are ignored. No audio device is needed: without
    // one the calls return and nothing is heard.
    ReproductorSonidos sonidos;
    sonidos.Reproducir(107, true);
    QCOMPARE(sonidos.Cargados(), 1);
    QCOMPARE(sonidos.Ultimo(), 107);
    sonidos.Reproducir(102, true);
    QCOMPARE(sonidos.Cargados(), 2);
    QCOMPARE(sonidos.Ultimo(), 102);
    sonidos.Reproducir(107, true);
    sonidos.Reproducir(107, true);
    QCOMPARE(sonidos.Cargados(), 2);
    sonidos.Reproducir(100, true);
    sonidos.Reproducir(108, true);
    QCOMPARE(sonidos.Cargados(), 2);
    QCOMPARE(sonidos.Ultimo(), 107);
    // Only the latest may still be sounding.
    for (QSoundEffect* efecto : sonidos.findChildren<QSoundEffect*>()) {
      if (!efecto->source().toString().endsWith(QStringLiteral("107.wav"))) QVERIFY(!efecto->isPlaying());
    }
    QTest::qWait(0);  // the event loop keeps turning
  }

  void preloadPreparesAllSevenFromTheBuiltInFiles() {
    // Preloading creates the seven effects, each on its own built-in file.
    ReproductorSonidos sonidos;
    sonidos.Precargar();
    QCOMPARE(sonidos.Cargados(), 7);
    QStringList fuentes;
    for (QSoundEffect* efecto : sonidos.findChildren<QSoundEffect*>())
      fuentes << efecto->source().toString();
    fuentes.sort();
    QStringList esperadas;
    for (int id = 101; id <= 107; ++id) esperadas << QStringLiteral("qrc:/sounds/%1.wav").arg(id);
    QCOMPARE(fuentes, esperadas);
    sonidos.Precargar();
    QCOMPARE(sonidos.findChildren<QSoundEffect*>().size(), 7);
  }
};

QTEST_MAIN(SonidosTest)
#include "SonidosTest.moc"
