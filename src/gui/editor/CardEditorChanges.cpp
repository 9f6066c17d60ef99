#include "gui/editor/CardEditor.h"

#include "kinds/ArchiveProfile.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "texts/EditorTexts.h"
#include "ui/Interaction.h"

#include <QCloseEvent>

namespace lumidex {

CardState CardEditor::cardOnScreen() const
{
    return { currentValues(), m_photo.showsPlaceholder(), m_photo.image() };
}

void CardEditor::rememberShownCard()
{
    m_loaded = cardOnScreen();
}

void CardEditor::rememberShownPhoto()
{
    m_loaded.placeholderPhoto = m_photo.showsPlaceholder();
    m_loaded.photo = m_photo.image();
}

bool CardEditor::photoChanged() const
{
    return cardChanged(
        { {}, m_loaded.placeholderPhoto, m_loaded.photo }, { {}, m_photo.showsPlaceholder(), m_photo.image() });
}

bool CardEditor::hasUnsavedChanges() const
{
    return cardChanged(m_loaded, cardOnScreen());
}

CardEditor::Leaving CardEditor::mayLeaveShownCard()
{
    if (!hasUnsavedChanges())
        return Leaving::Go;
    switch (interaction().message(
        this, MessageKind::Confirmation, editortext::saveChangesQuestion(), Buttons::YesNoCancel)) {
    case Answer::Yes:
        // Exactly as Save: a required field missing or a write that failed has
        // been told, and the card stays for the user to put right.
        return saveCard() ? Leaving::GoSaved : Leaving::Stay;
    case Answer::No:
        return Leaving::Go;
    case Answer::Cancel:
    case Answer::Ok:
        break;
    }
    return Leaving::Stay;
}

bool CardEditor::showStoredCard(const Card& card)
{
    switch (mayLeaveShownCard()) {
    case Leaving::Stay:
        return false;
    case Leaving::Go:
        showRecord(card.position, card.values);
        return true;
    case Leaving::GoSaved:
        break;
    }
    // The card was read before the Save, which may have written that very
    // card: it is shown as it is stored now.
    try {
        showRecord(card.position, Archive(archivePath(), profile().layout).read(card.position));
        return true;
    } catch (const ArchiveError& error) {
        showArchiveError(error);
        return false;
    }
}

void CardEditor::closeEvent(QCloseEvent* event)
{
    if (mayLeaveShownCard() == Leaving::Stay) {
        event->ignore();
        return;
    }
    WorkScreen::closeEvent(event);
}

} // namespace lumidex
