#include "support/TestRecords.h"

namespace lumidex::test {

QStringList blankRecord(const RecordLayout& layout)
{
    return QStringList(layout.fieldCount());
}

QByteArray rawRecord(const RecordLayout& layout, const QStringList& values)
{
    QByteArray record;
    for (int i = 0; i < layout.fieldCount(); ++i) {
        const QByteArray text = values.value(i).toLatin1();
        record += char(text.size()) + text + QByteArray(layout.capacity(i) - text.size(), '\0');
    }
    return record;
}

QByteArray storedField(const QByteArray& record, int offset)
{
    const int length = quint8(record.at(offset));
    return record.mid(offset + 1, length);
}

} // namespace lumidex::test
