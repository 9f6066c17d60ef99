#include "search/SearchCriteria.h"

#include "storage/RecordView.h"

namespace lumidex {

SearchCriteria::SearchCriteria(QList<Criterion> criteria)
    : m_criteria(std::move(criteria))
{
    for (const Criterion& criterion : m_criteria) {
        if (!text::trimmed(criterion.text).isEmpty())
            ++m_count;
    }
    // Empty criteria can never score; leaving them out spares every record the test.
    m_criteria.removeIf([](const Criterion& criterion) { return criterion.text.isEmpty(); });
    for (const Criterion& criterion : std::as_const(m_criteria))
        m_finders.emplace_back(criterion.text);
}

int SearchCriteria::score(const QStringList& record) const
{
    return hits(
        [&](int field) { return field >= 0 && field < record.size() ? QStringView(record.at(field)) : QStringView(); });
}

bool SearchCriteria::accepts(const RecordView& record) const
{
    return hits([&](int field) {
        if (field < 0 || field >= record.layout().fieldCount())
            return QStringView();
        record.text(field, m_field);
        return QStringView(m_field);
    }) >= m_count;
}

} // namespace lumidex
