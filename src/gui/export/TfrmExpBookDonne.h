#pragma once

#include "gui/export/ExportWindow.h"

namespace lumidex {

// Exports the book open in the women's book editor to "Book_Fotografico.xls".
class TfrmExpBookDonne : public ExportWindow {
    Q_OBJECT
public:
    TfrmExpBookDonne(const QString& programDir, const QString& bookPath, QWidget* parent = nullptr)
        : ExportWindow(ArchiveKind::WomenBook, QStringLiteral("frmExpBookDonne"), programDir, bookPath, parent)
    { }
};

} // namespace lumidex
