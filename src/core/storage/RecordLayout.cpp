#include "storage/RecordLayout.h"

#include "storage/TextField.h"

namespace lumidex {

QByteArray RecordLayout::encode(const QStringList& values) const
{
    QByteArray bytes(size(), '\0');
    char* at = bytes.data();
    for (int i = 0; i < fieldCount(); ++i) {
        textfield::encode(values.value(i), capacity(i), at);
        at += capacity(i) + 1;
    }
    return bytes;
}

QStringList RecordLayout::decode(QByteArrayView bytes) const
{
    Q_ASSERT(bytes.size() >= size());
    QStringList values;
    values.reserve(fieldCount());
    const char* at = bytes.data();
    for (int i = 0; i < fieldCount(); ++i) {
        values.append(textfield::decode(at, capacity(i)));
        at += capacity(i) + 1;
    }
    return values;
}

QString RecordLayout::decodeField(QByteArrayView bytes, int index) const
{
    Q_ASSERT(bytes.size() >= size());
    return textfield::decode(bytes.data() + offset(index), capacity(index));
}

} // namespace lumidex
