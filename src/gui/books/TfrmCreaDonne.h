#pragma once

#include "gui/books/BookCreation.h"

namespace lumidex {

// The women's side of the book creation window.
class TfrmCreaDonne : public BookCreation {
    Q_OBJECT
public:
    explicit TfrmCreaDonne(const QString& programDir, QWidget* parent = nullptr)
        : BookCreation(programDir, ArchiveKind::WomenBook, parent)
    {
        setObjectName(QStringLiteral("frmCreaDonne"));
    }
};

} // namespace lumidex
