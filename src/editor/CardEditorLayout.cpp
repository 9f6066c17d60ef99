// How a card editor is laid out: the toolbar, the photo panel beside the
// subclass's fields, and the notes under both.

#include "editor/CardEditor.h"

#include "ui/PictureButton.h"
#include "ui/Pictures.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumidex {

void CardEditor::finishLayout(QWidget* fieldArea)
{
    contentLayout()->addWidget(buildToolbar());

    m_section = new QWidget(panel());
    m_section->setObjectName(QStringLiteral("shpSezione"));
    m_section->setAttribute(Qt::WA_StyledBackground);
    auto* sectionLayout = new QVBoxLayout(m_section);
    sectionLayout->setContentsMargins(8, 6, 8, 6);

    auto* sheet = new QWidget(m_section);
    sheet->setObjectName(QStringLiteral("shpScheda"));
    sheet->setAttribute(Qt::WA_StyledBackground);
    auto* sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(10, 8, 10, 8);
    sheetLayout->setSpacing(6);
    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(buildPhotoPanel(), 0, Qt::AlignTop);
    top->addWidget(fieldArea, 1);
    sheetLayout->addLayout(top, 1);
    sheetLayout->addWidget(buildNotesRow());

    sectionLayout->addWidget(sheet);
    contentLayout()->addWidget(m_section, 1);
}

// The notes, the last field of every card, span the sheet under the photo and
// the other fields, captioned by a small picture.
QWidget* CardEditor::buildNotesRow()
{
    auto* row = new QWidget(m_section);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(row);
    caption->setObjectName(QStringLiteral("titNote"));
    caption->setPixmap(QPixmap::fromImage(renderPicture(QStringLiteral(":/pictures/note.svg"), QSize(60, 22))));
    line->addWidget(caption);
    line->addWidget(m_fields.constLast(), 1);
    return row;
}

