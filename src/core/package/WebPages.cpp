#include "package/WebPages.h"

#include "common/Text.h"

#include <QSize>
#include <QStringList>
#include <QUrl>

namespace lumidex::package {

QString htmlEscaped(QStringView text)
{
    QString escaped;
    escaped.reserve(text.size() + text.size() / 8);
    for (QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'&':
            escaped += QLatin1String("&amp;");
            break;
        case u'<':
            escaped += QLatin1String("&lt;");
            break;
        case u'>':
            escaped += QLatin1String("&gt;");
            break;
        case u'"':
            escaped += QLatin1String("&quot;");
            break;
        case u'\'':
            escaped += QLatin1String("&#39;");
            break;
        default:
            if (u == u'\t')
                escaped += u' ';
            else if (u >= 32 && (u < 0x7F || u > 0x9F))
                escaped += c;
        }
    }
    return escaped;
}

QString hrefOf(QStringView relativePath)
{
    QStringList segments;
    for (QStringView segment : relativePath.split(u'/'))
        segments << QString::fromLatin1(QUrl::toPercentEncoding(segment.toString()));
    // Percent-encoding leaves only letters, digits and - . _ ~: nothing to escape.
    return segments.join(u'/');
}

QByteArray htmlDocument(const QString& title, const QString& body)
{
    const QString page = QStringLiteral("<!DOCTYPE html>\n"
                                        "<html lang=\"it\">\n"
                                        "<head>\n"
                                        "<meta charset=\"utf-8\">\n"
                                        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                                        "<title>%1</title>\n"
                                        "<link rel=\"stylesheet\" href=\"%2\">\n"
                                        "</head>\n"
                                        "<body>\n%3</body>\n"
                                        "</html>\n")
                             .arg(htmlEscaped(title), hrefOf(QString::fromLatin1(styleSheetName)), body);
    return page.toUtf8();
}

QString htmlFields(const QList<ShownField>& fields)
{
    if (fields.isEmpty())
        return {};
    QString html = QStringLiteral("<dl>\n");
    for (const ShownField& field : fields)
        html += QStringLiteral("<dt>%1</dt><dd>%2</dd>\n").arg(htmlEscaped(field.caption), htmlEscaped(field.value));
    return html + QStringLiteral("</dl>\n");
}

QString htmlImage(const QString& path, const QSize& size, const QString& alt, const QString& cssClass)
{
    // One pass of arg(): a percent-encoded name holds "%20" and the like.
    return QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"%4\"%5>")
        .arg(hrefOf(path), QString::number(size.width()), QString::number(size.height()), htmlEscaped(alt),
            cssClass.isEmpty() ? QString() : QStringLiteral(" class=\"") + htmlEscaped(cssClass) + u'"');
}

QString htmlHeader(const QString& title, const QStringList& lines)
{
    QString html = QStringLiteral("<header>\n<h1>%1</h1>\n").arg(htmlEscaped(title));
    for (const QString& line : lines) {
        if (!text::trimmed(line).isEmpty())
            html += QStringLiteral("<p>%1</p>\n").arg(htmlEscaped(text::trimmed(line)));
    }
    return html + QStringLiteral("</header>\n");
}

QString htmlLink(const QString& page, const QString& caption)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(hrefOf(page), htmlEscaped(caption));
}

QByteArray styleSheet()
{
    return QByteArrayLiteral(R"(* { box-sizing: border-box; }
body { margin: 0; font-family: Verdana, "DejaVu Sans", sans-serif; color: #1f3f66; background: #f0f4f8; }
header { padding: 1.2em 1.5em; background: linear-gradient(to right, #4682b4, #ffffff); color: #ffffff; }
header h1 { margin: 0; font-size: 1.6em; }
header p { margin: 0.3em 0 0; }
main { padding: 1.2em 1.5em 2em; max-width: 1400px; margin: 0 auto; }
.griglia { display: grid; grid-template-columns: repeat(auto-fill, minmax(200px, 1fr)); gap: 1em;
  list-style: none; margin: 0; padding: 0; }
.griglia li { background: #ffffff; border: 1px solid #87ceeb; border-radius: 4px; overflow: hidden; }
.griglia a { display: block; color: inherit; text-decoration: none; }
.griglia img, .senza-foto { display: block; width: 100%; height: auto; aspect-ratio: 3 / 4; object-fit: cover; background: #dde6ee; }
.griglia .nome { display: block; padding: 0.5em 0.6em 0.2em; font-weight: bold; }
.griglia dl, .griglia .didascalia { margin: 0; padding: 0 0.6em 0.6em; font-size: 0.85em; }
dl { display: grid; grid-template-columns: minmax(0, max-content) minmax(0, 1fr); gap: 0.2em 0.8em; }
dt { font-weight: bold; }
dd { margin: 0; min-width: 0; overflow-wrap: anywhere; }
.scheda { display: grid; grid-template-columns: minmax(0, 3fr) minmax(0, 2fr); gap: 1.5em; align-items: start; }
.scheda > img, .foto-grande { width: 100%; height: auto; display: block; background: #ffffff; }
.altre { display: grid; grid-template-columns: repeat(auto-fill, minmax(160px, 1fr)); gap: 0.8em; margin-top: 1.5em; }
.altre img { width: 100%; height: auto; display: block; }
nav { display: flex; flex-wrap: wrap; gap: 1em; justify-content: space-between; margin: 1em 0; }
nav a { color: #1f3f66; }
.nota { white-space: pre-wrap; }
@media (max-width: 700px) {
  main { padding: 0.8em; }
  .scheda { grid-template-columns: 1fr; }
  .griglia { grid-template-columns: repeat(auto-fill, minmax(140px, 1fr)); gap: 0.6em; }
}
)");
}

} // namespace lumidex::package
