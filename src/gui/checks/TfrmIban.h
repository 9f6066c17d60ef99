#pragma once

#include "gui/checks/CheckWindow.h"

namespace lumidex {

// Checks the MOD 97-10 check digits of an Italian IBAN.
class TfrmIban : public CheckWindow {
    Q_OBJECT

public:
    explicit TfrmIban(QWidget* parent = nullptr);

protected:
    void btnControllaClick() override;

private:
    QLineEdit* txtIban = nullptr;
};

} // namespace lumidex
