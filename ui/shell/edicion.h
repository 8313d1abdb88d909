// ComandosEdicion: the Edit menu's cut, copy, paste and clear (OpcCortar,
// OpcCopiar, OpcPegar, OpcBorrar), on the focused control of the active
// child window of the main window.
//
// Which commands are offered depends on the active window's edit group
// (grupo_edicion.h), its focused control, that control's selection and the
// clipboard:
//   - no active child window, or a window of no group: none;
//   - the prime list: copy, while its table Tabla has the focus and holds a
//     selection;
//   - an example page: copy, while one of its boxes has the focus and holds
//     a selection;
//   - an editable window, its focus in a box: paste while the clipboard
//     holds text; cut, copy and clear while the box holds a selection.
// Actualizar applies these rules to the four items; the Edit menu calls it
// each time it opens, and so does a press of one of their keys, so a
// shortcut always follows the rules of the moment. Each command evaluates
// the rules again before it acts and does nothing when they no longer offer
// it: a command reached through a stale item changes nothing.
//
// Paste always appends the clipboard text at the end of the box, whatever
// the caret or the selection; cut, paste and clear change the box's text as
// typing would, so its window validates it and its counter follows.
//
// In the windows of a group, the boxes' own cut, copy, paste and clear keys
// (Ctrl+X/C/V, Del, Shift+Del, Ctrl+Insert, Shift+Insert) and their context
// menus run these commands instead, so no key bypasses the rules; Del with
// nothing selected still deletes the character after the caret in an
// editable box, as typing does.
#pragma once

#include <QObject>

class QAction;
class QKeyEvent;
class QLineEdit;
class QMdiArea;
class QPlainTextEdit;
class QTextEdit;
class QWidget;

class ComandosEdicion final : public QObject {
    Q_OBJECT

public:
    struct Acciones {
        QAction* cortar;
        QAction* copiar;
        QAction* pegar;
        QAction* borrar;
    };

    // Drives the four items for the children of `area`; they start
    // disabled. Watches the application's key and context-menu events.
    ComandosEdicion(QMdiArea& area, const Acciones& acciones, QObject* padre);
    ~ComandosEdicion() override;

    // Enables and disables the four items by the rules, for now.
    void Actualizar();

    void Cortar();
    void Copiar();
    void Pegar();
    void Borrar();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // What the rules offer now, and on which control.
    struct Ofertas {
        bool cortar = false, copiar = false, pegar = false, borrar = false;
        QLineEdit* caja = nullptr;        // the focused box
        QTextEdit* tabla = nullptr;       // or the prime list's table
        QPlainTextEdit* lectura = nullptr;  // or a read-only box of several lines (a trace)
    };
    Ofertas Evaluar() const;
    // The tool window of `area_` that holds `objeto`, or nullptr.
    QWidget* VentanaDe(const QObject* objeto) const;
    // The item a key event stands for, or nullptr.
    QAction* AccionDeTecla(const QKeyEvent& tecla) const;
    bool FiltrarTecla(QObject* objeto, QKeyEvent& tecla);

    QMdiArea& area_;
    Acciones acciones_;
};
