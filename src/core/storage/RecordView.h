#pragma once

#include "storage/RecordLayout.h"
#include "storage/TextField.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace lumidex {

// A record as it lies in the file, read only as far as it is asked: a scan that
// needs three fields decodes three fields and nothing else.
class RecordView {
public:
    RecordView(const RecordLayout& layout, QByteArrayView bytes)
        : m_layout(layout)
        , m_bytes(bytes)
    { }

    const RecordLayout& layout() const { return m_layout; }
    // The record as it lies in the file.
    QByteArrayView bytes() const { return m_bytes; }

    // The field's text, trimmed, as every window reads it.
    QString text(int field) const { return m_layout.decodeField(m_bytes, field); }
    // The same into `into`, reusing its buffer: a scan asking for a field of
    // every record allocates nothing for it once the buffer has grown.
    void text(int field, QString& into) const
    {
        textfield::decode(m_bytes.data() + m_layout.offset(field), m_layout.capacity(field), into);
    }
    // The bytes of that text, still in the code page (one byte a character), for
    // a scan that copies them straight to where they go.
    QByteArrayView storedText(int field) const
    {
        return textfield::storedText(m_bytes.data() + m_layout.offset(field), m_layout.capacity(field));
    }
    // Every field, in record order.
    QStringList texts() const { return m_layout.decode(m_bytes); }
    // Every field into `into`, which ends up with one text per field; its texts'
    // buffers are reused, and a copy the caller kept of an earlier record keeps
    // its values.
    void texts(QStringList& into) const;

private:
    const RecordLayout& m_layout;
    QByteArrayView m_bytes;
};

inline void RecordView::texts(QStringList& into) const
{
    const int fields = m_layout.fieldCount();
    if (into.size() != fields)
        into.resize(fields);
    // One detach of the list for the whole record, not one per field.
    QString* texts = into.data();
    const char* at = m_bytes.data();
    for (int i = 0; i < fields; ++i) {
        const int capacity = m_layout.capacity(i);
        // Most fields of most records are empty, and stay so from one record to the next.
        if (uchar(*at) != 0 || !texts[i].isEmpty())
            textfield::decode(at, capacity, texts[i]);
        at += capacity + 1;
    }
}

} // namespace lumidex
