#include "shell/help/HelpWindows.h"

namespace lumidex::help {

QList<HelpWindow> helpWindows()
{
    return {
        { QStringLiteral("TfrmAvvio"), HelpPage::Introduction },
        { QStringLiteral("TfrmMenuUomini"), HelpPage::Books },
        { QStringLiteral("TfrmMenuDonne"), HelpPage::Books },
        { QStringLiteral("TfrmCreaUomini"), HelpPage::Books },
        { QStringLiteral("TfrmCreaDonne"), HelpPage::Books },
        { QStringLiteral("TfrmApriUomini"), HelpPage::Books },
        { QStringLiteral("TfrmApriDonne"), HelpPage::Books },
        { QStringLiteral("TfrmBookUomini"), HelpPage::Books },
        { QStringLiteral("TfrmBookDonne"), HelpPage::Books },
        { QStringLiteral("TfrmAnagrafica"), HelpPage::Registry },
        { QStringLiteral("TfrmExpAnagrafica"), HelpPage::RegistryExport },
        { QStringLiteral("TfrmExpBookUomini"), HelpPage::BookExport },
        { QStringLiteral("TfrmExpBookDonne"), HelpPage::BookExport },
    };
}

std::optional<HelpPage> pageForWindow(QStringView windowClass)
{
    for (const HelpWindow& window : helpWindows()) {
        if (window.windowClass == windowClass)
            return window.page;
    }
    return std::nullopt;
}

QStringList windowsShowing(HelpPage page)
{
    QStringList classes;
    for (const HelpWindow& window : helpWindows()) {
        if (window.page == page)
            classes.append(window.windowClass);
    }
    return classes;
}

} // namespace lumidex::help
