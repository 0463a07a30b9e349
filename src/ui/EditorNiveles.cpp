#include "ui/EditorNiveles.h"

#include <QCoreApplication>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <thread>

#include "editor/CodigoCompartir.h"
#include "game/Tablero.h"
#include "almacen/SistemaArchivos.h"
#include "ui/Idiomas.h"
#include "ui/TableroEditor.h"

namespace tumbla::ui {

namespace {

QString Texto(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string Utf8(const QString& s) { return s.toUtf8().toStdString(); }
size_t Indice(CampoNivel c) { return static_cast<size_t>(c); }

// "CLASIC (Panic)", as the level window's data line names the group.
QString NombreGrupo(const Grupo& g) {
  QString t = QString::fromUtf8(g.textoDatos).trimmed();
  if (t.endsWith(QLatin1Char('.'))) t.chop(1);
  return t;
}

QString Celda(int c) {
  return c <= 0 ? QCoreApplication::translate("tumbla::ui::EditorNiveles", "ninguna")
                : QCoreApplication::translate("tumbla::ui::EditorNiveles", "fila %1, columna %2").arg(Fila(c)).arg(Columna(c));
}

constexpr const char* kFiltro = QT_TRANSLATE_NOOP("tumbla::ui::EditorNiveles", "Paquetes de niveles (*.tumbla-niveles)");

QString Niveles(size_t n) {
  return n == 1 ? QCoreApplication::translate("tumbla::ui::EditorNiveles", "1 nivel")
                : QCoreApplication::translate("tumbla::ui::EditorNiveles", "%1 niveles").arg(n);
}

// A file chooser over the editor, in the game's language, answered later.
QFileDialog* Selector(QWidget* padre, const QString& titulo, const char* nombre, bool guardar) {
  const auto tr = [](const char* texto) { return QCoreApplication::translate("tumbla::ui::EditorNiveles", texto); };
  auto* d = new QFileDialog(padre, titulo, QString(), tr(kFiltro));
  d->setObjectName(QString::fromLatin1(nombre));
  d->setOption(QFileDialog::DontUseNativeDialog);
  d->setAttribute(Qt::WA_DeleteOnClose);
  d->setAcceptMode(guardar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  d->setFileMode(guardar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  d->setLabelText(QFileDialog::LookIn, tr("Carpeta:"));
  d->setLabelText(QFileDialog::FileName, tr("Archivo:"));
  d->setLabelText(QFileDialog::FileType, tr("Tipo:"));
  d->setLabelText(QFileDialog::Accept, guardar ? tr("Guardar") : tr("Abrir"));
  d->setLabelText(QFileDialog::Reject, tr("Cancelar"));
  return d;
}

}  // namespace

EditorNiveles::EditorNiveles(const QString& carpetaDatos, Colores colores, QWidget* parent)
    : QDialog(parent),
      carpeta_(Utf8(carpetaDatos), TraductorQt()),
      propio_(carpeta_.Propio()),
      paleta_(PaletaDe(colores)) {
  setObjectName(QStringLiteral("EditorNiveles"));
  setWindowTitle(tr("Editor de niveles"));

  // The player's pack: its name and author, its levels.
  auto* paquete = new QGroupBox(tr("Paquete"), this);
  auto* columnaPaquete = new QVBoxLayout(paquete);
  nombrePaquete_ = new QLineEdit(Texto(propio_.nombre), paquete);
  nombrePaquete_->setObjectName(QStringLiteral("nombrePaquete"));
  nombrePaquete_->setPlaceholderText(tr("Nombre del paquete"));
  autor_ = new QLineEdit(Texto(propio_.autor), paquete);
  autor_->setObjectName(QStringLiteral("autor"));
  autor_->setPlaceholderText(tr("Autor"));
  lista_ = new QListWidget(paquete);
  lista_->setObjectName(QStringLiteral("lista"));
  columnaPaquete->addWidget(nombrePaquete_);
  columnaPaquete->addWidget(autor_);
  columnaPaquete->addWidget(lista_);
  const auto boton = [this](const QString& texto, const char* nombre, QLayout* donde, auto accion) {
    auto* b = new QPushButton(texto, this);
    b->setObjectName(QString::fromLatin1(nombre));
    b->setAutoDefault(false);
    donde->addWidget(b);
    connect(b, &QPushButton::clicked, this, accion);
    return b;
  };
  auto* botonesPaquete = new QGridLayout;
  auto* fila1 = new QHBoxLayout, *fila2 = new QHBoxLayout;
  boton(tr("Nuevo"), "nuevo", fila1, [this] {
    NivelPropio n = NivelVacio(*GrupoDe(nivel_));
    n.nombre = tr("Nivel %1").arg(propio_.niveles.size() + 1).toStdString();
    Cargar({n, {}}, -1);
  });
  guardar_ = boton(tr("Guardar"), "guardar", fila1, &EditorNiveles::Guardar);
  boton(tr("Borrar"), "borrar", fila1, &EditorNiveles::Borrar);
  boton(tr("Exportar..."), "exportar", fila2, &EditorNiveles::Exportar);
  boton(tr("Importar..."), "importar", fila2, &EditorNiveles::Importar);
  botonesPaquete->addLayout(fila1, 0, 0);
  botonesPaquete->addLayout(fila2, 1, 0);
  columnaPaquete->addLayout(botonesPaquete);

  // The board and its tools.
  auto* columnaTablero = new QVBoxLayout;
  tablero_ = new TableroEditor(nivel_, paleta_, this);
  tablero_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  tablero_->setFixedSize(tablero_->sizeHint());
  columnaTablero->addWidget(tablero_);
  auto* filaHerramientas = new QHBoxLayout;
  auto* grupoHerramientas = new QButtonGroup(this);
  const char* herramientas[] = {QT_TR_NOOP("Bloques"), QT_TR_NOOP("Gota azul"), QT_TR_NOOP("Gota rosa"),
                                QT_TR_NOOP("Maceta")};
  for (size_t k = 0; k < herramientas_.size(); ++k) {
    herramientas_[k] = new QRadioButton(tr(herramientas[k]), this);
    herramientas_[k]->setObjectName(QStringLiteral("herramienta%1").arg(k));
    grupoHerramientas->addButton(herramientas_[k]);
    filaHerramientas->addWidget(herramientas_[k]);
    connect(herramientas_[k], &QRadioButton::toggled, this, [this, k](bool marcada) {
      if (marcada) tablero_->PonerHerramienta(static_cast<TableroEditor::Herramienta>(k));
    });
  }
  herramientas_[0]->setChecked(true);
  columnaTablero->addLayout(filaHerramientas);
  columnaTablero->addStretch(1);
  connect(tablero_, &TableroEditor::cambiado, this, [this] { Cambiar([](NivelPropio&) {}); });

  // The level's fields, each with what is wrong with it beside it.
  auto* columnaCampos = new QVBoxLayout;
  formulario_ = new QFormLayout;
  CrearFormulario(formulario_);
  columnaCampos->addLayout(formulario_);
  auto* filaCopia = new QHBoxLayout;
  boton(tr("Copiar del nivel…"), "copiarNivel", filaCopia, &EditorNiveles::CopiarDelNivel);
  boton(tr("Tablero vacío"), "vaciar", filaCopia, [this] {
    Cambiar([](NivelPropio& n) {
      const NivelPropio vacio = NivelVacio(*GrupoDe(n));
      n.bloques.clear();
      n.gota = vacio.gota, n.gotaRosa = vacio.gotaRosa, n.maceta = vacio.maceta;
    });
  });
  columnaCampos->addLayout(filaCopia);

  // "Comprobar", its progress and report.
  auto* filaComprobar = new QHBoxLayout;
  probar_boton_ = boton(tr("Probar"), "probar", filaComprobar, &EditorNiveles::Probar);
  comprobar_ = boton(tr("Comprobar"), "comprobar", filaComprobar, &EditorNiveles::Comprobar);
  progreso_ = new QProgressBar(this);
  progreso_->setObjectName(QStringLiteral("progreso"));
  progreso_->setValue(0);
  filaComprobar->addWidget(progreso_, 1);
  cancelar_ = boton(tr("Cancelar"), "cancelar", filaComprobar, [this] {
    if (comprobacion_) comprobacion_->Cancelar();
  });
  cancelar_->setEnabled(false);
  columnaCampos->addLayout(filaComprobar);
  informe_ = new QLabel(this);
  informe_->setObjectName(QStringLiteral("informe"));
  informe_->setWordWrap(true);
  estado_ = new QLabel(this);
  estado_->setObjectName(QStringLiteral("estado"));
  columnaCampos->addWidget(informe_);
  columnaCampos->addWidget(estado_);

  // The share code.
  auto* filaCodigo = new QHBoxLayout;
  codigo_ = new QLineEdit(this);
  codigo_->setObjectName(QStringLiteral("codigo"));
  codigo_->setPlaceholderText(tr("Código para compartir"));
  filaCodigo->addWidget(codigo_, 1);
  boton(tr("Copiar código"), "copiarCodigo", filaCodigo, &EditorNiveles::CopiarCodigo);
  boton(tr("Abrir código"), "abrirCodigo", filaCodigo, &EditorNiveles::AbrirCodigo);
  columnaCampos->addLayout(filaCodigo);
  columnaCampos->addStretch(1);

  auto* todo = new QHBoxLayout(this);
  todo->setSizeConstraint(QLayout::SetMinimumSize);
  todo->addWidget(paquete);
  todo->addLayout(columnaTablero, 1);
  todo->addLayout(columnaCampos, 2);

  connect(lista_, &QListWidget::currentRowChanged, this, [this](int fila) {
    if (fila >= 0 && fila < static_cast<int>(propio_.niveles.size()) && fila != indice_) {
      Cargar(propio_.niveles[static_cast<size_t>(fila)], fila);
    }
  });
  sondeo_.setInterval(100);
  connect(&sondeo_, &QTimer::timeout, this, [this] {
    SeguirComprobacion();
    SeguirImportacion();
  });
  LlenarLista();
  nivel_.nombre = tr("Nivel %1").arg(propio_.niveles.size() + 1).toStdString();
  Cargar({nivel_, {}}, -1);
  tablero_->setFocus();
}

EditorNiveles::~EditorNiveles() {
  // The games in play stop, and so does an import.
  comprobacion_.reset();
  cancelarImportacion_ = true;
  if (importacion_.valid()) importacion_.wait();
}

void EditorNiveles::CrearFormulario(QFormLayout* f) {
  grupo_ = new QComboBox(this);
  grupo_->setObjectName(QStringLiteral("grupo"));
  for (const Grupo& g : Grupos()) grupo_->addItem(NombreGrupo(g), QString::fromLatin1(g.codigo));
  connect(grupo_, &QComboBox::currentIndexChanged, this, &EditorNiveles::CambiarGrupo);
  f->addRow(tr("Grupo"), grupo_);

  // A row of the form: the editor and what is wrong with its field beside it.
  const auto fila = [&](const QString& rotulo, QWidget* editor, const char* nombre) {
    auto* caja = new QWidget(this);
    auto* linea = new QHBoxLayout(caja);
    linea->setContentsMargins(0, 0, 0, 0);
    editor->setObjectName(QString::fromLatin1(nombre));
    auto* falta = new QLabel(caja);
    falta->setObjectName(QStringLiteral("falta_") + QString::fromLatin1(nombre));
    falta->setStyleSheet(QStringLiteral("color: #c00000"));
    falta->setWordWrap(true);
    falta->setMinimumWidth(220);
    linea->addWidget(editor, qobject_cast<QLineEdit*>(editor) ? 2 : 0);
    linea->addWidget(falta, 1);
    f->addRow(rotulo, caja);
    return falta;
  };
  const auto campo = [&](CampoNivel c, const QString& rotulo, QWidget* editor, const char* nombre) {
    campos_[Indice(c)] = {editor, fila(rotulo, editor, nombre)};
  };
  const auto numero = [&](CampoNivel c, const QString& rotulo, const char* nombre, int maximo,
                          int NivelPropio::*miembro) {
    auto* spin = new QSpinBox(this);
    spin->setRange(0, maximo);
    connect(spin, &QSpinBox::valueChanged, this, [this, miembro](int v) {
      Cambiar([miembro, v](NivelPropio& n) { n.*miembro = v; });
    });
    campo(c, rotulo, spin, nombre);
  };
  numero(CampoNivel::Lineas, tr("Líneas"), "lineas", 999, &NivelPropio::lineas);
  numero(CampoNivel::BloquesExtra, tr("Bloque extra cada (s)"), "bloquesExtra", 3600,
         &NivelPropio::bloquesExtra);
  numero(CampoNivel::Subida, tr("Subida cada (filas)"), "subida", 999, &NivelPropio::subida);
  numero(CampoNivel::BorrarCada, tr("Filas que se borran juntas"), "borrarCada", kAlto - 1,
         &NivelPropio::borrarCada);
  campo(CampoNivel::Gota, tr("Gota azul"), new QLabel(this), "gota");
  campo(CampoNivel::GotaRosa, tr("Gota rosa"), new QLabel(this), "gotaRosa");
  campo(CampoNivel::Maceta, tr("Maceta"), new QLabel(this), "maceta");
  campo(CampoNivel::Tablero, tr("Tablero"), new QLabel(this), "bloques");

  nombre_ = new QLineEdit(this);
  descripcion_ = new QLineEdit(this);
  faltaNombre_ = fila(tr("Nombre"), nombre_, "nombre");
  faltaDescripcion_ = fila(tr("Descripción"), descripcion_, "descripcion");
  for (QLineEdit* e : {nombre_, descripcion_}) {
    connect(e, &QLineEdit::textEdited, this, [this] {
      Cambiar([this](NivelPropio& n) {
        n.nombre = Utf8(nombre_->text());
        n.descripcion = Utf8(descripcion_->text());
      });
    });
  }
  // Wide enough to read a name and a description while no fault shows beside them.
  nombre_->setMinimumWidth(220);
  descripcion_->setMinimumWidth(220);
  nombre_->setMaxLength(static_cast<int>(kLargoNombre));
  descripcion_->setMaxLength(static_cast<int>(kLargoDescripcion));
}

void EditorNiveles::Cambiar(const std::function<void(NivelPropio&)>& cambio) {
  cambio(nivel_);
  Actualizar();
}

void EditorNiveles::Cargar(const NivelDePaquete& n, int indice) {
  nivel_ = n.nivel;
  prueba_ = n.prueba;
  indice_ = indice;
  informe_->clear();
  codigo_->clear();
  {
    const QSignalBlocker bloqueo(lista_);
    lista_->setCurrentRow(indice);
  }
  Actualizar();
}

void EditorNiveles::CambiarGrupo(int indice) {
  const Grupo& g = Grupos()[static_cast<size_t>(std::max(0, indice))];
  Cambiar([&g](NivelPropio& n) {
    // What the new group cannot do without comes in its usual place.
    const NivelPropio vacio = NivelVacio(g);
    n.grupo = g.codigo;
    if (n.lineas == 0) n.lineas = vacio.lineas;
    if (n.gota == 0) n.gota = vacio.gota;
    if (n.gotaRosa == 0) n.gotaRosa = vacio.gotaRosa;
    if (n.maceta == 0) n.maceta = vacio.maceta;
  });
}

void EditorNiveles::Actualizar() {
  const Grupo& g = *GrupoDe(nivel_);
  {
    const QSignalBlocker bloqueo(grupo_);
    grupo_->setCurrentIndex(static_cast<int>(&g - Grupos().data()));
  }
  const std::array<std::pair<CampoNivel, int>, 4> numeros{{{CampoNivel::Lineas, nivel_.lineas},
                                                           {CampoNivel::BloquesExtra, nivel_.bloquesExtra},
                                                           {CampoNivel::Subida, nivel_.subida},
                                                           {CampoNivel::BorrarCada, nivel_.borrarCada}}};
  for (const auto& [c, v] : numeros) {
    auto* spin = static_cast<QSpinBox*>(campos_[Indice(c)].editor);
    const QSignalBlocker bloqueo(spin);
    spin->setValue(v);
  }
  static_cast<QLabel*>(campos_[Indice(CampoNivel::Gota)].editor)->setText(Celda(nivel_.gota));
  static_cast<QLabel*>(campos_[Indice(CampoNivel::GotaRosa)].editor)->setText(Celda(nivel_.gotaRosa));
  static_cast<QLabel*>(campos_[Indice(CampoNivel::Maceta)].editor)->setText(Celda(nivel_.maceta));
  static_cast<QLabel*>(campos_[Indice(CampoNivel::Tablero)].editor)
      ->setText(nivel_.bloques.size() == 1 ? tr("1 bloque") : tr("%1 bloques").arg(nivel_.bloques.size()));
  if (nombre_->text() != Texto(nivel_.nombre)) nombre_->setText(Texto(nivel_.nombre));
  if (descripcion_->text() != Texto(nivel_.descripcion)) descripcion_->setText(Texto(nivel_.descripcion));

  // Only the fields the group uses show; each says what is wrong with it.
  for (size_t k = 0; k < campos_.size(); ++k) {
    const auto c = static_cast<CampoNivel>(k);
    if (campos_[k].falta) campos_[k].falta->clear();
    if (campos_[k].editor) formulario_->setRowVisible(campos_[k].editor->parentWidget(), UsaCampo(g, c));
  }
  const std::vector<FaltaNivel> faltas = Faltas(nivel_, TraductorQt());
  for (const FaltaNivel& f : faltas) {
    // A record of another type has no field of its own: the board says so.
    QLabel* donde = campos_[Indice(f.campo)].falta;
    (donde ? donde : campos_[Indice(CampoNivel::Tablero)].falta)->setText(Texto(f.motivo));
  }
  const std::string faltaNombre = FaltaEnTexto(nivel_.nombre, kLargoNombre, true, TextoDe::Campo, TraductorQt());
  const std::string faltaDescripcion =
      FaltaEnTexto(nivel_.descripcion, kLargoDescripcion, false, TextoDe::Campo, TraductorQt());
  faltaNombre_->setText(Texto(faltaNombre));
  faltaDescripcion_->setText(Texto(faltaDescripcion));
  // The tools of what the group has: blocks, and its drops or its pot.
  const std::array<bool, 4> usadas{true, UsaCampo(g, CampoNivel::Gota), UsaCampo(g, CampoNivel::GotaRosa),
                                   UsaCampo(g, CampoNivel::Maceta)};
  for (size_t k = 0; k < usadas.size(); ++k) herramientas_[k]->setVisible(usadas[k]);
  if (!usadas[static_cast<size_t>(tablero_->herramienta())]) herramientas_[0]->setChecked(true);

  const bool valido = faltas.empty() && faltaNombre.empty() && faltaDescripcion.empty();
  comprobar_->setEnabled(faltas.empty() && !comprobacion_);
  probar_boton_->setEnabled(faltas.empty());
  guardar_->setEnabled(valido);
  estado_->setText(Probado() ? tr("Ganable: tiene la prueba de una partida ganada.")
                             : tr("Borrador: sin prueba de que se pueda ganar."));
  tablero_->update();
}

void EditorNiveles::CopiarDelNivel() {
  // A list of the game's levels; the one chosen comes in as a new level.
  auto* eleccion = new QDialog(this);
  eleccion->setObjectName(QStringLiteral("copiarDe"));
  eleccion->setWindowTitle(tr("Copiar del nivel"));
  eleccion->setAttribute(Qt::WA_DeleteOnClose);
  auto* lista = new QListWidget(eleccion);
  lista->setObjectName(QStringLiteral("niveles"));
  const CatalogoNiveles niveles;
  for (int p = 1; p <= kNumNiveles; ++p) {
    const Grupo& g = *BuscarGrupo(GrupoDeClave(niveles.Clave(p)));
    lista->addItem(QStringLiteral("%1  %2  %3").arg(p, 3, 10, QLatin1Char('0')).arg(Texto(niveles.Clave(p)), NombreGrupo(g)));
  }
  lista->setCurrentRow(0);
  auto* copiar = new QPushButton(tr("Copiar"), eleccion);
  auto* capa = new QVBoxLayout(eleccion);
  capa->addWidget(lista);
  capa->addWidget(copiar);
  const auto elegir = [this, eleccion, lista] {
    if (lista->currentRow() < 0) return;
    Cargar({CopiaDelNivel(lista->currentRow() + 1, TraductorQt()), {}}, -1);
    eleccion->close();
  };
  connect(copiar, &QPushButton::clicked, eleccion, elegir);
  connect(lista, &QListWidget::itemActivated, eleccion, elegir);
  eleccion->open();
}

void EditorNiveles::Comprobar() {
  if (comprobacion_ || !Faltas(nivel_).empty()) return;
  OpcionesComprobacion o;
  // A core stays with the window and the game.
  o.hilos = std::max(1u, std::thread::hardware_concurrency() - 1);
  comprobacion_ = std::make_unique<Comprobacion>(nivel_, o);
  progreso_->setRange(0, comprobacion_->Previstas());
  progreso_->setValue(0);
  informe_->setText(tr("El ordenador juega el nivel..."));
  cancelar_->setEnabled(true);
  comprobar_->setEnabled(false);
  tablero_->setFocus();
  sondeo_.start();
}

void EditorNiveles::Probar() {
  if (!Faltas(nivel_).empty() || !probar_) return;
  if (!probar_(AjenoDe(nivel_))) {
    return Avisar(tr("Para probar el nivel, termina antes lo que hay en la ventana del juego."));
  }
  informe_->setText(tr("Probando el nivel en la ventana del juego..."));
  hide();
}

void EditorNiveles::FinPrueba(bool ganado, Derrota derrota) {
  const char* motivo = "";
  switch (derrota) {
    case Derrota::Entrada: motivo = "la pieza no tenía sitio para entrar"; break;
    case Derrota::Desborde: motivo = "los bloques salieron del cuadrado"; break;
    case Derrota::Planta: motivo = "la planta llegó arriba"; break;
    case Derrota::Tiempo: motivo = "se acabó el tiempo"; break;
    case Derrota::Abandono: motivo = "abandonado"; break;
    case Derrota::Ninguna: break;
  }
  informe_->setText(ganado ? tr("Prueba: nivel ganado.")
                    : derrota == Derrota::Ninguna
                        ? tr("Prueba: sin acabar.")
                        : tr("Prueba: nivel perdido (%1).").arg(QString::fromUtf8(motivo)));
  show();
  raise();
  activateWindow();
}

void EditorNiveles::SeguirComprobacion() {
  if (!comprobacion_) return;
  progreso_->setMaximum(comprobacion_->Previstas());
  progreso_->setValue(comprobacion_->Hechas());
  if (!comprobacion_->Terminada()) return;
  const InformeComprobacion& i = comprobacion_->Informe();
  informe_->setText(Texto(DescribirInforme(i, {}, TraductorQt())));
  // The proof counts only for the level it was won on: an edit meanwhile
  // leaves the level as it was, a draft or proven.
  if (i.prueba && i.prueba->huella == Huella(nivel_)) prueba_ = i.prueba;
  comprobacion_.reset();
  cancelar_->setEnabled(false);
  if (!importacion_.valid()) sondeo_.stop();
  Actualizar();
}

void EditorNiveles::Guardar() {
  if (!guardar_->isEnabled()) return;
  propio_.nombre = Utf8(nombrePaquete_->text());
  propio_.autor = Utf8(autor_->text());
  Paquete nuevo = propio_;
  const NivelDePaquete n{nivel_, Probado() ? prueba_ : std::nullopt};
  const int indice = indice_ >= 0 ? indice_ : static_cast<int>(nuevo.niveles.size());
  if (indice_ >= 0) {
    nuevo.niveles[static_cast<size_t>(indice_)] = n;
  } else {
    nuevo.niveles.push_back(n);
  }
  std::string error;
  if (const std::string f = FaltaEnTexto(nuevo.nombre, kLargoNombre, true, TextoDe::NombrePaquete, TraductorQt());
      !f.empty()) {
    return Avisar(Texto(f));
  }
  if (!carpeta_.GuardarPropio(nuevo, error)) return Avisar(tr("No se ha guardado: ") + Texto(error));
  propio_ = std::move(nuevo);
  indice_ = indice;
  LlenarLista();
}

void EditorNiveles::Borrar() {
  if (indice_ < 0) return;
  Paquete nuevo = propio_;
  nuevo.niveles.erase(nuevo.niveles.begin() + indice_);
  std::string error;
  if (!carpeta_.GuardarPropio(nuevo, error)) return Avisar(tr("No se ha borrado: ") + Texto(error));
  propio_ = std::move(nuevo);
  LlenarLista();
  indice_ = -1;
  Actualizar();
}

void EditorNiveles::LlenarLista() {
  const QSignalBlocker bloqueo(lista_);
  lista_->clear();
  for (const NivelDePaquete& n : propio_.niveles) {
    lista_->addItem(Texto(n.nivel.nombre) + (n.Probado() ? QString() : tr(" (borrador)")));
  }
  lista_->setCurrentRow(indice_);
}

void EditorNiveles::Exportar() {
  // Only levels with a proof of their own leave the editor.
  if (std::none_of(propio_.niveles.begin(), propio_.niveles.end(), [](const auto& n) { return n.Probado(); })) {
    return Avisar(tr("Ningún nivel guardado tiene prueba de que se pueda ganar: compruébalos y "
                     "guárdalos antes de exportar."));
  }
  QFileDialog* d = Selector(this, tr("Exportar el paquete"), "archivoExportar", true);
  d->setDefaultSuffix(QStringLiteral("tumbla-niveles"));
  d->selectFile(Texto(NombreDeArchivo(propio_.nombre) + kExtensionPaquete));
  connect(d, &QFileDialog::fileSelected, this, &EditorNiveles::Escribir);
  d->open();
}

void EditorNiveles::Escribir(const QString& ruta) {
  Paquete p = propio_;
  QStringList fuera;
  p.niveles.clear();
  for (const NivelDePaquete& n : propio_.niveles) {
    if (n.Probado()) {
      p.niveles.push_back(n);
    } else {
      fuera << Texto(n.nivel.nombre);
    }
  }
  const std::string texto = EscribirPaquete(p);
  if (!CambiarArchivo(Utf8(ruta), [&](const std::string&) { return &texto; })) {
    return Avisar(tr("No se ha podido escribir ") + ruta);
  }
  QString aviso = (p.niveles.size() == 1 ? tr("Exportado %1 a %2.") : tr("Exportados %1 a %2."))
                      .arg(Niveles(p.niveles.size()), ruta);
  if (!fuera.isEmpty()) aviso += tr("\nSin prueba, se quedan fuera: ") + fuera.join(QStringLiteral(", "));
  Avisar(aviso);
}

void EditorNiveles::Importar() {
  if (importacion_.valid()) return;
  QFileDialog* d = Selector(this, tr("Importar un paquete"), "archivoImportar", false);
  connect(d, &QFileDialog::fileSelected, this, [this](const QString& ruta) {
    // Each proof is played again: in the background, the window answers.
    importacion_ = std::async(std::launch::async, [this, ruta = Utf8(ruta)] {
      return ImportarArchivo(ruta, &cancelarImportacion_, TraductorQt());
    });
    estado_->setText(tr("Importando: se juega otra vez la prueba de cada nivel..."));
    sondeo_.start();
  });
  d->open();
}

void EditorNiveles::SeguirImportacion() {
  if (!importacion_.valid() || importacion_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return;
  const LecturaPaquete l = importacion_.get();
  if (!comprobacion_) sondeo_.stop();
  Actualizar();
  if (!l.error.empty()) return Avisar(tr("No se ha importado: ") + Texto(l.error) + QLatin1Char('.'));
  QString aviso;
  std::string ruta, error;
  if (l.paquete.niveles.empty()) {
    aviso = tr("No se ha importado ningún nivel.");
  } else if (!carpeta_.GuardarImportado(l.paquete, ruta, error)) {
    aviso = tr("No se ha guardado el paquete: ") + Texto(error);
  } else {
    aviso = tr("Importado «%1»: %2.").arg(Texto(l.paquete.nombre), Niveles(l.paquete.niveles.size()));
  }
  for (const std::string& r : l.rechazos) aviso += tr("\nRechazado: ") + Texto(r);
  Avisar(aviso);
}

void EditorNiveles::CopiarCodigo() {
  std::string error;
  const std::string codigo = CodigoDeNivel({nivel_, prueba_}, error, TraductorQt());
  if (codigo.empty()) return Avisar(tr("No hay código: ") + Texto(error) + QLatin1Char('.'));
  codigo_->setText(Texto(codigo));
  QApplication::clipboard()->setText(codigo_->text());
}

void EditorNiveles::AbrirCodigo() {
  const LecturaCodigo l = LeerCodigo(Utf8(codigo_->text()), TraductorQt());
  if (!l.error.empty()) return Avisar(tr("No se ha abierto el código: ") + Texto(l.error) + QLatin1Char('.'));
  const QString codigo = codigo_->text();
  Cargar(l.nivel, -1);
  codigo_->setText(codigo);
}

void EditorNiveles::Avisar(const QString& texto) {
  auto* caja = new QMessageBox(QMessageBox::Information, windowTitle(), texto, QMessageBox::Ok, this);
  caja->setObjectName(QStringLiteral("aviso"));
  caja->setTextFormat(Qt::PlainText);
  caja->setAttribute(Qt::WA_DeleteOnClose);
  caja->button(QMessageBox::Ok)->setText(tr("Aceptar"));
  caja->open();
}

}  // namespace tumbla::ui
