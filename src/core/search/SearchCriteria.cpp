#include "search/SearchCriteria.h"

#include "common/Text.h"

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
}

int SearchCriteria::score(const QStringList& record) const
{
    int hits = 0;
    for (const Criterion& criterion : m_criteria) {
        if (text::containsAsciiCaseInsensitive(record.value(criterion.field), criterion.text))
            ++hits;
    }
    return hits;
}

} // namespace lumidex
