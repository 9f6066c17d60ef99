#pragma once

#include "shell/help/HelpPages.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace lumidex::help {

// The status text of the editors' and export windows' help button.
inline constexpr char16_t helpButtonStatusText[] = u"Visualizza la pagina della guida sensibile al contesto.";

// A window with a help button and the page that button shows.
struct HelpWindow {
    QString windowClass; // e.g. "TfrmAnagrafica"
    HelpPage page;
};

// The thirteen windows with a help button.
QList<HelpWindow> helpWindows();

// The page shown by the help button of a window class; nothing for a window
// without one.
std::optional<HelpPage> pageForWindow(QStringView windowClass);

// The window classes whose help button shows the page.
QStringList windowsShowing(HelpPage page);

} // namespace lumidex::help
