#pragma once

#include "gui/print/CardPrintWindow.h"

namespace lumidex {

// Shows the entry of the men's book editor in the print preview.
class TfrmAnteprimaBookUomini : public CardPrintWindow {
    Q_OBJECT
public:
    explicit TfrmAnteprimaBookUomini(QWidget* parent = nullptr)
        : CardPrintWindow(ArchiveKind::MenBook, CardOutput::Preview, QStringLiteral("frmAnteprimaBookUomini"), parent)
    { }
};

} // namespace lumidex
