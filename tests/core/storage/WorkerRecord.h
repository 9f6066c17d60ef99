#pragma once

#include "storage/Layouts.h"

#include <QStringList>

namespace lumidex::test {

// The registry record that archive_worker `worker` writes as its `index`-th
// append: every field names its writer, so a record torn or overwritten by the
// other worker cannot go unnoticed.
inline QStringList workerRecord(int worker, int index)
{
    QStringList values;
    for (int field = 0; field < layouts::registry.fieldCount(); ++field) {
        const QString tag = QStringLiteral("w%1-%2-f%3|").arg(worker).arg(index).arg(field);
        values << tag.repeated(layouts::registry.capacity(field) / int(tag.size()) + 1)
                      .left(layouts::registry.capacity(field));
    }
    return values;
}

} // namespace lumidex::test
