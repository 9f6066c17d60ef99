#pragma once

#include "gui/search/SearchWindow.h"

namespace lumidex {

// The men's book search: the entries of the open men's book, for its editor.
class TfrmTrovaBookUomini : public SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaBookUomini(const QString& archivePath, QWidget* parent = nullptr)
        : SearchWindow(ArchiveKind::MenBook, archivePath, parent)
    {
        setObjectName(QStringLiteral("frmTrovaBookUomini"));
    }
};

} // namespace lumidex
