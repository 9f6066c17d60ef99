// How a card editor is laid out: the toolbar, the photo panel beside the
// subclass's fields, and the notes under both.

#include "gui/editor/CardEditor.h"

#include "kinds/ArchiveProfile.h"
#include "ui/PictureButton.h"
#include "ui/Pictures.h"
#include "ui/WholeValue.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumidex {

namespace {

// Beside the registry's heading picture within the sheet of the narrowest
// window.
constexpr int findFieldWidth = 200;

} // namespace

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

QWidget* CardEditor::headingRow(QWidget* heading)
{
    if (!m_findField)
        m_findField = makeFindField();
    auto* row = new QWidget(heading->parentWidget());
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(8);
    heading->setParent(row);
    line->addWidget(heading, 1);
    m_findField->setParent(row);
    m_findField->setFixedWidth(findFieldWidth);
    line->addWidget(m_findField, 0, Qt::AlignVCenter);
    return row;
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
    // Tight enough for every group of the widest toolbar (the registry's, with
    // the package button) within the window's width.
    row->setContentsMargins(6, 6, 6, 6);
    row->setSpacing(3);

    auto group = [&](std::initializer_list<QWidget*> items) {
        auto* box = new QWidget(bar);
        box->setObjectName(QStringLiteral("shpGruppo"));
        box->setAttribute(Qt::WA_StyledBackground);
        auto* boxRow = new QHBoxLayout(box);
        boxRow->setContentsMargins(2, 2, 2, 2);
        boxRow->setSpacing(2);
        for (QWidget* item : items) {
            item->setParent(box);
            boxRow->addWidget(item, 0, Qt::AlignVCenter);
        }
        row->addWidget(box);
    };

    lblPosizione->setParent(bar);
    lblPosizione->setAlignment(Qt::AlignCenter);
    // Six digits: an archive of a hundred thousand cards and more.
    showWholeValue(*lblPosizione, QStringLiteral("100000"));

    group({ cmdNuovo, cmdDuplica, cmdSalva, cmdTrova, cmdFile });
    if (m_profile.previewBeforePrint) {
        group({ cmdAnteprima });
        group({ cmdStampa });
    } else {
        group({ cmdStampa });
        group({ cmdAnteprima });
    }
    group({ cmdCompCard ? cmdCompCard : cmdProvino, cmdPacchetto ? cmdPacchetto : cmdGalleria });
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
    connect(cmdGuida, &QToolButton::clicked, this, &CardEditor::cmdGuidaClick);
    connect(cmdTrova, &QToolButton::clicked, this, &CardEditor::cmdTrovaClick);
    connect(cmdEsporta, &QToolButton::clicked, this, &CardEditor::cmdEsportaClick);
    connect(cmdStampa, &QToolButton::clicked, this, &CardEditor::cmdStampaClick);
    connect(cmdAnteprima, &QToolButton::clicked, this, &CardEditor::cmdAnteprimaClick);
    connect(cmdSlideshow, &QToolButton::clicked, this, &CardEditor::cmdSlideshowClick);
    connect(cmdFile, &QToolButton::clicked, this, &CardEditor::cmdFileClick);
    if (cmdCompCard)
        connect(cmdCompCard, &QToolButton::clicked, this, &CardEditor::cmdCompCardClick);
    if (cmdProvino)
        connect(cmdProvino, &QToolButton::clicked, this, &CardEditor::cmdProvinoClick);
    if (cmdPacchetto)
        connect(cmdPacchetto, &QToolButton::clicked, this, &CardEditor::cmdPacchettoClick);
    if (cmdGalleria)
        connect(cmdGalleria, &QToolButton::clicked, this, &CardEditor::cmdGalleriaClick);
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
    imgFoto->setParent(frame);
    imgFoto->setFixedSize(photoFrameSize);
    imgFoto->setAlignment(Qt::AlignCenter);
    frameLayout->addWidget(imgFoto);
    column->addWidget(frame);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    for (QToolButton* b : { btnCaricaFoto, btnSalvaFoto, btnCancFoto, btnZoomFoto }) {
        b->setParent(box);
        buttons->addWidget(b);
    }
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
