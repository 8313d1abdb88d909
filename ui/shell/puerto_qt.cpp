#include "ui/shell/puerto_qt.h"

#include <utility>

#include <QCoreApplication>
#include <QThread>

#include "errors/catalogo.h"
#include "ui/shell/presentador_dialogos.h"

namespace {

bool EnHiloDeVentanas() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app != nullptr && QThread::currentThread() == app->thread();
}

// Runs `accion` on the user-interface thread and returns when it is done.
template <typename Accion>
void EnHiloVentanas(Accion&& accion) {
    if (EnHiloDeVentanas()) {
        accion();
    } else {
        QMetaObject::invokeMethod(QCoreApplication::instance(), std::forward<Accion>(accion),
                                  Qt::BlockingQueuedConnection);
    }
}

}  // namespace

PuertoQt::PuertoQt(PresentadorDialogos& presentador) : presentador_(presentador) {}

void PuertoQt::MostrarError(int numero) {
    const errores::EntradaCatalogo* entrada = errores::BuscarError(numero);
    if (entrada == nullptr) return;
    EnHiloVentanas([this, entrada] { presentador_.MostrarError(*entrada); });
}

void PuertoQt::MostrarAdvertencia() {
    EnHiloVentanas([this] { presentador_.MostrarAdvertencia(); });
}

void PuertoQt::ProcesarEventos() {
    // Often enough for the window to stay live, rarely enough that a
    // method's short steps are not spent in the event loop.
    constexpr auto kIntervalo = std::chrono::milliseconds(5);
    if (!EnHiloDeVentanas()) return;
    const auto ahora = std::chrono::steady_clock::now();
    if (ahora - eventos_ejecutados_ < kIntervalo) return;
    eventos_ejecutados_ = ahora;
    QCoreApplication::processEvents();
}
