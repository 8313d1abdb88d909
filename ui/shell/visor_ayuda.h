// The help viewer: one top-level window, "Ayuda de Tornavela de Cifrados".
// On the left three tabs: "Contenido" (the pages under their headings),
// "Índice" (keywords with a filter box) and "Buscar" (full-text search); on
// the right the page, with "Atrás", "Adelante" and "Inicio".
//
// The pages and their manifest live in one folder (manifiesto_ayuda.h). A
// missing folder, manifest, page or topic never fails: the viewer shows a
// page of its own that says what is missing.
#pragma once

#include <memory>

#include <QUrl>
#include <QWidget>

#include "ui/shell/manifiesto_ayuda.h"

class BusquedaAyuda;
class NavegadorAyuda;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

class VisorAyuda : public QWidget {
    Q_OBJECT

public:
    explicit VisorAyuda(const QString& carpeta, QWidget* parent = nullptr);
    ~VisorAyuda() override;

    // The topic finder: the start page with the contents tab in front.
    void MostrarInicio();
    // The instructions on using this help.
    void MostrarUsoAyuda();
    // The page of a numbered topic.
    void MostrarTema(int tema);
    // Fills the search tab with the pages that hold every word of `consulta`.
    void Buscar(const QString& consulta);

    // File name of the page shown; empty while a notice of the viewer's own
    // (something missing) is shown.
    QString FicheroActual() const;
    QString TextoActual() const;
    const ManifiestoAyuda& Manifiesto() const { return manifiesto_; }

private:
    void CrearContenido();
    void CrearIndice();
    void FiltrarIndice(const QString& filtro);
    void MostrarPagina(qsizetype pagina);
    void MostrarFichero(const QString& fichero);
    void MostrarAviso(const QString& texto);
    void SeguirEnlace(const QUrl& enlace);
    void MarcarEnContenido(const QUrl& fuente);

    ManifiestoAyuda manifiesto_;
    std::unique_ptr<BusquedaAyuda> busqueda_;

    QTabWidget* pestanas_;
    QTreeWidget* contenido_;
    QLineEdit* filtro_indice_;
    QListWidget* indice_;
    QLineEdit* texto_buscar_;
    QListWidget* resultados_;
    NavegadorAyuda* pagina_;
    QPushButton* btn_atras_;
    QPushButton* btn_adelante_;
};
