#pragma once

#include "storage/RecordLayout.h"

namespace lumidex::layouts {

// The registry card: 26 edit fields of the card, then the three attached file
// names and their three descriptions.
inline constexpr std::array<RecordField, 32> registryFields { {
    { "Nome", 50 },
    { "Sesso", 1 },
    { "DataNasc", 10 },
    { "Cittadinanza", 50 },
    { "LuogoNasc", 50 },
    { "Indirizzo", 250 },
    { "CodFisc", 16 },
    { "Estremi", 250 },
    { "Email", 50 },
    { "Tel", 50 },
    { "Cellulare", 50 },
    { "Studio", 50 },
    { "Lingue", 250 },
    { "PartitaIva", 11 },
    { "Iban", 27 },
    { "Altezza", 50 },
    { "Peso", 50 },
    { "Vita", 50 },
    { "Fianchi", 50 },
    { "Occhi", 50 },
    { "Capelli", 50 },
    { "Taglia", 50 },
    { "Scarpe", 50 },
    { "Esperienze", 250 },
    { "Disponibilita", 250 },
    { "Note", 250 },
    { "File01", 250 },
    { "File02", 250 },
    { "File03", 250 },
    { "Desc01", 250 },
    { "Desc02", 250 },
    { "Desc03", 250 },
} };

// A photo book entry: 12 edit fields, then the attachments as above.
inline constexpr std::array<RecordField, 18> bookFields { {
    { "Titolo", 120 },
    { "Descrizione", 250 },
    { "Data", 10 },
    { "Location", 50 },
    { "Fotografo", 50 },
    { "Fotocamera", 50 },
    { "Fotoritocco", 250 },
    { "Abiti", 250 },
    { "Accessori", 250 },
    { "Trucco", 250 },
    { "Giudizio", 250 },
    { "Note", 250 },
    { "File01", 250 },
    { "File02", 250 },
    { "File03", 250 },
    { "Desc01", 250 },
    { "Desc02", 250 },
    { "Desc03", 250 },
} };

inline constexpr RecordLayout registry { registryFields };
inline constexpr RecordLayout book { bookFields };

// Files written by every earlier installation have these sizes; a change here
// would make every existing archive unreadable.
static_assert(registry.size() == 3847);
static_assert(book.size() == 3548);
static_assert(registry.offset(6) == 417 && registry.offset(31) == 3596);
static_assert(book.offset(3) == 383 && book.offset(17) == 3297);

// Number of fields that come from edit fields; the attachment fields follow.
inline constexpr int registryEditFields = 26;
inline constexpr int bookEditFields = 12;
inline constexpr int attachmentFields = 6;

} // namespace lumidex::layouts
