#pragma once

#include <QString>

// The messages of the start menu and of the help, information and credits
// windows: what the user reads when the manual, the maker's site or a new mail
// to the maker could not be opened.
namespace lumidex::shelltext {

// The manual could not be read; the cause follows on a paragraph of its own.
QString manualUnreadable(const QString& fileName);
// The manual is there, and nothing on the system opens a PDF file.
QString manualNoApplication(const QString& path);
// The desktop refused the maker's web address.
QString siteNotOpened(const QString& address);
// The desktop refused the new mail to the maker.
QString mailNotOpened(const QString& address);

} // namespace lumidex::shelltext
