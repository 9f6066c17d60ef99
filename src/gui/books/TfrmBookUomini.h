#pragma once

#include "gui/books/BookEditor.h"

namespace lumidex {

// The men's side of the book entry editor.
class TfrmBookUomini : public BookEditor {
    Q_OBJECT
public:
    explicit TfrmBookUomini(const QString& programDir, QWidget* parent = nullptr)
        : BookEditor(programDir, ArchiveKind::MenBook, parent)
    {
        setObjectName(QStringLiteral("frmBookUomini"));
    }
};

} // namespace lumidex
