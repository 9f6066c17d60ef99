#pragma once

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
} // namespace editortext

} // namespace lumidex
