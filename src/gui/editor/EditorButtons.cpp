#include "gui/editor/EditorButtons.h"

#include "ui/PictureButton.h"

#include <QKeySequence>
#include <QList>
#include <QSize>
#include <QToolButton>

namespace lumidex {

namespace {

struct PictureButtonLook {
    QString name;
    QString picture;
    QSize size;
    QString statusTip;
    QKeySequence shortcut;
};

const QList<PictureButtonLook>& editorButtons()
{
    const QSize icon(37, 39);
    const QSize wide(148, 32);
    const QSize photo(42, 40);
    static const QList<PictureButtonLook> buttons {
        { QStringLiteral("cmdNuovo"), QStringLiteral(":/icons/nuovo.svg"), icon,
            QStringLiteral("Prepara la schermata per l'inserimento di una nuova scheda."),
            QKeySequence(Qt::CTRL | Qt::Key_N) },
        { QStringLiteral("cmdDuplica"), QStringLiteral(":/icons/duplica.svg"), icon,
            QStringLiteral("Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."),
            QKeySequence(Qt::CTRL | Qt::Key_D) },
        { QStringLiteral("cmdSalva"), QStringLiteral(":/icons/salva.svg"), icon,
            QStringLiteral("Salva la scheda in archivio."), QKeySequence(Qt::CTRL | Qt::Key_S) },
        { QStringLiteral("cmdTrova"), QStringLiteral(":/icons/trova.svg"), icon,
            QStringLiteral("Trova una scheda in archivio."), QKeySequence(Qt::CTRL | Qt::Key_F) },
        { QStringLiteral("cmdFile"), QStringLiteral(":/icons/allega.svg"), icon,
            QStringLiteral("Allega file alla scheda."), {} },
        { QStringLiteral("cmdStampa"), QStringLiteral(":/icons/stampa.svg"), wide, QStringLiteral("Stampa la scheda."),
            QKeySequence(Qt::CTRL | Qt::Key_P) },
        { QStringLiteral("cmdAnteprima"), QStringLiteral(":/icons/anteprima.svg"), wide,
            QStringLiteral("Visualizza l'anteprima di stampa della scheda."), {} },
        { QStringLiteral("cmdPrimo"), QStringLiteral(":/icons/primo.svg"), icon,
            QStringLiteral("Visualizza la prima scheda in archivio."), QKeySequence(Qt::ALT | Qt::Key_Home) },
        { QStringLiteral("cmdIndietro"), QStringLiteral(":/icons/indietro.svg"), icon,
            QStringLiteral("Visualizza la scheda precedente in archivio."), QKeySequence(Qt::ALT | Qt::Key_Left) },
        { QStringLiteral("cmdAvanti"), QStringLiteral(":/icons/avanti.svg"), icon,
            QStringLiteral("Visualizza la scheda successiva in archivio."), QKeySequence(Qt::ALT | Qt::Key_Right) },
        { QStringLiteral("cmdUltimo"), QStringLiteral(":/icons/ultimo.svg"), icon,
            QStringLiteral("Visualizza l'ultima scheda in archivio."), QKeySequence(Qt::ALT | Qt::Key_End) },
        { QStringLiteral("cmdEsporta"), QStringLiteral(":/icons/esporta.svg"), icon,
            QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel."), {} },
        { QStringLiteral("cmdSlideshow"), QStringLiteral(":/icons/slideshow.svg"), icon,
            QStringLiteral("Esegui lo Slide Show del book fotografico."), {} },
        { QStringLiteral("cmdGuida"), QStringLiteral(":/icons/guida.svg"), icon,
            QStringLiteral("Visualizza la pagina della guida sensibile al contesto."), QKeySequence(Qt::Key_F1) },
        { QStringLiteral("cmdEsci"), QStringLiteral(":/icons/esci.svg"), icon,
            QStringLiteral("Esci da questa schermata di lavoro."), {} },
        { QStringLiteral("cmdCompCard"), QStringLiteral(":/icons/compcard.svg"), icon,
            QStringLiteral("Stampa la comp card della scheda."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P) },
        { QStringLiteral("cmdProvino"), QStringLiteral(":/icons/provino.svg"), icon,
            QStringLiteral("Stampa il provino del book fotografico."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P) },
        { QStringLiteral("cmdPacchetto"), QStringLiteral(":/icons/pacchetto.svg"), icon,
            QStringLiteral("Prepara un pacchetto di schede da inviare a un cliente."),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K) },
        { QStringLiteral("cmdGalleria"), QStringLiteral(":/icons/galleria.svg"), icon,
            QStringLiteral("Crea una galleria web del book fotografico."),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G) },
        { QStringLiteral("btnCaricaFoto"), QStringLiteral(":/icons/carica-foto.svg"), QSize(157, 40),
            QStringLiteral("Carica una foto esistente."), {} },
        { QStringLiteral("btnSalvaFoto"), QStringLiteral(":/icons/salva-foto.svg"), photo,
            QStringLiteral("Salva la foto su disco."), {} },
        { QStringLiteral("btnCancFoto"), QStringLiteral(":/icons/canc-foto.svg"), photo,
            QStringLiteral("Cancella la foto."), {} },
        { QStringLiteral("btnZoomFoto"), QStringLiteral(":/icons/zoom-foto.svg"), photo,
            QStringLiteral("Visualizza la foto nelle sue dimensioni reali."), {} },
    };
    return buttons;
}

} // namespace

QToolButton* makeEditorButton(QWidget* parent, const QString& name)
{
    for (const PictureButtonLook& button : editorButtons()) {
        if (button.name == name)
            return makePictureButton(
                parent, button.name, button.picture, button.size, button.statusTip, button.shortcut);
    }
    qFatal("no editor button named %s", qPrintable(name));
}

} // namespace lumidex
