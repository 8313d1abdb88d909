// The heading panel of the discrete-logarithm windows, SSPanel4: the text
// "Logaritmo = LOG       Beta Mod Grupo" with the small picture Image2 of
// the base, Alfa, lowered into the gap after "LOG" as a subscript.
#pragma once

#include <QLabel>

// The look of a heading panel SSPanel4 (this one and the factorization
// example pages'): a raised panel, the text bold, larger and centred.
void DarFormaDeEncabezado(QLabel* panel);

class EncabezadoLogaritmo final : public QLabel {
public:
    explicit EncabezadoLogaritmo(QWidget* padre);

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    QLabel* imagen_;
};
