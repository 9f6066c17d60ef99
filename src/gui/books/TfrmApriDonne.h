#pragma once

#include "gui/books/BookOpening.h"

namespace lumidex {

// The women's side of the book opening window.
class TfrmApriDonne : public BookOpening {
    Q_OBJECT
public:
    explicit TfrmApriDonne(const QString& programDir, QWidget* parent = nullptr)
        : BookOpening(programDir, ArchiveKind::WomenBook, parent)
    {
        setObjectName(QStringLiteral("frmApriDonne"));
    }
};

} // namespace lumidex
