#pragma once

#include "gui/shell/ShellDialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace lumidex {

class LinkLabel;

// The help window: shows the title and the page text its caller gives it, and
// offers the full manual "Guida.pdf" of the program folder.
class TfrmGuida : public ShellDialog {
    Q_OBJECT
public:
    explicit TfrmGuida(const QString& programDir, QWidget* parent = nullptr);

    // The page shown: its title and its text.
    void showPage(const QString& title, const QString& text);

public slots:
    void lnkWebClick();

private:
    QLabel* imgLogo = nullptr;
    QLabel* lblTitolo = nullptr;
    QPlainTextEdit* txtGuida = nullptr;
    QToolButton* imgPDF = nullptr;
    LinkLabel* lnkWeb = nullptr;
    QPushButton* btnChiudi = nullptr;

    QString m_programDir;
};

} // namespace lumidex
