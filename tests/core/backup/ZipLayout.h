#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtEndian>

// The central directory of a small ZIP file, read byte by byte as the format
// lays it out, so that the tests see what any other program sees: the names,
// their UTF-8 flag, how each entry is packed and where its data lie.
namespace lumidex::test::ziplayout {

struct Entry {
    QString name;
    quint16 flags = 0;
    // 0 stored, 8 deflated.
    quint16 method = 0;
    qint64 packedSize = 0;
    // Where the entry's data start in the file.
    qint64 dataOffset = 0;
};

inline QList<Entry> entries(const QByteArray& zip)
{
    QList<Entry> found;
    const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0)
        return found;
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(zip.constData() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(zip.constData() + at); };
    const int count = u16(end + 10);
    qsizetype at = u32(end + 16);
    for (int i = 0; i < count && at + 46 <= zip.size(); ++i) {
        if (u32(at) != 0x02014b50)
            break;
        Entry entry;
        entry.flags = u16(at + 8);
        entry.method = u16(at + 10);
        entry.packedSize = u32(at + 20);
        const int nameLength = u16(at + 28);
        const int extraLength = u16(at + 30);
        const int commentLength = u16(at + 32);
        const qsizetype local = u32(at + 42);
        entry.name = QString::fromUtf8(zip.mid(at + 46, nameLength));
        entry.dataOffset = local + 30 + u16(local + 26) + u16(local + 28);
        found << entry;
        at += 46 + nameLength + extraLength + commentLength;
    }
    return found;
}

} // namespace lumidex::test::ziplayout
