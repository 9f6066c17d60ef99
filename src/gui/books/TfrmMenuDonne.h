#pragma once

#include "gui/books/BookMenu.h"

namespace lumidex {

// The women's side of the book menu.
class TfrmMenuDonne : public BookMenu {
    Q_OBJECT
public:
    explicit TfrmMenuDonne(const QString& programDir, QWidget* parent = nullptr)
        : BookMenu(programDir, ArchiveKind::WomenBook, parent)
    {
        setObjectName(QStringLiteral("frmMenuDonne"));
    }
};

} // namespace lumidex
