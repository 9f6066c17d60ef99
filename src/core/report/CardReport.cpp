#include "report/CardReport.h"

#include "common/Text.h"
#include "report/CardLayouts.h"
#include "storage/Layouts.h"

namespace lumidex::report {

namespace {

// Value objects in the order they are filled; each takes the field of the same
// name. Book entries fill their title, book name and date first, by hand.
constexpr const char* registryValues[] = { "txtNome", "txtSesso", "txtDataNasc", "txtCittadinanza", "txtLuogoNasc",
    "txtIndirizzo", "txtCodFisc", "txtEstremi", "txtEmail", "txtTel", "txtCellulare", "txtStudio", "txtLingue",
    "txtPartitaIva", "txtIban", "txtAltezza", "txtPeso", "txtVita", "txtFianchi", "txtOcchi", "txtCapelli", "txtTaglia",
    "txtScarpe", "txtEsperienze", "txtDisponibilita", "txtNote" };
constexpr const char* bookValues[] = { "txtDescrizione", "txtLocation", "txtFotografo", "txtFotocamera",
    "txtFotoritocco", "txtAbiti", "txtAccessori", "txtTrucco", "txtGiudizio", "txtNote" };

// The trimmed text of the record field `fieldName`; empty when the card has fewer fields.
QString fieldText(const RecordLayout& record, const QStringList& fields, std::string_view fieldName)
{
    const int index = record.indexOf(fieldName);
    return index >= 0 && index < fields.size() ? text::trimmed(fields.at(index)) : QString();
}

template <std::size_t N>
bool fillSameNamed(
    ReportLayout& layout, const RecordLayout& record, const QStringList& fields, const char* const (&valueNames)[N])
{
    for (const char* valueName : valueNames) {
        const std::string_view fieldName = std::string_view(valueName).substr(3);
        if (!layout.setText(QString::fromLatin1(valueName), fieldText(record, fields, fieldName)))
            return false;
    }
    return true;
}

// `layout` on a portrait page with the card's photo; nothing when it took no photo.
std::optional<ReportLayout> withPhoto(ReportLayout layout, const QImage& photo)
{
    layout.page.setOrientation(QPageLayout::Portrait);
    if (!layout.setPicture(u"imgLogo", photo))
        return std::nullopt;
    return layout;
}

} // namespace

std::optional<ReportLayout> filledRegistryCard(const CardValues& card)
{
    std::optional<ReportLayout> layout = withPhoto(registryCardLayout(), card.photo);
    if (!layout || !fillSameNamed(*layout, layouts::registry, card.fields, registryValues))
        return std::nullopt;
    return layout;
}

std::optional<ReportLayout> filledBookEntry(const CardValues& card)
{
    std::optional<ReportLayout> layout = withPhoto(bookCardLayout(), card.photo);
    if (!layout)
        return std::nullopt;
    const bool header = layout->setText(u"txtTitolo", fieldText(layouts::book, card.fields, "Titolo"))
        && layout->setText(u"txtNome", text::trimmed(card.bookName))
        && layout->setText(u"txtData", QStringLiteral("Data scatto: ") + fieldText(layouts::book, card.fields, "Data"));
    if (!header || !fillSameNamed(*layout, layouts::book, card.fields, bookValues))
        return std::nullopt;
    return layout;
}

} // namespace lumidex::report
