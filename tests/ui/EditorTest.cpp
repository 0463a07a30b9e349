// The level editor on the offscreen platform: a square-board level is made with the mouse and the keys, its faults
// show beside their fields, "Comprobar" proves it in the background, it is saved, exported, and imported by another
// player (fresh settings, fresh data folder) and by share code; a draft is never exported and a forged pack is
// refused. The settings file, and so the 296 levels' progress, stays byte for byte as it was.
#include <QtTest>
#include <QtWidgets>

#include "Archivos.h"
#include "NivelProbado.h"
#include "editor/CodigoCompartir.h"
#include "motor/Juego.h"
#include "ui/DialogoNiveles.h"
#include "ui/EditorNiveles.h"
#include "ui/Escenario.h"
#include "ui/PaginaPaquetes.h"
#include "ui/PlataformaQt.h"
#include "ui/TableroEditor.h"
#include "ui/VentanaPrincipal.h"

using namespace tumbla;
using namespace tumbla::ui;

namespace {

// One player: a settings folder with today's minute given, a data folder, the main window on them.
struct Jugador {
  QTemporaryDir carpeta;
  std::unique_ptr<VentanaPrincipal> v;
  std::string Ini() const { return carpeta.filePath(QStringLiteral("tumbla.ini")).toStdString(); }
  QString Datos() const { return carpeta.filePath(QStringLiteral("datos")); }
  Jugador() {
    Guardar(Ini(), "[OROKORRA]\nLAGUNTZA=3\nAMAITUTAKOA=5\nAZKENA=" +
                       QDate::currentDate().toString(u"yyyy/MM/dd").toStdString() + "\n");
    v = std::make_unique<VentanaPrincipal>(QString::fromStdString(Ini()), Datos());
    v->show();
    v->Arrancar();
    static_cast<void>(QTest::qWaitFor([&] { return v->juego().pantalla().menuMinutos != "Minutos"; }));
  }
  EditorNiveles& Editor() {
    v->findChild<QAction*>(QStringLiteral("mnuEditor"))->trigger();
    return *v->editor();
  }
};

template <typename T>
T* Hijo(QWidget* w, const char* nombre) {
  T* h = w->findChild<T*>(QString::fromLatin1(nombre));
  if (!h) qFatal("no %s", nombre);
  return h;
}

void Pulsar(QWidget* w, const char* boton) { Hijo<QPushButton>(w, boton)->click(); }

// The text of the editor's box, which closes.
QString Aviso(EditorNiveles& e) {
  QString texto;
  static_cast<void>(QTest::qWaitFor([&] { return e.findChild<QMessageBox*>(QStringLiteral("aviso")); }, 60000));
  if (auto* caja = e.findChild<QMessageBox*>(QStringLiteral("aviso"))) {
    texto = caja->text();
    caja->button(QMessageBox::Ok)->click();
    static_cast<void>(QTest::qWaitFor([&] { return !e.findChild<QMessageBox*>(QStringLiteral("aviso")); }));
  }
  return texto;
}

// The file chooser `nombre` answered with `ruta`.
void Elegir(EditorNiveles& e, const char* nombre, const QString& ruta) {
  Pulsar(&e, nombre[7] == 'E' ? "exportar" : "importar");
  auto* d = Hijo<QFileDialog>(&e, nombre);
  d->selectFile(ruta);
  static_cast<QDialog*>(d)->accept();
}

}  // namespace

class EditorTest : public QObject {
  Q_OBJECT
 private slots:
  void unNivelHechoEnElEditorSeCompruebaExportaEImportaSinTocarLosAjustes() {
    Jugador a;
    QTest::keyClick(&a.v->escenario(), Qt::Key_F2);
    qobject_cast<DialogoNiveles*>(a.v->plataforma().Abierta())->ElegirPosicion(2);
    const std::string antes = Contenido(a.Ini());
    EditorNiveles& e = a.Editor();
    QVERIFY(a.v->juego().vista().Pausado());  // a window over the board pauses play

    // The square board, three lines, cells painted by a drag, a click and the keys; a name.
    auto* grupo = Hijo<QComboBox>(&e, "grupo");
    grupo->setCurrentIndex(grupo->findData(QStringLiteral("ROTA7")));
    QVERIFY(!Hijo<QSpinBox>(&e, "subida")->isVisibleTo(&e));  // only the fields the group uses
    Hijo<QSpinBox>(&e, "lineas")->setValue(3);
    auto* t = Hijo<TableroEditor>(&e, "tablero");
    const auto en = [&](int fila, int columna) { return t->Rectangulo(fila * kAncho + columna).center(); };
    QTest::mousePress(t, Qt::LeftButton, {}, en(23, 1));
    QTest::mouseMove(t, en(23, 2));
    QTest::mouseRelease(t, Qt::LeftButton, {}, en(23, 2));
    QTest::mouseClick(t, Qt::LeftButton, {}, en(22, 1));
    for (const Qt::Key k : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
                            Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space, Qt::Key_Right,
                            Qt::Key_Space})
      QTest::keyClick(t, k);
    auto* nombre = Hijo<QLineEdit>(&e, "nombre");
    nombre->selectAll();
    QTest::keyClicks(nombre, QStringLiteral("Escalera"));
    Hijo<QLineEdit>(&e, "descripcion")->insert(QStringLiteral("Tres líneas en el cuadrado"));  // as typed
    QCOMPARE(e.nivel(), NivelCuadrado());

