#pragma once

#include "storage/StorableText.h"

#include <QList>
#include <QString>

namespace lumidex {

// Messages shared by both editors.
namespace editortext {
QString emptyArchive();
QString changesSaved();
QString cardInserted();
QString duplicateNeedsStoredCard();
QString duplicateReady();
QString photoNotSaved();
QString photoNotExported();
QString readyForNewCard();
// Asked before a card with changes gives way to another, or the editor closes.
QString saveChangesQuestion();
// What the status line says of a character the archive cannot hold, written in
// its plain form or left out.
QString characterReplaced(const QString& character, const QString& replacement);
QString characterRefused(const QString& character);
// The status line's words for the changes made to one arriving text: one
// sentence per character, each said once.
QString storableNotice(const QList<storabletext::Change>& changes);
// The status tip of an editor's picture button, by its object name ("cmdSalva");
// empty for a name no editor button has.
QString buttonTip(const QString& buttonName);
// The file dialogs of the photo: their titles and filters.
QString loadPhotoTitle();
QString loadPhotoFilter();
QString savePhotoTitle();
QString savePhotoFilter();
} // namespace editortext

} // namespace lumidex
