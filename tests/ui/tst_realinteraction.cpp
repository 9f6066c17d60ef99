#include "report/PrintableReport.h"
#include "ui/Interaction.h"
#include "ui/RealInteraction.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QWidgetAction>
#include <QtTest>

using namespace lumidex;

namespace {

// One A4 page with a frame and a line of text.
class OnePageReport : public PrintableReport {
public:
    QString name() const override { return QStringLiteral("Prova"); }
    QPageLayout pageLayout() const override
    {
        return QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    }
    int pageCount() const override { return 1; }
    bool paintPage(QPainter& painter, QPagedPaintDevice& device, int) const override
    {
        const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
        painter.drawRect(page.adjusted(0, 0, -1, -1));
        painter.drawText(page, Qt::AlignCenter, name());
        return true;
    }
};

// A command of the preview's bar as the user tells it apart: its text, "|" for a
// separator, "[zoom 100.0%]" for the zoom box with what it shows
// (the card at its real size; Qt writes the factor with one decimal).
QString describe(QAction* action)
{
    if (action->isSeparator())
        return QStringLiteral("|");
    if (auto* widgetAction = qobject_cast<QWidgetAction*>(action))
        if (auto* zoom = qobject_cast<QComboBox*>(widgetAction->defaultWidget()))
            return QStringLiteral("[zoom %1]").arg(zoom->currentText());
    return action->text();
}

// What the test saw of the preview while it was open.
struct SeenPreview {
    bool found = false;
    bool activeModal = false;
    QWidget* owner = nullptr;
    bool maximised = false;
    QStringList commands;
    QKeySequence fullScreenShortcut;
    QString fullScreenTip;
    bool fullScreenCheckable = false;
    QKeySequence closeShortcut;
    QString closeTip;
    bool closedByItsCommand = false;
};

QAction* commandNamed(QToolBar* bar, const QString& text)
{
    for (QAction* action : bar->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

// Looks at the preview and closes it: through its own close command when there
// is one, so the modal loop ends whatever the test finds.
void inspectAndClose(SeenPreview& seen)
{
    QWidget* modal = QApplication::activeModalWidget();
    auto* preview = qobject_cast<QPrintPreviewDialog*>(modal);
    seen.activeModal = preview != nullptr;
    if (!preview)
        for (QWidget* window : QApplication::topLevelWidgets())
            if ((preview = qobject_cast<QPrintPreviewDialog*>(window)))
                break;
    if (!preview)
        return;
    seen.found = true;
    seen.owner = preview->parentWidget();
    seen.maximised = preview->windowState().testFlag(Qt::WindowMaximized);
    auto* bar = preview->findChild<QToolBar*>();
    if (!bar) {
        preview->reject();
        return;
    }
    for (QAction* action : bar->actions())
        seen.commands << describe(action);
    if (QAction* fullScreen = commandNamed(bar, QStringLiteral("Schermo intero"))) {
        seen.fullScreenShortcut = fullScreen->shortcut();
        seen.fullScreenTip = fullScreen->toolTip();
        seen.fullScreenCheckable = fullScreen->isCheckable();
    }
    QAction* close = commandNamed(bar, QStringLiteral("Chiudi"));
    if (close) {
        seen.closeShortcut = close->shortcut();
        seen.closeTip = close->toolTip();
        close->trigger();
        seen.closedByItsCommand = !preview->isVisible();
    }
    if (preview->isVisible())
        preview->reject();
}

// Puts a stand-in for the desktop's opener, xdg-open, first on the path for as
// long as it lives: it notes what it was handed and answers with `exitCode`, as
// xdg-open does (0 opened, 3 no application found, 2 no such file).
class StandInOpener {
public:
    explicit StandInOpener(int exitCode)
        : m_oldPath(qgetenv("PATH"))
    {
        const QString script = m_bin.filePath(QStringLiteral("xdg-open"));
        QFile file(script);
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n%s' \"$#\" \"$1\" > '%1'\nexit %2\n")
                       .arg(seenPath())
                       .arg(exitCode)
                       .toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(m_bin.path()) + ':' + m_oldPath);
    }
    ~StandInOpener() { qputenv("PATH", m_oldPath); }
    StandInOpener(const StandInOpener&) = delete;
    StandInOpener& operator=(const StandInOpener&) = delete;

    // The number of arguments and the first one, a line each; empty when the
    // opener was never run.
    QString seen() const
    {
        QFile file(seenPath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    QString seenPath() const { return m_bin.filePath(QStringLiteral("seen")); }

    QTemporaryDir m_bin;
    QByteArray m_oldPath;
};

} // namespace

class TestRealInteraction : public QObject {
    Q_OBJECT

private slots:
    // A file goes to the desktop's opener as one argument, blanks, quotes and
    // accents included, and its answer is the result: the windows tell the user
    // when nothing opened the file.
    void filesGoToTheDesktopWhole_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("asLink");
        QTest::addColumn<bool>("opened");
        QTest::newRow("opened") << 0 << false << true;
        QTest::newRow("opened, as a link to a file") << 0 << true << true;
        QTest::newRow("no application for its kind") << 3 << false << false;
        QTest::newRow("no such file") << 2 << false << false;
        QTest::newRow("refused, as a link to a file") << 3 << true << false;
    }
    void filesGoToTheDesktopWhole()
    {
        QFETCH(int, exitCode);
        QFETCH(bool, asLink);
        QFETCH(bool, opened);
        const StandInOpener opener(exitCode);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("Carta d'identità \"2024\" $HOME.pdf"));
        const bool taken = asLink ? interaction().openUrl(QUrl::fromLocalFile(path)) : interaction().openFile(path);
        QCOMPARE(taken, opened);
        QCOMPARE(opener.seen(), QStringLiteral("1\n") + path);
    }

    // The question that may be called off: "Sì" is the default, and closing the
    // box or Escape answers "Annulla", so that a stray key never throws work away.
    void yesNoCancelQuestionAnswersAsThePressedButton_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("answer");
        QTest::newRow("Sì") << "yes" << int(Answer::Yes);
        QTest::newRow("No") << "no" << int(Answer::No);
        QTest::newRow("Annulla") << "cancel" << int(Answer::Cancel);
        QTest::newRow("Enter") << "enter" << int(Answer::Yes);
        QTest::newRow("Escape") << "escape" << int(Answer::Cancel);
        QTest::newRow("window closed") << "close" << int(Answer::Cancel);
    }
    void yesNoCancelQuestionAnswersAsThePressedButton()
    {
        QFETCH(QString, press);
        QFETCH(int, answer);
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));

        const QString text = QStringLiteral("Prima riga.\r\n\r\n<b>Seconda</b> riga?");
        bool found = false;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString shownText;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, &owner, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            found = true;
            buttons = box->standardButtons();
            defaultButton = box->standardButton(box->defaultButton());
            icon = box->icon();
            shownText = box->text();
            format = box->textFormat();
            if (press == QLatin1String("yes"))
                box->button(QMessageBox::Yes)->click();
            else if (press == QLatin1String("no"))
                box->button(QMessageBox::No)->click();
            else if (press == QLatin1String("cancel"))
                box->button(QMessageBox::Cancel)->click();
            else if (press == QLatin1String("enter"))
                QTest::keyClick(box, Qt::Key_Return);
            else if (press == QLatin1String("escape"))
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->close();
        });
        const Answer given = interaction().message(&owner, MessageKind::Confirmation, text, Buttons::YesNoCancel);

        QVERIFY(found);
        QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(defaultButton, QMessageBox::Yes);
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(shownText, text);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(int(given), answer);
    }

    // The preview keeps only what a card needs: it is printed as it is laid out,
    // on its paper and in its orientation. Qt's own bar is found by the names Qt
    // gives its commands; when those change, this is where it shows.
    void previewOffersOnlyFittingZoomPrintFullScreenAndClose()
    {
        QVERIFY(dynamic_cast<RealInteraction*>(&interaction()));
        QWidget owner;
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));

        SeenPreview seen;
        QTimer::singleShot(0, &owner, [&seen] { inspectAndClose(seen); });
        const ReportOutcome outcome = interaction().previewReport(&owner, OnePageReport()).outcome;

        QVERIFY(seen.found);
        QVERIFY(seen.activeModal);
        QCOMPARE(seen.owner, &owner);
        QVERIFY(seen.maximised);
        QCOMPARE(seen.commands,
            QStringList({ QStringLiteral("Fit width"), QStringLiteral("Fit page"), QStringLiteral("|"),
                QStringLiteral("[zoom 100.0%]"), QStringLiteral("Zoom out"), QStringLiteral("Zoom in"),
                QStringLiteral("|"), QStringLiteral("Print"), QStringLiteral("|"), QStringLiteral("Schermo intero"),
                QStringLiteral("Chiudi") }));
        // Paper, orientation, page stepping, page views and page set-up are gone.
        for (const char* gone : { "Page setup", "Portrait", "Landscape", "First page", "Previous page", "Next page",
                 "Last page", "Show single page", "Show facing pages", "Show overview of all pages" })
            QVERIFY2(!seen.commands.contains(QLatin1String(gone)), gone);
        QCOMPARE(seen.fullScreenShortcut, QKeySequence(Qt::Key_F11));
        QCOMPARE(seen.fullScreenTip, QStringLiteral("Schermo intero (F11)"));
        QVERIFY(seen.fullScreenCheckable);
        QCOMPARE(seen.closeShortcut, QKeySequence(Qt::CTRL | Qt::Key_W));
        QCOMPARE(seen.closeTip, QStringLiteral("Chiudi (Ctrl+W)"));
        QVERIFY(seen.closedByItsCommand);
        QCOMPARE(outcome, ReportOutcome::Done);
    }
};

QTEST_MAIN(TestRealInteraction)
#include "tst_realinteraction.moc"
