#pragma once

#include "gui/books/BookCreation.h"

namespace lumidex {

// The men's side of the book creation window.
class TfrmCreaUomini : public BookCreation {
    Q_OBJECT
public:
    explicit TfrmCreaUomini(const QString& programDir, QWidget* parent = nullptr)
        : BookCreation(programDir, ArchiveKind::MenBook, parent)
    {
        setObjectName(QStringLiteral("frmCreaUomini"));
    }
};

} // namespace lumidex
