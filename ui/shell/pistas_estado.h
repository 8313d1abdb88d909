// Status-strip hints shown as the mouse moves over a calculator window.
//
// A control given a hint writes it through the main window's BarraEstado at
// every mouse move over it. A background surface (the window itself or one
// of its frames) writes its hint only where no control lies on it, so moving
// over a label, a picture or a button without a hint leaves the strip as it
// was. Controls and surfaces left out write nothing.
#pragma once

#include <functional>

#include <QHash>
#include <QObject>
#include <QString>

class QWidget;
class ServiciosPrincipal;

class PistasEstado : public QObject {
public:
    PistasEstado(ServiciosPrincipal& servicios, QObject* parent);

    void Poner(QWidget* control, const QString& pista);
    // A hint that depends on the window's state, read at each move.
    void Poner(QWidget* control, std::function<QString()> pista);
    void PonerFondo(QWidget* superficie, const QString& pista);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    struct Pista {
        std::function<QString()> texto;
        bool fondo;  // only where no child control lies
    };
    void Registrar(QWidget* widget, Pista pista);

    ServiciosPrincipal& servicios_;
    QHash<const QObject*, Pista> pistas_;
};
