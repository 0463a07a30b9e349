// The window records the levels it plays: a level played with keys and given
// up is in the list of replays, and plays again to the same end; the list
// deletes, saves elsewhere and opens replays, and says why it refuses one; a
// level left when the game ends is kept as it stood.
#include <QtTest>
#include <QtWidgets>

#include <sstream>

#include "Archivos.h"
#include "grabacion/AlmacenRepeticiones.h"
#include "grabacion/Grabadora.h"
#include "motor/Juego.h"
#include "replay/EjecutorGuion.h"
#include "replay/Reproductor.h"
#include "ui/DialogoNiveles.h"
#include "ui/DialogoRepeticiones.h"
#include "ui/Escenario.h"
#include "ui/PlataformaQt.h"
#include "ui/VentanaPrincipal.h"
#include "ui/Visor.h"

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
    v_ = std::make_unique<VentanaPrincipal>(Ruta("tumbla.ini"), Ruta("datos"));
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

  void unaRepeticionSeVeEnLaVentanaYSeSigueDesdeUnMomento() {
    // Watched from the list with its keys: a piece forward twice and back once, the end, where the board is the
    // one the game ended with, and a seek; taken over from there ("Seguir desde aquí"), the level goes on from that
    // very board, and leaving it stores nothing: the list and the settings file stay as they were.
    Abrir();
    Jugar(2);
    for (int n = 0; n < 40 && V().mesa().fichasEntradas < 5; ++n) {  // a few pieces dropped, going on after a pause
      QApplication::setActiveWindow(v_.get());
      QTest::keyClick(&v_->escenario(), V().Pausado() ? Qt::Key_F3 : Qt::Key_Space);
      QTest::qWait(150);
    }
    v_->findChild<QAction*>(QStringLiteral("mnuAbandonar"))->trigger();
    QTRY_COMPARE(Lista().size(), size_t{1});
    const Resumen jugada = Lista()[0].resumen;
    qobject_cast<QMessageBox*>(Abierta())->buttons().first()->click();  // GAME OVER
    QTRY_VERIFY(qobject_cast<DialogoNiveles*>(Abierta()));
    QTest::keyClick(Abierta(), Qt::Key_Escape);
    QTRY_VERIFY(!Abierta());
    v_->findChild<QAction*>(QStringLiteral("mnuRepeticiones"))->trigger();
    qobject_cast<DialogoRepeticiones*>(Abierta())->findChild<QPushButton*>(QStringLiteral("ver"))->click();
    QTRY_VERIFY(v_->visor().Activo() && std::holds_alternative<flujo::Repeticion>(V().situacion()));
    QCOMPARE(v_->escenario().pantalla().lblDemo.texto, std::string("REPETICIÓN"));
    const auto Tecla = [this](Qt::Key k) { QTest::keyClick(&v_->escenario(), k); };
    Reproductor& r = *v_->visor().reproductor();
    const auto Huella = [&r] {
      const Mesa& m = r.juego().vista().mesa();
      return HuellaTablero(m.tablero, m.hayFicha ? &m.ficha : nullptr);
    };
    Tecla(Qt::Key_Home);
    const int32_t primera = r.juego().vista().mesa().fichasEntradas;
    Tecla(Qt::Key_Right);
    const int64_t cuando = r.Ahora();
    Tecla(Qt::Key_Right);
    QCOMPARE(r.juego().vista().mesa().fichasEntradas, primera + 2);
    Tecla(Qt::Key_Left);
    QVERIFY(r.juego().vista().mesa().fichasEntradas == primera + 1 && r.Ahora() == cuando && v_->visor().EnPausa());
    Tecla(Qt::Key_End);
    QVERIFY(r.Ahora() == r.Duracion() && Huella() == jugada.tablero);
    QCOMPARE(r.juego().vista().marcador().PuntosNivel(), jugada.puntos);
    const std::string ini = Contenido(Ruta("tumbla.ini").toStdString());
    auto* momento = v_->escenario().findChild<QSlider*>(QStringLiteral("momento"));
    momento->setValue(static_cast<int>(cuando));
    QCOMPARE(r.Ahora(), cuando);
    const uint64_t visto = Huella();
    Tecla(Qt::Key_Return);  // "Seguir desde aquí"
    QVERIFY(r.Practicando() && Huella() == visto);
    QCOMPARE(v_->escenario().pantalla().lblDemo.texto, std::string("PRÁCTICA"));
    Tecla(Qt::Key_Space);  // the piece in play dropped: the next one comes in
    QTRY_VERIFY(r.juego().vista().mesa().fichasEntradas > primera + 1);
    Tecla(Qt::Key_Escape);
    QTRY_VERIFY(!v_->visor().Activo() && std::holds_alternative<flujo::SinNivel>(V().situacion()));
    QTest::qWait(100);
    QCOMPARE(Lista().size(), size_t{1});
    QCOMPARE(Contenido(Ruta("tumbla.ini").toStdString()), ini);

    // Watched during another level, which waits paused under it: that level's own replay, watching and all, still
    // plays again to its end.
    QApplication::setActiveWindow(v_.get());
    Jugar(1);
    v_->findChild<QAction*>(QStringLiteral("mnuRepeticiones"))->trigger();
    qobject_cast<DialogoRepeticiones*>(Abierta())->findChild<QPushButton*>(QStringLiteral("ver"))->click();
    QTRY_VERIFY(v_->visor().Activo());
    Tecla(Qt::Key_Escape);
    QTRY_VERIFY(!v_->visor().Activo() && V().Pausado());
    v_->findChild<QAction*>(QStringLiteral("mnuAbandonar"))->trigger();
    QTRY_COMPARE(Lista().size(), size_t{2});
    std::string texto;
    QCOMPARE(v_->almacen()->Leer(Lista()[0].archivo, texto), Lectura::Leida);
    QVERIFY2(texto.find("command repeticiones\n") < texto.find(" reply ok\n"), texto.c_str());
    std::ostringstream informe, errores;
    QCOMPARE(ComprobarRepeticion(texto, Lista()[0].archivo, informe, errores), 0);
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
