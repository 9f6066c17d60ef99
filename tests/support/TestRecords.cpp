#include "support/TestRecords.h"

#include "storage/RecordView.h"

namespace lumidex::test {

const QList<FieldShape>& registryRecordFields()
{
    static const QList<FieldShape> fields {
        { "Nome", 0, 50 },
        { "Sesso", 51, 1 },
        { "DataNasc", 53, 10 },
        { "Cittadinanza", 64, 50 },
        { "LuogoNasc", 115, 50 },
        { "Indirizzo", 166, 250 },
        { "CodFisc", 417, 16 },
        { "Estremi", 434, 250 },
        { "Email", 685, 50 },
        { "Tel", 736, 50 },
        { "Cellulare", 787, 50 },
        { "Studio", 838, 50 },
        { "Lingue", 889, 250 },
        { "PartitaIva", 1140, 11 },
        { "Iban", 1152, 27 },
        { "Altezza", 1180, 50 },
        { "Peso", 1231, 50 },
        { "Vita", 1282, 50 },
        { "Fianchi", 1333, 50 },
        { "Occhi", 1384, 50 },
        { "Capelli", 1435, 50 },
        { "Taglia", 1486, 50 },
        { "Scarpe", 1537, 50 },
        { "Esperienze", 1588, 250 },
        { "Disponibilita", 1839, 250 },
        { "Note", 2090, 250 },
        { "File01", 2341, 250 },
        { "File02", 2592, 250 },
        { "File03", 2843, 250 },
        { "Desc01", 3094, 250 },
        { "Desc02", 3345, 250 },
        { "Desc03", 3596, 250 },
    };
    return fields;
}

const QList<FieldShape>& bookRecordFields()
{
    static const QList<FieldShape> fields {
        { "Titolo", 0, 120 },
        { "Descrizione", 121, 250 },
        { "Data", 372, 10 },
        { "Location", 383, 50 },
        { "Fotografo", 434, 50 },
        { "Fotocamera", 485, 50 },
        { "Fotoritocco", 536, 250 },
        { "Abiti", 787, 250 },
        { "Accessori", 1038, 250 },
        { "Trucco", 1289, 250 },
        { "Giudizio", 1540, 250 },
        { "Note", 1791, 250 },
        { "File01", 2042, 250 },
        { "File02", 2293, 250 },
        { "File03", 2544, 250 },
        { "Desc01", 2795, 250 },
        { "Desc02", 3046, 250 },
        { "Desc03", 3297, 250 },
    };
    return fields;
}

QStringList blankRecord(const RecordLayout& layout)
{
    return QStringList(layout.fieldCount());
}

QStringList namedFieldCard(
    const RecordLayout& layout, std::initializer_list<std::pair<std::string_view, QString>> values)
{
    QStringList fields(layout.fieldCount());
    for (const auto& [name, value] : values) {
        const int index = layout.indexOf(name);
        if (index < 0)
            qFatal("namedFieldCard: the layout has no field %.*s", int(name.size()), name.data());
        fields[index] = value;
    }
    return fields;
}

QByteArray rawRecord(const QList<FieldShape>& fields, const QStringList& values)
{
    QByteArray record;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QByteArray text = values.value(i).toLatin1();
        record += char(text.size()) + text + QByteArray(fields.at(i).capacity - text.size(), '\0');
    }
    return record;
}

QByteArray storedField(const QByteArray& record, int offset)
{
    const int length = quint8(record.at(offset));
    return record.mid(offset + 1, length);
}

bool visitRecord(const RecordVisit& visit, const RecordLayout& layout, int position, const QStringList& values)
{
    const QByteArray record = layout.encode(values);
    return visit(0, position, RecordView(layout, record));
}

} // namespace lumidex::test
