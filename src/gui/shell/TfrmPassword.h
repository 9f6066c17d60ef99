#pragma once

#include "gui/shell/PasswordWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace lumidex {

class FocusFrame;

// The login window, the program's first window: the typed password, once
// upper-cased and trimmed, must match the one in the password store.
class TfrmPassword : public PasswordWindow {
    Q_OBJECT
public:
    explicit TfrmPassword(const QString& programDir, QWidget* parent = nullptr);

signals:
    // The right password was typed: the start menu takes over.
    void accessGranted();
    void changePasswordRequested();

public slots:
    void cmdOKClick();
    void cmdEsciClick();
    void btnCambiaPasswordClick();

public:
    // Back from the change-password window: an empty field with the focus in it.
    void startOver();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QLabel* imgLogo = nullptr;
    QLabel* lblIstruzioni = nullptr;
    QLineEdit* txtPassword = nullptr;
    FocusFrame* effPassword = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdEsci = nullptr;
    QPushButton* btnCambiaPassword = nullptr;

    void txtPasswordChange();
};

} // namespace lumidex
