#pragma once

#include "ui/Interaction.h"

#include <QUrl>

namespace lumidex {

// The interaction with a person at the screen: Qt's own message boxes and file
// dialogs, modal dialogs run with exec(), the desktop's open verb.
class RealInteraction : public Interaction {
public:
    Answer message(QWidget* parent, MessageKind kind, const QString& text, Buttons buttons) override;
    QString openFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString saveFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString folderName(QWidget* parent, const FileDialogRequest& request) override;
    int runDialog(QDialog& dialog) override;
    QAction* runMenu(QMenu& menu, const QPoint& globalPos) override;
    std::unique_ptr<Progress> startProgress(QWidget* owner, const QString& label, qint64 maximum) override;
    bool openWithShell(const QString& command) override;
    ReportOutcome printReport(QWidget* parent, const PrintableReport& report) override;
    ReportOutcome previewReport(QWidget* parent, const PrintableReport& report) override;

    // "JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|Bitmap (*.bmp)|*.bmp" as Qt writes a filter:
    // "JPEG (*.jpg *.jpeg);;Bitmap (*.bmp)".
    static QString qtFilter(const QString& programFilter);
    // What the desktop is asked to open: a web address as it is, a quoted path
    // or "mailto:" link without its quotes.
    static QUrl shellUrl(const QString& command);
};

} // namespace lumidex
