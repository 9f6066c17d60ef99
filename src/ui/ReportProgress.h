#pragma once

#include "report/PrintableReport.h"
#include "ui/Interaction.h"

#include <memory>

class QWidget;

namespace lumidex {

// The painting of a report's pages as long work the user sees and may stop:
// once the pages to paint are more than a few, or each of them is slow, a
// progress window over `owner` tells the page in hand ("Stampa in corso...
// pagina 3 di 12"), and its "Annulla" stops the painting after that page.
class ReportProgress {
public:
    ReportProgress(Interaction& interaction, QWidget* owner, const PrintableReport& report, ReportUse use);
    ~ReportProgress();
    ReportProgress(const ReportProgress&) = delete;
    ReportProgress& operator=(const ReportProgress&) = delete;

    // What paintPages() is told as the pages go by; valid while this lives.
    PagesPainted callback();

    // Up to this many pages paint in a moment and show no progress.
    static constexpr int fewPages = 3;

private:
    bool pagesPainted(int painted, int total);

    Interaction& m_interaction;
    QWidget* m_owner;
    const PrintableReport& m_report;
    ReportUse m_use;
    std::unique_ptr<Progress> m_progress;
};

// How the painting ended, as the print windows take it: a stop asked by the
// user is neither a failure nor a print done.
ReportOutcome reportOutcome(PaintOutcome painted);

} // namespace lumidex
