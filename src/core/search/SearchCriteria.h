#pragma once

#include "common/Text.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace lumidex {

class RecordView;

// The criteria of one search: up to ten typed texts, each tied to one field of
// the record. A text is looked for exactly as typed, blanks included, the
// letters A to Z matching either case; a record is listed when it scores at
// least as many hits as there are filled criteria.
class SearchCriteria {
public:
    struct Criterion {
        int field;
        QString text;
    };

    SearchCriteria() = default;
    explicit SearchCriteria(QList<Criterion> criteria);

    // How many criteria hold more than blanks (characters 0 to 32) once trimmed.
    int count() const { return m_count; }
    // How many criteria occur in their record field. An empty criterion never
    // occurs; one of blanks only occurs wherever its run of blanks does, so it
    // can make up for a filled criterion that did not occur.
    int score(const QStringList& record) const;
    bool accepts(const QStringList& record) const { return score(record) >= m_count; }
    // The same for a record as it lies in the file: only the criteria's fields
    // are read. Several threads may ask at once (a search visits the archive in
    // parts side by side).
    bool accepts(const RecordView& record) const;

private:
    // How many criteria occur in the texts `textOf(field)` gives for their fields.
    template <typename TextOf> int hits(TextOf textOf) const
    {
        int found = 0;
        for (qsizetype i = 0; i < m_criteria.size(); ++i) {
            if (m_finders[std::size_t(i)].foundIn(textOf(m_criteria.at(i).field)))
                ++found;
        }
        return found;
    }

    QList<Criterion> m_criteria;
    // One finder per criterion kept, each ready for every record.
    std::vector<text::AsciiCaseInsensitiveFinder> m_finders;
    int m_count = 0;
};

} // namespace lumidex
