#include "support/ScriptedInteraction.h"

#include "report/PrintableReport.h"
#include "ui/PrinterOutput.h"
#include "ui/ReportProgress.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QPdfWriter>
#include <QPrinter>

namespace lumidex::test {

namespace {

// A long work as the scripted user sees it: every step noted, "Annulla" pressed
// when the test asked for it.
class ScriptedProgress : public Progress {
public:
    ScriptedProgress(std::shared_ptr<QList<ScriptedInteraction::Work>> works, int cancelAt)
        : m_works(std::move(works))
        , m_index(m_works->size() - 1)
        , m_cancelAt(cancelAt)
    { }
    bool advance(qint64 done) override
    {
        ScriptedInteraction::Work& work = (*m_works)[m_index];
        work.done = done;
        ++work.advances;
        if (m_cancelAt > 0 && work.advances >= m_cancelAt)
            work.cancelled = true;
        return !work.cancelled;
    }
    void setLabel(const QString& label) override { (*m_works)[m_index].labels << label; }
    bool cancelled() const override { return (*m_works)[m_index].cancelled; }

private:
    std::shared_ptr<QList<ScriptedInteraction::Work>> m_works;
    qsizetype m_index;
    int m_cancelAt;
};

} // namespace

ScriptedInteraction::ScriptedInteraction()
{
    installInteraction(this);
}

ScriptedInteraction::~ScriptedInteraction()
{
    installInteraction(nullptr);
}

QStringList ScriptedInteraction::messageTexts() const
{
    QStringList texts;
    for (const Message& m : m_messages)
        texts << m.text;
    return texts;
}

void ScriptedInteraction::clear()
{
    m_messages.clear();
    m_openRequests.clear();
    m_saveRequests.clear();
    m_openedFiles.clear();
    m_openedUrls.clear();
    m_folderRequests.clear();
    m_dialogClasses.clear();
    m_dialogsRun = 0;
    m_works = std::make_shared<QList<Work>>();
    m_reports.clear();
}

Answer ScriptedInteraction::message(QWidget*, MessageKind kind, const QString& text, Buttons buttons)
{
    m_messages.append({ kind, text, buttons });
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
}

QString ScriptedInteraction::openFileName(QWidget*, const FileDialogRequest& request)
{
    m_openRequests.append(request);
    return m_openNames.isEmpty() ? QString() : m_openNames.dequeue();
}

QString ScriptedInteraction::saveFileName(QWidget*, const FileDialogRequest& request)
{
    m_saveRequests.append(request);
    return m_saveNames.isEmpty() ? QString() : m_saveNames.dequeue();
}

QString ScriptedInteraction::folderName(QWidget*, const FileDialogRequest& request)
{
    m_folderRequests.append(request);
    return m_folderNames.isEmpty() ? QString() : m_folderNames.dequeue();
}

int ScriptedInteraction::runDialog(QDialog& dialog)
{
    ++m_dialogsRun;
    m_dialogClasses << QString::fromLatin1(dialog.metaObject()->className());
    // As exec() would, show the dialog before the user acts on it, and take it
    // off the screen when the user is done.
    dialog.setResult(0);
    dialog.show();
    if (m_dialogHandler)
        m_dialogHandler(dialog);
    if (dialog.isVisible())
        dialog.hide();
    return dialog.result();
}

QAction* ScriptedInteraction::runMenu(QMenu& menu, const QPoint&)
{
    ++m_menusRun;
    QAction* picked = m_menuHandler ? m_menuHandler(menu) : nullptr;
    if (picked)
        picked->trigger();
    return picked;
}

std::unique_ptr<Progress> ScriptedInteraction::startProgress(QWidget*, const QString& label, qint64 maximum)
{
    Work work;
    work.labels << label;
    work.maximum = maximum;
    m_works->append(work);
    const int cancelAt = m_cancelAt;
    m_cancelAt = 0;
    return std::make_unique<ScriptedProgress>(m_works, cancelAt);
}

bool ScriptedInteraction::desktopTakes()
{
    if (m_openRefusals == 0)
        return true;
    --m_openRefusals;
    return false;
}

bool ScriptedInteraction::openFile(const QString& path)
{
    m_openedFiles << path;
    return desktopTakes();
}

bool ScriptedInteraction::openUrl(const QUrl& url)
{
    m_openedUrls << url;
    return desktopTakes();
}

ReportResult ScriptedInteraction::printReport(QWidget*, const PrintableReport& report)
{
    return render(false, report);
}

ReportResult ScriptedInteraction::previewReport(QWidget*, const PrintableReport& report)
{
    return render(true, report);
}

ReportResult ScriptedInteraction::render(bool preview, const PrintableReport& report)
{
    Report rendered { preview, report.name(), report.pageCount(), {} };
    ReportResult result = m_reportOutcomes.isEmpty() ? ReportResult {} : m_reportOutcomes.dequeue();
    if (result.outcome == ReportOutcome::Done) {
        // The pages go by as they would on paper or on the screen, with their progress.
        ReportProgress progress(*this, nullptr, report, preview ? ReportUse::Preview : ReportUse::Print);
        if (!preview && !m_printFiles.isEmpty()) {
            // As the print dialog leaves the printer when the user prints into a file.
            QPrinter printer(QPrinter::HighResolution);
            printer.setDocName(report.name());
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(m_printFiles.dequeue());
            rendered.pdfPath = printer.outputFileName();
            result = paintOnPrinter(report, printer, progress.callback());
        } else {
            rendered.pdfPath = m_reportDir.filePath(QStringLiteral("report-%1.pdf").arg(m_reports.size() + 1));
            QPdfWriter writer(rendered.pdfPath);
            writer.setResolution(300);
            writer.setTitle(report.name());
            result = { reportOutcome(paintPages(report, writer, {}, progress.callback())), {} };
        }
    }
    m_reports << rendered;
    return result;
}

QList<ScriptedInteraction::Message> onlyMessage(MessageKind kind, const QString& text, Buttons buttons)
{
    return { { kind, text, buttons } };
}

char* toString(const ScriptedInteraction::Message& message)
{
    static const char* const kinds[] = { "Warning", "Error", "Information", "Confirmation", "Plain" };
    static const char* const buttons[] = { "Ok", "OkCancel", "YesNo", "YesNoCancel" };
    const QString shown
        = QStringLiteral("%1 [%2] \"%3\"")
              .arg(QLatin1String(kinds[int(message.kind)]), QLatin1String(buttons[int(message.buttons)]), message.text);
    return qstrdup(shown.toUtf8().constData());
}

} // namespace lumidex::test
