#include "gui/export/ExportWindow.h"

#include "export/ExportDocument.h"
#include "export/ExportRecords.h"
#include "gui/export/ExportGrid.h"
#include "gui/shell/ShowHelp.h"
#include "kinds/ArchiveProfile.h"
#include "storage/Archive.h"
#include "storage/ArchiveError.h"
#include "texts/ExportTexts.h"
#include "ui/FixedWindow.h"
#include "ui/Interaction.h"
#include "ui/PictureButton.h"
#include "ui/WaitCursor.h"

#include <QAbstractButton>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumidex {

namespace {

const QSize clientSize(862, 560);
const QSize gridSize(821, 409);
const QSize bannerSize(440, 64);
const QSize buttonSize(37, 39);

// The window's look; the cell being typed in keeps the grid's own plain face.
QString styleSheetFor(const QString& windowName, const QFont& gridFont)
{
    return QStringLiteral(R"(
QDialog#%1 { background: #D3D3D3; }
#panBarra { background: white; border-bottom: 1px solid #B8B8B8; }
#panStato { background: #6A5ACD; }
#panInfo { color: white; font: 12pt "Tahoma"; }
#grdRecords { background: white; alternate-background-color: #EAF0F6; gridline-color: #C8C8C8; }
#grdRecords QLineEdit { font: %2pt "%3"; background: white; border: 1px solid #87CEEB; padding: 0px 1px; }
)")
        .arg(windowName)
        .arg(gridFont.pointSizeF())
        .arg(gridFont.family());
}

} // namespace

ExportWindow::ExportWindow(
    ArchiveKind kind, const QString& windowName, const QString& programDir, const QString& sourcePath, QWidget* parent)
    : QDialog(parent, Qt::Dialog | fixedFrame)
    , m_table(archiveProfile(kind).exportTable)
    , m_programDir(programDir)
    , m_sourcePath(sourcePath)
{
    setUpFixedWindow(this, windowName, m_table.caption, clientSize);
    setModal(true);
    setMouseTracking(true);

    m_records = new ExportRecords(m_table, this);
    grdRecords = new ExportGrid(m_records, this);
    grdRecords->setFixedSize(gridSize);
    setStyleSheet(styleSheetFor(windowName, grdRecords->font()));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildTopBar());
    column->addStretch(1);
    column->addWidget(grdRecords, 0, Qt::AlignHCenter);
    column->addStretch(1);
    column->addWidget(buildStatusBar());

    // Moving over the background, the grid or the bars empties the status line.
    // Qt hands a mere move only to a widget that tracks the mouse, so each of
    // them, the labels laid over the bars included, has to.
    const QList<QWidget*> backgrounds { panBarra, imgBanner, panStato, panInfo, grdRecords->viewport(),
        grdRecords->horizontalHeader()->viewport() };
    for (QWidget* background : backgrounds) {
        background->setMouseTracking(true);
        background->installEventFilter(this);
    }

    connect(cmdEsporta, &QToolButton::clicked, this, &ExportWindow::cmdEsportaClick);
    connect(cmdGuida, &QToolButton::clicked, this, &ExportWindow::cmdGuidaClick);
    connect(cmdEsci, &QToolButton::clicked, this, &ExportWindow::cmdEsciClick);
}

QWidget* ExportWindow::buildTopBar()
{
    panBarra = new QWidget(this);
    panBarra->setObjectName(QStringLiteral("panBarra"));
    panBarra->setAttribute(Qt::WA_StyledBackground);
    panBarra->setFixedHeight(80);

    imgBanner = new QLabel(panBarra);
    imgBanner->setObjectName(QStringLiteral("imgBanner"));
    imgBanner->setFixedSize(bannerSize);
    imgBanner->setPixmap(QIcon(QStringLiteral(":/pictures/banner-esportazione.svg")).pixmap(bannerSize));

    // The status line keeps the program's explanations word for word; the
    // keyboard shortcuts are told in the tooltips.
    auto button = [this](const QString& name, const QString& picture, const QString& status, const QString& tip,
                      const QKeySequence& shortcut) {
        QToolButton* b = makePictureButton(panBarra, name, picture, buttonSize, status);
        b->setShortcut(shortcut);
        b->setToolTip(QStringLiteral("%1 (%2)").arg(tip, shortcut.toString(QKeySequence::NativeText)));
        return b;
    };
    cmdEsporta = button(QStringLiteral("cmdEsporta"), QStringLiteral(":/icons/esporta-excel.svg"),
        exporttext::exportTip(), exporttext::exportText(), QKeySequence(Qt::CTRL | Qt::Key_E));
    cmdGuida = button(QStringLiteral("cmdGuida"), QStringLiteral(":/icons/guida.svg"), exporttext::helpTip(),
        exporttext::helpText(), QKeySequence(Qt::Key_F1));
    // Escape closes the window as in any dialog; it is no shortcut of the button,
    // so that it still cancels the typing in a cell first.
    cmdEsci = makePictureButton(
        panBarra, QStringLiteral("cmdEsci"), QStringLiteral(":/icons/esci.svg"), buttonSize, exporttext::exitTip());
    cmdEsci->setToolTip(exporttext::exitToolTip());

    auto* row = new QHBoxLayout(panBarra);
    row->setContentsMargins(14, 8, 20, 8);
    row->setSpacing(14);
    row->addWidget(imgBanner, 0, Qt::AlignVCenter);
    row->addStretch(1);
    for (QToolButton* b : { cmdEsporta, cmdGuida, cmdEsci })
        row->addWidget(b, 0, Qt::AlignVCenter);
    return panBarra;
}

