#pragma once

#include "package/PackageFields.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

class QSize;

// The plain HTML of packages and galleries: every page UTF-8, one style sheet,
// no script and nothing from outside the folder, so that the folder works opened
// from the disk and copied to any web server.
namespace lumidex::package {

// The style sheet's file name, beside every page.
inline constexpr auto styleSheetName = "stile.css";

// `text` safe inside an element or a quoted attribute: & < > " ' written as
// entities, and the control characters HTML does not allow left out.
QString htmlEscaped(QStringView text);

// A link to `relativePath` (a file of the folder, "/" between folders) as an
// attribute value: every segment percent-encoded as UTF-8, so a name with blanks,
// accents, "#" or "?" still leads to its own file.
QString hrefOf(QStringView relativePath);

// A whole page: `title` escaped, `body` as it is (already escaped HTML).
QByteArray htmlDocument(const QString& title, const QString& body);

// Building blocks of the pages, every text escaped: a list of captions and
// values, a picture with its size and alternative text, the page's heading with
// its lines under it (blank ones left out), a link.
QString htmlFields(const QList<ShownField>& fields);
QString htmlImage(const QString& path, const QSize& size, const QString& alt, const QString& cssClass = QString());
QString htmlHeader(const QString& title, const QStringList& lines);
QString htmlLink(const QString& page, const QString& caption);

// The one style sheet: a grid that fills the width and goes down to one column
// on a phone, pictures that never overflow the screen.
QByteArray styleSheet();

} // namespace lumidex::package
