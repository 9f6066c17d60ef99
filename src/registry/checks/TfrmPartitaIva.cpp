#include "registry/checks/TfrmPartitaIva.h"

#include "common/Text.h"

#include "common/Formatting.h"
#include "registry/checks/PartitaIva.h"

#include <QLineEdit>

namespace lumidex {

namespace {

CheckWindowLook partitaIvaLook()
{
    CheckWindowLook look;
    look.windowName = QStringLiteral("frmPartitaIva");
    look.caption = QStringLiteral(" Controllo partita IVA");
    look.clientSize = QSize(480, 254);
    look.gradientTop = QColor(0xFF4682B4);
    look.banner = QStringLiteral(":/pictures/banner-partitaiva.svg");
    look.bannerSize = QSize(421, 73);
    look.prompt = QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo.");
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
        warnLength(QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
        return;
    }
    if (PartitaIvaValida(numero)) {
        // Digits 8 to 10 name the office that issued the number.
        const QString ufficio = UfficioIva(numero.mid(7, 3));
        reportAndClose(MessageKind::Information,
            QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                           "E' stato rilasciato dall'Ufficio IVA del Comune di ")
                + ufficio + u'.');
    } else {
        reportAndClose(MessageKind::Warning,
            QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                           "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che lo ha "
                           "rilasciato."));
    }
}

} // namespace lumidex
