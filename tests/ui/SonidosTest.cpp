// The sound effects: the generator remakes the WAV files of the repository
// and of the game, headers and all; without an audio device they play mute.
#include <QProcess>
#include <QSoundEffect>
#include <QtEndian>
#include <QtTest>

#include "ui/Sonidos.h"

using tumbla::ui::ReproductorSonidos;

namespace {
QByteArray Leer(const QString& ruta) {
  QFile f(ruta);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
qint64 U(const QByteArray& b, int en, int bytes = 4) {
  return bytes == 2 ? qFromLittleEndian<quint16>(b.constData() + en) : qFromLittleEndian<quint32>(b.constData() + en);
}
}  // namespace

class SonidosTest : public QObject {
  Q_OBJECT

 private slots:
  void generadorRehaceLosArchivosDelJuego() {
    // The generator writes the committed and built-in files byte for byte: RIFF PCM mono 8-bit, sizes adding up.
    QTemporaryDir carpeta;
    QProcess generador;
    generador.start(QStringLiteral(TUMBLA_GENERADOR), {carpeta.path()});
    QVERIFY(generador.waitForFinished(30000) && generador.exitCode() == 0);
    for (int id = ReproductorSonidos::kPrimero; id <= ReproductorSonidos::kUltimo; ++id) {
      const QString nombre = QStringLiteral("%1.wav").arg(id);
      const QByteArray b = Leer(carpeta.filePath(nombre));
      QVERIFY2(b == Leer(TUMBLA_SOURCE_DIR "/assets/sounds/" + nombre) && b == Leer(":/sounds/" + nombre) &&
                   b.startsWith("RIFF") && U(b, 4) == b.size() - 8 && b.mid(8, 8) == "WAVEfmt " && U(b, 16) == 16 &&
                   U(b, 20, 2) == 1 && U(b, 22, 2) == 1 && U(b, 28) == U(b, 24) && U(b, 34, 2) == 8 &&
                   b.mid(36, 4) == "data" && 44 + U(b, 40) + (U(b, 40) & 1) == b.size(),  // an odd chunk is padded
               qPrintable(nombre));
    }
  }

  void sinDispositivoSuenaEnSilencio() {
    // Off, nothing loads; all seven load and play with no audio device while the loop runs on.
    ReproductorSonidos sonidos;
    sonidos.Reproducir(101, false);
    QCOMPARE(sonidos.Cargados(), 0);
    sonidos.Precargar();
    const QList<QSoundEffect*> efectos = sonidos.findChildren<QSoundEffect*>();
    QVERIFY(efectos.size() == 7 && QTest::qWaitFor([&] {
              return std::none_of(efectos.begin(), efectos.end(),
                                  [](QSoundEffect* e) { return e->status() == QSoundEffect::Loading; });
            }));
    for (int id : {101, 107, 104}) sonidos.Reproducir(id, true);
    QCOMPARE(std::pair(sonidos.Cargados(), sonidos.Ultimo()), std::pair(7, 104));
  }
};

QTEST_MAIN(SonidosTest)
#include "SonidosTest.moc"
