#include "ui/shell/interfaz_qt.h"

#include <utility>

#include <QCoreApplication>
#include <QThread>

#include "errors/catalogo.h"
#include "ui/shell/presentador_dialogos.h"
#include "ui/shell/puntero_pantalla.h"

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

InterfazQt::InterfazQt(std::atomic<bool>& detener, PresentadorDialogos& presentador)
    : detener_(detener), presentador_(presentador) {}

void InterfazQt::MostrarError(int numero) {
    const errores::EntradaCatalogo* entrada = errores::BuscarError(numero);
    if (entrada == nullptr) return;
    EnHiloVentanas([this, entrada] { presentador_.MostrarError(*entrada); });
}

void InterfazQt::MostrarAdvertencia() {
    EnHiloVentanas([this] { presentador_.MostrarAdvertencia(); });
}

void InterfazQt::PonerPuntero(puerto::Puntero forma) {
    EnHiloVentanas([forma] { PonerPunteroPantalla(forma); });
}

void InterfazQt::ProcesarEventos() {
    // Often enough for a stop button to answer at once, rarely enough that
    // a solver's short steps are not spent in the event loop.
    constexpr auto kIntervalo = std::chrono::milliseconds(5);
    if (!EnHiloDeVentanas()) return;
    const auto ahora = std::chrono::steady_clock::now();
    if (ahora - eventos_ejecutados_ < kIntervalo) return;
    eventos_ejecutados_ = ahora;
    QCoreApplication::processEvents();
}

bool InterfazQt::DetenerSolicitado() { return detener_.load(); }
