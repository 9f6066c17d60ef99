#include "ui/ProgressWindow.h"

#include "texts/CommonTexts.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QProgressDialog>
#include <limits>

namespace lumidex {

namespace {

constexpr int showAfterMs = 500;
constexpr int eventsEveryMs = 50;

} // namespace

ProgressWindow::ProgressWindow(QWidget* owner, const QString& label, qint64 maximum)
    : m_dialog(std::make_unique<QProgressDialog>(owner))
{
    // The pointer says the program is busy, and still points at "Annulla".
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    while (maximum / m_divisor > std::numeric_limits<int>::max())
        m_divisor *= 2;
    m_dialog->setWindowTitle(commontext::programName());
    m_dialog->setLabelText(label);
    m_dialog->setCancelButtonText(commontext::cancelButton());
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(showAfterMs);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setRange(0, int(qMax<qint64>(1, maximum / m_divisor)));
    m_dialog->setValue(0);
    // Whatever closed just before the work (a file chooser, a print dialog) goes
    // off the screen before the work starts.
    letEventsThrough();
    m_sinceEvents.start();
}

ProgressWindow::~ProgressWindow()
{
    QGuiApplication::restoreOverrideCursor();
}

bool ProgressWindow::advance(qint64 done)
{
    m_dialog->setValue(int(qMin<qint64>(done / m_divisor, m_dialog->maximum())));
    // The dialog lets events through by itself once shown; before that, the
    // windows behind it must still repaint, but take no click or key until the
    // dialog stands over them.
    if (m_sinceEvents.elapsed() >= eventsEveryMs) {
        letEventsThrough();
        m_sinceEvents.restart();
    }
    return !m_dialog->wasCanceled();
}

void ProgressWindow::letEventsThrough()
{
    // Until the window shows, nothing keeps the user's clicks and keys off the
    // owner, whose handler is still running the work: they wait for the end of
    // the work, or are dropped by the modal window once it shows.
    QCoreApplication::processEvents(m_dialog->isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

void ProgressWindow::setLabel(const QString& label)
{
    m_dialog->setLabelText(label);
}

bool ProgressWindow::cancelled() const
{
    return m_dialog->wasCanceled();
}

} // namespace lumidex
