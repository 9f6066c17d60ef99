#pragma once

#include "kinds/ArchiveKind.h"

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace lumidex {

// Opens the attached files dialog for the editor of `kind`, with the card's
// attachments in record order (three names, three descriptions), and
// returns them as the user applied them, trimmed; nothing after "Annulla". Files
// chosen are already in the attachments folder either way.
std::optional<QStringList> attachFiles(
    QWidget* owner, const QString& programDir, ArchiveKind kind, const QStringList& attachments);

} // namespace lumidex
