#include "gui/search/SearchWindow.h"

#include "common/Formatting.h"
#include "common/Text.h"
#include "gui/print/SummaryPrint.h"
#include "kinds/ArchiveProfile.h"
#include "search/FindInList.h"
#include "search/ResultListModel.h"
#include "search/SearchCriteria.h"
#include "search/SearchForm.h"
#include "storage/ArchiveError.h"
#include "texts/SearchTexts.h"
#include "ui/FixedWindow.h"
#include "ui/Interaction.h"
#include "ui/Pictures.h"
#include "ui/TextButton.h"
#include "ui/WaitCursor.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace lumidex {

namespace {

// The list is at least this wide, so that long lines scroll sideways; a line
// longer still widens it, so that no note is ever cut off.
constexpr int minimumItemWidth = 1600;

bool isEnterKeyPress(const QEvent* event)
{
    return event->type() == QEvent::KeyPress && isEnterKey(static_cast<const QKeyEvent*>(event)->key());
}

} // namespace

SearchWindow::SearchWindow(ArchiveKind kind, const QString& archivePath, QWidget* parent)
    : QDialog(parent, Qt::Dialog | fixedFrame)
    , m_kind(kind)
    , m_profile(archiveProfile(kind))
    , m_form(m_profile.search)
    , m_records(archiveRecords(archivePath, *m_form.layout))
{
    setUpFixedWindow(this, QStringLiteral("frmTrova"), m_form.caption, clientSize);
    setModal(true);
    applyFormatSettings();
    m_lines = new ResultListModel(this);

    lblConta = new QLabel(this);
    lblConta->setObjectName(QStringLiteral("lblConta"));
    lblConta->hide();
    lblMemory = new QLabel(m_profile.cardMarker, this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();

    // Both panels take the same place; only one is ever visible.
    auto* stage = new QGridLayout(this);
    stage->setContentsMargins(
        14, 15, clientSize.width() - panelSize.width() - 14, clientSize.height() - panelSize.height() - 15);
    stage->addWidget(buildCriteriaPanel(), 0, 0);
    stage->addWidget(buildResultsPanel(), 0, 0);
    panContainer->hide();

    for (QLineEdit* field : std::as_const(m_criteria))
        field->installEventFilter(this);
    txtTrova->installEventFilter(this);
    lstRecords->installEventFilter(this);
    lstRecords->viewport()->installEventFilter(this);

    connect(btnCerca, &QPushButton::pressed, this, &SearchWindow::btnCercaMouseDown);
    connect(btnCerca, &QPushButton::clicked, this, &SearchWindow::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &SearchWindow::btnAnnullaClick);
    connect(btnTrova, &QPushButton::clicked, this, &SearchWindow::btnTrovaClick);
    connect(btnStampa, &QPushButton::clicked, this, &SearchWindow::btnStampaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &SearchWindow::btnChiudiClick);
    connect(lstRecords, &QListView::doubleClicked, this, &SearchWindow::lstRecordsDblClick);
}

QStringList SearchWindow::listedLines() const
{
    return m_lines->lines().texts();
}

void SearchWindow::showWaitingNotice()
{
    lblAttendere->show();
    // Painted now, not when the event loop next gets a turn: the scan that
    // follows may keep it busy for a while, and the notice is for that while.
    lblAttendere->repaint();
}

void SearchWindow::btnCercaMouseDown()
{
    showWaitingNotice();
}

void SearchWindow::btnCercaClick()
{
    // Reached by the keyboard too, where no button went down first.
    showWaitingNotice();

    QList<SearchCriteria::Criterion> typed;
    for (qsizetype i = 0; i < m_criteria.size(); ++i)
        typed.append({ m_form.criteria.at(i).field, m_criteria.at(i)->text() });
    const SearchCriteria criteria(typed);
    lblConta->setText(QString::number(criteria.count()));

    m_lines->clear();
    ResultLines lines;
    try {
        const WaitCursor wait;
        lines = searchLines(m_records, criteria, m_form.line);
    } catch (const ArchiveError& error) {
        // An archive that cannot be read lists nothing, not the part read so far.
        interaction().plain(this, archiveFailureMessage(error));
        return;
    } catch (const std::exception&) {
        interaction().plain(this, archiveAccessMessage());
        return;
    }
    showResults(std::move(lines));
}

void SearchWindow::showResults(ResultLines lines)
{
    m_lines->setLines(std::move(lines));
    const QFontMetrics metrics(m_lines->font());
    const int lineWidth = m_lines->longestLine() * metrics.horizontalAdvance(QLatin1Char('M')) + 8;
    m_lines->setItemSize(QSize(qMax(minimumItemWidth, lineWidth), metrics.height() + 2));
    lblTrovate->setText(searchtext::countLine(m_lines->rowCount()));

    panContainer->show();
    panAvvio->hide();
    txtTrova->clear();
    txtTrova->setFocus();
}

int SearchWindow::selectedRow() const
{
    const QModelIndexList selected = lstRecords->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

void SearchWindow::selectRow(int row)
{
    const QModelIndex index = m_lines->index(row);
    lstRecords->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    lstRecords->scrollTo(index);
}

void SearchWindow::btnTrovaClick()
{
    if (m_lines->rowCount() == 0) {
        interaction().plain(this, searchtext::emptyList());
        return;
    }
    int selected = selectedRow();
    if (selected < 0) {
        selected = 0;
        selectRow(selected);
    }
    const QString key = text::lowerAscii(txtTrova->text());
    const int found = findInList(m_lines->lines(), selected, key, m_lastKey);
    if (found >= 0)
        selectRow(found);
    m_lastKey = key;
}

void SearchWindow::lstRecordsDblClick()
{
    const int row = selectedRow();
    if (row >= 0) {
        std::optional<Card> found;
        QString failure;
        try {
            const WaitCursor wait;
            findLastRecordOfLine(m_records, m_form.line, m_lines->lines().at(row), found);
        } catch (const ArchiveError& error) {
            failure = archiveFailureMessage(error);
        } catch (const std::exception&) {
            failure = archiveAccessMessage();
        }
        // The window closes all the same, and a card found before the failure
        // still goes to the editor; the user hears that the archive was not read
        // to its end.
        if (!failure.isEmpty())
            interaction().plain(this, failure);
        m_chosen = std::move(found);
    }
    if (m_chosen)
        accept();
    else
        reject();
}

void SearchWindow::btnStampaClick()
{
    printSummary(this, m_form.summaryTitle, m_lines->lines().texts());
}

void SearchWindow::btnAnnullaClick()
{
    reject();
}

void SearchWindow::btnChiudiClick()
{
    reject();
}

void SearchWindow::done(int result)
{
    m_lines->clear();
    lblAttendere->hide();
    QDialog::done(result);
}

bool SearchWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The list's own double click needs a line under the pointer; on an empty
    // list the user's double click is one with no line chosen, and ends the window.
    if (watched == lstRecords->viewport() && event->type() == QEvent::MouseButtonDblClick && m_lines->rowCount() == 0) {
        lstRecordsDblClick();
        return true;
    }
    if (isEnterKeyPress(event)) {
        const qsizetype at = m_criteria.indexOf(qobject_cast<QLineEdit*>(watched));
        if (at >= 0) {
            m_criteria.at((at + 1) % m_criteria.size())->setFocus();
            return true;
        }
        if (watched == txtTrova) {
            btnTrova->setFocus();
            return true;
        }
        if (watched == lstRecords) {
            // The keyboard's way to what a double click does.
            lstRecordsDblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SearchWindow::paintEvent(QPaintEvent*)
{
    paintVerticalGradient(this, Qt::black, Qt::white);
}

void SearchWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    centreOnScreen(this);
    m_lastKey.clear();
    txtTrova->clear();
    if (panAvvio->isVisible())
        m_criteria.constFirst()->setFocus();
}

} // namespace lumidex
