#include "ui/RealInteraction.h"

#include "report/PrintableReport.h"
#include "texts/CommonTexts.h"
#include "ui/DesktopOpener.h"
#include "ui/PictureButton.h"
#include "ui/PrinterOutput.h"
#include "ui/ProgressWindow.h"
#include "ui/ReportProgress.h"
#include "ui/WaitCursor.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>
#include <QUrl>
#include <QWidgetAction>

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
        return commontext::warningTitle();
    case MessageKind::Error:
        return commontext::errorTitle();
    case MessageKind::Information:
        return commontext::informationTitle();
    case MessageKind::Confirmation:
        return commontext::confirmationTitle();
    case MessageKind::Plain:
        break;
    }
    return commontext::programName();
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
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
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
        // A box closed without a button: the question's safe answer.
        if (buttons == Buttons::YesNoCancel)
            return Answer::Cancel;
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
        // "*.*" admits every file, as the program has always meant it; here a
        // name without a dot would slip through it.
        if (patterns.simplified() == QLatin1String("*.*"))
            patterns = QStringLiteral("*");
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

QString RealInteraction::folderName(QWidget* parent, const FileDialogRequest& request)
{
    QFileDialog dialog(parent, request.title, request.directory);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

int RealInteraction::runDialog(QDialog& dialog)
{
    return dialog.exec();
}

QAction* RealInteraction::runMenu(QMenu& menu, const QPoint& globalPos)
{
    return menu.exec(globalPos);
}

std::unique_ptr<Progress> RealInteraction::startProgress(QWidget* owner, const QString& label, qint64 maximum)
{
    return std::make_unique<ProgressWindow>(owner, label, maximum);
}

bool RealInteraction::openFile(const QString& path)
{
    // Qt's own way reports only whether an opener started, not whether anything
    // could open the file; asked directly, xdg-open says.
    const DesktopAnswer answer = openFileOnDesktop(path);
    if (answer != DesktopAnswer::NoOpener)
        return answer == DesktopAnswer::Opened;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool RealInteraction::openUrl(const QUrl& url)
{
    if (url.isLocalFile())
        return openFile(url.toLocalFile());
    return QDesktopServices::openUrl(url);
}

namespace {

QAction* addPreviewCommand(QToolBar& bar, const QString& text, const QString& icon, const QKeySequence& shortcut)
{
    auto* action = new QAction(QIcon(icon), text, &bar);
    action->setShortcut(shortcut);
    action->setToolTip(tooltipWithShortcut(text, shortcut));
    bar.addAction(action);
    return action;
}

// The preview offers printing, zooming, full screen and closing, nothing else: the
// card is printed as it is laid out, on its paper and in its orientation. Qt lays
// the preview's bar out as: fit width, fit page | zoom factor, zoom out, zoom in |
// portrait, landscape | first, previous, page number, next, last | single, facing,
// overview | page setup, print.
void limitPreviewCommands(QPrintPreviewDialog& preview)
{
    auto* bar = preview.findChild<QToolBar*>();
    if (!bar)
        return;
    const QList<QAction*> actions = bar->actions();
    QList<QAction*> kept;
    for (qsizetype i = 0; i < actions.size(); ++i) {
        QAction* action = actions.at(i);
        const QString name = action->objectName();
        if (name == QLatin1String("fitWidthAction") || name == QLatin1String("fitPageAction"))
            kept << action;
        auto* widgetAction = qobject_cast<QWidgetAction*>(action);
        if (widgetAction && qobject_cast<QComboBox*>(widgetAction->defaultWidget())) {
            kept << action;
            // Zoom out and zoom in follow the zoom factor.
            for (qsizetype j = i + 1; j < actions.size() && j <= i + 2; ++j)
                if (!actions.at(j)->isSeparator())
                    kept << actions.at(j);
        }
    }
    QAction* print = actions.isEmpty() ? nullptr : actions.constLast();
    for (QAction* action : actions)
        if (!kept.contains(action) && action != print)
            bar->removeAction(action);
    if (!kept.isEmpty() && kept.constFirst()->objectName() == QLatin1String("fitWidthAction") && kept.size() > 2)
        bar->insertSeparator(kept.at(2));
    if (print)
        bar->insertSeparator(print);
    bar->addSeparator();

    QAction* fullScreen = addPreviewCommand(*bar, commontext::fullScreenCommand(),
        QStringLiteral(":/icons/anteprima-schermo-intero.svg"), QKeySequence(Qt::Key_F11));
    fullScreen->setCheckable(true);
    QObject::connect(fullScreen, &QAction::toggled, &preview, [&preview](bool on) {
        preview.setWindowState(on ? (preview.windowState() | Qt::WindowFullScreen)
                                  : (preview.windowState() & ~Qt::WindowFullScreen) | Qt::WindowMaximized);
    });
    QAction* close = addPreviewCommand(*bar, commontext::closeButton(), QStringLiteral(":/icons/anteprima-chiudi.svg"),
        QKeySequence(Qt::CTRL | Qt::Key_W));
    QObject::connect(close, &QAction::triggered, &preview, &QDialog::reject);
}

// The preview opens at the card's real size: the zoom box is set the way the
// user would set it, so that the box and the page agree.
void zoomToActualSize(QPrintPreviewDialog& preview)
{
    for (QComboBox* zoom : preview.findChildren<QComboBox*>()) {
        const int actualSize = zoom->findText(QStringLiteral("100%"));
        if (actualSize >= 0) {
            zoom->setCurrentIndex(actualSize);
            return;
        }
    }
}

} // namespace

ReportResult RealInteraction::printReport(QWidget* parent, const PrintableReport& report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(report.name());
    printer.setPageLayout(report.pageLayout());
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile
        | QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies);
    dialog.setMinMax(1, qMax(1, report.pageCount()));
    if (dialog.exec() != QDialog::Accepted)
        return { ReportOutcome::Cancelled, {} };
    const WaitCursor busy(Qt::BusyCursor);
    ReportProgress progress(*this, parent, report, ReportUse::Print);
    return paintOnPrinter(report, printer, progress.callback());
}

ReportResult RealInteraction::previewReport(QWidget* parent, const PrintableReport& report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(report.name());
    printer.setPageLayout(report.pageLayout());
    QPrintPreviewDialog preview(&printer, parent);
    preview.setModal(true);
    ReportResult failure { ReportOutcome::Done, {} };
    bool stopped = false;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
        // The preview paints on the printer as it is, before it shows; its print
        // command on a printer the user chose, whose copies may be ours to paint
        // and which may be a file to keep whole.
        const bool onScreen = recordsPages(*target);
        const WaitCursor busy(Qt::BusyCursor);
        ReportProgress progress(
            *this, preview.isVisible() ? &preview : parent, report, onScreen ? ReportUse::Preview : ReportUse::Print);
        const ReportResult painted = onScreen
            ? ReportResult { reportOutcome(paintPages(report, *target, printRunOf(*target), progress.callback())), {} }
            : paintOnPrinter(report, *target, progress.callback());
        if (painted.outcome == ReportOutcome::Failed && failure.outcome != ReportOutcome::Failed)
            failure = painted;
        if (painted.outcome == ReportOutcome::Cancelled && onScreen) {
            // The user stopped the preview before it showed: there is nothing to look at.
            stopped = true;
            QMetaObject::invokeMethod(&preview, &QDialog::reject, Qt::QueuedConnection);
        }
    });
    limitPreviewCommands(preview);
    zoomToActualSize(preview);
    preview.setWindowState(preview.windowState() | Qt::WindowMaximized);
    preview.exec();
    if (failure.outcome == ReportOutcome::Failed)
        return failure;
    return { stopped ? ReportOutcome::Cancelled : ReportOutcome::Done, {} };
}

} // namespace lumidex
