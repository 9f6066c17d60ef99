#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace lumidex::package {

// A registry field a package can show, with the caption it is shown under. The
// personal data leave the agency only where the user ticks them one by one.
struct OfferedField {
    int field;
    QString caption;
    bool personal;
};

// Every field a package offers: the measures and the physical fields first, then
// the personal data, each group in the order the card shows it.
const QList<OfferedField>& offeredFields();

// A chosen field with its value on one card.
struct ShownField {
    QString caption;
    QString value;
    friend bool operator==(const ShownField&, const ShownField&) = default;
};

// What a package shows of every card besides the name: the measures and the
// physical fields and the attached pictures unless the user leaves them out, the
// personal data only where the user puts them in.
class FieldChoice {
public:
    FieldChoice();

    bool includes(int field) const { return m_fields.contains(field); }
    // Fields the package does not offer stay out whatever is asked.
    void include(int field, bool included);
    bool pictures() const { return m_pictures; }
    void setPictures(bool included) { m_pictures = included; }

    // The chosen fields of `record` (a registry record) in the order offered,
    // trimmed; blank values are left out.
    QList<ShownField> shownFields(const QStringList& record) const;
    // `record` with every field the package does not show blanked, the name and
    // the attached files kept.
    QStringList maskedRecord(const QStringList& record) const;

private:
    QSet<int> m_fields;
    bool m_pictures = true;
};

} // namespace lumidex::package
