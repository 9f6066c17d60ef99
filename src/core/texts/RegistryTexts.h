#pragma once

#include <QString>
#include <string_view>

// The registry card editor's own messages: its required fields, tested in this
// order by Save, and the mail to the person that could not be started.
namespace lumidex::registrytext {

QString nameRequired();
QString sexRequired();
QString citizenshipRequired();
// The desktop refused the new mail to the card's address.
QString mailNotOpened();

// The caption of a card's field, by the record field's name ("Nome", "DataNasc");
// empty for a name the card has no caption for.
QString fieldCaption(std::string_view field);
// The tips of the buttons beside the tax code, the mail address, the VAT number
// and the IBAN.
QString codFiscTip();
QString emailTip();
QString partitaIvaTip();
QString ibanTip();

} // namespace lumidex::registrytext
