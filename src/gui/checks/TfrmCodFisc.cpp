#include "gui/checks/TfrmCodFisc.h"

#include "common/Text.h"
#include "texts/CheckTexts.h"

#include "checks/CodFisc.h"
#include "common/Formatting.h"

#include <QLineEdit>

namespace lumidex {

namespace {

CheckWindowLook codFiscLook()
{
    CheckWindowLook look;
    look.windowName = QStringLiteral("frmCodFisc");
    look.caption = checktext::codFiscCaption();
    look.clientSize = QSize(478, 254);
    look.gradientTop = QColor(0xFF008000);
    look.banner = QStringLiteral(":/pictures/banner-codfisc.svg");
    look.bannerSize = QSize(421, 73);
    look.prompt = checktext::codFiscPrompt();
    look.fieldName = QStringLiteral("txtCodFisc");
    look.maxLength = CodFiscLength;
    look.typing = CheckWindowLook::Typing::UpperCaseTrimmed;
    return look;
}

} // namespace

TfrmCodFisc::TfrmCodFisc(QWidget* parent)
    : CheckWindow(codFiscLook(), parent)
    , txtCodFisc(field())
{ }

void TfrmCodFisc::btnControllaClick()
{
    const QString codice = text::upperAscii(txtCodFisc->text());
    if (codice.size() != CodFiscLength) {
        warnLength(checktext::codFiscLength());
        return;
    }
    if (CodFiscValido(codice))
        reportAndClose(MessageKind::Information, checktext::codFiscValid());
    else
        reportAndClose(MessageKind::Warning, checktext::codFiscWrong());
}

} // namespace lumidex
