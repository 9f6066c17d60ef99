#include "gui/attachments/TfrmAllegaCartella.h"

#include "attachments/AttachmentFiles.h"
#include "common/Formatting.h"
#include "common/ReadableFile.h"
#include "common/Text.h"
#include "kinds/ArchiveProfile.h"
#include "storage/Layouts.h"
#include "texts/AttachTexts.h"
#include "texts/CommonTexts.h"
#include "ui/FixedWindow.h"
#include "ui/Interaction.h"
#include "ui/NoticeLine.h"
#include "ui/PictureButton.h"
#include "ui/Pictures.h"
#include "ui/RecentFolders.h"
#include "ui/StorableInput.h"
#include "ui/TextButton.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <cerrno>
#include <tuple>

namespace lumidex {

namespace {

constexpr QSize instructionSize(577, 64);
constexpr QSize slotSize(577, 113);
// The descriptions' record fields are alike in every kind of card.
constexpr int descriptionCapacity = layouts::registry.capacity(layouts::registry.indexOf("Desc01"));
static_assert(descriptionCapacity == layouts::book.capacity(layouts::book.indexOf("Desc01")));

// The fields carry no highlight here, whatever the editor that opens the dialog uses.
const QString allegaStyleSheet = QStringLiteral(R"(
QWidget { font-family: Verdana; }
QFrame#panSfondo { background: white; border: 1px solid #CDDFEE; border-radius: 6px; }
QFrame[allegato="true"] { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #A8CAE5, stop:1 #FFFFFF);
    border: 1px solid #BCD3E8; border-radius: 4px; }
QFrame[allegato="true"] QLabel { background: transparent; border: none; font-size: 12pt; }
QLabel#panInfo { color: #1F3F66; font-size: 9pt; }
QLineEdit, QLineEdit:focus { background: white; border: 1px solid #8FA9C2; padding: 1px 3px; font-weight: bold; }
QLineEdit[nomeFile="true"] { color: #808080; font-size: 10pt; }
QLineEdit[descrizione="true"] { color: black; font-size: 12pt; }
)");

QPushButton* makeAttachmentButton(QWidget* parent, const QString& name, const QString& caption, const QSize& size)
{
    QPushButton* button = makeTextButton(parent, name, caption);
    button->setFixedSize(size);
    // Enter while typing a description must not close the dialog.
    button->setAutoDefault(false);
    return button;
}

QString numbered(const char* prefix, int index)
{
    return QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(index + 1, 2, 10, QLatin1Char('0'));
}

} // namespace

TfrmAllegaCartella::TfrmAllegaCartella(const QString& programDir, ArchiveKind kind, QWidget* parent)
    : QDialog(parent, Qt::Dialog | fixedFrame)
    , m_programDir(programDir)
{
    setUpFixedWindow(this, QStringLiteral("frmAllegaCartella"), attachtext::caption(), QSize(634, 534));
    setModal(true);
    applyFormatSettings();
    setStyleSheet(allegaStyleSheet);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panSfondo"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 10);
    outer->addWidget(panel);

    auto* instructions = new QLabel(panel);
    instructions->setObjectName(QStringLiteral("imgIstruzioni"));
    instructions->setFixedSize(instructionSize);
    instructions->setPixmap(
        QPixmap::fromImage(renderPicture(QStringLiteral(":/pictures/istruzioni-allega.svg"), instructionSize)));

    // The instruction picture at the top, the slots at 80, 200 and 320 from the
    // panel's top (its border included), the buttons at the bottom right.
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(17, 7, 17, 13);
    column->setSpacing(0);
    column->addWidget(instructions, 0, Qt::AlignHCenter);
    column->addSpacing(8);
    for (int i = 0; i < slotCount; ++i) {
        if (i > 0)
            column->addSpacing(7);
        column->addWidget(buildSlot(panel, i), 0, Qt::AlignHCenter);
    }
    column->addStretch(1);

    // What became of a letter typed into a description, said where the user looks.
    panInfo = new QLabel(panel);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    column->addWidget(panInfo);
    column->addSpacing(2);

    btnAnnulla = makeAttachmentButton(panel, QStringLiteral("btnAnnulla"), commontext::cancelButton(), QSize(126, 32));
    btnApplica = makeAttachmentButton(panel, QStringLiteral("btnApplica"), attachtext::applyButton(), QSize(154, 32));
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addStretch(1);
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(btnApplica);
    column->addLayout(buttons);

    lblMemory = new QLabel(archiveProfile(kind).cardMarker, this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    const auto controlsOf = [this](int index) {
        const Slot& slot = m_slots[index];
        return std::tie(slot.txtFile, slot.imgCancella, slot.btnSfoglia, slot.btnApri, slot.txtDesc);
    };
    std::tie(txtFile01, imgCancella01, btnSfoglia01, btnApri01, txtDesc01) = controlsOf(0);
    std::tie(txtFile02, imgCancella02, btnSfoglia02, btnApri02, txtDesc02) = controlsOf(1);
    std::tie(txtFile03, imgCancella03, btnSfoglia03, btnApri03, txtDesc03) = controlsOf(2);

    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmAllegaCartella::btnAnnullaClick);
}

QWidget* TfrmAllegaCartella::buildSlot(QWidget* parent, int index)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(numbered("panAllegato", index));
    frame->setProperty("allegato", true);
    frame->setFixedSize(slotSize);

    const QString nth = QString::number(index + 1) + attachtext::slotCaption();
    auto* nameCaption = new QLabel(attachtext::nameCaption() + nth, frame);
    auto* descriptionCaption = new QLabel(attachtext::descriptionCaption() + nth, frame);

    Slot& slot = m_slots[index];
    slot.txtFile = new QLineEdit(frame);
    slot.txtFile->setObjectName(numbered("txtFile", index));
    slot.txtFile->setProperty("nomeFile", true);
    slot.txtFile->setReadOnly(true);
    // Only "Sfoglia..." and the eraser change it: the keyboard passes it by.
    slot.txtFile->setFocusPolicy(Qt::ClickFocus);
    slot.txtFile->setFixedWidth(338);
    slot.imgCancella = makePictureButton(frame, numbered("imgCancella", index), QStringLiteral(":/icons/cancella.svg"),
        QSize(22, 22), attachtext::eraseTip());
    slot.imgCancella->setToolTip(slot.imgCancella->statusTip());
    slot.btnSfoglia
        = makeAttachmentButton(frame, numbered("btnSfoglia", index), attachtext::browseButton(), QSize(86, 28));
    slot.btnApri = makeAttachmentButton(frame, numbered("btnApri", index), attachtext::openButton(), QSize(86, 28));
    slot.btnApri->setEnabled(false);
    slot.txtDesc = new QLineEdit(frame);
    slot.txtDesc->setObjectName(numbered("txtDesc", index));
    slot.txtDesc->setProperty("descrizione", true);
    slot.txtDesc->setFixedWidth(552);
    // As long as the record field it is saved into, and in the letters it keeps.
    slot.txtDesc->setMaxLength(descriptionCapacity);
    keepStorable(*slot.txtDesc, [this](const QString& notice) { showOnOneLine(*panInfo, notice); });

    auto* nameRow = new QHBoxLayout;
    nameRow->setSpacing(6);
    nameRow->addWidget(slot.txtFile);
    nameRow->addWidget(slot.imgCancella);
    nameRow->addWidget(slot.btnSfoglia);
    nameRow->addWidget(slot.btnApri);
    nameRow->addStretch(1);
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(12, 4, 12, 6);
    column->setSpacing(2);
    column->addWidget(nameCaption);
    column->addLayout(nameRow);
    column->addWidget(descriptionCaption);
    column->addWidget(slot.txtDesc);

    connect(slot.txtFile, &QLineEdit::textChanged, this, [this, index] { nameChanged(index); });
    connect(slot.imgCancella, &QToolButton::clicked, this, [this, index] { erase(index); });
    connect(slot.btnSfoglia, &QPushButton::clicked, this, [this, index] { browse(index); });
    connect(slot.btnApri, &QPushButton::clicked, this, [this, index] { open(index); });
    return frame;
}

void TfrmAllegaCartella::setAttachments(const QStringList& values)
{
    for (int i = 0; i < slotCount; ++i) {
        m_slots[i].txtFile->setText(text::trimmed(values.value(i)));
        m_slots[i].txtFile->setCursorPosition(0);
        m_slots[i].txtDesc->setText(text::trimmed(values.value(slotCount + i)));
        m_slots[i].txtDesc->setCursorPosition(0);
    }
}

QStringList TfrmAllegaCartella::attachments() const
{
    QStringList values;
    for (const Slot& slot : m_slots)
        values << text::trimmed(slot.txtFile->text());
    for (const Slot& slot : m_slots)
        values << text::trimmed(slot.txtDesc->text());
    return values;
}

void TfrmAllegaCartella::nameChanged(int index)
{
    const Slot& slot = m_slots[index];
    // A name that is no file of the attachments folder (one that leads out of it)
    // is kept for the card but has nothing to open.
    slot.btnApri->setEnabled(attachments::isAttachmentName(slot.txtFile->text()));
    // A long name stays readable in full.
    slot.txtFile->setToolTip(slot.txtFile->text());
}

void TfrmAllegaCartella::browse(int index)
{
    const QString chosen = interaction().openFileName(
        this, { attachtext::chooseTitle(), attachtext::chooseFilter(), {}, {}, lastFolder(FolderUse::Attach) });
    if (chosen.isEmpty())
        return;
    rememberFolderOf(FolderUse::Attach, chosen);
    const QString name = QFileInfo(chosen).fileName();
    // Refused before anything is copied: the card would keep another name than the file's.
    if (!attachments::canStoreName(name)) {
        interaction().message(this, MessageKind::Warning, attachtext::nameNotStorable(), Buttons::Ok);
        return;
    }

    QLineEdit* field = m_slots[index].txtFile;
    const QString before = field->text();
    field->setText(name);
    field->setCursorPosition(0);
    // The copy shows its progress once it has lasted half a second, and can be
    // stopped; a small file is in the folder before anything would show.
    std::unique_ptr<Progress> progress;
    const qint64 size = QFileInfo(chosen).size();
    FailureCause cause;
    const auto outcome = attachments::attachFile(
        m_programDir, chosen,
        [this] {
            return interaction().message(this, MessageKind::Confirmation, attachtext::replaceQuestion(), Buttons::YesNo)
                == Answer::Yes;
        },
        [&](qint64 copied) {
            if (!progress)
                progress = interaction().startProgress(this, attachtext::copying(), size);
            return progress->advance(copied);
        },
        &cause);
    progress.reset();
    // A stopped copy leaves the slot as it was, as the folder is.
    if (outcome == attachments::AttachOutcome::Cancelled) {
        field->setText(before);
        field->setCursorPosition(0);
        return;
    }
    // The card must not point at a file the folder does not hold.
    if (outcome == attachments::AttachOutcome::Failed) {
        field->setText(before);
        interaction().message(this, MessageKind::Warning, withCause(attachtext::copyFailed(), cause), Buttons::Ok);
    }
}

void TfrmAllegaCartella::open(int index)
{
    const QString path = attachments::attachedFilePath(m_programDir, m_slots[index].txtFile->text());
    if (path.isEmpty())
        return;
    if (interaction().openFile(path))
        return;
    // A file gone from the folder can be attached again; one the system will not
    // let be read says why; otherwise nothing here opens its kind.
    const QString name = QFileInfo(path).fileName();
    const FailureCause unreadable = readFailureOf(path);
    QString message = attachtext::noApplication(name);
    if (unreadable.systemError() == ENOENT)
        message = attachtext::fileMissing(name);
    else if (unreadable.isKnown())
        message = withCause(attachtext::fileUnreadable(name), unreadable);
    interaction().message(this, MessageKind::Warning, message, Buttons::Ok);
}

void TfrmAllegaCartella::erase(int index)
{
    // The description stays, and so does the file in the folder.
    m_slots[index].txtFile->clear();
}

void TfrmAllegaCartella::btnApplicaClick()
{
    m_applied = attachments();
    accept();
}

void TfrmAllegaCartella::btnAnnullaClick()
{
    reject();
}

void TfrmAllegaCartella::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}

void TfrmAllegaCartella::paintEvent(QPaintEvent*)
{
    paintVerticalGradient(this, QColor(0xEB, 0xE9, 0xE9), Qt::white);
}

} // namespace lumidex
