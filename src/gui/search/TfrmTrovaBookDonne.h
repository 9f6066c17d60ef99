#pragma once

#include "gui/search/SearchWindow.h"

namespace lumidex {

// The women's book search: the entries of the open women's book, for its editor.
class TfrmTrovaBookDonne : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaBookDonne(const QString& archivePath, QWidget* parent = nullptr)
        : SearchWindow(ArchiveKind::WomenBook, archivePath, parent)
    {
        setObjectName(QStringLiteral("frmTrovaBookDonne"));
    }
};

} // namespace lumidex
