#pragma once

#include <QString>

namespace lumidex {

// What a file dialog is for; each use keeps its own folder.
enum class FolderUse { LoadPhoto, SavePhoto, Attach };

// The folder of the file last chosen for `use` in this run of the program, or
// empty before the first choice. Nothing is written down: the next run starts
// from the dialogs' own folder again.
QString lastFolder(FolderUse use);

// Remembers the folder of `chosenFile` for the next dialog of `use`.
void rememberFolderOf(FolderUse use, const QString& chosenFile);

} // namespace lumidex
