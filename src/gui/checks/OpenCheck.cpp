#include "gui/checks/OpenCheck.h"

#include "gui/checks/TfrmCodFisc.h"
#include "gui/checks/TfrmIban.h"
#include "gui/checks/TfrmPartitaIva.h"
#include "ui/Interaction.h"

namespace lumidex {

namespace {

template <class Check> void runCheck(QWidget* owner, const QString& text)
{
    Check check(owner);
    check.setFieldText(text);
    interaction().runDialog(check);
}

} // namespace

void checkCodFisc(QWidget* owner, const QString& text)
{
    runCheck<TfrmCodFisc>(owner, text);
}

void checkPartitaIva(QWidget* owner, const QString& text)
{
    runCheck<TfrmPartitaIva>(owner, text);
}

void checkIban(QWidget* owner, const QString& text)
{
    runCheck<TfrmIban>(owner, text);
}

} // namespace lumidex
