#include "search/SearchCriteria.h"

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
    int hits = 0;
    for (qsizetype i = 0; i < m_criteria.size(); ++i) {
        if (m_finders[std::size_t(i)].foundIn(record.value(m_criteria.at(i).field)))
            ++hits;
    }
    return hits;
}

} // namespace lumidex
