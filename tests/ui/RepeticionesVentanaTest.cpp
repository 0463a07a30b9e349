// The window records the levels it plays: a level played with keys and given
// up is in the list of replays, and plays again to the same end; the list
// deletes, saves elsewhere and opens replays, and says why it refuses one; a
// level left when the game ends is kept as it stood.
#include <QtTest>
#include <QtWidgets>

#include <sstream>

#include "Archivos.h"
#include "grabacion/AlmacenRepeticiones.h"
#include "motor/Juego.h"
#include "replay/EjecutorGuion.h"
#include "ui/DialogoNiveles.h"
#include "ui/DialogoRepeticiones.h"
#include "ui/Escenario.h"
#include "ui/PlataformaQt.h"
#include "ui/VentanaPrincipal.h"

using namespace tumbla;
using namespace tumbla::ui;

class RepeticionesVentanaTest : public QObject {
  Q_OBJECT
  std::unique_ptr<QTemporaryDir> carpeta_;
  std::unique_ptr<VentanaPrincipal> v_;

  QString Ruta(const char* nombre) const { return carpeta_->filePath(QString::fromLatin1(nombre)); }
  const Vista& V() { return v_->juego().vista(); }
  QDialog* Abierta() { return v_->plataforma().Abierta(); }
  void Abrir() {
    Guardar(Ruta("tumbla.ini").toStdString(),
            "[OROKORRA]\nLAGUNTZA=3\nAZKENA=" + QDate::currentDate().toString(u"yyyy/MM/dd").toStdString());
    v_ = std::make_unique<VentanaPrincipal>(Ruta("tumbla.ini"), Ruta("repeticiones"));
    v_->show();
    v_->Arrancar();
    QTRY_VERIFY(std::holds_alternative<flujo::SinNivel>(V().situacion()) && !Abierta());
    QApplication::setActiveWindow(v_.get());
  }
  void Jugar(int posicion) {
    QTest::keyClick(&v_->escenario(), Qt::Key_F2);
    qobject_cast<DialogoNiveles*>(Abierta())->ElegirPosicion(posicion);
    if (auto* introduccion = qobject_cast<QMessageBox*>(Abierta())) introduccion->buttons().first()->click();
    QTRY_VERIFY(V().Jugando() && !Abierta());
    QApplication::setActiveWindow(v_.get());
    for (Qt::Key tecla : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Space, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space}) {
      QTest::qWait(120);
      QTest::keyClick(&v_->escenario(), tecla);
    }
    QTest::qWait(400);
  }
  std::vector<RepeticionGuardada> Lista() { return v_->almacen()->Listar(); }
  static QMessageBox* Caja(QWidget* sobre) { return sobre->findChild<QMessageBox*>(QStringLiteral("caja")); }

 private slots:
  void init() { carpeta_ = std::make_unique<QTemporaryDir>(); }
  void cleanup() { v_.reset(), carpeta_.reset(); }

  void unNivelJugadoQuedaEnLaListaYSeJuegaIgual() {
    // Keys, the play timer and giving up, as a player does: the level's replay, listed, ends in the same loss with
    // the same points, pieces and board; saved elsewhere it is the same file, deleted it is gone; a replay of other
    // level records is refused with its message.
    Abrir();
    Jugar(2);
    const int32_t puntos = V().marcador().PuntosNivel();
    const int32_t piezas = V().mesa().fichasEntradas;
    v_->findChild<QAction*>(QStringLiteral("mnuAbandonar"))->trigger();
    QTRY_COMPARE(Lista().size(), size_t{1});
    const RepeticionGuardada r = Lista()[0];
    QVERIFY(r.legible && r.resumen.posicion == 2 && r.resumen.resultado == Resultado::Perdido &&
            r.resumen.derrota == Derrota::Abandono && r.resumen.puntos == puntos && r.resumen.piezas == piezas);
    std::string texto;
    QCOMPARE(v_->almacen()->Leer(r.archivo, texto), Lectura::Leida);
    std::ostringstream informe, errores;
    QCOMPARE(ComprobarRepeticion(texto, r.archivo, informe, errores), 0);
    QVERIFY2(informe.str().find(": as recorded") != std::string::npos, informe.str().c_str());

    qobject_cast<QMessageBox*>(Abierta())->buttons().first()->click();  // GAME OVER
    QTRY_VERIFY(qobject_cast<DialogoNiveles*>(Abierta()));
    QTest::keyClick(Abierta(), Qt::Key_Escape);
    QTRY_VERIFY(!Abierta());
    v_->findChild<QAction*>(QStringLiteral("mnuRepeticiones"))->trigger();
    auto* lista = qobject_cast<DialogoRepeticiones*>(Abierta());
    QVERIFY(lista && lista->findChild<QTreeWidget*>()->topLevelItemCount() == 1);
    QCOMPARE(lista->findChild<QTreeWidget*>()->topLevelItem(0)->text(2), QStringLiteral("Abandonado"));
    QVERIFY(lista->GuardarComo(Ruta("copia.tumbla")));
    QCOMPARE(Contenido(Ruta("copia.tumbla").toStdString()), texto);

    Guardar(Ruta("otra.tumbla").toStdString(), texto.replace(texto.find("\nniveles "), 10, "\nniveles 0"));
    lista->Abrir(Ruta("otra.tumbla"));
    QTRY_VERIFY(Caja(lista) && Caja(lista)->isVisible());
    QVERIFY2(Caja(lista)->text().contains(QStringLiteral("«otra.tumbla» se grabó con otros registros de niveles")),
             qPrintable(Caja(lista)->text()));
    Caja(lista)->buttons().first()->click();
    QTRY_VERIFY(!Caja(lista));
    lista->Abrir(Ruta("copia.tumbla"));  // taken in: now two
    QCOMPARE(lista->findChild<QTreeWidget*>()->topLevelItemCount(), 2);
    lista->findChild<QPushButton*>(QStringLiteral("borrar"))->click();
    QTRY_VERIFY(Caja(lista));
    Caja(lista)->buttons().first()->click();  // "Aceptar"
    QTRY_COMPARE(lista->findChild<QTreeWidget*>()->topLevelItemCount(), 1);
    QCOMPARE(Lista().size(), size_t{1});
    lista->close();
    QTRY_VERIFY(!Abierta() && V().peticion().tipo == TipoPeticion::Ninguna);
  }

  void alTerminarElJuegoElNivelQuedaComoEstaba() {
    // Closed in the middle of a level, the game keeps it unfinished, as it stood.
    Abrir();
    Jugar(1);
    const int32_t piezas = V().mesa().fichasEntradas;
    v_->close();
    const auto lista = Lista();
    QVERIFY(lista.size() == 1 && lista[0].resumen.resultado == Resultado::SinAcabar && lista[0].resumen.piezas == piezas);
  }
};

QTEST_MAIN(RepeticionesVentanaTest)
#include "RepeticionesVentanaTest.moc"
