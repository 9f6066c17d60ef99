#pragma once

#include "gui/export/ExportWindow.h"

namespace lumidex {

// Exports the book open in the men's book editor to "Book_Fotografico.xls".
class TfrmExpBookUomini : public ExportWindow {
    Q_OBJECT
public:
    TfrmExpBookUomini(const QString& programDir, const QString& bookPath, QWidget* parent = nullptr)
        : ExportWindow(ArchiveKind::MenBook, QStringLiteral("frmExpBookUomini"), programDir, bookPath, parent)
    { }
};

} // namespace lumidex
