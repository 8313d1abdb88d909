#include "ui/shell/edicion.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include "ui/shell/grupo_edicion.h"

namespace {

const QString kTabla = QStringLiteral("Tabla");

QString TextoDelPortapapeles() { return QApplication::clipboard()->text(); }

void PonerEnPortapapeles(const QString& texto) {
    QClipboard* portapapeles = QApplication::clipboard();
    portapapeles->clear();
    portapapeles->setText(texto);
}

// The control of `ventana` that has the focus: the application's focused
// widget when it lies in the window, else the one the window last focused.
QWidget* FocoEn(QWidget* ventana) {
    QWidget* foco = QApplication::focusWidget();
    if (foco != nullptr && ventana->isAncestorOf(foco)) return foco;
    foco = ventana->focusWidget();
    return foco != nullptr && ventana->isAncestorOf(foco) ? foco : nullptr;
}

// The text box a widget is.
QLineEdit* CajaDe(QObject* objeto) { return qobject_cast<QLineEdit*>(objeto); }
// A box of several lines (QTextEdit, QPlainTextEdit) the widget is, or
// whose viewport it is.
template <class Texto>
Texto* TextoDe(QObject* objeto) {
    if (auto* texto = qobject_cast<Texto*>(objeto)) return texto;
    return objeto != nullptr ? qobject_cast<Texto*>(objeto->parent()) : nullptr;
}

}  // namespace

ComandosEdicion::ComandosEdicion(QMdiArea& area, const Acciones& acciones, QObject* padre)
    : QObject(padre), area_(area), acciones_(acciones) {
    for (QAction* accion : {acciones_.cortar, acciones_.copiar, acciones_.pegar, acciones_.borrar}) {
        accion->setEnabled(false);
    }
    connect(acciones_.cortar, &QAction::triggered, this, &ComandosEdicion::Cortar);
    connect(acciones_.copiar, &QAction::triggered, this, &ComandosEdicion::Copiar);
    connect(acciones_.pegar, &QAction::triggered, this, &ComandosEdicion::Pegar);
    connect(acciones_.borrar, &QAction::triggered, this, &ComandosEdicion::Borrar);
    qApp->installEventFilter(this);
}

ComandosEdicion::~ComandosEdicion() { qApp->removeEventFilter(this); }

ComandosEdicion::Ofertas ComandosEdicion::Evaluar() const {
    Ofertas o;
    const QMdiSubWindow* activa = area_.activeSubWindow();
    if (activa == nullptr || activa->widget() == nullptr) return o;
    QWidget* ventana = activa->widget();
    QWidget* foco = FocoEn(ventana);
    switch (GrupoEdicionDe(ventana)) {
        case GrupoEdicion::Ninguno:
            break;
        case GrupoEdicion::ListaPrimos:
            if (auto* tabla = qobject_cast<QTextEdit*>(foco); tabla != nullptr && tabla->objectName() == kTabla) {
                o.tabla = tabla;
                o.copiar = tabla->textCursor().hasSelection();
            }
            break;
        case GrupoEdicion::PaginaSoloLectura:
            if (auto* caja = CajaDe(foco)) {
                o.caja = caja;
                o.copiar = caja->hasSelectedText();
            }
            break;
        case GrupoEdicion::Editable:
            if (auto* caja = CajaDe(foco)) {
                o.caja = caja;
                const bool seleccion = caja->hasSelectedText();
                const bool editable = !caja->isReadOnly();  // a result shown, never changed
                o.pegar = editable && !TextoDelPortapapeles().isEmpty();
                o.copiar = seleccion;
                o.cortar = o.borrar = editable && seleccion;
            } else if (auto* lectura = qobject_cast<QPlainTextEdit*>(foco); lectura != nullptr && lectura->isReadOnly()) {
                // A box of several lines shown read-only (the primality trace):
                // its text can be copied, never changed.
                o.lectura = lectura;
                o.copiar = lectura->textCursor().hasSelection();
            }
            break;
    }
    return o;
}

void ComandosEdicion::Actualizar() {
    const Ofertas o = Evaluar();
    acciones_.cortar->setEnabled(o.cortar);
    acciones_.copiar->setEnabled(o.copiar);
    acciones_.pegar->setEnabled(o.pegar);
    acciones_.borrar->setEnabled(o.borrar);
}

