#include "ui/RutaAjustes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tumbla::ui {

namespace {

std::string Utf8(const QString& ruta) {
  const QByteArray b = QDir::toNativeSeparators(ruta).toUtf8();
  return std::string(b.constData(), static_cast<size_t>(b.size()));
}

}  // namespace

bool CarpetaEscribible(const QString& carpeta) {
  const QFileInfo info(carpeta);
  if (carpeta.isEmpty() || !info.isDir()) return false;
  QTemporaryFile prueba(QDir(carpeta).filePath(QStringLiteral(".tumbla-prueba-XXXXXX")));
  prueba.setAutoRemove(true);
  return prueba.open();
}

QString RutaAjustes(const QString& carpetaPrograma, const QString& nombrePrograma,
                    const QString& carpetaConfiguracion, const PruebaEscritura& escribible) {
  const QString nombreIni = QFileInfo(nombrePrograma).completeBaseName() + QStringLiteral(".ini");
  const QString junto = QDir(carpetaPrograma).filePath(nombreIni);
  if (escribible(carpetaPrograma)) return QDir::cleanPath(junto);

  const QString propio = QDir(carpetaConfiguracion).filePath(nombreIni);
  if (!QFileInfo::exists(propio)) {
    // Failures here are not told here: the game finds that it cannot write
    // the settings file, says so and runs on with what it holds in memory.
    QDir().mkpath(carpetaConfiguracion);
    if (QFileInfo(junto).isFile() && QFile::copy(junto, propio)) {
      // A copy keeps the permission bits of a file the player may not have
      // been allowed to change.
      QFile::setPermissions(propio, QFile::permissions(propio) | QFileDevice::WriteOwner |
                                        QFileDevice::ReadOwner);
    }
  }
  return QDir::cleanPath(propio);
}

QString CarpetaConfiguracionUsuario() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
      .filePath(QStringLiteral("tumbla"));
}

QString RutaAjustes() {
  return RutaAjustes(QCoreApplication::applicationDirPath(),
                     QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                     CarpetaConfiguracionUsuario());
}

std::vector<std::string> CarpetasAyuda(const QString& rutaAjustes) {
  return {Utf8(QFileInfo(rutaAjustes).absolutePath()), Utf8(QDir::tempPath())};
}

}  // namespace tumbla::ui
