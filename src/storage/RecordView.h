#pragma once

#include "storage/RecordLayout.h"

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

    // The field's text, trimmed, as every window reads it.
    QString text(int field) const { return m_layout.decodeField(m_bytes, field); }
    // Every field, in record order.
    QStringList texts() const { return m_layout.decode(m_bytes); }

private:
    const RecordLayout& m_layout;
    QByteArrayView m_bytes;
};

} // namespace lumidex
