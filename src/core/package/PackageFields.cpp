#include "package/PackageFields.h"

#include "common/Text.h"
#include "storage/Layouts.h"

namespace lumidex::package {

namespace {

constexpr int fieldIndex(std::string_view name)
{
    return layouts::registry.indexOf(name);
}

} // namespace

const QList<OfferedField>& offeredFields()
{
    static const QList<OfferedField> fields {
        { fieldIndex("Altezza"), QStringLiteral("Altezza"), false },
        { fieldIndex("Peso"), QStringLiteral("Peso"), false },
        { fieldIndex("Vita"), QStringLiteral("Vita"), false },
        { fieldIndex("Fianchi"), QStringLiteral("Fianchi"), false },
        { fieldIndex("Taglia"), QStringLiteral("Taglia"), false },
        { fieldIndex("Scarpe"), QStringLiteral("Scarpe"), false },
        { fieldIndex("Occhi"), QStringLiteral("Occhi"), false },
        { fieldIndex("Capelli"), QStringLiteral("Capelli"), false },
        { fieldIndex("DataNasc"), QStringLiteral("Data di nascita"), true },
        { fieldIndex("LuogoNasc"), QStringLiteral("Luogo di nascita"), true },
        { fieldIndex("Indirizzo"), QStringLiteral("Indirizzo"), true },
        { fieldIndex("CodFisc"), QStringLiteral("Codice fiscale"), true },
        { fieldIndex("PartitaIva"), QStringLiteral("Partita IVA"), true },
        { fieldIndex("Iban"), QStringLiteral("IBAN"), true },
        { fieldIndex("Tel"), QStringLiteral("Tel. fisso"), true },
        { fieldIndex("Cellulare"), QStringLiteral("Cellulare"), true },
        { fieldIndex("Email"), QStringLiteral("E-mail"), true },
        { fieldIndex("Estremi"), QStringLiteral("Documento di riconoscimento"), true },
    };
    return fields;
}

FieldChoice::FieldChoice()
{
    for (const OfferedField& offered : offeredFields()) {
        if (!offered.personal)
            m_fields.insert(offered.field);
    }
}

void FieldChoice::include(int field, bool included)
{
    const bool offered = std::any_of(
        offeredFields().begin(), offeredFields().end(), [field](const OfferedField& f) { return f.field == field; });
    if (included && offered)
        m_fields.insert(field);
    else
        m_fields.remove(field);
}

QList<ShownField> FieldChoice::shownFields(const QStringList& record) const
{
    QList<ShownField> shown;
    for (const OfferedField& offered : offeredFields()) {
        if (!includes(offered.field))
            continue;
        const QString value = text::trimmed(record.value(offered.field));
        if (!value.isEmpty())
            shown.append({ offered.caption, value });
    }
    return shown;
}

QStringList FieldChoice::maskedRecord(const QStringList& record) const
{
    QStringList masked = record;
    const int name = fieldIndex("Nome");
    for (int i = 0; i < layouts::registryEditFields && i < masked.size(); ++i) {
        if (i != name && !includes(i))
            masked[i].clear();
    }
    return masked;
}

} // namespace lumidex::package
