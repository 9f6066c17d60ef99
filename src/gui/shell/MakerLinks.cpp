#include "gui/shell/MakerLinks.h"

#include "texts/MakerContacts.h"
#include "texts/ShellTexts.h"
#include "ui/Interaction.h"

namespace lumidex {

void openMakerSite(QWidget* owner)
{
    if (!interaction().openUrl(maker::webUrl()))
        interaction().message(
            owner, MessageKind::Warning, shelltext::siteNotOpened(QString::fromUtf16(maker::webAddress)), Buttons::Ok);
}

void writeToMaker(QWidget* owner)
{
    if (!interaction().openUrl(maker::informationMailUrl()))
        interaction().message(owner, MessageKind::Warning,
            shelltext::mailNotOpened(QString::fromUtf16(maker::emailAddress)), Buttons::Ok);
}

} // namespace lumidex
