#pragma once

#include "gui/print/CardPrintWindow.h"

namespace lumidex {

// Prints the entry shown in the men's book editor.
class TfrmStampaBookUomini : public CardPrintWindow {
    Q_OBJECT
public:
    explicit TfrmStampaBookUomini(QWidget* parent = nullptr)
        : CardPrintWindow(ArchiveKind::MenBook, CardOutput::Print, QStringLiteral("frmStampaBookUomini"), parent)
    { }
};

} // namespace lumidex
