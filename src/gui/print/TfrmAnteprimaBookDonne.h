#pragma once

#include "gui/print/CardPrintWindow.h"

namespace lumidex {

// Shows the entry of the women's book editor in the print preview.
class TfrmAnteprimaBookDonne : public CardPrintWindow {
    Q_OBJECT
public:
    explicit TfrmAnteprimaBookDonne(QWidget* parent = nullptr)
        : CardPrintWindow(ArchiveKind::WomenBook, CardOutput::Preview, QStringLiteral("frmAnteprimaBookDonne"), parent)
    { }
};

} // namespace lumidex