QWidget* CardEditor::buildToolbar()
{
    auto* bar = new QWidget(panel());
    bar->setObjectName(QStringLiteral("panToolbar"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 6, 8, 6);
    row->setSpacing(8);

    const QSize icon(37, 39);
    const QSize wide(148, 32);
    auto group = [&](std::initializer_list<QWidget*> items) {
        auto* box = new QWidget(bar);
        box->setObjectName(QStringLiteral("shpGruppo"));
        box->setAttribute(Qt::WA_StyledBackground);
        auto* boxRow = new QHBoxLayout(box);
        boxRow->setContentsMargins(3, 2, 3, 2);
        boxRow->setSpacing(2);
        for (QWidget* item : items) {
            item->setParent(box);
            boxRow->addWidget(item, 0, Qt::AlignVCenter);
        }
        row->addWidget(box);
    };

    cmdNuovo = makePictureButton(bar, QStringLiteral("cmdNuovo"), QStringLiteral(":/icons/nuovo.svg"), icon,
        QStringLiteral("Prepara la schermata per l'inserimento di una nuova scheda."),
        QKeySequence(Qt::CTRL | Qt::Key_N));
    cmdDuplica = makePictureButton(bar, QStringLiteral("cmdDuplica"), QStringLiteral(":/icons/duplica.svg"), icon,
        QStringLiteral("Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."),
        QKeySequence(Qt::CTRL | Qt::Key_D));
    cmdSalva = makePictureButton(bar, QStringLiteral("cmdSalva"), QStringLiteral(":/icons/salva.svg"), icon,
        QStringLiteral("Salva la scheda in archivio."), QKeySequence(Qt::CTRL | Qt::Key_S));
    cmdTrova = makePictureButton(bar, QStringLiteral("cmdTrova"), QStringLiteral(":/icons/trova.svg"), icon,
        QStringLiteral("Trova una scheda in archivio."), QKeySequence(Qt::CTRL | Qt::Key_F));
    cmdFile = makePictureButton(bar, QStringLiteral("cmdFile"), QStringLiteral(":/icons/allega.svg"), icon,
        QStringLiteral("Allega file alla scheda."));
    cmdStampa = makePictureButton(bar, QStringLiteral("cmdStampa"), QStringLiteral(":/icons/stampa.svg"), wide,
        QStringLiteral("Stampa la scheda."), QKeySequence(Qt::CTRL | Qt::Key_P));
    cmdAnteprima = makePictureButton(bar, QStringLiteral("cmdAnteprima"), QStringLiteral(":/icons/anteprima.svg"), wide,
        QStringLiteral("Visualizza l'anteprima di stampa della scheda."));
    cmdPrimo = makePictureButton(bar, QStringLiteral("cmdPrimo"), QStringLiteral(":/icons/primo.svg"), icon,
        QStringLiteral("Visualizza la prima scheda in archivio."), QKeySequence(Qt::ALT | Qt::Key_Home));
    cmdIndietro = makePictureButton(bar, QStringLiteral("cmdIndietro"), QStringLiteral(":/icons/indietro.svg"), icon,
        QStringLiteral("Visualizza la scheda precedente in archivio."), QKeySequence(Qt::ALT | Qt::Key_Left));
    cmdAvanti = makePictureButton(bar, QStringLiteral("cmdAvanti"), QStringLiteral(":/icons/avanti.svg"), icon,
        QStringLiteral("Visualizza la scheda successiva in archivio."), QKeySequence(Qt::ALT | Qt::Key_Right));
    cmdUltimo = makePictureButton(bar, QStringLiteral("cmdUltimo"), QStringLiteral(":/icons/ultimo.svg"), icon,
        QStringLiteral("Visualizza l'ultima scheda in archivio."), QKeySequence(Qt::ALT | Qt::Key_End));
    cmdEsporta = makePictureButton(bar, QStringLiteral("cmdEsporta"), QStringLiteral(":/icons/esporta.svg"), icon,
        QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel."));
    cmdSlideshow = makePictureButton(bar, QStringLiteral("cmdSlideshow"), QStringLiteral(":/icons/slideshow.svg"), icon,
        QStringLiteral("Esegui lo Slide Show del book fotografico."));
    cmdGuida = makePictureButton(bar, QStringLiteral("cmdGuida"), QStringLiteral(":/icons/guida.svg"), icon,
        QStringLiteral("Visualizza la pagina della guida sensibile al contesto."), QKeySequence(Qt::Key_F1));
    cmdEsci = makePictureButton(bar, QStringLiteral("cmdEsci"), QStringLiteral(":/icons/esci.svg"), icon,
        QStringLiteral("Esci da questa schermata di lavoro."));

    lblPosizione = new QLabel(bar);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setFixedWidth(50);

    group({ cmdNuovo, cmdDuplica, cmdSalva, cmdTrova, cmdFile });
    if (m_setup.previewBeforePrint) {
        group({ cmdAnteprima });
        group({ cmdStampa });
    } else {
        group({ cmdStampa });
        group({ cmdAnteprima });
    }
    group({ cmdPrimo, cmdIndietro, lblPosizione, cmdAvanti, cmdUltimo });
    group({ cmdEsporta, cmdSlideshow });
    group({ cmdGuida, cmdEsci });
    row->addStretch(1);

    // Page Up and Page Down browse too.
    for (QToolButton* b : { cmdIndietro, cmdAvanti }) {
        auto* alt = new QAction(b);
        alt->setShortcut(b == cmdIndietro ? QKeySequence(Qt::Key_PageUp) : QKeySequence(Qt::Key_PageDown));
        connect(alt, &QAction::triggered, b, &QToolButton::click);
        addAction(alt);
    }

    connect(cmdNuovo, &QToolButton::clicked, this, &CardEditor::cmdNuovoClick);
    connect(cmdDuplica, &QToolButton::clicked, this, &CardEditor::cmdDuplicaClick);
    connect(cmdSalva, &QToolButton::clicked, this, &CardEditor::cmdSalvaClick);
    connect(cmdPrimo, &QToolButton::clicked, this, &CardEditor::cmdPrimoClick);
    connect(cmdIndietro, &QToolButton::clicked, this, &CardEditor::cmdIndietroClick);
    connect(cmdAvanti, &QToolButton::clicked, this, &CardEditor::cmdAvantiClick);
    connect(cmdUltimo, &QToolButton::clicked, this, &CardEditor::cmdUltimoClick);
    connect(cmdEsci, &QToolButton::clicked, this, &CardEditor::cmdEsciClick);
    connect(cmdTrova, &QToolButton::clicked, this, &CardEditor::cmdTrovaClick);
    connect(cmdEsporta, &QToolButton::clicked, this, &CardEditor::cmdEsportaClick);
    connect(cmdStampa, &QToolButton::clicked, this, &CardEditor::cmdStampaClick);
    connect(cmdAnteprima, &QToolButton::clicked, this, &CardEditor::cmdAnteprimaClick);
    connect(cmdSlideshow, &QToolButton::clicked, this, &CardEditor::cmdSlideshowClick);
    connect(cmdFile, &QToolButton::clicked, this, &CardEditor::cmdFileClick);
    return bar;
}

QWidget* CardEditor::buildPhotoPanel()
{
    auto* box = new QWidget(m_section);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);

    auto* frame = new QWidget(box);
    frame->setObjectName(QStringLiteral("shpFoto"));
    frame->setAttribute(Qt::WA_StyledBackground);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    imgFoto = new QLabel(frame);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setFixedSize(photoFrameSize);
    imgFoto->setAlignment(Qt::AlignCenter);
    frameLayout->addWidget(imgFoto);
    column->addWidget(frame);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    btnCaricaFoto = makePictureButton(box, QStringLiteral("btnCaricaFoto"), QStringLiteral(":/icons/carica-foto.svg"),
        QSize(157, 40), QStringLiteral("Carica una foto esistente."));
    btnSalvaFoto = makePictureButton(box, QStringLiteral("btnSalvaFoto"), QStringLiteral(":/icons/salva-foto.svg"),
        QSize(42, 40), QStringLiteral("Salva la foto su disco."));
    btnCancFoto = makePictureButton(box, QStringLiteral("btnCancFoto"), QStringLiteral(":/icons/canc-foto.svg"),
        QSize(42, 40), QStringLiteral("Cancella la foto."));
    btnZoomFoto = makePictureButton(box, QStringLiteral("btnZoomFoto"), QStringLiteral(":/icons/zoom-foto.svg"),
        QSize(42, 40), QStringLiteral("Visualizza la foto nelle sue dimensioni reali."));
    for (QToolButton* b : { btnCaricaFoto, btnSalvaFoto, btnCancFoto, btnZoomFoto })
        buttons->addWidget(b);
    buttons->addStretch(1);
    column->addLayout(buttons);

    connect(btnCaricaFoto, &QToolButton::clicked, this, &CardEditor::btnCaricaFotoClick);
    connect(btnSalvaFoto, &QToolButton::clicked, this, &CardEditor::btnSalvaFotoClick);
    connect(btnCancFoto, &QToolButton::clicked, this, &CardEditor::btnCancFotoClick);
    connect(btnZoomFoto, &QToolButton::clicked, this, &CardEditor::btnZoomFotoClick);
    refreshPhoto();
    return box;
}

} // namespace lumidex
