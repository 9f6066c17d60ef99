#include "help/HelpPages.h"

#include "help/HelpParagraphs.h"

namespace lumidex::help {

QList<HelpPage> allPages()
{
    return { HelpPage::Introduction, HelpPage::Books, HelpPage::Registry, HelpPage::RegistryExport,
        HelpPage::BookExport };
}

QString title(HelpPage page)
{
    switch (page) {
    case HelpPage::Introduction:
        return QStringLiteral("Uno sguardo a Lumidex.");
    case HelpPage::Books:
        return QStringLiteral("Applicazione Book Fotografico Donne e Uomini.");
    case HelpPage::Registry:
        return QStringLiteral("Applicazione Archivio Anagrafico.");
    case HelpPage::RegistryExport:
        return QStringLiteral("Esportazione archivio anagrafico in Microsoft Excel.");
    case HelpPage::BookExport:
        return QStringLiteral("Esportazione book fotografico in Microsoft Excel.");
    }
    return {};
}

QStringList paragraphs(HelpPage page)
{
    using namespace paragraphtexts;
    switch (page) {
    case HelpPage::Introduction:
        // The introduction walks through the whole program: it carries the book
        // and registry pages word for word between its opening and its closing.
        return introductionOpening() + books() + registry() + introductionClosing();
    case HelpPage::Books:
        return books();
    case HelpPage::Registry:
        return registry();
    case HelpPage::RegistryExport:
        return QStringList { registryExport() } + exportSteps();
    case HelpPage::BookExport:
        return QStringList { bookExport() } + exportSteps();
    }
    return {};
}

QString body(HelpPage page)
{
    return paragraphs(page).join(QString::fromUtf16(paragraphSeparator));
}

} // namespace lumidex::help
