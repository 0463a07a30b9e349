// The help document in a window of the game's own.
#include "ui/VentanaAyuda.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace tumbla::ui {

VentanaAyuda::VentanaAyuda(QWidget* parent) : QDialog(parent), texto_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("frmAyuda"));
  setModal(false);
  texto_->setObjectName(QStringLiteral("txtAyuda"));
  texto_->setOpenLinks(false);

  auto* botones = new QDialogButtonBox(this);
  QPushButton* cerrar = botones->addButton(tr("Cerrar"), QDialogButtonBox::RejectRole);
  cerrar->setObjectName(QStringLiteral("cmdCerrar"));
  connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* columna = new QVBoxLayout(this);
  columna->addWidget(texto_);
  columna->addWidget(botones);

  // A page of text that fits on the screen: 640 by 720 where there is room.
  const QSize pantalla = parent && parent->screen() ? parent->screen()->availableSize() : QSize(1024, 768);
  resize(std::min(640, pantalla.width() * 9 / 10), std::min(720, pantalla.height() * 8 / 10));
}

bool VentanaAyuda::Cargar(const QString& ruta) {
  QFile archivo(ruta);
  if (!archivo.open(QIODevice::ReadOnly)) return false;
  const QByteArray datos = archivo.readAll();
  if (archivo.error() != QFileDevice::NoError) return false;
  QStringDecoder decodificador(QStringConverter::encodingForHtml(datos).value_or(QStringConverter::Utf8));
  texto_->setHtml(decodificador(datos));
  texto_->moveCursor(QTextCursor::Start);
  setWindowTitle(texto_->documentTitle());
  return true;
}

}  // namespace tumbla::ui
