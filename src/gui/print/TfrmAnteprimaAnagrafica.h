#pragma once

#include "gui/print/CardPrintWindow.h"

namespace lumidex {

// Shows the registry card of the registry editor in the print preview.
class TfrmAnteprimaAnagrafica : public CardPrintWindow {
    Q_OBJECT
public:
    explicit TfrmAnteprimaAnagrafica(QWidget* parent = nullptr)
        : CardPrintWindow(ArchiveKind::Registry, CardOutput::Preview, QStringLiteral("frmAnteprimaAnagrafica"), parent)
    { }
};

} // namespace lumidex
