#pragma once

#include "ui/Interaction.h"

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
    bool openFile(const QString& path) override;
    bool openUrl(const QUrl& url) override;
    ReportResult printReport(QWidget* parent, const PrintableReport& report) override;
    ReportResult previewReport(QWidget* parent, const PrintableReport& report) override;

    // "JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|Bitmap (*.bmp)|*.bmp" as Qt writes a filter:
    // "JPEG (*.jpg *.jpeg);;Bitmap (*.bmp)".
    static QString qtFilter(const QString& programFilter);
};

} // namespace lumidex
