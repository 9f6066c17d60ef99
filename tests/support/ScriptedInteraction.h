#pragma once

#include "ui/Interaction.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include <memory>

namespace lumidex::test {

// Stands in for the user in tests: records every message exactly, answers from a
// queue, hands out prepared file names and runs a test's callback where a real
// dialog would wait for the user. Installs itself for its lifetime.
class ScriptedInteraction : public Interaction {
public:
    struct Message {
        MessageKind kind;
        QString text;
        Buttons buttons;
        friend bool operator==(const Message&, const Message&) = default;
    };

    // A report handed to printing or previewing, rendered to a PDF file the test
    // can read back (empty path when the print dialog was cancelled; the pages
    // painted before "Annulla" when the user stopped the progress; the file the
    // user chose, as the program left it, for a print into a file).
    struct Report {
        bool preview;
        QString name;
        int pageCount;
        QString pdfPath;
    };

    ScriptedInteraction();
    ~ScriptedInteraction() override;

    // Answers given to the next messages, in order. An empty queue answers
    // Yes to questions and Ok to everything else.
    void queueAnswer(Answer answer) { m_answers.enqueue(answer); }
    // File names the next file dialogs return; an empty queue means Cancel.
    void queueOpenFileName(const QString& name) { m_openNames.enqueue(name); }
    void queueSaveFileName(const QString& name) { m_saveNames.enqueue(name); }
    // Folders the next folder choosers return; an empty queue means Cancel.
    void queueFolderName(const QString& name) { m_folderNames.enqueue(name); }
    // Called on every dialog run through the interaction, in place of exec(). The
    // dialog is shown first, so that what it does on showing has happened.
    void onDialog(std::function<void(QDialog&)> handler) { m_dialogHandler = std::move(handler); }
    // Called on every menu popped up through the interaction: returns the entry
    // the user picks (which is then triggered), or null to leave the menu.
    void onMenu(std::function<QAction*(QMenu&)> handler) { m_menuHandler = std::move(handler); }
    // Every long work started through the interaction: its labels in order (the
    // first, then each new one), its maximum and how far it was advanced.
    struct Work {
        QStringList labels;
        qint64 maximum = 0;
        qint64 done = 0;
        int advances = 0;
        bool cancelled = false;
    };
    const QList<Work>& works() const { return *m_works; }
    // The user presses "Annulla" at the `advances`-th advance of the next work
    // (1 for the first); the work sees it from that advance on.
    void cancelWorkAt(int advances) { m_cancelAt = advances; }
    // The desktop opens nothing for the next `count` files or links (they are
    // recorded all the same); otherwise it takes every one.
    void refuseOpens(int count = 1) { m_openRefusals = count; }
    // How the next print dialogs or previews end, and why a failed one failed;
    // an empty queue prints.
    void queueReportOutcome(ReportOutcome outcome, const FailureCause& cause = {})
    {
        m_reportOutcomes.enqueue({ outcome, cause });
    }
    // The user chooses, in the next print dialog, to print into the PDF file at
    // `path`: the pages go there as the program's own printing puts them into a
    // file, through the progress, which the test may stop (cancelWorkAt).
    void printIntoFile(const QString& path) { m_printFiles.enqueue(path); }

    const QList<Message>& messages() const { return m_messages; }
    QStringList messageTexts() const;
    const QList<FileDialogRequest>& openRequests() const { return m_openRequests; }
    const QList<FileDialogRequest>& saveRequests() const { return m_saveRequests; }
    // Files and links handed to the desktop, in order.
    const QStringList& openedFiles() const { return m_openedFiles; }
    const QList<QUrl>& openedUrls() const { return m_openedUrls; }
    const QList<FileDialogRequest>& folderRequests() const { return m_folderRequests; }
    int dialogsRun() const { return m_dialogsRun; }
    int menusRun() const { return m_menusRun; }
    const QList<Report>& reports() const { return m_reports; }
    // Class names of the dialogs run so far, in order.
    const QStringList& dialogClasses() const { return m_dialogClasses; }
    void clear();

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

private:
    bool desktopTakes();
    ReportResult render(bool preview, const PrintableReport& report);

    QQueue<Answer> m_answers;
    QQueue<QString> m_openNames;
    QQueue<QString> m_saveNames;
    QQueue<QString> m_folderNames;
    std::function<void(QDialog&)> m_dialogHandler;
    std::function<QAction*(QMenu&)> m_menuHandler;
    QList<Message> m_messages;
    QList<FileDialogRequest> m_openRequests;
    QList<FileDialogRequest> m_saveRequests;
    QStringList m_openedFiles;
    QList<QUrl> m_openedUrls;
    int m_openRefusals = 0;
    QList<FileDialogRequest> m_folderRequests;
    QStringList m_dialogClasses;
    int m_dialogsRun = 0;
    int m_menusRun = 0;
    // Shared with the progress objects, which may outlive a clear().
    std::shared_ptr<QList<Work>> m_works = std::make_shared<QList<Work>>();
    int m_cancelAt = 0;
    QQueue<ReportResult> m_reportOutcomes;
    QQueue<QString> m_printFiles;
    QList<Report> m_reports;
    QTemporaryDir m_reportDir;
};

// One message as a list, to compare with messages() in a single QCOMPARE.
QList<ScriptedInteraction::Message> onlyMessage(MessageKind kind, const QString& text, Buttons buttons);
// How QCOMPARE prints a message: kind, buttons and the text in quotes.
char* toString(const ScriptedInteraction::Message& message);

} // namespace lumidex::test
