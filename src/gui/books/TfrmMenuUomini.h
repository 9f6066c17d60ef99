#pragma once

#include "gui/books/BookMenu.h"

namespace lumidex {

// The men's side of the book menu.
class TfrmMenuUomini : public BookMenu {
    Q_OBJECT
public:
    explicit TfrmMenuUomini(const QString& programDir, QWidget* parent = nullptr)
        : BookMenu(programDir, ArchiveKind::MenBook, parent)
    {
        setObjectName(QStringLiteral("frmMenuUomini"));
    }
};

} // namespace lumidex
