#pragma once

#include "common/FailureCause.h"

#include <QString>
#include <functional>
#include <memory>

class QAction;
class QDialog;
class QMenu;
class QPoint;
class QUrl;
class QWidget;

namespace lumidex {

class PrintableReport;

// The kind of a message decides its icon and title, as the user knows them from
// the system's own message boxes. Plain is the bare box with no icon.
enum class MessageKind { Warning, Error, Information, Confirmation, Plain };

// YesNoCancel is the question that may also be called off: "Sì", "No" and
// "Annulla", where closing the box answers Annulla.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };

enum class Answer { Ok, Cancel, Yes, No };

// How printing or previewing a report ended.
enum class ReportOutcome { Done, Cancelled, Failed };

// How printing or previewing a report ended and, for a print into a file that
// could not be written, why.
struct ReportResult {
    ReportOutcome outcome = ReportOutcome::Done;
    FailureCause cause;
};

// Long work the user sees going on and may stop: a progress window with
// "Annulla" over its owner, shown only once the work has lasted about half a
// second, so that short work shows nothing. The windows behind it keep
// repainting while the work advances.
class Progress {
public:
    virtual ~Progress() = default;
    // How far the work is, from 0 to the maximum it was started with. False once
    // the user has asked to stop: the work ends at its next safe point.
    virtual bool advance(qint64 done) = 0;
    // A new line for the window ("Stampa in corso... pagina 3 di 12").
    virtual void setLabel(const QString& label) = 0;
    virtual bool cancelled() const = 0;
};

// A file dialog as the program words it. The filter keeps the program's own
// "Description|patterns|Description|patterns" form; the real dialog translates it.
struct FileDialogRequest {
    QString title;
    QString filter;
    QString proposedName;
    QString defaultSuffix;
    QString directory;
};

// Everything a window asks of the user or of the desktop goes through here, so
// that windows never block on a modal box of their own and tests can script the
// user's answers.
class Interaction {
public:
    virtual ~Interaction() = default;

    virtual Answer message(QWidget* parent, MessageKind kind, const QString& text, Buttons buttons) = 0;
    virtual QString openFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    // The folder chooser (title and starting folder of the request); empty when
    // the user cancels it.
    virtual QString folderName(QWidget* parent, const FileDialogRequest& request) = 0;
    // Runs one of the program's own dialogs modally and returns its result code.
    virtual int runDialog(QDialog& dialog) = 0;
    // Pops a menu up at `globalPos` until the user picks an entry or leaves it;
    // the picked entry has been triggered. Null when none was picked.
    virtual QAction* runMenu(QMenu& menu, const QPoint& globalPos) = 0;
    // Starts the progress of long work of `maximum` steps (bytes, pages, rows);
    // it ends when the returned object goes.
    virtual std::unique_ptr<Progress> startProgress(QWidget* owner, const QString& label, qint64 maximum) = 0;
    // Hands the file at `path` to the desktop, which opens it with the
    // application the system has for its kind. False when nothing took it: no
    // application opens a file of that kind, or there is no such file.
    [[nodiscard]] virtual bool openFile(const QString& path) = 0;
    // Hands a web address or a "mailto:" link to the desktop: the browser, the
    // mail program. False when the desktop refused it.
    [[nodiscard]] virtual bool openUrl(const QUrl& url) = 0;

    // Prints a composed report through the print dialog (printer, page range,
    // copies): Cancelled when the user cancels it, Failed when the pages could
    // not be printed. A print into a file leaves the file that was there until
    // every page is written, so a print stopped or failed keeps it.
    [[nodiscard]] virtual ReportResult printReport(QWidget* parent, const PrintableReport& report) = 0;
    // Shows a composed report in the modal preview window; its print command goes
    // through the same print dialog. Done once the user closes it.
    [[nodiscard]] virtual ReportResult previewReport(QWidget* parent, const PrintableReport& report) = 0;

    // The plain OK-only box of the password, search and export windows.
    void plain(QWidget* parent, const QString& text) { message(parent, MessageKind::Plain, text, Buttons::Ok); }
};

// The interaction in use: the real one unless a test installed its own.
Interaction& interaction();
// Installs a replacement (nullptr restores the real one). The caller keeps ownership.
void installInteraction(Interaction* replacement);

} // namespace lumidex
