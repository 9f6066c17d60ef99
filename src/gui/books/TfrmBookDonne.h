#pragma once

#include "gui/books/BookEditor.h"

namespace lumidex {

// The women's side of the book entry editor.
class TfrmBookDonne : public BookEditor {
    Q_OBJECT
public:
    explicit TfrmBookDonne(const QString& programDir, QWidget* parent = nullptr)
        : BookEditor(programDir, ArchiveKind::WomenBook, parent)
    {
        setObjectName(QStringLiteral("frmBookDonne"));
    }
};

} // namespace lumidex
