#pragma once

#include "package/WebPackage.h"
#include "report/PrintableReport.h"
#include "report/ReportLayout.h"

#include <QImage>
#include <QList>
#include <QStringList>
#include <functional>
#include <future>
#include <optional>

namespace lumidex::package {

// One card of a printed package: its record with the fields the package leaves
// out blanked, its photo file and the attached pictures it shows.
struct PrintedCard {
    QStringList values;
    QString photoPath;
    QStringList picturePaths;
};

// The cover of a printed package on the comp card's paper: the agency's line, the
// client, the note, the date and the names in the package.
report::ReportLayout packageCoverLayout(const PackageCover& cover, const QStringList& names);

// A package on paper: the cover, then one comp card per card on A4 landscape.
// Only the texts are held: each card's photo and pictures are decoded at the size
// they print while the page before is being painted, and let go with the page.
class PackageReport : public PrintableReport {
public:
    // Hears of every page before it is painted (1-based); false stops the print.
    using PageStep = std::function<bool(int page)>;

    PackageReport(PackageCover cover, QList<PrintedCard> cards, QImage placeholder);
    void setPageStep(PageStep step) { m_step = std::move(step); }

    QString name() const override;
    QPageLayout pageLayout() const override;
    int pageCount() const override { return int(m_cards.size()) + 1; }
    [[nodiscard]] bool paintPage(QPainter& painter, QPagedPaintDevice& device, int page) const override;

    // The layout of page `page` (0-based), filled: the cover or a comp card.
    std::optional<report::ReportLayout> pageLayoutOf(int page) const;

private:
    PackageCover m_cover;
    QList<PrintedCard> m_cards;
    QImage m_placeholder;
    PageStep m_step;
    // The next page's layout, made on another thread while this one is painted.
    mutable std::future<std::optional<report::ReportLayout>> m_next;
    mutable int m_nextPage = -1;
};

} // namespace lumidex::package
