#include "gui/editor/EditorButtons.h"

#include "texts/EditorTexts.h"
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
    QKeySequence shortcut;
};

const QList<PictureButtonLook>& editorButtons()
{
    const QSize icon(37, 39);
    const QSize wide(148, 32);
    const QSize photo(42, 40);
    static const QList<PictureButtonLook> buttons {
        { QStringLiteral("cmdNuovo"), QStringLiteral(":/icons/nuovo.svg"), icon, QKeySequence(Qt::CTRL | Qt::Key_N) },
        { QStringLiteral("cmdDuplica"), QStringLiteral(":/icons/duplica.svg"), icon,
            QKeySequence(Qt::CTRL | Qt::Key_D) },
        { QStringLiteral("cmdSalva"), QStringLiteral(":/icons/salva.svg"), icon, QKeySequence(Qt::CTRL | Qt::Key_S) },
        { QStringLiteral("cmdTrova"), QStringLiteral(":/icons/trova.svg"), icon, QKeySequence(Qt::CTRL | Qt::Key_F) },
        { QStringLiteral("cmdFile"), QStringLiteral(":/icons/allega.svg"), icon, {} },
        { QStringLiteral("cmdStampa"), QStringLiteral(":/icons/stampa.svg"), wide, QKeySequence(Qt::CTRL | Qt::Key_P) },
        { QStringLiteral("cmdAnteprima"), QStringLiteral(":/icons/anteprima.svg"), wide, {} },
        { QStringLiteral("cmdPrimo"), QStringLiteral(":/icons/primo.svg"), icon, QKeySequence(Qt::ALT | Qt::Key_Home) },
        { QStringLiteral("cmdIndietro"), QStringLiteral(":/icons/indietro.svg"), icon,
            QKeySequence(Qt::ALT | Qt::Key_Left) },
        { QStringLiteral("cmdAvanti"), QStringLiteral(":/icons/avanti.svg"), icon,
            QKeySequence(Qt::ALT | Qt::Key_Right) },
        { QStringLiteral("cmdUltimo"), QStringLiteral(":/icons/ultimo.svg"), icon,
            QKeySequence(Qt::ALT | Qt::Key_End) },
        { QStringLiteral("cmdEsporta"), QStringLiteral(":/icons/esporta.svg"), icon, {} },
        { QStringLiteral("cmdSlideshow"), QStringLiteral(":/icons/slideshow.svg"), icon, {} },
        { QStringLiteral("cmdGuida"), QStringLiteral(":/icons/guida.svg"), icon, QKeySequence(Qt::Key_F1) },
        { QStringLiteral("cmdEsci"), QStringLiteral(":/icons/esci.svg"), icon, {} },
        { QStringLiteral("cmdCompCard"), QStringLiteral(":/icons/compcard.svg"), icon,
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P) },
        { QStringLiteral("cmdProvino"), QStringLiteral(":/icons/provino.svg"), icon,
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P) },
        { QStringLiteral("cmdPacchetto"), QStringLiteral(":/icons/pacchetto.svg"), icon,
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K) },
        { QStringLiteral("cmdGalleria"), QStringLiteral(":/icons/galleria.svg"), icon,
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G) },
        { QStringLiteral("btnCaricaFoto"), QStringLiteral(":/icons/carica-foto.svg"), QSize(157, 40), {} },
        { QStringLiteral("btnSalvaFoto"), QStringLiteral(":/icons/salva-foto.svg"), photo, {} },
        { QStringLiteral("btnCancFoto"), QStringLiteral(":/icons/canc-foto.svg"), photo, {} },
        { QStringLiteral("btnZoomFoto"), QStringLiteral(":/icons/zoom-foto.svg"), photo, {} },
    };
    return buttons;
}

} // namespace

QToolButton* makeEditorButton(QWidget* parent, const QString& name)
{
    for (const PictureButtonLook& button : editorButtons()) {
        if (button.name == name)
            return makePictureButton(
                parent, button.name, button.picture, button.size, editortext::buttonTip(name), button.shortcut);
    }
    qFatal("no editor button named %s", qPrintable(name));
}

} // namespace lumidex
