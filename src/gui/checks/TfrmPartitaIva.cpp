#include "gui/checks/TfrmPartitaIva.h"

#include "common/Text.h"
#include "texts/CheckTexts.h"

#include "checks/PartitaIva.h"
#include "common/Formatting.h"

#include <QLineEdit>

namespace lumidex {

namespace {

CheckWindowLook partitaIvaLook()
{
    CheckWindowLook look;
    look.windowName = QStringLiteral("frmPartitaIva");
    look.caption = checktext::partitaIvaCaption();
    look.clientSize = QSize(480, 254);
    look.gradientTop = QColor(0xFF4682B4);
    look.banner = QStringLiteral(":/pictures/banner-partitaiva.svg");
    look.bannerSize = QSize(421, 73);
    look.prompt = checktext::partitaIvaPrompt();
    look.fieldName = QStringLiteral("txtPartitaIva");
    look.maxLength = PartitaIvaLength;
    look.typing = CheckWindowLook::Typing::DigitsOnly;
    return look;
}

} // namespace

TfrmPartitaIva::TfrmPartitaIva(QWidget* parent)
    : CheckWindow(partitaIvaLook(), parent)
    , txtPartitaIva(field())
{ }

void TfrmPartitaIva::btnControllaClick()
{
    const QString numero = text::upperAscii(txtPartitaIva->text());
    if (numero.size() != PartitaIvaLength) {
        warnLength(checktext::partitaIvaLength());
        return;
    }
    if (PartitaIvaValida(numero)) {
        // Digits 8 to 10 name the office that issued the number.
        const QString ufficio = UfficioIva(numero.mid(7, 3));
        reportAndClose(MessageKind::Information, checktext::partitaIvaValid(ufficio));
    } else {
        reportAndClose(MessageKind::Warning, checktext::partitaIvaWrong());
    }
}

} // namespace lumidex
