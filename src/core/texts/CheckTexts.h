#pragma once

#include <QString>

// The messages of the tax code, VAT number and IBAN check windows.
namespace lumidex::checktext {

QString codFiscLength();
QString codFiscValid();
QString codFiscWrong();

QString partitaIvaLength();
// `ufficio`: the town of the VAT office that issued the number.
QString partitaIvaValid(const QString& ufficio);
QString partitaIvaWrong();

QString ibanLength();
QString ibanValid();
QString ibanWrong();

// The windows' captions, prompts and buttons.
QString codFiscCaption();
QString codFiscPrompt();
QString partitaIvaCaption();
QString partitaIvaPrompt();
QString ibanCaption();
QString ibanPrompt();
QString checkButton();
QString closeButton();

} // namespace lumidex::checktext
