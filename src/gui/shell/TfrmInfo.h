#pragma once

#include "gui/shell/ShellDialog.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace lumidex {

class LinkLabel;

// The information window: what the program is for, and a link that opens a new
// message to the maker in the user's mail program.
class TfrmInfo : public ShellDialog {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget* parent = nullptr);

public slots:
    void lnkWebClick();

private:
    QLabel* imgLogo = nullptr;
    QLabel* lblInfo = nullptr;
    QLabel* imgInfoAnagrafica = nullptr;
    QLabel* imgInfoBook = nullptr;
    QLabel* lblDescrizione = nullptr;
    QLabel* lblVersione = nullptr;
    QToolButton* imgEmail = nullptr;
    LinkLabel* lnkWeb = nullptr;
    QPushButton* btnChiudi = nullptr;
};

} // namespace lumidex
