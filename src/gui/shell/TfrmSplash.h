#pragma once

#include "gui/shell/ShellDialog.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace lumidex {

class LinkLabel;

// The credits window: who made the program, and a link to the maker's web site.
class TfrmSplash : public ShellDialog {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);

public slots:
    void lnkWebClick();

private:
    QLabel* imgLogo = nullptr;
    QToolButton* imgWeb = nullptr;
    LinkLabel* lnkWeb = nullptr;
    QPushButton* btnChiudi = nullptr;
};

} // namespace lumidex
