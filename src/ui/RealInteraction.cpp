#include "ui/RealInteraction.h"

#include "output/report/PrintableReport.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QUrl>

namespace lumidex {

namespace {

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    case MessageKind::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}

QString titleOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QStringLiteral("Avviso");
    case MessageKind::Error:
        return QStringLiteral("Errore");
    case MessageKind::Information:
        return QStringLiteral("Informazione");
    case MessageKind::Confirmation:
        return QStringLiteral("Conferma");
    case MessageKind::Plain:
        break;
    }
    return QStringLiteral("Lumidex");
}

} // namespace

Answer RealInteraction::message(QWidget* parent, MessageKind kind, const QString& text, Buttons buttons)
{
    QMessageBox box(iconOf(kind), titleOf(kind), text, QMessageBox::NoButton, parent);
    // Message texts carry their own line breaks and must not be read as markup.
    box.setTextFormat(Qt::PlainText);
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
}

QString RealInteraction::qtFilter(const QString& programFilter)
{
    const QStringList parts = programFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const int open = description.indexOf(QLatin1Char('('));
        if (open >= 0)
            description = description.left(open).trimmed();
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(description, patterns.simplified());
    }
    return filters.join(QStringLiteral(";;"));
}

QString RealInteraction::openFileName(QWidget* parent, const FileDialogRequest& request)
{
    QFileDialog dialog(parent, request.title, request.directory, qtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString RealInteraction::saveFileName(QWidget* parent, const FileDialogRequest& request)
{
    QFileDialog dialog(parent, request.title, request.directory, qtFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

int RealInteraction::runDialog(QDialog& dialog)
{
    return dialog.exec();
}

QUrl RealInteraction::shellUrl(const QString& command)
{
    QString target = command.trimmed();
    if (target.size() >= 2 && target.startsWith(QLatin1Char('"')) && target.endsWith(QLatin1Char('"')))
        target = target.mid(1, target.size() - 2);
    const QUrl url(target);
    if (url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(target);
}

void RealInteraction::openWithShell(const QString& command)
{
    // Nothing is reported when the desktop cannot open the target.
    QDesktopServices::openUrl(shellUrl(command));
}

ReportOutcome RealInteraction::printReport(QWidget* parent, const PrintableReport& report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(report.name());
    printer.setPageLayout(report.pageLayout());
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile
        | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, qMax(1, report.pageCount()));
    if (dialog.exec() != QDialog::Accepted)
        return ReportOutcome::Cancelled;
    return paintReport(report, printer) ? ReportOutcome::Done : ReportOutcome::Failed;
}

ReportOutcome RealInteraction::previewReport(QWidget* parent, const PrintableReport& report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(report.name());
    printer.setPageLayout(report.pageLayout());
    QPrintPreviewDialog preview(&printer, parent);
    bool painted = true;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
        [&](QPrinter* target) { painted = paintReport(report, *target) && painted; });
    preview.setWindowState(preview.windowState() | Qt::WindowMaximized);
    preview.exec();
    return painted ? ReportOutcome::Done : ReportOutcome::Failed;
}

} // namespace lumidex
