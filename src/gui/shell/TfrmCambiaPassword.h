#pragma once

#include "gui/shell/PasswordWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace lumidex {

class FocusFrame;

// Replaces the stored password after checking the old one; the new one must be
// typed twice alike.
class TfrmCambiaPassword : public PasswordWindow {
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(const QString& programDir, QWidget* parent = nullptr);

public slots:
    void cmdOKClick();
    void cmdEsciClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* imgLogo = nullptr;
    QLineEdit* txtPasswordOld = nullptr;
    QLineEdit* txtPasswordNew = nullptr;
    QLineEdit* txtConferma = nullptr;
    FocusFrame* effPasswordOld = nullptr;
    FocusFrame* effPasswordNew = nullptr;
    FocusFrame* effConferma = nullptr;
    QPushButton* cmdEsci = nullptr;
    QPushButton* cmdOK = nullptr;

    bool allFilled() const;
    void clearFields();
    void fieldsChange();
    void refuseNewPassword(const QString& message);
};

} // namespace lumidex
