#pragma once

#include "gui/print/CardPrintWindow.h"

namespace lumidex {

// Prints the registry card shown in the registry editor.
class TfrmStampaAnagrafica : public CardPrintWindow {
    Q_OBJECT
public:
    explicit TfrmStampaAnagrafica(QWidget* parent = nullptr)
        : CardPrintWindow(ArchiveKind::Registry, CardOutput::Print, QStringLiteral("frmStampaAnagrafica"), parent)
    { }
};

} // namespace lumidex
