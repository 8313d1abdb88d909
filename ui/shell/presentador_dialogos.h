// How the Qt interface shows its two dialogs. The program uses the modal
// presenter; tests install one that records what would be shown and returns
// at once, so no test ever waits on a dialog.
#pragma once

namespace errores {
struct EntradaCatalogo;
}

class PresentadorDialogos {
public:
    virtual ~PresentadorDialogos() = default;
    // Shows MensajeError with this catalogue entry; returns once it is closed.
    virtual void MostrarError(const errores::EntradaCatalogo& entrada) = 0;
    // Shows Advertencia; returns once it is closed.
    virtual void MostrarAdvertencia() = 0;
};

// Each report gets a dialog of its own, shown application-modal over the
// active window, and deleted once the user has closed it.
class PresentadorModal final : public PresentadorDialogos {
public:
    void MostrarError(const errores::EntradaCatalogo& entrada) override;
    void MostrarAdvertencia() override;
};