QWidget* ExportWindow::buildStatusBar()
{
    panStato = new QWidget(this);
    panStato->setObjectName(QStringLiteral("panStato"));
    panStato->setAttribute(Qt::WA_StyledBackground);
    panStato->setFixedHeight(30);
    panInfo = new QLabel(exporttext::ready(), panStato);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    auto* row = new QHBoxLayout(panStato);
    row->setContentsMargins(10, 0, 10, 0);
    row->addWidget(panInfo);
    return panStato;
}

QString ExportWindow::outputPath() const
{
    return QDir(m_programDir).filePath(m_table.outputFileName);
}

void ExportWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
    if (!m_filled) {
        m_filled = true;
        fillGrid();
    }
}

void ExportWindow::fillGrid()
{
    bool complete = false;
    {
        WaitCursor wait;
        complete = m_records->fill(Archive(m_sourcePath, m_table.layout));
    }
    // Said once the window is on the screen, so the user sees what it is about;
    // the grid keeps the cards read before the failure.
    if (!complete)
        QTimer::singleShot(0, this,
            [this] { interaction().plain(this, withCause(archiveAccessMessage(), m_records->failureCause())); });
}

void ExportWindow::cmdEsportaClick()
{
    grdRecords->commitPendingEdit();
    // A grid of only some of the archive's cards must not pass for the archive:
    // the user hears it before the file is written, and again once it is.
    const bool partial = m_records->readInPart();
    const qsizetype read = m_records->recordsRead();
    const qsizetype total = m_records->cardsInArchive();
    if (partial
        && interaction().message(
               this, MessageKind::Warning, exporttext::askToExportPartial(read, total), Buttons::YesNo)
            != Answer::Yes)
        return;
    if (interaction().message(this, MessageKind::Confirmation, exporttext::askToExport(), Buttons::YesNo) == Answer::No)
        return;

    const QString path = outputPath();
    ExportDocument document(*m_records);
    bool saved = false;
    {
        // Many rows show their progress after half a second; "Annulla" stops the
        // writing before the new file takes the place of the old one.
        const std::unique_ptr<Progress> progress
            = interaction().startProgress(this, exporttext::exporting(), m_records->rowCount());
        saved = document.save(path, [&](int rows) { return progress->advance(rows); });
    }
    if (document.stopped())
        return;
    if (!saved) {
        interaction().plain(this, withCause(exporttext::failed(), document.cause()));
        return;
    }
    const QString done = partial ? exporttext::exportedPartially(read, total) : exporttext::exported();
    if (interaction().message(this, MessageKind::Confirmation, done, Buttons::YesNo) == Answer::No)
        return;
    if (!interaction().openFile(path))
        interaction().message(
            this, MessageKind::Warning, exporttext::cannotOpen(QDir::toNativeSeparators(path)), Buttons::Ok);
}

void ExportWindow::cmdGuidaClick()
{
    showHelp(this, m_programDir, m_table.helpPage);
}

void ExportWindow::cmdEsciClick()
{
    reject();
}

bool ExportWindow::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        panInfo->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    if (event->type() == QEvent::MouseMove)
        clearStatusUnlessOverButton(this, static_cast<QMouseEvent*>(event));
    return QDialog::event(event);
}

bool ExportWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove)
        clearStatusUnlessOverButton(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

void ExportWindow::clearStatusUnlessOverButton(QWidget* receiver, QMouseEvent* move)
{
    // A move over a picture button travels up through its bar and the window;
    // the button's own explanation stays.
    const QWidget* under = receiver->childAt(move->position().toPoint());
    if (!qobject_cast<const QAbstractButton*>(under))
        panInfo->clear();
}

} // namespace lumidex
