// The seven sound effects: the files built into the game, their generator,
// and the player that plays them (silent here: the tests have no sound device
// and must not need one).
#include <QFile>
#include <QProcess>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/Sonidos.h"

using tumbla::ui::ReproductorSonidos;

namespace {

// Id, sample rate and sample-data length of each effect.
constexpr uint32_t kTabla[][3] = {{101, 11025, 2981}, {102, 22050, 28004}, {103, 22050, 1546}, {104, 11025, 8719},
                                  {105, 22050, 6028}, {106, 22050, 13947}, {107, 22050, 13682}};

uint32_t U(const QByteArray& b, int en, int bytes = 4) {
  uint32_t v = 0;
  for (int k = bytes - 1; k >= 0; --k) v = v << 8 | uint8_t(b[en + k]);
  return v;
}
QByteArray Leer(const QString& ruta) {
  QFile f(ruta);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class SonidosTest : public QObject {
  Q_OBJECT

 private slots:
  void archivosIncorporadosSiguenLaTabla() {
    // Each built-in file is a RIFF WAVE of PCM mono 8-bit samples with the
    // table's rate and data length, the chunk sizes adding up, soft edges
    // (no click at start or end) and headroom everywhere.
    for (const auto& [id, tasa, largoDatos] : kTabla) {
      const QByteArray b = Leer(QStringLiteral(":/sounds/%1.wav").arg(id));
      const QByteArray nombre = QByteArray::number(id);
      QVERIFY2(b.size() >= 44 && b.startsWith("RIFF") && b.mid(8, 4) == "WAVE", nombre);
      QCOMPARE(U(b, 4), uint32_t(b.size() - 8));
      int en = 12, datos = -1;
      bool formato = false;
      for (; en + 8 <= b.size(); en += 8 + int(U(b, en + 4)) + int(U(b, en + 4) & 1u)) {  // odd chunks are padded
        if (b.mid(en, 4) == "fmt ") {
          // PCM, mono, rate, bytes per second, block align, bits per sample.
          QCOMPARE((std::array{U(b, en + 8, 2), U(b, en + 10, 2), U(b, en + 12), U(b, en + 16), U(b, en + 20, 2), U(b, en + 22, 2)}),
                   (std::array<uint32_t, 6>{1, 1, tasa, tasa, 1, 8}));
          formato = true;
        } else if (b.mid(en, 4) == "data") {
          QVERIFY2(formato, nombre);
          QCOMPARE(U(b, en + 4), largoDatos);
          datos = en + 8;
        }
      }
      QCOMPARE(en, int(b.size()));
      QVERIFY2(datos > 0, nombre);
      const auto muestra = [&](int k) { return qAbs(int(uint8_t(b[datos + k])) - 128); };
      QVERIFY2(muestra(0) <= 2 && muestra(int(largoDatos) - 1) <= 2, nombre);
      int pico = 0;
      for (int k = 0; k < int(largoDatos); ++k) pico = qMax(pico, muestra(k));
      QVERIFY2(pico >= 30 && pico <= 100, qPrintable(nombre + " pico " + QByteArray::number(pico)));
    }
  }

  void generadorReproduceLosArchivosYFallaSinCarpeta() {
    // Run afresh, the generator writes exactly the bytes in the repository,
    // which are those built into the game; a missing folder makes it fail.
    QTemporaryDir carpeta;
    QProcess generador;
    generador.start(QStringLiteral(TUMBLA_GENERADOR), {carpeta.path()});
    QVERIFY(generador.waitForFinished(30000));
    QCOMPARE(std::pair(generador.exitStatus(), generador.exitCode()), std::pair(QProcess::NormalExit, 0));
    for (const auto& fila : kTabla) {
      const QString nombre = QStringLiteral("%1.wav").arg(fila[0]);
      const QByteArray nuevo = Leer(carpeta.filePath(nombre));
      QVERIFY2(!nuevo.isEmpty() && nuevo == Leer(QStringLiteral(TUMBLA_SOURCE_DIR "/assets/sounds/") + nombre) &&
                   nuevo == Leer(":/sounds/" + nombre),
               qPrintable(nombre));
    }
    generador.start(QStringLiteral(TUMBLA_GENERADOR), {carpeta.filePath(QStringLiteral("no/existe"))});
    QVERIFY(generador.waitForFinished(30000));
    QVERIFY(generador.exitCode() != 0);
  }

  void sinSonidoNadaSeCargaYConSonidoCadaEfectoUnaVezSinDispositivo() {
    // Switched off, nothing is created whatever is asked. Switched on, with
    // no audio device, playing loads that one effect once and returns; the
    // latest sound cuts the one before; unknown ids are ignored; preloading
    // makes the seven, each on its own built-in file.
    ReproductorSonidos sonidos;
    for (int id = 101; id <= 107; ++id) sonidos.Reproducir(id, false);
    QCOMPARE(std::pair(sonidos.Cargados(), sonidos.Ultimo()), std::pair(0, 0));
    QVERIFY(sonidos.findChildren<QSoundEffect*>().isEmpty());
    for (const auto& [id, cargados, ultimo] : {std::tuple{107, 1, 107}, {102, 2, 102}, {107, 2, 107}, {107, 2, 107},
                                               {100, 2, 107}, {108, 2, 107}}) {
      sonidos.Reproducir(id, true);
      QCOMPARE(std::pair(sonidos.Cargados(), sonidos.Ultimo()), std::pair(cargados, ultimo));
    }
    for (QSoundEffect* efecto : sonidos.findChildren<QSoundEffect*>()) {
      if (!efecto->source().toString().endsWith(QStringLiteral("107.wav"))) QVERIFY(!efecto->isPlaying());
    }
    QTest::qWait(0);  // the event loop keeps turning
    sonidos.Precargar();
    sonidos.Precargar();
    QStringList fuentes;
    for (QSoundEffect* efecto : sonidos.findChildren<QSoundEffect*>()) fuentes << efecto->source().toString();
    fuentes.sort();
    QStringList esperadas;
    for (int id = 101; id <= 107; ++id) esperadas << QStringLiteral("qrc:/sounds/%1.wav").arg(id);
    QCOMPARE(fuentes, esperadas);
    QCOMPARE(sonidos.Cargados(), 7);
  }
};

QTEST_MAIN(SonidosTest)
#include "SonidosTest.moc"