void ComandosEdicion::Cortar() {
    const Ofertas o = Evaluar();
    if (!o.cortar) return;
    PonerEnPortapapeles(o.caja->selectedText());
    o.caja->del();  // the selection goes; the box's change event follows
}

void ComandosEdicion::Copiar() {
    const Ofertas o = Evaluar();
    if (!o.copiar) return;
    if (o.caja != nullptr) {
        PonerEnPortapapeles(o.caja->selectedText());
    } else {
        const QTextCursor cursor = o.tabla != nullptr ? o.tabla->textCursor() : o.lectura->textCursor();
        PonerEnPortapapeles(cursor.selection().toPlainText());
    }
}

void ComandosEdicion::Pegar() {
    const Ofertas o = Evaluar();
    if (!o.pegar) return;
    // At the end, whatever the caret or the selection: the caret moves there
    // without selecting, and the text goes in as typed (up to the box's limit).
    o.caja->end(false);
    o.caja->insert(TextoDelPortapapeles());
}

void ComandosEdicion::Borrar() {
    const Ofertas o = Evaluar();
    if (!o.borrar) return;
    o.caja->del();
}

QWidget* ComandosEdicion::VentanaDe(const QObject* objeto) const {
    for (const QObject* o = objeto; o != nullptr; o = o->parent()) {
        if (const auto* marco = qobject_cast<const QMdiSubWindow*>(o)) {
            return marco->mdiArea() == &area_ ? marco->widget() : nullptr;
        }
    }
    return nullptr;
}

QAction* ComandosEdicion::AccionDeTecla(const QKeyEvent& tecla) const {
    if (tecla.matches(QKeySequence::Cut)) return acciones_.cortar;  // Shift+Del before Del
    if (tecla.matches(QKeySequence::Copy)) return acciones_.copiar;
    if (tecla.matches(QKeySequence::Paste)) return acciones_.pegar;
    if (tecla.key() == Qt::Key_Delete && (tecla.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        return acciones_.borrar;
    }
    return nullptr;
}

// A key of the four commands pressed in a tool window. The items are brought
// up to date first. In a window of no group the focused control handles the
// key as it would anywhere (the items are then all disabled). In the other
// windows the control does not see the key: the command runs instead, if
// the rules offer it.
bool ComandosEdicion::FiltrarTecla(QObject* objeto, QKeyEvent& tecla) {
    QAction* accion = AccionDeTecla(tecla);
    if (accion == nullptr) return false;
    QWidget* ventana = VentanaDe(objeto);
    if (ventana == nullptr) return false;
    Actualizar();
    if (GrupoEdicionDe(ventana) == GrupoEdicion::Ninguno) return false;
    // Del with nothing selected in an editable box is typing, not Clear.
    if (auto* caja = CajaDe(objeto); accion == acciones_.borrar && caja != nullptr && !caja->hasSelectedText() &&
                                     GrupoEdicionDe(ventana) == GrupoEdicion::Editable) {
        return false;
    }
    tecla.accept();  // ShortcutOverride: the key comes here as a key press, not as a shortcut
    if (tecla.type() == QEvent::KeyPress && accion->isEnabled()) accion->trigger();  // states of this moment
    return true;
}

bool ComandosEdicion::eventFilter(QObject* objeto, QEvent* evento) {
    switch (evento->type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
            return FiltrarTecla(objeto, *static_cast<QKeyEvent*>(evento));
        case QEvent::ContextMenu: {
            // The boxes' own menus would edit past the rules: the four
            // commands are offered instead, in the same states as the Edit menu.
            QWidget* ventana = VentanaDe(objeto);
            if (ventana == nullptr || GrupoEdicionDe(ventana) == GrupoEdicion::Ninguno) return false;
            if (CajaDe(objeto) == nullptr && TextoDe<QTextEdit>(objeto) == nullptr &&
                TextoDe<QPlainTextEdit>(objeto) == nullptr) {
                return false;
            }
            Actualizar();
            QMenu menu;
            menu.addActions({acciones_.cortar, acciones_.copiar, acciones_.pegar});
            menu.addSeparator();
            menu.addAction(acciones_.borrar);
            menu.exec(static_cast<QContextMenuEvent*>(evento)->globalPos());
            return true;
        }
        default:
            return false;
    }
}