    // A block above the square: the reason beside the board, and no check.
    QTest::mouseClick(t, Qt::LeftButton, {}, en(10, 5));
    QVERIFY(Hijo<QLabel>(&e, "falta_bloques")->text().contains("sobre el tablero cuadrado"));
    QVERIFY(!Hijo<QPushButton>(&e, "comprobar")->isEnabled());
    QTest::mouseClick(t, Qt::LeftButton, {}, en(10, 5));
    QVERIFY(Hijo<QLabel>(&e, "falta_bloques")->text().isEmpty());

    // A draft is saved but not exported.
    Pulsar(&e, "guardar");
    Pulsar(&e, "exportar");
    QVERIFY(Aviso(e).startsWith("Ningún nivel guardado tiene prueba"));

    Pulsar(&e, "comprobar");
    QVERIFY(e.comprobacion() && Hijo<QPushButton>(&e, "cancelar")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!e.comprobacion(), 120000);
    QVERIFY(e.Probado());
    QVERIFY(Hijo<QLabel>(&e, "informe")->text().contains("Es ganable"));
    Pulsar(&e, "guardar");
    Pulsar(&e, "copiarCodigo");
    const QString codigo = Hijo<QLineEdit>(&e, "codigo")->text();
    QVERIFY(codigo.startsWith(kPrefijoCodigo) && QApplication::clipboard()->text() == codigo);
    QTemporaryDir salida;
    const QString exportado = salida.filePath(QStringLiteral("escalera.tumbla-niveles"));
    Elegir(e, "archivoExportar", exportado);
    QCOMPARE(Aviso(e), "Exportado 1 nivel a " + exportado + ".");
    QCOMPARE(Contenido(a.Ini()), antes);

    // Another player imports the pack, and a forged copy of it; and opens the share code.
    Jugador b;
    const std::string ajustesB = Contenido(b.Ini());
    EditorNiveles& otro = b.Editor();
    Elegir(otro, "archivoImportar", exportado);
    QCOMPARE(Aviso(otro), QStringLiteral("Importado «Mis niveles»: 1 nivel."));
    const auto paquetes = CarpetaPaquetes(b.Datos().toStdString()).Todos();
    QVERIFY(paquetes.size() == 1 && paquetes[0].second.niveles.size() == 1);
    QVERIFY(paquetes[0].second.niveles[0].Probado() && paquetes[0].second.niveles[0].nivel == NivelCuadrado());
    // The forger asks for a fourth line and signs the record again; the proof wins only three.
    Paquete falso = LeerPaquete(Contenido(exportado.toStdString())).paquete;
    falso.niveles[0].nivel.lineas = 4;
    falso.niveles[0].prueba->huella = Huella(falso.niveles[0].nivel);
    const QString falsificado = salida.filePath(QStringLiteral("falso.tumbla-niveles"));
    Guardar(falsificado.toStdString(), EscribirPaquete(falso));
    Elegir(otro, "archivoImportar", falsificado);
    QVERIFY(Aviso(otro).startsWith(QStringLiteral("No se ha importado ningún nivel.\n"
                                                  "Rechazado: Nivel 1, «Escalera»: la prueba no gana el nivel")));
    Hijo<QLineEdit>(&otro, "codigo")->setText(codigo);
    Pulsar(&otro, "abrirCodigo");
    QVERIFY(otro.Probado() && otro.nivel() == NivelCuadrado());

    // Tried in the main window at once: the editor hides, and comes back as it was when the level ends.
    const auto situacion = [&] { return b.v->juego().vista().situacion().index(); };
    Pulsar(&otro, "probar");
    QCOMPARE(situacion(), flujo::Situacion(flujo::Prueba{}).index());
    QVERIFY(!otro.isVisible());
    b.v->findChild<QAction*>(QStringLiteral("mnuAbandonar"))->trigger();
    QTRY_VERIFY(otro.isVisible());
    QCOMPARE(Hijo<QLabel>(&otro, "informe")->text(), QStringLiteral("Prueba: nivel perdido (abandonado)."));
    QVERIFY(otro.Probado() && otro.nivel() == NivelCuadrado());

    // The imported pack in the level window's page: its level plays on its own painted board.
    b.v->findChild<QAction*>(QStringLiteral("MnuNew"))->trigger();
    QTRY_VERIFY(qobject_cast<DialogoNiveles*>(b.v->plataforma().Abierta()));
    auto* niveles = qobject_cast<DialogoNiveles*>(b.v->plataforma().Abierta());
    QVERIFY(niveles->paquetes());
    Pulsar(niveles, "mnuPaquetes");
    QVERIFY(niveles->paquetes()->isVisible());
    niveles->paquetes()->Elegir(0, 0);
    QTRY_COMPARE(situacion(), flujo::Situacion(flujo::DePaquete{}).index());
    for (const int celda : NivelCuadrado().bloques) QVERIFY(b.v->juego().vista().Celda(celda) != 0);
    QCOMPARE(b.v->juego().vista().mesa().lineasRestantes, 3);
    QCOMPARE(Contenido(b.Ini()), ajustesB);
  }
};

QTEST_MAIN(EditorTest)
#include "EditorTest.moc"
