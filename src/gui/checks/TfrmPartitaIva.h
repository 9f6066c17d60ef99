#pragma once

#include "gui/checks/CheckWindow.h"

namespace lumidex {

// Checks an Italian VAT number and names the VAT office that issued it.
class TfrmPartitaIva : public CheckWindow {
    Q_OBJECT

public:
    explicit TfrmPartitaIva(QWidget* parent = nullptr);

protected:
    void btnControllaClick() override;

private:
    QLineEdit* txtPartitaIva = nullptr;
};

} // namespace lumidex
