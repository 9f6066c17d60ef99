#include "gui/editor/CardEditor.h"

#include "common/Formatting.h"
#include "common/Text.h"
#include "editing/Navigation.h"
#include "gui/editor/EditorButtons.h"
#include "gui/editor/EditorStyle.h"
#include "gui/shell/ShowHelp.h"
#include "gui/zoom/ShowZoom.h"
#include "kinds/ArchiveProfile.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "storage/RecordLayout.h"
#include "texts/EditorTexts.h"
#include "ui/Interaction.h"
#include "ui/Pictures.h"
#include "ui/RecentFolders.h"
#include "ui/StorableInput.h"
#include "ui/TextButton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QToolButton>

namespace lumidex {

namespace {

QString fieldObjectName(const RecordLayout& layout, int index, const char* prefix)
{
    const auto name = layout.field(index).name;
    return QString::fromLatin1(prefix) + QString::fromLatin1(name.data(), qsizetype(name.size()));
}

QLabel* makeEditorLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

// The pixels the photo frame has on a screen of `devicePixelRatio`: what a photo
// is decoded at for display, however large its file.
QSize framePixels(qreal devicePixelRatio)
{
    return (QSizeF(CardEditor::photoFrameSize) * devicePixelRatio).toSize();
}

} // namespace

CardEditor::CardEditor(const QString& programDir, ArchiveKind kind, QWidget* parent)
    : WorkScreen(archiveProfile(kind).editorCaption, parent)
    , lblPosizione(makeEditorLabel(this, QStringLiteral("lblPosizione")))
    , imgFoto(makeEditorLabel(this, QStringLiteral("imgFoto")))
    , imgBianco(makeEditorLabel(this, QStringLiteral("imgBianco")))
    , cmdNuovo(makeEditorButton(this, QStringLiteral("cmdNuovo")))
    , cmdDuplica(makeEditorButton(this, QStringLiteral("cmdDuplica")))
    , cmdSalva(makeEditorButton(this, QStringLiteral("cmdSalva")))
    , cmdTrova(makeEditorButton(this, QStringLiteral("cmdTrova")))
    , cmdFile(makeEditorButton(this, QStringLiteral("cmdFile")))
    , cmdStampa(makeEditorButton(this, QStringLiteral("cmdStampa")))
    , cmdAnteprima(makeEditorButton(this, QStringLiteral("cmdAnteprima")))
    , cmdPrimo(makeEditorButton(this, QStringLiteral("cmdPrimo")))
    , cmdIndietro(makeEditorButton(this, QStringLiteral("cmdIndietro")))
    , cmdAvanti(makeEditorButton(this, QStringLiteral("cmdAvanti")))
    , cmdUltimo(makeEditorButton(this, QStringLiteral("cmdUltimo")))
    , cmdEsporta(makeEditorButton(this, QStringLiteral("cmdEsporta")))
    , cmdSlideshow(makeEditorButton(this, QStringLiteral("cmdSlideshow")))
    , cmdGuida(makeEditorButton(this, QStringLiteral("cmdGuida")))
    , cmdEsci(makeEditorButton(this, QStringLiteral("cmdEsci")))
    , btnCaricaFoto(makeEditorButton(this, QStringLiteral("btnCaricaFoto")))
    , btnSalvaFoto(makeEditorButton(this, QStringLiteral("btnSalvaFoto")))
    , btnCancFoto(makeEditorButton(this, QStringLiteral("btnCancFoto")))
    , btnZoomFoto(makeEditorButton(this, QStringLiteral("btnZoomFoto")))
    , cmdCompCard(archiveProfile(kind).sheet == CardSheet::CompCard
              ? makeEditorButton(this, QStringLiteral("cmdCompCard"))
              : nullptr)
    , cmdProvino(archiveProfile(kind).sheet == CardSheet::ContactSheet
              ? makeEditorButton(this, QStringLiteral("cmdProvino"))
              : nullptr)
    , cmdPacchetto(archiveProfile(kind).webOutput == WebOutput::Package
              ? makeEditorButton(this, QStringLiteral("cmdPacchetto"))
              : nullptr)
    , cmdGalleria(archiveProfile(kind).webOutput == WebOutput::Gallery
              ? makeEditorButton(this, QStringLiteral("cmdGalleria"))
              : nullptr)
    , m_programDir(programDir)
    , m_kind(kind)
    , m_profile(archiveProfile(kind))
{
    panel()->setStyleSheet(editorStyleSheet());

    const RecordLayout& layout = m_profile.layout;
    for (int i = 0; i < m_profile.editFieldCount; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(fieldObjectName(layout, i, "txt"));
        edit->setMaxLength(layout.capacity(i));
        keepStorable(*edit, [this](const QString& notice) { showNotice(notice); });
        edit->installEventFilter(this);
        m_fields << edit;
    }
    // The attached files travel with the card in hidden labels.
    for (int i = m_profile.editFieldCount; i < layout.fieldCount(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(fieldObjectName(layout, i, "lbl"));
        label->hide();
        m_attachments << label;
    }
    for (int i = 1; i < m_fields.size(); ++i)
        setTabOrder(m_fields[i - 1], m_fields[i]);

    imgBianco->hide();
    const QImage placeholder = renderPicture(m_profile.placeholderPicture, photoFrameSize);
    imgBianco->setPixmap(QPixmap::fromImage(placeholder));
    m_photo.setPlaceholder(placeholder);
    m_photo.setShownSize(framePixels(imgFoto->devicePixelRatioF()));

    statusLine()->setText(editortext::readyForNewCard());
}
void CardEditor::showEvent(QShowEvent* event)
{
    WorkScreen::showEvent(event);
    // Every time the screen is opened it starts from a new, empty card; a window
    // coming back from the taskbar keeps what it showed.
    if (!event->spontaneous())
        clearCard();
}

bool CardEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        const int index = edit ? int(m_fields.indexOf(edit)) : -1;
        if (index >= 0) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (fieldKeyPress(edit, key))
                return true;
            if (isEnterKey(key->key())) {
                m_fields.at(nextFieldAfter(index))->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    }
    return WorkScreen::eventFilter(watched, event);
}

bool CardEditor::fieldKeyPress(QLineEdit*, QKeyEvent*)
{
    return false;
}

int CardEditor::nextFieldAfter(int index) const
{
    return (index + 1) % int(m_fields.size());
}

QString CardEditor::photoPath(const QString& position) const
{
    return m_profile.photoPath(m_programDir, bookName(), position);
}

QStringList CardEditor::currentValues() const
{
    QStringList values;
    for (QLineEdit* edit : m_fields)
        values << edit->text();
    for (QLabel* label : m_attachments)
        values << label->text();
    return values;
}

void CardEditor::refreshPhoto()
{
    // A window moved to a screen of another pixel density has its photo decoded
    // again for it; otherwise the picture is already at the frame's size. The
    // card's own photo decoded anew is still the photo it was.
    const QSize pixels = framePixels(imgFoto->devicePixelRatioF());
    if (pixels != m_photo.shownSize()) {
        const bool photoAsLoaded = !photoChanged();
        m_photo.setShownSize(pixels);
        if (photoAsLoaded)
            rememberShownPhoto();
    }
    const QPixmap shown = fittedPixmap(m_photo.image(), imgFoto->size(), imgFoto->devicePixelRatioF());
    if (shown.isNull())
        imgFoto->clear();
    else
        imgFoto->setPixmap(shown);
}

void CardEditor::showArchiveError(const ArchiveError& error)
{
    interaction().message(this, MessageKind::Error, archiveFailureMessage(error), Buttons::OkCancel);
}

void CardEditor::clearCard()
{
    for (QLineEdit* edit : m_fields)
        edit->clear();
    for (QLabel* label : m_attachments)
        label->clear();
    m_photo.showPlaceholder();
    refreshPhoto();
    lblPosizione->clear();
    dismissNotice();
    firstField()->setFocus(Qt::OtherFocusReason);
    rememberShownCard();
}

void CardEditor::showRecord(int position, const QStringList& values)
{
    for (int i = 0; i < m_fields.size(); ++i) {
        m_fields[i]->setText(values.value(i));
        // A text longer than its field is read from its beginning, not its end.
        m_fields[i]->setCursorPosition(0);
    }
    for (int i = 0; i < m_attachments.size(); ++i)
        m_attachments[i]->setText(values.value(int(m_fields.size()) + i));
    lblPosizione->setText(QString::number(position));
    m_photo.loadFromCard(photoPath(lblPosizione->text()));
    refreshPhoto();
    dismissNotice();
    rememberShownCard();
}

void CardEditor::move(Move move)
{
    try {
        const Archive archive(archivePath(), m_profile.layout);
        // The count and the card it leads to come from one opening of the archive.
        MoveDecision decision;
        const QString label = lblPosizione->text();
        const Archive::CountAndCard chosen = archive.readChosen([&](int count) {
            decision = decideMove(move, label, count);
            return decision.kind == MoveDecision::Kind::Show ? decision.position : 0;
        });
        switch (decision.kind) {
        case MoveDecision::Kind::Nothing:
            return;
        case MoveDecision::Kind::EmptyArchive:
            if (decision.clearPosition)
                lblPosizione->clear();
            interaction().message(this, MessageKind::Information, editortext::emptyArchive(), Buttons::OkCancel);
            return;
        case MoveDecision::Kind::Show:
            showStoredCard(chosen.card);
            return;
        }
    } catch (const ArchiveError& error) {
        showArchiveError(error);
    }
}

void CardEditor::cmdNuovoClick()
{
    if (mayLeaveShownCard() != Leaving::Stay)
        clearCard();
}

void CardEditor::cmdPrimoClick()
{
    move(Move::First);
}

void CardEditor::cmdIndietroClick()
{
    move(Move::Previous);
}

void CardEditor::cmdAvantiClick()
{
    move(Move::Next);
}

void CardEditor::cmdUltimoClick()
{
    move(Move::Last);
}

void CardEditor::cmdSalvaClick()
{
    // The save tells the user how it went, stored or not; the button has
    // nothing to add.
    (void)saveCard();
}

bool CardEditor::saveCard()
{
    // No field may stay in the middle of an edit while the card is written.
    if (QWidget* focused = focusWidget())
        focused->clearFocus();

    for (const RequiredField& required : m_profile.requiredFields) {
        QLineEdit* edit = m_fields.at(required.field);
        if (text::trimmed(edit->text()).isEmpty()) {
            interaction().message(this, MessageKind::Warning, required.message, Buttons::OkCancel);
            edit->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }

    try {
        const Archive archive(archivePath(), m_profile.layout);
        const QString label = text::trimmed(lblPosizione->text());
        const bool isNew = label.isEmpty();
        const QStringList values = currentValues();
        int position = 0;
        if (isNew) {
            position = archive.append(values);
        } else {
            position = positionOf(label);
            archive.write(position, values);
        }
        lblPosizione->setText(QString::number(position));
        m_loaded.values = values;

        FailureCause photoCause;
        const CardPhoto::SaveResult photo = savePhoto(&photoCause);
        // The card is safe, but its photo is not: one message says both, rather
        // than a "saved" that a second box then takes back. The photo is still
        // the card's unsaved work.
        if (photo == CardPhoto::SaveResult::Failed) {
            interaction().message(
                this, MessageKind::Warning, withCause(editortext::photoNotSaved(), photoCause), Buttons::OkCancel);
            return false;
        }
        rememberShownPhoto();
        interaction().message(this, MessageKind::Information,
            isNew ? editortext::cardInserted() : editortext::changesSaved(), Buttons::OkCancel);
        return true;
    } catch (const ArchiveError& error) {
        showArchiveError(error);
        return false;
    }
}

CardPhoto::SaveResult CardEditor::savePhoto(FailureCause* cause)
{
    return m_photo.saveToCard(photoPath(lblPosizione->text()), cause);
}

void CardEditor::cmdDuplicaClick()
{
    if (text::trimmed(lblPosizione->text()).isEmpty()) {
        interaction().message(this, MessageKind::Warning, editortext::duplicateNeedsStoredCard(), Buttons::OkCancel);
        return;
    }
    // The stored card gives way to a new one, which keeps its texts.
    if (mayLeaveShownCard() == Leaving::Stay)
        return;
    for (QLabel* label : m_attachments)
        label->clear();
    lblPosizione->clear();
    m_photo.showPlaceholder();
    refreshPhoto();
    // The copy starts from the stored card's texts: what was typed into them
    // and not saved is still work to keep; the photo and the attached files
    // start afresh.
    for (qsizetype i = m_fields.size(); i < m_loaded.values.size(); ++i)
        m_loaded.values[i].clear();
    rememberShownPhoto();
    firstField()->setFocus(Qt::OtherFocusReason);
    interaction().message(this, MessageKind::Information, editortext::duplicateReady(), Buttons::OkCancel);
}

void CardEditor::cmdEsciClick()
{
    close();
}

void CardEditor::cmdGuidaClick()
{
    showHelp(this, m_programDir, m_profile.helpPage);
}

void CardEditor::btnCaricaFotoClick()
{
    const QString path = interaction().openFileName(this,
        { editortext::loadPhotoTitle(), editortext::loadPhotoFilter(), {}, {}, lastFolder(FolderUse::LoadPhoto) });
    if (path.isEmpty())
        return;
    rememberFolderOf(FolderUse::LoadPhoto, path);
    const bool loaded = m_photo.loadFromFile(path);
    refreshPhoto();
    if (loaded)
        photoLoaded(path);
}

void CardEditor::photoLoaded(const QString&) { }

void CardEditor::btnSalvaFotoClick()
{
    const QString path = interaction().saveFileName(this,
        { editortext::savePhotoTitle(), editortext::savePhotoFilter(), QStringLiteral("Foto.jpg"),
            QStringLiteral("jpg"), lastFolder(FolderUse::SavePhoto) });
    if (path.isEmpty())
        return;
    rememberFolderOf(FolderUse::SavePhoto, path);
    // A copy that could not be written must not cost the card its picture.
    FailureCause cause;
    if (!m_photo.exportTo(path, &cause))
        interaction().message(
            this, MessageKind::Warning, withCause(editortext::photoNotExported(), cause), Buttons::OkCancel);
}

void CardEditor::btnCancFotoClick()
{
    m_photo.showPlaceholder();
    refreshPhoto();
}

void CardEditor::btnZoomFotoClick()
{
    // Decoded from the photo's file at the size the zoom shows it.
    showZoom(this, m_photo.pictureFitting(zoomPictureSize(this)));
}

} // namespace lumidex
