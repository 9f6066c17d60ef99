#include "gui/checks/TfrmIban.h"

#include "common/Text.h"
#include "texts/CheckTexts.h"

#include "checks/Iban.h"
#include "storage/TextField.h"

#include <QLineEdit>

namespace lumidex {

namespace {

CheckWindowLook ibanLook()
{
    CheckWindowLook look;
    look.windowName = QStringLiteral("frmIban");
    look.caption = checktext::ibanCaption();
    look.clientSize = QSize(608, 270);
    look.gradientTop = QColor(0xFF191970);
    look.banner = QStringLiteral(":/pictures/banner-iban.svg");
    look.bannerSize = QSize(545, 85);
    look.prompt = checktext::ibanPrompt();
    look.fieldName = QStringLiteral("txtIban");
    look.maxLength = IbanLength;
    look.typing = CheckWindowLook::Typing::UpperCaseTrimmed;
    return look;
}

} // namespace

TfrmIban::TfrmIban(QWidget* parent)
    : CheckWindow(ibanLook(), parent)
    , txtIban(field())
{ }

void TfrmIban::btnControllaClick()
{
    // Blanks inside count towards the length: the user wrote them as part of
    // the IBAN; the check itself ignores them.
    const QString iban = text::trimmed(txtIban->text());
    if (iban.size() != IbanLength) {
        warnLength(checktext::ibanLength());
        return;
    }
    if (IbanValido(iban))
        reportAndClose(MessageKind::Information, checktext::ibanValid());
    else
        reportAndClose(MessageKind::Warning, checktext::ibanWrong());
}

} // namespace lumidex
