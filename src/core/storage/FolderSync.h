#pragma once

#include <QString>

namespace lumidex {

// Syncs the folder that holds `filePath`: a new or renamed file's entry reaches
// the disk only with its folder. Where the folder cannot be synced (a network
// share that keeps its entries its own way) there is nothing more to do, so this
// reports nothing.
void syncFolderOf(const QString& filePath);

} // namespace lumidex
