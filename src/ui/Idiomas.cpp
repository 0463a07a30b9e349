#include "ui/Idiomas.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <cstdio>

namespace tumbla::ui {

namespace {

constexpr const char* kIngles = ":/i18n/tumbla_en.qm";

// The translation in force, the application's own (it goes with it); none
// while the game speaks Spanish.
QPointer<QTranslator>& Instalado() {
  static QPointer<QTranslator> traductor;
  return traductor;
}

}  // namespace

Idioma IdiomaEfectivo(Idioma elegido) {
  if (elegido != Idioma::Sistema) return elegido;
  const QStringList idiomas = QLocale::system().uiLanguages();
  return !idiomas.isEmpty() && idiomas.front().startsWith(QLatin1String("en")) ? Idioma::Ingles : Idioma::Espanol;
}

bool PonerIdioma(Idioma elegido) {
  const bool ingles = IdiomaEfectivo(elegido) == Idioma::Ingles;
  QPointer<QTranslator>& instalado = Instalado();
  if (ingles == !instalado.isNull()) return true;
  if (instalado) {
    QCoreApplication::removeTranslator(instalado);
    delete instalado;
    return true;
  }
  auto* traductor = new QTranslator(QCoreApplication::instance());
  if (!traductor->load(QString::fromLatin1(kIngles))) {
    delete traductor;
    return false;
  }
  QCoreApplication::installTranslator(traductor);
  instalado = traductor;
  return true;
}

QString Traducido(const char* contexto, const char* fuente) {
  return QCoreApplication::translate(contexto, fuente);
}

std::string TraducidoUtf8(const char* contexto, const char* fuente) {
  return Traducido(contexto, fuente).toStdString();
}

void PlataformaTraducida::idioma(Idioma i) {
  if (!PonerIdioma(i)) std::fprintf(stderr, "tumbla: the translation could not be loaded\n");
}

std::string PlataformaTraducida::traducir(const char* contexto, const char* fuente) const {
  return TraducidoUtf8(contexto, fuente);
}

const Traductor& TraductorQt() {
  class Qt : public Traductor {
   public:
    std::string traducir(const char* contexto, const char* fuente) const override {
      return TraducidoUtf8(contexto, fuente);
    }
  };
  static const Qt traductor;
  return traductor;
}

}  // namespace tumbla::ui
