#pragma once

#include "support/TestRecords.h"

#include <QStringList>

namespace lumidex::test {

// The registry record that archive_worker `worker` writes as its `index`-th
// append: every field names its writer, so a record torn or overwritten by the
// other worker cannot go unnoticed.
inline QStringList workerRecord(int worker, int index)
{
    QStringList values;
    for (qsizetype field = 0; field < registryRecordFields().size(); ++field) {
        const int capacity = registryRecordFields().at(field).capacity;
        const QString tag = QStringLiteral("w%1-%2-f%3|").arg(worker).arg(index).arg(field);
        values << tag.repeated(capacity / int(tag.size()) + 1).left(capacity);
    }
    return values;
}

} // namespace lumidex::test
