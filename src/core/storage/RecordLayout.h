#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <array>
#include <span>
#include <string_view>

namespace lumidex {

struct RecordField {
    std::string_view name;
    int capacity;
};

// A record is a fixed sequence of text fields stored back to back; offsets and
// the record size follow from the capacities alone.
class RecordLayout {
public:
    // More than any record has; the offsets are worked out once, at compile time.
    static constexpr std::size_t maxFields = 64;

    template <std::size_t N>
    constexpr explicit RecordLayout(const std::array<RecordField, N>& fields)
        : m_fields(fields)
    {
        static_assert(N <= maxFields);
        int at = 0;
        for (std::size_t i = 0; i < N; ++i) {
            m_offsets[i] = at;
            at += fields[i].capacity + 1;
        }
        m_offsets[N] = at;
    }

    constexpr int fieldCount() const { return int(m_fields.size()); }
    constexpr const RecordField& field(int index) const { return m_fields[std::size_t(index)]; }
    constexpr int capacity(int index) const { return field(index).capacity; }

    constexpr int offset(int index) const { return m_offsets[std::size_t(index)]; }

    constexpr int size() const { return offset(fieldCount()); }

    // -1 when the layout has no such field.
    constexpr int indexOf(std::string_view name) const
    {
        for (int i = 0; i < fieldCount(); ++i)
            if (field(i).name == name)
                return i;
        return -1;
    }

    // Values in field order; missing values are stored empty, extra ones ignored.
    QByteArray encode(const QStringList& values) const;
    // `bytes` must hold size() bytes.
    QStringList decode(QByteArrayView bytes) const;
    // One field of a record, decoded alone.
    QString decodeField(QByteArrayView bytes, int index) const;

private:
    std::span<const RecordField> m_fields;
    std::array<int, maxFields + 1> m_offsets {};
};

} // namespace lumidex
