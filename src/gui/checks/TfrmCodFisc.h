#pragma once

#include "gui/checks/CheckWindow.h"

namespace lumidex {

// Checks the check character of an Italian tax code.
class TfrmCodFisc : public CheckWindow {
    Q_OBJECT

public:
    explicit TfrmCodFisc(QWidget* parent = nullptr);

protected:
    void btnControllaClick() override;

private:
    QLineEdit* txtCodFisc = nullptr;
};

} // namespace lumidex
