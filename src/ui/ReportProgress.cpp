#include "ui/ReportProgress.h"

namespace lumidex {

ReportProgress::ReportProgress(Interaction& interaction, QWidget* owner, const PrintableReport& report, ReportUse use)
    : m_interaction(interaction)
    , m_owner(owner)
    , m_report(report)
    , m_use(use)
{ }

ReportProgress::~ReportProgress() = default;

PagesPainted ReportProgress::callback()
{
    return [this](int painted, int total) { return pagesPainted(painted, total); };
}

bool ReportProgress::pagesPainted(int painted, int total)
{
    if (painted == 0) {
        m_progress.reset();
        if (total > fewPages || (total > 0 && m_report.slowPages()))
            m_progress = m_interaction.startProgress(m_owner, m_report.pageProgress(m_use, 1, total), total);
        return true;
    }
    if (!m_progress)
        return true;
    const bool goOn = m_progress->advance(painted);
    if (goOn && painted < total)
        m_progress->setLabel(m_report.pageProgress(m_use, painted + 1, total));
    else
        m_progress.reset();
    return goOn;
}

ReportOutcome reportOutcome(PaintOutcome painted)
{
    switch (painted) {
    case PaintOutcome::Painted:
        return ReportOutcome::Done;
    case PaintOutcome::Stopped:
        return ReportOutcome::Cancelled;
    case PaintOutcome::Failed:
        break;
    }
    return ReportOutcome::Failed;
}

} // namespace lumidex
