#include "find/FindFields.h"

#include "storage/Layouts.h"

namespace lumidex::findfields {

namespace {

constexpr int registryFindField(std::string_view name)
{
    return layouts::registry.indexOf(name);
}

constexpr int bookFindField(std::string_view name)
{
    return layouts::book.indexOf(name);
}

} // namespace

const FindFields& registry()
{
    static const FindFields fields {
        .layout = &layouts::registry,
        .searched = { registryFindField("Nome"), registryFindField("LuogoNasc"), registryFindField("Indirizzo"),
            registryFindField("Tel"), registryFindField("Cellulare"), registryFindField("Email"),
            registryFindField("CodFisc"), registryFindField("PartitaIva"), registryFindField("Cittadinanza"),
            registryFindField("Note") },
        .name = registryFindField("Nome"),
        .phones = { registryFindField("Tel"), registryFindField("Cellulare") },
        .shown = { registryFindField("Nome"), registryFindField("LuogoNasc"), registryFindField("Cellulare") },
    };
    return fields;
}

const FindFields& book()
{
    static const FindFields fields {
        .layout = &layouts::book,
        .searched = { bookFindField("Titolo"), bookFindField("Descrizione"), bookFindField("Location"),
            bookFindField("Fotografo"), bookFindField("Data") },
        .name = bookFindField("Titolo"),
        .phones = {},
        .shown = { bookFindField("Titolo"), bookFindField("Data"), bookFindField("Location") },
    };
    return fields;
}

} // namespace lumidex::findfields
