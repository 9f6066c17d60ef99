#pragma once

#include "gui/books/BookOpening.h"

namespace lumidex {

// The men's side of the book opening window.
class TfrmApriUomini : public BookOpening {
    Q_OBJECT
public:
    explicit TfrmApriUomini(const QString& programDir, QWidget* parent = nullptr)
        : BookOpening(programDir, ArchiveKind::MenBook, parent)
    {
        setObjectName(QStringLiteral("frmApriUomini"));
    }
};

} // namespace lumidex
