#include "search/SearchCriteria.h"

#include "storage/RecordView.h"
#include "storage/TextField.h"

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
    // A field holds at most 255 characters: it is decoded on the stack, so the
    // test allocates nothing and shares nothing with a search beside it.
    char16_t field[256];
    return hits([&](int index) {
        if (index < 0 || index >= record.layout().fieldCount())
            return QStringView();
        const QByteArrayView stored = record.storedText(index);
        textfield::fromWindows1252(stored, reinterpret_cast<QChar*>(field));
        return QStringView(field, stored.size());
    }) >= m_count;
}

} // namespace lumidex
