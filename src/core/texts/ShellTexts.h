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

// The start menu's caption and the tips of its pictures.
QString startCaption();
QString infoTip();
QString helpTip();
QString registryTip();
QString womenBooksTip();
QString menBooksTip();
QString siteTip();
QString creditsTip();
QString exitTip();

// The help window's caption, its title before a page is chosen, and the PDF link.
QString helpCaption();
QString helpTitle();
QString helpPdf();

// The information window's caption, lines and the tip of its mail picture.
QString infoCaption();
QString infoLine();
QString infoDescription();
QString infoVersion();
QString infoMailTip();

// The credits window's caption and the tip of its web picture.
QString creditsCaption();
QString creditsSiteTip();

} // namespace lumidex::shelltext
