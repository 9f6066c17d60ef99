#pragma once

#include "gui/print/CardPrintWindow.h"

namespace lumidex {

// Prints the entry shown in the women's book editor.
class TfrmStampaBookDonne : public CardPrintWindow {
    Q_OBJECT
public:
    explicit TfrmStampaBookDonne(QWidget* parent = nullptr)
        : CardPrintWindow(ArchiveKind::WomenBook, CardOutput::Print, QStringLiteral("frmStampaBookDonne"), parent)
    { }
};

} // namespace lumidex
